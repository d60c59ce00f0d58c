// The checks shared by the date-entry pages, as pure functions over the fields'
// texts: the clamp of the date triples and the validation of the year fields.
// The page applies the result: it writes the texts back, gives the focus, shows
// the messages and moves the spins, in the order of the members below.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almanax {

// Field texts as the pages read them: surrounding spaces allowed, "," or "." as the
// decimal point for reals. nullopt when the text is not a number.
std::optional<int> entier_du_texte(std::string_view texte);
std::optional<long double> reel_du_texte(std::string_view texte);

enum class icone_message { erreur, information };

// A modal message box: text, caption, icon.
struct message_boite {
  std::string texte;
  std::string titre;
  icone_message icone = icone_message::erreur;
  bool operator==(const message_boite&) const = default;
};

// ---- Date clamp -------------------------------------------------------------

// One date as typed in its three edits.
struct triple_date {
  std::string jour;
  std::string mois;
  std::string annee;
  bool operator==(const triple_date&) const = default;
};

// The triples, always treated in this order.
enum class date_bornee : std::size_t {
  precession_reference = 0,  // the reference date of the precession page
  precession_voulue = 1,     // the wanted date of the precession page
  planetarium_helio = 2,     // the date of the heliocentric planetarium
};
inline constexpr std::size_t nombre_dates_bornees = 3;

// A triple is absent when its page is not built.
using triples_dates = std::array<std::optional<triple_date>, nombre_dates_bornees>;

enum class champ_date { jour, mois, annee };

// A field that is not an integer: the message, and where the reading stopped.
struct erreur_conversion {
  message_boite message;  // "'abc' n'est pas une valeur entière correcte.", "Erreur"
  date_bornee date;
  champ_date champ;
};

struct resultat_bornage {
  // The texts to write back, one per triple given; a triple that needed no change
  // comes back as typed, and so do the failing triple and those after it.
  triples_dates triples;
  std::optional<erreur_conversion> erreur;
};

// Limits the day to its month (1 at least), the month to 1..12 and the year to
// -4713..10000, for each triple in turn. The month length is that of the month and
// year as typed. Stops at the first text that is not an integer; the triples
// already treated keep their corrections.
resultat_bornage borner_dates(const triples_dates& saisie);

// ---- Year validation ----------------------------------------------------------

// The year fields of all the pages, in the order they are checked. Each page says
// which of its fields is which.
enum class champ_annee : std::size_t {
  ephemerides,           // the date of the "Éphémérides" page
  precession_reference,  // the reference date of the precession page
  precession_voulue,     // its wanted date
  comete_observation,    // the observation date of the "Comètes" page
  planetarium_helio,     // the date of the heliocentric planetarium
  perihelies_debut,      // first and last years of the perihelion search
  perihelies_fin,
  phenomenes_debut,  // first and last years of the planetary phenomena search
  phenomenes_fin,
  eclipses_debut,  // first and last years of the eclipse search
  eclipses_fin,
  equation_temps,  // the date of the "Equa. Temps" page
  satellites,      // the month's year of the Jovian satellites chart
  soleil_lune,     // the date of the "Soleil, Lune" page
  phases,          // the first month's year of the "Phases de la Lune" page
};
inline constexpr std::size_t nombre_champs_annee = 15;

// The texts of the year fields, indexed by champ_annee; absent when the page is not built.
using textes_annees = std::array<std::optional<std::string>, nombre_champs_annee>;

// A first year not below the last year of a search.
struct erreur_ordre {
  message_boite message;  // caption "Erreur de date !"
  champ_annee focus;      // the last year's field; its spin moves too
  long long position;     // the spin's new position: the first year + 1
};

struct resultat_annees {
  std::vector<champ_annee> focus_invalides;      // non-numeric fields, focused in this order
  std::optional<message_boite> nombre_invalide;  // then this message, once, naming the last of them
  std::optional<erreur_ordre> ordre;             // then at most one order error
};

resultat_annees valider_annees(const textes_annees& textes);

}  // namespace almanax
