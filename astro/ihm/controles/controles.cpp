#include "ihm/controles/controles.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace almanax::ihm {

QCheckBox* case_a_cocher(const char* nom, const QString& texte, bool cochee, QWidget* parent) {
  auto* c = new QCheckBox(texte, parent);
  c->setObjectName(QString::fromLatin1(nom));
  c->setChecked(cochee);
  return c;
}

QPushButton* bouton(const char* nom, const QString& texte, QWidget* parent) {
  auto* b = new QPushButton(texte, parent);
  b->setObjectName(QString::fromLatin1(nom));
  return b;
}

QPushButton* bouton_exporter(const char* nom, const QString& quoi, QWidget* parent) {
  QPushButton* b = bouton(nom, QStringLiteral("Expor&ter…"), parent);
  b->setToolTip(quoi +
                QStringLiteral(" dans un fichier iCalendar (.ics) qu'un agenda importe : les heures y sont en UTC, les "
                               "années de 1583 à 9999."));
  return b;
}

QGroupBox* groupe(const char* nom, const QString& titre, QWidget* parent) {
  auto* g = new QGroupBox(titre, parent);
  g->setObjectName(QString::fromLatin1(nom));
  return g;
}

QLabel* etiquette_resultat(QGridLayout* grille, int ligne, const QString& legende, const char* nom, QWidget* parent) {
  auto* l = new QLabel(legende, parent);
  auto* v = new QLabel(parent);
  v->setObjectName(QString::fromLatin1(nom));
  v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  v->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Room for the widest values of the pages from the start, so the columns do not
  // move when a computation brings longer texts.
  const QFontMetrics fm(v->font());
  v->setMinimumWidth(std::max(fm.horizontalAdvance(QStringLiteral("0000000000.0000")),
                              fm.horizontalAdvance(QStringLiteral("-000 ° 00 '  00 ''"))));
  grille->addWidget(l, ligne, 0);
  grille->addWidget(v, ligne, 1);
  return v;
}

QLabel* cadre_image(const char* nom, int largeur, int hauteur, QWidget* parent) {
  auto* c = new QLabel(parent);
  c->setObjectName(QString::fromLatin1(nom));
  c->setFixedSize(largeur, hauteur);
  return c;
}

void montrer_image(QLabel* cadre, const QImage& image) {
  cadre->setPixmap(QPixmap::fromImage(image));
}

void expliquer_annee(QWidget* champ, numerotation_annees n) {
  champ->setToolTip(
      QString::fromUtf8(n == numerotation_annees::astronomique ? bulle_annee_astronomique : bulle_annee_historique));
}

}  // namespace almanax::ihm
