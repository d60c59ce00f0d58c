// Solar and lunar eclipses of a span of years, from the mean lunations: each new moon
// (solar) or full moon (lunar) is tested with the Moon's argument of latitude and the
// quantities gamma and u; the "Eclipses" page shows the result as text, which
// accumulates in its box from one search to the next.
// Source: J. Meeus, Astronomical Algorithms, 1st ed. (Willmann-Bell, 1991), the chapter on eclipses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/date_evenement.h"
#include "calcul/recherche.h"
#include "calcul/temps_civil.h"

namespace almanax {

// The body eclipsed: the Sun (at new moon) or the Moon (at full moon).
enum class astre_eclipse { soleil, lune };

enum class genre_eclipse_solaire {
  totale_centrale,
  annulaire_centrale,
  annulaire_totale_centrale,  // the vertex of the shadow cone crosses the Earth's surface
  annulaire_partielle_centrale,
  partielle_non_centrale,
};

enum class genre_eclipse_lunaire { penombre, partielle, totale };

// Kind of a solar eclipse from gamma and u (the eclipse test already passed). Central
// when |gamma| < 1.005, partial and non-central above.
genre_eclipse_solaire genre_solaire(long double gamma, long double u);

// Radius of the shadow cone's vertex region that decides between an annular-total and
// an annular eclipse: 0.00464 sqrt(1 - gamma^2), and 0 where |gamma| >= 1 (the axis
// then misses the Earth, and the limit of the formula at |gamma| = 1 is 0).
long double omega_eclipse(long double gamma);

// One eclipse found.
struct eclipse_trouvee {
  astre_eclipse type = astre_eclipse::lune;
  long double k = 0;       // lunation number (+0.5 for a full moon)
  long double jde = 0;     // instant of maximum, JDE
  valeurs_evenement date;  // of the maximum as shown: on the zone's clock in civil time
  int decalage = 0;        // civil time: the zone's offset from UTC at the maximum, seconds
  long double gamma = 0, u = 0;
  // Solar.
  genre_eclipse_solaire genre_soleil = genre_eclipse_solaire::partielle_non_centrale;
  long double rayon_penombre = 0;  // u + 0.5461, Earth radii
  long double magnitude = 0;       // partial non-central eclipses only
  // Lunar.
  genre_eclipse_lunaire genre_lune = genre_eclipse_lunaire::penombre;
  long double magnitude_penombre = 0, magnitude_ombre = 0;
  long double demi_duree_penombre = 0, demi_duree_partielle = 0, demi_duree_totale = 0;  // minutes, 0 if none
  std::string texte;  // the lines the page appends for it
};

struct resultat_eclipses {
  std::vector<eclipse_trouvee> eclipses;
  std::string texte;         // everything the search appends to the box
  long long candidats = 0;   // lunations in the span
  bool interrompue = false;  // stopped by the caller before its end
};

// The eclipses whose maximum, as the date line shows it, falls in the years
// `premiere` .. `derniere` (astronomical years), in time order; nothing when
// derniere < premiere. boite_vide says whether the page's
// box is empty before the search: only the first line written into an empty box has
// a single blank before "à". Decimal numbers are written with `separateur`.
resultat_eclipses recherche_eclipses(long long premiere, long long derniere, astre_eclipse type, bool boite_vide = true,
                                     std::string_view separateur = ",", const suivi_recherche& suivi = {});

// The page's box before a search: empty or not, and in civil time the offset of the last
// eclipse it shows, which the first one found is compared with.
struct boite_eclipses {
  bool vide = true;
  std::optional<int> dernier_decalage;
};

// The same search with its times on the clock of `echelle`: the date line and the
// contacts in civil time, and a date line whose offset differs from the previous
// eclipse's ends with its own ("(UTC+2)"). The years are still those of the maxima as
// computed (TT): in civil time an eclipse in the last hours of 31 December can show as
// 1 January of the next year.
resultat_eclipses recherche_eclipses(long long premiere, long long derniere, astre_eclipse type,
                                     const boite_eclipses& boite, std::string_view separateur,
                                     const echelle_temps& echelle, const suivi_recherche& suivi = {});

// The text of eclipses already found, written again on the clock of `echelle` (dates,
// contacts, offsets and each one's text), as one search into an empty box writes it.
std::string reecrire_eclipses(std::vector<eclipse_trouvee>& eclipses, std::string_view separateur,
                              const echelle_temps& echelle);

// The page's copy of its box: "Eclipses ", an empty line and the box's text; nothing
// when the box is empty. In civil time the title names the first eclipse's clock
// (`mention`, "heure légale, UTC+1").
std::string copie_eclipses(std::string_view texte_boite);
std::string copie_eclipses(std::string_view texte_boite, std::string_view mention);

}  // namespace almanax
