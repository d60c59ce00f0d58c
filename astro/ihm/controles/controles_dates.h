// The exit checks of the date fields shared by the pages: the day of a date limited
// to its month, the date clamp of the precession and heliocentric pages, and the
// validation of every year field of the window. The pages declare their fields (which
// date or year each one is); one VerificationsDates per window runs the checks, and
// the focus a check moves starts no check of its own.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "calcul/validation.h"

class QWidget;

namespace almanax::ihm {

class Messages;

// A date kept in range by the clamp: its three edits.
struct date_a_borner {
  date_bornee role;
  QWidget* jour;
  QWidget* mois;
  QWidget* annee;
};

// A year field of the window's year check, as its page declares it.
struct annee_a_valider {
  champ_annee role;
  QWidget* champ;
  QString libelle;          // how the message names it: "Année de départ"
  QWidget* page = nullptr;  // its tab page, shown when the year is wrong; none outside a page
  QString legende_page;     // the page's caption: "Eclipses"
};

class VerificationsDates {
 public:
  explicit VerificationsDates(Messages& messages) : messages_(messages) {}

  Messages& messages() { return messages_; }

  // On leaving a day field: a day past the month's end becomes the month's length, a
  // day 0 becomes 1. A field that holds no whole number gets a French message and the
  // focus.
  void verifier_jour(QWidget* jour, QWidget* mois, QWidget* annee);

  // The date clamp over the dates given (at most one per role, in role order): the
  // reference and wanted dates of the precession page and the date of the
  // heliocentric planetarium.
  void borner(const std::vector<date_a_borner>& dates);

  // The year validation over the fields given: non-numeric years, then the order of
  // the first and last years of the searches. A field on a page is named in the
  // message with its page ("Champ « Année de départ » de la page « Eclipses »."), and
  // `montrer_champ` is asked to show that page and give the field the focus (a hidden
  // page's field cannot take it).
  void valider(const std::vector<annee_a_valider>& annees,
               const std::function<void(QWidget* page, QWidget* champ)>& montrer_champ = {});

  // Runs `f` as the checks above run: the focus it moves starts no check.
  void sans_verification(const std::function<void()>& f);

 private:
  // Whether no check is under way; if so, one begins until the returned guard ends.
  class garde;

  Messages& messages_;
  bool en_cours_ = false;
};

// The message of a field left with a text that is no whole number; the focus goes back to it.
void signaler_entier_invalide(QWidget* champ, const QString& texte, Messages& messages);

// The text of an edit (an EditionSpin or a QLineEdit), and writing it back.
QString texte_champ(const QWidget* champ);
void ecrire_champ(QWidget* champ, const QString& texte);

}  // namespace almanax::ihm
