// `astro --rapport precession`: the "Préc. des Equinoxes" page for one star from a
// reference equinox to a date; prints the block of the page's report box.
#include <cmath>

#include "calcul/pages/precessions.h"
#include "calcul/validation.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"
#include "cli/sortie_json.h"

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
  // The page's own starting coordinates by default: 0 h and 0°.
  const trois_champs ad = lire_trois_champs("ad", a.texte("ad", "0:00:00"), 23, false, "HH:MM:SS.s");
  const trois_champs dec = lire_trois_champs("dec", a.texte("dec", "+0:00:00"), 89, true, "±DD:MM:SS.s");

  resultat res;
  entree_precession e;
  e.reference = instant_des_options(a, res.entrees, "equinoxe", "heure-equinoxe", {1, 1, 2000}, {12, 0, 0});
  e.voulue = instant_des_options(a, res.entrees, "date", "heure", aujourd_hui(), {0, 0, 0});
  e.ad_heures = ad.entier;
  e.ad_minutes = ad.minutes;
  e.ad_secondes = ad.secondes;
  e.declinaison = {dec.negatif, dec.entier, dec.minutes, dec.secondes};
  e.mpa = a.reel("mpa", 0, -59, 59);
  e.mpd = a.reel("mpd", 0, -59, 59);
  e.echelle = a.echelle();
  res.entrees["ad_deg"] = nombre_json(15 * (e.ad_heures + e.ad_minutes / 60.0L + e.ad_secondes / 3600));
  res.entrees["dec_deg"] = nombre_json(e.declinaison.valeur());
  res.entrees["mpa_s_par_an"] = nombre_json(e.mpa);
  res.entrees["mpd_arcsec_par_an"] = nombre_json(e.mpd);

  const resultat_precession r = calcul_precession(e);
  res.texte = r.bloc;
  res.jde_reference = r.jour_julien_voulu;
  QJsonObject& j = res.donnees;
  j["jour_julien_reference"] = nombre_json(r.jour_julien_reference);
  j["jour_julien"] = nombre_json(r.jour_julien_voulu);
  j["instant"] = evenement_json(r.jour_julien_voulu, a.echelle());
  j["T_siecles"] = nombre_json(r.T);
  j["t_siecles"] = nombre_json(r.t);
  j["zeta_arcsec"] = nombre_json(r.angles.zeta);
  j["z_arcsec"] = nombre_json(r.angles.z);
  j["theta_arcsec"] = nombre_json(r.angles.theta);
  j["ascension_droite_deg"] = valeur_et_texte(r.ascension_droite, r.texte_ad);
  j["declinaison_deg"] = valeur_et_texte(r.declinaison, r.texte_dec);
  return res;
}

}  // namespace almanax::cli
