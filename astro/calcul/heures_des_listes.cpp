#include "calcul/heures_des_listes.h"

namespace almanax {

instant_affiche afficher_instant(long double jde, const echelle_temps& echelle) {
  const fuseau_horaire* f = echelle.fuseau();
  if (!f) return {date_evenement(jde), 0};
  // As echelle_temps::vers_civil and decalage_a, with one reading of the zone.
  const long double tu = tu_de_tt(jde);
  const int decalage = f->decalage_s(tu);
  return {date_evenement(tu + decalage / 86400.0L), decalage};
}

std::string marque_decalage(std::optional<int> precedent, int decalage) {
  if (!precedent || *precedent == decalage) return {};
  return "(" + texte_decalage(decalage) + ")";
}

std::string avec_marque(std::string texte, std::string_view marque) {
  if (!marque.empty()) texte.append(" ").append(marque);
  return texte;
}

std::string titre_avec_mention(std::string_view titre, std::string_view mention) {
  if (mention.empty()) return std::string(titre);
  while (!titre.empty() && titre.back() == ' ') titre.remove_suffix(1);
  return std::string(titre) + " (" + std::string(mention) + ")";
}

std::string suite_decalages::marque(int decalage) {
  if (!legale_) return {};
  std::string m = une_ligne_ ? marque_decalage(precedent_, decalage) : std::string();
  if (!une_ligne_) premier_ = decalage;
  une_ligne_ = true;
  precedent_ = decalage;
  return m;
}

std::string suite_decalages::mention() const {
  return legale_ && une_ligne_ ? mention_heure_legale(premier_) : std::string();
}

marques_liste marquer_decalages(const std::vector<int>& decalages) {
  marques_liste m;
  if (decalages.empty()) return m;
  suite_decalages suite(true);
  m.marques.reserve(decalages.size());
  for (int d : decalages) m.marques.push_back(suite.marque(d));
  m.mention = suite.mention();
  return m;
}

}  // namespace almanax
