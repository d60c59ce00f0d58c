#include "calcul/rapport.h"

#include <cstdio>

#include "calcul/formats.h"

namespace almanax {

std::string ligne_rapport(std::string_view label, std::string_view valeur) {
  std::string l;
  l.reserve(label.size() + valeur.size() + 3);
  l.append(label).append("\t").append(valeur).append(crlf);
  return l;
}

std::string texte_heure(int heure, int minute, int seconde) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d:%02d:%02d", heure, minute, seconde);
  return b;
}

std::string bloc_date(std::string_view jour, long double mois, std::string_view annee, std::string_view heure) {
  std::string l = "Le ";
  l.append(jour)
      .append(" ")
      .append(nom_du_mois(mois))
      .append(" ")
      .append(annee)
      .append(" à ")
      .append(heure)
      .append(crlf);
  return l;
}

std::string bloc_site(const champs_site& s) {
  std::string l = "A " + s.nom + "\t";
  l += std::to_string(s.lat_deg) + "° " + std::to_string(s.lat_min) + "' " + std::to_string(s.lat_sec) + "\" " +
       s.lat_lettre;
  l += ", ";
  l += std::to_string(s.lon_deg) + "° " + std::to_string(s.lon_min) + "' " + std::to_string(s.lon_sec) + "\" " +
       s.lon_lettre;
  l.append(crlf).append(crlf);
  return l;
}

}  // namespace almanax
