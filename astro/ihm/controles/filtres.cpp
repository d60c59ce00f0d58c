#include "ihm/controles/filtres.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <array>

#include "calcul/calendrier.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

std::optional<char32_t> caractere_tape(const QKeyEvent& e) {
  if (e.key() == Qt::Key_Backspace) return U'\b';
  const Qt::KeyboardModifiers mods = e.modifiers();
  if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
    return static_cast<char32_t>(e.key() - Qt::Key_A + 1);
  const QString texte = e.text();
  if (texte.isEmpty()) return std::nullopt;
  const char32_t c = texte.toUcs4().value(0);
  if (c < 0x20 || c == 0x7f) return std::nullopt;  // Tab, Enter, Escape, Delete
  return c;
}

FiltreTouches* FiltreTouches::partage(filtre genre) {
  // Owned by the application; a new application gets new filters.
  static std::array<QPointer<FiltreTouches>, 5> filtres{};
  QPointer<FiltreTouches>& f = filtres[static_cast<std::size_t>(genre)];
  if (!f) f = new FiltreTouches(genre, QCoreApplication::instance());
  return f.data();
}

void FiltreTouches::installer(QWidget* edition, filtre genre) {
  if (edition) edition->installEventFilter(partage(genre));
}

namespace {

QLineEdit* edition_de(QObject* objet) {
  if (auto* s = qobject_cast<EditionSpin*>(objet)) return s->edition();
  return qobject_cast<QLineEdit*>(objet);
}

}  // namespace

bool FiltreTouches::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() != QEvent::KeyPress) return false;
  const auto* e = static_cast<QKeyEvent*>(evenement);
  const bool lettre = genre_ == filtre::nord_sud || genre_ == filtre::est_ouest;
  // Delete types no character but would empty a hemisphere letter: kept out like backspace.
  if (lettre && e->key() == Qt::Key_Delete) return true;
  const std::optional<char32_t> c = caractere_tape(*e);
  if (!c) return false;
  switch (genre_) {
    case filtre::chiffres:
      return !touche_chiffre_acceptee(*c);
    case filtre::annee:
      return !touche_annee_acceptee(*c);
    case filtre::nord_sud:
    case filtre::est_ouest: {
      // A hemisphere letter replaces the one shown; nothing else gets in, not even
      // backspace or delete, so the edit holds a letter (a letter pasted or removed
      // from the context menu is still refused when the site is stored).
      const char32_t a = genre_ == filtre::nord_sud ? U'N' : U'E';
      const char32_t b = genre_ == filtre::nord_sud ? U'S' : U'O';
      const char32_t maj = (*c >= U'a' && *c <= U'z') ? *c - 32 : *c;
      if (maj == a || maj == b) {
        if (QLineEdit* edit = edition_de(objet)) {
          edit->selectAll();
          edit->insert(QString(QChar(static_cast<char16_t>(maj))));
        }
      }
      return true;
    }
    case filtre::reel: {
      if (touche_chiffre_acceptee(*c)) return false;
      QLineEdit* edit = edition_de(objet);
      if (*c == U'.' || *c == U',') {
        // Either key types the locale's separator.
        if (edit) edit->insert(QLocale().decimalPoint());
        return true;
      }
      // A sign only in first place, where it means something.
      if ((*c == U'-' || *c == U'+') && edit) {
        const int debut = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        return debut != 0;
      }
      return true;
    }
  }
  return false;
}

}  // namespace almanax::ihm
