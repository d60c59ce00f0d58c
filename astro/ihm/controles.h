// Small builders for the controls of the pages: named check boxes and buttons, the
// result labels with their captions, the picture holders. Every control gets its
// name as objectName so tests and the shared checks can find it.
#pragma once

#include <QString>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QImage;
class QLabel;
class QPushButton;
class QWidget;

namespace almanax::ihm {

QCheckBox* case_a_cocher(const char* nom, const QString& texte, bool cochee, QWidget* parent);
QPushButton* bouton(const char* nom, const QString& texte, QWidget* parent);
QGroupBox* groupe(const char* nom, const QString& titre, QWidget* parent);

// A result on row `ligne` of `grille`: the caption on the left, the value label
// (named `nom`, right-aligned, selectable, wide enough for the longest values) on
// the right. Returns the value label.
QLabel* etiquette_resultat(QGridLayout* grille, int ligne, const QString& legende, const char* nom, QWidget* parent);

// A label of fixed size that shows a picture (the phase pictures).
QLabel* cadre_image(const char* nom, int largeur, int hauteur, QWidget* parent);
void montrer_image(QLabel* cadre, const QImage& image);

}  // namespace almanax::ihm
