#include "calcul/heures_des_listes.h"

namespace almanax {

valeurs_evenement date_affichee(long double jde, const echelle_temps& echelle) {
  return date_evenement(echelle.vers_civil(jde));
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
