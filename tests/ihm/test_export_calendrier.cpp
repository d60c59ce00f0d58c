// "Exporter…" on the six event pages: the file written is what `astro --rapport ...
// --format ics` prints for the same inputs, on the page's clock; it takes what the copy
// takes; a cancelled dialog writes nothing; an empty page, a span the calendar cannot hold
// and a file that cannot be written are said in French, and the old file stays as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <memory>

#include "ihm/pages/page_dates.h"
#include "ihm/pages/page_eclipses.h"
#include "ihm/pages/page_perigee_apogee.h"
#include "ihm/pages/page_perihelie.h"
#include "ihm/pages/page_phases.h"
#include "ihm/pages/page_phenomenes.h"
#include "outils_pages.h"

using namespace almanax;
using namespace almanax::ihm;
using namespace almanax::ihm::test;

namespace {

// A calendar without its DTSTAMP lines, the moment of the export.
QByteArray sans_dtstamp(const QByteArray& ics) {
  QByteArray r;
  for (const QByteArray& l : ics.split('\n'))
    if (!l.startsWith("DTSTAMP:")) r += l + '\n';
  return r;
}

// The VEVENT blocks of a calendar, in order, without their DTSTAMP.
QList<QByteArray> evenements(const QByteArray& ics) {
  QList<QByteArray> r;
  const QByteArray t = sans_dtstamp(ics);
  for (qsizetype debut = t.indexOf("BEGIN:VEVENT"); debut >= 0; debut = t.indexOf("BEGIN:VEVENT", debut + 1))
    r.append(t.mid(debut, t.indexOf("END:VEVENT", debut) - debut));
  return r;
}

QList<QByteArray> evenements_cli(const QStringList& arguments) {
  return evenements(ligne_de_commande(arguments + QStringList{"--format", "ics"}));
}

template <class P>
std::unique_ptr<Page> fabriquer(ContexteTest& c) {
  return std::make_unique<P>(c);
}

void cliquer(QWidget& p, const char* bouton) {
  if (auto* b = controle<QPushButton>(p, bouton)) b->click();
}

}  // namespace

TEST(ExportCalendrier, EveryPageWritesTheCommandLineCalendarOnItsClock) {
  struct cas {
    const char* nom;
    std::function<std::unique_ptr<Page>(ContexteTest&)> page;
    std::vector<std::pair<const char*, int>> champs;  // the page's inputs
    const char* bouton;
    QString titre;          // of the save dialog
    QStringList arguments;  // the same inputs on the command line
  };
  // Spans that cross the clock changes of spring and autumn.
  const cas tous[] = {
      {"phases",
       fabriquer<PagePhases>,
       {{"mois_dep", 9}, {"an_dep", 2026}},
       "export_phases",
       "Exporter les phases de la Lune",
       {"--rapport", "phases", "--mois", "9", "--annee", "2026"}},
      {"perigees",
       fabriquer<PagePerigeeApogee>,
       {{"p_a_an", 2026}, {"p_a_an2", 2027}},
       "export_perigees",
       "Exporter les périgées et apogées",
       {"--rapport", "perigees", "--debut", "2026", "--fin", "2027"}},
      {"phenomenes",
       fabriquer<PagePhenomenes>,
       {{"an_phe", 2026}, {"an_phe2", 2027}},
       "export_phenomenes",
       "Exporter les phénomènes planétaires",
       {"--rapport", "phenomenes", "--debut", "2026", "--fin", "2027"}},
      {"perihelies",
       fabriquer<PagePerihelie>,
       {{"e_an_helie", 2026}, {"e_an_helie2", 2028}},
       "export_perihelies",
       "Exporter les périhélies et aphélies",
       {"--rapport", "perihelies", "--debut", "2026", "--fin", "2028"}},
      {"eclipses",
       fabriquer<PageEclipses>,
       {{"ec_an", 2025}, {"ec_an2", 2027}},
       "export_eclipses",
       "Exporter les éclipses",
       {"--rapport", "eclipses", "--debut", "2025", "--fin", "2027"}},
      {"dates",
       fabriquer<PageDates>,
       {{"an_sols", 2026}},
       "export_dates",
       "Exporter les équinoxes, les solstices et Pâques",
       {"--rapport", "dates", "--annee", "2026"}},
  };
  const LocaleTemporaire c_locale(QLocale::c());
  DossierTravail d;
  for (const cas& k : tous) {
    SCOPED_TRACE(k.nom);
    ContexteTest c;
    ASSERT_TRUE(c.session_.choisir_fuseau(QStringLiteral("Europe/Paris")));
    auto p = k.page(c);
    for (const auto& [nom, valeur] : k.champs) controle<EditionSpin>(*p, nom)->setPosition(valeur);
    p->calculer();
    const QString fichier = d.chemin(QString::fromLatin1(k.nom) + ".ics");
    c.dialogues_.fichier_choisi = fichier;
    cliquer(*p, k.bouton);
    ASSERT_EQ(c.dialogues_.enregistrements.size(), 1u);
    EXPECT_EQ(c.dialogues_.enregistrements[0].titre, k.titre);
    EXPECT_EQ(c.dialogues_.enregistrements[0].filtre, "Calendrier iCalendar (*.ics)");
    EXPECT_EQ(c.dialogues_.enregistrements[0].suffixe, "ics");
    const QByteArray tel_quel = lire_fichier(fichier);
    ASSERT_TRUE(tel_quel.startsWith("BEGIN:VCALENDAR\r\n")) << tel_quel.left(200).toStdString();
    EXPECT_EQ(sans_dtstamp(tel_quel), sans_dtstamp(ligne_de_commande(k.arguments + QStringList{"--format", "ics"})));

    // On the zone's clock the descriptions follow the rows shown again; the starts, in
    // UTC, do not move.
    c.session_.poser_heure_legale(true);
    p->echelle_changee();
    cliquer(*p, k.bouton);
    const QByteArray legale = lire_fichier(fichier);
    EXPECT_EQ(
        sans_dtstamp(legale),
        sans_dtstamp(ligne_de_commande(k.arguments + QStringList{"--format", "ics", "--fuseau", "Europe/Paris"})));
    EXPECT_NE(sans_dtstamp(legale), sans_dtstamp(tel_quel));
    EXPECT_TRUE(c.messages_.recus.empty());

    // Cancelled: nothing written, nothing said.
    ASSERT_TRUE(QFile::remove(fichier));
    c.dialogues_.fichier_choisi.reset();
    cliquer(*p, k.bouton);
    EXPECT_EQ(c.dialogues_.enregistrements.size(), 3u);
    EXPECT_FALSE(QFile::exists(fichier));
    EXPECT_TRUE(c.messages_.recus.empty());
  }
}

// What the copy takes: the rows of every search since "&Efface", the checked months;
// nothing to take is said without a dialog.
TEST(ExportCalendrier, TakesWhatTheCopyTakes) {
  const LocaleTemporaire c_locale(QLocale::c());
  DossierTravail d;
  ContexteTest c;
  const QString fichier = d.chemin("export.ics");
  c.dialogues_.fichier_choisi = fichier;
  const auto dernier = [&c] {
    return c.messages_.recus.empty() ? MessagesEnregistres::message{} : c.messages_.recus.back();
  };

  // Two searches of perigees, the second of perigees alone: both, in the list's order.
  PagePerigeeApogee peri(c);
  cliquer(peri, "export_perigees");
  EXPECT_EQ(dernier().texte, "Rien à exporter : lancez d'abord une recherche.");
  EXPECT_EQ(dernier().type, MessagesEnregistres::genre::information);
  EXPECT_TRUE(c.dialogues_.enregistrements.empty());
  poser_annees(peri, "p_a_an", "p_a_an2", 1992, 1993);
  peri.calculer();
  poser_annees(peri, "p_a_an", "p_a_an2", 2030, 2031);
  controle<QCheckBox>(peri, "calune")->setChecked(false);
  peri.calculer();
  QList<QByteArray> attendu = evenements_cli({"--rapport", "perigees", "--debut", "1992", "--fin", "1993"});
  attendu += evenements_cli({"--rapport", "perigees", "--debut", "2030", "--fin", "2031", "--types", "périgée"});
  cliquer(peri, "export_perigees");
  EXPECT_EQ(evenements(lire_fichier(fichier)), attendu);
  cliquer(peri, "BitBtn2");
  const std::size_t dialogues = c.dialogues_.enregistrements.size();
  cliquer(peri, "export_perigees");
  EXPECT_EQ(dernier().texte, "Rien à exporter : lancez d'abord une recherche.");
  EXPECT_EQ(c.dialogues_.enregistrements.size(), dialogues);

  // The phases of the checked months only, none without a checked month.
  PagePhases phases(c);
  controle<EditionSpin>(phases, "mois_dep")->setPosition(1);
  controle<EditionSpin>(phases, "an_dep")->setPosition(2025);
  phases.calculer();
  for (const char* nom : {"cbm1", "cbm2", "cbm4", "cbm5", "cbm6"}) controle<QCheckBox>(phases, nom)->setChecked(false);
  const QList<QByteArray> six = evenements_cli({"--rapport", "phases", "--mois", "1", "--annee", "2025"});
  const auto n1 = static_cast<qsizetype>(phases.resultat().listes[0].phases.size());
  const auto n2 = static_cast<qsizetype>(phases.resultat().listes[1].phases.size());
  const auto n3 = static_cast<qsizetype>(phases.resultat().listes[2].phases.size());
  ASSERT_GE(six.size(), n1 + n2 + n3);
  cliquer(phases, "export_phases");
  EXPECT_EQ(evenements(lire_fichier(fichier)), six.mid(n1 + n2, n3));
  controle<QCheckBox>(phases, "cbm3")->setChecked(false);
  cliquer(phases, "export_phases");
  EXPECT_EQ(dernier().texte, "Rien à exporter : cochez au moins un mois.");
  EXPECT_EQ(evenements(lire_fichier(fichier)), six.mid(n1 + n2, n3));

  // The eclipses of the box, both kinds once searched: the lunar, then the solar ones.
  PageEclipses ecl(c);
  poser_annees(ecl, "ec_an", "ec_an2", 2025, 2027);
  ecl.calculer();
  controle<QRadioButton>(ecl, "o_sol")->setChecked(true);
  ecl.calculer();
  const QList<QByteArray> lunaires =
      evenements_cli({"--rapport", "eclipses", "--debut", "2025", "--fin", "2027", "--type", "lunaire"});
  const QList<QByteArray> solaires =
      evenements_cli({"--rapport", "eclipses", "--debut", "2025", "--fin", "2027", "--type", "solaire"});
  ASSERT_FALSE(lunaires.isEmpty());
  ASSERT_FALSE(solaires.isEmpty());
  cliquer(ecl, "export_eclipses");
  EXPECT_EQ(evenements(lire_fichier(fichier)).mid(0, lunaires.size()), lunaires);
  EXPECT_EQ(evenements(lire_fichier(fichier)).size(), lunaires.size() + solaires.size());
}

// A file that cannot be written and a span the calendar cannot hold: a French message,
// nothing written, the file that was there as it was.
TEST(ExportCalendrier, FailuresAreSaidAndLoseNothing) {
  DossierTravail d;
  ContexteTest c;
  PagePerigeeApogee p(c);
  p.calculer();
  const QByteArray ancien = "BEGIN:VCALENDAR\r\nun ancien calendrier\r\nEND:VCALENDAR\r\n";

  // A folder that is not there.
  c.dialogues_.fichier_choisi = d.chemin("absent/lune.ics");
  cliquer(p, "export_perigees");
  ASSERT_EQ(c.messages_.recus.size(), 1u);
  EXPECT_EQ(c.messages_.recus[0].type, MessagesEnregistres::genre::erreur);
  EXPECT_EQ(c.messages_.recus[0].titre, "Erreur d'écriture");
  EXPECT_TRUE(c.messages_.recus[0].texte.contains("lune.ics")) << c.messages_.recus[0].texte.toStdString();
  EXPECT_TRUE(c.messages_.recus[0].texte.contains("n'existe pas")) << c.messages_.recus[0].texte.toStdString();
  EXPECT_FALSE(QFileInfo::exists(d.chemin("absent")));

  // A folder that cannot be written into (as root it can: that part is left out).
  ASSERT_TRUE(QDir(d.dossier()).mkdir("lecture"));
  const QString fichier = d.chemin("lecture/lune.ics");
  ecrire_fichier(fichier, ancien);
  ASSERT_TRUE(QFile::setPermissions(d.chemin("lecture"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
  if (::access(d.chemin("lecture").toLocal8Bit().constData(), W_OK) != 0) {
    c.messages_.recus.clear();
    c.dialogues_.fichier_choisi = fichier;
    cliquer(p, "export_perigees");
    ASSERT_EQ(c.messages_.recus.size(), 1u);
    EXPECT_EQ(c.messages_.recus[0].titre, "Erreur d'écriture");
    EXPECT_TRUE(c.messages_.recus[0].texte.contains("lune.ics")) << c.messages_.recus[0].texte.toStdString();
    EXPECT_EQ(lire_fichier(fichier), ancien);
    EXPECT_EQ(QDir(d.chemin("lecture")).entryList(QDir::Files | QDir::Hidden), QStringList{"lune.ics"});
  }
  QFile::setPermissions(d.chemin("lecture"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  // The phases of 1500: before the years a calendar takes, said before any dialog.
  PagePhases phases(c);
  controle<EditionSpin>(phases, "mois_dep")->setPosition(1);
  controle<EditionSpin>(phases, "an_dep")->setPosition(1500);
  phases.calculer();
  c.messages_.recus.clear();
  const std::size_t dialogues = c.dialogues_.enregistrements.size();
  c.dialogues_.fichier_choisi = fichier;
  cliquer(phases, "export_phases");
  ASSERT_EQ(c.messages_.recus.size(), 1u);
  EXPECT_EQ(c.messages_.recus[0].type, MessagesEnregistres::genre::erreur);
  EXPECT_EQ(c.messages_.recus[0].titre, "Exportation impossible");
  EXPECT_TRUE(c.messages_.recus[0].texte.contains("tombe en 1500")) << c.messages_.recus[0].texte.toStdString();
  EXPECT_TRUE(c.messages_.recus[0].texte.contains("1583 à 9999")) << c.messages_.recus[0].texte.toStdString();
  EXPECT_EQ(c.dialogues_.enregistrements.size(), dialogues);
  EXPECT_EQ(lire_fichier(fichier), ancien);
}
