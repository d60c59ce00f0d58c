#include "ihm/controles/modele_liste.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

namespace almanax::ihm {

namespace {
constexpr char separateur = '\x1f';  // the ASCII unit separator
}

ModeleListe::ModeleListe(std::vector<colonne_liste> colonnes, QObject* parent)
    : QAbstractTableModel(parent), colonnes_(std::move(colonnes)) {}

std::string ModeleListe::compacter(const ligne_liste& l) {
  std::size_t taille = l.libelle.size();
  for (const std::string& c : l.colonnes) taille += c.size() + 1;
  std::string r;
  r.reserve(taille);
  r += l.libelle;
  for (const std::string& c : l.colonnes) {
    r += separateur;
    r += c;
  }
  return r;
}

std::string_view ModeleListe::colonne(std::string_view ligne, int n) {
  std::size_t debut = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t s = ligne.find(separateur, debut);
    if (s == std::string_view::npos) return {};
    debut = s + 1;
  }
  const std::size_t fin = ligne.find(separateur, debut);
  return ligne.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut);
}

int ModeleListe::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleListe::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(colonnes_.size());
}

QVariant ModeleListe::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const std::string& ligne = lignes_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole: {
      const std::string_view t = colonne(ligne, index.column());
      return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(
          (colonnes_[static_cast<std::size_t>(index.column())].centree ? Qt::AlignHCenter : Qt::AlignLeft) |
          Qt::AlignVCenter));
    case Qt::DecorationRole:
      if (index.column() == 0 && icone_) return icone_(colonne(ligne, 0));
      return {};
    default:
      return {};
  }
}

QVariant ModeleListe::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const colonne_liste& c = colonnes_[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return c.titre;
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::Alignment((c.centree ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter));
  return {};
}

std::vector<ligne_liste> ModeleListe::lignes() const {
  std::vector<ligne_liste> r;
  r.reserve(lignes_.size());
  const int n = columnCount();
  for (const std::string& l : lignes_) {
    ligne_liste ll;
    ll.libelle = std::string(colonne(l, 0));
    for (int c = 1; c < n; ++c) ll.colonnes.emplace_back(colonne(l, c));
    r.push_back(std::move(ll));
  }
  return r;
}

int ModeleListe::ajouter(std::vector<std::string>&& lignes) {
  if (lignes.empty()) return -1;
  const int debut = rowCount();
  beginInsertRows({}, debut, debut + static_cast<int>(lignes.size()) - 1);
  if (lignes_.empty()) {
    lignes_ = std::move(lignes);
  } else {
    lignes_.reserve(lignes_.size() + lignes.size());
    for (std::string& l : lignes) lignes_.push_back(std::move(l));
  }
  endInsertRows();
  return debut;
}

int ModeleListe::ajouter_puis_ordonner(
    std::vector<std::string>&& lignes,
    const std::function<std::vector<std::size_t>(const std::vector<std::string>&)>& ordre) {
  const std::size_t anciennes = lignes_.size();
  beginResetModel();
  lignes_.reserve(lignes_.size() + lignes.size());
  for (std::string& l : lignes) lignes_.push_back(std::move(l));
  const std::vector<std::size_t> rangs = ordre(lignes_);
  std::vector<std::string> ordonnees;
  ordonnees.reserve(lignes_.size());
  int premiere = -1;
  for (const std::size_t i : rangs) {
    if (premiere < 0 && i >= anciennes) premiere = static_cast<int>(ordonnees.size());
    ordonnees.push_back(std::move(lignes_.at(i)));
  }
  lignes_ = std::move(ordonnees);
  endResetModel();
  return premiere;
}

void ModeleListe::vider() {
  beginResetModel();
  lignes_.clear();
  lignes_.shrink_to_fit();
  endResetModel();
}

QTreeView* vue_liste(const char* nom, ModeleListe* modele, QWidget* parent) {
  auto* v = new QTreeView(parent);
  v->setObjectName(QString::fromLatin1(nom));
  v->setModel(modele);
  v->setRootIsDecorated(false);
  v->setItemsExpandable(false);
  // Every row has the height of the first: the view need not measure 400,000 rows.
  v->setUniformRowHeights(true);
  v->setEditTriggers(QAbstractItemView::NoEditTriggers);
  v->setSelectionBehavior(QAbstractItemView::SelectRows);
  v->setAllColumnsShowFocus(true);
  v->setIconSize(QSize(12, 12));
  v->header()->setStretchLastSection(false);
  v->header()->setSectionsMovable(false);
  const auto& colonnes = modele->colonnes();
  const QFontMetrics fm(v->font());
  for (std::size_t i = 0; i < colonnes.size(); ++i) {
    const colonne_liste& c = colonnes[i];
    // Room for the picture of the first column, and the cell's margins.
    const int texte = fm.horizontalAdvance(c.gabarit) + (i == 0 ? 20 : 0) + 12;
    v->setColumnWidth(static_cast<int>(i), std::max(c.largeur, texte));
  }
  return v;
}

void montrer_ligne(QTreeView* vue, int ligne) {
  if (ligne < 0) return;
  vue->scrollTo(vue->model()->index(ligne, 0), QAbstractItemView::PositionAtTop);
}

}  // namespace almanax::ihm
