#include "donnees/session.h"

#include <algorithm>

#include "donnees/fuseaux.h"

namespace almanax {

// ---- A catalogue and its default entry -----------------------------------------------

ModeleCatalogue::ModeleCatalogue(long long index_initial, QObject* parent)
    : QAbstractListModel(parent), memorise_(index_initial), annonce_(index_initial) {}

int ModeleCatalogue::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(taille());
}

QVariant ModeleCatalogue::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= taille()) return {};
  if (role != Qt::DisplayRole) return {};
  return QString::fromStdString(nom(static_cast<std::size_t>(index.row())));
}

std::optional<std::size_t> ModeleCatalogue::index_de(const std::string& n) const {
  for (std::size_t i = 0; i < taille(); ++i)
    if (nom(i) == n) return i;
  return std::nullopt;
}

std::optional<std::size_t> ModeleCatalogue::ligne_defaut() const {
  return defaut_ ? index_de(*defaut_) : std::nullopt;
}

long long ModeleCatalogue::index_enregistre() const {
  const std::optional<std::size_t> i = ligne_defaut();
  return i ? static_cast<long long>(*i) : memorise_;
}

void ModeleCatalogue::choisir_defaut(std::size_t i) {
  if (i < taille()) poser_defaut(nom(i), static_cast<long long>(i));
}

void ModeleCatalogue::defaut_depuis_index() {
  const std::optional<std::size_t> i = index_par_defaut(memorise_, taille());
  if (i)
    poser_defaut(nom(*i), static_cast<long long>(*i));
  else
    poser_defaut(std::nullopt, memorise_);
}

void ModeleCatalogue::suivre_defaut(const std::optional<std::string>& avant, long long repli) {
  if (avant)
    if (const std::optional<std::size_t> i = index_de(*avant)) {
      poser_defaut(avant, static_cast<long long>(*i));
      return;
    }
  if (repli >= 0 && static_cast<std::size_t>(repli) < taille())
    poser_defaut(nom(static_cast<std::size_t>(repli)), repli);
  else
    poser_defaut(std::nullopt, repli);
}

void ModeleCatalogue::synchroniser(std::vector<std::string> noms, bool relire) {
  if (!relire && noms == noms_) return;
  const std::size_t n = noms_.size();
  std::size_t p = 0;
  while (p < std::min(n, noms.size()) && noms_[p] == noms[p]) ++p;
  const auto suite_egale = [](const std::vector<std::string>& a, std::size_t i, const std::vector<std::string>& b,
                              std::size_t j) {
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(i), a.end(), b.begin() + static_cast<std::ptrdiff_t>(j),
                      b.end());
  };
  const int ligne = static_cast<int>(p);
  if (!relire && noms.size() == n + 1 && suite_egale(noms_, p, noms, p + 1)) {
    beginInsertRows({}, ligne, ligne);
    noms_ = std::move(noms);
    endInsertRows();
  } else if (!relire && noms.size() + 1 == n && suite_egale(noms_, p + 1, noms, p)) {
    beginRemoveRows({}, ligne, ligne);
    noms_ = std::move(noms);
    endRemoveRows();
  } else {
    beginResetModel();
    noms_ = std::move(noms);
    endResetModel();
  }
}

void ModeleCatalogue::poser_defaut(std::optional<std::string> n, long long memorise) {
  const bool meme = n == defaut_;
  defaut_ = std::move(n);
  memorise_ = memorise;
  // The place said last: the list has already moved when an edit calls this.
  if (meme && index_enregistre() == annonce_) return;
  annonce_ = index_enregistre();
  emit defautChange(annonce_, defaut_ ? QString::fromStdString(*defaut_) : QString());
}

// ---- Sites -----------------------------------------------------------------------------

ModeleVilles::ModeleVilles(QObject* parent) : ModeleCatalogue(index_site_initial, parent) {}
ModeleVilles::~ModeleVilles() = default;

const std::vector<ville>& ModeleVilles::villes() const {
  static const std::vector<ville> aucune;
  return fichier_ ? fichier_->villes() : aucune;
}

void ModeleVilles::synchroniser(bool relire) {
  std::vector<std::string> noms;
  for (const ville& v : villes()) noms.push_back(v.nom);
  ModeleCatalogue::synchroniser(std::move(noms), relire);
}

chargement_villes ModeleVilles::charger(const QString& dossier, bool creer_si_absent) {
  fichier_ = std::make_unique<fichier_villes>(dossier);
  const chargement_villes c = fichier_->charger(creer_si_absent);
  synchroniser(true);
  defaut_depuis_index();
  emit charge();
  return c;
}

template <class F>
operation_villes ModeleVilles::editer(F f) {
  if (!fichier_) return {};
  const std::optional<std::string> avant = nom_defaut();
  const long long place = index_enregistre();
  const operation_villes op = f();
  synchroniser();
  // Gone (deleted here or elsewhere): the site now at its place, within the list. Without
  // a default site the index read from the settings stays as it was.
  const long long n = static_cast<long long>(taille());
  if (op.reussie && avant) suivre_defaut(avant, n > 0 ? std::clamp(place, 0LL, n - 1) : 0);
  return op;
}

operation_villes ModeleVilles::ajouter(std::string nom, long double latitude, long double longitude,
                                       const arbitre_conflit& arbitre) {
  return editer([&] { return fichier_->ajouter(std::move(nom), latitude, longitude, arbitre); });
}

operation_villes ModeleVilles::modifier(std::size_t i, long double latitude, long double longitude,
                                        const arbitre_conflit& arbitre) {
  return editer([&] { return fichier_->modifier(i, latitude, longitude, arbitre); });
}

operation_villes ModeleVilles::supprimer(std::size_t i, const arbitre_conflit& arbitre) {
  return editer([&] { return fichier_->supprimer(i, arbitre); });
}

// ---- Comets ----------------------------------------------------------------------------

ModeleCometes::ModeleCometes(QObject* parent) : ModeleCatalogue(0, parent) {}
ModeleCometes::~ModeleCometes() = default;

const std::vector<comete>& ModeleCometes::cometes() const {
  static const std::vector<comete> aucune;
  return fichier_ ? fichier_->cometes() : aucune;
}

void ModeleCometes::synchroniser(bool relire) {
  std::vector<std::string> noms;
  for (const comete& c : cometes()) noms.push_back(c.nom);
  ModeleCatalogue::synchroniser(std::move(noms), relire);
}

chargement_cometes ModeleCometes::charger(const QString& dossier, bool creer_si_absent) {
  fichier_ = std::make_unique<fichier_cometes>(dossier);
  const chargement_cometes c = fichier_->charger(creer_si_absent);
  synchroniser(true);
  // An index beyond the list (comets deleted elsewhere) designates the first comet; in an
  // empty catalogue the index kept is 0.
  if (taille() == 0) memoriser_index(0);
  defaut_depuis_index();
  emit charge();
  return c;
}

template <class F>
operation_cometes ModeleCometes::editer(F f, bool premiere_par_defaut, bool repli_en_place) {
  if (!fichier_) return {};
  const std::optional<std::string> avant = nom_defaut();
  const long long place = index_enregistre();
  const operation_cometes op = f();
  synchroniser();
  if (!op.reussie) return op;
  if (premiere_par_defaut && taille() == 1)
    choisir_defaut(0);
  else if (avant || repli_en_place)
    suivre_defaut(avant, repli_en_place ? place : 0);
  return op;
}

operation_cometes ModeleCometes::ajouter(std::string nom, const textes_comete& elements,
                                         const arbitre_conflit& arbitre) {
  return editer([&] { return fichier_->ajouter(std::move(nom), elements, arbitre); }, true, true);
}

operation_cometes ModeleCometes::modifier(std::size_t i, const textes_comete& elements,
                                          const arbitre_conflit& arbitre) {
  return editer([&] { return fichier_->modifier(i, elements, arbitre); }, false, false);
}

operation_cometes ModeleCometes::supprimer(std::size_t i, const arbitre_conflit& arbitre) {
  return editer([&] { return fichier_->supprimer(i, arbitre); }, false, false);
}

bilan_import ModeleCometes::importer(const std::vector<comete>& arrivees, doublons_import choix) {
  if (!fichier_) return {};
  const std::optional<std::string> avant = nom_defaut();
  const bilan_import b = fichier_->importer(arrivees, choix);
  synchroniser();
  if (b.reussi) suivre_defaut(avant, 0);
  return b;
}

// ---- The session -----------------------------------------------------------------------

Session::Session(QObject* parent) : QObject(parent), villes_(this), cometes_(this) {
  // Once read, the default site is the current one.
  connect(&villes_, &ModeleVilles::charge, this, [this] {
    const std::optional<std::size_t> i = villes_.ligne_defaut();
    if (!i) return;
    const site_nomme s = villes_.villes()[*i].site();
    site_affiche_ = champs_du_site(s);
    poser_site(site_courant_de(s));
    revoir_echelle();
  });
}

void Session::poser_site_affiche(const champs_site& c) {
  site_affiche_ = c;
  revoir_echelle();
}

void Session::poser_heure_legale(bool oui) {
  if (oui == heure_legale_) return;
  heure_legale_ = oui;
  revoir_echelle();
}

bool Session::fuseau_choisi() const {
  return fuseaux_des_sites_.count(site_affiche_.nom) > 0;
}

QString Session::nom_fuseau() const {
  const auto i = fuseaux_des_sites_.find(site_affiche_.nom);
  return i != fuseaux_des_sites_.end() ? QString::fromStdString(i->second) : nom_fuseau_du_systeme();
}

bool Session::choisir_fuseau(const QString& iana) {
  if (iana.isEmpty()) {
    fuseaux_des_sites_.erase(site_affiche_.nom);
  } else {
    if (!fuseau_nomme(iana)) return false;
    fuseaux_des_sites_[site_affiche_.nom] = iana.toStdString();
  }
  revoir_echelle();
  return true;
}

void Session::revoir_echelle() {
  echelle_temps n;
  if (heure_legale_) {
    auto f = fuseau_nomme(nom_fuseau());
    n = echelle_temps(f ? f : fuseau_du_systeme());
  }
  const bool change = n.legale() != echelle_.legale() || (n.legale() && n.fuseau()->nom() != echelle_.fuseau()->nom());
  echelle_ = std::move(n);
  if (change) emit echelleChangee();
}

void Session::poser_site(const site_courant& s) {
  const bool change = s.latitude != site_.latitude || s.longitude != site_.longitude ||
                      s.sens_latitude != site_.sens_latitude || s.sens_longitude != site_.sens_longitude;
  site_ = s;
  if (change) emit siteChange();
}

void Session::poser_dates(const options_dates& o) {
  options_dates n = dates_;
  n.heure_actuelle = o.heure_actuelle;
  n.date_du_jour = o.date_du_jour;
  if (o.midi != o.minuit) {
    n.midi = o.midi;
    n.minuit = o.minuit;
  }
  if (n == dates_) return;
  dates_ = n;
  emit datesChangees();
}

void Session::poser_onglets_une_rangee(bool oui) {
  if (oui == onglets_une_rangee_) return;
  onglets_une_rangee_ = oui;
  emit apparenceChangee();
}

void Session::poser_menus_visibles(bool oui) {
  if (oui == menus_visibles_) return;
  menus_visibles_ = oui;
  emit apparenceChangee();
}

void Session::appliquer(const reglages& r) {
  poser_menus_visibles(r.menu);
  poser_onglets_une_rangee(r.onglet);
  poser_dates({r.heure_actuelle, r.date_du_jour, r.midi, r.minuit});
  villes_.memoriser_index(r.site);
  cometes_.memoriser_index(r.comete);
  fuseaux_des_sites_ = r.fuseaux_des_sites;
  heure_legale_ = r.heure_legale;
  revoir_echelle();
}

reglages Session::reglages_de(reglages r) const {
  r.site = villes_.index_enregistre();
  r.comete = cometes_.index_enregistre();
  r.onglet = onglets_une_rangee_;
  r.onglet2 = !r.onglet;
  r.menu = menus_visibles_;
  r.menu2 = !r.menu;
  r.heure_actuelle = dates_.heure_actuelle;
  r.date_du_jour = dates_.date_du_jour;
  r.midi = dates_.midi;
  r.minuit = dates_.minuit;
  r.heure_legale = heure_legale_;
  r.fuseaux_des_sites = fuseaux_des_sites_;
  return r;
}

}  // namespace almanax
