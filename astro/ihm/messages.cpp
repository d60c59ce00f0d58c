#include "ihm/messages.h"

#include "dessin/image_fichier.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

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

// French buttons whatever translations are installed.
int boite(QWidget* parent, QMessageBox::Icon icone, const QString& texte, const QString& titre, bool annuler) {
  QMessageBox b(icone, titre, texte, QMessageBox::NoButton, parent);
  QPushButton* ok = b.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  b.setDefaultButton(ok);
  if (annuler) b.setEscapeButton(b.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
  b.exec();
  return b.clickedButton() == ok ? 1 : 0;
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

bool DialoguesQt::imprimer(QWidget* parent, const QString& texte, const QString& titre) {
  QPrinter imprimante;
  imprimante.setDocName(titre);
  QPrintDialog dialogue(&imprimante, parent);
  dialogue.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection);
  if (dialogue.exec() != QDialog::Accepted) return false;
  imprimer_document(imprimante, texte, titre);
  return true;
}

void imprimer_document(QPrinter& imprimante, const QString& texte, const QString& titre) {
  imprimante.setDocName(titre);
  QTextDocument document;
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(tabulation_rapports);
  document.setDefaultTextOption(option);
  document.setPlainText(texte);
  document.setMetaInformation(QTextDocument::DocumentTitle, titre);
  document.print(&imprimante);
}

std::optional<QString> DialoguesQt::fichier_image(QWidget* parent, const QString& titre) {
  QFileDialog dialogue(parent, titre, QString(), QStringLiteral("Bitmaps (*.bmp)"));
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setDefaultSuffix(QStringLiteral("bmp"));
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return std::nullopt;
  return dialogue.selectedFiles().front();
}

void DialoguesQt::montrer_modal(QDialog& dialogue) {
  dialogue.exec();
}

bool DialoguesEnregistres::imprimer(QWidget*, const QString& texte, const QString& titre) {
  impressions.push_back({texte, titre});
  return accepter_impression;
}

std::optional<QString> DialoguesEnregistres::fichier_image(QWidget*, const QString& titre) {
  titres_images.push_back(titre);
  return fichier_choisi;
}

void DialoguesEnregistres::montrer_modal(QDialog& dialogue) {
  modaux.push_back(dialogue.windowTitle());
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

}  // namespace almanax::ihm
