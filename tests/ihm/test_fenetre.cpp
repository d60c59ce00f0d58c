#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <array>
#include <limits>
#include <map>
#include <memory>

#include "calcul/formats.h"
#include "donnees/reglages.h"
#include "ihm/aide.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/onglets.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page.h"
#include "ihm/pages/page_options.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::FenetrePrincipale;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::texte_champ;
using namespace almanax::ihm::test;

namespace {

class Fenetre : public ::testing::Test {
 protected:
  void SetUp() override { vider_reglages(); }
  void TearDown() override { vider_reglages(); }

  std::unique_ptr<FenetrePrincipale> ouvrir() { return fenetre_de_test(messages, dialogues); }
  static QString page_courante(const FenetrePrincipale& f) { return f.onglet()->currentWidget()->objectName(); }
  template <class T>
  static T* w(const FenetrePrincipale& f, const char* nom) {
    T* t = f.findChild<T*>(QString::fromLatin1(nom));
    EXPECT_NE(t, nullptr) << nom;
    return t;
  }
  // The pages that do not fit the window at its design size (they make it grow).
  static std::string pages_trop_grandes(const FenetrePrincipale& f) {
    const QSize conception(almanax::ihm::largeur_conception, almanax::ihm::hauteur_conception);
    const QSize exces = f.size() - conception;
    const QSize zone = f.onglet()->widget(0)->parentWidget()->size() - exces;
    std::string liste = "pages plus grandes que la place disponible " + std::to_string(zone.width()) + " x " +
                        std::to_string(zone.height()) + " :";
    for (const almanax::ihm::Page* p : f.pages()) {
      const QSize m = p->minimumSizeHint();
      if (m.width() > zone.width() || m.height() > zone.height())
        liste += " " + p->objectName().toStdString() + " (" + std::to_string(m.width()) + " x " +
                 std::to_string(m.height()) + ")";
    }
    return liste;
  }
  static QVariant reglage(const char* cle) {
    QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
    return s.value(QString::fromUtf8(cle));
  }

  DossierTravail dossier;
  MessagesEnregistres messages;
  DialoguesEnregistres dialogues;
};

struct page_attendue {
  const char* nom;
  const char* legende;
};

const page_attendue pages_attendues[] = {
    {"ephemeride", "Éphémérides"},
    {"soleil", "Soleil, Lune"},
    {"ce_soir", "Ce soir"},
    {"phases_lune", "Phases de la Lune"},
    {"peri_apog", "Péri. et Apogée"},
    {"sat_jup", "Sat. joviens"},
    {"equation_du_temps", "Equa. Temps"},
    {"eclipses", "Eclipses"},
    {"phepla", "Phénomènes Planétaires"},
    {"periaphe", "Péri. et Aphélie"},
    {"plan_helio", "Plan. héliocentrique"},
    {"plan_geo", "Plan. géocentrique"},
    {"tcomete", "Comètes"},
    {"prec_equi", "Préc. des Equinoxes"},
    {"tdates", "Dates"},
    {"print_all", "Impression"},
    {"toptions", "Options"},
};

}  // namespace

TEST_F(Fenetre, SeventeenPagesInOrder) {
  auto f = ouvrir();
  EXPECT_EQ(f->windowTitle(), "Almanax 2.0");
  EXPECT_EQ(f->onglet()->objectName(), "onglet");
  ASSERT_EQ(f->onglet()->count(), 17);
  for (int i = 0; i < 17; ++i) {
    EXPECT_EQ(f->onglet()->widget(i)->objectName(), pages_attendues[i].nom);
    EXPECT_EQ(f->onglet()->legende(i), QString::fromUtf8(pages_attendues[i].legende));
  }
  // One picture per page for --capture, named after the page and in the pages' order
  // ("Ce soir", added after "Soleil, Lune", is "02b" so the others keep their names).
  QStringList noms;
  for (const almanax::ihm::Page* p : f->pages()) noms << p->nom_capture();
  EXPECT_EQ(noms.size(), 17);
  EXPECT_EQ(noms.front(), "01-ephemerides");
  EXPECT_EQ(noms[2], "02b-ce-soir");
  EXPECT_EQ(noms.back(), "16-options");
  EXPECT_EQ(QSet<QString>(noms.begin(), noms.end()).size(), 17);
  QStringList tries = noms;
  tries.sort();
  EXPECT_EQ(tries, noms);
  for (int i = 0; i < 17; ++i) {
    const int numero = i < 2 ? i + 1 : i == 2 ? 2 : i;
    EXPECT_TRUE(noms[i].startsWith(QString("%1").arg(numero, 2, 10, QChar('0')))) << noms[i].toStdString();
  }
}

TEST_F(Fenetre, MenusItemsAndShortcuts) {
  auto f = ouvrir();
  // Each menu: its title, then its items as "caption|shortcut", "-" for a separator.
  const std::vector<std::pair<QString, QStringList>> attendu = {
      {"E&xit", {"Fin|Ctrl+F4"}},
      {"&Planètes", {"Éphémérides|Ctrl+E", "Périhélie et Aphélie|Ctrl+A", "Phénomènes Planétaires|Ctrl+P"}},
      {"&Lune", {"Éphémérides|Ctrl+M", "Éclipses|Ctrl+C", "Phases|Ctrl+S", "Périgées et apogées|Ctrl+R"}},
      {"&Soleil", {"Éphémérides|Ctrl+I", "Éclipses|Ctrl+L"}},
      {"Planétarium", {"Géocentrique|Ctrl+G", "Héliocentrique|Ctrl+H"}},
      {"Divers",
       {"Ce soir|Ctrl+N", "Comètes|Ctrl+T", "Précession des équinoxes|Ctrl+Q", "Satellites joviens|Ctrl+J",
        "Dates|Ctrl+Z", "Équation du temps|Ctrl+U", "-", "Options|F2", "Impression|F3"}},
      {"?", {"Aide|F1", "Index|Ctrl+F1", "-", "A propos...|Ctrl+O"}},
  };
  const QList<QAction*> barre = f->menuBar()->actions();
  ASSERT_EQ(barre.size(), 7);
  const char* noms[] = {"Fichier1", "Plantes1", "Lune1", "Soleil1", "Plantarium1", "Divers1", "Aide1"};
  for (int i = 0; i < 7; ++i) {
    QMenu* m = barre[i]->menu();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->objectName(), noms[i]);
    EXPECT_EQ(m->title(), attendu[i].first);
    QStringList items;
    for (QAction* a : m->actions())
      items << (a->isSeparator() ? QString("-") : a->text() + "|" + a->shortcut().toString(QKeySequence::PortableText));
    EXPECT_EQ(items, attendu[i].second) << noms[i];
  }
}

TEST_F(Fenetre, ShortcutsOpenTheirPages) {
  auto f = ouvrir();
  ASSERT_TRUE(activer(*f));
  const std::vector<std::tuple<int, Qt::KeyboardModifiers, const char*>> cas = {
      {Qt::Key_E, Qt::ControlModifier, "ephemeride"}, {Qt::Key_A, Qt::ControlModifier, "periaphe"},
      {Qt::Key_P, Qt::ControlModifier, "phepla"},     {Qt::Key_M, Qt::ControlModifier, "soleil"},
      {Qt::Key_C, Qt::ControlModifier, "eclipses"},   {Qt::Key_S, Qt::ControlModifier, "phases_lune"},
      {Qt::Key_R, Qt::ControlModifier, "peri_apog"},  {Qt::Key_I, Qt::ControlModifier, "soleil"},
      {Qt::Key_L, Qt::ControlModifier, "eclipses"},   {Qt::Key_G, Qt::ControlModifier, "plan_geo"},
      {Qt::Key_H, Qt::ControlModifier, "plan_helio"}, {Qt::Key_T, Qt::ControlModifier, "tcomete"},
      {Qt::Key_Q, Qt::ControlModifier, "prec_equi"},  {Qt::Key_J, Qt::ControlModifier, "sat_jup"},
      {Qt::Key_Z, Qt::ControlModifier, "tdates"},     {Qt::Key_U, Qt::ControlModifier, "equation_du_temps"},
      {Qt::Key_F2, Qt::NoModifier, "toptions"},       {Qt::Key_F3, Qt::NoModifier, "print_all"},
  };
  for (const auto& [touche, mods, page] : cas) {
    // Start from another page each time, with the focus out of any edit.
    f->onglet()->setCurrentIndex(page == QString("ephemeride") ? 1 : 0);
    f->onglet()->barre()->setFocus();
    QTest::keyClick(f.get(), static_cast<Qt::Key>(touche), mods);
    EXPECT_EQ(page_courante(*f), page) << QKeySequence(touche | mods).toString().toStdString();
  }
}

TEST_F(Fenetre, HelpAndAboutFromTheirKeys) {
  auto f = ouvrir();
  ASSERT_TRUE(activer(*f));
  QTest::keyClick(f.get(), Qt::Key_F1);
  ASSERT_NE(f->fenetre_aide(), nullptr);
  EXPECT_TRUE(f->fenetre_aide()->isVisible());
  EXPECT_EQ(f->fenetre_aide()->navigateur()->source().fileName(), "Almanax2.HLP");
  EXPECT_FALSE(f->fenetre_aide()->navigateur()->toPlainText().isEmpty());
  ASSERT_TRUE(activer(*f));
  QTest::keyClick(f.get(), Qt::Key_F1, Qt::ControlModifier);
  EXPECT_EQ(f->fenetre_aide()->navigateur()->source().fileName(), "index.HLP");

  ASSERT_TRUE(activer(*f));
  QTest::keyClick(f.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(dialogues.modaux, std::vector<QString>{"A propos"});
  auto* boite = f->findChild<QDialog*>("AboutBox");
  ASSERT_NE(boite, nullptr);
  QStringList textes;
  for (const QLabel* l : boite->findChildren<QLabel*>())
    if (!l->text().isEmpty()) textes << l->text();
  EXPECT_TRUE(textes.contains("Almanax"));
  EXPECT_TRUE(textes.contains("Version"));
  EXPECT_TRUE(textes.contains("2.0"));
  EXPECT_TRUE(textes.join(' ').contains("version 3 ou ultérieure"));
  // Its link opens the help and closes the box.
  f->fenetre_aide()->close();
  emit boite->findChild<QLabel*>("LienAide")->linkActivated("aide");
  EXPECT_EQ(f->fenetre_aide()->navigateur()->source().fileName(), "Almanax2.HLP");
  EXPECT_TRUE(f->fenetre_aide()->isVisible());
}

// Without data files in the working directory, the window makes and edits them in the
// user's data folder and writes nothing where it was started; a file in the working
// directory is the one used and edited.
TEST_F(Fenetre, DataFilesInTheUsersFolderUnlessInTheWorkingDirectory) {
  QTemporaryDir donnees;
  ASSERT_TRUE(donnees.isValid());
  qputenv("ALMANAX_DONNEES", donnees.path().toLocal8Bit());
  {
    auto f = ouvrir();
    EXPECT_TRUE(messages.recus.empty());
    ASSERT_TRUE(f->session().villes().ajouter("Nulle Part", 10, 20).reussie);
  }
  EXPECT_TRUE(QDir(dossier.dossier()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
  EXPECT_TRUE(QFile::exists(donnees.filePath("cometes.dat")));
  EXPECT_TRUE(lire_fichier(donnees.filePath("villes.dat")).contains("Nulle Part"));
  {
    auto f = ouvrir();  // a restart finds the site
    EXPECT_TRUE(w<QListView>(*f, "cb_nom")->toolTip().contains(donnees.filePath("villes.dat")));
    const auto* liste = w<QListView>(*f, "cb_nom");
    bool trouve = false;
    for (int i = 0; i < lignes(liste); ++i) trouve = trouve || texte_ligne(liste, i) == "Nulle Part";
    EXPECT_TRUE(trouve);
  }

  QFile::copy(donnees.filePath("villes.dat"), dossier.chemin("villes.dat"));
  {
    auto f = ouvrir();
    ASSERT_TRUE(f->session().villes().ajouter("Ailleurs", 11, 21).reussie);
  }
  EXPECT_TRUE(lire_fichier(dossier.chemin("villes.dat")).contains("Ailleurs"));
  EXPECT_FALSE(lire_fichier(donnees.filePath("villes.dat")).contains("Ailleurs"));
  qputenv("ALMANAX_DONNEES", dossier.dossier().toLocal8Bit());
}

TEST_F(Fenetre, FirstStartWritesTheDefaults) {
  auto f = ouvrir();
  EXPECT_EQ(reglage("Site").toInt(), 172);
  EXPECT_EQ(reglage("Comète").toInt(), 0);
  EXPECT_EQ(reglage("Onglet").toBool(), false);
  EXPECT_EQ(reglage("Onglet2").toBool(), true);
  EXPECT_EQ(reglage("Menu").toBool(), true);
  EXPECT_EQ(reglage("Menu2").toBool(), false);
  EXPECT_EQ(reglage("Heure actuelle").toBool(), true);
  EXPECT_EQ(reglage("Date du jour").toBool(), true);
  EXPECT_EQ(reglage("Midi").toBool(), true);
  EXPECT_EQ(reglage("Minuit").toBool(), false);
  EXPECT_EQ(reglage("Largeur").toInt(), almanax::ihm::largeur_conception);
  EXPECT_EQ(reglage("Hauteur").toInt(), almanax::ihm::hauteur_conception);
  EXPECT_EQ(reglage("Gauche").toInt(), almanax::ihm::gauche_conception);
  EXPECT_EQ(reglage("Haut").toInt(), almanax::ihm::haut_conception);
  f->show();
  EXPECT_EQ(f->size(), QSize(almanax::ihm::largeur_conception, almanax::ihm::hauteur_conception))
      << pages_trop_grandes(*f);
  // The missing sites file is written from the bundled list; its entry 172 is Paris.
  EXPECT_TRUE(QFile::exists(dossier.chemin("villes.dat")));
  EXPECT_EQ(ligne_courante(w<QListView>(*f, "cb_nom")), 172);
  EXPECT_EQ(w<QLabel>(*f, "lsitedef")->text(), "Paris");
  EXPECT_NEAR(static_cast<double>(f->session().site().latitude_signee()), 48.85, 1e-9);
  EXPECT_NEAR(static_cast<double>(f->session().site().longitude_signee()), -2.35, 1e-9);
  EXPECT_TRUE(messages.recus.empty());
}

TEST_F(Fenetre, HiddenMenusStayHiddenAndTheirShortcutsWork) {
  {
    auto f = ouvrir();
    w<QRadioButton>(*f, "rmn")->click();
    for (QMenu* m : f->menus()) EXPECT_FALSE(m->menuAction()->isVisible());
    f->close();
  }
  EXPECT_EQ(reglage("Menu").toBool(), false);
  EXPECT_EQ(reglage("Menu2").toBool(), true);
  auto f = ouvrir();
  EXPECT_TRUE(w<QRadioButton>(*f, "rmn")->isChecked());
  ASSERT_TRUE(activer(*f));
  EXPECT_FALSE(f->menuBar()->isVisible());
  for (QMenu* m : f->menus()) EXPECT_FALSE(m->menuAction()->isVisible());
  f->onglet()->setCurrentIndex(5);
  f->onglet()->barre()->setFocus();
  QTest::keyClick(f.get(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(page_courante(*f), "ephemeride");
  QTest::keyClick(f.get(), Qt::Key_F2);
  EXPECT_EQ(page_courante(*f), "toptions");
  // And back.
  w<QRadioButton>(*f, "rmo")->click();
  EXPECT_TRUE(f->menuBar()->isVisibleTo(f.get()));
  for (QMenu* m : f->menus()) EXPECT_TRUE(m->menuAction()->isVisible());
}

TEST_F(Fenetre, OptionsComeBackAfterARestart) {
  almanax::reglages avant;
  {
    auto f = ouvrir();
    w<QRadioButton>(*f, "ro1")->click();
    w<QRadioButton>(*f, "minuit")->click();
    w<QCheckBox>(*f, "nowt")->setChecked(false);
    w<QCheckBox>(*f, "nowd")->setChecked(false);
    auto* liste = w<QListView>(*f, "cb_nom");
    choisir_ligne(liste, 10);  // "OK" is checked: the site clicked becomes the default
    f->session().cometes().choisir_defaut(3);
    f->move(100, 120);
    f->resize(760, 580);
    avant = f->reglages_actuels();
    f->close();
  }
  EXPECT_EQ(avant.site, 10);
  auto f = ouvrir();
  const almanax::reglages apres = f->reglages_actuels();
  EXPECT_EQ(apres, avant);
  EXPECT_TRUE(apres.onglet);
  EXPECT_TRUE(apres.minuit);
  EXPECT_FALSE(apres.heure_actuelle);
  EXPECT_EQ(apres.comete, 3);
  EXPECT_EQ(f->size(), QSize(760, 580));
  EXPECT_EQ(ligne_courante(w<QListView>(*f, "cb_nom")), 10);
  EXPECT_EQ(f->onglet()->barre()->nombreRangees(), 1);
}

TEST_F(Fenetre, StoredGeometryOffEveryScreenIsIgnored) {
  {
    QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
    almanax::reglages r;
    r.gauche = 30000;
    r.haut = -30000;
    r.largeur = 700;
    r.hauteur = 500;
    r.minuit = true;
    r.midi = false;
    almanax::ecrire_reglages(s, r);
  }
  auto f = ouvrir();
  EXPECT_EQ(f->pos(), QPoint(almanax::ihm::gauche_conception, almanax::ihm::haut_conception));
  EXPECT_EQ(f->size(), QSize(almanax::ihm::largeur_conception, almanax::ihm::hauteur_conception));
  EXPECT_TRUE(w<QRadioButton>(*f, "minuit")->isChecked());  // the rest is read
}

TEST(GeometrieVisible, SomeOfTheTopOnAScreen) {
  const QList<QRect> deux{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  EXPECT_TRUE(almanax::ihm::geometrie_visible(QRect(40, 40, 820, 660), deux));
  EXPECT_TRUE(almanax::ihm::geometrie_visible(QRect(2500, 100, 820, 660), deux));  // second screen
  EXPECT_TRUE(almanax::ihm::geometrie_visible(QRect(-700, 10, 820, 660), deux));   // partly off, grabbable
  EXPECT_FALSE(almanax::ihm::geometrie_visible(QRect(4000, 100, 820, 660), deux));
  EXPECT_FALSE(almanax::ihm::geometrie_visible(QRect(100, 1070, 820, 660), deux));  // title bar below
  EXPECT_FALSE(almanax::ihm::geometrie_visible(QRect(100, -500, 820, 660), deux));  // title bar above
  EXPECT_FALSE(almanax::ihm::geometrie_visible(QRect(40, 40, 0, 660), deux));
  EXPECT_FALSE(almanax::ihm::geometrie_visible(QRect(40, 40, 820, 660), {}));
}

// Any integer a settings file may hold: no corner of a rectangle leaves the integer
// range (the undefined-behaviour sanitizer checks the arithmetic), and a geometry
// that is not entirely plausible is not used.
TEST(GeometrieVisible, StoredExtremesAreRefusedBeforeAnyRectangle) {
  constexpr int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
  const QList<QRect> ecrans{QRect(0, 0, 1920, 1080)};
  const std::vector<std::array<int, 4>> refuses = {
      {max, 40, 820, 660},  {40, max, 820, 660},  {min, 40, 820, 660},       {40, min, 820, 660},
      {40, 40, max, 660},   {40, 40, 820, max},   {40, 40, min, 660},        {40, 40, 820, min},
      {max, max, max, max}, {min, min, min, min}, {max - 100, 40, 820, 660}, {40, 40, 0, 0},
  };
  for (const auto& [g, h, l, ht] : refuses)
    EXPECT_FALSE(almanax::ihm::geometrie_enregistree(g, h, l, ht, ecrans)) << g << " " << h << " " << l << " " << ht;
  EXPECT_EQ(almanax::ihm::geometrie_enregistree(40, 40, 820, 660, ecrans), QRect(40, 40, 820, 660));
  EXPECT_EQ(almanax::ihm::geometrie_enregistree(-700, 10, 820, 660, ecrans), QRect(-700, 10, 820, 660));
}

TEST_F(Fenetre, StoredGeometryAtTheIntegerLimitsIsIgnored) {
  {
    QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
    s.setValue("Gauche", std::numeric_limits<int>::max());
    s.setValue("Haut", 40);
    s.setValue("Largeur", std::numeric_limits<int>::min());
    s.setValue("Hauteur", std::numeric_limits<int>::max());
  }
  auto f = ouvrir();
  EXPECT_EQ(f->pos(), QPoint(almanax::ihm::gauche_conception, almanax::ihm::haut_conception));
  EXPECT_EQ(f->size(), QSize(almanax::ihm::largeur_conception, almanax::ihm::hauteur_conception));
}

// The pages declare the fields the window's checks read: every year field once, with
// its role and caption, and the three dates of the clamp.
TEST_F(Fenetre, ChecksReadTheFieldsThePagesDeclare) {
  auto f = ouvrir();
  std::map<almanax::champ_annee, std::pair<QString, QString>> annees;  // objectName, caption
  std::map<almanax::date_bornee, QStringList> dates;
  for (const almanax::ihm::Page* p : f->pages()) {
    for (const auto& a : p->annees_a_valider()) {
      EXPECT_EQ(a.page, p);
      EXPECT_EQ(a.legende_page, p->legende());
      EXPECT_TRUE(annees.emplace(a.role, std::pair{a.champ->objectName(), a.libelle}).second)
          << a.libelle.toStdString();
    }
    for (const auto& d : p->dates_a_borner())
      dates[d.role] = {d.jour->objectName(), d.mois->objectName(), d.annee->objectName()};
  }
  using almanax::champ_annee;
  const std::map<champ_annee, std::pair<QString, QString>> attendu = {
      {champ_annee::ephemerides, {"e_an", "Année"}},
      {champ_annee::precession_reference, {"anequi", "Année de la date de référence"}},
      {champ_annee::precession_voulue, {"anequi2", "Année de la date voulue"}},
      {champ_annee::comete_observation, {"an_com", "Année de la date d'observation"}},
      {champ_annee::planetarium_helio, {"h_an", "Année"}},
      {champ_annee::perihelies_debut, {"e_an_helie", "Année de départ"}},
      {champ_annee::perihelies_fin, {"e_an_helie2", "Année de fin"}},
      {champ_annee::phenomenes_debut, {"an_phe", "Année de départ"}},
      {champ_annee::phenomenes_fin, {"an_phe2", "Année de fin"}},
      {champ_annee::eclipses_debut, {"ec_an", "Année de départ"}},
      {champ_annee::eclipses_fin, {"ec_an2", "Année de fin"}},
      {champ_annee::equation_temps, {"equa_an", "Année"}},
      {champ_annee::satellites, {"an_sat", "Année"}},
      {champ_annee::soleil_lune, {"an_sol", "Année"}},
      {champ_annee::phases, {"an_dep", "Année"}},
  };
  EXPECT_EQ(annees, attendu);
  using almanax::date_bornee;
  const std::map<date_bornee, QStringList> dates_attendues = {
      {date_bornee::precession_reference, {"jourequi", "moisequi", "anequi"}},
      {date_bornee::precession_voulue, {"jourequi2", "moisequi2", "anequi2"}},
      {date_bornee::planetarium_helio, {"h_jour", "h_mois", "h_an"}},
  };
  EXPECT_EQ(dates, dates_attendues);
}

// A wrong year left on one page is reported from any page: the message names the
// field and its page, that page comes to the front and the field has the focus.
TEST_F(Fenetre, WrongYearNamesItsPageAndShowsIt) {
  struct cas {
    const char* champ;
    const char* texte;
    const char* autre;  // the field that gets a value that makes the error, if any
    const char* autre_texte;
    const char* page;
    const char* message;
  };
  const std::vector<cas> cas_essayes = {
      {"e_an", "abc", nullptr, nullptr, "ephemeride",
       "abc n'est pas une valeur correcte.\nChamp « Année » de la page « Éphémérides »."},
      {"an_com", "19x9", nullptr, nullptr, "tcomete",
       "19x9 n'est pas une valeur correcte.\nChamp « Année de la date d'observation » de la page « Comètes »."},
      {"ec_an2", "1990", "ec_an", "2000", "eclipses",
       "La date de départ doit être inférieure à l'année de fin des recherches.\n"
       "Champ « Année de fin » de la page « Eclipses »."},
  };
  auto f = ouvrir();
  ASSERT_TRUE(activer(*f));
  for (const cas& c : cas_essayes) {
    SCOPED_TRACE(c.champ);
    // From another page: the options page, which has no year field.
    f->onglet()->setCurrentIndex(f->onglet()->indexOf(f->page("toptions")));
    QApplication::processEvents();
    auto* champ = w<QWidget>(*f, c.champ);
    const QString avant = texte_champ(champ);
    almanax::ihm::ecrire_champ(champ, c.texte);
    QWidget* autre = c.autre ? w<QWidget>(*f, c.autre) : nullptr;
    const QString autre_avant = autre ? texte_champ(autre) : QString();
    if (autre) almanax::ihm::ecrire_champ(autre, c.autre_texte);
    messages.recus.clear();
    f->valider_annees();
    QApplication::processEvents();
    ASSERT_EQ(messages.recus.size(), 1u);
    EXPECT_EQ(messages.recus[0].texte, QString::fromUtf8(c.message));
    EXPECT_EQ(page_courante(*f), c.page);
    EXPECT_EQ(f->focusWidget(), champ);
    almanax::ihm::ecrire_champ(champ, avant);
    if (autre) almanax::ihm::ecrire_champ(autre, autre_avant);
  }
  messages.recus.clear();
  f->valider_annees();
  QApplication::processEvents();
  EXPECT_TRUE(messages.recus.empty());

  // The check also runs when the user leaves a year field by choosing another page:
  // one message, and the page of the wrong year is the one shown, in the tab bar too.
  auto* e_an = w<QWidget>(*f, "e_an");
  almanax::ihm::ecrire_champ(e_an, "abc");
  f->onglet()->setCurrentIndex(f->onglet()->indexOf(f->page("eclipses")));
  QApplication::processEvents();
  w<QWidget>(*f, "ec_an")->setFocus();
  QApplication::processEvents();
  messages.recus.clear();
  f->onglet()->setCurrentIndex(f->onglet()->indexOf(f->page("toptions")));
  QApplication::processEvents();
  ASSERT_EQ(messages.recus.size(), 1u);
  EXPECT_TRUE(messages.recus[0].texte.endsWith("de la page « Éphémérides »."));
  EXPECT_EQ(page_courante(*f), "ephemeride");
  EXPECT_EQ(f->onglet()->currentIndex(), f->onglet()->indexOf(f->page("ephemeride")));
  EXPECT_TRUE(f->page("ephemeride")->isVisible());
  EXPECT_FALSE(f->page("toptions")->isVisible());
  EXPECT_EQ(f->focusWidget(), e_an);
}

TEST(Horloge, StatusBarTexts) {
  const auto t = almanax::ihm::textes_horloge(QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0)), ",");
  EXPECT_EQ(t[0], "2451545,000000");
  EXPECT_EQ(t[1], "samedi 1 Janvier 2000");
  EXPECT_EQ(t[2], "12:00:00");
  const auto u = almanax::ihm::textes_horloge(QDateTime(QDate(1582, 10, 15), QTime(6, 0, 0)), ".");
  EXPECT_EQ(u[0], "2299160.750000");
  EXPECT_EQ(u[1], "vendredi 15 Octobre 1582");
  EXPECT_EQ(u[2], "06:00:00");
}

TEST_F(Fenetre, ClockRunsInTheStatusBar) {
  auto f = ouvrir();
  auto* minuteur = w<QTimer>(*f, "horloge");
  EXPECT_EQ(minuteur->interval(), 999);
  EXPECT_TRUE(minuteur->isActive());
  EXPECT_TRUE(QRegularExpression("^\\d{7},\\d{6}$").match(w<QLabel>(*f, "panneau_jour_julien")->text()).hasMatch());
  const QDate j = QDate::currentDate();
  EXPECT_TRUE(w<QLabel>(*f, "panneau_date")
                  ->text()
                  .endsWith(QString(" %1 ").arg(j.day()) + QString::fromStdString(almanax::nom_du_mois(j.month())) +
                            QString(" %1").arg(j.year())));
  EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(w<QLabel>(*f, "panneau_heure")->text()).hasMatch());

  // Civil time: the zone's clock and its name, from the next tick.
  auto* fuseau = w<QComboBox>(*f, "fuseau");
  fuseau->setCurrentIndex(fuseau->findText("Asia/Kolkata"));
  emit fuseau->activated(fuseau->currentIndex());
  w<QRadioButton>(*f, "heure_legale")->click();
  QTest::qWait(1100);
  const QString heure = w<QLabel>(*f, "panneau_heure")->text();
  const auto m = QRegularExpression("^(\\d\\d:\\d\\d:\\d\\d) Asia/Kolkata \\(UTC\\+5:30\\)$").match(heure);
  ASSERT_TRUE(m.hasMatch()) << heure.toStdString();
  const QTime la = QTime::fromString(m.captured(1), "HH:mm:ss");
  const QTime attendue = QDateTime::currentDateTimeUtc().addSecs(5 * 3600 + 1800).time();
  const int ecart = std::abs(la.secsTo(attendue));  // across midnight, a day less
  EXPECT_TRUE(ecart < 5 || ecart > 86395) << heure.toStdString();
}

TEST_F(Fenetre, TabsOnOneOrSeveralRows) {
  auto f = ouvrir();
  f->show();
  auto* barre = f->onglet()->barre();
  EXPECT_GT(barre->nombreRangees(), 1);
  w<QRadioButton>(*f, "ro1")->click();
  EXPECT_EQ(barre->nombreRangees(), 1);
  w<QRadioButton>(*f, "ro2")->click();
  EXPECT_GT(barre->nombreRangees(), 1);
}

TEST_F(Fenetre, FinClosesAndWritesTheSettings) {
  auto f = ouvrir();
  ASSERT_TRUE(activer(*f));
  w<QRadioButton>(*f, "minuit")->click();
  QTest::keyClick(f.get(), Qt::Key_F4, Qt::ControlModifier);
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(reglage("Minuit").toBool(), true);
  EXPECT_EQ(reglage("Midi").toBool(), false);
}

TEST_F(Fenetre, WithoutSettingsStoreNothingIsWritten) {
  FenetrePrincipale::parametres p;
  p.messages = &messages;
  p.dialogues = &dialogues;
  p.reglages = false;
  p.creer_fichiers = false;
  {
    FenetrePrincipale f(p);
    EXPECT_EQ(f.session().villes().index_enregistre(), 172);
    f.close();
  }
  QSettings s(QStringLiteral("Quillory"), QStringLiteral("Almanax"));
  EXPECT_TRUE(s.allKeys().isEmpty());
  EXPECT_FALSE(QFile::exists(dossier.chemin("villes.dat")));
}

TEST(AideFichiers, EveryPageHasItsSectionAndEveryLinkLeadsSomewhere) {
  QFile f(":/aide/Almanax2.HLP"), g(":/aide/index.HLP");
  almanax::ihm::FenetreAide aide;  // registers the resources
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  ASSERT_TRUE(g.open(QIODevice::ReadOnly));
  const QString principal = QString::fromUtf8(f.readAll());
  const QString index = QString::fromUtf8(g.readAll());
  const QRegularExpression id("(?:id|name)=\"([^\"]+)\"");
  auto ancres_de = [&id](const QString& texte) {
    QSet<QString> a;
    for (auto m = id.globalMatch(texte); m.hasNext();) a.insert(m.next().captured(1));
    return a;
  };
  const QMap<QString, QSet<QString>> ancres{{"Almanax2.HLP", ancres_de(principal)}, {"index.HLP", ancres_de(index)}};
  // A section for each page, titled with the page's caption.
  for (const page_attendue& p : pages_attendues) {
    const QRegularExpression titre(QString("<h2><a name=\"%1\"></a>([^<]*)</h2>").arg(p.nom));
    const auto m = titre.match(principal);
    ASSERT_TRUE(m.hasMatch()) << p.nom;
    EXPECT_TRUE(m.captured(1).contains(QString::fromUtf8(p.legende))) << p.nom;
  }
  // Every link of both files points to an anchor that exists.
  const QRegularExpression lien("href=\"([^\"]*)\"");
  int liens = 0;
  for (const auto& [nom, texte] : {std::pair<QString, QString>{"Almanax2.HLP", principal}, {"index.HLP", index}}) {
    for (auto m = lien.globalMatch(texte); m.hasNext();) {
      const QString cible = m.next().captured(1);
      ++liens;
      const qsizetype diese = cible.indexOf('#');
      const QString fichier = diese < 0 ? cible : (diese == 0 ? nom : cible.left(diese));
      ASSERT_TRUE(ancres.contains(fichier)) << cible.toStdString();
      if (diese >= 0) {
        EXPECT_TRUE(ancres[fichier].contains(cible.mid(diese + 1))) << cible.toStdString();
      }
    }
  }
  EXPECT_GT(liens, 30);
}

TEST_F(Fenetre, PagesUsingTheSiteRecomputeWhenItChanges) {
  auto f = ouvrir();
  auto releve = [&f] {
    QStringList r;
    for (const char* e : {"lever", "meridien", "sol_lev", "lune_lev"}) r << w<QLabel>(*f, e)->text();
    return r;
  };
  const QStringList paris = releve();
  auto* liste = w<QListView>(*f, "cb_nom");
  const std::vector<int> noumea = lignes_de(liste, QString::fromUtf8("Nouméa"));
  ASSERT_EQ(noumea.size(), 1);
  w<QCheckBox>(*f, "csitedef")->setChecked(false);
  choisir_ligne(liste, noumea.front());
  const QStringList choisi = releve();
  for (int i = 0; i < paris.size(); ++i) EXPECT_NE(choisi[i], paris[i]) << i;
  w<QPushButton>(*f, "BitBtn1")->click();  // back to the default site, Paris
  EXPECT_EQ(releve(), paris);
}

TEST_F(Fenetre, EveryMenuShortcutWorksFromEveryControl) {
  auto f = ouvrir();
  ASSERT_TRUE(activer(*f));
  // The items that open a page or the about box (Fin closes the window, the help opens
  // another one).
  std::vector<std::pair<QAction*, std::unique_ptr<QSignalSpy>>> items;
  for (QAction* a : f->actions()) {
    if (a->shortcut().isEmpty() || a->objectName() == "Fin1" || a->objectName().startsWith("Aide") ||
        a->objectName() == "Index1")
      continue;
    items.emplace_back(a, std::make_unique<QSignalSpy>(a, &QAction::triggered));
  }
  ASSERT_EQ(items.size(), 20u);
  int controles = 0;
  QStringList manques;
  for (almanax::ihm::Page* page : f->pages()) {
    f->onglet()->setCurrentIndex(f->onglet()->indexOf(page));
    for (QWidget* c : page->findChildren<QWidget*>()) {
      if (!(c->focusPolicy() & Qt::ClickFocus) || c->focusProxy() || !c->isEnabled() || !c->isVisibleTo(page)) continue;
      ++controles;
      for (auto& [a, espion] : items) {
        f->onglet()->setCurrentIndex(f->onglet()->indexOf(page));
        c->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), c) << c->objectName().toStdString();
        const QString avant = texte_champ(c);
        const int n = static_cast<int>(espion->count());
        const QKeyCombination k = a->shortcut()[0];
        QTest::keyClick(c, k.key(), k.keyboardModifiers());
        if (espion->count() != n + 1)
          manques << page->objectName() + "/" + c->objectName() + " " + a->shortcut().toString();
        EXPECT_EQ(texte_champ(c), avant) << c->objectName().toStdString();  // the edit did nothing with it
      }
    }
  }
  EXPECT_GT(controles, 40);
  EXPECT_TRUE(manques.isEmpty()) << manques.join(", ").toStdString();
  EXPECT_FALSE(dialogues.modaux.empty());  // Ctrl+O showed the about box each time
}

TEST_F(Fenetre, NoAcceleratorIsClaimedTwiceOnAPage) {
  auto f = ouvrir();
  f->show();
  for (almanax::ihm::Page* page : f->pages()) {
    f->onglet()->setCurrentIndex(f->onglet()->indexOf(page));
    QMap<QKeySequence, QStringList> qui;
    for (QMenu* m : f->menus()) qui[QKeySequence::mnemonic(m->title())] << m->title();
    for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
      if (b->isVisibleTo(page)) qui[QKeySequence::mnemonic(b->text())] << b->text();
    for (QLabel* l : page->findChildren<QLabel*>())
      if (l->buddy() && l->isVisibleTo(page)) qui[QKeySequence::mnemonic(l->text())] << l->text();
    for (QGroupBox* g : page->findChildren<QGroupBox*>())
      if (g->isVisibleTo(page)) qui[QKeySequence::mnemonic(g->title())] << g->title();
    for (auto it = qui.cbegin(); it != qui.cend(); ++it) {
      if (it.key().isEmpty()) continue;
      EXPECT_EQ(it.value().size(), 1) << page->objectName().toStdString() << ": "
                                      << it.value().join(" / ").toStdString();
    }
  }
}
