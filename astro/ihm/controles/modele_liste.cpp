#include "ihm/controles/modele_liste.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

#include "calcul/heures_des_listes.h"

namespace almanax::ihm {

namespace {
constexpr char separateur = '\x1f';  // the ASCII unit separator
}

// A list of 400,000 rows keeps as many events: their names stay in the instant's padding.
static_assert(sizeof(long double) != 16 || sizeof(ModeleListe::instant_ligne) == 2 * sizeof(long double));

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
      QString texte = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
      if (marques_ && index.column() == colonne_marquee_ && index.row() > 0) {
        const auto r = static_cast<std::size_t>(index.row());
        const std::string m = marque_decalage(instants_[r - 1].decalage, instants_[r].decalage);
        if (!m.empty()) {
          // As the copies have it: after the time, one blank between them.
          if (!texte.endsWith(QLatin1Char(' '))) texte += QLatin1Char(' ');
          texte += QString::fromStdString(m);
        }
      }
      return texte;
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

std::vector<int> ModeleListe::decalages() const {
  std::vector<int> d;
  d.reserve(instants_.size());
  for (const instant_ligne& i : instants_) d.push_back(i.decalage);
  return d;
}

int ModeleListe::ajouter(std::vector<std::string>&& lignes, std::vector<instant_ligne>&& instants) {
  if (lignes.empty()) return -1;
  instants.resize(lignes.size());
  const int debut = rowCount();
  beginInsertRows({}, debut, debut + static_cast<int>(lignes.size()) - 1);
  if (lignes_.empty()) {
    lignes_ = std::move(lignes);
    instants_ = std::move(instants);
  } else {
    lignes_.reserve(lignes_.size() + lignes.size());
    for (std::string& l : lignes) lignes_.push_back(std::move(l));
    instants_.insert(instants_.end(), instants.begin(), instants.end());
  }
  endInsertRows();
  return debut;
}

int ModeleListe::ajouter_puis_ordonner(
    std::vector<std::string>&& lignes, std::vector<instant_ligne>&& instants,
    const std::function<std::vector<std::size_t>(const std::vector<std::string>&)>& ordre) {
  const std::size_t anciennes = lignes_.size();
  instants.resize(lignes.size());
  beginResetModel();
  lignes_.reserve(lignes_.size() + lignes.size());
  for (std::string& l : lignes) lignes_.push_back(std::move(l));
  instants_.insert(instants_.end(), instants.begin(), instants.end());
  const std::vector<std::size_t> rangs = ordre(lignes_);
  std::vector<std::string> ordonnees;
  std::vector<instant_ligne> leurs_instants;
  ordonnees.reserve(lignes_.size());
  leurs_instants.reserve(lignes_.size());
  int premiere = -1;
  for (const std::size_t i : rangs) {
    if (premiere < 0 && i >= anciennes) premiere = static_cast<int>(ordonnees.size());
    ordonnees.push_back(std::move(lignes_.at(i)));
    leurs_instants.push_back(instants_.at(i));
  }
  lignes_ = std::move(ordonnees);
  instants_ = std::move(leurs_instants);
  endResetModel();
  return premiere;
}

void ModeleListe::vider() {
  beginResetModel();
  lignes_.clear();
  lignes_.shrink_to_fit();
  instants_.clear();
  instants_.shrink_to_fit();
  endResetModel();
}

void ModeleListe::marquer_decalages(bool oui, int colonne) {
  if (oui == marques_ && colonne == colonne_marquee_) return;
  marques_ = oui;
  colonne_marquee_ = colonne;
  if (!lignes_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

ligne_liste ModeleListe::ligne(std::size_t rang) const {
  ligne_liste l;
  std::string_view reste = lignes_.at(rang);
  std::size_t s = reste.find(separateur);
  l.libelle = std::string(reste.substr(0, s));
  while (s != std::string_view::npos) {
    reste.remove_prefix(s + 1);
    s = reste.find(separateur);
    l.colonnes.emplace_back(reste.substr(0, s));
  }
  return l;
}

void ModeleListe::redater(const std::function<void(ligne_liste&, instant_ligne&)>& redater) {
  if (lignes_.empty()) return;
  for (std::size_t r = 0; r < lignes_.size(); ++r) {
    ligne_liste l = ligne(r);
    redater(l, instants_[r]);
    lignes_[r] = compacter(l);
  }
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
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

void elargir_pour_decalages(QTreeView* vue, int colonne, bool oui) {
  const char* cle = "largeur_sans_decalage";
  const QVariant construite = vue->property(cle);
  if (oui && !construite.isValid()) {
    const int largeur = vue->columnWidth(colonne);
    vue->setProperty(cle, largeur);
    vue->setColumnWidth(colonne, largeur + vue->fontMetrics().horizontalAdvance(QStringLiteral(" (UTC+10:30)")));
  } else if (!oui && construite.isValid()) {
    vue->setColumnWidth(colonne, construite.toInt());
    vue->setProperty(cle, QVariant());
  }
}

void montrer_ligne(QTreeView* vue, int ligne) {
  if (ligne < 0) return;
  vue->scrollTo(vue->model()->index(ligne, 0), QAbstractItemView::PositionAtTop);
}

}  // namespace almanax::ihm
