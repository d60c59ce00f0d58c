// The four event-search pages: their rows and copies are those of the command line's
// reports, the messages of their year and choice checks, the long searches run in the
// background (progress, events processed, cancel in time, nothing half-filled), and
// copy then print inside the whole window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDate>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>
#include <memory>

#include "calcul/pages/eclipses.h"
#include "calcul/pages/perigee_apogee.h"
#include "calcul/pages/perihelie.h"
#include "calcul/pages/phenomene.h"
#include "ihm/controles/modele_liste.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page_eclipses.h"
#include "ihm/pages/page_impression.h"
#include "ihm/pages/page_perigee_apogee.h"
#include "ihm/pages/page_perihelie.h"
#include "ihm/pages/page_phenomenes.h"
#include "ihm/recherche_fond.h"
#include "outils_pages.h"

using namespace almanax;
using namespace almanax::ihm;
using namespace almanax::ihm::test;

namespace {

std::vector<ligne_liste> lignes_perigees(long long d, long long f, bool peri = true, bool apo = true) {
  std::vector<ligne_liste> l;
  for (const passage_trouve& p : perigees_apogees(d, f, peri, apo).passages) l.push_back(p.ligne);
  return l;
}

std::vector<ligne_liste> lignes_phenomenes(long long d, long long f,
                                           std::array<bool, 7> planetes = {1, 1, 1, 1, 1, 1, 1}) {
  recherche_phenomenes r{d, f, planetes};
  std::vector<ligne_liste> l;
  for (const phenomene_trouve& p : phenomenes_planetaires(r).lignes) l.push_back(ligne_du_phenomene(p));
  return l;
}

std::vector<ligne_liste> lignes_perihelies(long long d, long long f) {
  recherche_perihelies r;
  r.premiere_annee = d;
  r.derniere_annee = f;
  std::vector<ligne_liste> l;
  for (const passage_perihelie& p : perihelies_aphelies(r, ",").lignes) l.push_back(ligne_du_passage(p));
  return l;
}

// The rows as the list keeps them, to compare lists.
std::vector<std::string> compactes(const std::vector<ligne_liste>& l) {
  std::vector<std::string> r;
  for (const ligne_liste& x : l) r.push_back(ModeleListe::compacter(x));
  return r;
}

void attendre_fin(RechercheFond* r, int ms = 60000) {
  QElapsedTimer t;
  t.start();
  while (r->en_cours() && t.elapsed() < ms) QTest::qWait(5);
}

}  // namespace

// ---- Rows and copies equal the command line's ------------------------------------

TEST(PagesEvenements, PerigeesRowsAndCopyAsTheReport) {
  ContexteTest c;
  PagePerigeeApogee p(c);
  EXPECT_EQ(texte_edition(p, "p_a_an"), "1992");
  EXPECT_EQ(texte_edition(p, "p_a_an2"), "1993");
  EXPECT_TRUE(controle<QCheckBox>(p, "cplune")->isChecked());
  EXPECT_TRUE(controle<QCheckBox>(p, "calune")->isChecked());
  const QStringList titres{"Phase", "Date", "Heure", "Parallaxe", "Distance"};
  for (int i = 0; i < titres.size(); ++i)
    EXPECT_EQ(p.modele()->headerData(i, Qt::Horizontal, Qt::DisplayRole), titres[i]);

  // Nothing copied from an empty list.
  p.copier();
  EXPECT_TRUE(c.rapports.empty());

  p.calculer();
  std::vector<ligne_liste> attendu = lignes_perigees(1992, 1993);
  ASSERT_FALSE(attendu.empty());
  EXPECT_EQ(p.modele()->rowCount(), static_cast<int>(attendu.size()));
  EXPECT_EQ(p.modele()->data(p.modele()->index(0, 0), Qt::DisplayRole).toString(), "Apogée");
  // A second search adds its rows after the first's; the copy takes them all.
  poser_annees(p, "p_a_an", "p_a_an2", 2000, 2001);
  controle<QCheckBox>(p, "calune")->setChecked(false);
  p.calculer();
  for (const ligne_liste& l : lignes_perigees(2000, 2001, true, false)) attendu.push_back(l);
  p.copier();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_EQ(c.rapports[0].toStdString(), copie_perigees(attendu));

  controle<QPushButton>(p, "BitBtn2")->click();
  EXPECT_EQ(p.modele()->rowCount(), 0);
}

TEST(PagesEvenements, PlanetPagesRowsSortedAndCopyAsTheReports) {
  struct cas {
    std::function<std::unique_ptr<PageRecherchePlanetes>(ContexteTest&)> page;
    const char *debut, *fin, *copie;
    std::function<std::vector<ligne_liste>(long long, long long)> lignes;
    std::function<void(std::vector<ligne_liste>&)> trier;
    std::function<std::string(const std::vector<ligne_liste>&)> rapport;
  };
  const cas tous[] = {
      {[](ContexteTest& c) { return std::make_unique<PagePhenomenes>(c); }, "an_phe", "an_phe2", "copy_phpl",
       [](long long d, long long f) { return lignes_phenomenes(d, f); }, trier_lignes_phenomenes, copie_phenomenes},
      {[](ContexteTest& c) { return std::make_unique<PagePerihelie>(c); }, "e_an_helie", "e_an_helie2", "copy_papl",
       lignes_perihelies, trier_lignes_perihelies, copie_perihelies},
  };
  for (const cas& k : tous) {
    ContexteTest c;
    auto p = k.page(c);
    SCOPED_TRACE(p->objectName().toStdString());
    EXPECT_EQ(texte_edition(*p, k.debut), "1992");
    EXPECT_EQ(texte_edition(*p, k.fin), "1993");
    p->calculer();
    std::vector<ligne_liste> attendu = k.lignes(1992, 1993);
    ASSERT_FALSE(attendu.empty());
    EXPECT_EQ(p->modele()->rowCount(), static_cast<int>(attendu.size()));
    // The rows of a later search join the list, and the whole list is sorted again.
    poser_annees(*p, k.debut, k.fin, 1600, 1603);
    p->calculer();
    for (const ligne_liste& l : k.lignes(1600, 1603)) attendu.push_back(l);
    k.trier(attendu);
    controle<QPushButton>(*p, k.copie)->click();
    ASSERT_EQ(c.rapports.size(), 1u);
    EXPECT_EQ(c.rapports[0].toStdString(), k.rapport(attendu));
    EXPECT_EQ(c.rapports[0].toStdString(), k.rapport(p->modele()->lignes()));
    p->effacer();
    EXPECT_EQ(p->modele()->rowCount(), 0);
  }
}

TEST(PagesEvenements, EclipsesTextAccumulatesAsTheReport) {
  ContexteTest c;
  PageEclipses p(c);
  EXPECT_TRUE(controle<QRadioButton>(p, "o_lune")->isChecked());
  const auto* ec_res = controle<QPlainTextEdit>(p, "ec_res");
  EXPECT_DOUBLE_EQ(ec_res->tabStopDistance(), 150 * ec_res->logicalDpiY() / 72.0);  // 150 points
  p.copier();
  EXPECT_TRUE(c.rapports.empty());

  p.calculer();
  std::string attendu = recherche_eclipses(1992, 1993, astre_eclipse::lune, true, ",").texte;
  EXPECT_EQ(p.texte(), attendu);
  controle<QRadioButton>(p, "o_sol")->setChecked(true);
  p.calculer();
  attendu += recherche_eclipses(1992, 1993, astre_eclipse::soleil, false, ",").texte;
  EXPECT_EQ(p.texte(), attendu);
  QString vu = QString::fromStdString(attendu);
  vu.replace("\r\n", "\n");
  EXPECT_EQ(controle<QPlainTextEdit>(p, "ec_res")->toPlainText(), vu);
  controle<QPushButton>(p, "imp_ecli")->click();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_EQ(c.rapports[0].toStdString(), copie_eclipses(attendu));
  controle<QPushButton>(p, "eclip_erase")->click();
  EXPECT_TRUE(p.texte().empty());
  EXPECT_TRUE(controle<QPlainTextEdit>(p, "ec_res")->toPlainText().isEmpty());
}

// ---- Messages ------------------------------------------------------------------------

TEST(PagesEvenements, YearOrderOutOfRangeAndNothingChosen) {
  ContexteTest c;
  PagePerigeeApogee peri(c);
  PagePhenomenes phe(c);
  PagePerihelie hel(c);
  PageEclipses ecl(c);
  const QString ordre = "L'année de départ doit être inférieure à l'année de fin des recherches.";
  const QString bornes = "Les années de recherche vont de -4713 à 9999.";
  auto dernier = [&c] { return c.messages_.recus.empty() ? MessagesEnregistres::message{} : c.messages_.recus.back(); };

  // The up-downs' check: the last year becomes the first + 1.
  struct spin {
    QWidget* page;
    const char *debut, *fin;
  };
  for (const spin& s :
       {spin{&peri, "p_a_an", "p_a_an2"}, spin{&phe, "an_phe", "an_phe2"}, spin{&hel, "e_an_helie", "e_an_helie2"}}) {
    SCOPED_TRACE(s.debut);
    c.messages_.recus.clear();
    poser_annees(*s.page, s.debut, s.fin, 2000, 2001);
    controle<EditionSpin>(*s.page, s.debut)->stepBy(1);
    ASSERT_EQ(c.messages_.recus.size(), 1u);
    EXPECT_EQ(dernier().texte, ordre);
    EXPECT_EQ(dernier().titre, "Erreur de date !");
    EXPECT_EQ(dernier().type, MessagesEnregistres::genre::erreur);
    EXPECT_EQ(texte_edition(*s.page, s.fin), "2002");
    controle<EditionSpin>(*s.page, s.debut)->stepBy(-1);  // 2000 < 2002: no message
    EXPECT_EQ(c.messages_.recus.size(), 1u);

    // A year typed past the spin's bounds is not searched as the bound.
    controle<EditionSpin>(*s.page, s.fin)->edition()->setText("12000");
    qobject_cast<Page*>(s.page)->calculer();
    EXPECT_EQ(dernier().texte, bornes);
  }

  // The eclipses: no search with a first year not below the last.
  poser_annees(ecl, "ec_an", "ec_an2", 2000, 2000);
  ecl.calculer();
  EXPECT_EQ(dernier().texte, "La date de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_TRUE(ecl.texte().empty());

  // The planet pages' search refuses a last year equal to the first (typed).
  controle<EditionSpin>(phe, "an_phe2")->edition()->setText("2000");
  controle<EditionSpin>(phe, "an_phe")->edition()->setText("2000");
  phe.calculer();
  EXPECT_EQ(dernier().texte, ordre);
  EXPECT_EQ(phe.modele()->rowCount(), 0);

  // Nothing chosen: a message, nothing searched; existing rows sorted as after a search.
  poser_annees(hel, "e_an_helie", "e_an_helie2", 1992, 1993);
  hel.calculer();
  const int lignes = hel.modele()->rowCount();
  for (QToolButton* b : hel.findChildren<QToolButton*>()) b->setChecked(false);
  hel.calculer();
  EXPECT_EQ(dernier().texte, "Choisissez au moins une planète.");
  EXPECT_EQ(hel.modele()->rowCount(), lignes);
  controle<QCheckBox>(peri, "cplune")->setChecked(false);
  controle<QCheckBox>(peri, "calune")->setChecked(false);
  poser_annees(peri, "p_a_an", "p_a_an2", 1992, 1993);
  peri.calculer();
  EXPECT_EQ(dernier().texte, "Cochez « Périgée », « Apogée » ou les deux.");
  EXPECT_EQ(peri.modele()->rowCount(), 0);
}

// ---- Long searches in the background ------------------------------------------------

TEST(PagesEvenements, LongSearchKeepsTheWindowAliveAndCancelsInTime) {
  ContexteTest c;
  PagePerigeeApogee p(c);
  p.resize(700, 500);
  p.calculer();  // rows already there must survive a cancelled search
  const std::vector<std::string> avant = p.modele()->lignes_compactes();
  poser_annees(p, "p_a_an", "p_a_an2", -4000, 9999);

  int tours = 0;  // the window's events are processed during the search
  QTimer battement;
  QObject::connect(&battement, &QTimer::timeout, [&tours] { ++tours; });
  battement.start(10);
  auto* ok = controle<QPushButton>(p, "bt_ap");
  ok->click();
  EXPECT_TRUE(p.recherche()->en_cours());
  EXPECT_FALSE(ok->isEnabled());
  QTest::qWait(400);
  EXPECT_GT(tours, 10);
  EXPECT_GT(controle<QProgressBar>(p, "progression")->value(), 0);
  ASSERT_TRUE(p.recherche()->en_cours());

  QElapsedTimer t;
  t.start();
  controle<QPushButton>(p, "annuler_recherche")->click();
  EXPECT_FALSE(p.recherche()->en_cours());
  EXPECT_LT(t.elapsed(), 200);
  EXPECT_TRUE(ok->isEnabled());
  QTest::qWait(50);
  EXPECT_EQ(p.modele()->lignes_compactes(), avant);

  // Échap, and a change of the inputs, stop it as well.
  ASSERT_TRUE(activer(p));
  ok->click();
  QTest::qWait(50);
  ASSERT_TRUE(p.recherche()->en_cours());
  QTest::keyClick(ok, Qt::Key_Escape);
  EXPECT_FALSE(p.recherche()->en_cours());
  ok->click();
  QTest::qWait(50);
  controle<QCheckBox>(p, "calune")->setChecked(false);
  EXPECT_FALSE(p.recherche()->en_cours());
  EXPECT_EQ(p.modele()->lignes_compactes(), avant);

  // Run to its end, the search fills the list.
  poser_annees(p, "p_a_an", "p_a_an2", 1000, 1100);
  ok->click();
  attendre_fin(p.recherche());
  EXPECT_EQ(p.modele()->rowCount(), static_cast<int>(avant.size() + lignes_perigees(1000, 1100, true, false).size()));
}

TEST(PagesEvenements, LunarEclipsesOverTheWholeSpanCancelWithEscape) {
  ContexteTest c;
  PageEclipses p(c);
  poser_annees(p, "ec_an", "ec_an2", -4713, 9999);
  ASSERT_TRUE(activer(p));
  controle<QPushButton>(p, "bt_eclipse")->click();
  ASSERT_TRUE(p.recherche()->en_cours());
  EXPECT_FALSE(controle<QRadioButton>(p, "o_sol")->isEnabled());
  QTest::qWait(100);
  QElapsedTimer t;
  t.start();
  QTest::keyClick(controle<QPushButton>(p, "bt_eclipse"), Qt::Key_Escape);
  EXPECT_FALSE(p.recherche()->en_cours());
  EXPECT_LT(t.elapsed(), 200);
  EXPECT_TRUE(controle<QRadioButton>(p, "o_sol")->isEnabled());
  EXPECT_TRUE(p.texte().empty());
  EXPECT_TRUE(controle<QPlainTextEdit>(p, "ec_res")->toPlainText().isEmpty());
}

// ---- Accumulating lists: the new rows shown, "&Efface" stops the search --------------

TEST(PagesEvenements, NewRowsScrolledIntoViewAndEraseCancelsTheSearch) {
  struct cas {
    std::function<std::unique_ptr<Page>(ContexteTest&)> page;
    const char *debut, *fin, *ok, *efface;
    std::function<RechercheFond*(Page&)> recherche;
    // The text of the first row (or line) shown, and whether the page holds nothing.
    std::function<QString(Page&)> en_haut;
    std::function<bool(Page&)> vide;
  };
  const auto liste = [](Page& p, int colonne) {
    auto* v = p.findChild<QTreeView*>();
    return v->model()->data(v->indexAt(QPoint(2, 2)).siblingAtColumn(colonne), Qt::DisplayRole).toString();
  };
  const auto planetes = [&](const char* debut, const char* fin, const char* ok, const char* efface, auto fabrique) {
    return cas{fabrique,
               debut,
               fin,
               ok,
               efface,
               [](Page& p) { return static_cast<PageRecherchePlanetes&>(p).recherche(); },
               [&liste](Page& p) { return liste(p, 2); },
               [](Page& p) { return static_cast<PageRecherchePlanetes&>(p).modele()->rowCount() == 0; }};
  };
  const cas tous[] = {
      {[](ContexteTest& c) { return std::make_unique<PagePerigeeApogee>(c); }, "p_a_an", "p_a_an2", "bt_ap", "BitBtn2",
       [](Page& p) { return static_cast<PagePerigeeApogee&>(p).recherche(); },
       [&liste](Page& p) { return liste(p, 1); },
       [](Page& p) { return static_cast<PagePerigeeApogee&>(p).modele()->rowCount() == 0; }},
      {[](ContexteTest& c) { return std::make_unique<PageEclipses>(c); }, "ec_an", "ec_an2", "bt_eclipse",
       "eclip_erase", [](Page& p) { return static_cast<PageEclipses&>(p).recherche(); },
       [](Page& p) {
         auto* boite = p.findChild<QPlainTextEdit*>("ec_res");
         return boite->cursorForPosition(QPoint(8, 8)).block().text();
       },
       [](Page& p) {
         return static_cast<PageEclipses&>(p).texte().empty() &&
                p.findChild<QPlainTextEdit*>("ec_res")->toPlainText().isEmpty();
       }},
      planetes("an_phe", "an_phe2", "b_pheno", "phe_erase",
               [](ContexteTest& c) -> std::unique_ptr<Page> { return std::make_unique<PagePhenomenes>(c); }),
      planetes("e_an_helie", "e_an_helie2", "bt_perihelie", "bt_erase_perihelie",
               [](ContexteTest& c) -> std::unique_ptr<Page> { return std::make_unique<PagePerihelie>(c); }),
  };
  for (const cas& k : tous) {
    ContexteTest c;
    auto p = k.page(c);
    SCOPED_TRACE(p->objectName().toStdString());
    p->resize(700, 400);
    ASSERT_TRUE(activer(*p));
    // Rows enough to fill the view, then a later search: its first row comes into view.
    poser_annees(*p, k.debut, k.fin, 1900, 1960);
    p->calculer();
    poser_annees(*p, k.debut, k.fin, 2000, 2001);
    p->calculer();
    QTest::qWait(50);  // the eclipse box shows its text piece by piece
    const QString haut = k.en_haut(*p);
    EXPECT_TRUE(haut.contains("2000") || haut.contains("2001")) << haut.toStdString();

    // "&Efface" during a search: the search is stopped, the page stays empty.
    poser_annees(*p, k.debut, k.fin, -4713, 9999);
    controle<QPushButton>(*p, k.ok)->click();
    ASSERT_TRUE(k.recherche(*p)->en_cours());
    QTest::qWait(50);
    controle<QPushButton>(*p, k.efface)->click();
    EXPECT_FALSE(k.recherche(*p)->en_cours());
    QTest::qWait(100);
    EXPECT_TRUE(k.vide(*p));
  }
}

// ---- The whole window -----------------------------------------------------------------

TEST(PagesEvenements, StartUpFillsThePagesThenCopyAndPrint) {
  DossierTravail d;
  vider_reglages();
  MessagesEnregistres messages;
  DialoguesEnregistres dialogues;
  FenetrePrincipale::parametres parametres;
  parametres.messages = &messages;
  parametres.dialogues = &dialogues;
  auto f = std::make_unique<FenetrePrincipale>(parametres);
  EXPECT_TRUE(messages.recus.empty());
  const long long an = QDate::currentDate().year();

  auto* peri = qobject_cast<PagePerigeeApogee*>(f->page("peri_apog"));
  auto* ecl = qobject_cast<PageEclipses*>(f->page("eclipses"));
  auto* phe = qobject_cast<PagePhenomenes*>(f->page("phepla"));
  auto* hel = qobject_cast<PagePerihelie*>(f->page("periaphe"));
  auto* imp = qobject_cast<PageImpression*>(f->page("print_all"));
  ASSERT_TRUE(peri && ecl && phe && hel && imp);
  // Filled at start-up for the start-up year and the next; the eclipse box is
  // emptied at the end of the sequence.
  EXPECT_EQ(peri->modele()->lignes_compactes(), compactes(lignes_perigees(an, an + 1)));
  EXPECT_EQ(phe->modele()->lignes_compactes(), compactes(lignes_phenomenes(an, an + 1)));
  EXPECT_EQ(hel->modele()->lignes_compactes(), compactes(lignes_perihelies(an, an + 1)));
  EXPECT_TRUE(ecl->texte().empty());

  ecl->calculer();
  for (Page* p : std::initializer_list<Page*>{peri, ecl, phe, hel}) p->copier();
  const std::string attendu = copie_perigees(lignes_perigees(an, an + 1)) +
                              copie_eclipses(recherche_eclipses(an, an + 1, astre_eclipse::lune, true, ",").texte) +
                              copie_phenomenes(lignes_phenomenes(an, an + 1)) +
                              copie_perihelies(lignes_perihelies(an, an + 1));
  EXPECT_EQ(imp->texte().toStdString(), attendu);
  imp->imprimer();
  ASSERT_EQ(dialogues.impressions.size(), 1u);
  EXPECT_EQ(dialogues.impressions[0].texte.toStdString(), attendu);

  // Closed while a long search runs: the search ends, the settings are written.
  hel->findChild<EditionSpin*>("e_an_helie")->setPosition(-4713);
  hel->findChild<EditionSpin*>("e_an_helie2")->setPosition(9999);
  hel->findChild<QPushButton*>("bt_perihelie")->click();
  EXPECT_TRUE(hel->recherche()->en_cours());
  f->close();
  f.reset();
  QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
  EXPECT_TRUE(s.contains("Largeur"));
  vider_reglages();
}
