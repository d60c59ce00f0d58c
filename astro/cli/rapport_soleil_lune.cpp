// `astro --rapport soleil-lune`: the "Soleil, Lune" page for one date, time and site,
// printed as its "&Copie" report with every box checked.

#include "calcul/rapport.h"
#include "calcul/soleil_lune.h"
#include "cli/cli.h"
#include "cli/json_lever_coucher.h"

namespace almanax::cli {

namespace {




// A raw number with the text the page shows for it.
json::valeur nombre_et_texte(long double valeur, const std::string& texte) {
  json::valeur v = json::valeur::nouvel_objet();
  v.ajouter("valeur", valeur);
  v.ajouter("texte", texte);
  return v;
}

json::valeur json_trois_jours(const std::array<long double, 3>& x) {
  json::valeur t = json::valeur::nouveau_tableau();
  for (long double v : x) t.pousser(v);
  return t;
}


json::valeur json_soleil(const ephemeride_soleil& s) {
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("longitude_geometrique_deg", nombre_et_texte(s.longitude_geometrique, s.long_g_sol));
  j.ajouter("longitude_apparente_deg", nombre_et_texte(s.longitude_apparente, s.long_a_sol));
  j.ajouter("latitude_apparente_arcsec", nombre_et_texte(s.position.latitude_apparente, s.lat_a_sol));
  j.ajouter("ascension_droite_deg", nombre_et_texte(s.position.alpha, s.asc_a_sol));
  j.ajouter("declinaison_deg", nombre_et_texte(s.position.delta, s.dec_a_sol));
  j.ajouter("distance_ua", nombre_et_texte(s.position.distance, s.dist_t_sol));
  j.ajouter("nutation_longitude_deg", s.position.delta_psi);
  j.ajouter("obliquite_vraie_deg", s.position.epsilon);
  ajouter_lever_coucher(j, s.lever_coucher);
  j.ajouter("alpha_3j_deg", json_trois_jours(s.alpha_3j));
  j.ajouter("delta_3j_deg", json_trois_jours(s.delta_3j));
  return j;
}

json::valeur json_lune(const ephemeride_lune& l) {
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("longitude_deg", nombre_et_texte(l.lambda, l.long_lune));
  j.ajouter("latitude_deg", nombre_et_texte(l.beta, l.lat_lune));
  j.ajouter("ascension_droite_deg", nombre_et_texte(l.alpha, l.asc_lune));
  j.ajouter("declinaison_deg", nombre_et_texte(l.delta, l.dec_lune));
  j.ajouter("distance_km", nombre_et_texte(l.distance, l.dist_lune));
  j.ajouter("parallaxe_deg", nombre_et_texte(l.parallaxe, l.par_lune));
  j.ajouter("fraction_illuminee_pourcent", nombre_et_texte(l.phase.fraction, l.ill_lune));
  j.ajouter("diametre_apparent_deg", nombre_et_texte(l.diametre, l.dia_lune));
  ajouter_lever_coucher(j, l.lever_coucher);

  json::valeur g = json::valeur::nouvel_objet();
  g.ajouter("longitude_deg", l.geocentrique.lambda);
  g.ajouter("latitude_deg", l.geocentrique.beta);
  g.ajouter("distance_km", l.geocentrique.distance);
  g.ajouter("parallaxe_deg", l.geocentrique.parallaxe);
  g.ajouter("somme_l", l.geocentrique.somme_l);
  g.ajouter("somme_r", l.geocentrique.somme_r);
  g.ajouter("somme_b", l.geocentrique.somme_b);
  j.ajouter("geocentrique_equinoxe_moyen", std::move(g));
  j.ajouter("nutation_longitude_deg", l.delta_psi);
  j.ajouter("obliquite_vraie_deg", l.epsilon);

  json::valeur p = json::valeur::nouvel_objet();
  p.ajouter("elongation_deg", l.phase.elongation);
  p.ajouter("angle_de_phase_deg", l.phase.angle_de_phase);
  p.ajouter("fraction_arrondie", l.fraction_arrondie);
  p.ajouter("croissante", l.croissante);
  j.ajouter("phase", std::move(p));
  j.ajouter("hauteur_h0_deg", l.hauteur_h0);
  j.ajouter("alpha_3j_deg", json_trois_jours(l.alpha_3j));
  j.ajouter("delta_3j_deg", json_trois_jours(l.delta_3j));
  return j;
}

}  // namespace

resultat rapport_soleil_lune(arguments& a) {
  instant_saisi instant;
  instant.date = a.date("date", aujourd_hui());
  const heure_hms h = a.heure("heure", maintenant());
  instant.heure = h.heure;
  instant.minute = h.minute;
  instant.seconde = h.seconde;
  const site_nomme site = a.site();

  const resultat_soleil_lune r = calcul_soleil_lune(instant, site_courant_de(site), separateur_decimal());

  resultat res;
  res.texte = copie_soleil_lune(r, cases_soleil_lune{}, champs_bloc_date_de(instant), champs_du_site(site));

  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("jour_julien", r.jour_julien);
  json::valeur s = json::valeur::nouvel_objet();
  s.ajouter("nom", site.nom);
  s.ajouter("latitude_deg", site.latitude);
  s.ajouter("longitude_deg", site.longitude);
  j.ajouter("site", std::move(s));
  j.ajouter("soleil", json_soleil(r.soleil));
  j.ajouter("lune", json_lune(r.lune));
  res.donnees = std::move(j);
  return res;
}

}  // namespace almanax::cli
