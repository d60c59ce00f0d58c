// Every message box and every print or save dialog of the window goes through these
// interfaces: the boxes shown to the user, or recorders for the tests, so that no
// test ever waits on a modal dialog.
#pragma once

#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QString>

class QFont;
class QPlainTextEdit;
#include <memory>
#include <optional>
#include <vector>

#include "calcul/icalendrier.h"
#include "calcul/validation.h"

class QPrintDialog;
class QPrinter;
class QWidget;

namespace almanax::ihm {

class Messages {
 public:
  virtual ~Messages() = default;
  // French text and caption, error icon, one OK button.
  virtual void erreur(const QString& texte, const QString& titre) = 0;
  // Same with the information icon.
  virtual void information(const QString& texte, const QString& titre) = 0;
  // OK and Cancel, information icon (the confirmation before a deletion); true on OK.
  virtual bool confirmer(const QString& texte, const QString& titre) = 0;
  // A question with the buttons `boutons` (French texts, the first the default, the
  // last the one Escape gives); the index of the button chosen.
  virtual int choisir(const QString& texte, const QString& titre, const QStringList& boutons) = 0;

  // A message built by the computations (calcul/validation.h).
  void montrer(const message_boite& m);
};

// The box MessagesBoites shows: French OK (and Annuler) buttons, wide enough for its
// caption to be read whole in the title bar.
std::unique_ptr<QMessageBox> boite_message(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                           const QString& titre, bool annuler);
// The width a box needs for the caption `titre` and the title bar's buttons, in pixels.
int largeur_pour_titre(const QString& titre);

// The real boxes, modal over `parent`.
class MessagesBoites : public Messages {
 public:
  explicit MessagesBoites(QWidget* parent = nullptr) : parent_(parent) {}
  void erreur(const QString& texte, const QString& titre) override;
  void information(const QString& texte, const QString& titre) override;
  bool confirmer(const QString& texte, const QString& titre) override;
  int choisir(const QString& texte, const QString& titre, const QStringList& boutons) override;

 private:
  QWidget* parent_;
};

// Keeps every message in order; confirmations answer `reponse`.
class MessagesEnregistres : public Messages {
 public:
  enum class genre { erreur, information, confirmation };
  struct message {
    genre type;
    QString texte;
    QString titre;
  };

  void erreur(const QString& texte, const QString& titre) override;
  void information(const QString& texte, const QString& titre) override;
  bool confirmer(const QString& texte, const QString& titre) override;
  int choisir(const QString& texte, const QString& titre, const QStringList& boutons) override;

  std::vector<message> recus;
  bool reponse = true;
  int bouton_choisi = 0;  // what choisir() answers
};

// What became of a print request.
struct issue_impression {
  bool confirmee = false;  // the user confirmed the print dialog
  QString erreur;          // why nothing could be printed (French), empty otherwise
};

// The print dialog, the picture-save dialog and the modal boxes of the window.
class Dialogues {
 public:
  virtual ~Dialogues() = default;
  // The print dialog; when the user confirms, prints `texte` as one document titled
  // `titre`, on a printer or into a PDF file.
  virtual issue_impression imprimer(QWidget* parent, const QString& texte, const QString& titre) = 0;
  // The picture-save dialog titled `titre`: filter "Bitmaps (*.bmp)" first (default
  // extension "bmp"), PNG offered beside it; the chosen file, or nothing when cancelled.
  virtual std::optional<QString> fichier_image(QWidget* parent, const QString& titre) = 0;
  // Shows a dialog modally (the about box).
  virtual void montrer_modal(QDialog& dialogue) = 0;
  // The open dialog titled `titre` with the filter `filtre`; the file chosen, or nothing.
  virtual std::optional<QString> fichier_a_ouvrir(QWidget* parent, const QString& titre, const QString& filtre) = 0;
  // The save dialog titled `titre` with the one filter `filtre`; a name typed without
  // extension takes `suffixe`, an existing file is replaced only once confirmed. The file
  // chosen, or nothing when cancelled.
  virtual std::optional<QString> fichier_a_enregistrer(QWidget* parent, const QString& titre, const QString& filtre,
                                                       const QString& suffixe) = 0;
  // The calendar-save dialog: filtre_calendrier, extension "ics".
  std::optional<QString> fichier_calendrier(QWidget* parent, const QString& titre);
};

// The filter of the calendar-save dialog.
inline const QString filtre_calendrier = QStringLiteral("Calendrier iCalendar (*.ics)");

// The distance between tab stops of the reports' text, in points, on screen and on
// paper, so that values line up after their labels.
inline constexpr int tabulation_rapports = 150;

// A tab distance in points in the units the toolkit's text layout takes it: pixels
// of the default resolution (the primary screen's), scaled by the layout to the
// device the text is drawn on, a screen of another resolution or a printer.
qreal points_en_unites_texte(qreal points);
// The widest label (the text before a line's first tab) of `texte` in `police`, in
// text units; labels wider than twice the `points` stop (a long site name) are left
// out: they keep to the next stop.
qreal largeur_libelles(const QString& texte, const QFont& police, qreal points);
// The first tab stop of a report's text, in text units: `points` points, moved right
// to the widest label and a space when a label is wider (`libelles`, from
// largeur_libelles), so that the values stay in one column whatever the font.
qreal distance_tabulation(qreal points, qreal libelles, const QFont& police);
// Tab stops of a text box, from distance_tabulation in the box's font.
void poser_tabulation(QPlainTextEdit& boite, qreal points, qreal libelles = 0);

// Prints `texte` (plain text, CR LF or LF line ends, tabs) on `imprimante` as one
// document titled `titre`: what the print dialog does once the user confirms. Empty
// when printed; otherwise a French message saying why nothing could be printed (no
// printer, no PDF file chosen, a PDF file that could not be written).
QString imprimer_document(QPrinter& imprimante, const QString& texte, const QString& titre);

// Before the print dialog: with no printer installed, the printer is a PDF file named
// after the document in the user's documents folder, which the dialog then offers.
void preparer_imprimante(QPrinter& imprimante, const QString& titre);
// The print dialog's choices: page range, selection, and printing into a PDF file.
void configurer_dialogue_impression(QPrintDialog& dialogue);

class DialoguesQt : public Dialogues {
 public:
  issue_impression imprimer(QWidget* parent, const QString& texte, const QString& titre) override;
  std::optional<QString> fichier_image(QWidget* parent, const QString& titre) override;
  void montrer_modal(QDialog& dialogue) override;
  std::optional<QString> fichier_a_ouvrir(QWidget* parent, const QString& titre, const QString& filtre) override;
  std::optional<QString> fichier_a_enregistrer(QWidget* parent, const QString& titre, const QString& filtre,
                                               const QString& suffixe) override;
};

// Records the requests; answers with the values set by the test.
class DialoguesEnregistres : public Dialogues {
 public:
  issue_impression imprimer(QWidget* parent, const QString& texte, const QString& titre) override;
  std::optional<QString> fichier_image(QWidget* parent, const QString& titre) override;
  void montrer_modal(QDialog& dialogue) override;
  std::optional<QString> fichier_a_ouvrir(QWidget* parent, const QString& titre, const QString& filtre) override;
  // Answers fichier_choisi, as the picture-save dialog.
  std::optional<QString> fichier_a_enregistrer(QWidget* parent, const QString& titre, const QString& filtre,
                                               const QString& suffixe) override;

  struct impression {
    QString texte;
    QString titre;
  };
  std::vector<impression> impressions;
  bool accepter_impression = true;
  QString erreur_impression;  // what a confirmed print answers: empty when it worked
  std::vector<QString> titres_images;
  std::optional<QString> fichier_choisi;  // nothing: the user cancels
  std::vector<QString> modaux;            // window titles of the dialogs shown
  std::optional<QString> fichier_ouvert;  // what the open dialog answers (nothing: cancelled)
  struct enregistrement {
    QString titre;
    QString filtre;
    QString suffixe;
  };
  std::vector<enregistrement> enregistrements;  // the save dialogs asked for
};

// Asks for a file with the picture-save dialog and saves `image` there, as a bitmap
// (PNG when the name ends in ".png"), replacing the file atomically. A file that
// cannot be written gets a French error message. true when saved.
bool sauver_image(Dialogues& dialogues, Messages& messages, QWidget* parent, const QImage& image, const QString& titre);

// A page's "Exporter…": `evenements` as one iCalendar file (calendrier_ics), written into
// the file chosen with the calendar-save dialog titled `titre`, replacing it atomically.
// No event: a message says there is nothing to export. A calendar that cannot be made (an
// event outside 1583 ... 9999) is said before any dialog opens; a file that cannot be
// written gets the writer's French message and the file that was there stays as it was.
// true when saved.
bool exporter_calendrier(Dialogues& dialogues, Messages& messages, QWidget* parent,
                         const std::vector<evenement_calendrier>& evenements, const QString& titre);

}  // namespace almanax::ihm
