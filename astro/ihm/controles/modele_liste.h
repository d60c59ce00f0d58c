// The report-style lists of the event pages (perigees, phenomena, perihelia) as a
// model over compact rows: each row is one string holding its caption and sub-items,
// so a list of several hundred thousand rows fills in a moment and stays small, and
// the view draws only the rows on screen.
//
// Each row also keeps the instant of its event, so that the list can be shown on
// another clock without searching again, and in civil time the offset of the zone's
// clock there: the time column then shows a row's offset after its time where it
// differs from the previous row's.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/rapport.h"

class QTreeView;
class QWidget;

namespace almanax::ihm {

struct colonne_liste {
  QString titre;
  int largeur = 80;  // pixels at least
  bool centree = false;
  QString gabarit;  // the widest text expected: the column is made wide enough for it
};

class ModeleListe : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ModeleListe(std::vector<colonne_liste> colonnes, QObject* parent = nullptr);

  // One row as the model keeps it: the caption and the sub-items, separated by a
  // character that no text of the pages holds.
  static std::string compacter(const ligne_liste& l);
  // Its n-th column (0: the caption).
  static std::string_view colonne(std::string_view ligne, int n);

  // A row's event: its instant (TT) and, in civil time, the zone's offset from UTC there;
  // and what the page's computation calls it, for its calendar export: its kind and body
  // as the page's enums number them, its number in their series (a lunation, a passage).
  // They fill the room the instant leaves: a row's event takes no more memory for them.
  struct instant_ligne {
    long double jde = 0;
    int decalage = 0;  // seconds
    std::int16_t genre = 0;
    std::int16_t corps = 0;
    double k = 0;
  };

  // The picture of a row, from its caption (the planets' images); none by default.
  void set_icone(std::function<QIcon(std::string_view libelle)> icone) { icone_ = std::move(icone); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  const std::vector<colonne_liste>& colonnes() const { return colonnes_; }
  const std::vector<std::string>& lignes_compactes() const { return lignes_; }
  // The rows as the reports take them.
  std::vector<ligne_liste> lignes() const;
  // One row with every piece it holds, shown or not.
  ligne_liste ligne(std::size_t rang) const;

  // The rows' events, in the rows' order, and their offsets alone.
  const std::vector<instant_ligne>& instants() const { return instants_; }
  std::vector<int> decalages() const;

  // Rows added after the others, with their events (one each). Both return the row
  // where the first added one now is (-1 when none was added), for the view to show it.
  int ajouter(std::vector<std::string>&& lignes, std::vector<instant_ligne>&& instants);
  // Rows added, then the whole list put in a new order: `ordre` gives the rows' indices
  // in their new order (the planet pages sort every row by planet after a search).
  int ajouter_puis_ordonner(std::vector<std::string>&& lignes, std::vector<instant_ligne>&& instants,
                            const std::function<std::vector<std::size_t>(const std::vector<std::string>&)>& ordre);
  void vider();

  // Civil time (`oui`): the column `colonne` shows the offset where it changes.
  void marquer_decalages(bool oui, int colonne);
  bool decalages_marques() const { return marques_; }
  // Every row written again from its event (another clock): `redater` rewrites the
  // row's texts and its offset.
  void redater(const std::function<void(ligne_liste&, instant_ligne&)>& redater);

 private:
  std::vector<colonne_liste> colonnes_;
  std::vector<std::string> lignes_;
  std::vector<instant_ligne> instants_;
  std::function<QIcon(std::string_view)> icone_;
  bool marques_ = false;
  int colonne_marquee_ = -1;
};

// A read-only report-style view of the model, with the columns' titles and widths,
// named `nom`.
QTreeView* vue_liste(const char* nom, ModeleListe* modele, QWidget* parent);

// Civil time: the column made wider by an offset's text, "(UTC+10:30)"; back to its
// width as built otherwise.
void elargir_pour_decalages(QTreeView* vue, int colonne, bool oui);

// Scrolls the view so that `ligne` (the first row a search added) is at its top, or as
// near as the end of the list allows; nothing for -1.
void montrer_ligne(QTreeView* vue, int ligne);

}  // namespace almanax::ihm
