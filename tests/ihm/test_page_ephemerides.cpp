#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimeEdit>
#include <map>

#include "calcul/pages/ephemerides.h"
#include "ihm/pages/page_ephemerides.h"
#include "outils_pages.h"

using almanax::date_jma;
using almanax::resultat_ephemerides;
using almanax::textes_ephemerides;
using almanax::ihm::EditionSpin;
using almanax::ihm::PageEphemerides;
using namespace almanax::ihm::test;

namespace {

// Every value label of the page with the result's text it must show.
const std::pair<const char*, std::string textes_ephemerides::*> etiquettes[] = {
    {"lmp", &textes_ephemerides::longitude_moyenne},
    {"grand_axe", &textes_ephemerides::demi_grand_axe},
    {"excentricite_bis", &textes_ephemerides::excentricite},
    {"inc_ecliptique", &textes_ephemerides::inclinaison},
    {"long_noeud_ascendant", &textes_ephemerides::longitude_noeud},
    {"long_perihelie", &textes_ephemerides::longitude_perihelie},
    {"ano_moy_planete", &textes_ephemerides::anomalie_moyenne},
    {"argument_perihelion", &textes_ephemerides::argument_perihelie},
    {"l_l", &textes_ephemerides::longitude_heliocentrique},
    {"l_b", &textes_ephemerides::latitude_heliocentrique},
    {"l_alpha", &textes_ephemerides::ascension_droite},
    {"l_decli", &textes_ephemerides::declinaison},
    {"l_r", &textes_ephemerides::distance_soleil},
    {"l_r_km", &textes_ephemerides::distance_soleil_km},
    {"l_r_terre", &textes_ephemerides::distance_terre},
    {"l_r_km_terre", &textes_ephemerides::distance_terre_km},
    {"diametre", &textes_ephemerides::diametre_apparent},
    {"mag", &textes_ephemerides::magnitude},
    {"la", &textes_ephemerides::surface_illuminee},
    {"lever", &textes_ephemerides::heure_lever},
    {"meridien", &textes_ephemerides::heure_meridien},
    {"coucher", &textes_ephemerides::heure_coucher},
    {"time_light", &textes_ephemerides::temps_lumiere},
};

class PageEphemeridesTest : public ::testing::Test {
 protected:
  PageEphemeridesTest() { placer_site(c, site_essai()); }

  // Types the date into the three edits, sets the time and presses "&OK".
  static void calculer(PageEphemerides& p, const QString& jour, const QString& mois, const QString& an,
                       QTime heure = QTime(0, 0, 0)) {
    taper(controle<EditionSpin>(p, "e_jour"), jour);
    taper(controle<EditionSpin>(p, "e_mois"), mois);
    taper(controle<EditionSpin>(p, "e_an"), an);
    controle<QTimeEdit>(p, "e_temps")->setTime(heure);
    controle<QPushButton>(p, "b_ephemeride")->click();
  }
  static void choisir(PageEphemerides& p, int planete) {
    controle<QRadioButton>(p, QStringLiteral("planete_%1").arg(planete).toLatin1().constData())->click();
  }
  static date_jma date_affichee(const PageEphemerides& p) {
    return {texte_edition(p, "e_jour").toInt(), texte_edition(p, "e_mois").toInt(), texte_edition(p, "e_an").toInt()};
  }

  ContexteTest c;
};

TEST_F(PageEphemeridesTest, DefaultsOfTheControls) {
  PageEphemerides p(c);
  EXPECT_EQ(date_affichee(p), (date_jma{29, 12, 1997}));
  EXPECT_EQ(p.planete_choisie(), 1);
  EXPECT_EQ(controle<QRadioButton>(p, "planete_1")->text(), "Vénus");
  EXPECT_EQ(controle<QRadioButton>(p, "planete_8")->text(), "Pluton");
  EXPECT_EQ(controle<QGroupBox>(p, "planetes")->title(), "Planetes");
  EXPECT_EQ(controle<QPushButton>(p, "b_ephemeride")->text(), "&OK");
  EXPECT_EQ(controle<QPushButton>(p, "nowephe")->text(), "&Maintenant");
  EXPECT_EQ(controle<QPushButton>(p, "copy_eph")->text(), "&Copie");
  EXPECT_EQ(p.bouton_calcul(), controle<QPushButton>(p, "b_ephemeride"));
  for (const char* nom : {"c_e_s", "c_e_coor", "c_e_div", "c_e_e", "c_e_dt", "c_e_p"})
    EXPECT_TRUE(controle<QCheckBox>(p, nom)->isChecked()) << nom;
  const EditionSpin* an = controle<EditionSpin>(p, "e_an");
  EXPECT_EQ(an->minimum(), -4713);
  EXPECT_EQ(an->maximum(), 9999);
  EXPECT_EQ(an->nomSpin(), "up_an");
  EXPECT_EQ(controle<EditionSpin>(p, "e_jour")->maximum(), 32);
  EXPECT_EQ(controle<EditionSpin>(p, "e_mois")->maximum(), 13);
}

TEST_F(PageEphemeridesTest, TypedInputsToLabelTexts) {
  PageEphemerides p(c);
  calculer(p, "20", "12", "1992");

  // The worked example of Venus on 1992 December 20 at 0 h.
  EXPECT_EQ(etiquette(p, "l_alpha"), "21 h 04 m 41 s");
  EXPECT_EQ(etiquette(p, "l_decli"), "-18 ° 53 '  17 ''");
  EXPECT_EQ(etiquette(p, "l_r_terre"), "0,9109");  // the locale's separator

  // Every label shows the computation's text for the same inputs, nothing else.
  almanax::entree_ephemerides e;
  e.p = almanax::planete::venus;
  e.instant.date = {20, 12, 1992};
  e.site = c.session_.site();
  e.separateur = ",";
  const resultat_ephemerides attendu = almanax::calcul_ephemerides(e);
  for (const auto& [nom, texte] : etiquettes) {
    EXPECT_EQ(etiquette(p, nom).toStdString(), attendu.textes.*texte) << nom;
    EXPECT_FALSE(etiquette(p, nom).isEmpty()) << nom;
  }
  EXPECT_FALSE(controle<QGroupBox>(p, "gr_el_or")->isHidden());

  // The phase picture: Venus's colour for the strokes, the corners in the face colour,
  // the lit part on the right (Venus was 65 % lit).
  const QImage& i = p.image_plan();
  ASSERT_EQ(i.size(), QSize(100, 100));
  const QRgb face = p.palette().color(QPalette::Window).rgb();
  EXPECT_EQ(i.pixel(0, 0), face);
  EXPECT_EQ(i.pixel(99, 99), face);
  EXPECT_EQ(i.pixel(90, 50), QColor(Qt::white).rgb());
  EXPECT_EQ(i.pixel(8, 50), face);
  int violet = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) violet += i.pixel(x, y) == qRgb(255, 0, 255);
  EXPECT_GT(violet, 100);
}

TEST_F(PageEphemeridesTest, LabelsAndCopyEqualTheCommandLine) {
  const LocaleTemporaire c_locale(QLocale::c());
  DossierTravail d;
  PageEphemerides p(c);
  choisir(p, 4);  // Jupiter
  calculer(p, "5", "3", "2021", QTime(21, 30, 15));
  const QStringList arguments{"--rapport", "ephemerides", "--planete", "Jupiter", "--date", "05/03/2021",
                              "--heure",   "21:30:15",    "--lat",     "48.8333", "--lon",  "2.35"};
  const QJsonObject json = QJsonDocument::fromJson(ligne_de_commande(arguments + QStringList{"--json"})).object();
  // Each label's text is the "texte" beside its value in the command line's JSON.
  const std::map<std::string, QString> chemins = {
      {"lmp", "elements/longitude_moyenne_deg"},
      {"grand_axe", "elements/demi_grand_axe_ua"},
      {"excentricite_bis", "elements/excentricite"},
      {"inc_ecliptique", "elements/inclinaison_deg"},
      {"long_noeud_ascendant", "elements/noeud_ascendant_deg"},
      {"long_perihelie", "elements/longitude_perihelie_deg"},
      {"ano_moy_planete", "elements/anomalie_moyenne_deg"},
      {"argument_perihelion", "elements/argument_perihelie_deg"},
      {"l_l", "longitude_heliocentrique_deg"},
      {"l_b", "latitude_heliocentrique_deg"},
      {"l_alpha", "ascension_droite_deg"},
      {"l_decli", "declinaison_deg"},
      {"l_r", "distance_soleil_ua"},
      {"l_r_km", "distance_soleil_km"},
      {"l_r_terre", "distance_terre_ua"},
      {"l_r_km_terre", "distance_terre_km"},
      {"diametre", "diametre_arcsec"},
      {"mag", "magnitude"},
      {"la", "fraction_illuminee"},
      {"lever", "lever_h"},
      {"meridien", "meridien_h"},
      {"coucher", "coucher_h"},
      {"time_light", "temps_lumiere_h"},
  };
  ASSERT_EQ(chemins.size(), std::size(etiquettes));
  for (const auto& [nom, texte] : etiquettes) {
    QJsonValue v = json.value("resultat");
    for (const QString& cle : chemins.at(nom).split('/')) v = v.toObject().value(cle);
    ASSERT_TRUE(v.toObject().value("texte").isString()) << nom << " " << json.keys().join(",").toStdString();
    EXPECT_EQ(etiquette(p, nom), v.toObject().value("texte").toString()) << nom;
  }

  // "&Copie" with every box checked prints what the command line prints.
  p.copier();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_EQ(c.rapports[0].toUtf8(), ligne_de_commande(arguments));
}

TEST_F(PageEphemeridesTest, DateSpinsNormaliseAndRecompute) {
  PageEphemerides p(c);
  controle<QTimeEdit>(p, "e_temps")->setTime(QTime(0, 0, 0));
  EditionSpin* jour = controle<EditionSpin>(p, "e_jour");
  EditionSpin* mois = controle<EditionSpin>(p, "e_mois");
  EditionSpin* an = controle<EditionSpin>(p, "e_an");
  struct pas {
    date_jma depart;
    EditionSpin* spin;
    int sens;
    date_jma arrivee;
    long double jour_julien;  // of the date reached, at 0 h
  };
  const pas pas_[] = {
      {{31, 1, 2023}, jour, +1, {1, 2, 2023}, 2459976.5L},    // across a month
      {{1, 3, 2024}, jour, -1, {29, 2, 2024}, 2460369.5L},    // back into a leap February
      {{31, 12, 1999}, jour, +1, {1, 1, 2000}, 2451544.5L},   // across a year
      {{1, 1, 2000}, mois, -1, {1, 12, 1999}, 2451513.5L},    // month below January
      {{1, 12, 1999}, mois, +1, {1, 1, 2000}, 2451544.5L},    // month past December
      {{1, 1, 1}, an, -1, {1, 1, -1}, 1721057.5L},            // no year 0, going back
      {{1, 1, -1}, an, +1, {1, 1, 1}, 1721423.5L},            // nor going forward
      {{15, 10, 1582}, jour, -1, {4, 10, 1582}, 2299159.5L},  // over the Gregorian reform
      {{4, 10, 1582}, jour, +1, {15, 10, 1582}, 2299160.5L},
  };
  for (const pas& s : pas_) {
    p.poser_date_de_demarrage(s.depart);
    s.spin->stepBy(s.sens);
    EXPECT_EQ(date_affichee(p), s.arrivee) << s.depart.jour << "/" << s.depart.mois << "/" << s.depart.annee;
    EXPECT_EQ(p.resultat().jour_julien, s.jour_julien) << s.depart.jour << "/" << s.depart.mois;
  }
}

TEST_F(PageEphemeridesTest, DateTheCalendarLacksIsNormalisedBeforeComputing) {
  PageEphemerides p(c);
  calculer(p, "15", "13", "2023");  // month 13
  EXPECT_EQ(date_affichee(p), (date_jma{15, 1, 2024}));
  EXPECT_EQ(p.resultat().jour_julien, 2460324.5L);
  calculer(p, "10", "5", "0");  // there is no year 0
  EXPECT_EQ(date_affichee(p), (date_jma{10, 5, 1}));
  calculer(p, "10", "10", "1582");  // dropped by the reform
  EXPECT_EQ(date_affichee(p), (date_jma{15, 10, 1582}));
  calculer(p, "7", "10", "1582");  // nearer the last Julian day
  EXPECT_EQ(date_affichee(p), (date_jma{4, 10, 1582}));
  EXPECT_EQ(p.resultat().jour_julien, 2299159.5L);
  calculer(p, "20", "12", "1992");  // a real date is left alone
  EXPECT_EQ(date_affichee(p), (date_jma{20, 12, 1992}));
  EXPECT_EQ(etiquette(p, "l_alpha"), "21 h 04 m 41 s");
}

TEST_F(PageEphemeridesTest, EarthShowsItsElementsAndNothingElse) {
  PageEphemerides p(c);
  calculer(p, "20", "12", "1992");
  choisir(p, 2);  // Terre: the click recomputes
  EXPECT_EQ(p.planete_choisie(), 2);
  EXPECT_EQ(p.resultat().p, almanax::planete::terre);
  EXPECT_FALSE(controle<QGroupBox>(p, "gr_el_or")->isHidden());
  EXPECT_EQ(etiquette(p, "inc_ecliptique"), "0 ° 00 '  00 ''");
  EXPECT_EQ(etiquette(p, "long_noeud_ascendant"), "0 ° 00 '  00 ''");
  EXPECT_FALSE(etiquette(p, "lmp").isEmpty());
  EXPECT_FALSE(etiquette(p, "l_l").isEmpty());
  EXPECT_FALSE(etiquette(p, "l_r").isEmpty());
  for (const char* vide : {"l_alpha", "l_decli", "l_r_terre", "l_r_km_terre", "diametre", "mag", "la", "lever",
                           "meridien", "coucher", "time_light"})
    EXPECT_TRUE(etiquette(p, vide).isEmpty()) << vide;
  // A blank picture in the face colour.
  const QImage& i = p.image_plan();
  const QRgb face = p.palette().color(QPalette::Window).rgb();
  for (int y = 0; y < i.height(); ++y)
    for (int x = 0; x < i.width(); ++x) ASSERT_EQ(i.pixel(x, y), face) << x << "," << y;
  EXPECT_TRUE(controle<QCheckBox>(p, "c_e_e")->isEnabled());
}

TEST_F(PageEphemeridesTest, PlutoHidesItsElementsUntilAnotherPlanet) {
  PageEphemerides p(c);
  calculer(p, "1", "6", "2010");
  choisir(p, 8);  // Pluton
  EXPECT_TRUE(controle<QGroupBox>(p, "gr_el_or")->isHidden());
  auto* c_e_e = controle<QCheckBox>(p, "c_e_e");
  EXPECT_FALSE(c_e_e->isEnabled());
  EXPECT_FALSE(c_e_e->isChecked());
  EXPECT_TRUE(QRegularExpression("^\\d+,\\d{4}$").match(etiquette(p, "l_r_terre")).hasMatch())
      << etiquette(p, "l_r_terre").toStdString();
  p.copier();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_TRUE(c.rapports[0].startsWith("Pluton\r\n\r\n"));
  EXPECT_FALSE(c.rapports[0].contains("Longitude moyenne"));
  EXPECT_TRUE(c.rapports[0].contains("Distance à la Terre \t" + etiquette(p, "l_r_terre") + " UA\r\n"));
  // The picture is grey.
  bool gris = false;
  for (int x = 0; x < 100 && !gris; ++x)
    for (int y = 0; y < 100 && !gris; ++y) gris = p.image_plan().pixel(x, y) == qRgb(128, 128, 128);
  EXPECT_TRUE(gris);

  choisir(p, 3);  // Mars: the elements come back, and their copy box
  EXPECT_FALSE(controle<QGroupBox>(p, "gr_el_or")->isHidden());
  EXPECT_TRUE(c_e_e->isEnabled());
  EXPECT_TRUE(c_e_e->isChecked());
  EXPECT_FALSE(etiquette(p, "lmp").isEmpty());
}

TEST_F(PageEphemeridesTest, CopyAppendsEachTimeAndOnlyTheCheckedBlocks) {
  PageEphemerides p(c);
  calculer(p, "20", "12", "1992");
  controle<QPushButton>(p, "copy_eph")->click();
  controle<QPushButton>(p, "copy_eph")->click();
  ASSERT_EQ(c.rapports.size(), 2u);
  EXPECT_EQ(c.rapports[0], c.rapports[1]);
  const QString& r = c.rapports[0];
  EXPECT_TRUE(
      r.startsWith("Vénus\r\n\r\nLe 20 Décembre 1992 à 00:00:00\r\nA Votre site\t48° 49' 59\" N, 2° 21' 0\" O"
                   "\r\n\r\n"))
      << r.toStdString();
  EXPECT_TRUE(r.contains("Ascension droite \t21 h 04 m 41 s\r\n"));
  EXPECT_TRUE(r.contains("Longitude moyenne \t" + etiquette(p, "lmp") + "\r\n"));
  EXPECT_TRUE(r.endsWith("\r\n\r\n"));
  EXPECT_FALSE(r.contains(QRegularExpression("[^\r]\n")));  // every line ends with CR LF

  // Nothing checked: nothing appended.
  for (const char* nom : {"c_e_s", "c_e_coor", "c_e_div", "c_e_e", "c_e_dt", "c_e_p"})
    controle<QCheckBox>(p, nom)->setChecked(false);
  p.copier();
  EXPECT_EQ(c.rapports.size(), 2u);

  // The date block only; it tells the date of the values shown, even after the
  // fields were changed without computing.
  controle<QCheckBox>(p, "c_e_dt")->setChecked(true);
  taper(controle<EditionSpin>(p, "e_jour"), "3");
  p.copier();
  ASSERT_EQ(c.rapports.size(), 3u);
  EXPECT_EQ(c.rapports[2], "Le 20 Décembre 1992 à 00:00:00\r\n");
}

TEST_F(PageEphemeridesTest, LeavingTheDayAndYearFieldsRunsTheirChecks) {
  PageEphemerides p(c);
  ASSERT_TRUE(activer(p));
  auto* jour = controle<EditionSpin>(p, "e_jour");
  auto* an = controle<EditionSpin>(p, "e_an");
  auto* ok = controle<QPushButton>(p, "b_ephemeride");
  taper(controle<EditionSpin>(p, "e_mois"), "4");
  taper(an, "2023");
  jour->setFocus();
  taper(jour, "x3a1");  // the key filter keeps the digits only
  EXPECT_EQ(texte_edition(p, "e_jour"), "31");
  ok->setFocus();
  EXPECT_EQ(texte_edition(p, "e_jour"), "30");
  jour->setFocus();
  taper(jour, "0");
  ok->setFocus();
  EXPECT_EQ(texte_edition(p, "e_jour"), "1");
  EXPECT_TRUE(c.messages_.recus.empty());

  const int avant = c.validations_annees;
  an->setFocus();
  taper(an, "-12a");
  EXPECT_EQ(texte_edition(p, "e_an"), "-12");
  ok->setFocus();
  EXPECT_EQ(c.validations_annees, avant + 1);
}

TEST_F(PageEphemeridesTest, NowButtonSetsTheOptionsTimeAndStartDate) {
  c.session_.poser_dates({false, true, false, true});  // midnight, start-up date
  PageEphemerides p(c);
  controle<QTimeEdit>(p, "e_temps")->setTime(QTime(8, 15, 0));
  controle<QPushButton>(p, "nowephe")->click();
  EXPECT_EQ(controle<QTimeEdit>(p, "e_temps")->time(), QTime(0, 0, 0));
  EXPECT_EQ(date_affichee(p), (date_jma{14, 7, 2024}));
  EXPECT_EQ(p.resultat().jour_julien, 2460505.5L);

  c.session_.poser_dates({true, false, true, false});  // present time, date kept
  calculer(p, "1", "1", "2000");
  controle<QPushButton>(p, "nowephe")->click();
  EXPECT_EQ(controle<QTimeEdit>(p, "e_temps")->time(), QTime(21, 4, 5));
  EXPECT_EQ(date_affichee(p), (date_jma{1, 1, 2000}));
  EXPECT_NEAR(static_cast<double>(p.resultat().jour_julien), 2451544.5 + (21 + 4 / 60.0 + 5 / 3600.0) / 24, 1e-5);
}

}  // namespace
