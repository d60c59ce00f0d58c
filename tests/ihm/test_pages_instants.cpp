// The pages of one instant in civil time: each page computed as times stand, then the
// session switched to the clock of Europe/Paris and the page told so, shows what the
// command line prints with --fuseau for the same inputs (and before, what it prints
// without). The pages that keep a report box add a block that says its own time.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <functional>
#include <memory>

#include "calcul/pages/satellites.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page_cometes.h"
#include "ihm/pages/page_ephemerides.h"
#include "ihm/pages/page_equation_temps.h"
#include "ihm/pages/page_planetarium_geo.h"
#include "ihm/pages/page_planetarium_helio.h"
#include "ihm/pages/page_precession.h"
#include "ihm/pages/page_satellites.h"
#include "ihm/pages/page_soleil_lune.h"
#include "outils_pages.h"

using namespace almanax;
using namespace almanax::ihm;
using namespace almanax::ihm::test;

namespace {

// Types a date into the page's three date fields, 12 h into its time picker (if any),
// and presses its compute button.
void saisir(Page& p, const std::array<const char*, 5>& noms, const char* jour = "21", const char* mois = "6") {
  taper(controle<EditionSpin>(p, noms[0]), jour);
  taper(controle<EditionSpin>(p, noms[1]), mois);
  taper(controle<EditionSpin>(p, noms[2]), "2026");
  if (noms[3]) controle<QTimeEdit>(p, noms[3])->setTime(QTime(12, 0, 0));
  controle<QPushButton>(p, noms[4])->click();
}

using fabrique = std::function<std::unique_ptr<Page>(ContexteTest&, const DossierTravail&)>;
template <class P>
fabrique creer(std::array<const char*, 5> noms) {
  return [noms](ContexteTest& c, const DossierTravail&) {
    auto p = std::make_unique<P>(c);
    saisir(*p, noms);
    return p;
  };
}

template <class P>
const P& page(const Page& p) {
  return static_cast<const P&>(p);
}

// The "&Copie" of the page; the report box's text.
QByteArray copie(Page& p, ContexteTest& c) {
  p.copier();
  return c.rapports.back().toUtf8();
}
template <class P>
QByteArray boite(Page& p, ContexteTest&) {
  return page<P>(p).rapport().toUtf8();
}

// The lines of a report kept by their indexes, each with its CR LF.
QByteArray lignes(const QByteArray& texte, const std::vector<int>& rangs) {
  const QList<QByteArray> l = texte.split('\n');
  QByteArray r;
  for (int i : rangs) r += i < l.size() ? l[i] + '\n' : QByteArray();
  return r;
}

template <class R>
QByteArray titre_et_jour(const R& r) {
  return QByteArray::fromStdString(r.titre + "\r\n" + r.jour_julien + "\r\n");
}

struct cas_page {
  const char* nom;
  QStringList arguments;  // the command line's, without --fuseau
  fabrique creer;         // builds the page, types the inputs, computes
  // What the page shows or copies, as the command line prints it.
  std::function<QByteArray(Page&, ContexteTest&)> texte;
  std::vector<int> lignes_montrees = {};  // of the command line's report; all when empty
  bool boite_rapport = false;             // the page adds a block per computation
  bool mention = true;                    // the page has its "heure légale" label
};

std::vector<cas_page> pages() {
  const QStringList date = {"--date", "21/06/2026", "--heure", "12:00:00"};
  const QStringList site = {"--lat", "48.8333", "--lon", "2.35"};
  return {
      {"ephemerides", QStringList{"--rapport", "ephemerides"} + date + site,
       creer<PageEphemerides>({"e_jour", "e_mois", "e_an", "e_temps", "b_ephemeride"}), copie},
      {"soleil-lune", QStringList{"--rapport", "soleil-lune"} + date + site,
       creer<PageSoleilLune>({"jour_sol", "mois_sol", "an_sol", "heure_sol", "b_soleil"}), copie},
      {"comete",
       QStringList{"--rapport", "comete", "--comete", "103P/Hartley 2"} + date,
       [](ContexteTest& c, const DossierTravail& d) {
         auto p = std::make_unique<PageCometes>(c);
         charger_cometes(c, d.dossier(), 0);
         controle<QPushButton>(*p, "erase_com")->click();
         saisir(*p, {"jour_com", "mois_com", "an_com", "com_temps", "bt_comete"});
         return p;
       },
       boite<PageCometes>,
       {},
       true},
      {"precession",
       QStringList{"--rapport", "precession"} + date,
       creer<PagePrecession>({"jourequi2", "moisequi2", "anequi2", "heureequi2", "bt_equi"}),
       boite<PagePrecession>,
       {},
       true},
      {"planetarium-helio",
       QStringList{"--rapport", "planetarium-helio"} + date,
       creer<PagePlanetariumHelio>({"h_jour", "h_mois", "h_an", "h_heure", "b_helio"}),
       [](Page& p, ContexteTest&) { return titre_et_jour(page<PagePlanetariumHelio>(p).resultat()); },
       {0, 1},
       false,
       false},
      {"planetarium-geo",
       QStringList{"--rapport", "planetarium-geo"} + date,
       creer<PagePlanetariumGeo>({"ejg", "emg", "eag", "dtg", "b_pg"}),
       [](Page& p, ContexteTest&) { return titre_et_jour(page<PagePlanetariumGeo>(p).resultat()); },
       {0, 2},
       false,
       false},
      {"equation-temps",
       QStringList{"--rapport", "equation-temps", "--date", "21/06/2026"},
       creer<PageEquationTemps>({"equa_jour", "equa_mois", "equa_an", nullptr, "bt_equa_time"}),
       [](Page& p, ContexteTest&) { return (etiquette(p, "l_equa") + "\r\n").toUtf8(); },
       {},
       false,
       false},
      // The chart's curves pass through each day line (every 12th point at the design
      // width): their values are the command line's list of the month.
      {"satellites", QStringList{"--rapport", "satellites", "--mois", "10", "--annee", "2026"},
       [](ContexteTest& c, const DossierTravail&) {
         auto p = std::make_unique<PageSatellites>(c);
         taper(controle<EditionSpin>(*p, "mois_sat"), "10");
         taper(controle<EditionSpin>(*p, "an_sat"), "2026");
         controle<QPushButton>(*p, "bt_sat_jovien")->click();
         return p;
       },
       [](Page& p, ContexteTest& c) {
         const graphique_satellites& g = page<PageSatellites>(p).graphique();
         std::vector<positions_satellites> jours;
         for (std::size_t k = 0; k < g.jours.size() && 12 * k < g.positions.size(); ++k)
           jours.push_back(g.positions[12 * k]);
         return QByteArray::fromStdString(texte_satellites(jours, false, ".", c.session_.echelle()));
       }},
  };
}

TEST(PagesInstants, HeureLegaleCommeLaLigneDeCommande) {
  const LocaleTemporaire c_locale(QLocale::c());
  for (const cas_page& k : pages()) {
    SCOPED_TRACE(k.nom);
    DossierTravail dossier;
    ContexteTest c;
    placer_site(c, site_essai());
    ASSERT_TRUE(c.session_.choisir_fuseau(QStringLiteral("Europe/Paris")));
    const auto extrait = [&k](const QByteArray& t) {
      return k.lignes_montrees.empty() ? t : lignes(t, k.lignes_montrees);
    };
    const QByteArray telle = extrait(ligne_de_commande(k.arguments));
    const QByteArray legale = extrait(ligne_de_commande(k.arguments + QStringList{"--fuseau", "Europe/Paris"}));
    ASSERT_FALSE(telle.isEmpty());
    EXPECT_NE(telle, legale);
    EXPECT_TRUE(legale.contains("heure légale, UTC+2")) << legale.toStdString();

    std::unique_ptr<Page> p = k.creer(c, dossier);
    EXPECT_EQ(k.texte(*p, c), telle);
    const QLabel* mention = p->findChild<QLabel*>(QStringLiteral("mention_heure"));
    ASSERT_EQ(mention != nullptr, k.mention);
    EXPECT_TRUE(!mention || mention->isHidden());
    // The window tells every page when the scale changes.
    c.session_.poser_heure_legale(true);
    p->echelle_changee();
    EXPECT_EQ(k.texte(*p, c), k.boite_rapport ? telle + legale : legale);
    EXPECT_TRUE(!mention || (!mention->isHidden() && mention->text().startsWith("heure légale, UTC+2")));
  }
}

TEST(PagesInstants, AnimationDuPlanetariumEnJoursCivils) {
  // A step of one day across the night the clocks go forward: the next civil day at
  // the same clock time, 23 hours later.
  ContexteTest c;
  ASSERT_TRUE(c.session_.choisir_fuseau(QStringLiteral("Europe/Paris")));
  c.session_.poser_heure_legale(true);
  PagePlanetariumGeo p(c);
  saisir(p, {"ejg", "emg", "eag", "dtg", "b_pg"}, "28", "3");
  controle<QRadioButton>(p, "interg1")->click();  // "1 jour"
  controle<QRadioButton>(p, "defilg1")->click();  // "Manuel": one step per click
  const long double avant = p.resultat().instant.jour_julien;
  controle<QPushButton>(p, "nextg")->click();
  EXPECT_EQ(texte_edition(p, "ejg"), "29");
  EXPECT_EQ(controle<QTimeEdit>(p, "dtg")->time(), QTime(12, 0, 0));
  EXPECT_NEAR(static_cast<double>((p.resultat().instant.jour_julien - avant) * 24), 23, 1.0 / 3600);
  EXPECT_TRUE(p.resultat().titre.ends_with("(heure légale, UTC+2)"));
}

}  // namespace
