// The key filters of the edits, one object per kind shared by every page: digits for
// the day, month and coordinate edits, the year characters for the year edits, and the
// hemisphere letters of the site's coordinates, and the real numbers (elements,
// seconds, proper motions).
#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;
class QWidget;

namespace almanax::ihm {

enum class filtre {
  chiffres,   // digits, backspace, paste, cut (Ctrl+C is a menu shortcut before it is a copy)
  annee,      // digits, "+", "-", backspace
  nord_sud,   // "N" or "S" (typed in either case, shown in capitals); no backspace, no delete
  est_ouest,  // "E" or "O"
  reel,       // digits, the decimal separator ("." and "," both give the locale's),
              // a sign in first place, backspace, paste, cut
};

// The character a key press types, as the key filters see it: backspace is 8, Ctrl+C,
// Ctrl+V and Ctrl+X are 3, 22 and 24 (any Ctrl+letter its control code). Nothing for
// the keys that type no character (arrows, Delete, Home, Tab, Enter, function keys),
// which always pass.
std::optional<char32_t> caractere_tape(const QKeyEvent& e);

class FiltreTouches : public QObject {
  Q_OBJECT

 public:
  // Installs the shared filter of that kind on the edit (an EditionSpin or a QLineEdit).
  static void installer(QWidget* edition, filtre genre);

  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  explicit FiltreTouches(filtre genre, QObject* parent) : QObject(parent), genre_(genre) {}
  static FiltreTouches* partage(filtre genre);
  filtre genre_;
};

}  // namespace almanax::ihm
