// `astro --rapport ce-soir`: the "Ce soir" page for one evening and site, printed as its
// "&Copie" report; with --image, its chart of the altitudes through the night.
#include <QJsonArray>

#include "calcul/pages/ce_soir.h"
#include "cli/cli.h"
#include "cli/image_cli.h"
#include "cli/recherche_annees.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

namespace {

QJsonObject evenement_nuit(long double jde, const std::string& texte, const echelle_temps& echelle) {
  QJsonObject e = evenement_json(jde, echelle);
  e["texte"] = chaine_json(texte);
  return e;
}

QJsonArray evenements_nuit(const std::vector<instant_nuit>& v, const echelle_temps& echelle) {
  QJsonArray t;
  for (const instant_nuit& x : v) t.append(evenement_nuit(x.jde, x.texte, echelle));
  return t;
}

}  // namespace

resultat rapport_ce_soir(arguments& a) {
  resultat res;
  entree_ce_soir e;
  e.instant = instant_des_options(a, res.entrees, "date", "heure", aujourd_hui(), heure_hms{22, 0, 0});
  const site_nomme site = site_des_options(a, res.entrees);
  e.site = site_courant_de(site);
  e.echelle = a.echelle();
  e.separateur = separateur_decimal();
  const resultat_ce_soir r = calcul_ce_soir(e);
  ecrire_image_demandee(a, dessinateurs().ce_soir, r);

  res.texte = copie_ce_soir(r, champs_bloc_date_de(e.instant), champs_du_site(site));
  res.jde_reference = r.jde_heure;
  if (!a.json()) return res;
  res.donnees["debut"] = evenement_json(r.debut, e.echelle);
  res.donnees["fin"] = evenement_json(r.fin, e.echelle);
  static const char* const soirs[] = {"Coucher du Soleil", "Fin du crépuscule civil", "Fin du crépuscule nautique",
                                      "Fin du crépuscule astronomique"};
  static const char* const matins[] = {"Lever du Soleil", "Début du crépuscule civil", "Début du crépuscule nautique",
                                       "Début du crépuscule astronomique"};
  QJsonArray evenements;
  for (int i = 0; i < 4; ++i)
    if (const auto& s = r.soleil[i].soir) {
      QJsonObject x = evenement_nuit(s->jde, s->texte, e.echelle);
      x["genre"] = genre_json(soirs[i]);
      x["hauteur_soleil_deg"] = nombre_json(r.soleil[i].hauteur);
      evenements.append(x);
    }
  for (int i = 3; i >= 0; --i)
    if (const auto& m = r.soleil[i].matin) {
      QJsonObject x = evenement_nuit(m->jde, m->texte, e.echelle);
      x["genre"] = genre_json(matins[i]);
      x["hauteur_soleil_deg"] = nombre_json(r.soleil[i].hauteur);
      evenements.append(x);
    }
  res.donnees["evenements"] = evenements;
  res.donnees["nuit"] = chaine_json(r.nuit);
  res.donnees["lune"] = QJsonObject{{"phase", genre_json(r.phase_lune)},
                                    {"fraction_illuminee_pourcent", valeur_et_texte(r.fraction_lune, r.texte_lune)}};
  QJsonArray astres;
  for (const astre_ce_soir& x : r.astres) {
    QJsonArray observable;
    for (const intervalle_nuit& i : x.observable)
      observable.append(
          QJsonObject{{"debut", evenement_json(i.debut, e.echelle)}, {"fin", evenement_json(i.fin, e.echelle)}});
    astres.append(QJsonObject{
        {"corps", genre_json(nom_corps_ce_soir(x.corps))},
        {"levers", evenements_nuit(x.levers, e.echelle)},
        {"meridiens", evenements_nuit(x.passages, e.echelle)},
        {"couchers", evenements_nuit(x.couchers, e.echelle)},
        {"hauteur_passage_deg", valeur_et_texte(x.hauteur_passage, x.textes.hauteur_passage)},
        {"observable", observable},
        {"magnitude", valeur_et_texte(x.magnitude, x.textes.magnitude)},
        {"hauteur_deg", valeur_et_texte(x.a_l_heure.altitude, x.textes.hauteur)},
        {"azimut_deg", valeur_et_texte(x.a_l_heure.azimut, x.textes.azimut)},
    });
  }
  res.donnees["astres"] = astres;
  return res;
}

}  // namespace almanax::cli
