#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <memory>

#include "donnees/fuseaux.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/pages/page_options.h"
#include "outils_ihm.h"

using almanax::ihm::EditionSpin;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::PageOptions;
using namespace almanax::ihm::test;

namespace {

// Values chosen to be exact in binary, so degrees, minutes and seconds are certain.
const QByteArray quatre_sites =
    "45.75 -4.5 Lyon\r\n"
    "43.25 -5.25 Marseille\r\n"
    "48.5 -2.25 Paris\r\n"
    "43.5 -1.25 Toulouse\r\n";

class PageSites : public ::testing::Test {
 protected:
  void charger(long long index, const QByteArray& contenu = quatre_sites) {
    ecrire_fichier(fichier(), contenu);
    page = std::make_unique<PageOptions>(contexte);
    almanax::ihm::charger_sites(contexte, dossier.dossier(), index);
  }
  QString fichier() const { return dossier.chemin("villes.dat"); }
  QByteArray contenu() const { return lire_fichier(fichier()); }
  template <class T>
  T* w(const char* nom) const {
    T* t = page->findChild<T*>(QString::fromLatin1(nom));
    EXPECT_NE(t, nullptr) << nom;
    return t;
  }
  EditionSpin* spin(const char* nom) const { return w<EditionSpin>(nom); }
  QString texte(const char* nom) const { return spin(nom)->edition()->text(); }
  QPushButton* bouton(const char* nom) const { return w<QPushButton>(nom); }
  QListView* liste() const { return w<QListView>("cb_nom"); }
  // A click in the list, as the user makes it.
  void cliquer(int ligne) {
    choisir_ligne(liste(), ligne);
    emit liste()->clicked(liste()->model()->index(ligne, 0));
  }
  // The session of the page's window.
  almanax::Session& session() { return page_contexte->session(); }
  void saisir_site(const QString& nom, int ld, int lm, int ls, const char* ns, int od, int om, int os, const char* eo) {
    bouton("new_site")->click();
    w<QLineEdit>("e_location")->setText(nom);
    spin("e_lat")->setPosition(ld);
    spin("e_lat2")->setPosition(lm);
    spin("e_lat3")->setPosition(ls);
    spin("e_lat4")->edition()->setText(ns);
    spin("e_lon")->setPosition(od);
    spin("e_lon2")->setPosition(om);
    spin("e_lon3")->setPosition(os);
    spin("e_lon4")->edition()->setText(eo);
  }
  std::vector<QString> noms() const {
    std::vector<QString> n;
    for (int i = 0; i < lignes(liste()); ++i) n.push_back(texte_ligne(liste(), i));
    return n;
  }

  DossierTravail dossier;
  ContexteTest contexte;
  ContexteTest autre_contexte{contexte};  // a second window's, see TwoPagesOnOneFolderLoseNoEdit
  ContexteTest* page_contexte = &contexte;
  ContexteTest* autre_page_contexte = &autre_contexte;
  std::unique_ptr<PageOptions> page;
};

}  // namespace

TEST_F(PageSites, LoadingMakesTheDefaultSiteCurrent) {
  charger(2);
  EXPECT_EQ(lignes(liste()), 4);
  EXPECT_EQ(ligne_courante(liste()), 2);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Paris");
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Paris");
  EXPECT_EQ(session().villes().index_enregistre(), 2);
  EXPECT_EQ(texte("e_lat"), "48");
  EXPECT_EQ(texte("e_lat2"), "30");
  EXPECT_EQ(texte("e_lat3"), "0");
  EXPECT_EQ(texte("e_lat4"), "N");
  EXPECT_EQ(texte("e_lon"), "2");
  EXPECT_EQ(texte("e_lon2"), "15");
  EXPECT_EQ(texte("e_lon4"), "E");
  const almanax::site_courant s = session().site();
  EXPECT_EQ(s.latitude, 48.5L);
  EXPECT_EQ(s.sens_latitude, 1);
  EXPECT_EQ(s.longitude, 2.25L);
  EXPECT_EQ(s.sens_longitude, -1);
  EXPECT_FALSE(bouton("save_site")->isEnabled());
  EXPECT_FALSE(bouton("modif_site")->isEnabled());
  EXPECT_TRUE(bouton("erase_site")->isEnabled());
  EXPECT_TRUE(contexte.messages_.recus.empty());
}

TEST_F(PageSites, DefaultIndexBeyondTheListGivesTheFirstSite) {
  charger(172);
  EXPECT_EQ(ligne_courante(liste()), 0);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Lyon");
  EXPECT_EQ(session().villes().index_enregistre(), 0);
  EXPECT_EQ(session().site().latitude, 45.75L);
}

TEST_F(PageSites, EmptyListDisablesWhatNeedsASite) {
  charger(172, QByteArray());
  EXPECT_EQ(lignes(liste()), 0);
  EXPECT_FALSE(bouton("erase_site")->isEnabled());
  EXPECT_FALSE(bouton("modif_site")->isEnabled());
  EXPECT_FALSE(bouton("BitBtn1")->isEnabled());
  EXPECT_TRUE(bouton("new_site")->isEnabled());
  bouton("erase_site")->click();
  bouton("BitBtn1")->click();
  EXPECT_TRUE(contexte.messages_.recus.empty());
  EXPECT_EQ(session().villes().index_enregistre(), 172);  // nothing to replace it with: kept as stored

  saisir_site("Brest", 48, 23, 24, "N", 4, 29, 24, "O");
  bouton("save_site")->click();
  EXPECT_EQ(contenu(), "48,39 4,49 Brest\r\n");
  EXPECT_EQ(noms(), std::vector<QString>{"Brest"});
  EXPECT_TRUE(bouton("erase_site")->isEnabled());
}

TEST_F(PageSites, NewSiteStartsFromZero) {
  charger(2);
  bouton("new_site")->click();
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Votre site");
  for (const char* n : {"e_lat", "e_lat2", "e_lat3", "e_lon", "e_lon2", "e_lon3"}) EXPECT_EQ(texte(n), "0") << n;
  EXPECT_TRUE(bouton("save_site")->isEnabled());
}

TEST_F(PageSites, DuplicateNameRefusedAndFileUnchanged) {
  charger(2);
  ASSERT_TRUE(activer(*page));
  saisir_site("paris", 1, 2, 3, "N", 4, 5, 6, "E");
  bouton("save_site")->click();
  ASSERT_EQ(contexte.messages_.recus.size(), 1u);
  const auto& m = contexte.messages_.recus[0];
  EXPECT_EQ(m.type, MessagesEnregistres::genre::erreur);
  EXPECT_EQ(m.titre, "Site déjà répertorié !");
  EXPECT_EQ(m.texte, "Un site de ce nom est déjà présent dans la liste. Veuillez le changer");
  EXPECT_EQ(contenu(), quatre_sites);
  EXPECT_EQ(lignes(liste()), 4);
  EXPECT_EQ(page->focusWidget(), w<QLineEdit>("e_location"));
  EXPECT_TRUE(bouton("save_site")->isEnabled());  // the user can change the name and retry
}

TEST_F(PageSites, SavedSiteIsCutToHundredthsAndInsertedInOrder) {
  charger(2);
  saisir_site("Observatoire", 48, 50, 59, "N", 2, 20, 14, "E");
  bouton("save_site")->click();
  EXPECT_TRUE(contexte.messages_.recus.empty());
  EXPECT_EQ(contenu(),
            "45.75 -4.5 Lyon\r\n"
            "43.25 -5.25 Marseille\r\n"
            "48,84 -2,33 Observatoire\r\n"
            "48.5 -2.25 Paris\r\n"
            "43.5 -1.25 Toulouse\r\n");
  EXPECT_EQ(ligne_courante(liste()), 2);
  EXPECT_FALSE(w<QCheckBox>("csitedef")->isChecked());
  EXPECT_FALSE(bouton("save_site")->isEnabled());
  // The default site is still Paris, now one place further.
  EXPECT_EQ(session().villes().index_enregistre(), 3);
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Paris");

  cliquer(2);
  EXPECT_EQ(texte("e_lat"), "48");
  EXPECT_EQ(texte("e_lat2"), "50");
  EXPECT_EQ(texte("e_lat3"), "24");
  EXPECT_EQ(texte("e_lat4"), "N");
  EXPECT_EQ(texte("e_lon"), "2");
  EXPECT_EQ(texte("e_lon2"), "19");
  EXPECT_EQ(texte("e_lon4"), "E");
  EXPECT_EQ(session().villes().index_enregistre(), 3);  // "OK" unchecked: a click does not change the default
}

TEST_F(PageSites, PointSeparatorInTheCLocale) {
  QLocale::setDefault(QLocale::c());
  charger(2);
  saisir_site("Sud", 33, 0, 0, "S", 70, 30, 0, "O");
  bouton("save_site")->click();
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  EXPECT_TRUE(contenu().contains("-33.0 70.5 Sud\r\n"));
}

TEST_F(PageSites, NameWithSpacesReadBackWhole) {
  charger(2);
  saisir_site("Le Mans", 48, 0, 0, "N", 0, 12, 0, "O");
  bouton("save_site")->click();
  EXPECT_TRUE(contenu().contains("48,0 0,2 Le Mans\r\n"));
  ContexteTest relu(contexte);
  PageOptions relue(relu);
  almanax::ihm::charger_sites(relu, dossier.dossier(), 2);
  auto* l = relue.findChild<QListView*>("cb_nom");
  ASSERT_EQ(lignes(l), 5);
  EXPECT_EQ(texte_ligne(l, 0), "Le Mans");  // "LE" before "LY"
}

TEST_F(PageSites, ModifyOnlyAfterAChange) {
  charger(2);
  ASSERT_TRUE(activer(*page));
  EXPECT_FALSE(bouton("modif_site")->isEnabled());
  bouton("modif_site")->click();
  EXPECT_EQ(contenu(), quatre_sites);

  // Typing into a coordinate edit enables it.
  spin("e_lat2")->setFocus();
  QTest::keyClick(spin("e_lat2"), Qt::Key_5);
  EXPECT_TRUE(bouton("modif_site")->isEnabled());
  // Applying a site again (texts written by the program) disables it.
  cliquer(2);
  EXPECT_FALSE(bouton("modif_site")->isEnabled());

  // An arrow enables it too.
  spin("e_lat")->stepBy(1);
  EXPECT_EQ(texte("e_lat"), "49");
  EXPECT_TRUE(bouton("modif_site")->isEnabled());
  bouton("modif_site")->click();
  EXPECT_TRUE(contexte.messages_.recus.empty());
  EXPECT_EQ(contenu(),
            "45.75 -4.5 Lyon\r\n"
            "43.25 -5.25 Marseille\r\n"
            "49,5 -2,25 Paris\r\n"
            "43.5 -1.25 Toulouse\r\n");
  // The current site is the one stored.
  EXPECT_EQ(session().site().latitude, 49.5L);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Paris");
  EXPECT_FALSE(bouton("modif_site")->isEnabled());
}

TEST_F(PageSites, LongitudeLetterTypedCountsOnlyOutsideANewSite) {
  charger(2);
  ASSERT_TRUE(activer(*page));
  spin("e_lon4")->setFocus();
  QTest::keyClicks(spin("e_lon4"), "o");
  EXPECT_TRUE(bouton("modif_site")->isEnabled());

  bouton("new_site")->click();  // "Enregistrer" is on: the letter alone is no change
  spin("e_lon4")->setFocus();
  QTest::keyClicks(spin("e_lon4"), "e");
  EXPECT_FALSE(bouton("modif_site")->isEnabled());
}

TEST_F(PageSites, DeletionAsksAndKeepsTheDefaultSite) {
  charger(2);
  w<QCheckBox>("csitedef")->setChecked(false);
  cliquer(0);
  contexte.messages_.reponse = false;
  bouton("erase_site")->click();
  ASSERT_EQ(contexte.messages_.recus.size(), 1u);
  const auto& m = contexte.messages_.recus[0];
  EXPECT_EQ(m.type, MessagesEnregistres::genre::confirmation);
  EXPECT_EQ(m.titre, "Confirmation ou infirmation avant suppression ");
  EXPECT_EQ(m.texte, "Voulez-vous vraiment supprimer ce site ?");
  EXPECT_EQ(contenu(), quatre_sites);
  EXPECT_EQ(lignes(liste()), 4);

  contexte.messages_.reponse = true;
  bouton("erase_site")->click();
  EXPECT_EQ(contenu(), "43.25 -5.25 Marseille\r\n48.5 -2.25 Paris\r\n43.5 -1.25 Toulouse\r\n");
  EXPECT_EQ(noms(), (std::vector<QString>{"Marseille", "Paris", "Toulouse"}));
  EXPECT_EQ(ligne_courante(liste()), 0);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Marseille");  // the first site, shown and current
  EXPECT_EQ(session().site().latitude, 43.25L);
  EXPECT_EQ(session().villes().index_enregistre(), 1);
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Paris");

  // The default site itself deleted: the site that takes its place becomes the default.
  cliquer(1);
  bouton("erase_site")->click();
  EXPECT_EQ(session().villes().index_enregistre(), 1);
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Toulouse");
  // And the last one: the index stays within the list.
  cliquer(1);
  bouton("erase_site")->click();
  EXPECT_EQ(session().villes().index_enregistre(), 0);
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Marseille");
}

TEST_F(PageSites, DefaultSiteButtonComesBackToIt) {
  charger(3);
  w<QCheckBox>("csitedef")->setChecked(false);
  cliquer(0);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Lyon");
  bouton("BitBtn1")->click();
  EXPECT_EQ(ligne_courante(liste()), 3);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Toulouse");
  EXPECT_EQ(session().site().latitude, 43.5L);
}

TEST_F(PageSites, ClickingASiteWithOkMakesItTheDefault) {
  charger(3);
  cliquer(1);
  EXPECT_EQ(session().villes().index_enregistre(), 1);
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Marseille");
  EXPECT_FALSE(bouton("save_site")->isEnabled());
}

TEST_F(PageSites, HemisphereArrowsTurnTheSigns) {
  charger(2);
  spin("e_lat4")->stepBy(1);
  EXPECT_EQ(texte("e_lat4"), "S");
  EXPECT_EQ(session().site().sens_latitude, -1);
  spin("e_lon4")->stepBy(1);
  EXPECT_EQ(texte("e_lon4"), "O");
  EXPECT_EQ(session().site().sens_longitude, 1);
  EXPECT_TRUE(bouton("modif_site")->isEnabled());
  spin("e_lon4")->stepBy(-1);
  EXPECT_EQ(texte("e_lon4"), "E");
  EXPECT_EQ(session().site().sens_longitude, -1);
  EXPECT_EQ(session().site().latitude, 48.5L);  // magnitudes untouched
}

TEST_F(PageSites, ClickInALatitudeEditTakesTheSpinsAsTheyStand) {
  charger(2);
  ASSERT_TRUE(activer(*page));
  spin("e_lat")->setPosition(10);
  spin("e_lat2")->setPosition(30);
  spin("e_lat3")->setPosition(36);
  spin("e_lon")->setPosition(3);
  spin("e_lon2")->setPosition(0);
  spin("e_lon3")->setPosition(18);
  spin("e_lat4")->setPosition(1);
  QTest::mouseClick(spin("e_lat2")->edition(), Qt::LeftButton);
  const almanax::site_courant s = session().site();
  EXPECT_NEAR(static_cast<double>(s.latitude), 10.51, 1e-12);  // not cut to hundredths
  EXPECT_NEAR(static_cast<double>(s.longitude), 3.005, 1e-12);
  EXPECT_EQ(s.sens_latitude, -1);
  EXPECT_EQ(s.sens_longitude, -1);
}

TEST_F(PageSites, CoordinateLeftOutOfRangeOrUnreadable) {
  charger(2);
  ASSERT_TRUE(activer(*page));
  spin("e_lat")->setFocus();
  spin("e_lat")->edition()->selectAll();
  QTest::keyClicks(spin("e_lat"), "95");
  w<QLineEdit>("e_location")->setFocus();
  EXPECT_EQ(texte("e_lat"), "89");
  EXPECT_TRUE(bouton("modif_site")->isEnabled());

  spin("e_lon2")->setFocus();
  spin("e_lon2")->edition()->setText("a1");  // pasted text: the filters let paste through
  w<QLineEdit>("e_location")->setFocus();
  EXPECT_EQ(texte("e_lon2"), "15");
  ASSERT_EQ(contexte.messages_.recus.size(), 1u);
  EXPECT_EQ(contexte.messages_.recus[0].texte, "« a1 » n'est pas une valeur correcte.");
  EXPECT_EQ(contexte.messages_.recus[0].titre, "Nombre invalide");
}

TEST_F(PageSites, MalformedLineReportedAndKept) {
  charger(0, "45.75 -4.5 Lyon\r\nabc Nulle part\r\n43.25 -5.25 Marseille\r\n");
  EXPECT_EQ(lignes(liste()), 2);
  ASSERT_EQ(contexte.messages_.recus.size(), 1u);
  EXPECT_TRUE(contexte.messages_.recus[0].texte.contains("Ligne 2"));
  EXPECT_EQ(contexte.messages_.recus[0].titre, "Fichier des sites");
  saisir_site("Nantes", 47, 13, 0, "N", 1, 33, 0, "E");
  bouton("save_site")->click();
  EXPECT_TRUE(contenu().contains("abc Nulle part"));  // nothing the user wrote is lost
  EXPECT_TRUE(contenu().contains("Nantes"));
}

TEST_F(PageSites, MissingFileGetsTheBundledList) {
  page = std::make_unique<PageOptions>(contexte);
  almanax::ihm::charger_sites(contexte, dossier.dossier(), 172);
  ASSERT_GT(lignes(liste()), 172);
  EXPECT_EQ(ligne_courante(liste()), 172);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Paris");
  EXPECT_TRUE(QFile::exists(fichier()));
}

TEST(PageOptionsReglages, DateAndAppearanceOptions) {
  ContexteTest contexte;
  PageOptions page(contexte);
  almanax::Session& session = contexte.session();
  // The form's defaults.
  const almanax::ihm::options_dates d = session.dates();
  EXPECT_TRUE(d.heure_actuelle);
  EXPECT_TRUE(d.date_du_jour);
  EXPECT_TRUE(d.midi);
  EXPECT_FALSE(d.minuit);
  EXPECT_FALSE(session.onglets_une_rangee());
  EXPECT_TRUE(session.menus_visibles());
  EXPECT_TRUE(page.findChild<QCheckBox*>("ccomdef")->isChecked());
  EXPECT_NE(page.findChild<QLabel*>("lcomdef"), nullptr);

  session.poser_dates({false, true, false, true});
  const almanax::ihm::options_dates o = session.dates();
  EXPECT_FALSE(o.heure_actuelle);
  EXPECT_TRUE(o.minuit);
  EXPECT_FALSE(o.midi);

  QSignalSpy apparence(&session, &almanax::Session::apparenceChangee);
  page.findChild<QRadioButton*>("rmn")->click();
  page.findChild<QRadioButton*>("ro1")->click();
  EXPECT_EQ(apparence.count(), 2);
  EXPECT_FALSE(session.menus_visibles());
  EXPECT_TRUE(session.onglets_une_rangee());
}

TEST_F(PageSites, AfterADeletionFieldsListAndCurrentSiteAgree) {
  charger(2);
  cliquer(3);  // Toulouse, which "OK" makes the default
  bouton("erase_site")->click();
  EXPECT_EQ(ligne_courante(liste()), 0);
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Lyon");
  EXPECT_EQ(texte("e_lat2"), "45");
  EXPECT_EQ(session().site().latitude, 45.75L);
  EXPECT_EQ(session().villes().index_enregistre(), 2);  // showing the first site does not make it the default
  // A second deletion removes the site shown, and only it.
  bouton("erase_site")->click();
  EXPECT_EQ(contenu(), "43.25 -5.25 Marseille\r\n48.5 -2.25 Paris\r\n");
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Marseille");
  bouton("erase_site")->click();
  bouton("erase_site")->click();
  EXPECT_TRUE(w<QLineEdit>("e_location")->text().isEmpty());
  EXPECT_FALSE(bouton("erase_site")->isEnabled());
}

TEST_F(PageSites, EmptyOrWrongHemisphereLetterIsRefusedAndNothingWritten) {
  const char* const latitude = "La latitude doit être suivie de la lettre N (nord) ou S (sud).";
  const char* const longitude = "La longitude doit être suivie de la lettre E (est) ou O (ouest).";
  // Field, its text, "Enregistrer" a new site (else "Modifier" Paris), the message.
  const std::tuple<const char*, const char*, bool, const char*> tous[] = {
      {"e_lat4", "", false, latitude}, {"e_lon4", "N", false, longitude}, {"e_lon4", "", true, longitude}};
  for (const auto& [champ, lettre, nouveau, message] : tous) {
    charger(2);
    ASSERT_TRUE(activer(*page));
    if (nouveau)
      saisir_site("Abidjan", 5, 21, 0, "N", 4, 0, 0, "O");
    else
      spin("e_lat")->stepBy(1);
    // What the context menu's "Delete" leaves, or a pasted letter.
    spin(champ)->edition()->selectAll();
    spin(champ)->edition()->insert(lettre);
    bouton(nouveau ? "save_site" : "modif_site")->click();
    ASSERT_EQ(contexte.messages_.recus.size(), 1u) << champ;
    EXPECT_EQ(contexte.messages_.recus[0].texte, message);
    EXPECT_EQ(contenu(), quatre_sites);
    EXPECT_EQ(page->focusWidget(), spin(champ));
    contexte.messages_.recus.clear();
  }
}

TEST_F(PageSites, EveryChangeOfTheCurrentSiteIsAnnounced) {
  charger(2);
  QSignalSpy change(&session(), &almanax::Session::siteChange);
  cliquer(2);  // the site already current: nothing changes
  cliquer(0);
  spin("e_lat4")->stepBy(1);
  EXPECT_EQ(change.count(), 2);
  // "Enregistrer": the new site is the current one, not the one shown before.
  saisir_site("Nouméa", 22, 15, 0, "S", 166, 30, 0, "E");
  bouton("save_site")->click();
  EXPECT_EQ(texte_ligne(liste(), ligne_courante(liste())), "Nouméa");
  EXPECT_NEAR(static_cast<double>(session().site().latitude_signee()), -22.25, 1e-9);
  spin("e_lat")->stepBy(1);
  bouton("modif_site")->click();
  EXPECT_NEAR(static_cast<double>(session().site().latitude_signee()), -23.25, 1e-9);
  bouton("erase_site")->click();
  EXPECT_EQ(change.count(), 5);
}

// Two windows on one folder, and another program writing villes.dat while they run:
// every site added survives, the lists shown are the file's, the default site stays
// the same site by name, and a site changed on both sides is asked about.
TEST_F(PageSites, TwoPagesOnOneFolderLoseNoEdit) {
  charger(2);  // Paris
  std::unique_ptr<PageOptions> autre = std::make_unique<PageOptions>(autre_contexte);
  almanax::ihm::charger_sites(autre_contexte, dossier.dossier(), 2);
  w<QCheckBox>("csitedef")->setChecked(false);

  saisir_site("Annecy", 45, 54, 0, "N", 6, 7, 0, "E");
  bouton("save_site")->click();
  std::swap(page, autre);  // the second window
  std::swap(page_contexte, autre_page_contexte);
  w<QCheckBox>("csitedef")->setChecked(false);
  saisir_site("Brest", 48, 24, 0, "N", 4, 29, 0, "O");
  bouton("save_site")->click();
  const std::vector<QString> six{"Annecy", "Brest", "Lyon", "Marseille", "Paris", "Toulouse"};
  EXPECT_EQ(noms(), six);
  EXPECT_EQ(session().villes().index_enregistre(), 4);  // still Paris
  EXPECT_EQ(w<QLabel>("lsitedef")->text(), "Paris");
  EXPECT_EQ(w<QLineEdit>("e_location")->text(), "Brest");

  // Another program appends a site; the first window deletes one.
  std::swap(page, autre);
  std::swap(page_contexte, autre_page_contexte);
  {
    QFile f(fichier());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("46.25 -3.5 Vichy\r\n");
  }
  cliquer(4);  // Toulouse, in this window's list as it was read
  bouton("erase_site")->click();
  EXPECT_EQ(noms(), (std::vector<QString>{"Annecy", "Brest", "Lyon", "Marseille", "Paris", "Vichy"}));
  EXPECT_EQ(session().villes().index_enregistre(), 4);
  EXPECT_TRUE(contenu().contains("46.25 -3.5 Vichy\r\n"));

  // Both windows change Lyon: the second is asked, and keeps the first's on "Annuler".
  ASSERT_TRUE(activer(*page));
  cliquer(2);
  spin("e_lat")->stepBy(1);
  bouton("modif_site")->click();
  std::swap(page, autre);
  std::swap(page_contexte, autre_page_contexte);
  ASSERT_TRUE(activer(*page));
  cliquer(2);
  spin("e_lat")->stepBy(2);
  contexte.messages_.recus.clear();
  contexte.messages_.reponse = false;
  bouton("modif_site")->click();
  ASSERT_EQ(contexte.messages_.recus.size(), 1u);
  EXPECT_EQ(contexte.messages_.recus[0].type, MessagesEnregistres::genre::confirmation);
  EXPECT_EQ(contexte.messages_.recus[0].titre, "Fichier des sites modifié ailleurs");
  EXPECT_TRUE(contexte.messages_.recus[0].texte.startsWith("Le site « Lyon » vient d'être modifié dans villes.dat"));
  EXPECT_TRUE(contenu().contains("46,75 -4,5 Lyon\r\n")) << contenu().toStdString();
  EXPECT_EQ(texte("e_lat"), "46");  // the fields show the site as stored
  EXPECT_EQ(noms(), (std::vector<QString>{"Annecy", "Brest", "Lyon", "Marseille", "Paris", "Vichy"}));
}

// The zone belongs to the site: chosen in the list for Toulouse, it comes back with
// Toulouse and leaves Paris on the system's zone; a typed name the database does not
// know is refused with a message and the list shows the site's zone again. "Heure
// légale" switches the session's scale.
TEST_F(PageSites, FuseauChoisiPourLeSiteEtHeureLegale) {
  charger(2);
  auto* fuseau = w<QComboBox>("fuseau");
  const QString systeme = fuseau->itemText(0);
  EXPECT_EQ(fuseau->currentText(), systeme);
  EXPECT_TRUE(w<QLabel>("delta_t")->text().contains(" s")) << w<QLabel>("delta_t")->text().toStdString();

  cliquer(3);  // Toulouse
  fuseau->setCurrentIndex(fuseau->findText("Europe/Paris"));
  emit fuseau->activated(fuseau->currentIndex());
  EXPECT_EQ(session().nom_fuseau(), "Europe/Paris");
  EXPECT_FALSE(session().echelle().legale());  // the zone is kept; times stay as they stand

  w<QRadioButton>("heure_legale")->click();
  ASSERT_TRUE(session().echelle().legale());
  EXPECT_EQ(session().echelle().fuseau()->nom(), "Europe/Paris");

  cliquer(2);  // Paris: no zone chosen, the system's
  EXPECT_EQ(fuseau->currentText(), systeme);
  EXPECT_EQ(session().nom_fuseau(), almanax::nom_fuseau_du_systeme());
  fuseau->setEditText("Atlantide/Capitale");
  emit fuseau->lineEdit()->editingFinished();
  ASSERT_EQ(contexte.messages_.recus.size(), 1u);
  EXPECT_TRUE(contexte.messages_.recus[0].texte.contains("« Atlantide/Capitale »"));
  EXPECT_EQ(fuseau->currentText(), systeme);

  cliquer(3);
  EXPECT_EQ(fuseau->currentText(), "Europe/Paris");
  EXPECT_EQ(session().echelle().fuseau()->nom(), "Europe/Paris");
  fuseau->setCurrentIndex(0);  // back to the system's zone
  emit fuseau->activated(0);
  EXPECT_FALSE(session().fuseau_choisi());
  w<QRadioButton>("heures_telles_quelles")->click();
  EXPECT_FALSE(session().echelle().legale());
  EXPECT_EQ(contexte.messages_.recus.size(), 1u);
}
