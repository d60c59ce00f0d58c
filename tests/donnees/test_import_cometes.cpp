// Importing the Minor Planet Center's one-line comet elements: a file of published
// comets (periodic, long-period, parabolic, hyperbolic, interstellar) lands in the
// catalogue with the elements as written, each comet where an independent two-body
// computation puts it; name clashes as the caller chooses; the file read again under
// the lock; the same import twice gives the same bytes.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/pages/comete.h"
#include "deux_corps.h"
#include "donnees/cometes.h"
#include "donnees/import_cometes.h"
#include "donnees/villes.h"
#include "fichiers_test.h"

namespace almanax {
namespace {

using essais::ecrire;
using essais::lire;

QString fichier_mpc() {
  return QStringLiteral(ALMANAX_SOURCE_DIR "/tests/donnees/cometes_mpc.txt");
}

// The comets of cometes_mpc.txt, their elements as the Minor Planet Center publishes
// them (CometEls.txt; C/2023 A3 from MPEC 2024-MB8), written here apart from the file.
struct publiee {
  const char* nom;
  int annee, mois;
  long double jour, q, e, w, W, i;
};
constexpr publiee publiees[] = {
    {"C/1995 O1 (Hale-Bopp)", 1997, 3, 29.0319L, 0.925246L, 0.994897L, 130.7250L, 281.8047L, 89.7360L},
    {"C/2023 A3 (Tsuchinshan-ATLAS)", 2024, 9, 27.7405L, 0.391423L, 1.000093L, 308.4925L, 21.5596L, 139.1109L},
    {"C/2014 R3 (PANSTARRS)", 2016, 8, 8.3994L, 7.266681L, 1, 113.3732L, 333.9781L, 90.7547L},
    {"1P/Halley", 2061, 8, 2.3518L, 0.571051L, 0.968024L, 112.1785L, 59.2781L, 162.1895L},
    {"3D-A/Biela", 2024, 12, 2.1391L, 0.827575L, 0.767046L, 192.1556L, 276.6851L, 7.2142L},
    {"332P-B/Ikeya-Murakami", 2016, 3, 17.1650L, 1.572891L, 0.489707L, 152.3711L, 3.8028L, 9.3805L},
    {"C/2014 UN271 (Bernardinelli-Bernstein)", 2031, 1, 16.6358L, 10.959407L, 1.004072L, 326.0935L, 190.0054L,
     95.4459L},
    {"1I/`Oumuamua", 2017, 9, 9.4886L, 0.255240L, 1.199252L, 241.6845L, 24.5997L, 122.6778L},
    {"12P/Pons-Brooks", 2024, 4, 21.2039L, 0.781900L, 0.954747L, 199.0349L, 255.8675L, 74.1483L},
    {"21P/Giacobini-Zinner", 2025, 3, 25.3453L, 1.008991L, 0.711131L, 172.9214L, 195.3374L, 32.0516L},
    {"2I/Borisov", 2019, 12, 9.0572L, 1.997724L, 3.345952L, 209.2911L, 307.8024L, 44.2624L},
    {"3I/ATLAS", 2025, 10, 29.4825L, 1.356507L, 6.139884L, 128.0055L, 322.1535L, 175.1129L},
    {"342P/SOHO", 2027, 2, 7.7817L, 0.051750L, 0.982976L, 27.7057L, 73.2548L, 11.6741L},
};

const comete* trouver(const std::vector<comete>& liste, const std::string& nom) {
  for (const comete& c : liste)
    if (c.nom == nom) return &c;
  return nullptr;
}

// The page's computation for the Julian day jd (a whole second), through the calendar.
resultat_comete au_jour(const elements_comete& el, long double jd) {
  const long double minuit = std::floor(jd - 0.5L) + 0.5L;
  date_de_calcul jour;
  jour.jour_julien = minuit;
  date_calendaire(jour);
  const int secondes = static_cast<int>(std::round((jd - minuit) * 86400)) % 86400;
  entree_comete e;
  e.elements = el;
  e.observation.date = {static_cast<int>(jour.jour), static_cast<int>(jour.mois),
                        static_cast<int>(annee_historique(static_cast<long long>(jour.annee)))};
  e.observation.heure = secondes / 3600;
  e.observation.minute = secondes / 60 % 60;
  e.observation.seconde = secondes % 60;
  return calcul_comete(e);
}

}  // namespace

// Every comet of the file, imported into the bundled catalogue: the name as written, the
// elements those published, and at instants from 200 days before to a year after
// perihelion within 1" of the independent computation from the published numbers.
TEST(ImportCometes, CometesPublieesAuCatalogueEtPositionsIndependantes) {
  QTemporaryDir dir;
  const lecture_import lu = lire_fichier_import_cometes(fichier_mpc());
  ASSERT_TRUE(lu.lisible()) << lu.erreur << texte_lignes_refusees(lu.refusees);
  ASSERT_EQ(lu.cometes.size(), std::size(publiees));
  fichier_cometes f(dir.path());
  f.charger(false);  // no file yet: the bundled catalogue
  const bilan_import b = f.importer(lu.cometes, doublons_import::remplacer);
  ASSERT_TRUE(b.reussi) << b.message;
  // Hale-Bopp, Halley, Pons-Brooks and Giacobini-Zinner are bundled, with older elements.
  EXPECT_EQ(b.ajoutees, 9u);
  EXPECT_EQ(b.remplacees, 4u);
  EXPECT_EQ(texte_bilan_import(b), "13 comètes importées : 9 ajoutées, 4 remplacées.");
  const std::vector<comete> catalogue = lire_cometes(lire(dir.filePath("cometes.dat")));
  EXPECT_EQ(catalogue, f.cometes());
  EXPECT_EQ(catalogue.size(), 21u + 9u);
  for (std::size_t k = 1; k < catalogue.size(); ++k)
    EXPECT_LT(comparer_noms(catalogue[k - 1].nom, catalogue[k].nom), 0) << catalogue[k].nom;  // sorted as before

  const long double decalages[] = {-200, -30, 0, 0.4L, 45, 365};
  for (const publiee& p : publiees) {
    const comete* c = trouver(catalogue, p.nom);
    ASSERT_NE(c, nullptr) << p.nom;
    const textes_comete t = textes_de(c->donnees);
    EXPECT_EQ(t.q.find('.'), std::string::npos) << p.nom;  // the catalogue's decimal comma
    const lecture_comete l = lire_elements_comete(t);
    ASSERT_TRUE(l.elements) << p.nom;
    const elements_comete& el = *l.elements;
    EXPECT_EQ(el.T_annee, p.annee) << p.nom;
    EXPECT_EQ(el.T_mois, p.mois) << p.nom;
    for (const auto& [lu_, publie] :
         {std::pair{el.T_jour, p.jour}, {el.q, p.q}, {el.e, p.e}, {el.omega, p.w}, {el.Omega, p.W}, {el.i, p.i}})
      EXPECT_NEAR(lu_, publie, 1e-12L) << p.nom;
    const elements_comete publies{
        static_cast<long double>(p.annee), static_cast<long double>(p.mois), p.jour, p.q, p.i, p.e, p.w, p.W};
    const long double T = essais::jour_julien_gregorien(p.annee, p.mois, p.jour);
    for (const long double d : decalages) {
      const resultat_comete r = au_jour(el, T + d);
      ASSERT_NEAR(r.jour_julien, T + d, 1e-5L) << p.nom;
      const essais::vec3 g = essais::geocentrique(publies, T, r.jour_julien);
      EXPECT_LT(essais::ecart_arcsec(g, r.ascension_droite, r.declinaison), 1.0L) << p.nom << " T" << (double)d;
      // The page takes the light time once: 342P/SOHO at perihelion, 0.05 AU from the Sun,
      // moves some 1e-7 of its distance in what is left of it.
      EXPECT_NEAR(r.distance / std::hypot(g[0], g[1], g[2]), 1, 1e-6L) << p.nom << " T" << (double)d;
    }
  }
}

// C/2023 A3 (Tsuchinshan-ATLAS) from the elements the file gives (MPEC 2024-MB8,
// osculating 2024 July 2) on 12 October 2024, the day of its closest approach, 0 h and
// 12 h TT: within 1' of the place given by S. Nakano's orbit from 4341 observations
// (CBET 5404: T = 2024 Sept. 27.74013 TT, q = 0.3914109 AU, e = 1.0000949,
// w = 308.49328, W = 21.55949, i = 139.11049, J2000.0, osculating 2024 Oct. 17.0 TT,
// five days after), computed by the independent two-body code.
TEST(ImportCometes, TsuchinshanAtlasLe12Octobre2024) {
  const lecture_import lu = lire_fichier_import_cometes(fichier_mpc());
  const comete* c = trouver(lu.cometes, "C/2023 A3 (Tsuchinshan-ATLAS)");
  ASSERT_NE(c, nullptr);
  const lecture_comete l = lire_elements_comete(textes_de(c->donnees));
  ASSERT_TRUE(l.elements);
  EXPECT_GT(l.elements->e, 1);
  const elements_comete nakano{2024, 9, 27.74013L, 0.3914109L, 139.11049L, 1.0000949L, 308.49328L, 21.55949L};
  const long double T = essais::jour_julien_gregorien(2024, 9, 27.74013L);
  for (const long double jd : {2460595.5L, 2460596.0L}) {
    const resultat_comete r = au_jour(*l.elements, jd);
    const essais::vec3 g = essais::geocentrique(nakano, T, jd);
    EXPECT_LT(essais::ecart_arcsec(g, r.ascension_droite, r.declinaison), 60.0L) << (double)jd;
    EXPECT_NEAR(r.distance, 0.473, 0.002L);  // the closest approach, 0.47 AU
  }
  // At 0 h: 13 h 52 m 53 s, -1° 28'.
  const resultat_comete r = au_jour(*l.elements, 2460595.5L);
  EXPECT_NEAR(r.ascension_droite / 15, 13 + 52.9L / 60, 0.5L / 60);
  EXPECT_NEAR(r.declinaison, -(1 + 28.0L / 60), 1.0L / 60);
}

// A name already in the catalogue with other elements: replaced, kept, or nothing written
// at all with the clashes listed; a comet already there with the same elements is no
// clash. Importing the same file twice gives the same bytes.
TEST(ImportCometes, DoublonsEtImportationRepetee) {
  const lecture_import lu = lire_fichier_import_cometes(fichier_mpc());
  ASSERT_TRUE(lu.lisible());
  struct cas {
    doublons_import choix;
    bool reussi;
    std::size_t ajoutees, remplacees, gardees;
  };
  const cas liste[] = {
      {doublons_import::annuler, false, 0, 0, 0},
      {doublons_import::garder, true, 9, 0, 4},
      {doublons_import::remplacer, true, 9, 4, 0},
  };
  for (const cas& k : liste) {
    QTemporaryDir dir;
    ecrire(dir.filePath("cometes.dat"), cometes_par_defaut());
    fichier_cometes f(dir.path());
    f.charger();
    const bilan_import b = f.importer(lu.cometes, k.choix);
    const QByteArray apres = lire(dir.filePath("cometes.dat"));
    EXPECT_EQ(b.reussi, k.reussi) << static_cast<int>(k.choix);
    EXPECT_EQ(b.conflits, (std::vector<std::string>{"C/1995 O1 (Hale-Bopp)", "1P/Halley", "12P/Pons-Brooks",
                                                    "21P/Giacobini-Zinner"}));
    if (!k.reussi) {
      EXPECT_EQ(apres, cometes_par_defaut());
      EXPECT_EQ(f.taille(), 21u);
      EXPECT_NE(b.message.find("4 comètes du fichier sont déjà dans le catalogue"), std::string::npos);
      continue;
    }
    EXPECT_EQ(std::tie(b.ajoutees, b.remplacees, b.gardees), std::tie(k.ajoutees, k.remplacees, k.gardees));
    EXPECT_EQ(lire_cometes(apres).size(), 30u);
    const std::string halley = textes_de(trouver(f.cometes(), "1P/Halley")->donnees).T_annee;
    EXPECT_EQ(halley, k.choix == doublons_import::remplacer ? "2061" : "1986");
    // Again: nothing left to add, not a byte changed; after a replacement nothing is left
    // to decide either (the comets kept still differ from the file's).
    std::vector<doublons_import> encore_une_fois{k.choix};
    if (k.choix == doublons_import::remplacer) encore_une_fois.push_back(doublons_import::annuler);
    for (const doublons_import encore : encore_une_fois) {
      const bilan_import b2 = f.importer(lu.cometes, encore);
      EXPECT_TRUE(b2.reussi);
      EXPECT_FALSE(b2.ecrit);
      EXPECT_EQ(b2.ajoutees + b2.remplacees, 0u);
      EXPECT_EQ(lire(dir.filePath("cometes.dat")), apres);
    }
    // Into a fresh copy of the first catalogue: the same bytes as the first time.
    QTemporaryDir autre;
    ecrire(autre.filePath("cometes.dat"), cometes_par_defaut());
    fichier_cometes g(autre.path());
    g.charger();
    ASSERT_TRUE(g.importer(lu.cometes, k.choix).reussi);
    EXPECT_EQ(lire(autre.filePath("cometes.dat")), apres);
  }
}

// Another window adds a comet after this one read the catalogue: the import goes onto
// the file as it is now and keeps it.
TEST(ImportCometes, FichierModifieAilleursGarde) {
  QTemporaryDir dir;
  ecrire(dir.filePath("cometes.dat"), cometes_par_defaut());
  fichier_cometes f(dir.path());
  f.charger();
  fichier_cometes autre(dir.path());
  autre.charger();
  const textes_comete t = textes_de(f.cometes()[0].donnees);
  ASSERT_TRUE(autre.ajouter("C/2099 Z9 (Ailleurs)", t).reussie);
  const lecture_import lu = lire_fichier_import_cometes(fichier_mpc());
  const bilan_import b = f.importer(lu.cometes, doublons_import::garder);
  ASSERT_TRUE(b.reussi);
  EXPECT_TRUE(b.relue);
  const std::vector<comete> apres = lire_cometes(lire(dir.filePath("cometes.dat")));
  EXPECT_EQ(apres.size(), 31u);
  EXPECT_NE(trouver(apres, "C/2099 Z9 (Ailleurs)"), nullptr);
  EXPECT_NE(trouver(apres, "3I/ATLAS"), nullptr);
  EXPECT_EQ(apres, f.cometes());
}

}  // namespace almanax
