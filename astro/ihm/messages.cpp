#include "ihm/messages.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <optional>

#include "dessin/image_fichier.h"
#include "donnees/fichier_sur.h"

namespace almanax::ihm {

void Messages::montrer(const message_boite& m) {
  const QString texte = QString::fromStdString(m.texte);
  const QString titre = QString::fromStdString(m.titre);
  if (m.icone == icone_message::erreur)
    erreur(texte, titre);
  else
    information(texte, titre);
}

namespace {

// Room the title bar takes beside its caption: the icon, the window's buttons, margins.
constexpr int marge_barre_de_titre = 160;

}  // namespace

std::unique_ptr<QMessageBox> boite_message(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                           const QString& titre, bool annuler) {
  auto b = std::make_unique<QMessageBox>(icone, titre, texte, QMessageBox::NoButton, parent);
  // French buttons whatever translations are installed.
  QPushButton* ok = b->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  b->setDefaultButton(ok);
  if (annuler) b->setEscapeButton(b->addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
  // The box is as wide as its text, and the window manager cuts a longer caption in
  // the middle ("Confirmation ou … suppression"): the box is made wide enough for it.
  if (auto* grille = qobject_cast<QGridLayout*>(b->layout())) {
    grille->addItem(new QSpacerItem(largeur_pour_titre(titre), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                    grille->rowCount(), 0, 1, grille->columnCount());
  }
  return b;
}

int largeur_pour_titre(const QString& titre) {
  // Title bars commonly use a bold face of the system font.
  QFont police = QApplication::font();
  police.setBold(true);
  return QFontMetrics(police).horizontalAdvance(titre) + marge_barre_de_titre;
}

namespace {

int boite(QWidget* parent, QMessageBox::Icon icone, const QString& texte, const QString& titre, bool annuler) {
  const std::unique_ptr<QMessageBox> b = boite_message(parent, icone, texte, titre, annuler);
  b->exec();
  return b->clickedButton() == b->defaultButton() ? 1 : 0;
}

}  // namespace

void MessagesBoites::erreur(const QString& texte, const QString& titre) {
  boite(parent_, QMessageBox::Critical, texte, titre, false);
}

void MessagesBoites::information(const QString& texte, const QString& titre) {
  boite(parent_, QMessageBox::Information, texte, titre, false);
}

bool MessagesBoites::confirmer(const QString& texte, const QString& titre) {
  return boite(parent_, QMessageBox::Information, texte, titre, true) == 1;
}

int MessagesBoites::choisir(const QString& texte, const QString& titre, const QStringList& boutons) {
  QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, parent_);
  std::vector<QPushButton*> b;
  for (const QString& t : boutons) b.push_back(boite.addButton(t, QMessageBox::ActionRole));
  if (b.empty()) return -1;
  boite.setDefaultButton(b.front());
  boite.setEscapeButton(b.back());
  boite.exec();
  const auto trouve = std::find(b.begin(), b.end(), boite.clickedButton());
  return trouve == b.end() ? static_cast<int>(b.size()) - 1 : static_cast<int>(trouve - b.begin());
}

void MessagesEnregistres::erreur(const QString& texte, const QString& titre) {
  recus.push_back({genre::erreur, texte, titre});
}

void MessagesEnregistres::information(const QString& texte, const QString& titre) {
  recus.push_back({genre::information, texte, titre});
}

bool MessagesEnregistres::confirmer(const QString& texte, const QString& titre) {
  recus.push_back({genre::confirmation, texte, titre});
  return reponse;
}

int MessagesEnregistres::choisir(const QString& texte, const QString& titre, const QStringList&) {
  recus.push_back({genre::confirmation, texte, titre});
  return bouton_choisi;
}

issue_impression DialoguesQt::imprimer(QWidget* parent, const QString& texte, const QString& titre) {
  QPrinter imprimante(QPrinter::HighResolution);
  preparer_imprimante(imprimante, titre);
  QPrintDialog dialogue(&imprimante, parent);
  configurer_dialogue_impression(dialogue);
  if (dialogue.exec() != QDialog::Accepted) return {};
  return {true, imprimer_document(imprimante, texte, titre)};
}

void preparer_imprimante(QPrinter& imprimante, const QString& titre) {
  imprimante.setDocName(titre);
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) return;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QDir dossier(!documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath());
  imprimante.setOutputFormat(QPrinter::PdfFormat);
  imprimante.setOutputFileName(dossier.filePath(titre + QStringLiteral(".pdf")));
}

void configurer_dialogue_impression(QPrintDialog& dialogue) {
  dialogue.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection |
                      QAbstractPrintDialog::PrintToFile);
}

namespace {

// A whole PDF file: its header first, its end-of-file mark last. A disk that filled up
// while printing leaves a file cut short, which lacks the mark.
bool pdf_complet(const QByteArray& octets) {
  return octets.startsWith("%PDF-") && octets.trimmed().endsWith("%%EOF");
}

// The largest PDF read back before it takes the place of the file chosen.
constexpr qint64 taille_max_pdf = qint64{512} * 1024 * 1024;

}  // namespace
qreal points_en_unites_texte(qreal points) {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  return points * (ecran ? ecran->logicalDotsPerInchY() : 96.0) / 72.0;
}

qreal largeur_libelles(const QString& texte, const QFont& police, qreal points) {
  const QFontMetricsF mesure(police);
  const qreal plafond = 2 * points_en_unites_texte(points);
  qreal plus_large = 0;
  for (QStringView ligne : QStringView(texte).split(u'\n')) {
    const qsizetype tab = ligne.indexOf(u'\t');
    if (tab <= 0) continue;
    const qreal l = mesure.horizontalAdvance(ligne.left(tab).toString());
    if (l <= plafond) plus_large = std::max(plus_large, l);
  }
  return plus_large;
}

qreal distance_tabulation(qreal points, qreal libelles, const QFont& police) {
  const qreal minimum = points_en_unites_texte(points);
  if (libelles < minimum) return minimum;
  return libelles + QFontMetricsF(police).horizontalAdvance(QLatin1Char(' '));
}

void poser_tabulation(QPlainTextEdit& boite, qreal points, qreal libelles) {
  boite.setTabStopDistance(distance_tabulation(points, libelles, boite.font()));
}

QString imprimer_document(QPrinter& imprimante, const QString& texte, const QString& titre) {
  const bool pdf = imprimante.outputFormat() == QPrinter::PdfFormat;
  const QString fichier = imprimante.outputFileName();
  if (pdf && fichier.isEmpty()) return QStringLiteral("Aucun fichier PDF n'a été choisi : rien n'a été imprimé.");
  if (!imprimante.isValid())
    return QStringLiteral(
        "Aucune imprimante n'est disponible : rien n'a été imprimé. Choisissez l'impression dans un fichier PDF.");
  const QString nom = QDir::toNativeSeparators(fichier);
  // A PDF is printed into a file beside the one chosen, checked whole, then written in
  // its place by the safe writer: a full disk never leaves a cut PDF nor destroys the
  // file that was there, and a FIFO, a device or a folder under that name is refused
  // before anything is opened (opening a FIFO would wait for a reader forever).
  std::optional<QTemporaryFile> provisoire;
  if (pdf) {
    const QFileInfo cible(fichier);
    if (cible.exists() && !cible.isFile())
      return QStringLiteral(
                 "Le fichier « %1 » ne peut pas être écrit (ce n'est pas un fichier ordinaire) : rien n'a été imprimé.")
          .arg(nom);
    if (!QFileInfo(cible.absolutePath()).isDir())
      return QStringLiteral(
                 "Le fichier « %1 » ne peut pas être écrit (le dossier n'existe pas) : rien n'a été imprimé.")
          .arg(nom);
    provisoire.emplace(QDir(cible.absolutePath()).filePath(QStringLiteral(".%1.XXXXXX").arg(cible.fileName())));
    if (!provisoire->open())
      return QStringLiteral("Le fichier « %1 » ne peut pas être écrit (%2) : rien n'a été imprimé.")
          .arg(nom, provisoire->errorString());
    provisoire->close();
    imprimante.setOutputFileName(provisoire->fileName());
  }
  imprimante.setDocName(titre);
  QTextDocument document;
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(distance_tabulation(tabulation_rapports,
                                                largeur_libelles(texte, document.defaultFont(), tabulation_rapports),
                                                document.defaultFont()));
  document.setDefaultTextOption(option);
  document.setPlainText(texte);
  document.setMetaInformation(QTextDocument::DocumentTitle, titre);
  document.print(&imprimante);
  if (pdf) {
    imprimante.setOutputFileName(fichier);
    const lecture_fichier lu = lire_fichier_sur(provisoire->fileName(), taille_max_pdf);
    if (!lu.erreur.empty() || !pdf_complet(lu.octets))
      return QStringLiteral(
                 "Le fichier « %1 » n'a pas pu être écrit en entier (disque plein ?) : rien n'a été imprimé%2.")
          .arg(nom, QFileInfo::exists(fichier) ? QStringLiteral(", l'ancien fichier est intact") : QString());
    // The copy beside is removed when `provisoire` goes, whatever happens here.
    const std::string erreur = ecrire_fichier_sur(fichier, lu.octets);
    if (!erreur.empty()) return QString::fromStdString(erreur) + QStringLiteral(" Rien n'a été imprimé.");
    return {};
  }
  if (imprimante.printerState() == QPrinter::Error)
    return QStringLiteral("L'imprimante « %1 » a refusé le document : rien n'a été imprimé.")
        .arg(imprimante.printerName());
  return {};
}

std::optional<QString> DialoguesQt::fichier_image(QWidget* parent, const QString& titre) {
  const QString bmp = QStringLiteral("Bitmaps (*.bmp)");
  const QString png = QStringLiteral("Images PNG (*.png)");
  QFileDialog dialogue(parent, titre, QString(), bmp + QStringLiteral(";;") + png);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setDefaultSuffix(QStringLiteral("bmp"));
  // A name typed without extension takes that of the filter shown.
  QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue, [&dialogue, png](const QString& filtre) {
    dialogue.setDefaultSuffix(filtre == png ? QStringLiteral("png") : QStringLiteral("bmp"));
  });
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
  return dialogue.selectedFiles().front();
}

std::optional<QString> DialoguesQt::fichier_a_ouvrir(QWidget* parent, const QString& titre, const QString& filtre) {
  const QString f = QFileDialog::getOpenFileName(parent, titre, QString(), filtre);
  if (f.isEmpty()) return std::nullopt;
  return f;
}

std::optional<QString> Dialogues::fichier_calendrier(QWidget* parent, const QString& titre) {
  return fichier_a_enregistrer(parent, titre, filtre_calendrier, QStringLiteral("ics"));
}

std::optional<QString> DialoguesQt::fichier_a_enregistrer(QWidget* parent, const QString& titre, const QString& filtre,
                                                          const QString& suffixe) {
  QFileDialog dialogue(parent, titre, QString(), filtre);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setFileMode(QFileDialog::AnyFile);
  dialogue.setDefaultSuffix(suffixe);
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
  return dialogue.selectedFiles().front();
}

void DialoguesQt::montrer_modal(QDialog& dialogue) {
  dialogue.exec();
}

issue_impression DialoguesEnregistres::imprimer(QWidget*, const QString& texte, const QString& titre) {
  impressions.push_back({texte, titre});
  if (!accepter_impression) return {};
  return {true, erreur_impression};
}

std::optional<QString> DialoguesEnregistres::fichier_image(QWidget*, const QString& titre) {
  titres_images.push_back(titre);
  return fichier_choisi;
}

void DialoguesEnregistres::montrer_modal(QDialog& dialogue) {
  modaux.push_back(dialogue.windowTitle());
}

std::optional<QString> DialoguesEnregistres::fichier_a_ouvrir(QWidget*, const QString& titre, const QString&) {
  modaux.push_back(titre);
  return fichier_ouvert;
}

std::optional<QString> DialoguesEnregistres::fichier_a_enregistrer(QWidget*, const QString& titre,
                                                                   const QString& filtre, const QString& suffixe) {
  enregistrements.push_back({titre, filtre, suffixe});
  return fichier_choisi;
}

bool sauver_image(Dialogues& dialogues, Messages& messages, QWidget* parent, const QImage& image,
                  const QString& titre) {
  const std::optional<QString> fichier = dialogues.fichier_image(parent, titre);
  if (!fichier) return false;
  const std::string erreur = dessin::enregistrer_image(image, *fichier);
  if (!erreur.empty()) {
    messages.erreur(QString::fromStdString(erreur), QStringLiteral("Erreur d'écriture"));
    return false;
  }
  return true;
}

bool exporter_calendrier(Dialogues& dialogues, Messages& messages, QWidget* parent,
                         const std::vector<evenement_calendrier>& evenements, const QString& titre) {
  if (evenements.empty()) {
    messages.information(QStringLiteral("Rien à exporter : lancez d'abord une recherche."), titre);
    return false;
  }
  // Made before the dialog: a span the calendar cannot hold is said at once, without a
  // file chosen for nothing.
  std::string texte;
  try {
    texte = calendrier_ics(evenements, QDateTime::currentSecsSinceEpoch());
  } catch (const erreur_calendrier& e) {
    messages.erreur(QString::fromStdString(e.what()), QStringLiteral("Exportation impossible"));
    return false;
  }
  const std::optional<QString> fichier = dialogues.fichier_calendrier(parent, titre);
  if (!fichier) return false;
  const std::string erreur = ecrire_fichier_sur(*fichier, QByteArray::fromStdString(texte));
  if (!erreur.empty()) {
    messages.erreur(QString::fromStdString(erreur), QStringLiteral("Erreur d'écriture"));
    return false;
  }
  return true;
}

}  // namespace almanax::ihm
