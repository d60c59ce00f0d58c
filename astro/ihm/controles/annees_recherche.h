// The first and last years of an event search ("DE :", "A :"): two year edits with
// their up-downs, the year key filter, and the checks the search pages share.
#pragma once

#include <QObject>
#include <QString>

class QGridLayout;
class QWidget;

namespace almanax::ihm {

class EditionSpin;
class Messages;

struct noms_annees {
  const char* debut;
  const char* up_debut;
  const char* fin;
  const char* up_fin;
};

// The bounds of the years of every search page: first year -4713..9998, last year
// -4712..9999.
inline constexpr int annee_recherche_min = -4713;
inline constexpr int annee_recherche_max = 9999;

class AnneesRecherche : public QObject {
  Q_OBJECT

 public:
  AnneesRecherche(const noms_annees& noms, int debut, int fin, bool en_boucle, QWidget* page);

  EditionSpin* debut() const { return debut_; }
  EditionSpin* fin() const { return fin_; }
  int premiere() const;
  int derniere() const;
  // The start-up: the year, and the year after it.
  void poser(int annee);

  // The up-downs' check: a first year not below the last gives the message "L'année de
  // départ doit être inférieure à l'année de fin des recherches.", the focus goes to the
  // last year, which becomes the first + 1; otherwise both edits show their years.
  void verifier_ordre(Messages& messages);

  // A year typed beyond the bounds of its spin would be searched as the bound itself:
  // the message names the bounds and the field gets the focus. false then.
  bool dans_les_bornes(Messages& messages) const;

  // "DE :" [first] and `legende_fin` [last] on one row of `grille`.
  void disposer(QGridLayout* grille, int ligne, const QString& legende_fin = QStringLiteral("A :")) const;

 signals:
  // Either year's text changed (typed or by its arrows).
  void changees();

 private:
  EditionSpin* debut_;
  EditionSpin* fin_;
};

}  // namespace almanax::ihm
