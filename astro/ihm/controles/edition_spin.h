// An edit with its up-down, as one widget: the date, year and coordinate fields of
// the pages. The arrows (and the Up/Down keys) move the position shown in the edit
// and then report the direction of the click, so the page's handler can normalise a
// date or recompute. The edit keeps the text typed until the arrows are used.
#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QStringList>
#include <optional>

#include "calcul/calendrier.h"

namespace almanax::ihm {

class EditionSpin : public QAbstractSpinBox {
  Q_OBJECT

 public:
  // objectName is the edit's name ("e_jour"); the up-down's name ("up_jour") is kept as
  // the property "spin" so both can be found.
  EditionSpin(const QString& nom_edition, const QString& nom_spin, int minimum, int maximum, QWidget* parent = nullptr);

  // The position as the up-down reads it: the edit's number limited to the bounds, or
  // the last position when the edit holds no number.
  int position() const;
  // Shows p (limited to the bounds) in the edit, as the program does: the edit's
  // "modified by the user" state is cleared.
  void setPosition(int p);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  void setBornes(int minimum, int maximum);
  // Past a bound the position goes round to the other one.
  void setBoucle(bool boucle) { boucle_ = boucle; }
  bool boucle() const { return boucle_; }

  // Texts shown instead of the numbers, one per position from the minimum ("O", "E").
  void setLibelles(const QStringList& libelles);

  // On leaving the edit, a number out of the bounds is brought back to the nearest
  // bound and a text that is no number gets the position back (signal texteInvalide).
  void setBorneEnSortie(bool oui) { borne_en_sortie_ = oui; }

  QLineEdit* edition() const { return lineEdit(); }
  // Typed into by the user since the program last wrote the text.
  bool modifie() const { return lineEdit()->isModified(); }
  QString nomSpin() const { return property("spin").toString(); }

  void stepBy(int pas) override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // After an arrow click has moved the text: avant for the upper arrow.
  void clic(almanax::sens_pas sens);
  // Every change of the text, typed or written by the program.
  void texteChange();
  // On leaving the edit with a text that is no number; the position has been restored.
  void texteInvalide(const QString& texte);
  // The focus left the edit for another control of the window (not on a mere switch
  // to another window): the pages' exit checks hang here.
  void quitte();

 protected:
  StepEnabled stepEnabled() const override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  std::optional<int> lire(const QString& texte) const;
  QString texte_de(int p) const;
  int borner(int p) const;

  int minimum_;
  int maximum_;
  int position_;  // the last position shown or read
  bool boucle_ = false;
  bool borne_en_sortie_ = false;
  bool silence_ = false;
  QStringList libelles_;
};

}  // namespace almanax::ihm
