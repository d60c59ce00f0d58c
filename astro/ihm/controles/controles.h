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
// An event page's "Expor&ter…" button, named `nom`; its tooltip begins with `quoi`, what
// it writes, and says the rest: an iCalendar file, its times in UTC, its years.
QPushButton* bouton_exporter(const char* nom, const QString& quoi, QWidget* parent);

// A result on row `ligne` of `grille`: the caption on the left, the value label
// (named `nom`, right-aligned, selectable, wide enough for the longest values) on
// the right. Returns the value label.
QLabel* etiquette_resultat(QGridLayout* grille, int ligne, const QString& legende, const char* nom, QWidget* parent);

// A label of fixed size that shows a picture (the phase pictures).
QLabel* cadre_image(const char* nom, int largeur, int hauteur, QWidget* parent);
void montrer_image(QLabel* cadre, const QImage& image);

// How a year field counts the years before our era, said in its tooltip. The event
// searches (phases, perigees, eclipses, phenomena, perihelia), the Jupiter chart and
// the comet's perihelion year count astronomically (0 is 1 BC, -500 is 501 BC); the
// date fields of the other pages count historically (no year 0, -500 is 500 BC).
enum class numerotation_annees { astronomique, historique };
inline constexpr const char* bulle_annee_astronomique =
    "Année astronomique : l'année 0 est l'an 1 av. J.-C., -1 l'an 2 av. J.-C., -500 l'an 501 av. J.-C.";
inline constexpr const char* bulle_annee_historique =
    "Année historique : il n'y a pas d'année 0, -1 est l'an 1 av. J.-C., -500 l'an 500 av. J.-C.";
void expliquer_annee(QWidget* champ, numerotation_annees n);

}  // namespace almanax::ihm
