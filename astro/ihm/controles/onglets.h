// The tab control of the main window: the pages stacked under a bar of tabs that
// holds them on one row (scrolled with arrows when they do not fit) or on as many rows
// as the width needs, the row of the current tab always next to the page.
#pragma once

#include <QRect>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QStackedWidget;
class QToolButton;

namespace almanax::ihm {

class BarreOnglets : public QWidget {
  Q_OBJECT

 public:
  explicit BarreOnglets(QWidget* parent = nullptr);

  void ajouter(const QString& legende);
  int nombre() const { return static_cast<int>(legendes_.size()); }
  QString legende(int i) const { return legendes_.value(i); }
  int courant() const { return courant_; }
  void setCourant(int i);

  void setPlusieursRangees(bool oui);
  bool plusieursRangees() const { return plusieurs_; }
  // Rows the tabs take at the present width (1 when on one row).
  int nombreRangees() const { return rangees_; }
  // The bar's height at that width.
  int hauteurPour(int largeur) const;
  // Where tab i is drawn (empty when scrolled out of sight).
  QRect rectangle(int i) const;
  int ongletA(const QPoint& p) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void courantChange(int i);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent*) override;
  void changeEvent(QEvent* e) override;

 private:
  QSize tailleOnglet(int i) const;
  int hauteurOnglet() const;
  // The tabs of each row at that width, filled from the left.
  QVector<QVector<int>> rangees(int largeur) const;
  void disposer();
  void rendreVisible(int i);

  QStringList legendes_;
  QVector<QRect> rects_;
  int courant_ = -1;
  int survole_ = -1;
  bool plusieurs_ = true;
  int rangees_ = 1;
  int premier_ = 0;  // first tab shown on one row
  QToolButton* gauche_;
  QToolButton* droite_;
};

class Onglets : public QWidget {
  Q_OBJECT

 public:
  explicit Onglets(QWidget* parent = nullptr);

  int ajouter(QWidget* page, const QString& legende);
  int count() const;
  int currentIndex() const;
  void setCurrentIndex(int i);
  QWidget* widget(int i) const;
  QWidget* currentWidget() const;
  int indexOf(QWidget* page) const;
  QString legende(int i) const { return barre_->legende(i); }

  void setPlusieursRangees(bool oui);
  bool plusieursRangees() const { return barre_->plusieursRangees(); }
  BarreOnglets* barre() const { return barre_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void currentChanged(int i);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  bool event(QEvent* e) override;

 private:
  void disposer();
  QRect cadre() const;

  BarreOnglets* barre_;
  QStackedWidget* pile_;
};

}  // namespace almanax::ihm
