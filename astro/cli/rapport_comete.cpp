// `astro --rapport comete`: the "Comètes" page for a comet of the catalogue, or for
// elements given as options, at a date and time; prints the block of the page's
// report box. The report never writes: when cometes.dat is missing from the working
// directory the bundled catalogue is read as is.
#include <iostream>

#include "calcul/pages/comete.h"
#include "calcul/pages/ephemerides.h"
#include "cli/cli.h"
#include "cli/recherche_annees.h"
#include "donnees/cometes.h"
#include "donnees/dossiers.h"
#include "donnees/reglages.h"
#include "donnees/villes.h"

namespace almanax::cli {

namespace {

// The window's default comet: the settings value "Comète", else the first comet. A
// store that cannot be opened safely is said and left alone.
long long index_comete_memorise() {
  const ouverture_reglages o = ouvrir_reglages();
  if (!o.magasin) {
    std::cerr << "astro : " << o.avertissement << "\n";
    return reglages{}.comete;
  }
  return lire_reglages(*o.magasin, reglages{}).comete;
}

// "JJ/MM/AAAA.ffff" (the fraction of the day after the year) or "JJ,ffff/MM/AAAA":
// the day with its fraction, the month and the year as the page's fields hold them.
void lire_passage(const std::string& v, textes_comete& t) {
  const auto erreur = [&v] {
    return erreur_option("Date de passage au périhélie invalide pour --T : « " + v +
                         " » (attendu JJ/MM/AAAA.ffff ou JJ,ffff/MM/AAAA).");
  };
  const auto p1 = v.find('/');
  const auto p2 = p1 == std::string::npos ? p1 : v.find('/', p1 + 1);
  if (p2 == std::string::npos) throw erreur();
  std::string jour = v.substr(0, p1), annee = v.substr(p2 + 1);
  t.T_mois = v.substr(p1 + 1, p2 - p1 - 1);
  const auto fraction = annee.find_first_of(".,", 1);
  if (fraction != std::string::npos) {
    if (jour.find_first_of(".,") != std::string::npos) throw erreur();
    jour += "," + annee.substr(fraction + 1);
    annee.resize(fraction);
  }
  t.T_jour = jour;
  t.T_annee = annee;
}

const char* nom_du_champ(champ_comete c) {
  switch (c) {
    case champ_comete::jour_perihelie:
    case champ_comete::mois_perihelie:
    case champ_comete::annee_perihelie:
      return "--T";
    case champ_comete::distance_perihelie:
      return "--q";
    case champ_comete::inclinaison:
      return "--i";
    case champ_comete::excentricite:
      return "--e";
    case champ_comete::argument_perihelie:
      return "--w";
    case champ_comete::longitude_noeud:
      return "--W";
  }
  return "--e";
}

QJsonObject json_resultat(const resultat_comete& r, const echelle_temps& echelle) {
  QJsonObject j;
  j["jour_julien"] = nombre_json(r.jour_julien);
  j["jour_julien_comete"] = nombre_json(r.jour_julien_comete);
  j["observation"] = evenement_json(r.jour_julien, echelle);
  // The perihelion passage, in the time scale of the elements (Dynamical Time).
  j["perihelie"] = evenement_json(r.jour_julien_perihelie, echelle);
  j["ascension_droite_deg"] = valeur_et_texte(r.ascension_droite, r.texte_ad);
  j["declinaison_deg"] = valeur_et_texte(r.declinaison, r.texte_dec);
  j["distance_ua"] = valeur_et_texte(r.distance, r.texte_distance_ua);
  j["distance_km"] = valeur_et_texte(r.distance * km_par_ua, r.texte_distance_km);
  j["elongation_deg"] = valeur_et_texte(r.elongation, r.texte_elongation);
  j["temps_lumiere_j"] = nombre_json(r.temps_lumiere);
  j["rayon_vecteur_ua"] = nombre_json(r.rayon_vecteur);
  j["anomalie_vraie_deg"] = nombre_json(r.anomalie_vraie);
  j["geocentrique_equatorial_ua"] = QJsonArray{nombre_json(r.xi), nombre_json(r.eta), nombre_json(r.zeta)};
  return j;
}

QJsonObject elements_json(const std::string& nom, const textes_comete& t) {
  return {{"nom", chaine_json(nom)},
          {"T_annee", chaine_json(t.T_annee)},
          {"T_mois", chaine_json(t.T_mois)},
          {"T_jour", chaine_json(t.T_jour)},
          {"q", chaine_json(t.q)},
          {"e", chaine_json(t.e)},
          {"w", chaine_json(t.w)},
          {"W", chaine_json(t.W)},
          {"i", chaine_json(t.i)}};
}

}  // namespace

resultat rapport_comete(arguments& a) {
  const char* const options_elements[] = {"T", "q", "e", "i", "w", "W"};
  bool elements = false;
  for (const char* o : options_elements) elements = elements || a.present(o);
  if (elements && a.present("comete"))
    throw erreur_option("--comete et les éléments (--T, --q, --e, --i, --w, --W) s'excluent.");

  std::string nom;
  textes_comete t;
  std::optional<comete> du_catalogue;
  if (elements) {
    for (const char* o : options_elements)
      if (!a.present(o))
        throw erreur_option(std::string("Élément manquant : --") + o + " (il faut --T, --q, --e, --i, --w et --W).");
    lire_passage(a.texte("T", ""), t);
    t.q = a.texte("q", "");
    t.e = a.texte("e", "");
    t.i = a.texte("i", "");
    t.w = a.texte("w", "");
    t.W = a.texte("W", "");
    nom = a.texte("nom", "COMÈTE");
  } else {
    fichier_cometes catalogue(dossier_cometes());
    const chargement_cometes c = catalogue.charger(false);
    if (!c.erreur.empty()) std::cerr << "astro : " << c.erreur << "\n";
    const comete* choisie = nullptr;
    if (a.present("comete")) {
      const std::string cherche = a.texte("comete", "");
      for (const comete& x : catalogue.cometes())
        if (comparer_noms(x.nom, cherche) == 0) choisie = &x;
      if (!choisie) throw erreur_option("Comète inconnue dans cometes.dat : « " + cherche + " ».");
    } else {
      const auto i = index_par_defaut(index_comete_memorise(), catalogue.taille());
      if (!i)
        throw erreur_option("Aucune comète dans cometes.dat : utilisez --comete NOM ou les éléments --T, --q, ….");
      choisie = &catalogue.cometes()[*i];
    }
    nom = choisie->nom;
    t = textes_de(choisie->donnees);
    du_catalogue = *choisie;
  }
  // A refusal names the option, or for a catalogue comet the comet, its line and the element.
  const auto refuser = [&](const refus_comete& refus) {
    std::string message = refus.message;
    while (!message.empty() && message.back() == ' ') message.pop_back();
    const champ_comete c = refus.champs.front();
    std::string lieu = du_catalogue ? "comète « " + nom + " » de " + std::string(nom_fichier_cometes) + ", ligne " +
                                          std::to_string(du_catalogue->ligne) + ", élément " + libelle_champ(c)
                                    : nom_du_champ(c);
    if (!refus.detail.empty()) lieu += " : " + refus.detail;
    return erreur_option(refus.titre + " : " + message + " (" + lieu + ").");
  };
  const lecture_comete l = lire_elements_comete(t);
  if (l.refus) throw refuser(*l.refus);

  resultat res;
  res.entrees["comete"] = elements_json(nom, t);
  entree_comete e;
  e.elements = *l.elements;
  e.observation = instant_des_options(a, res.entrees);
  e.nom = nom;
  e.separateur = separateur_decimal();
  e.echelle = a.echelle();
  const resultat_comete r = calcul_comete(e);
  if (const std::optional<refus_comete> refus = refus_resultat(e, r)) throw refuser(*refus);
  res.texte = r.bloc;
  res.jde_reference = r.jour_julien;
  res.donnees = json_resultat(r, a.echelle());
  return res;
}

}  // namespace almanax::cli
