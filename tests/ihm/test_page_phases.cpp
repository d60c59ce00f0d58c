#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "calcul/pages/phases.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page_impression.h"
#include "ihm/pages/page_phases.h"
#include "outils_pages.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::EditionSpin;
using almanax::ihm::FenetrePrincipale;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::PageImpression;
using almanax::ihm::PagePhases;
using namespace almanax::ihm::test;

namespace {

QTreeWidget* liste(const QWidget& p, int mois) {
  return controle<QTreeWidget>(p, QStringLiteral("lt_lune%1").arg(mois).toLatin1().constData());
}

// The copy of the six lists as the rows show them: "Caption TAB Le date à heure" each.
QString rapport_des_lignes(const QWidget& p) {
  QString t = QStringLiteral("Phases de la Lune\r\n\r\n");
  for (int m = 1; m <= 6; ++m) {
    const QTreeWidget* l = liste(p, m);
    for (int i = 0; l && i < l->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* r = l->topLevelItem(i);
      t += r->text(0) + "\tLe " + r->text(1) + " à " + r->text(2) + "\r\n";
    }
  }
  return t;
}

int pixels_clairs(const QImage& i, int x_min, int x_max) {
  int n = 0;
  for (int y = 0; y < i.height(); ++y)
    for (int x = x_min; x <= x_max; ++x) n += qAlpha(i.pixel(x, y)) > 200 && qGray(i.pixel(x, y)) > 200;
  return n;
}

class PagePhasesTest : public ::testing::Test {
 protected:
  static void calculer(PagePhases& p, const QString& mois, const QString& an) {
    taper(controle<EditionSpin>(p, "mois_dep"), mois);
    taper(controle<EditionSpin>(p, "an_dep"), an);
    controle<QPushButton>(p, "bt_phase")->click();
  }
  ContexteTest c;
};

TEST_F(PagePhasesTest, ListsInThreeRowsOfTwo) {
  PagePhases p(c);
  p.resize(816, 540);  // the page area of the window at its design size
  ASSERT_TRUE(activer(p));
  for (int m = 1; m <= 6; ++m) {
    const QTreeWidget* l = liste(p, m);
    const QTreeWidgetItem* entete = l->headerItem();
    EXPECT_EQ(QStringList({entete->text(0), entete->text(1), entete->text(2)}),
              QStringList({"Phase", "Date", "Heure"}));
    EXPECT_EQ(entete->textAlignment(1) & Qt::AlignHCenter, Qt::AlignHCenter);
    // At least the design widths, wider only where the font needs it, and all seen.
    EXPECT_GE(l->columnWidth(0), 105);
    EXPECT_GE(l->columnWidth(1), 105);
    EXPECT_GE(l->columnWidth(2), 85);
    EXPECT_GE(l->viewport()->width(), l->columnWidth(0) + l->columnWidth(1) + l->columnWidth(2));
  }
  for (int rang = 0; rang < 3; ++rang) {
    const QTreeWidget* gauche = liste(p, 2 * rang + 1);
    const QTreeWidget* droite = liste(p, 2 * rang + 2);
    EXPECT_EQ(gauche->y(), droite->y()) << rang;
    EXPECT_LT(gauche->geometry().right(), droite->x()) << rang;
    if (rang > 0) {
      EXPECT_GT(gauche->y(), liste(p, 2 * rang - 1)->geometry().bottom()) << rang;
    }
  }
}

TEST_F(PagePhasesTest, RowsAndCopyEqualTheCommandLine) {
  const LocaleTemporaire c_locale(QLocale::c());
  PagePhases p(c);
  // From December: the lists run on into the next year.
  calculer(p, "12", "2023");
  const QByteArray sortie = ligne_de_commande({"--rapport", "phases", "--mois", "12", "--annee", "2023"});
  ASSERT_FALSE(sortie.isEmpty());
  EXPECT_EQ(rapport_des_lignes(p).toUtf8(), sortie);
  p.copier();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_EQ(c.rapports[0].toUtf8(), sortie);

  const char* const mois[] = {"Décembre 2023", "Janvier 2024", "Février 2024", "Mars 2024", "Avril 2024", "Mai 2024"};
  const auto& images = p.images_lune();
  // Each list holds its month's rows, each with the picture of its phase.
  for (int m = 1; m <= 6; ++m) {
    const QTreeWidget* l = liste(p, m);
    ASSERT_GE(l->topLevelItemCount(), 3) << m;
    for (int i = 0; i < l->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* r = l->topLevelItem(i);
      EXPECT_TRUE(r->text(1).endsWith(QString::fromUtf8(mois[m - 1]))) << r->text(1).toStdString();
      const auto k = static_cast<std::size_t>(r->text(0) == "Nouvelle Lune"      ? 0
                                              : r->text(0) == "Premier Quartier" ? 1
                                              : r->text(0) == "Pleine Lune"      ? 2
                                                                                 : 3);
      EXPECT_EQ(r->icon(0).pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32), images[k]) << m << " " << i;
    }
  }
  // December 2023 holds its last quarter of the 5th after the other kinds: the rows go by kind.
  EXPECT_EQ(liste(p, 1)->topLevelItem(3)->text(0), "Dernier Quartier");
  EXPECT_EQ(liste(p, 1)->topLevelItem(3)->text(1), "05 Décembre 2023");
}

TEST_F(PagePhasesTest, ArrowsWrapAndRecomputeAtOnce) {
  PagePhases p(c);
  p.poser_date_de_demarrage({1, 12, 2023});
  controle<EditionSpin>(p, "mois_dep")->stepBy(1);  // December goes round to January of the same year
  EXPECT_EQ(texte_edition(p, "mois_dep"), "1");
  EXPECT_EQ(p.resultat().listes[0].mois, 1);
  EXPECT_EQ(p.resultat().listes[0].annee, 2023);
  // A month typed past the bounds is computed, and shown, at the bound; each
  // computation starts from empty lists.
  calculer(p, "15", "2000");
  EXPECT_EQ(texte_edition(p, "mois_dep"), "12");
  for (int m = 1; m <= 6; ++m)
    EXPECT_EQ(liste(p, m)->topLevelItemCount(), static_cast<int>(p.resultat().listes[m - 1].phases.size()));
}

TEST_F(PagePhasesTest, MoonPicturesByPhase) {
  PagePhases p(c);
  const auto& i = p.images_lune();
  const int n = almanax::ihm::cote_image_liste, milieu = n / 2;
  for (const QImage& image : i) {
    ASSERT_EQ(image.size(), QSize(n, n));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // transparent outside the disc
  }
  EXPECT_EQ(pixels_clairs(i[0], 0, n - 1), 0);       // new moon: all dark
  EXPECT_GT(pixels_clairs(i[2], 2, milieu - 2), n);  // full moon: lit on both sides
  EXPECT_GT(pixels_clairs(i[2], milieu + 1, n - 3), n);
  EXPECT_GT(pixels_clairs(i[1], milieu + 1, n - 1), n);  // first quarter: the right half
  EXPECT_EQ(pixels_clairs(i[1], 0, milieu - 2), 0);
  EXPECT_GT(pixels_clairs(i[3], 0, milieu - 2), n);  // last quarter: the left half
  EXPECT_EQ(pixels_clairs(i[3], milieu + 1, n - 1), 0);
}

TEST_F(PagePhasesTest, CopyTakesTheCheckedMonthsOnly) {
  PagePhases p(c);
  p.copier();  // nothing computed yet: nothing, not even the title
  EXPECT_TRUE(c.rapports.empty());
  calculer(p, "10", "1997");
  for (int m : {1, 3, 4, 5, 6})
    controle<QCheckBox>(p, QStringLiteral("cbm%1").arg(m).toLatin1().constData())->setChecked(false);
  controle<QPushButton>(p, "copy_pl")->click();
  ASSERT_EQ(c.rapports.size(), 1u);
  const std::string novembre = almanax::copie_phases(p.resultat(), {false, true, false, false, false, false});
  EXPECT_EQ(c.rapports[0].toStdString(), novembre);
  EXPECT_NE(novembre.find("Novembre 1997"), std::string::npos);
  EXPECT_EQ(novembre.find("Octobre"), std::string::npos);
  controle<QCheckBox>(p, "cbm2")->setChecked(false);
  p.copier();
  EXPECT_EQ(c.rapports.size(), 1u);
}

// The whole window: the page computed at start-up for the start-up month, copied to the
// "Impression" page and printed as the command line prints it, byte for byte.
TEST(PagesFenetre, PhasesStartUpCopyThenPrint) {
  const LocaleTemporaire c_locale(QLocale::c());
  DossierTravail d;
  vider_reglages();
  MessagesEnregistres messages;
  DialoguesEnregistres dialogues;
  FenetrePrincipale::parametres parametres;
  parametres.messages = &messages;
  parametres.dialogues = &dialogues;
  auto f = std::make_unique<FenetrePrincipale>(parametres);
  auto* phases = qobject_cast<PagePhases*>(f->page("phases_lune"));
  auto* imp = qobject_cast<PageImpression*>(f->page("print_all"));
  ASSERT_TRUE(phases && imp);
  const QDate aujourdhui = QDate::currentDate();
  EXPECT_EQ(texte_edition(*phases, "mois_dep"), QString::number(aujourdhui.month()));
  EXPECT_EQ(texte_edition(*phases, "an_dep"), QString::number(aujourdhui.year()));
  EXPECT_GT(liste(*phases, 1)->topLevelItemCount(), 0);
  EXPECT_TRUE(imp->texte().isEmpty());

  controle<QPushButton>(*phases, "copy_pl")->click();
  controle<QPushButton>(*imp, "bt_imprim")->click();
  ASSERT_EQ(dialogues.impressions.size(), 1u);
  EXPECT_EQ(dialogues.impressions[0].texte.toUtf8(),
            ligne_de_commande({"--rapport", "phases", "--mois", QString::number(aujourdhui.month()), "--annee",
                               QString::number(aujourdhui.year())}));
  EXPECT_TRUE(messages.recus.empty());
  f.reset();
  vider_reglages();
}

}  // namespace
