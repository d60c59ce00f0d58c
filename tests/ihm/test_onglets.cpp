#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

#include "ihm/controles/onglets.h"
#include "outils_ihm.h"

using almanax::ihm::BarreOnglets;
using almanax::ihm::Onglets;

namespace {

class TabControl : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 16; ++i) onglets.ajouter(new QLabel(QString::number(i)), QString("Page numéro %1").arg(i));
    onglets.resize(700, 400);
    onglets.show();
  }
  BarreOnglets* barre() { return onglets.barre(); }
  Onglets onglets;
};

}  // namespace

TEST_F(TabControl, SeveralRowsTheCurrentOneNextToThePage) {
  ASSERT_GT(barre()->nombreRangees(), 1);
  const int h = barre()->height();
  // Every tab drawn inside the bar, none overlapping another.
  for (int i = 0; i < 16; ++i) {
    const QRect r = barre()->rectangle(i);
    ASSERT_FALSE(r.isEmpty()) << i;
    EXPECT_GE(r.left(), 0);
    EXPECT_LE(r.right(), barre()->width() - 1);
    for (int k = i + 1; k < 16; ++k) EXPECT_FALSE(r.intersects(barre()->rectangle(k))) << i << " " << k;
  }
  EXPECT_EQ(barre()->rectangle(0).bottom(), h - 1);
  // The last page's row comes down when it is chosen; the first row goes up.
  onglets.setCurrentIndex(15);
  EXPECT_EQ(barre()->rectangle(15).bottom(), h - 1);
  EXPECT_LT(barre()->rectangle(0).bottom(), h - 1);
  // Rows are stretched to the full width.
  int droite = 0;
  for (int i = 0; i < 16; ++i)
    if (barre()->rectangle(i).top() == barre()->rectangle(15).top())
      droite = std::max(droite, barre()->rectangle(i).right());
  EXPECT_EQ(droite, barre()->width() - 1);
  // The page shown follows.
  EXPECT_EQ(static_cast<QLabel*>(onglets.currentWidget())->text(), "15");
}

TEST_F(TabControl, OneRowScrollsToTheCurrentTab) {
  onglets.setPlusieursRangees(false);
  EXPECT_EQ(barre()->nombreRangees(), 1);
  EXPECT_EQ(barre()->height(), barre()->rectangle(0).height());
  onglets.setCurrentIndex(15);
  const QRect r = barre()->rectangle(15);
  ASSERT_FALSE(r.isEmpty());
  // The scroll arrows sit at the right end; the current tab ends before them.
  QToolButton* fleche = nullptr;
  for (QToolButton* b : barre()->findChildren<QToolButton*>())
    if (b->isVisible() && (!fleche || b->x() < fleche->x())) fleche = b;
  ASSERT_NE(fleche, nullptr);
  EXPECT_LE(r.right(), fleche->x());
  EXPECT_TRUE(barre()->rectangle(0).isEmpty());  // scrolled out of sight
  onglets.setCurrentIndex(0);
  EXPECT_EQ(barre()->rectangle(0).left(), 0);
}

TEST_F(TabControl, ClicksAndKeysChooseThePage) {
  QSignalSpy change(&onglets, &Onglets::currentChanged);
  QTest::mouseClick(barre(), Qt::LeftButton, {}, barre()->rectangle(7).center());
  EXPECT_EQ(onglets.currentIndex(), 7);
  ASSERT_EQ(change.count(), 1);
  EXPECT_EQ(change.at(0).at(0).toInt(), 7);
  // A click on the current tab changes nothing.
  QTest::mouseClick(barre(), Qt::LeftButton, {}, barre()->rectangle(7).center());
  EXPECT_EQ(change.count(), 1);
  ASSERT_TRUE(almanax::ihm::test::activer(onglets));
  barre()->setFocus();
  QTest::keyClick(barre(), Qt::Key_Right);
  EXPECT_EQ(onglets.currentIndex(), 8);
  QTest::keyClick(barre(), Qt::Key_Left);
  QTest::keyClick(barre(), Qt::Key_Left);
  EXPECT_EQ(onglets.currentIndex(), 6);
  QTest::keyClick(barre(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(onglets.currentIndex(), 7);
  onglets.setCurrentIndex(15);
  barre()->setFocus();
  QTest::keyClick(barre(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(onglets.currentIndex(), 0);  // round to the first
}
