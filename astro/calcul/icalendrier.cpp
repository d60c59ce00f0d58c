#include "calcul/icalendrier.h"

#include <cmath>
#include <cstdio>

#include "calcul/date_evenement.h"
#include "calcul/temps_civil.h"

namespace almanax {

namespace {

constexpr std::size_t octets_par_ligne = 75;

// "20260103T100312Z": the UTC instant of a TT Julian day, to the second.
std::string date_heure_utc(long double jde, const std::string& nom) {
  const long double tu = tu_de_tt(jde);
  if (!std::isfinite(tu)) throw erreur_calendrier("Instant non valide pour l'événement " + nom + ".");
  // Whole seconds first, so that 23:59:59.6 carries into the next day.
  const long double secondes = std::round((tu - 0.5L - std::floor(tu - 0.5L)) * 86400.0L);
  long double z = std::floor(tu - 0.5L) + 0.5L;
  long long s = static_cast<long long>(secondes);
  if (s >= 86400) {
    s -= 86400;
    z += 1;
  }
  const jour_du_calendrier j = calendrier_du_jour(z + 0.5L);
  if (j.annee < premiere_annee_calendrier || j.annee > derniere_annee_calendrier)
    throw erreur_calendrier("L'événement " + nom + " tombe en " + std::to_string(j.annee) +
                            " : un calendrier iCalendar ne prend que les années 1583 à 9999 (calendrier "
                            "grégorien). Choisissez des années dans cet intervalle.");
  char b[64];
  std::snprintf(b, sizeof b, "%04lld%02d%02dT%02lld%02lld%02lldZ", j.annee, j.mois, j.jour, s / 3600, s / 60 % 60,
                s % 60);
  return b;
}

std::string date_seule(const evenement_calendrier::jour& j, const std::string& nom) {
  if (j.annee < premiere_annee_calendrier || j.annee > derniere_annee_calendrier)
    throw erreur_calendrier("L'événement " + nom + " tombe en " + std::to_string(j.annee) +
                            " : un calendrier iCalendar ne prend que les années 1583 à 9999 (calendrier "
                            "grégorien). Choisissez des années dans cet intervalle.");
  char b[48];
  std::snprintf(b, sizeof b, "%04lld%02d%02d", j.annee, j.mois, j.jour);
  return b;
}

std::string horodatage(long long secondes_unix) {
  const long double jd = 2440587.5L + secondes_unix / 86400.0L;
  const long long s = ((secondes_unix % 86400) + 86400) % 86400;
  const jour_du_calendrier j = calendrier_du_jour(std::floor(jd + 0.5L));
  char b[64];
  std::snprintf(b, sizeof b, "%04lld%02d%02dT%02lld%02lld%02lldZ", j.annee, j.mois, j.jour, s / 3600, s / 60 % 60,
                s % 60);
  return b;
}

}  // namespace

std::string echapper_texte_ics(std::string_view texte) {
  std::string r;
  r.reserve(texte.size() + 8);
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const char c = texte[i];
    switch (c) {
      case '\\':
        r += "\\\\";
        break;
      case ';':
        r += "\\;";
        break;
      case ',':
        r += "\\,";
        break;
      case '\r':
        if (i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        r += "\\n";
        break;
      case '\n':
        r += "\\n";
        break;
      case '\t':
        r += ' ';  // a tab between a label and its value reads as a space in a calendar
        break;
      default:
        // Other control characters are not allowed in a TEXT value.
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) r += c;
    }
  }
  return r;
}

std::string plier_ligne_ics(std::string_view ligne) {
  std::string r;
  r.reserve(ligne.size() + ligne.size() / 70 * 3 + 2);
  std::size_t limite = octets_par_ligne;  // the first line; the next ones start with a space
  while (ligne.size() > limite) {
    std::size_t coupe = limite;
    // Never inside a UTF-8 character: back to the start of the one that straddles.
    while (coupe > 0 && (static_cast<unsigned char>(ligne[coupe]) & 0xC0) == 0x80) --coupe;
    r.append(ligne.substr(0, coupe)).append("\r\n ");
    ligne.remove_prefix(coupe);
    limite = octets_par_ligne - 1;
  }
  r.append(ligne).append("\r\n");
  return r;
}

std::string calendrier_ics(const std::vector<evenement_calendrier>& evenements, long long dtstamp) {
  std::string r;
  r.reserve(200 + evenements.size() * 360);
  r += "BEGIN:VCALENDAR\r\n"
       "VERSION:2.0\r\n"
       "PRODID:-//Quillory//Almanax 2.0//FR\r\n"
       "CALSCALE:GREGORIAN\r\n"
       "METHOD:PUBLISH\r\n";
  const std::string stamp = horodatage(dtstamp);
  for (const evenement_calendrier& e : evenements) {
    const std::string nom = "« " + e.resume + " »";
    r += "BEGIN:VEVENT\r\n";
    r += plier_ligne_ics("UID:" + e.uid + "@almanax.quillory.fr");
    r += "DTSTAMP:" + stamp + "\r\n";
    if (e.jour_entier) {
      r += "DTSTART;VALUE=DATE:" + date_seule(*e.jour_entier, nom) + "\r\n";
    } else {
      const std::string debut = date_heure_utc(e.jde_debut, nom);
      r += "DTSTART:" + debut + "\r\n";
      r += "DTEND:" + (e.jde_fin > e.jde_debut ? date_heure_utc(e.jde_fin, nom) : debut) + "\r\n";
      r += "TRANSP:TRANSPARENT\r\n";  // an instant in the sky does not make the user busy
    }
    r += plier_ligne_ics("SUMMARY:" + echapper_texte_ics(e.resume));
    if (!e.description.empty()) r += plier_ligne_ics("DESCRIPTION:" + echapper_texte_ics(e.description));
    if (!e.categorie.empty()) r += plier_ligne_ics("CATEGORIES:" + echapper_texte_ics(e.categorie));
    r += "END:VEVENT\r\n";
  }
  r += "END:VCALENDAR\r\n";
  return r;
}

}  // namespace almanax
