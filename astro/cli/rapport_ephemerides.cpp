// `astro --rapport ephemerides`: the "Éphémérides" page for one planet, date, time
// and site, printed as its "&Copie" report with every box checked.
#include <optional>

#include "calcul/ephemerides.h"
#include "calcul/rapport.h"
#include "cli/cli.h"
#include "cli/json_lever_coucher.h"

namespace almanax::cli {

namespace {


json::valeur ou_nul(const std::optional<long double>& v) { return v ? json::valeur(*v) : json::valeur(); }



json::valeur json_textes(const resultat_ephemerides& r) {
  json::valeur t = json::valeur::nouvel_objet();
  const std::pair<const char*, const std::string*> champs[] = {
      {"lmp", &r.lmp},
      {"grand_axe", &r.grand_axe},
      {"excentricite_bis", &r.excentricite_bis},
      {"inc_ecliptique", &r.inc_ecliptique},
      {"long_noeud_ascendant", &r.long_noeud_ascendant},
      {"long_perihelie", &r.long_perihelie},
      {"ano_moy_planete", &r.ano_moy_planete},
      {"argument_perihelion", &r.argument_perihelion},
      {"l_l", &r.l_l},
      {"l_b", &r.l_b},
      {"l_alpha", &r.l_alpha},
      {"l_decli", &r.l_decli},
      {"l_r", &r.l_r},
      {"l_r_km", &r.l_r_km},
      {"l_r_terre", &r.l_r_terre},
      {"l_r_km_terre", &r.l_r_km_terre},
      {"diametre", &r.diametre},
      {"mag", &r.mag},
      {"la", &r.la},
      {"lever", &r.lever},
      {"meridien", &r.meridien},
      {"coucher", &r.coucher},
      {"time_light", &r.time_light},
  };
  for (const auto& [nom, texte] : champs) t.ajouter(nom, *texte);
  return t;
}

json::valeur json_resultat(const resultat_ephemerides& r, const site_nomme& site) {
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("planete", std::string(nom_planete(r.p)));
  j.ajouter("index_planete", static_cast<int>(r.p));
  j.ajouter("jour_julien", r.jour_julien);

  json::valeur s = json::valeur::nouvel_objet();
  s.ajouter("nom", site.nom);
  s.ajouter("latitude_deg", site.latitude);
  s.ajouter("longitude_deg", site.longitude);
  j.ajouter("site", std::move(s));

  if (r.elements) {
    json::valeur el = json::valeur::nouvel_objet();
    el.ajouter("longitude_moyenne_deg", r.elements->L);
    el.ajouter("demi_grand_axe_ua", r.elements->a);
    el.ajouter("excentricite", r.elements->e);
    el.ajouter("inclinaison_deg", r.elements->i);
    el.ajouter("noeud_ascendant_deg", r.elements->Omega);
    el.ajouter("longitude_perihelie_deg", r.elements->pi);
    el.ajouter("anomalie_moyenne_deg", r.elements->M);
    el.ajouter("argument_perihelie_deg", r.elements->omega);
    j.ajouter("elements", std::move(el));
  } else {
    j.ajouter("elements", json::valeur());
  }

  j.ajouter("longitude_heliocentrique_deg", r.longitude);
  j.ajouter("latitude_heliocentrique_deg", r.latitude);
  j.ajouter("distance_soleil_ua", r.distance_soleil);
  j.ajouter("distance_soleil_km", r.distance_soleil * km_par_ua);
  j.ajouter("ascension_droite_deg", ou_nul(r.alpha));
  j.ajouter("declinaison_deg", ou_nul(r.delta));
  j.ajouter("distance_terre_ua", ou_nul(r.distance_terre));
  j.ajouter("distance_terre_km",
            r.distance_terre ? json::valeur(*r.distance_terre * km_par_ua) : json::valeur());
  j.ajouter("distance_terre_geometrique_ua", ou_nul(r.distance_terre_geometrique));
  j.ajouter("diametre_arcsec", ou_nul(r.diametre_arcsec));
  j.ajouter("magnitude", ou_nul(r.magnitude));
  j.ajouter("fraction_illuminee", ou_nul(r.fraction_illuminee));
  j.ajouter("angle_phase_deg", ou_nul(r.angle_phase));
  j.ajouter("temps_lumiere_h", ou_nul(r.temps_lumiere_heures));
  if (r.saturne) {
    json::valeur a = json::valeur::nouvel_objet();
    a.ajouter("inclinaison_anneaux_deg", r.saturne->B * rad_deg);
    a.ajouter("delta_U_deg", r.saturne->delta_U);
    j.ajouter("anneaux", std::move(a));
  }
  if (r.declinaison_terre_jupiter) j.ajouter("declinaison_terre_jovicentrique_deg", *r.declinaison_terre_jupiter * rad_deg);

  if (r.lever_coucher) {
    const sortie_lever_coucher& lc = *r.lever_coucher;
    ajouter_lever_coucher(j, lc);
    json::valeur a = json::valeur::nouveau_tableau(), d = json::valeur::nouveau_tableau();
    for (int k = 0; k < 3; ++k) {
      a.pousser(r.position.alpha_3j[k]);
      d.pousser(r.position.delta_3j[k]);
    }
    j.ajouter("alpha_3j_deg", std::move(a));
    j.ajouter("delta_3j_deg", std::move(d));
  } else {
    j.ajouter("lever", json::valeur());
    j.ajouter("meridien", json::valeur());
    j.ajouter("coucher", json::valeur());
  }
  j.ajouter("pourcentage_phase", r.image_vide ? json::valeur() : json::valeur(r.pourcentage));
  j.ajouter("textes", json_textes(r));
  return j;
}

}  // namespace

resultat rapport_ephemerides(arguments& a) {
  std::vector<std::string> noms(noms_planetes.begin(), noms_planetes.end());
  const std::vector<std::string> choix = a.liste("planete", {"Vénus"}, noms);
  if (choix.size() != 1) throw erreur_option("Une seule planète est attendue pour --planete.");
  int index = 0;
  while (noms[index] != choix.front()) ++index;

  entree_ephemerides e;
  e.p = *planete_de_index(index);
  e.instant.date = a.date("date", aujourd_hui());
  const heure_hms h = a.heure("heure", maintenant());
  e.instant.heure = h.heure;
  e.instant.minute = h.minute;
  e.instant.seconde = h.seconde;
  const site_nomme site = a.site();
  e.site = site_courant_de(site);
  e.separateur = separateur_decimal();

  const resultat_ephemerides r = calcul_ephemerides(e);
  resultat res;
  const champs_bloc_date d = champs_bloc_date_de(e.instant);
  res.texte = copie_ephemerides(r, cases_ephemerides{}, d.jour, d.mois, d.annee, d.heure, champs_du_site(site));
  res.donnees = json_resultat(r, site);
  return res;
}

}  // namespace almanax::cli
