// `astro --rapport comete`: the "Comètes" page for a comet of the catalogue, or for
// elements given as options, at a date and time; prints the block of the page's
// report box. The command line never writes: when cometes.dat is missing from the
// working directory the bundled catalogue is read as is.
#include <QDir>
#include <QSettings>
#include <iostream>

#include "calcul/comete.h"
#include "cli/cli.h"
#include "donnees/cometes.h"
#include "donnees/villes.h"

namespace almanax::cli {

namespace {

// The window's default comet: the settings value "Comète", else the first comet.
long long index_comete_memorise() {
  const QSettings reglages(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
  bool ok = false;
  const long long i = reglages.value(QStringLiteral("Comète")).toLongLong(&ok);
  return ok ? i : 0;
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
    case champ_comete::tcomjour:
    case champ_comete::tcommois:
    case champ_comete::tcoman: return "--T";
    case champ_comete::eqcom: return "--q";
    case champ_comete::eicom: return "--i";
    case champ_comete::eecom: return "--e";
    case champ_comete::eomcom: return "--w";
    case champ_comete::eom1com: return "--W";
  }
  return "--e";
}

json::valeur json_resultat(const resultat_comete& r, const std::string& nom, const textes_comete& t) {
  json::valeur j = json::valeur::nouvel_objet();
  j.ajouter("nom", nom);
  j.ajouter("jour_julien", r.jour_julien);
  j.ajouter("jour_julien_comete", r.jour_julien_comete);
  j.ajouter("jour_julien_perihelie", r.jour_julien_perihelie);
  j.ajouter("ascension_droite_deg", r.ascension_droite);
  j.ajouter("declinaison_deg", r.declinaison);
  j.ajouter("distance_ua", r.distance);
  j.ajouter("distance_km", r.distance * 149565800.0L);
  j.ajouter("temps_lumiere_j", r.temps_lumiere);
  j.ajouter("rayon_vecteur_ua", r.rayon_vecteur);
  j.ajouter("anomalie_vraie_deg", r.anomalie_vraie);
  j.ajouter("elongation_deg", r.elongation);
  json::valeur x = json::valeur::nouveau_tableau();
  for (long double v : {r.xi, r.eta, r.zeta}) x.pousser(v);
  j.ajouter("geocentrique_equatorial_ua", std::move(x));
  json::valeur el = json::valeur::nouvel_objet();
  el.ajouter("T_annee", t.T_annee);
  el.ajouter("T_mois", t.T_mois);
  el.ajouter("T_jour", t.T_jour);
  el.ajouter("q", t.q);
  el.ajouter("e", t.e);
  el.ajouter("w", t.w);
  el.ajouter("W", t.W);
  el.ajouter("i", t.i);
  j.ajouter("elements", std::move(el));
  json::valeur tx = json::valeur::nouvel_objet();
  tx.ajouter("date", r.ligne_date);
  tx.ajouter("ascension_droite", r.texte_ad);
  tx.ajouter("declinaison", r.texte_dec);
  tx.ajouter("distance_ua", r.texte_distance_ua);
  tx.ajouter("distance_km", r.texte_distance_km);
  tx.ajouter("elongation", r.texte_elongation);
  j.ajouter("textes", std::move(tx));
  return j;
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
    fichier_cometes catalogue(QDir::currentPath());
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
      if (!i) throw erreur_option("Aucune comète dans cometes.dat : utilisez --comete NOM ou les éléments --T, --q, ….");
      choisie = &catalogue.cometes()[*i];
    }
    nom = choisie->nom;
    t = textes_de(choisie->donnees);
  }
  const lecture_comete l = lire_elements_comete(t);
  if (l.refus)
    throw erreur_option(l.refus->message + " (" + nom_du_champ(l.refus->champs.front()) + ")");

  entree_comete e;
  e.elements = *l.elements;
  e.observation.date = a.date("date", aujourd_hui());
  const heure_hms h = a.heure("heure", maintenant());
  e.observation.heure = h.heure;
  e.observation.minute = h.minute;
  e.observation.seconde = h.seconde;
  e.nom = nom;
  e.separateur = separateur_decimal();
  const resultat_comete r = calcul_comete(e);
  resultat res;
  res.texte = r.bloc;
  res.donnees = json_resultat(r, nom, t);
  return res;
}

}  // namespace almanax::cli
