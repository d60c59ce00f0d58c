#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "dessin/dessin_phase.h"

using almanax::dessin::image_phase;
using almanax::dessin::remplir;

namespace {

const QColor face(240, 240, 240);
const QColor rouge(255, 0, 0);

int compter(const QImage& image, const QColor& c, int x_min = 0, int x_max = 99) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = x_min; x <= x_max; ++x)
      if (image.pixel(x, y) == c.rgb()) ++n;
  return n;
}

bool blanc(const QImage& i, int x, int y) {
  return i.pixel(x, y) == QColor(Qt::white).rgb();
}

}  // namespace

TEST(Remplissage, StaysInsideAClosedOutline) {
  QImage i(20, 20, QImage::Format_RGB32);
  i.fill(Qt::white);
  {
    QPainter p(&i);
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(5, 5, 8, 8);
  }
  remplir(i, {0, 0}, face);
  EXPECT_EQ(i.pixel(0, 0), face.rgb());
  EXPECT_EQ(i.pixel(19, 19), face.rgb());
  EXPECT_EQ(i.pixel(9, 9), QColor(Qt::white).rgb());  // inside the square
  EXPECT_EQ(i.pixel(5, 5), QColor(Qt::black).rgb());  // the outline itself
  // Every white pixel left is inside.
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      if (i.pixel(x, y) == QColor(Qt::white).rgb()) {
        EXPECT_TRUE(x > 5 && x < 13 && y > 5 && y < 13) << x << "," << y;
      }
}

TEST(Remplissage, PassesAGapButNotADiagonalStep) {
  QImage i(10, 10, QImage::Format_RGB32);
  i.fill(Qt::white);
  // A wall of diagonal steps from top to bottom: closed for a fill through four neighbours.
  for (int y = 0; y < 10; ++y) i.setPixel(y % 2 == 0 ? 4 : 5, y, QColor(Qt::black).rgb());
  QImage j = i;
  remplir(i, {0, 0}, face);
  EXPECT_EQ(i.pixel(0, 9), face.rgb());
  EXPECT_EQ(i.pixel(9, 0), QColor(Qt::white).rgb());
  // One pixel missing from the wall lets the fill through.
  j.setPixel(4, 4, QColor(Qt::white).rgb());
  remplir(j, {0, 0}, face);
  EXPECT_EQ(j.pixel(9, 0), face.rgb());
}

TEST(Remplissage, OutsideOrSameColourChangesNothing) {
  QImage i(4, 4, QImage::Format_RGB32);
  i.fill(face);
  const QImage avant = i;
  remplir(i, {1, 1}, face);
  remplir(i, {-1, 2}, rouge);
  remplir(i, {2, 4}, rouge);
  EXPECT_EQ(i, avant);
}

TEST(ImagePhase, LitAreaGrowsWithThePercentageOnTheRight) {
  // Inside the outline strokes the disc has a radius of 49 pixels.
  const double disque = M_PI * 49 * 49;
  int precedent = -1;
  for (int p = 0; p <= 100; ++p) {
    const QImage i = image_phase(p, rouge, face);
    ASSERT_EQ(i.size(), QSize(100, 100));
    const int blancs = compter(i, Qt::white);
    // Half the disc plus or minus half an ellipse of half-width |50 - p|: p % of the disc.
    EXPECT_NEAR(blancs, disque * p / 100.0, 200) << "p = " << p;
    EXPECT_GE(blancs, precedent - 40) << "p = " << p;
    precedent = blancs;
    // The corners take the face colour.
    for (const QPoint c : {QPoint(0, 0), QPoint(1, 99), QPoint(99, 1), QPoint(99, 99)})
      EXPECT_EQ(i.pixel(c), face.rgb()) << "p = " << p;
    // Up to the quarter, nothing is lit left of the centre.
    if (p < 50) {
      EXPECT_EQ(compter(i, Qt::white, 0, 48), 0) << "p = " << p;
    }
    if (p >= 10) {
      EXPECT_TRUE(blanc(i, 96, 50)) << "p = " << p;
    }
  }
}

TEST(ImagePhase, NewFullAndQuarter) {
  // Nothing lit: the dotted outline alone on the face colour.
  const QImage nouvelle = image_phase(0, rouge, face);
  EXPECT_EQ(compter(nouvelle, Qt::white), 0);
  const int points = compter(nouvelle, rouge);
  EXPECT_GT(points, 60);
  EXPECT_LT(points, 250);  // dotted: fewer pixels than a solid circle
  EXPECT_EQ(compter(nouvelle, face) + points, 100 * 100);

  // Full: the whole disc stays white, the left edge included.
  const QImage pleine = image_phase(100, rouge, face);
  EXPECT_TRUE(blanc(pleine, 3, 50));
  EXPECT_TRUE(blanc(pleine, 50, 50));
  EXPECT_TRUE(blanc(pleine, 96, 50));
  EXPECT_EQ(pleine.pixel(50, 50), QColor(Qt::white).rgb());

  // The quarters: the right half lit, closed by the straight line.
  for (int p : {49, 50, 51}) {
    const QImage q = image_phase(p, rouge, face);
    EXPECT_TRUE(blanc(q, 70, 50)) << p;
    EXPECT_TRUE(blanc(q, 55, 10)) << p;
    EXPECT_FALSE(blanc(q, 30, 50)) << p;
  }

  // A percentage out of range is drawn as its nearest bound.
  EXPECT_EQ(image_phase(130, rouge, face), pleine);
  EXPECT_EQ(image_phase(-4, rouge, face), nouvelle);
}

TEST(ImagePhase, CrescentAndGibbousDiffer) {
  const QImage croissant = image_phase(25, rouge, face);
  const QImage gibbeux = image_phase(75, rouge, face);
  // At a quarter of the width from the left: dark in the crescent, lit in the gibbous disc.
  EXPECT_FALSE(blanc(croissant, 35, 50));
  EXPECT_TRUE(blanc(gibbeux, 35, 50));
  // Both lit near the right limb.
  EXPECT_TRUE(blanc(croissant, 90, 50));
  EXPECT_TRUE(blanc(gibbeux, 90, 50));
  // The solid strokes carry the colour asked for.
  EXPECT_GT(compter(croissant, rouge, 50, 99), 100);
}
