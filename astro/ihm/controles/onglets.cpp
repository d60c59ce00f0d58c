#include "ihm/controles/onglets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>

namespace almanax::ihm {

// ---- The bar of tabs ------------------------------------------------------------

BarreOnglets::BarreOnglets(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("barre_onglets"));
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto fleche = [this](Qt::ArrowType sens, int pas) {
    auto* b = new QToolButton(this);
    b->setArrowType(sens);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    connect(b, &QToolButton::clicked, this, [this, pas] {
      premier_ = std::clamp(premier_ + pas, 0, std::max(0, nombre() - 1));
      disposer();
      update();
    });
    return b;
  };
  gauche_ = fleche(Qt::LeftArrow, -1);
  droite_ = fleche(Qt::RightArrow, 1);
}

void BarreOnglets::ajouter(const QString& legende) {
  legendes_.append(legende);
  if (courant_ < 0) courant_ = 0;
  disposer();
  updateGeometry();
  update();
}

void BarreOnglets::setCourant(int i) {
  if (i < 0 || i >= nombre() || i == courant_) return;
  courant_ = i;
  rendreVisible(i);
  disposer();
  update();
  emit courantChange(i);
}

void BarreOnglets::setPlusieursRangees(bool oui) {
  if (oui == plusieurs_) return;
  plusieurs_ = oui;
  premier_ = 0;
  rendreVisible(courant_);
  disposer();
  updateGeometry();
  update();
}

QRect BarreOnglets::rectangle(int i) const {
  return rects_.value(i);
}

int BarreOnglets::ongletA(const QPoint& p) const {
  if ((gauche_->isVisible() && gauche_->geometry().contains(p)) ||
      (droite_->isVisible() && droite_->geometry().contains(p)))
    return -1;
  for (int i = 0; i < rects_.size(); ++i)
    if (rects_[i].contains(p)) return i;
  return -1;
}

QSize BarreOnglets::tailleOnglet(int i) const {
  QStyleOptionTab opt;
  opt.initFrom(this);
  opt.shape = QTabBar::RoundedNorth;
  opt.text = legendes_.value(i);
  const QFontMetrics fm = fontMetrics();
  const int h = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
  const int v = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
  const QSize contenu(fm.size(Qt::TextShowMnemonic, opt.text).width() + h, fm.height() + v);
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, contenu, this);
}

int BarreOnglets::hauteurOnglet() const {
  int h = fontMetrics().height() + 8;
  for (int i = 0; i < nombre(); ++i) h = std::max(h, tailleOnglet(i).height());
  return h;
}

void BarreOnglets::rendreVisible(int i) {
  if (plusieurs_ || i < 0) return;
  if (i < premier_) premier_ = i;
  // Move the first tab shown forward until tab i ends inside the bar.
  const int largeur_fleches = 2 * hauteurOnglet();
  while (premier_ < i) {
    int x = 0;
    for (int k = premier_; k <= i; ++k) x += tailleOnglet(k).width();
    if (x <= width() - largeur_fleches) break;
    ++premier_;
  }
}

void BarreOnglets::disposer() {
  const int n = nombre();
  rects_ = QVector<QRect>(n);
  const int h = hauteurOnglet();
  const int largeur = std::max(width(), 1);
  QVector<int> larg(n);
  int total = 0;
  for (int i = 0; i < n; ++i) total += (larg[i] = tailleOnglet(i).width());
  const int rangees_avant = rangees_;

  if (plusieurs_) {
    gauche_->hide();
    droite_->hide();
    const QVector<QVector<int>> rangees = this->rangees(largeur);
    const int nr = static_cast<int>(rangees.size());
    int rangee_courante = 0;
    for (int r = 0; r < nr; ++r)
      if (rangees[r].contains(courant_)) rangee_courante = r;
    for (int r = 0; r < nr; ++r) {
      // The rows turn round so that the current one comes last, next to the page.
      const int ligne = (r - rangee_courante - 1 + nr) % nr;
      int somme = 0;
      for (int i : rangees[r]) somme += larg[i];
      // Several rows are stretched to the full width; a single one keeps its widths.
      const int surplus = nr > 1 ? std::max(0, largeur - somme) : 0;
      const int k = static_cast<int>(rangees[r].size());
      int x = 0;
      for (int j = 0; j < k; ++j) {
        const int i = rangees[r][j];
        const int w = larg[i] + surplus / k + (j < surplus % k ? 1 : 0);
        rects_[i] = QRect(x, ligne * h, w, h);
        x += w;
      }
    }
    rangees_ = nr;
  } else {
    rangees_ = 1;
    const bool deborde = total > largeur;
    if (!deborde) premier_ = 0;
    premier_ = std::clamp(premier_, 0, std::max(0, n - 1));
    const int bw = h;
    gauche_->setVisible(deborde);
    droite_->setVisible(deborde);
    if (deborde) {
      gauche_->setGeometry(largeur - 2 * bw, 0, bw, h);
      droite_->setGeometry(largeur - bw, 0, bw, h);
      gauche_->setEnabled(premier_ > 0);
      int x_fin = 0;
      for (int i = premier_; i < n; ++i) x_fin += larg[i];
      droite_->setEnabled(x_fin > largeur - 2 * bw);
    }
    int x = 0;
    for (int i = premier_; i < n; ++i) {
      rects_[i] = QRect(x, 0, larg[i], h);
      x += larg[i];
    }
  }
  if (rangees_ != rangees_avant) updateGeometry();
}

QVector<QVector<int>> BarreOnglets::rangees(int largeur) const {
  QVector<QVector<int>> r(1);
  int x = 0;
  for (int i = 0; i < nombre(); ++i) {
    const int w = tailleOnglet(i).width();
    if (x + w > largeur && !r.back().isEmpty()) {
      r.append(QVector<int>());
      x = 0;
    }
    r.back().append(i);
    x += w;
  }
  return r;
}

int BarreOnglets::hauteurPour(int largeur) const {
  const int n = plusieurs_ ? static_cast<int>(rangees(std::max(largeur, 1)).size()) : 1;
  return n * hauteurOnglet();
}

QSize BarreOnglets::sizeHint() const {
  int total = 0;
  for (int i = 0; i < nombre(); ++i) total += tailleOnglet(i).width();
  return {plusieurs_ ? std::min(total, 400) : total, rangees_ * hauteurOnglet()};
}

// The height the bar really takes depends on the width it is given (Onglets asks
// hauteurPour); the hint stays one row, so a narrow moment never makes the window grow.
QSize BarreOnglets::minimumSizeHint() const {
  return {2 * hauteurOnglet(), hauteurOnglet()};
}

void BarreOnglets::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  const int zone = gauche_->isVisible() ? gauche_->x() : width();
  p.setClipRect(0, 0, zone, height());
  // The current tab last, over its neighbours.
  auto dessiner = [&](int i) {
    if (rects_[i].isEmpty()) return;
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.shape = QTabBar::RoundedNorth;
    opt.text = legendes_[i];
    opt.rect = rects_[i];
    opt.row = 0;
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (i == courant_) {
      opt.state |= QStyle::State_Selected;
      if (hasFocus()) opt.state |= QStyle::State_HasFocus;
    }
    if (i == survole_) opt.state |= QStyle::State_MouseOver;
    // Position of the tab within its row.
    const bool debut = opt.rect.left() == 0;
    const bool fin = i + 1 >= nombre() || rects_[i + 1].isEmpty() || rects_[i + 1].top() != opt.rect.top();
    opt.position = debut && fin ? QStyleOptionTab::OnlyOneTab
                   : debut      ? QStyleOptionTab::Beginning
                   : fin        ? QStyleOptionTab::End
                                : QStyleOptionTab::Middle;
    if (courant_ == i - 1 && !debut)
      opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    else if (courant_ == i + 1 && !fin)
      opt.selectedPosition = QStyleOptionTab::NextIsSelected;
    else
      opt.selectedPosition = QStyleOptionTab::NotAdjacent;
    p.drawControl(QStyle::CE_TabBarTab, opt);
    if (i == courant_ && hasFocus()) {
      QStyleOptionFocusRect f;
      f.initFrom(this);
      f.rect = opt.rect.adjusted(4, 4, -4, -3);
      p.drawPrimitive(QStyle::PE_FrameFocusRect, f);
    }
  };
  for (int i = 0; i < nombre(); ++i)
    if (i != courant_) dessiner(i);
  if (courant_ >= 0) dessiner(courant_);
}

void BarreOnglets::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const int i = ongletA(e->position().toPoint());
  if (i >= 0) setCourant(i);
}

void BarreOnglets::mouseMoveEvent(QMouseEvent* e) {
  const int i = ongletA(e->position().toPoint());
  if (i != survole_) {
    survole_ = i;
    update();
  }
}

void BarreOnglets::leaveEvent(QEvent*) {
  survole_ = -1;
  update();
}

void BarreOnglets::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Left && courant_ > 0)
    setCourant(courant_ - 1);
  else if (e->key() == Qt::Key_Right && courant_ + 1 < nombre())
    setCourant(courant_ + 1);
  else
    QWidget::keyPressEvent(e);
}

void BarreOnglets::resizeEvent(QResizeEvent*) {
  rendreVisible(courant_);
  disposer();
}

void BarreOnglets::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
    disposer();
    updateGeometry();
  }
  QWidget::changeEvent(e);
}

// ---- The tab control -------------------------------------------------------------

Onglets::Onglets(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("onglet"));
  pile_ = new QStackedWidget(this);
  barre_ = new BarreOnglets(this);
  connect(barre_, &BarreOnglets::courantChange, this, [this](int i) {
    pile_->setCurrentIndex(i);
    emit currentChanged(i);
  });
  // The usual keys to go round the pages.
  auto raccourci = [this](QKeySequence touches, int pas) {
    auto* s = new QShortcut(touches, this);
    s->setContext(Qt::WidgetWithChildrenShortcut);
    connect(s, &QShortcut::activated, this, [this, pas] {
      if (count() > 0) setCurrentIndex((currentIndex() + pas + count()) % count());
    });
  };
  raccourci(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
  raccourci(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  raccourci(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
  raccourci(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

int Onglets::ajouter(QWidget* page, const QString& legende) {
  const int i = pile_->addWidget(page);
  barre_->ajouter(legende);
  pile_->setCurrentIndex(barre_->courant());
  disposer();
  return i;
}

int Onglets::count() const {
  return pile_->count();
}
int Onglets::currentIndex() const {
  return barre_->courant();
}
void Onglets::setCurrentIndex(int i) {
  barre_->setCourant(i);
}
QWidget* Onglets::widget(int i) const {
  return pile_->widget(i);
}
QWidget* Onglets::currentWidget() const {
  return pile_->currentWidget();
}
int Onglets::indexOf(QWidget* page) const {
  return pile_->indexOf(page);
}

void Onglets::setPlusieursRangees(bool oui) {
  barre_->setPlusieursRangees(oui);
  disposer();
}

QRect Onglets::cadre() const {
  const int recouvrement = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
  const int haut = std::max(0, barre_->height() - recouvrement);
  return QRect(0, haut, width(), height() - haut);
}

void Onglets::disposer() {
  barre_->setGeometry(0, 0, width(), barre_->hauteurPour(width()));
  const int marge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 2;
  const QRect c = cadre();
  pile_->setGeometry(c.adjusted(marge, marge + 1, -marge, -marge));
  barre_->raise();
  update();
}

QSize Onglets::sizeHint() const {
  const QSize b = barre_->sizeHint();
  const QSize p = pile_->sizeHint();
  return {std::max(b.width(), p.width() + 8), b.height() + p.height() + 8};
}

QSize Onglets::minimumSizeHint() const {
  const QSize b = barre_->minimumSizeHint();
  const QSize p = pile_->minimumSizeHint();
  return {std::max(b.width(), p.width() + 8), b.height() + p.height() + 8};
}

void Onglets::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionTabWidgetFrame opt;
  opt.initFrom(this);
  opt.rect = cadre();
  opt.shape = QTabBar::RoundedNorth;
  opt.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  opt.tabBarSize = QSize(width(), barre_->height());
  opt.tabBarRect = QRect(0, 0, 0, 0);
  p.drawPrimitive(QStyle::PE_FrameTabWidget, opt);
}

void Onglets::resizeEvent(QResizeEvent*) {
  disposer();
}

bool Onglets::event(QEvent* e) {
  if (e->type() == QEvent::LayoutRequest) disposer();
  return QWidget::event(e);
}

}  // namespace almanax::ihm
