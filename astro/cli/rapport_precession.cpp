// `astro --rapport precession`: the "Préc. des Equinoxes" page for one star from a
// reference equinox to a date; prints the block of the page's report box.
#include <cmath>

#include "calcul/precessions.h"
#include "calcul/validation.h"
#include "cli/cli.h"

namespace almanax::cli {

namespace {

// "HH:MM:SS.s" (hours) or "±DD:MM:SS.s" (degrees): the whole part, minutes and seconds
// as the page's three fields hold them; the sign of the declination is kept apart.
struct trois_champs {
  bool negatif = false;
  int entier = 0, minutes = 0;
  long double secondes = 0;
};

trois_champs lire_trois_champs(const std::string& nom, const std::string& v, int maximum, bool signe,
                               const char* forme) {
  const auto erreur = [&] {
    return erreur_option("Valeur invalide pour --" + nom + " : « " + v + " » (attendu " + forme + ", de 0 à " +
                         std::to_string(maximum) + " pour le premier champ, minutes et secondes de 0 à 59).");
  };
  std::string s = v;
  trois_champs r;
  if (signe && !s.empty() && (s[0] == '-' || s[0] == '+')) {
    r.negatif = s[0] == '-';
    s.erase(0, 1);
  }
  const auto p1 = s.find(':');
  const auto p2 = p1 == std::string::npos ? p1 : s.find(':', p1 + 1);
  if (p2 == std::string::npos || s.empty() || s[0] == '-' || s[0] == '+') throw erreur();
  const std::optional<int> e = entier_du_texte(s.substr(0, p1));
  const std::optional<int> m = entier_du_texte(s.substr(p1 + 1, p2 - p1 - 1));
  const std::optional<long double> sec = reel_du_texte(s.substr(p2 + 1));
  if (!e || !m || !sec || *e < 0 || *e > maximum || *m < 0 || *m > 59 || !(*sec >= 0 && *sec < 60)) throw erreur();
  r.entier = *e;
  r.minutes = *m;
  r.secondes = *sec;
  return r;
}

}  // namespace

resultat rapport_precession(arguments& a) {
  if (!a.present("ad") || !a.present("dec"))
    throw erreur_option("--ad et --dec sont attendus : les coordonnées à l'équinoxe de référence.");
  const trois_champs ad = lire_trois_champs("ad", a.texte("ad", ""), 23, false, "HH:MM:SS.s");
  const trois_champs dec = lire_trois_champs("dec", a.texte("dec", ""), 89, true, "±DD:MM:SS.s");

  entree_precession e;
  e.reference.date = a.date("equinoxe", {1, 1, 2000});
  const heure_hms h1 = a.heure("heure-equinoxe", {12, 0, 0});
  e.reference.heure = h1.heure;
  e.reference.minute = h1.minute;
  e.reference.seconde = h1.seconde;
  e.voulue.date = a.date("date", aujourd_hui());
  const heure_hms h2 = a.heure("heure", {0, 0, 0});
  e.voulue.heure = h2.heure;
  e.voulue.minute = h2.minute;
  e.voulue.seconde = h2.seconde;
  e.ad_heures = ad.entier;
  e.ad_minutes = ad.minutes;
  e.ad_secondes = ad.secondes;
  e.declinaison = {dec.negatif, dec.entier, dec.minutes, dec.secondes};
  e.mpa = a.reel("mpa", 0, -59, 59);
  e.mpd = a.reel("mpd", 0, -59, 59);

  const resultat_precession r = calcul_precession(e);
  resultat res;
  res.texte = r.bloc;
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("jour_julien_reference", r.jour_julien_reference);
  j.ajouter("jour_julien", r.jour_julien_voulu);
  j.ajouter("T_siecles", r.T);
  j.ajouter("t_siecles", r.t);
  j.ajouter("zeta_arcsec", r.angles.zeta);
  j.ajouter("z_arcsec", r.angles.z);
  j.ajouter("theta_arcsec", r.angles.theta);
  j.ajouter("ascension_droite_initiale_deg",
            15 * (e.ad_heures + e.ad_minutes / 60.0L + e.ad_secondes / 3600));
  j.ajouter("declinaison_initiale_deg", e.declinaison.valeur());
  j.ajouter("ascension_droite_deg", r.ascension_droite);
  j.ajouter("declinaison_deg", r.declinaison);
  json::valeur t = json::valeur::nouvel_objet();
  t.ajouter("ascension_droite", r.texte_ad);
  t.ajouter("declinaison", r.texte_dec);
  j.ajouter("textes", std::move(t));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
