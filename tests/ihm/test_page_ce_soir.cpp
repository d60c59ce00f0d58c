// The "Ce soir" page: its copy is the command line's report for the same evening, site
// and time scale; its chart is the report's picture; the civil time option and the site
// make it compute again.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>

#include "donnees/fuseaux.h"
#include "ihm/pages/page_ce_soir.h"
#include "outils_pages.h"

using almanax::ihm::EditionSpin;
using almanax::ihm::PageCeSoir;
using namespace almanax::ihm::test;

TEST(PageCeSoir, CopieEtImageCommeLaLigneDeCommande) {
  const LocaleTemporaire point(QLocale::c());
  struct cas {
    const char* date;
    int jour, mois, annee;
    const char* heure;
    const char* fuseau;  // "" : times as they stand
  };
  for (const cas c :
       {cas{"21/06/2026", 21, 6, 2026, "23:30", "Europe/Paris"}, cas{"21/12/2026", 21, 12, 2026, "22:00", ""}}) {
    SCOPED_TRACE(c.date);
    ContexteTest contexte;
    placer_site(contexte, site_essai());
    if (*c.fuseau) {
      ASSERT_TRUE(contexte.session_.choisir_fuseau(c.fuseau));
      contexte.session_.poser_heure_legale(true);
    }
    PageCeSoir page(contexte);
    page.poser_date_de_demarrage({c.jour, c.mois, c.annee});
    controle<QTimeEdit>(page, "heure_soir")->setTime(QTime::fromString(c.heure, "HH:mm"));
    controle<QPushButton>(page, "b_ce_soir")->click();
    controle<QPushButton>(page, "copy_soir")->click();
    ASSERT_EQ(contexte.rapports.size(), 1u);

    QTemporaryDir d;
    const QString image = d.filePath("soir.png");
    QStringList arguments{"--rapport", "ce-soir", "--date", c.date, "--heure", c.heure,
                          "--lat",     "48.8333", "--lon",  "2.35", "--image", image};
    if (*c.fuseau) arguments << "--fuseau" << c.fuseau;
    EXPECT_EQ(contexte.rapports[0].toStdString(), ligne_de_commande(arguments).toStdString());
    EXPECT_EQ(QImage(image).convertToFormat(QImage::Format_RGB32), page.image().convertToFormat(QImage::Format_RGB32));

    // The table shows the result's texts; the Sun's labels too.
    const auto* table = controle<QTableWidget>(page, "table_soir");
    ASSERT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->item(3, 0)->text(), "Mars");
    EXPECT_EQ(table->item(3, 1)->text().toStdString(), page.resultat().astres[3].textes.lever);
    EXPECT_EQ(etiquette(page, "soir_0").toStdString(), page.resultat().soleil[0].texte_soir);
    EXPECT_EQ(etiquette(page, "nuit_soir").toStdString(), page.resultat().nuit);
  }
}

TEST(PageCeSoir, HeureLegaleEtSiteRecalculent) {
  ContexteTest contexte;
  almanax::site_nomme paris{"Paris", 48.8567L, -2.3508L};  // longitude positive west
  placer_site(contexte, paris);
  PageCeSoir page(contexte);
  page.poser_date_de_demarrage({21, 6, 2026});
  page.calculer();
  // As they stand: the Sun sets at 19 h 58 UT in Paris.
  EXPECT_EQ(etiquette(page, "soir_0"), "19 h 58 m");
  EXPECT_EQ(etiquette(page, "echelle_soir"), "Heures telles quelles");
  ASSERT_TRUE(contexte.session_.choisir_fuseau("Europe/Paris"));
  contexte.session_.poser_heure_legale(true);
  page.echelle_changee();  // what the window does on the session's signal
  EXPECT_EQ(etiquette(page, "soir_0"), "21 h 58 m");
  EXPECT_EQ(etiquette(page, "echelle_soir"), "Heures : heure légale, UTC+2");
  // Far north: no night at all.
  almanax::site_nomme nord = paris;
  nord.latitude = 70;
  placer_site(contexte, nord);
  page.site_change();
  EXPECT_TRUE(etiquette(page, "nuit_soir").startsWith("Jour polaire")) << etiquette(page, "nuit_soir").toStdString();
  EXPECT_EQ(etiquette(page, "soir_0"), "jour polaire");
}
