// The session model: the default site and comet kept by name through the catalogues'
// edits (here, elsewhere, merged), the signals the pages follow, and the settings read
// into it and written from it.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "donnees/fuseaux.h"
#include "donnees/session.h"
#include "fichiers_test.h"

using almanax::ModeleCatalogue;
using almanax::reglages;
using almanax::Session;

namespace {

const QByteArray quatre_sites =
    "45.75 -4.5 Lyon\r\n"
    "43.25 -5.25 Marseille\r\n"
    "48.5 -2.25 Paris\r\n"
    "43.5 -1.25 Toulouse\r\n";

const QByteArray trois_cometes =
    "B/DEUX\t2024\t3\t12,5\t1,42\t0,53\t195\t120\t12\r\n"
    "D/QUATRE\t2024\t3\t12,5\t1,42\t0,53\t195\t120\t12\r\n"
    "F/SIX\t2024\t3\t12,5\t1,42\t0,53\t195\t120\t12\r\n";

const almanax::textes_comete elements{"2024", "3", "12,5", "1,42", "12", "0,53", "195", "120"};

// Every defautChange of a catalogue, as "index name".
struct Releve {
  explicit Releve(ModeleCatalogue& m) {
    QObject::connect(&m, &ModeleCatalogue::defautChange, [this](long long i, const QString& nom) {
      recus.push_back(std::to_string(i) + " " + nom.toStdString());
    });
  }
  std::vector<std::string> recus;
};

// Another program writes a line at the head of the file.
void ajouter_en_tete(const QString& chemin, const QByteArray& ligne) {
  almanax::essais::ecrire(chemin, ligne + almanax::essais::lire(chemin));
}

}  // namespace

// Each edit, here or merged from another window, leaves the default on the same entry
// by name; the settings value is its place now. Sites and comets alike.
TEST(Session, DefaultFollowsItsNameThroughEveryEdit) {
  struct cas {
    const char* quoi;
    bool sites;
    long long index_lu;  // from the settings
    std::function<void(Session&, const QString& dossier)> edition;
    long long index_apres;
    const char* nom_apres;
  };
  const auto ville = [](Session& s, const char* nom) { return *s.villes().index_de(nom); };
  const auto comete = [](Session& s, const char* nom) { return *s.cometes().index_de(nom); };
  const cas tous[] = {
      {"site added before", true, 2, [](Session& s, const QString&) { s.villes().ajouter("Angers", 47.5L, 0.5L); }, 3,
       "Paris"},
      {"site deleted before", true, 2, [&](Session& s, const QString&) { s.villes().supprimer(ville(s, "Lyon")); }, 1,
       "Paris"},
      {"site modified", true, 2, [&](Session& s, const QString&) { s.villes().modifier(ville(s, "Paris"), 1, 1); }, 2,
       "Paris"},
      {"default site deleted: the one in its place", true, 2,
       [&](Session& s, const QString&) { s.villes().supprimer(ville(s, "Paris")); }, 2, "Toulouse"},
      {"last site deleted when default: the new last", true, 3,
       [&](Session& s, const QString&) { s.villes().supprimer(ville(s, "Toulouse")); }, 2, "Paris"},
      {"site added elsewhere, merged on a deletion", true, 2,
       [&](Session& s, const QString& d) {
         ajouter_en_tete(d + "/villes.dat", "44.5 -1.5 Aa\r\n");
         s.villes().supprimer(ville(s, "Toulouse"));
       },
       3, "Paris"},
      {"index past the end: the first site", true, 172, [](Session&, const QString&) {}, 0, "Lyon"},
      {"comet added before", false, 1, [](Session& s, const QString&) { s.cometes().ajouter("A/UN", elements); }, 2,
       "D/QUATRE"},
      {"comet deleted before", false, 1,
       [&](Session& s, const QString&) { s.cometes().supprimer(comete(s, "B/DEUX")); }, 0, "D/QUATRE"},
      {"default comet deleted: the first", false, 2,
       [&](Session& s, const QString&) { s.cometes().supprimer(comete(s, "F/SIX")); }, 0, "B/DEUX"},
      {"comet added elsewhere, merged on a change", false, 1,
       [&](Session& s, const QString& d) {
         ajouter_en_tete(d + "/cometes.dat", "A/AILLEURS\t2023\t10\t22\t0,34\t0,85\t187\t334\t11,8\r\n");
         s.cometes().modifier(comete(s, "F/SIX"), elements);
       },
       2, "D/QUATRE"},
      {"index past the end: the first comet", false, 9, [](Session&, const QString&) {}, 0, "B/DEUX"},
  };
  for (const cas& k : tous) {
    QTemporaryDir dossier;
    almanax::essais::ecrire(dossier.filePath("villes.dat"), quatre_sites);
    almanax::essais::ecrire(dossier.filePath("cometes.dat"), trois_cometes);
    Session s;
    reglages r;
    (k.sites ? r.site : r.comete) = k.index_lu;
    s.appliquer(r);
    s.villes().charger(dossier.path());
    s.cometes().charger(dossier.path());
    k.edition(s, dossier.path());
    const ModeleCatalogue& m = k.sites ? static_cast<const ModeleCatalogue&>(s.villes()) : s.cometes();
    EXPECT_EQ(m.index_enregistre(), k.index_apres) << k.quoi;
    EXPECT_EQ(m.nom_defaut().value_or("-"), k.nom_apres) << k.quoi;
    EXPECT_EQ((k.sites ? s.reglages_de({}).site : s.reglages_de({}).comete), k.index_apres) << k.quoi;
    // The list shown is the file's.
    EXPECT_EQ(static_cast<std::size_t>(m.rowCount()), m.taille()) << k.quoi;
    EXPECT_EQ(m.data(m.index(static_cast<int>(k.index_apres))).toString().toStdString(), k.nom_apres) << k.quoi;
  }
}

TEST(Session, SignalsSayWhatChanged) {
  QTemporaryDir dossier;
  almanax::essais::ecrire(dossier.filePath("villes.dat"), quatre_sites);
  almanax::essais::ecrire(dossier.filePath("cometes.dat"), "");
  Session s;
  Releve sites(s.villes()), cometes(s.cometes());
  int site = 0, apparence = 0, dates = 0, resets = 0, insertions = 0;
  QObject::connect(&s, &Session::siteChange, [&] { ++site; });
  QObject::connect(&s, &Session::apparenceChangee, [&] { ++apparence; });
  QObject::connect(&s, &Session::datesChangees, [&] { ++dates; });
  QObject::connect(&s.villes(), &QAbstractItemModel::modelReset, [&] { ++resets; });
  QObject::connect(&s.villes(), &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
  reglages r;
  r.site = 2;
  s.appliquer(r);  // the defaults again: nothing said
  EXPECT_EQ(apparence + dates, 0);

  s.villes().charger(dossier.path());
  EXPECT_EQ(sites.recus, std::vector<std::string>{"2 Paris"});
  EXPECT_EQ(site, 1);  // the default site made current
  EXPECT_EQ(s.site().latitude, 48.5L);
  EXPECT_EQ(s.site().sens_longitude, -1);
  EXPECT_EQ(s.site_affiche().nom, "Paris");
  s.villes().ajouter("Zurich", 47.5L, -8.5L);  // after Paris: nothing moves
  s.villes().ajouter("Angers", 47.5L, 0.5L);   // before: Paris moves
  EXPECT_EQ(sites.recus, (std::vector<std::string>{"2 Paris", "3 Paris"}));
  EXPECT_EQ(resets, 1);  // the load; each addition is one row inserted
  EXPECT_EQ(insertions, 2);
  s.poser_site(s.site());
  EXPECT_EQ(site, 1);

  // An empty catalogue: its first comet becomes the default; deleting it leaves none.
  s.cometes().charger(dossier.path());
  s.cometes().ajouter("X/UNE", elements);
  s.cometes().supprimer(0);
  EXPECT_EQ(cometes.recus, (std::vector<std::string>{"0 X/UNE", "0 "}));

  s.poser_menus_visibles(false);
  s.poser_menus_visibles(false);
  s.poser_onglets_une_rangee(true);
  EXPECT_EQ(apparence, 2);
  s.poser_dates({true, true, true, true});  // noon and midnight both: the choice stays
  EXPECT_EQ(dates, 0);
  s.poser_dates({false, true, false, true});
  EXPECT_EQ(dates, 1);
  EXPECT_TRUE(s.dates().minuit);
  EXPECT_FALSE(s.dates().midi);
}

// The settings store indexes; the session keeps names. Written as read when nothing
// changed, the index past the end included until the file is read.
TEST(Session, SettingsRoundTripThroughTheModel) {
  QTemporaryDir dossier;
  almanax::essais::ecrire(dossier.filePath("villes.dat"), quatre_sites);
  almanax::essais::ecrire(dossier.filePath("cometes.dat"), trois_cometes);
  reglages lu;
  lu.site = 3;
  lu.comete = 2;
  lu.onglet = true;
  lu.onglet2 = false;
  lu.menu = false;
  lu.menu2 = true;
  lu.heure_actuelle = false;
  lu.midi = false;
  lu.minuit = true;
  lu.gauche = 7;
  lu.heure_legale = true;
  // Site names hold any character, a slash and a tab-free comma included.
  lu.fuseaux_des_sites = {{"Toulouse", "Europe/Paris"}, {"Sydney, NSW / Australie", "Australia/Sydney"}};
  {
    QSettings magasin(dossier.filePath("almanax.ini"), QSettings::IniFormat);
    almanax::ecrire_reglages(magasin, lu);
  }
  QSettings magasin(dossier.filePath("almanax.ini"), QSettings::IniFormat);
  Session s;
  s.appliquer(almanax::lire_reglages(magasin, reglages{}));
  reglages geometrie;
  geometrie.gauche = 7;
  EXPECT_EQ(s.reglages_de(geometrie), lu);  // before the files are read
  s.villes().charger(dossier.path());
  s.cometes().charger(dossier.path());
  EXPECT_EQ(s.villes().nom_defaut(), "Toulouse");
  EXPECT_EQ(s.cometes().nom_defaut(), "F/SIX");
  EXPECT_EQ(s.reglages_de(geometrie), lu);
  ASSERT_TRUE(s.echelle().legale());  // civil time, in the default site's zone
  EXPECT_EQ(s.echelle().fuseau()->nom(), "Europe/Paris");

  // Names in memory, indexes in the file.
  s.villes().supprimer(0);
  s.cometes().ajouter("A/UN", elements);
  almanax::ecrire_reglages(magasin, s.reglages_de(geometrie));
  EXPECT_EQ(magasin.value("Site").toInt(), 2);
  EXPECT_EQ(magasin.value("Comète").toInt(), 3);

  // An index past the end, read with an empty sites file: kept as read.
  almanax::essais::ecrire(dossier.filePath("villes.dat"), "");
  Session vide;
  reglages loin;
  loin.site = 500;
  vide.appliquer(loin);
  vide.villes().charger(dossier.path());
  EXPECT_FALSE(vide.villes().nom_defaut());
  EXPECT_EQ(vide.reglages_de({}).site, 500);
}

// The zone belongs to the site: chosen for one, it comes back with it; another site
// without a choice has the system's zone. Civil time off, nothing is said to the pages.
TEST(Session, FuseauDuSiteCourant) {
  Session s;
  int changements = 0;
  QObject::connect(&s, &Session::echelleChangee, [&] { ++changements; });
  const auto aller_a = [&](const char* nom, long double lat, long double lon) {
    s.poser_site_affiche(almanax::champs_du_site({nom, lat, lon}));
  };
  aller_a("Sydney", -33.87L, -151.21L);
  EXPECT_TRUE(s.choisir_fuseau("Australia/Sydney"));
  EXPECT_EQ(changements, 0);  // times as they stand: no zone in use
  EXPECT_FALSE(s.echelle().legale());
  s.poser_heure_legale(true);
  EXPECT_EQ(changements, 1);
  EXPECT_EQ(s.echelle().fuseau()->nom(), "Australia/Sydney");
  EXPECT_EQ(s.echelle().decalage_a(2461212.5L), 10 * 3600);  // June: AEST, no summer time

  aller_a("Paris", 48.85L, -2.35L);
  EXPECT_EQ(changements, 2);
  EXPECT_FALSE(s.fuseau_choisi());
  EXPECT_EQ(s.nom_fuseau(), almanax::nom_fuseau_du_systeme());
  EXPECT_TRUE(s.choisir_fuseau("Europe/Paris"));
  EXPECT_EQ(s.echelle().decalage_a(2461212.5L), 2 * 3600);
  EXPECT_FALSE(s.choisir_fuseau("Atlantide/Capitale"));  // unknown: refused, nothing changes
  EXPECT_EQ(s.nom_fuseau(), "Europe/Paris");

  aller_a("Sydney", -33.87L, -151.21L);
  EXPECT_EQ(s.echelle().fuseau()->nom(), "Australia/Sydney");
  aller_a("Paris", 48.85L, -2.35L);
  EXPECT_EQ(s.echelle().fuseau()->nom(), "Europe/Paris");
  const int avant = changements;
  aller_a("Paris", 48.85L, -2.35L);  // the same zone again: not said
  EXPECT_EQ(changements, avant);
  EXPECT_TRUE(s.choisir_fuseau({}));  // back to the system's zone
  EXPECT_FALSE(s.fuseau_choisi());
  EXPECT_EQ(s.reglages_de({}).fuseaux_des_sites.size(), 1u);
  s.poser_heure_legale(false);
  EXPECT_FALSE(s.echelle().legale());
}
