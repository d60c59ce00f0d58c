// The exit checks of the date fields shared by the pages: the day of a date limited
// to its month, the date clamp of the precession and heliocentric pages, and the
// validation of every year field of the window. They find the fields by their names
// under the window, so a page not built yet simply contributes none. Moving the focus
// from inside a check does not start the checks again.
#pragma once

#include <functional>

class QString;
class QWidget;

namespace almanax::ihm {

class Messages;
class Page;

// On leaving a day field: a day past the month's end becomes the month's length, a
// day 0 becomes 1. A field that holds no whole number gets a French message and the focus.
void verifier_champ_jour(QWidget* jour, QWidget* mois, QWidget* annee, Messages& messages);

// The message of a field left with a text that is no whole number; the focus goes back to it.
void signaler_entier_invalide(QWidget* champ, const QString& texte, Messages& messages);

// The date clamp: the reference and wanted dates of the precession page (jourequi,
// moisequi, anequi; jourequi2, moisequi2, anequi2) and the date of the heliocentric
// planetarium (h_jour, h_mois, h_an), in this order.
void borner_dates_fenetre(QWidget* fenetre, Messages& messages);

// The year validation over the fifteen year fields of the pages: non-numeric years,
// then the order of the first and last years of the searches. A field on a page of
// the window is named in the message with its page ("Champ « Année de départ » de la
// page « Eclipses »."), and `montrer_champ` is asked to show that page and give the
// field the focus (a hidden page's field cannot take it).
void valider_annees_fenetre(QWidget* fenetre, Messages& messages,
                            const std::function<void(Page*, QWidget*)>& montrer_champ = {});

// Runs `f` as the checks above run: the focus it moves starts no check.
void sans_verification(const std::function<void()>& f);

// The text of an edit (an EditionSpin or a QLineEdit), and writing it back.
QString texte_champ(const QWidget* champ);
void ecrire_champ(QWidget* champ, const QString& texte);

}  // namespace almanax::ihm
