#include "ihm/controles/edition_spin.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace almanax::ihm {

EditionSpin::EditionSpin(const QString& nom_edition, const QString& nom_spin, int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent),
      minimum_(std::min(minimum, maximum)),
      maximum_(std::max(minimum, maximum)),
      position_(std::min(minimum, maximum)) {
  setObjectName(nom_edition);
  setProperty("spin", nom_spin);
  lineEdit()->setObjectName(nom_edition + QStringLiteral("_texte"));
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setAccelerated(false);
  setKeyboardTracking(true);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    if (!silence_) emit texteChange();
  });
  lineEdit()->setText(texte_de(position_));
}

std::optional<int> EditionSpin::lire(const QString& texte) const {
  const QString t = texte.trimmed();
  if (!libelles_.isEmpty()) {
    for (int i = 0; i < libelles_.size(); ++i)
      if (t.compare(libelles_[i], Qt::CaseInsensitive) == 0) return minimum_ + i;
    return std::nullopt;
  }
  bool ok = false;
  const qlonglong n = t.toLongLong(&ok);
  if (!ok) return std::nullopt;
  return static_cast<int>(std::clamp<qlonglong>(n, minimum_, maximum_));
}

QString EditionSpin::texte_de(int p) const {
  const int i = p - minimum_;
  if (!libelles_.isEmpty() && i >= 0 && i < libelles_.size()) return libelles_[i];
  return QString::number(p);
}

int EditionSpin::borner(int p) const {
  return std::clamp(p, minimum_, maximum_);
}

int EditionSpin::position() const {
  return lire(lineEdit()->text()).value_or(position_);
}

void EditionSpin::setPosition(int p) {
  position_ = borner(p);
  lineEdit()->setText(texte_de(position_));  // clears the modified state
}

void EditionSpin::setBornes(int minimum, int maximum) {
  minimum_ = std::min(minimum, maximum);
  maximum_ = std::max(minimum, maximum);
  position_ = borner(position_);
  updateGeometry();
}

void EditionSpin::setLibelles(const QStringList& libelles) {
  libelles_ = libelles;
  if (!libelles_.isEmpty()) setBornes(minimum_, minimum_ + static_cast<int>(libelles_.size()) - 1);
  setPosition(position_);
}

void EditionSpin::stepBy(int pas) {
  const int depart = position();
  long long p = static_cast<long long>(depart) + pas;
  if (boucle_) {
    const long long n = static_cast<long long>(maximum_) - minimum_ + 1;
    p = minimum_ + (((p - minimum_) % n) + n) % n;
  } else {
    p = std::clamp<long long>(p, minimum_, maximum_);
  }
  // The text changes first (its change handler runs), then the click is reported,
  // even at a bound where the position stays.
  setPosition(static_cast<int>(p));
  emit clic(pas > 0 ? sens_pas::avant : sens_pas::arriere);
}

QAbstractSpinBox::StepEnabled EditionSpin::stepEnabled() const {
  if (isReadOnly()) return StepNone;
  return StepUpEnabled | StepDownEnabled;
}

void EditionSpin::focusOutEvent(QFocusEvent* e) {
  const bool vers_un_autre_controle = e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
  if (vers_un_autre_controle && borne_en_sortie_) {
    const QString texte = lineEdit()->text();
    const std::optional<int> lu = lire(texte);
    const int p = lu.value_or(position_);
    if (!lu || texte.trimmed() != texte_de(p)) {
      // The value shown must be the one used; what the user typed still counts as typed.
      const bool modifie_avant = lineEdit()->isModified();
      silence_ = true;
      setPosition(p);
      lineEdit()->setModified(modifie_avant);
      silence_ = false;
      emit texteChange();
      if (!lu) emit texteInvalide(texte);
    } else {
      position_ = p;
    }
  }
  QAbstractSpinBox::focusOutEvent(e);
  if (vers_un_autre_controle) emit quitte();
}

QSize EditionSpin::sizeHint() const {
  ensurePolished();
  const QFontMetrics fm(font());
  int large = std::max(fm.horizontalAdvance(texte_de(minimum_)), fm.horizontalAdvance(texte_de(maximum_)));
  for (const QString& l : libelles_) large = std::max(large, fm.horizontalAdvance(l));
  QStyleOptionSpinBox opt;
  initStyleOption(&opt);
  const QSize contenu(large + 6, lineEdit()->sizeHint().height());
  return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, contenu, this);
}

QSize EditionSpin::minimumSizeHint() const {
  return sizeHint();
}

}  // namespace almanax::ihm
