#include "calcul/pages/calendrier_evenements.h"

#include <cmath>

#include "calcul/numerique.h"
#include "calcul/rapport.h"

namespace almanax {

namespace {

// An event's number as a whole number of its step (a quarter lunation, half a passage),
// for the UIDs: exact, and the same in every run.
std::string numero(long double k, int pas_par_unite) {
  return std::to_string(static_cast<long long>(std::llround(k * pas_par_unite)));
}

evenement_calendrier instant(std::string uid, std::string resume, std::string description, std::string categorie,
                             long double jde) {
  evenement_calendrier e;
  e.uid = std::move(uid);
  e.resume = std::move(resume);
  e.description = std::move(description);
  e.categorie = std::move(categorie);
  e.jde_debut = e.jde_fin = jde;
  return e;
}

bool voyelle(std::string_view mot) {
  for (std::string_view v : {"A", "E", "I", "O", "U", "É", "Y"})
    if (mot.starts_with(v)) return true;
  return false;
}

const char* nom_eclipse(const eclipse_trouvee& e) {
  if (e.type == astre_eclipse::lune) {
    switch (e.genre_lune) {
      case genre_eclipse_lunaire::penombre:
        return "Éclipse de Lune par la pénombre";
      case genre_eclipse_lunaire::partielle:
        return "Éclipse de Lune partielle";
      case genre_eclipse_lunaire::totale:
        return "Éclipse de Lune totale";
    }
  }
  switch (e.genre_soleil) {
    case genre_eclipse_solaire::totale_centrale:
      return "Éclipse de Soleil totale";
    case genre_eclipse_solaire::annulaire_centrale:
      return "Éclipse de Soleil annulaire";
    case genre_eclipse_solaire::annulaire_totale_centrale:
      return "Éclipse de Soleil annulaire-totale";
    case genre_eclipse_solaire::annulaire_partielle_centrale:
      return "Éclipse de Soleil annulaire partielle";
    case genre_eclipse_solaire::partielle_non_centrale:
      break;
  }
  return "Éclipse de Soleil partielle";
}

// The page's lines for an event, the leading blank of each taken off.
std::string sans_blanc_de_tete(std::string_view texte) {
  std::string r;
  bool debut = true;
  for (const char c : texte) {
    if (debut && c == ' ') continue;
    debut = c == '\n';
    r += c;
  }
  while (!r.empty() && (r.back() == '\n' || r.back() == '\r' || r.back() == ' ')) r.pop_back();
  return r;
}

}  // namespace

std::string evenement_de(std::string_view evenement, std::string_view planete) {
  std::string r(evenement);
  if (planete == "Terre") return r + " de la Terre";
  return r + (voyelle(planete) ? " d'" : " de ") + std::string(planete);
}

std::vector<evenement_calendrier> calendrier_phases(const std::vector<const phase_trouvee*>& phases) {
  std::vector<evenement_calendrier> r;
  r.reserve(phases.size());
  for (const phase_trouvee* p : phases)
    r.push_back(instant("lune-phase-" + numero(p->k, 4), std::string(nom_de_la_phase(p->phase)),
                        "Le " + p->ligne.colonnes.at(0) + " à " + p->ligne.colonnes.at(1), "Phases de la Lune",
                        p->jde));
  return r;
}

std::vector<evenement_calendrier> calendrier_perigees(const std::vector<passage_trouve>& passages) {
  std::vector<evenement_calendrier> r;
  r.reserve(passages.size());
  for (const passage_trouve& p : passages) {
    const bool perigee = p.genre == passage_lunaire::perigee;
    const auto& c = p.ligne.colonnes;
    r.push_back(instant(std::string(perigee ? "lune-perigee-" : "lune-apogee-") + numero(p.k, 2),
                        p.ligne.libelle + " de la Lune",
                        "Le " + c.at(0) + " à " + c.at(1) + "\nParallaxe : " + c.at(2) + "\nDistance : " + c.at(3),
                        "Périgées et apogées", p.jde));
  }
  return r;
}

std::vector<evenement_calendrier> calendrier_eclipses(const std::vector<eclipse_trouvee>& eclipses) {
  std::vector<evenement_calendrier> r;
  r.reserve(eclipses.size());
  for (const eclipse_trouvee& e : eclipses) {
    const bool lune = e.type == astre_eclipse::lune;
    evenement_calendrier c = instant(std::string(lune ? "eclipse-lune-" : "eclipse-soleil-") + numero(e.k, 2),
                                     nom_eclipse(e), sans_blanc_de_tete(e.texte), "Eclipses", e.jde);
    if (lune && e.demi_duree_penombre > 0) {
      c.jde_debut = e.jde - e.demi_duree_penombre / 1440.0L;
      c.jde_fin = e.jde + e.demi_duree_penombre / 1440.0L;
    }
    r.push_back(std::move(c));
  }
  return r;
}

std::vector<evenement_calendrier> calendrier_phenomenes(const std::vector<phenomene_trouve>& phenomenes) {
  std::vector<evenement_calendrier> r;
  r.reserve(phenomenes.size());
  for (const phenomene_trouve& p : phenomenes)
    r.push_back(instant("phenomene-" + std::to_string(static_cast<int>(p.planete)) + "-" +
                            std::to_string(static_cast<int>(p.genre)) + "-" + std::to_string(p.k),
                        evenement_de(p.phenomene, p.nom_planete),
                        sans_blanc_de_tete(p.phenomene + " de " + p.nom_planete + " le" + p.date),
                        "Phénomènes planétaires", p.jde));
  return r;
}

std::vector<evenement_calendrier> calendrier_perihelies(const std::vector<passage_perihelie>& passages) {
  std::vector<evenement_calendrier> r;
  r.reserve(passages.size());
  for (const passage_perihelie& p : passages)
    r.push_back(instant(std::string(p.aphelie ? "aphelie-" : "perihelie-") +
                            std::to_string(static_cast<int>(p.planete)) + "-" + numero(p.k, 2),
                        evenement_de(p.passage, p.nom_planete),
                        sans_blanc_de_tete("Le" + p.date) + "\nDistance au Soleil : " + p.texte_rayon + " UA",
                        "Périhélies et aphélies", p.jde));
  return r;
}

std::vector<evenement_calendrier> calendrier_dates(const resultat_dates& r) {
  static const char* const saisons[] = {"Équinoxe de printemps", "Solstice d'été", "Équinoxe d'automne",
                                        "Solstice d'hiver"};
  std::vector<evenement_calendrier> e;
  const long long annee = annee_astronomique(r.annee);
  for (int s = 0; s < 4; ++s)
    e.push_back(instant("saison-" + std::to_string(r.annee_saisons) + "-" + std::to_string(s), saisons[s],
                        sans_blanc_de_tete(std::string(saisons[s]) + " " + r.saisons[s].texte), "Dates",
                        r.saisons[s].jde));
  evenement_calendrier paques;
  paques.uid = "paques-" + std::to_string(annee);
  paques.resume = "Pâques";
  paques.description = "Dimanche de Pâques " + r.texte_paques;
  paques.categorie = "Dates";
  paques.jour_entier = evenement_calendrier::jour{annee, r.paques_mois, r.paques_jour};
  e.push_back(std::move(paques));
  return e;
}

}  // namespace almanax
