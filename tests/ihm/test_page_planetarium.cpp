#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "dessin/dessin_planetarium.h"
#include "ihm/controles/onglets.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page_planetarium_geo.h"
#include "ihm/pages/page_planetarium_helio.h"
#include "outils_pages.h"

using almanax::date_jma;
using namespace almanax;
using namespace almanax::ihm;
using namespace almanax::ihm::test;

namespace {

date_jma date_des_champs(const QWidget& p, const char* j, const char* m, const char* a) {
  return {texte_edition(p, j).toInt(), texte_edition(p, m).toInt(), texte_edition(p, a).toInt()};
}
date_jma date_helio(const PagePlanetariumHelio& p) {
  return date_des_champs(p, "h_jour", "h_mois", "h_an");
}
date_jma date_geo(const PagePlanetariumGeo& p) {
  return date_des_champs(p, "ejg", "emg", "eag");
}

void poser_date(QWidget& p, const char* j, const char* m, const char* a, const date_jma& d) {
  controle<EditionSpin>(p, j)->setPosition(d.jour);
  controle<EditionSpin>(p, m)->setPosition(d.mois);
  controle<EditionSpin>(p, a)->setPosition(d.annee);
}

void cocher(QWidget& p, const char* nom) {
  controle<QRadioButton>(p, nom)->click();
}
void cliquer(QWidget& p, const char* nom) {
  controle<QPushButton>(p, nom)->click();
}
void cliquer_image(QWidget& p, const char* nom, QPoint point) {
  QTest::mouseClick(controle<QLabel>(p, nom), Qt::LeftButton, {}, point);
}

}  // namespace

// The steps of the heliocentric page, in "Manuel" mode: one step per click, the date
// normalised as the spins do.
TEST(PagePlanetariumHelio, PasManuels) {
  ContexteTest c;
  PagePlanetariumHelio p(c);
  cocher(p, "defilh1");  // Manuel
  const struct {
    date_jma depart;
    const char* intervalle;
    const char* bouton;
    int clics;
    date_jma arrivee;
  } cas[] = {
      {{31, 1, 2023}, "rg_helio1", "bt_helio_next", 1, {3, 3, 2023}},
      {{15, 10, 1582}, "rg_helio0", "bt_helio_prev", 1, {4, 10, 1582}},
      {{30, 12, 2026}, "rg_helio0", "bt_helio_next", 3, {2, 1, 2027}},
      {{10, 6, 2}, "rg_helio2", "bt_helio_prev", 2, {10, 6, -1}},
  };
  for (const auto& k : cas) {
    poser_date(p, "h_jour", "h_mois", "h_an", k.depart);
    cocher(p, k.intervalle);
    for (int i = 0; i < k.clics; ++i) cliquer(p, k.bouton);
    EXPECT_FALSE(p.anime());
    EXPECT_EQ(date_helio(p), k.arrivee) << k.depart.jour << "/" << k.depart.mois << "/" << k.depart.annee;
    EXPECT_EQ(p.resultat().instant.instant.date, k.arrivee);
  }
  // The dropped days of October 1582 typed in the fields are drawn as the 4th or the 15th.
  poser_date(p, "h_jour", "h_mois", "h_an", {7, 10, 1582});
  cliquer(p, "b_helio");
  EXPECT_EQ(date_helio(p), (date_jma{4, 10, 1582}));
}

// A click selects the planet whose disc is under the mouse; its outline, the red
// direction labels and the background select nothing; the choice survives redraws;
// with every planet switched off nothing can be selected.
TEST(PagePlanetariumHelio, ChoixParLaCouleur) {
  ContexteTest c;
  PagePlanetariumHelio p(c);
  poser_date(p, "h_jour", "h_mois", "h_an", {1, 1, 2000});
  cliquer(p, "b_helio");
  const QWidget* pinfoh = controle<QWidget>(p, "pinfoh");
  EXPECT_TRUE(pinfoh->isHidden());

  const int mars = static_cast<int>(planete::mars);
  const pixel m = p.resultat().planetes[mars].position;
  cliquer_image(p, "pb_helio", {m.x, m.y});
  ASSERT_EQ(p.planete_choisie(), mars);
  EXPECT_FALSE(pinfoh->isHidden());
  EXPECT_EQ(etiquette(p, "lbnomh"), "Mars");
  EXPECT_EQ(etiquette(p, "llh").toStdString(), p.resultat().planetes[mars].texte_longitude);
  EXPECT_TRUE(etiquette(p, "lrh").endsWith(" U.A.")) << etiquette(p, "lrh").toStdString();

  // A day later the panel shows Mars again, moved.
  const QString avant = etiquette(p, "llh");
  cocher(p, "defilh1");
  cliquer(p, "bt_helio_next");
  EXPECT_EQ(p.planete_choisie(), mars);
  EXPECT_NE(etiquette(p, "llh"), avant);

  // The outline is black: nothing selected.
  const pixel m2 = p.resultat().planetes[mars].position;
  ASSERT_EQ(p.image().pixelColor(m2.x + 4, m2.y), QColor(Qt::black));
  cliquer_image(p, "pb_helio", {m2.x + 4, m2.y});
  EXPECT_FALSE(p.planete_choisie());
  EXPECT_TRUE(pinfoh->isHidden());
  EXPECT_EQ(etiquette(p, "lbnomh"), "");

  // The "0°" label is drawn in Mars's red, but is no disc.
  std::optional<QPoint> rouge;
  for (int y = 0; y < 30 && !rouge; ++y)
    for (int x = 250; x < 300 && !rouge; ++x)
      if (p.image().pixelColor(x, y) == QColor(255, 0, 0)) rouge = QPoint(x, y);
  ASSERT_TRUE(rouge);
  cliquer_image(p, "pb_helio", *rouge);
  EXPECT_FALSE(p.planete_choisie());

  cliquer_image(p, "pb_helio", {m2.x, m2.y});
  EXPECT_EQ(p.planete_choisie(), mars);
  for (QToolButton* b : p.findChildren<QToolButton*>()) b->click();
  for (const bool montre : p.corps_montres()) EXPECT_FALSE(montre);
  for (const planete_helio& ph : p.resultat().planetes) {
    EXPECT_EQ(p.image().pixelColor(ph.position.x, ph.position.y) ==
                  dessin::couleur_qt(couleurs_helio[static_cast<int>(ph.p)]),
              false);
    cliquer_image(p, "pb_helio", {ph.position.x, ph.position.y});
    EXPECT_FALSE(p.planete_choisie()) << nom_planete(ph.p);
  }
}

TEST(PagePlanetariumGeo, ChoixPasEtListe) {
  ContexteTest c;
  PagePlanetariumGeo p(c);
  poser_date(p, "ejg", "emg", "eag", {8, 12, 2026});
  controle<QTimeEdit>(p, "dtg")->setTime(QTime(23, 30, 0));
  cliquer(p, "b_pg");
  // Mars is selected from the start.
  EXPECT_EQ(p.corps_choisi(), static_cast<int>(corps_geo::mars));
  EXPECT_EQ(etiquette(p, "lalg").toStdString(), p.resultat().astres[static_cast<int>(corps_geo::mars)].texte_alpha);
  EXPECT_TRUE(etiquette(p, "lbjdg").startsWith("Jour Julien :"));

  // The Moon is white like the title strip: only its disc selects it.
  const pixel lune = p.resultat().astres[static_cast<int>(corps_geo::lune)].position;
  cliquer_image(p, "p_geo", {lune.x, lune.y});
  EXPECT_EQ(p.corps_choisi(), static_cast<int>(corps_geo::lune));
  EXPECT_EQ(etiquette(p, "lbnomg"), "Lune");
  ASSERT_EQ(p.image().pixelColor(20, 440), QColor(Qt::white));
  cliquer_image(p, "p_geo", {20, 440});
  EXPECT_FALSE(p.corps_choisi());
  EXPECT_FALSE(controle<QLabel>(p, "lbag")->isVisibleTo(&p));
  EXPECT_EQ(etiquette(p, "lalg"), "");

  // Steps: 1 heure from 23:30 to the next day, 1 mois from 31 January, 7 jours over the year's end.
  cocher(p, "defilg1");
  cocher(p, "interg0");
  cliquer(p, "nextg");
  EXPECT_EQ(date_geo(p), (date_jma{9, 12, 2026}));
  EXPECT_EQ(controle<QTimeEdit>(p, "dtg")->time(), QTime(0, 30, 0));
  poser_date(p, "ejg", "emg", "eag", {31, 1, 2024});
  cocher(p, "interg3");
  cliquer(p, "nextg");
  EXPECT_EQ(date_geo(p), (date_jma{29, 2, 2024}));
  poser_date(p, "ejg", "emg", "eag", {28, 12, 2023});
  cocher(p, "interg2");
  cliquer(p, "nextg");
  EXPECT_EQ(date_geo(p), (date_jma{4, 1, 2024}));
  cocher(p, "interg1");
  poser_date(p, "ejg", "emg", "eag", {1, 3, 2023});
  cliquer(p, "backg");
  EXPECT_EQ(date_geo(p), (date_jma{28, 2, 2023}));
  EXPECT_EQ(p.resultat().instant.instant.date, (date_jma{28, 2, 2023}));
  // A day typed is taken whole, whatever the month shown before.
  taper(controle<EditionSpin>(p, "emg"), "3");
  taper(controle<EditionSpin>(p, "ejg"), "31");
  cliquer(p, "b_pg");
  EXPECT_EQ(p.resultat().instant.instant.date, (date_jma{31, 3, 2023}));
  // The month arrow brings the day into its month.
  controle<EditionSpin>(p, "emg")->stepBy(1);
  EXPECT_EQ(date_geo(p), (date_jma{30, 4, 2023}));

  // Every body off: the title strip's list line is empty (no blue left).
  for (QToolButton* b : p.findChildren<QToolButton*>()) b->click();
  int bleus = 0;
  for (int y = 2 * equateur_geo(p.image().height()); y < p.image().height(); ++y)
    for (int x = 0; x < p.image().width(); ++x) bleus += p.image().pixelColor(x, y) == QColor(0, 0, 255);
  EXPECT_EQ(bleus, 0);
  cliquer_image(p, "p_geo", {lune.x, lune.y});
  EXPECT_FALSE(p.corps_choisi());
}

// The panel stays readable: the light bodies' names keep their colour on a dark
// ground, the captions are α and δ; a map that draws Pluto outside the years of its
// series says so under the panel.
TEST(PagePlanetariumGeo, PanneauLisibleEtPluton) {
  ContexteTest c;
  PagePlanetariumGeo p(c);
  poser_date(p, "ejg", "emg", "eag", {8, 12, 2026});
  cliquer(p, "b_pg");
  EXPECT_EQ(etiquette(p, "lbag"), "α");
  EXPECT_EQ(etiquette(p, "lbdg"), "δ");
  auto* nom = controle<QLabel>(p, "lbnomg");
  const struct {
    corps_geo corps;
    bool fond_sombre;
  } cas[] = {{corps_geo::lune, true}, {corps_geo::soleil, true}, {corps_geo::mars, false}, {corps_geo::neptune, false}};
  for (const auto& k : cas) {
    const pixel centre = p.resultat().astres[static_cast<int>(k.corps)].position;
    cliquer_image(p, "p_geo", {centre.x, centre.y});
    ASSERT_EQ(p.corps_choisi(), static_cast<int>(k.corps));
    const QColor couleur = dessin::couleur_qt(couleurs_geo[static_cast<int>(k.corps)]);
    EXPECT_TRUE(nom->styleSheet().contains("color: " + couleur.name())) << nom->styleSheet().toStdString();
    EXPECT_EQ(nom->styleSheet().contains("background-color"), k.fond_sombre) << nom->styleSheet().toStdString();
  }

  auto* pluton = controle<QLabel>(p, "l_pluton");
  EXPECT_FALSE(pluton->isVisibleTo(&p));
  poser_date(p, "ejg", "emg", "eag", {1, 1, 2200});
  cliquer(p, "b_pg");
  EXPECT_TRUE(pluton->isVisibleTo(&p));
  EXPECT_EQ(pluton->text().toStdString(), texte_pluton_hors_serie);
  controle<QToolButton>(p, "tg8")->click();  // Pluto off
  EXPECT_FALSE(pluton->isVisibleTo(&p));
}

TEST(PagePlanetariumHelio, PlutonHorsDeSaSerie) {
  ContexteTest c;
  PagePlanetariumHelio p(c);
  auto* pluton = controle<QLabel>(p, "l_pluton");
  poser_date(p, "h_jour", "h_mois", "h_an", {1, 1, 1700});
  cliquer(p, "b_helio");
  EXPECT_TRUE(pluton->isVisibleTo(&p));
  poser_date(p, "h_jour", "h_mois", "h_an", {1, 1, 1992});
  cliquer(p, "b_helio");
  EXPECT_FALSE(pluton->isVisibleTo(&p));
}

// An animation runs on a timer: in one second several steps are drawn, the window
// handles input between them (a tool button clicked mid-way takes effect), the step
// buttons are disabled; then each cause stops it.
TEST(PagePlanetariumHelio, AnimationEtSesArrets) {
  ContexteTest c;
  PagePlanetariumHelio p(c);
  p.show();
  poser_date(p, "h_jour", "h_mois", "h_an", {1, 1, 2000});
  cliquer(p, "b_helio");
  QToolButton* mercure = controle<QToolButton>(p, "tb1");
  const int k_mercure = static_cast<int>(planete::mercure);

  cliquer(p, "bt_helio_next");
  EXPECT_TRUE(p.anime());
  EXPECT_FALSE(controle<QPushButton>(p, "bt_helio_next")->isEnabled());
  EXPECT_FALSE(controle<QPushButton>(p, "bt_helio_prev")->isEnabled());
  bool mercure_ote = false;
  QTimer::singleShot(500, &p, [&] {
    QTest::mouseClick(mercure, Qt::LeftButton);
    mercure_ote = true;
  });
  QTest::qWait(1000);
  ASSERT_TRUE(mercure_ote);
  EXPECT_FALSE(mercure->isChecked());
  const long double jours = p.resultat().instant.jour_julien - 2451544.5L;
  EXPECT_GE(jours, 15) << "pas en une seconde";
  // The pictures drawn after the click no longer show Mercury.
  const pixel m = p.resultat().planetes[k_mercure].position;
  EXPECT_NE(p.image().pixelColor(m.x, m.y), dessin::couleur_qt(couleurs_helio[k_mercure]));

  const std::function<void()> arrets[] = {
      [&] { cliquer(p, "bt_stop_helio"); },
      [&] { QTest::mouseClick(controle<EditionSpin>(p, "h_an")->edition(), Qt::LeftButton); },
      [&] { cocher(p, "defilh1"); }, [&] { p.arreter_animation(); },  // change of page, window deactivated
  };
  int n = 0;
  for (const auto& arreter : arrets) {
    cocher(p, "defilh0");
    cliquer(p, "bt_helio_prev");
    QTest::qWait(100);
    ASSERT_TRUE(p.anime()) << n;
    const date_jma avant = date_helio(p);
    arreter();
    EXPECT_FALSE(p.anime()) << n;
    EXPECT_TRUE(controle<QPushButton>(p, "bt_helio_next")->isEnabled()) << n;
    QTest::qWait(100);
    EXPECT_EQ(date_helio(p), avant) << "plus de pas après l'arrêt " << n;
    ++n;
  }
}

// At the year field's end the animation stops by itself.
TEST(PagePlanetariumGeo, AnimationArreteeEnFinDAnnees) {
  ContexteTest c;
  PagePlanetariumGeo p(c);
  poser_date(p, "ejg", "emg", "eag", {1, 6, 9997});
  cocher(p, "interg5");
  cliquer(p, "nextg");
  QElapsedTimer t;
  t.start();
  while (p.anime() && t.elapsed() < 5000) QTest::qWait(20);
  EXPECT_FALSE(p.anime());
  EXPECT_EQ(date_geo(p), (date_jma{1, 6, 9999}));
  EXPECT_TRUE(controle<QPushButton>(p, "nextg")->isEnabled());
}

// Changing the page or leaving the window stops both animations.
TEST(PagePlanetarium, ArretParLaFenetre) {
  vider_reglages();
  MessagesEnregistres messages;
  DialoguesEnregistres dialogues;
  FenetrePrincipale::parametres par;
  par.messages = &messages;
  par.dialogues = &dialogues;
  par.reglages = false;
  FenetrePrincipale f(par);
  ASSERT_TRUE(activer(f));
  auto* helio = qobject_cast<PagePlanetarium*>(f.page("plan_helio"));
  auto* geo = qobject_cast<PagePlanetarium*>(f.page("plan_geo"));
  ASSERT_TRUE(helio && geo);
  auto demarrer = [&] {
    cliquer(*helio, "bt_helio_next");
    cliquer(*geo, "nextg");
    ASSERT_TRUE(helio->anime() && geo->anime());
  };
  // In the window's narrow column every interval's caption is whole, none covered by
  // its neighbour.
  for (PagePlanetarium* page : {helio, geo}) {
    f.onglet()->setCurrentIndex(f.onglet()->indexOf(page));
    QCoreApplication::processEvents();
    const QList<QRadioButton*> boutons = page->findChildren<QRadioButton*>();
    for (QRadioButton* r : boutons) {
      EXPECT_GE(r->width(), r->sizeHint().width()) << r->text().toStdString();
      for (QRadioButton* autre : boutons)
        if (autre != r && autre->parentWidget() == r->parentWidget()) {
          EXPECT_FALSE(r->geometry().intersects(autre->geometry())) << r->text().toStdString();
        }
    }
  }
  demarrer();
  f.onglet()->setCurrentIndex(f.onglet()->currentIndex() == 0 ? 1 : 0);
  EXPECT_FALSE(helio->anime());
  EXPECT_FALSE(geo->anime());

  demarrer();
  QWidget autre;
  ASSERT_TRUE(activer(autre));
  EXPECT_FALSE(helio->anime());
  EXPECT_FALSE(geo->anime());
}

// Saving: BMP or PNG by the name's end, replaced atomically; a file that cannot be
// written gets a message and the old file stays.
TEST(PagePlanetarium, Sauvegarde) {
  DossierTravail dossier;
  ContexteTest c;
  PagePlanetariumHelio helio(c);
  PagePlanetariumGeo geo(c);
  helio.calculer();
  geo.calculer();

  c.dialogues_.fichier_choisi = dossier.chemin("helio.bmp");
  cliquer(helio, "save_helio");
  c.dialogues_.fichier_choisi = dossier.chemin("geo.png");
  cliquer(geo, "save_geo");
  ASSERT_EQ(c.dialogues_.titres_images.size(), 2u);
  EXPECT_EQ(c.dialogues_.titres_images[0], "Planétarium héliocentrique");
  EXPECT_EQ(c.dialogues_.titres_images[1], "Planétarium géocentrique");
  EXPECT_TRUE(lire_fichier(dossier.chemin("helio.bmp")).startsWith("BM"));
  EXPECT_TRUE(lire_fichier(dossier.chemin("geo.png")).startsWith("\x89PNG"));
  EXPECT_EQ(QImage(dossier.chemin("helio.bmp")).size(), QSize(largeur_helio, hauteur_helio));
  EXPECT_EQ(QImage(dossier.chemin("geo.png")),
            geo.image().convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(c.messages_.recus.empty());

  ecrire_fichier(dossier.chemin("garde.jpg"), "ancien");
  c.dialogues_.fichier_choisi = dossier.chemin("garde.jpg");
  cliquer(helio, "save_helio");
  c.dialogues_.fichier_choisi = dossier.chemin("absent/x.bmp");
  cliquer(geo, "save_geo");
  ASSERT_EQ(c.messages_.recus.size(), 2u);
  EXPECT_EQ(lire_fichier(dossier.chemin("garde.jpg")), "ancien");
  EXPECT_TRUE(c.messages_.recus[0].texte.contains("garde.jpg"));
  EXPECT_FALSE(QFile::exists(dossier.chemin("absent/x.bmp")));
}

// "Maintenant" on both pages: the start-up date and the present time, then a new picture.
TEST(PagePlanetarium, Maintenant) {
  ContexteTest c;
  PagePlanetariumHelio helio(c);
  PagePlanetariumGeo geo(c);
  cliquer(helio, "BitBtn3");
  cliquer(geo, "BitBtn7");
  EXPECT_EQ(date_helio(helio), c.demarrage);
  EXPECT_EQ(date_geo(geo), c.demarrage);
  EXPECT_EQ(controle<QTimeEdit>(geo, "dtg")->time(), c.present);
  EXPECT_EQ(helio.resultat().instant.instant.date, c.demarrage);
  EXPECT_EQ(geo.resultat().titre, "Configuration géocentrique le 14 Juillet 2024  à 21:04:05");
  EXPECT_FALSE(geo.image().isNull());
}
