#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimeEdit>
#include <functional>
#include <memory>

#include "../donnees/enfant.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page_cometes.h"
#include "ihm/pages/page_ephemerides.h"
#include "ihm/pages/page_impression.h"
#include "ihm/pages/page_soleil_lune.h"
#include "outils_pages.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::FenetrePrincipale;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::PageEphemerides;
using almanax::ihm::PageImpression;
using almanax::ihm::PageSoleilLune;
using namespace almanax::ihm::test;

namespace {

// The print dialog confirmed at once: the document goes to a PDF file.
class DialoguesPdf : public DialoguesEnregistres {
 public:
  explicit DialoguesPdf(QString fichier) : fichier_(std::move(fichier)) {}
  almanax::ihm::issue_impression imprimer(QWidget* parent, const QString& texte, const QString& titre) override {
    DialoguesEnregistres::imprimer(parent, texte, titre);
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier_);
    return {true, almanax::ihm::imprimer_document(imprimante, texte, titre)};
  }

 private:
  QString fichier_;
};

class ContextePdf : public ContexteTest {
 public:
  explicit ContextePdf(const QString& fichier) : pdf(fichier) {}
  almanax::ihm::Dialogues& dialogues() override { return pdf; }
  DialoguesPdf pdf;
};

// The text of a PDF file and its title, read by the poppler tools when installed.
struct lecture_pdf {
  bool outils = false;
  QString texte;
  QString titre;
};

lecture_pdf lire_pdf(const QString& fichier) {
  lecture_pdf l;
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
  if (pdftotext.isEmpty() || pdfinfo.isEmpty()) return l;
  l.outils = true;
  QProcess p;
  p.start(pdftotext, {"-layout", "-enc", "UTF-8", fichier, "-"});
  p.waitForFinished(30000);
  l.texte = QString::fromUtf8(p.readAllStandardOutput());
  p.start(pdfinfo, {"-enc", "UTF-8", fichier});
  p.waitForFinished(30000);
  for (const QString& ligne : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
    if (ligne.startsWith("Title:")) l.titre = ligne.mid(6).trimmed();
  return l;
}

// Every line of the report is in the PDF's text, its label and value on one line in
// that order (the tab becomes white space on paper).
void verifier_rapport_imprime(const QString& rapport, const QString& texte_pdf) {
  for (const QString& ligne : rapport.split("\r\n", Qt::SkipEmptyParts)) {
    QStringList morceaux;
    for (const QString& m : ligne.split('\t')) morceaux << QRegularExpression::escape(m.simplified());
    const QRegularExpression motif(morceaux.join("\\s+"));
    EXPECT_TRUE(motif.match(texte_pdf).hasMatch()) << ligne.toStdString();
  }
}

const QString rapport_1 = QStringLiteral("Vénus\r\n\r\nLongitude héliocentrique \t26 ° 06 ' 51 ''\r\n");
const QString rapport_2 = QStringLiteral("Soleil \r\n\r\nLever \t6 h 27 m\r\n\r\n");

// The longest labels of the reports, each followed by a value V1, V2, ...
QString rapport_libelles_longs() {
  const char* libelles[] = {"Date de passage au périhélie (T)",
                            "Argument de lat. du périhélie (w)",
                            "Longitude du noeud ascendant (W) ",
                            "Longitude héliocentrique ",
                            "Ascension droite apparente ",
                            "Début de la phase totale",
                            "Lever "};
  QString r;
  int k = 0;
  for (const char* l : libelles) r += QString::fromUtf8(l) + "\tV" + QString::number(++k) + "\r\n";
  return r;
}

// How far from the line's start the value after the first tab starts, on each line
// of a text box, in pixels.
std::vector<qreal> debuts_des_valeurs(const QPlainTextEdit& boite) {
  std::vector<qreal> x;
  for (QTextBlock b = boite.document()->firstBlock(); b.isValid(); b = b.next()) {
    const int tab = b.text().indexOf('\t');
    if (tab < 0) continue;
    boite.document()->documentLayout()->blockBoundingRect(b);  // lays the block out
    const QTextLine ligne = b.layout()->lineForTextPosition(tab + 1);
    x.push_back(ligne.cursorToX(tab + 1) - ligne.cursorToX(0));
  }
  return x;
}

}  // namespace

// Every value starts at the first tab stop, however long its label: on screen and on
// paper, where the stop is 150 points from the text's left edge, or further when the
// font makes a label wider.
TEST(PageImpression, ValuesLineUpAfterTheLongestLabels) {
  DossierTravail d;
  const QString fichier = d.chemin("alignes.pdf");
  ContextePdf c(fichier);
  PageImpression p(c);
  auto* recp = controle<QPlainTextEdit>(p, "recp");
  p.ajouter(rapport_1);
  EXPECT_DOUBLE_EQ(recp->tabStopDistance(), 150 * recp->logicalDpiY() / 72.0);
  p.ajouter(rapport_libelles_longs());
  p.ajouter(rapport_2);
  const std::vector<qreal> ecran = debuts_des_valeurs(*recp);
  ASSERT_EQ(ecran.size(), 9u);
  EXPECT_GE(recp->tabStopDistance(), 150 * recp->logicalDpiY() / 72.0);
  for (qreal x : ecran) EXPECT_NEAR(x, recp->tabStopDistance(), 0.5);
  // Cleared, the area starts again from the 150 points.
  controle<QPushButton>(p, "btcp_erase")->click();
  EXPECT_DOUBLE_EQ(recp->tabStopDistance(), 150 * recp->logicalDpiY() / 72.0);
  p.ajouter(rapport_libelles_longs());

  p.imprimer();
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the PDF back";
  QProcess outil;
  outil.start(pdftotext, {"-bbox", "-enc", "UTF-8", fichier, "-"});
  outil.waitForFinished(30000);
  const QString boites = QString::fromUtf8(outil.readAllStandardOutput());
  // <word xMin="…" …>V1</word>: the values; the labels all begin at the left margin.
  const QRegularExpression mot(R"re(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  std::vector<double> valeurs;
  double marge = 1e9;
  for (auto m = mot.globalMatch(boites); m.hasNext();) {
    const auto r = m.next();
    const double x = r.captured(1).toDouble();
    if (QRegularExpression(R"(^V\d$)").match(r.captured(2)).hasMatch())
      valeurs.push_back(x);
    else
      marge = std::min(marge, x);
  }
  ASSERT_EQ(valeurs.size(), 7u) << boites.toStdString();
  for (double x : valeurs) {
    EXPECT_NEAR(x, valeurs.front(), 0.5);
    EXPECT_GE(x - marge, 149.5);
    EXPECT_LT(x - marge, 300);
  }
}

// The comet box's stop is 130 points: its labels all end before it.
TEST(PageImpression, CometBoxValuesLineUp) {
  ContexteTest c;
  almanax::ihm::PageCometes p(c);
  p.calculer_comete();
  const auto* rccom = controle<QPlainTextEdit>(p, "rccom");
  EXPECT_DOUBLE_EQ(rccom->tabStopDistance(), 130 * rccom->logicalDpiY() / 72.0);
  const std::vector<qreal> x = debuts_des_valeurs(*rccom);
  ASSERT_EQ(x.size(), 6u);
  for (qreal v : x) EXPECT_NEAR(v, rccom->tabStopDistance(), 0.5);
}

TEST(PageImpression, AppendsReportsAsTheyStand) {
  ContexteTest c;
  PageImpression p(c);
  auto* recp = controle<QPlainTextEdit>(p, "recp");
  EXPECT_TRUE(recp->isReadOnly());
  // The first tab stop is 150 points, whatever the screen's resolution.
  EXPECT_DOUBLE_EQ(recp->tabStopDistance(), 150 * recp->logicalDpiY() / 72.0);
  EXPECT_EQ(controle<QPushButton>(p, "btcp_erase")->text(), "&Efface");
  EXPECT_EQ(controle<QPushButton>(p, "bt_imprim")->text(), "&Impression");

  p.ajouter(rapport_1);
  p.ajouter(rapport_2);
  p.ajouter(rapport_1);
  EXPECT_EQ(p.texte(), rapport_1 + rapport_2 + rapport_1);
  // The box shows one paragraph per line, tabs kept.
  QString vu = p.texte();
  vu.replace("\r\n", "\n");
  EXPECT_EQ(recp->toPlainText(), vu);

  // The user cannot type into it.
  ASSERT_TRUE(activer(p));
  recp->setFocus();
  QTest::keyClicks(recp, "abc");
  QTest::keyClick(recp, Qt::Key_Backspace);
  EXPECT_EQ(recp->toPlainText(), vu);

  controle<QPushButton>(p, "btcp_erase")->click();
  EXPECT_TRUE(p.texte().isEmpty());
  EXPECT_TRUE(recp->toPlainText().isEmpty());
  p.ajouter(rapport_2);
  EXPECT_EQ(p.texte(), rapport_2);
}

TEST(PageImpression, PrintsTheWholeTextAsOneTitledDocument) {
  ContexteTest c;
  PageImpression p(c);
  p.ajouter(rapport_1);
  p.ajouter(rapport_2);
  controle<QPushButton>(p, "bt_imprim")->click();
  ASSERT_EQ(c.dialogues_.impressions.size(), 1u);
  EXPECT_EQ(c.dialogues_.impressions[0].texte, rapport_1 + rapport_2);
  EXPECT_EQ(c.dialogues_.impressions[0].titre, "Données astronomiques");
  // Cancelling the dialog leaves everything as it was.
  c.dialogues_.accepter_impression = false;
  controle<QPushButton>(p, "bt_imprim")->click();
  EXPECT_EQ(c.dialogues_.impressions.size(), 2u);
  EXPECT_EQ(p.texte(), rapport_1 + rapport_2);
}

TEST(PageImpression, PrintToPdf) {
  DossierTravail d;
  const QString fichier = d.chemin("rapport.pdf");
  ContextePdf c(fichier);
  PageImpression p(c);
  p.ajouter(rapport_1);
  p.ajouter(rapport_2);
  p.imprimer();
  ASSERT_TRUE(QFileInfo::exists(fichier));
  EXPECT_TRUE(lire_fichier(fichier).startsWith("%PDF-"));
  const lecture_pdf l = lire_pdf(fichier);
  if (!l.outils) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are needed to read the PDF back";
  EXPECT_EQ(l.titre, "Données astronomiques");
  verifier_rapport_imprime(rapport_1 + rapport_2, l.texte);
  EXPECT_FALSE(l.texte.contains("Mercure"));
}

// The whole window: both pages computed at start-up for the start-up date, their
// copies collected on the "Impression" page, printed to a PDF.
TEST(PagesFenetre, StartUpCopyThenPrint) {
  DossierTravail d;
  vider_reglages();
  MessagesEnregistres messages;
  DialoguesPdf dialogues(d.chemin("donnees.pdf"));
  FenetrePrincipale::parametres parametres;
  parametres.messages = &messages;
  parametres.dialogues = &dialogues;
  auto f = std::make_unique<FenetrePrincipale>(parametres);
  EXPECT_TRUE(messages.recus.empty());

  auto* eph = qobject_cast<PageEphemerides*>(f->page("ephemeride"));
  auto* sol = qobject_cast<PageSoleilLune*>(f->page("soleil"));
  auto* imp = qobject_cast<PageImpression*>(f->page("print_all"));
  ASSERT_TRUE(eph && sol && imp);
  const QDate aujourdhui = QDate::currentDate();
  for (const auto& [page, jour, mois, an] :
       {std::tuple<QWidget*, const char*, const char*, const char*>{eph, "e_jour", "e_mois", "e_an"},
        {sol, "jour_sol", "mois_sol", "an_sol"}}) {
    EXPECT_EQ(texte_edition(*page, jour), QString::number(aujourdhui.day()));
    EXPECT_EQ(texte_edition(*page, mois), QString::number(aujourdhui.month()));
    EXPECT_EQ(texte_edition(*page, an), QString::number(aujourdhui.year()));
  }
  // Computed for that date and the time the pickers show.
  const QTime h = controle<QTimeEdit>(*eph, "e_temps")->time();
  const double attendu = QDate(aujourdhui).toJulianDay() - 0.5 + h.msecsSinceStartOfDay() / 86400000.0;
  EXPECT_NEAR(static_cast<double>(eph->resultat().jour_julien), attendu, 1e-5);
  EXPECT_FALSE(etiquette(*eph, "l_alpha").isEmpty());
  EXPECT_FALSE(etiquette(*sol, "long_g_sol").isEmpty());
  EXPECT_FALSE(etiquette(*sol, "long_lune").isEmpty());
  EXPECT_EQ(sol->resultat().lune.jour_julien, sol->resultat().jour_julien);
  EXPECT_TRUE(imp->texte().isEmpty());  // cleared at the end of the start-up

  controle<QPushButton>(*eph, "copy_eph")->click();
  const QString premier = imp->texte();
  controle<QPushButton>(*sol, "copy_sol")->click();
  ASSERT_FALSE(premier.isEmpty());
  EXPECT_TRUE(premier.startsWith("Vénus\r\n\r\nLe "));
  EXPECT_TRUE(premier.contains("A Paris\t"));  // the default site of the window
  EXPECT_TRUE(imp->texte().startsWith(premier));
  EXPECT_TRUE(imp->texte().mid(premier.size()).contains("Lune \r\n\r\n"));

  controle<QPushButton>(*imp, "bt_imprim")->click();
  ASSERT_EQ(dialogues.impressions.size(), 1u);
  EXPECT_EQ(dialogues.impressions[0].texte, imp->texte());
  EXPECT_EQ(dialogues.impressions[0].titre, "Données astronomiques");
  const lecture_pdf l = lire_pdf(d.chemin("donnees.pdf"));
  if (!l.outils) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are needed to read the PDF back";
  verifier_rapport_imprime(imp->texte(), l.texte);
  f.reset();
  vider_reglages();
}

TEST(PageImpression, NothingPrintedIsSaidInFrench) {
  DossierTravail d;
  // Into a folder that does not exist: the page says so, nothing is reported as printed.
  const QString absent = d.chemin("absent/rapport.pdf");
  ContextePdf c(absent);
  PageImpression p(c);
  p.ajouter(rapport_1);
  p.imprimer();
  ASSERT_EQ(c.messages_.recus.size(), 1u);
  EXPECT_EQ(c.messages_.recus[0].titre, "Impression impossible");
  EXPECT_TRUE(c.messages_.recus[0].texte.contains("rapport.pdf")) << c.messages_.recus[0].texte.toStdString();
  EXPECT_FALSE(QFileInfo::exists(absent));
  QPrinter sans_fichier;
  sans_fichier.setOutputFormat(QPrinter::PdfFormat);
  EXPECT_EQ(almanax::ihm::imprimer_document(sans_fichier, rapport_1, "Données astronomiques"),
            "Aucun fichier PDF n'a été choisi : rien n'a été imprimé.");
}

TEST(PageImpression, TheDialogOffersAPdfFile) {
  QPrinter imprimante(QPrinter::HighResolution);
  almanax::ihm::preparer_imprimante(imprimante, "Données astronomiques");
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {  // no printer: a PDF file unless the user says otherwise
    EXPECT_TRUE(imprimante.outputFileName().endsWith("/Données astronomiques.pdf"));
  }
  QPrintDialog dialogue(&imprimante);
  almanax::ihm::configurer_dialogue_impression(dialogue);
  dialogue.setVisible(true);
  bool pdf = false;
  for (const QComboBox* liste : dialogue.findChildren<QComboBox*>())
    for (int i = 0; i < liste->count(); ++i) pdf = pdf || liste->itemText(i).contains("PDF");
  dialogue.setVisible(false);
  EXPECT_TRUE(pdf);
}

// Printing into a PDF file whose name is taken, or on a disk that fills up: the file
// chosen ends up either whole and new, or exactly as it was, with a French reason; a
// FIFO, a device or a folder under that name is refused at once.
TEST(PageImpression, PdfReplacedWholeOrLeftAsItWas) {
  DossierTravail d;
  QString long_rapport;
  for (int i = 0; i < 400; ++i) long_rapport += rapport_1;
  struct cas {
    const char* nom;
    std::function<void(const QString&)> preparer;
    rlim_t limite;       // largest file the printing may write
    const char* raison;  // empty: printed
  };
  const QByteArray ancien = "%PDF-1.4 ancien document\n%%EOF\n";
  const std::vector<cas> cas_essayes = {
      {"remplace", [&](const QString& f) { ecrire_fichier(f, ancien); }, RLIM_INFINITY, ""},
      {"disque plein", [&](const QString& f) { ecrire_fichier(f, ancien); }, 8192, "rien n'a été imprimé"},
      {"FIFO", [](const QString& f) { ::mkfifo(QFile::encodeName(f).constData(), 0600); }, RLIM_INFINITY,
       "ce n'est pas un fichier ordinaire"},
      {"dossier", [](const QString& f) { QDir().mkpath(f); }, RLIM_INFINITY, "ce n'est pas un fichier ordinaire"},
  };
  for (const cas& c : cas_essayes) {
    SCOPED_TRACE(c.nom);
    const QString dossier = d.chemin(QString::fromUtf8(c.nom).replace(' ', '-'));
    QDir().mkpath(dossier);
    const QString fichier = dossier + "/rapport.pdf";
    c.preparer(fichier);
    // In a child: the file size limit stays there, and a print that waits on the FIFO
    // fails the test instead of hanging it.
    const auto issue = almanax::test::dans_un_enfant(
        [&] {
          ::signal(SIGXFSZ, SIG_IGN);
          const rlimit r{c.limite, c.limite};
          ::setrlimit(RLIMIT_FSIZE, &r);
          QPrinter imprimante(QPrinter::HighResolution);
          imprimante.setOutputFormat(QPrinter::PdfFormat);
          imprimante.setOutputFileName(fichier);
          return almanax::ihm::imprimer_document(imprimante, long_rapport, "Données astronomiques").toStdString();
        },
        std::chrono::seconds(30));
    ASSERT_TRUE(issue.a_temps) << "the print waits instead of refusing";
    const QString message = QString::fromStdString(issue.sortie);
    const QStringList restes =
        QDir(dossier).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(restes, QStringList{"rapport.pdf"});  // nothing left beside
    if (*c.raison == '\0') {
      EXPECT_TRUE(message.isEmpty()) << issue.sortie;
      const QByteArray nouveau = lire_fichier(fichier);
      EXPECT_TRUE(nouveau.startsWith("%PDF-") && nouveau.trimmed().endsWith("%%EOF"));
      EXPECT_GT(nouveau.size(), 8192);
      continue;
    }
    EXPECT_TRUE(message.contains(c.raison)) << issue.sortie;
    EXPECT_TRUE(message.contains("rapport.pdf")) << issue.sortie;
    if (c.limite != RLIM_INFINITY) {
      EXPECT_EQ(lire_fichier(fichier), ancien);
    }
  }
}
