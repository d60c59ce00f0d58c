// The event pages in civil time: switched to "Heure légale" in Europe/Paris, each page
// shows and copies what `astro --rapport ... --fuseau Europe/Paris` prints for the same
// inputs, through a change of clock as well as from a new computation, and is back to
// the command line's default text when switched back.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTreeView>
#include <functional>
#include <memory>

#include "ihm/controles/modele_liste.h"
#include "ihm/pages/page_dates.h"
#include "ihm/pages/page_eclipses.h"
#include "ihm/pages/page_perigee_apogee.h"
#include "ihm/pages/page_perihelie.h"
#include "ihm/pages/page_phases.h"
#include "ihm/pages/page_phenomenes.h"
#include "ihm/recherche_fond.h"
#include "outils_pages.h"

using namespace almanax;
using namespace almanax::ihm;
using namespace almanax::ihm::test;

namespace {

// The text a page gives for its rows: its copy, or for the Dates page its labels as the
// command line's lines.
QString copie(Page& p, ContexteTest& c) {
  if (auto* d = qobject_cast<PageDates*>(&p)) {
    const std::pair<const char*, const char*> lignes[] = {{"Première date", "lnomjour"},
                                                          {"Première date", "lnumjour"},
                                                          {"Seconde date", "lnomjour2"},
                                                          {"Seconde date", "lnumjour2"},
                                                          {"Intervalle", "lbinter"},
                                                          {"Printemps", "lprin"},
                                                          {"Été", "lete"},
                                                          {"Automne", "lautom"},
                                                          {"Hiver", "lhiver"},
                                                          {"Pâques", "lpaques"},
                                                          {"Bissextile", "lbissex"}};
    QString t;
    for (const auto& [libelle, nom] : lignes) t += QString::fromUtf8(libelle) + "\t" + etiquette(*d, nom) + "\r\n";
    return t;
  }
  c.rapports.clear();
  p.copier();
  return c.rapports.empty() ? QString() : c.rapports.back();
}

}  // namespace

TEST(PagesHeureLegale, EveryEventPageAsTheCommandLineWithAZone) {
  struct cas {
    const char* nom;
    std::function<std::unique_ptr<Page>(ContexteTest&)> page;  // built, its inputs set
    QStringList arguments;                                     // the same inputs on the command line
    // The page's list view and the column whose texts its copy's rows hold; none for
    // the pages without a list model.
    int colonne_marquee = -1;
  };
  const auto annees = [](auto fabrique, const char* debut, const char* fin, int d, int f) {
    return [=](ContexteTest& c) -> std::unique_ptr<Page> {
      auto p = fabrique(c);
      poser_annees(*p, debut, fin, d, f);
      return p;
    };
  };
  // Spans that cross the clock changes of spring and autumn.
  const cas tous[] = {
      {"phases",
       [](ContexteTest& c) -> std::unique_ptr<Page> {
         auto p = std::make_unique<PagePhases>(c);
         controle<EditionSpin>(*p, "mois_dep")->setPosition(9);
         controle<EditionSpin>(*p, "an_dep")->setPosition(2026);
         return p;
       },
       {"--rapport", "phases", "--mois", "9", "--annee", "2026"}},
      {"perigees",
       annees([](ContexteTest& c) { return std::make_unique<PagePerigeeApogee>(c); }, "p_a_an", "p_a_an2", 2026, 2027),
       {"--rapport", "perigees", "--debut", "2026", "--fin", "2027"},
       2},
      {"phenomenes",
       annees([](ContexteTest& c) { return std::make_unique<PagePhenomenes>(c); }, "an_phe", "an_phe2", 2026, 2027),
       {"--rapport", "phenomenes", "--debut", "2026", "--fin", "2027"},
       2},
      {"perihelies",
       annees([](ContexteTest& c) { return std::make_unique<PagePerihelie>(c); }, "e_an_helie", "e_an_helie2", 2026,
              2027),
       {"--rapport", "perihelies", "--debut", "2026", "--fin", "2027"},
       2},
      {"eclipses",
       annees([](ContexteTest& c) { return std::make_unique<PageEclipses>(c); }, "ec_an", "ec_an2", 2025, 2026),
       {"--rapport", "eclipses", "--debut", "2025", "--fin", "2026"}},
      {"dates",
       [](ContexteTest& c) -> std::unique_ptr<Page> {
         auto p = std::make_unique<PageDates>(c);
         // The night the clocks go forward: 1 h to 4 h is two hours.
         for (const auto& [nom, valeur] : {std::pair{"edj", "29"},
                                           {"edm", "3"},
                                           {"eda", "2026"},
                                           {"edj1", "29"},
                                           {"edm1", "3"},
                                           {"eda1", "2026"},
                                           {"an_sols", "2026"}})
           taper(controle<EditionSpin>(*p, nom), QString::fromLatin1(valeur));
         controle<QTimeEdit>(*p, "dh")->setTime(QTime(1, 0));
         controle<QTimeEdit>(*p, "dh1")->setTime(QTime(4, 0));
         return p;
       },
       {"--rapport", "dates", "--date1", "29/03/2026", "--heure1", "01:00", "--date2", "29/03/2026", "--heure2",
        "04:00", "--annee", "2026"}},
  };
  const LocaleTemporaire c_locale(QLocale::c());
  for (const cas& k : tous) {
    SCOPED_TRACE(k.nom);
    ContexteTest c;
    ASSERT_TRUE(c.session_.choisir_fuseau(QStringLiteral("Europe/Paris")));
    auto p = k.page(c);
    p->calculer();
    const QString tel_quel = copie(*p, c);
    EXPECT_EQ(tel_quel.toUtf8(), ligne_de_commande(k.arguments));
    const QString attendu = QString::fromUtf8(ligne_de_commande(k.arguments + QStringList{"--fuseau", "Europe/Paris"}));
    ASSERT_TRUE(attendu.contains("heure légale, UTC+")) << attendu.toStdString();
    EXPECT_NE(attendu, tel_quel);

    // The page follows the switch as the window hands it on: the rows already there
    // are shown again on the zone's clock.
    c.session_.poser_heure_legale(true);
    p->echelle_changee();
    EXPECT_EQ(copie(*p, c), attendu);
    const auto* mention = p->findChild<QLabel*>(QStringLiteral("mention_heure"));
    if (mention) {
      EXPECT_FALSE(mention->isHidden());
      EXPECT_TRUE(attendu.contains("(" + mention->text() + ")")) << mention->text().toStdString();
    }
    // The list shows each row's offset where the copy gives it.
    if (k.colonne_marquee >= 0) {
      const QAbstractItemModel* m = p->findChild<QTreeView*>()->model();
      const QStringList lignes = attendu.split("\r\n");
      ASSERT_GE(lignes.size(), m->rowCount() + 2);
      int marques = 0;
      for (int r = 0; r < m->rowCount(); ++r) {
        const QString vu = m->index(r, k.colonne_marquee).data().toString();
        EXPECT_TRUE(lignes[r + 2].contains(vu)) << vu.toStdString() << " / " << lignes[r + 2].toStdString();
        if (vu.contains("(UTC")) ++marques;
      }
      EXPECT_GE(marques, 2);  // summer time begins, and ends
    }

    // A new computation in civil time gives the same.
    p->effacer();
    p->calculer();
    EXPECT_EQ(copie(*p, c), attendu);

    // Back to times as they stand: as before.
    c.session_.poser_heure_legale(false);
    p->echelle_changee();
    EXPECT_EQ(copie(*p, c), tel_quel);
    if (mention) {
      EXPECT_TRUE(mention->isHidden());
    }
  }
}

TEST(PagesHeureLegale, ASearchUnderWayStartsAgainOnTheNewClock) {
  ContexteTest c;
  ASSERT_TRUE(c.session_.choisir_fuseau(QStringLiteral("Europe/Paris")));
  PagePerigeeApogee p(c);
  poser_annees(p, "p_a_an", "p_a_an2", -4000, 9999);
  controle<QPushButton>(p, "bt_ap")->click();
  ASSERT_TRUE(p.recherche()->en_cours());
  c.session_.poser_heure_legale(true);
  p.echelle_changee();
  // Its rows would have been on the old clock: it runs again, and is stopped as any search.
  EXPECT_TRUE(p.recherche()->en_cours());
  EXPECT_FALSE(controle<QPushButton>(p, "bt_ap")->isEnabled());
  p.recherche()->annuler();
  EXPECT_FALSE(p.recherche()->en_cours());
  EXPECT_EQ(p.modele()->rowCount(), 0);
}
