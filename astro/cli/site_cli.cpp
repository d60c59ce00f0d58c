// The observing site of a command-line report. The command line never writes: when
// villes.dat is missing from the working directory the bundled list is read as is.
#include <QDir>
#include <QSettings>
#include <iostream>

#include "cli/cli.h"
#include "donnees/dossiers.h"
#include "donnees/reglages.h"
#include "donnees/villes.h"

namespace almanax::cli {

namespace {

// The window's default site index: the settings value "Site", else the first-start value.
long long index_site_memorise() {
  const ouverture_reglages o = ouvrir_reglages();
  if (!o.magasin) {
    std::cerr << "astro : " << o.avertissement << "\n";
    return index_site_initial;
  }
  bool ok = false;
  const long long i = o.magasin->value(QStringLiteral("Site")).toLongLong(&ok);
  return ok ? i : index_site_initial;
}

}  // namespace

site_nomme arguments::site() {
  const bool par_nom = present("site");
  const bool par_lat = present("lat");
  const bool par_lon = present("lon");
  if (par_nom && (par_lat || par_lon))
    throw erreur_option("--site et --lat/--lon s'excluent : donnez un nom de site ou des coordonnées.");
  if (par_lat != par_lon) throw erreur_option("--lat et --lon vont ensemble : donnez la latitude et la longitude.");
  if (par_lat) {
    site_nomme s;
    s.nom = "Votre site";
    s.latitude = reel("lat", lecteur::site, 0, -90, 90);
    s.longitude = reel("lon", lecteur::site, 0, -180, 180);
    return s;
  }

  fichier_villes fichier(dossier_du_fichier(nom_fichier_villes, QDir::currentPath()));
  // A file that cannot be read is reported and the bundled list used, as the window
  // does (and as for cometes.dat).
  const chargement_villes c = fichier.charger(false);
  if (!c.erreur.empty()) std::cerr << "astro : " << c.erreur << "\n";
  for (const std::string& a : c.avertissements) std::cerr << "astro : " << a << "\n";

  if (par_nom) {
    const std::string nom = texte("site", lecteur::site, "");
    for (const ville& v : fichier.villes())
      if (comparer_noms(v.nom, nom) == 0) return v.site();
    throw erreur_option("Site inconnu : " + nom);
  }
  const auto i = index_par_defaut(index_site_memorise(), fichier.taille());
  if (!i) throw erreur_option("Aucun site dans villes.dat : utilisez --site NOM ou --lat et --lon.");
  return fichier.villes()[*i].site();
}

}  // namespace almanax::cli
