#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimeEdit>
#include <map>

#include "calcul/pages/soleil_lune.h"
#include "ihm/pages/page_soleil_lune.h"
#include "outils_pages.h"

using almanax::date_jma;
using almanax::textes_lune;
using almanax::textes_soleil;
using almanax::ihm::EditionSpin;
using almanax::ihm::PageSoleilLune;
using namespace almanax::ihm::test;

namespace {

const std::pair<const char*, std::string textes_soleil::*> etiquettes_soleil[] = {
    {"long_g_sol", &textes_soleil::longitude_geometrique},
    {"long_a_sol", &textes_soleil::longitude_apparente},
    {"lat_a_sol", &textes_soleil::latitude_apparente},
    {"asc_a_sol", &textes_soleil::ascension_droite},
    {"dec_a_sol", &textes_soleil::declinaison},
    {"dist_t_sol", &textes_soleil::distance_terre},
    {"sol_lev", &textes_soleil::heure_lever},
    {"sol_mer", &textes_soleil::heure_meridien},
    {"sol_cou", &textes_soleil::heure_coucher},
};

const std::pair<const char*, std::string textes_lune::*> etiquettes_lune[] = {
    {"long_lune", &textes_lune::longitude},         {"lat_lune", &textes_lune::latitude},
    {"asc_lune", &textes_lune::ascension_droite},   {"dec_lune", &textes_lune::declinaison},
    {"dist_lune", &textes_lune::distance_terre},    {"par_lune", &textes_lune::parallaxe},
    {"ill_lune", &textes_lune::fraction_illuminee}, {"dia_lune", &textes_lune::diametre_apparent},
    {"lune_lev", &textes_lune::heure_lever},        {"lune_mer", &textes_lune::heure_meridien},
    {"lune_cou", &textes_lune::heure_coucher},
};

class PageSoleilLuneTest : public ::testing::Test {
 protected:
  PageSoleilLuneTest() { placer_site(c, site_essai()); }

  static void calculer(PageSoleilLune& p, const QString& jour, const QString& mois, const QString& an,
                       QTime heure = QTime(0, 0, 0)) {
    taper(controle<EditionSpin>(p, "jour_sol"), jour);
    taper(controle<EditionSpin>(p, "mois_sol"), mois);
    taper(controle<EditionSpin>(p, "an_sol"), an);
    controle<QTimeEdit>(p, "heure_sol")->setTime(heure);
    controle<QPushButton>(p, "b_soleil")->click();
  }
  static date_jma date_affichee(const PageSoleilLune& p) {
    return {texte_edition(p, "jour_sol").toInt(), texte_edition(p, "mois_sol").toInt(),
            texte_edition(p, "an_sol").toInt()};
  }
  static int blancs(const QImage& i, int x_min, int x_max) {
    int n = 0;
    for (int y = 0; y < i.height(); ++y)
      for (int x = x_min; x <= x_max; ++x) n += i.pixel(x, y) == QColor(Qt::white).rgb();
    return n;
  }

  ContexteTest c;
};

TEST_F(PageSoleilLuneTest, DefaultsAndTheHiddenMoonButton) {
  PageSoleilLune p(c);
  EXPECT_EQ(date_affichee(p), (date_jma{13, 10, 1992}));
  EXPECT_TRUE(controle<EditionSpin>(p, "an_sol")->boucle());
  EXPECT_FALSE(controle<EditionSpin>(p, "jour_sol")->boucle());
  EXPECT_EQ(controle<EditionSpin>(p, "jour_sol")->nomSpin(), "up_jour_sol");
  auto* b_lune = controle<QPushButton>(p, "b_lune");
  EXPECT_TRUE(b_lune->isHidden());
  EXPECT_EQ(b_lune->text(), "b_lune");
  EXPECT_EQ(controle<QPushButton>(p, "BitBtn5")->text(), "&Maintenant");
  EXPECT_EQ(controle<QGroupBox>(p, "GroupBox3")->title(), "Soleil");
  EXPECT_EQ(controle<QGroupBox>(p, "GroupBox4")->title(), "Lune");
  for (const char* nom : {"c_dts", "c_ls", "c_ss", "c_lls"}) EXPECT_TRUE(controle<QCheckBox>(p, nom)->isChecked());
  EXPECT_EQ(p.bouton_calcul(), controle<QPushButton>(p, "b_soleil"));
}

TEST_F(PageSoleilLuneTest, TypedInputsToBothGroups) {
  PageSoleilLune p(c);
  calculer(p, "13", "10", "1992");
  // The worked example of the Sun on 1992 October 13 at 0 h.
  EXPECT_EQ(p.resultat().jour_julien, 2448908.5L);
  EXPECT_EQ(etiquette(p, "dist_t_sol"), "0,99761");
  EXPECT_EQ(etiquette(p, "long_a_sol"), "199 ° 54 '  22 ''");

  const almanax::resultat_soleil_lune attendu =
      almanax::calcul_soleil_lune({{13, 10, 1992}, 0, 0, 0, 0}, c.session_.site(), ",");
  for (const auto& [nom, texte] : etiquettes_soleil) {
    EXPECT_EQ(etiquette(p, nom).toStdString(), attendu.soleil.textes.*texte) << nom;
    EXPECT_FALSE(etiquette(p, nom).isEmpty()) << nom;
  }
  // The Moon follows the Sun through the hidden button, for the same instant.
  EXPECT_EQ(p.resultat().lune.jour_julien, p.resultat().jour_julien);
  for (const auto& [nom, texte] : etiquettes_lune) {
    EXPECT_EQ(etiquette(p, nom).toStdString(), attendu.lune.textes.*texte) << nom;
    EXPECT_FALSE(etiquette(p, nom).isEmpty()) << nom;
  }
}

TEST_F(PageSoleilLuneTest, LabelsAndCopyEqualTheCommandLine) {
  const LocaleTemporaire c_locale(QLocale::c());
  DossierTravail d;
  PageSoleilLune p(c);
  calculer(p, "22", "6", "2024", QTime(1, 5, 30));
  const QByteArray sortie = ligne_de_commande(
      {"--rapport", "soleil-lune", "--date", "22/06/2024", "--heure", "01:05:30", "--lat", "48.8333", "--lon", "2.35"});
  p.copier();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_EQ(c.rapports[0].toUtf8(), sortie);

  // Each "caption TAB value" line of the command line's report, by group.
  std::map<QString, QString> soleil, lune;
  std::map<QString, QString>* groupe = nullptr;
  for (const QString& ligne : QString::fromUtf8(sortie).split("\r\n")) {
    if (ligne == "Soleil ") groupe = &soleil;
    if (ligne == "Lune ") groupe = &lune;
    const qsizetype tab = ligne.indexOf('\t');
    if (groupe && tab > 0) (*groupe)[ligne.left(tab)] = ligne.mid(tab + 1);
  }
  const std::tuple<std::map<QString, QString>*, const char*, const char*, const char*> lignes[] = {
      {&soleil, "Longitude géométrique ", "long_g_sol", ""},
      {&soleil, "Longitude apparente ", "long_a_sol", ""},
      {&soleil, "Latitude apparente ", "lat_a_sol", ""},
      {&soleil, "Ascension droite apparente ", "asc_a_sol", ""},
      {&soleil, "Déclinaison apparente ", "dec_a_sol", ""},
      {&soleil, "Distance à la Terre ", "dist_t_sol", " UA"},
      {&soleil, "Lever ", "sol_lev", ""},
      {&soleil, "Méridien ", "sol_mer", ""},
      {&soleil, "Coucher ", "sol_cou", ""},
      {&lune, "Longitude géocentrique ", "long_lune", ""},
      {&lune, "Latitude géocentrique ", "lat_lune", ""},
      {&lune, "Ascension droite ", "asc_lune", ""},
      {&lune, "Déclinaison ", "dec_lune", ""},
      {&lune, "Distance à la Terre ", "dist_lune", " km"},
      {&lune, "parallaxe ", "par_lune", ""},
      {&lune, "Fraction illuminée ", "ill_lune", " %"},
      {&lune, "Diamètre apparent ", "dia_lune", ""},
      {&lune, "Lever ", "lune_lev", ""},
      {&lune, "Méridien ", "lune_mer", ""},
      {&lune, "Coucher ", "lune_cou", ""},
  };
  for (const auto& [g, legende, nom, suffixe] : lignes) {
    const QString cle = QString::fromUtf8(legende);
    ASSERT_TRUE(g->count(cle)) << legende;
    EXPECT_EQ(etiquette(p, nom) + QString::fromUtf8(suffixe), g->at(cle)) << nom;
  }
}

TEST_F(PageSoleilLuneTest, DateSpinsNormaliseAndRecompute) {
  PageSoleilLune p(c);
  controle<QTimeEdit>(p, "heure_sol")->setTime(QTime(0, 0, 0));
  EditionSpin* jour = controle<EditionSpin>(p, "jour_sol");
  EditionSpin* an = controle<EditionSpin>(p, "an_sol");
  p.poser_date_de_demarrage({31, 1, 2024});
  jour->stepBy(1);
  EXPECT_EQ(date_affichee(p), (date_jma{1, 2, 2024}));
  EXPECT_EQ(p.resultat().jour_julien, 2460341.5L);
  EXPECT_EQ(p.resultat().lune.jour_julien, 2460341.5L);
  p.poser_date_de_demarrage({15, 10, 1582});
  jour->stepBy(-1);
  EXPECT_EQ(date_affichee(p), (date_jma{4, 10, 1582}));
  EXPECT_EQ(p.resultat().jour_julien, 2299159.5L);
  p.poser_date_de_demarrage({12, 5, 1});
  an->stepBy(-1);
  EXPECT_EQ(date_affichee(p), (date_jma{12, 5, -1}));
  an->stepBy(1);
  EXPECT_EQ(date_affichee(p), (date_jma{12, 5, 1}));
  // The year goes round at its ends.
  p.poser_date_de_demarrage({1, 6, 9999});
  an->stepBy(1);
  EXPECT_EQ(date_affichee(p), (date_jma{1, 6, -4713}));
}

TEST_F(PageSoleilLuneTest, LeavingTheDayAndYearFieldsRunsTheirChecks) {
  PageSoleilLune p(c);
  ASSERT_TRUE(activer(p));
  auto* jour = controle<EditionSpin>(p, "jour_sol");
  auto* an = controle<EditionSpin>(p, "an_sol");
  auto* ok = controle<QPushButton>(p, "b_soleil");
  taper(controle<EditionSpin>(p, "mois_sol"), "4");
  jour->setFocus();
  taper(jour, "31");
  ok->setFocus();
  EXPECT_EQ(texte_edition(p, "jour_sol"), "30");
  jour->setFocus();
  taper(jour, "0");
  ok->setFocus();
  EXPECT_EQ(texte_edition(p, "jour_sol"), "1");
  const int avant = c.validations_annees;
  an->setFocus();
  ok->setFocus();
  EXPECT_EQ(c.validations_annees, avant + 1);
}

TEST_F(PageSoleilLuneTest, MoonPictureLitOnTheRight) {
  PageSoleilLune p(c);
  const QRgb face = p.palette().color(QPalette::Window).rgb();
  // New Moon, 2024 July 5 at 22:57: the dotted outline alone.
  calculer(p, "5", "7", "2024", QTime(22, 57, 0));
  EXPECT_EQ(p.resultat().lune.fraction_arrondie, 0);
  EXPECT_EQ(blancs(p.image_lune(), 0, 99), 0);
  EXPECT_EQ(p.image_lune().pixel(50, 50), face);
  // Full Moon, 2024 June 22 at 1:08: the whole disc stays white.
  calculer(p, "22", "6", "2024", QTime(1, 8, 0));
  EXPECT_EQ(p.resultat().lune.fraction_arrondie, 100);
  EXPECT_EQ(p.image_lune().pixel(5, 50), QColor(Qt::white).rgb());
  EXPECT_EQ(p.image_lune().pixel(94, 50), QColor(Qt::white).rgb());
  EXPECT_EQ(p.image_lune().pixel(0, 0), face);
  // The first and the last quarter both show the right half lit.
  for (const auto& [jour, heure] : {std::pair{"13", QTime(22, 49, 0)}, std::pair{"28", QTime(2, 51, 0)}}) {
    calculer(p, jour, "7", "2024", heure);
    EXPECT_NEAR(p.resultat().lune.fraction_arrondie, 50, 1) << jour;
    EXPECT_GT(blancs(p.image_lune(), 52, 99), 3000) << jour;
    EXPECT_EQ(blancs(p.image_lune(), 0, 47), 0) << jour;
  }
  // The strokes are black.
  EXPECT_EQ(p.image_lune().pixel(99, 50), QColor(Qt::black).rgb());
}

TEST_F(PageSoleilLuneTest, CopyAppendsEachTimeEvenWithNothingChecked) {
  PageSoleilLune p(c);
  calculer(p, "13", "10", "1992");
  controle<QPushButton>(p, "copy_sol")->click();
  controle<QPushButton>(p, "copy_sol")->click();
  ASSERT_EQ(c.rapports.size(), 2u);
  EXPECT_EQ(c.rapports[0], c.rapports[1]);
  const QString& r = c.rapports[0];
  EXPECT_TRUE(r.startsWith("Le 13 Octobre 1992 à 00:00:00\r\nA Votre site\t")) << r.toStdString();
  EXPECT_TRUE(r.contains("Soleil \r\n\r\nLongitude géométrique \t" + etiquette(p, "long_g_sol") + "\r\n"));
  EXPECT_TRUE(r.contains("Lune \r\n\r\nLongitude géocentrique \t" + etiquette(p, "long_lune") + "\r\n"));
  EXPECT_TRUE(r.contains("Distance à la Terre \t0,99761 UA\r\n"));

  // Only the Moon.
  for (const char* nom : {"c_dts", "c_ls", "c_ss"}) controle<QCheckBox>(p, nom)->setChecked(false);
  p.copier();
  ASSERT_EQ(c.rapports.size(), 3u);
  EXPECT_TRUE(c.rapports[2].startsWith("Lune \r\n\r\n"));
  EXPECT_FALSE(c.rapports[2].contains("Soleil"));
  // Nothing checked: one empty line, appended all the same.
  controle<QCheckBox>(p, "c_lls")->setChecked(false);
  p.copier();
  ASSERT_EQ(c.rapports.size(), 4u);
  EXPECT_EQ(c.rapports[3], "\r\n");
}

TEST_F(PageSoleilLuneTest, NowButtonAndTimePicker) {
  c.session_.poser_dates({false, true, true, false});  // noon, start-up date
  PageSoleilLune p(c);
  controle<QPushButton>(p, "BitBtn5")->click();
  EXPECT_EQ(controle<QTimeEdit>(p, "heure_sol")->time(), QTime(12, 0, 0));
  EXPECT_EQ(date_affichee(p), (date_jma{14, 7, 2024}));
  EXPECT_EQ(p.resultat().jour_julien, 2460506.0L);
  EXPECT_EQ(p.resultat().lune.jour_julien, 2460506.0L);
  // Finishing an edit of the time picker recomputes.
  auto* heure = controle<QTimeEdit>(p, "heure_sol");
  heure->setTime(QTime(18, 0, 0));
  emit heure->editingFinished();
  EXPECT_EQ(p.resultat().jour_julien, 2460506.25L);
}

}  // namespace
