// The "Comètes" page with its catalogue editor, and the "Préc. des Equinoxes" page:
// computing from the fields, refusals that keep the user's text, the editor's modes
// and the file they keep, the copies, the key filters and the exit clamps.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimeEdit>
#include <array>

#include "donnees/cometes.h"
#include "donnees/session.h"
#include "ihm/pages/page_cometes.h"
#include "ihm/pages/page_precession.h"
#include "outils_pages.h"

using almanax::ihm::EditionSpin;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::PageCometes;
using almanax::ihm::PagePrecession;
using namespace almanax::ihm::test;

namespace {

class PageCometesTest : public ::testing::Test {
 protected:
  static QLineEdit* champ(const QWidget& p, const char* nom) { return controle<QLineEdit>(p, nom); }
  static void remplacer(QLineEdit* e, const QString& texte) {
    e->selectAll();
    QTest::keyClicks(e, texte);
  }
  static void cliquer(const QWidget& p, const char* nom) { controle<QPushButton>(p, nom)->click(); }
  static QStringList noms(const QWidget& p) {
    QStringList r;
    const QListView* l = controle<QListView>(p, "l_comete");
    for (int i = 0; i < lignes(l); ++i) r << texte_ligne(l, i);
    return r;
  }
  const MessagesEnregistres::message* dernier_message() const {
    return c.messages_.recus.empty() ? nullptr : &c.messages_.recus.back();
  }

  const LocaleTemporaire francais{QLocale(QLocale::French, QLocale::France)};
  DossierTravail dossier;
  ContexteTest c;
};

TEST_F(PageCometesTest, MissingCatalogueWrittenAndDefaultComputed) {
  PageCometes p(c);
  QSignalSpy defaut(&c.session().cometes(), &almanax::ModeleCometes::defautChange);
  almanax::ihm::charger_cometes(c, dossier.dossier(), 99);  // beyond the list: the first comet
  EXPECT_EQ(lire_fichier(dossier.chemin("cometes.dat")), almanax::cometes_par_defaut());
  EXPECT_EQ(noms(p).size(), 21);
  EXPECT_EQ(etiquette(p, "lnomcom"), "103P/Hartley 2");
  EXPECT_EQ(champ(p, "eecom")->text(), "0,6948884");
  ASSERT_FALSE(defaut.isEmpty());
  EXPECT_EQ(defaut.last().at(0).toLongLong(), 0);
  EXPECT_TRUE(p.rapport().startsWith("Le 31 Octobre 1989 à 00:00:00\r\nNom          \t103P/Hartley 2\r\n"));
  // How old the elements are: 1989 is 21 years before the 2010 passage.
  EXPECT_EQ(etiquette(p, "age_elements"),
            "Éléments du passage au périhélie du 28 Octobre 2010.\nAttention : l'observation est à 21,0 ans de ce "
            "passage ; les planètes ont modifié l'orbite depuis, la position n'est qu'approchée.");

  // Choosing a comet computes it and makes it the default one.
  choisir_ligne(controle<QListView>(p, "l_comete"), 5);
  EXPECT_EQ(etiquette(p, "lnomcom"), "1P/Halley");
  EXPECT_EQ(defaut.last().at(0).toLongLong(), 5);
  EXPECT_TRUE(p.rapport().contains("\t1P/Halley"));
  EXPECT_EQ(etiquette(p, "age_elements"), "Éléments du passage au périhélie du 5 Février 1986.");  // 3.7 years
}

// "Importer…": the comets of an element file join the list, the default comet stays;
// a file with a damaged line imports nothing; a second import asks about the names
// it changes, and "Annuler" writes nothing.
TEST_F(PageCometesTest, ImportFromAnElementFile) {
  PageCometes p(c);
  almanax::ihm::charger_cometes(c, dossier.dossier(), 5);
  const QString fichier = QString::fromUtf8(ALMANAX_SOURCE_DIR) + "/tests/donnees/cometes_mpc.txt";
  c.dialogues_.fichier_ouvert = fichier;
  cliquer(p, "importer_cometes");
  ASSERT_NE(dernier_message(), nullptr);
  EXPECT_EQ(dernier_message()->type, MessagesEnregistres::genre::information);
  EXPECT_TRUE(dernier_message()->texte.contains("importées")) << dernier_message()->texte.toStdString();
  EXPECT_GT(noms(p).size(), 21);
  EXPECT_TRUE(noms(p).contains("C/2023 A3 (Tsuchinshan-ATLAS)"));
  EXPECT_EQ(c.session().cometes().nom_defaut(), std::optional<std::string>("1P/Halley"));
  const QByteArray apres = lire_fichier(dossier.chemin("cometes.dat"));

  QByteArray abime = lire_fichier(fichier);
  abime.replace("0.994897", "0.99x897");
  ecrire_fichier(dossier.chemin("abime.txt"), abime);
  c.dialogues_.fichier_ouvert = dossier.chemin("abime.txt");
  cliquer(p, "importer_cometes");
  EXPECT_EQ(dernier_message()->type, MessagesEnregistres::genre::erreur);
  EXPECT_TRUE(dernier_message()->texte.startsWith("Rien n'a été importé")) << dernier_message()->texte.toStdString();
  EXPECT_EQ(lire_fichier(dossier.chemin("cometes.dat")), apres);

  QByteArray change = lire_fichier(fichier);
  change.replace("0.994897", "0.994898");
  ecrire_fichier(dossier.chemin("change.txt"), change);
  c.dialogues_.fichier_ouvert = dossier.chemin("change.txt");
  c.messages_.bouton_choisi = 2;  // "Annuler"
  cliquer(p, "importer_cometes");
  EXPECT_EQ(dernier_message()->type, MessagesEnregistres::genre::confirmation);
  EXPECT_TRUE(dernier_message()->texte.contains("C/1995 O1")) << dernier_message()->texte.toStdString();
  EXPECT_EQ(lire_fichier(dossier.chemin("cometes.dat")), apres);
  c.messages_.bouton_choisi = 0;  // "Tout remplacer"
  cliquer(p, "importer_cometes");
  EXPECT_EQ(dernier_message()->type, MessagesEnregistres::genre::information);
  EXPECT_TRUE(lire_fichier(dossier.chemin("cometes.dat")).contains("0,994898"));
}

TEST_F(PageCometesTest, RefusedValuesKeepTheText) {
  PageCometes p(c);
  const std::array<std::array<const char*, 4>, 2> refus{{
      {"eecom", "-1,2", "La donnée 'e' doit être e > 0 ", "Valeur mal choisie"},
      {"eqcom", "0", "La donnée 'q' (distance au périhélie) doit être strictement positive.", "Valeur mal choisie"},
  }};
  for (const auto& [nom, texte, message, titre] : refus) {
    const QString avant = champ(p, nom)->text();
    remplacer(champ(p, nom), QString::fromUtf8(texte));
    cliquer(p, "bt_comete");
    ASSERT_NE(dernier_message(), nullptr);
    EXPECT_EQ(dernier_message()->texte, QString::fromUtf8(message));
    EXPECT_EQ(dernier_message()->titre, QString::fromUtf8(titre));
    EXPECT_EQ(champ(p, nom)->text(), QString::fromUtf8(texte));
    EXPECT_EQ(champ(p, nom)->selectedText(), QString::fromUtf8(texte));
    EXPECT_TRUE(p.rapport().isEmpty());
    champ(p, nom)->setText(avant);
  }
  // The page's initial elements: a parabolic orbit; e = 0,5: an elliptic one.
  cliquer(p, "bt_comete");
  remplacer(champ(p, "eecom"), "0,5");
  cliquer(p, "bt_comete");
  EXPECT_EQ(p.rapport().count("Elongation"), 2);
}

TEST_F(PageCometesTest, KeyFilterOfTheElements) {
  PageCometes p(c);
  QLineEdit* q = champ(p, "eqcom");
  remplacer(q, "1.5a-");
  EXPECT_EQ(q->text(), "1,5");
  remplacer(q, "-2");
  EXPECT_EQ(q->text(), "-2");
  QTest::keyClick(q, Qt::Key_Backspace);
  EXPECT_EQ(q->text(), "-");
}

TEST_F(PageCometesTest, NewSaveModifyDeleteKeepTheFile) {
  {
    PageCometes p(c);
    almanax::ihm::charger_cometes(c, dossier.dossier(), 3);
    QSignalSpy defaut(&c.session().cometes(), &almanax::ModeleCometes::defautChange);
    const QString nom_defaut = noms(p).at(3);

    cliquer(p, "new_comete");
    QLineEdit* nom = champ(p, "enomcomete");
    EXPECT_EQ(nom->text(), "COMÈTE");
    remplacer(nom, "0p/tempel");  // upper case, sorts first
    cliquer(p, "Save_comete");    // empty fields: nothing saved
    EXPECT_EQ(noms(p).size(), 21);
    const std::pair<const char*, const char*> valeurs[] = {{"tcomjour", "12,5"}, {"tcommois", "3"}, {"tcoman", "2024"},
                                                           {"eqcom", "1.42"},    {"eicom", "12"},   {"eecom", "0,53"},
                                                           {"eomcom", "195"},    {"eom1com", "120"}};
    for (const auto& [n, t] : valeurs) remplacer(champ(p, n), t);
    EXPECT_FALSE(controle<QPushButton>(p, "modif_com")->isEnabled());
    cliquer(p, "Save_comete");
    EXPECT_EQ(noms(p).at(0), "0P/TEMPEL");
    EXPECT_EQ(ligne_courante(controle<QListView>(p, "l_comete")), 0);
    // The default comet is still the same comet, one place further.
    ASSERT_FALSE(defaut.isEmpty());
    EXPECT_EQ(defaut.last().at(1).toString(), nom_defaut);
    EXPECT_TRUE(lire_fichier(dossier.chemin("cometes.dat"))
                    .startsWith("0P/TEMPEL\t2024\t3\t12,5\t1,42\t0,53\t195\t120\t12\r\n"));

    // The same name in other letters is refused, nothing written.
    const QByteArray avant = lire_fichier(dossier.chemin("cometes.dat"));
    cliquer(p, "new_comete");
    remplacer(champ(p, "enomcomete"), "1p/halley");
    for (const auto& [n, t] : valeurs) remplacer(champ(p, n), t);
    cliquer(p, "Save_comete");
    ASSERT_NE(dernier_message(), nullptr);
    EXPECT_EQ(dernier_message()->titre, "Comète déjà répertoriée !");
    EXPECT_EQ(lire_fichier(dossier.chemin("cometes.dat")), avant);

    // A click on the comet already chosen leaves the new comet; a typed field enables "Modifier".
    QListView* liste = controle<QListView>(p, "l_comete");
    emit liste->clicked(liste->model()->index(0, 0));
    EXPECT_FALSE(champ(p, "enomcomete")->isVisibleTo(&p));
    EXPECT_FALSE(controle<QPushButton>(p, "modif_com")->isEnabled());
    remplacer(champ(p, "eecom"), "0,54");
    EXPECT_TRUE(controle<QPushButton>(p, "modif_com")->isEnabled());
    cliquer(p, "modif_com");
    EXPECT_FALSE(controle<QPushButton>(p, "modif_com")->isEnabled());
    EXPECT_TRUE(lire_fichier(dossier.chemin("cometes.dat")).startsWith("0P/TEMPEL\t2024\t3\t12,5\t1,42\t0,54\t"));

    // Delete: Cancel keeps it, OK removes it.
    c.messages_.reponse = false;
    cliquer(p, "BitBtn6");
    EXPECT_EQ(dernier_message()->titre, "Confirmation ou infirmation avant suppression ");
    EXPECT_EQ(noms(p).size(), 22);
    c.messages_.reponse = true;
    cliquer(p, "BitBtn6");
    EXPECT_EQ(noms(p).size(), 21);
    EXPECT_EQ(defaut.last().at(0).toLongLong(), 0);  // the first comet, chosen after the deletion
  }
  ContexteTest redemarre(c);
  PageCometes relu(redemarre);  // a restart reads the changes back
  almanax::ihm::charger_cometes(redemarre, dossier.dossier(), 0);
  EXPECT_EQ(noms(relu).size(), 21);
}

// An empty catalogue takes the new comet as its only entry; a folder gone afterwards
// loses nothing and the message says why.
TEST_F(PageCometesTest, EmptyCatalogueThenFolderGone) {
  const QString sous = dossier.chemin("catalogue");
  ASSERT_TRUE(QDir().mkdir(sous));
  ecrire_fichier(QDir(sous).filePath("cometes.dat"), "");
  PageCometes p(c);
  QSignalSpy defaut(&c.session().cometes(), &almanax::ModeleCometes::defautChange);
  almanax::ihm::charger_cometes(c, sous, 0);
  EXPECT_TRUE(noms(p).isEmpty());
  cliquer(p, "new_comete");
  const std::pair<const char*, const char*> valeurs[] = {{"tcomjour", "3,68"}, {"tcommois", "7"},  {"tcoman", "2020"},
                                                         {"eqcom", "0,29"},    {"eicom", "128,9"}, {"eecom", "0,999"},
                                                         {"eomcom", "37,3"},   {"eom1com", "61"}};
  for (const auto& [n, t] : valeurs) remplacer(champ(p, n), t);
  // A text that is no number is never written into the catalogue.
  champ(p, "eicom")->setText(",");
  cliquer(p, "Save_comete");
  ASSERT_NE(dernier_message(), nullptr);
  EXPECT_EQ(dernier_message()->texte, "Vous devez entrer un nombre correct");
  EXPECT_TRUE(noms(p).isEmpty());
  remplacer(champ(p, "eicom"), "128,9");
  cliquer(p, "Save_comete");
  EXPECT_EQ(noms(p), QStringList{"COMÈTE"});
  ASSERT_FALSE(defaut.isEmpty());
  EXPECT_EQ(defaut.last().at(1).toString(), "COMÈTE");

  ASSERT_TRUE(QDir(sous).removeRecursively());
  c.messages_.recus.clear();
  remplacer(champ(p, "eecom"), "0,5");
  cliquer(p, "modif_com");
  ASSERT_NE(dernier_message(), nullptr);
  EXPECT_EQ(dernier_message()->titre, "Erreur d'écriture");
  EXPECT_TRUE(dernier_message()->texte.contains("Le catalogue n'a pas été modifié."));
  EXPECT_EQ(almanax::textes_de(c.session().cometes().cometes()[0].donnees).e, "0,999");
  EXPECT_TRUE(controle<QPushButton>(p, "modif_com")->isEnabled());  // the edit is still there to save
}

// Two windows on one folder, and another program appending to cometes.dat: every comet
// added survives, the lists shown are the file's, the default comet stays the same comet
// by name, and a comet changed on both sides is asked about.
TEST_F(PageCometesTest, TwoPagesOnOneFolderLoseNoEdit) {
  PageCometes a(c);
  almanax::ihm::charger_cometes(c, dossier.dossier(), 3);
  ContexteTest autre(c);  // the second window's session, its messages recorded with c's
  PageCometes b(autre);
  almanax::ihm::charger_cometes(autre, dossier.dossier(), 3);
  const QString nom_defaut = noms(b).at(3);
  QSignalSpy defaut_b(&autre.session().cometes(), &almanax::ModeleCometes::defautChange);
  const std::pair<const char*, const char*> valeurs[] = {{"tcomjour", "12,5"}, {"tcommois", "3"}, {"tcoman", "2024"},
                                                         {"eqcom", "1,42"},    {"eicom", "12"},   {"eecom", "0,53"},
                                                         {"eomcom", "195"},    {"eom1com", "120"}};
  const auto ajouter = [&](PageCometes& p, const char* nom) {
    cliquer(p, "new_comete");
    remplacer(champ(p, "enomcomete"), nom);
    for (const auto& [n, t] : valeurs) remplacer(champ(p, n), t);
    cliquer(p, "Save_comete");
  };
  ajouter(a, "0A/PREMIERE");
  ajouter(b, "0B/SECONDE");
  EXPECT_EQ(noms(b).mid(0, 2), (QStringList{"0A/PREMIERE", "0B/SECONDE"}));
  EXPECT_EQ(noms(b).size(), 23);
  ASSERT_FALSE(defaut_b.isEmpty());
  EXPECT_EQ(defaut_b.last().at(0).toLongLong(), 5);
  EXPECT_EQ(defaut_b.last().at(1).toString(), nom_defaut);
  const QStringList fichier = QString::fromUtf8(lire_fichier(dossier.chemin("cometes.dat"))).split(u'\n');
  EXPECT_TRUE(fichier.at(0).startsWith("0A/PREMIERE\t") && fichier.at(1).startsWith("0B/SECONDE\t"));

  // A line appended by another program survives the first window's next save.
  {
    QFile f(dossier.chemin("cometes.dat"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("ZZ/AJOUTEE\t2023\t10\t22\t0,34\t0,85\t187\t334\t11,8\r\n");
  }
  c.messages_.reponse = true;
  choisir_ligne(controle<QListView>(a, "l_comete"), 0);
  cliquer(a, "BitBtn6");
  EXPECT_EQ(noms(a).front(), "0B/SECONDE");
  EXPECT_EQ(noms(a).back(), "ZZ/AJOUTEE");
  EXPECT_TRUE(lire_fichier(dossier.chemin("cometes.dat")).contains("ZZ/AJOUTEE\t2023"));

  // Both windows change the same comet: the second is asked; "Annuler" keeps the first's.
  remplacer(champ(a, "eecom"), "0,54");
  cliquer(a, "modif_com");
  choisir_ligne(controle<QListView>(b, "l_comete"), 1);  // 0B/SECONDE
  remplacer(champ(b, "eecom"), "0,55");
  c.messages_.recus.clear();
  c.messages_.reponse = false;
  cliquer(b, "modif_com");
  ASSERT_EQ(c.messages_.recus.size(), 1u);
  EXPECT_EQ(c.messages_.recus[0].type, MessagesEnregistres::genre::confirmation);
  EXPECT_EQ(c.messages_.recus[0].titre, "Catalogue des comètes modifié ailleurs");
  EXPECT_TRUE(c.messages_.recus[0].texte.startsWith("La comète « 0B/SECONDE » vient d'être modifiée dans cometes.dat"));
  EXPECT_TRUE(lire_fichier(dossier.chemin("cometes.dat")).startsWith("0B/SECONDE\t2024\t3\t12,5\t1,42\t0,54\t"));
  EXPECT_EQ(champ(b, "eecom")->text(), "0,54");  // the comet as stored
  EXPECT_EQ(noms(b), noms(a));
}

TEST_F(PageCometesTest, PerihelionDateChecksOnExit) {
  PageCometes p(c);
  struct cas {
    const char *jour, *mois, *an;
    const char* message;
  };
  const cas liste[] = {{"31,5", "1", "2000", nullptr},
                       {"30", "2", "2000", "Il y a moins de jours dans ce mois !"},
                       {"0,5", "2", "2000", "Il faut au moins 1 jour dans ce mois !"},
                       {"5", "13", "2000", "Changez ce mois."}};
  for (const cas& k : liste) {
    c.messages_.recus.clear();
    champ(p, "tcommois")->setText(k.mois);
    champ(p, "tcoman")->setText(k.an);
    champ(p, "tcomjour")->setText(k.jour);
    p.verifier_passage();
    if (k.message) {
      ASSERT_NE(dernier_message(), nullptr) << k.jour;
      EXPECT_EQ(dernier_message()->texte, QString::fromUtf8(k.message));
    } else {
      EXPECT_EQ(dernier_message(), nullptr) << k.jour;
    }
  }
}

// An impossible perihelion date or elements that give no finite position: the page's
// message, the text kept and selected, nothing computed, nothing written.
TEST_F(PageCometesTest, ImpossibleDateOrNoFinitePositionNeitherComputedNorSaved) {
  PageCometes p(c);
  almanax::ihm::charger_cometes(c, dossier.dossier(), 0);
  const QByteArray fichier = lire_fichier(dossier.chemin("cometes.dat"));
  struct cas {
    const char* champ;
    QString texte;
    const char* titre;
  };
  const cas liste[] = {
      {"tcommois", "13", "Mois invalide"},
      {"tcomjour", "45", "Nombre de jours invalide"},
      {"tcoman", "99999", "Année hors limite"},
      {"eqcom", "0," + QString(4000, QChar(u'0')) + "1", "Nombre non valide !"},
      {"eqcom", QString(4000, QChar(u'9')), "Nombre non valide !"},
  };
  for (const cas& k : liste) {
    cliquer(p, "erase_com");
    c.messages_.recus.clear();
    QLineEdit* e = champ(p, k.champ);
    const QString avant = e->text();
    e->setText(k.texte);
    e->setModified(true);
    p.elements_modifies();
    ASSERT_TRUE(controle<QPushButton>(p, "modif_com")->isEnabled()) << k.champ;
    cliquer(p, "modif_com");
    ASSERT_NE(dernier_message(), nullptr) << k.champ;
    EXPECT_EQ(dernier_message()->titre, QString::fromUtf8(k.titre));
    EXPECT_EQ(e->selectedText(), k.texte);
    EXPECT_EQ(lire_fichier(dossier.chemin("cometes.dat")), fichier) << k.champ;
    c.messages_.recus.clear();
    cliquer(p, "bt_comete");
    ASSERT_NE(dernier_message(), nullptr) << k.champ;
    EXPECT_EQ(dernier_message()->titre, QString::fromUtf8(k.titre));
    EXPECT_TRUE(p.rapport().isEmpty()) << p.rapport().left(200).toStdString();
    e->setText(avant);
    e->setModified(false);
  }
  // A new comet born in month 13 is not written either.
  cliquer(p, "new_comete");
  const std::pair<const char*, const char*> valeurs[] = {{"tcomjour", "12,5"}, {"tcommois", "13"}, {"tcoman", "2024"},
                                                         {"eqcom", "1,42"},    {"eicom", "12"},    {"eecom", "0,53"},
                                                         {"eomcom", "195"},    {"eom1com", "120"}};
  for (const auto& [n, t] : valeurs) champ(p, n)->setText(t);
  c.messages_.recus.clear();
  cliquer(p, "Save_comete");
  ASSERT_NE(dernier_message(), nullptr);
  EXPECT_EQ(dernier_message()->texte, "Changez ce mois.");
  EXPECT_EQ(lire_fichier(dossier.chemin("cometes.dat")), fichier);
}

// A damaged comet of the catalogue: the message says which file, line and element.
TEST_F(PageCometesTest, DamagedCometNamedWithItsFileAndLine) {
  ecrire_fichier(dossier.chemin("cometes.dat"),
                 "\r\nALPHA\t1989\t8\tvingt\t1,3\t1\t186\t334\t11\r\n"
                 "BETA\t1989\t13\t20\t1,3\t1\t186\t334\t11\r\n");
  PageCometes p(c);
  almanax::ihm::charger_cometes(c, dossier.dossier(), 0);
  ASSERT_NE(dernier_message(), nullptr);
  const QString chemin = QDir::toNativeSeparators(dossier.chemin("cometes.dat"));
  EXPECT_EQ(dernier_message()->texte, "Vous devez entrer un nombre correct\n\nComète « ALPHA » du fichier « " + chemin +
                                          " », ligne 2, élément T (jour).");
  choisir_ligne(controle<QListView>(p, "l_comete"), 1);
  EXPECT_EQ(dernier_message()->titre, "Mois invalide");
  EXPECT_TRUE(
      dernier_message()->texte.endsWith("Comète « BETA » du fichier « " + chemin + " », ligne 3, élément T (mois)."));
  // Typed by the user, the same fault is the user's: no file named.
  champ(p, "tcommois")->setText("14");
  cliquer(p, "bt_comete");
  EXPECT_EQ(dernier_message()->texte, "Changez ce mois.");
  EXPECT_TRUE(p.rapport().isEmpty());
}

// The days 5..14 October 1582 typed as the observation date: the rule of every page
// (5..9 the 4th, 10..14 the 15th), shown in the fields and computed.
TEST_F(PageCometesTest, DaysTheReformRemovedTakenAsOnEveryPage) {
  PageCometes p(c);
  const std::pair<const char*, int> cas[] = {{"5", 4}, {"7", 4}, {"9", 4}, {"10", 15}, {"14", 15}};
  for (const auto& [jour, pris] : cas) {
    taper(controle<EditionSpin>(p, "jour_com"), jour);
    taper(controle<EditionSpin>(p, "mois_com"), "10");
    taper(controle<EditionSpin>(p, "an_com"), "1582");
    cliquer(p, "erase_com");
    cliquer(p, "bt_comete");
    ASSERT_TRUE(p.resultat()) << jour;
    EXPECT_EQ(p.resultat()->observation.date, (almanax::date_jma{pris, 10, 1582})) << jour;
    EXPECT_EQ(texte_edition(p, "jour_com"), QString::number(pris)) << jour;
    EXPECT_TRUE(p.rapport().startsWith("Le " + QString::number(pris) + " Octobre 1582 à 00:00:00\r\n")) << jour;
  }
}

TEST_F(PageCometesTest, CopyNeedsAResult) {
  PageCometes p(c);
  cliquer(p, "copy_com");
  EXPECT_TRUE(c.rapports.empty());
  cliquer(p, "bt_comete");
  controle<QCheckBox>(p, "c_com_el")->setChecked(false);
  cliquer(p, "copy_com");
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_EQ(c.rapports[0], "\r\n\r\nLe 31 Octobre 1989 à 00:00:00\r\n" + p.rapport() + "\r\n");
  cliquer(p, "erase_com");
  EXPECT_TRUE(p.rapport().isEmpty());
}

// ---- Precession ------------------------------------------------------------------------

class PagePrecessionTest : public PageCometesTest {};

// The fields as typed (a point becomes the locale's comma) in the block and the copy.
TEST_F(PagePrecessionTest, FieldsBlockAndCopy) {
  PagePrecession p(c);
  taper(controle<EditionSpin>(p, "alphap1"), "2");
  remplacer(controle<QLineEdit>(p, "alphap3"), "11.986");
  EXPECT_EQ(controle<QLineEdit>(p, "alphap3")->text(), "11,986");
  controle<QPushButton>(p, "bt_equi")->click();
  EXPECT_TRUE(p.rapport().startsWith("le 11 Janvier 1998 à 00:00:00\r\nAscension droite \t: 2 h 00 m 06 s\r\n"));
  controle<QPushButton>(p, "copy_prec")->click();
  ASSERT_EQ(c.rapports.size(), 1u);
  EXPECT_TRUE(
      c.rapports[0].startsWith("Le 11 Janvier 1998 à 00:00:00\r\n"
                               "Équinoxe de référence\t1 Janvier 2000 12:00:00\r\n"
                               "Ascension droite \t2 ° 0 ' 11,986 \" \r\n"));
  EXPECT_TRUE(c.rapports[0].endsWith(p.rapport() + "\r\n"));
  controle<QPushButton>(p, "BitBtn4")->click();
  EXPECT_TRUE(p.rapport().isEmpty());
}

// A negative declination is typed with its sign on the degrees, "-0" included.
TEST_F(PagePrecessionTest, NegativeDeclinationsAndExitClamps) {
  PagePrecession p(c);
  taper(controle<EditionSpin>(p, "jourequi2"), "1");
  taper(controle<EditionSpin>(p, "anequi2"), "2000");
  controle<QTimeEdit>(p, "heureequi2")->setTime(QTime(12, 0, 0));
  taper(controle<EditionSpin>(p, "declip1"), "-0");
  taper(controle<EditionSpin>(p, "declip2"), "30");
  controle<QPushButton>(p, "bt_equi")->click();
  EXPECT_TRUE(p.rapport().endsWith("Déclinaison \t: -0 ° 30 '  00 ''\r\n")) << p.rapport().toStdString();

  struct cas {
    const char* champ;
    const char* texte;
    const char* apres;
  };
  const cas bornes[] = {{"alphap1", "30", "23"},
                        {"alphap2", "75", "59"},
                        {"declip1", "-95", "-89"},
                        {"declip1", "95", "89"},
                        {"declip2", "60", "59"}};
  for (const cas& k : bornes) {
    taper(controle<EditionSpin>(p, k.champ), k.texte);
    p.verifier_degres_declinaison();
    EXPECT_EQ(texte_edition(p, k.champ), k.apres) << k.champ;
  }
  const cas reels[] = {
      {"declip3", "-12,5", "12,5"}, {"alphap3", "75", "59"}, {"t_mpa", "-70", "-59"}, {"t_mpd", "70", "59"}};
  for (const cas& k : reels) {
    controle<QLineEdit>(p, k.champ)->setText(k.texte);
    p.verifier_degres_declinaison();
    EXPECT_EQ(controle<QLineEdit>(p, k.champ)->text(), k.apres) << k.champ;
  }
  c.messages_.recus.clear();
  controle<QLineEdit>(p, "t_mpd")->setText(",");
  EXPECT_FALSE(p.verifier_degres_declinaison());
  ASSERT_NE(dernier_message(), nullptr);
  EXPECT_EQ(dernier_message()->texte, ", n'est pas une valeur correcte.");
  EXPECT_EQ(dernier_message()->titre, "Nombre invalide");
  const QString avant = p.rapport();
  controle<QPushButton>(p, "bt_equi")->click();
  EXPECT_EQ(p.rapport(), avant);
}

}  // namespace

#include "ihm/fenetre_principale.h"

namespace {

// The default comet: chosen on the "Comètes" page while "OK" is checked, shown on the
// Options page, kept as "Comète" across a restart.
TEST(FenetreCometes, DefaultCometKeptAcrossARestart) {
  vider_reglages();
  DossierTravail dossier;
  MessagesEnregistres messages;
  almanax::ihm::DialoguesEnregistres dialogues;
  almanax::ihm::FenetrePrincipale::parametres p;
  p.messages = &messages;
  p.dialogues = &dialogues;
  {
    almanax::ihm::FenetrePrincipale f(p);
    EXPECT_EQ(f.findChild<QLabel*>("lcomdef")->text(), "103P/Hartley 2");
    choisir_ligne(f.findChild<QListView*>("l_comete"), 4);
    EXPECT_EQ(f.findChild<QLabel*>("lcomdef")->text(), "19P/Borrelly");
    f.findChild<QCheckBox*>("ccomdef")->setChecked(false);
    choisir_ligne(f.findChild<QListView*>("l_comete"), 6);
    EXPECT_EQ(f.findChild<QLabel*>("lcomdef")->text(), "19P/Borrelly");
    f.close();
  }
  EXPECT_EQ(QSettings(QStringLiteral("Quillory"), QStringLiteral("Almanax")).value("Comète").toInt(), 4);
  {
    almanax::ihm::FenetrePrincipale f(p);
    EXPECT_EQ(f.findChild<QLabel*>("lnomcom")->text(), "19P/Borrelly");
    EXPECT_EQ(f.findChild<QLabel*>("lcomdef")->text(), "19P/Borrelly");
    // The start-up empties the report box.
    EXPECT_TRUE(f.findChild<QPlainTextEdit*>("rccom")->toPlainText().isEmpty());
  }
  EXPECT_TRUE(messages.recus.empty());
  vider_reglages();
}

}  // namespace
