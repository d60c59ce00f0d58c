#include "ihm/pages/page_options.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"

namespace almanax::ihm {

namespace {

QCheckBox* case_a_cocher(const char* nom, const QString& texte, bool cochee, QWidget* parent) {
  auto* c = new QCheckBox(texte, parent);
  c->setObjectName(QString::fromLatin1(nom));
  c->setChecked(cochee);
  return c;
}

QRadioButton* option(const char* nom, const QString& texte, bool cochee, QWidget* parent) {
  auto* r = new QRadioButton(texte, parent);
  r->setObjectName(QString::fromLatin1(nom));
  r->setChecked(cochee);
  return r;
}

QPushButton* bouton(const char* nom, const QString& texte, QWidget* parent) {
  auto* b = new QPushButton(texte, parent);
  b->setObjectName(QString::fromLatin1(nom));
  return b;
}

QGroupBox* groupe(const QString& titre, QWidget* parent) {
  auto* g = new QGroupBox(titre, parent);
  return g;
}

}  // namespace

PageOptions::PageOptions(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("toptions"), QStringLiteral("Options"), QStringLiteral("16-options"), parent) {
  // ---- Sites -------------------------------------------------------------------
  auto* g_sites = groupe(QStringLiteral("Sites d'observation"), this);
  cb_nom_ = new QListWidget(g_sites);
  cb_nom_->setObjectName(QStringLiteral("cb_nom"));
  cb_nom_->setSelectionMode(QAbstractItemView::SingleSelection);
  cb_nom_->setMinimumWidth(170);

  e_location_ = new QLineEdit(g_sites);
  e_location_->setObjectName(QStringLiteral("e_location"));

  auto coordonnee = [this](const char* edit, const char* spin, int max, QWidget* parent) {
    auto* e = new EditionSpin(QString::fromLatin1(edit), QString::fromLatin1(spin), 0, max, parent);
    e->setBorneEnSortie(true);
    FiltreTouches::installer(e, filtre::chiffres);
    connect(e, &EditionSpin::clic, this, &PageOptions::ulatClick);
    connect(e, &EditionSpin::texteChange, this, &PageOptions::e_lat3Change);
    connect(e, &EditionSpin::texteInvalide, this, [this](const QString& t) {
      contexte_.messages().erreur(QStringLiteral("« %1 » n'est pas une valeur correcte.").arg(t),
                                  QStringLiteral("Nombre invalide"));
    });
    return e;
  };
  auto lettre = [this](const char* edit, const char* spin, const QStringList& libelles, int position, filtre f,
                       QWidget* parent) {
    auto* e = new EditionSpin(QString::fromLatin1(edit), QString::fromLatin1(spin), 0, 1, parent);
    e->setLibelles(libelles);
    e->setBoucle(true);
    e->setPosition(position);
    e->edition()->setMaxLength(1);
    FiltreTouches::installer(e, f);
    connect(e, &EditionSpin::texteChange, this, &PageOptions::e_lat3Change);
    return e;
  };

  auto* g_lon = groupe(QStringLiteral("Longitude"), g_sites);
  e_lon_ = coordonnee("e_lon", "ulon", 179, g_lon);
  e_lon2_ = coordonnee("e_lon2", "ulon2", 59, g_lon);
  e_lon3_ = coordonnee("e_lon3", "ulon3", 59, g_lon);
  e_lon4_ = lettre("e_lon4", "up_eo", {QStringLiteral("O"), QStringLiteral("E")}, 1, filtre::est_ouest, g_lon);
  connect(e_lon4_, &EditionSpin::clic, this, &PageOptions::up_eoClick);

  auto* g_lat = groupe(QStringLiteral("Latitude"), g_sites);
  e_lat_ = coordonnee("e_lat", "ulat", 89, g_lat);
  e_lat2_ = coordonnee("e_lat2", "ulat2", 59, g_lat);
  e_lat3_ = coordonnee("e_lat3", "ulat3", 59, g_lat);
  e_lat4_ = lettre("e_lat4", "up_ns", {QStringLiteral("N"), QStringLiteral("S")}, 0, filtre::nord_sud, g_lat);
  connect(e_lat4_, &EditionSpin::clic, this, &PageOptions::up_nsClick);
  for (EditionSpin* e : {e_lat_, e_lat2_, e_lat3_}) e->edition()->installEventFilter(this);

  auto ligne_dms = [](QGroupBox* g, EditionSpin* d, EditionSpin* m, EditionSpin* s, EditionSpin* l) {
    auto* h = new QHBoxLayout(g);
    h->addWidget(d);
    h->addWidget(new QLabel(QStringLiteral("°"), g));
    h->addWidget(m);
    h->addWidget(new QLabel(QStringLiteral("'"), g));
    h->addWidget(s);
    h->addWidget(new QLabel(QStringLiteral("\""), g));
    h->addSpacing(8);
    h->addWidget(l);
    h->addStretch(1);
  };
  ligne_dms(g_lon, e_lon_, e_lon2_, e_lon3_, e_lon4_);
  ligne_dms(g_lat, e_lat_, e_lat2_, e_lat3_, e_lat4_);

  new_site_ = bouton("new_site", QStringLiteral("Nouveau"), g_sites);
  save_site_ = bouton("save_site", QStringLiteral("Enregistrer"), g_sites);
  modif_site_ = bouton("modif_site", QStringLiteral("Modifier"), g_sites);
  erase_site_ = bouton("erase_site", QStringLiteral("Efface"), g_sites);
  save_site_->setEnabled(false);
  modif_site_->setEnabled(false);

  auto* g_defaut = groupe(QStringLiteral("Site par défaut"), g_sites);
  lsitedef_ = new QLabel(g_defaut);
  lsitedef_->setObjectName(QStringLiteral("lsitedef"));
  lsitedef_->setMinimumWidth(150);
  csitedef_ = case_a_cocher("csitedef", QStringLiteral("OK"), true, g_defaut);
  BitBtn1_ = bouton("BitBtn1", QStringLiteral("Site par défaut"), g_defaut);
  {
    auto* h = new QHBoxLayout(g_defaut);
    h->addWidget(lsitedef_, 1);
    h->addWidget(csitedef_);
    h->addWidget(BitBtn1_);
  }

  {
    auto* droite = new QVBoxLayout;
    droite->addWidget(e_location_);
    droite->addWidget(g_lon);
    droite->addWidget(g_lat);
    auto* boutons = new QGridLayout;
    boutons->addWidget(new_site_, 0, 0);
    boutons->addWidget(save_site_, 0, 1);
    boutons->addWidget(modif_site_, 1, 0);
    boutons->addWidget(erase_site_, 1, 1);
    droite->addLayout(boutons);
    droite->addWidget(g_defaut);
    droite->addStretch(1);
    auto* h = new QHBoxLayout(g_sites);
    h->addWidget(cb_nom_, 1);
    h->addLayout(droite);
  }

  // ---- Dates et heures ----------------------------------------------------------
  auto* g_dates = groupe(QStringLiteral("Dates et heures"), this);
  nowt_ = case_a_cocher("nowt", QStringLiteral("Maintenant heure"), true, g_dates);
  nowd_ = case_a_cocher("nowd", QStringLiteral("Maintenant date"), true, g_dates);
  midi_ = option("midi", QStringLiteral("Midi"), true, g_dates);
  minuit_ = option("minuit", QStringLiteral("Minuit"), false, g_dates);
  {
    auto* v = new QVBoxLayout(g_dates);
    for (QWidget* w : std::initializer_list<QWidget*>{nowt_, nowd_, midi_, minuit_}) v->addWidget(w);
  }

  // ---- Apparence ----------------------------------------------------------------
  auto* g_apparence = groupe(QStringLiteral("Apparence"), this);
  auto* g_onglets = groupe(QStringLiteral("Onglet(s) visible(s)"), g_apparence);
  ro1_ = option("ro1", QStringLiteral("Un"), false, g_onglets);
  ro2_ = option("ro2", QStringLiteral("Deux"), true, g_onglets);
  auto* g_menus = groupe(QStringLiteral("Menus visibles"), g_apparence);
  rmo_ = option("rmo", QStringLiteral("Oui"), true, g_menus);
  rmn_ = option("rmn", QStringLiteral("Non"), false, g_menus);
  for (QGroupBox* g : {g_onglets, g_menus}) {
    auto* h = new QHBoxLayout(g);
    for (QObject* o : g->children())
      if (auto* r = qobject_cast<QRadioButton*>(o)) h->addWidget(r);
  }
  {
    auto* v = new QVBoxLayout(g_apparence);
    v->addWidget(g_onglets);
    v->addWidget(g_menus);
  }
  for (QRadioButton* r : {ro1_, ro2_, rmo_, rmn_})
    connect(r, &QRadioButton::clicked, this, &PageOptions::apparenceChangee);

  // ---- Comète par défaut ------------------------------------------------------------
  auto* g_comete = groupe(QStringLiteral("Comète par défaut"), this);
  lcomdef_ = new QLabel(g_comete);
  lcomdef_->setObjectName(QStringLiteral("lcomdef"));
  ccomdef_ = case_a_cocher("ccomdef", QStringLiteral("OK"), true, g_comete);
  {
    auto* h = new QHBoxLayout(g_comete);
    h->addWidget(lcomdef_, 1);
    h->addWidget(ccomdef_);
  }

  {
    auto* colonne = new QVBoxLayout;
    colonne->addWidget(g_dates);
    colonne->addWidget(g_apparence);
    colonne->addWidget(g_comete);
    colonne->addStretch(1);
    auto* h = new QHBoxLayout(this);
    h->addWidget(g_sites, 3);
    h->addLayout(colonne, 2);
  }

  connect(cb_nom_, &QListWidget::currentRowChanged, this, [this] {
    if (!selection_programme_) cb_nomClick();
  });
  connect(cb_nom_, &QListWidget::itemClicked, this, &PageOptions::cb_nomClick);
  connect(BitBtn1_, &QPushButton::clicked, this, &PageOptions::BitBtn1Click);
  connect(new_site_, &QPushButton::clicked, this, &PageOptions::new_siteClick);
  connect(save_site_, &QPushButton::clicked, this, &PageOptions::save_siteClick);
  connect(modif_site_, &QPushButton::clicked, this, &PageOptions::modif_siteClick);
  connect(erase_site_, &QPushButton::clicked, this, &PageOptions::erase_siteClick);
  connect(e_location_, &QLineEdit::textChanged, this, &PageOptions::e_lat3Change);
  etats_boutons();
}

PageOptions::~PageOptions() = default;

// ---- Options -------------------------------------------------------------------

options_dates PageOptions::options() const {
  return {nowt_->isChecked(), nowd_->isChecked(), midi_->isChecked(), minuit_->isChecked()};
}

void PageOptions::set_options(const options_dates& o) {
  nowt_->setChecked(o.heure_actuelle);
  nowd_->setChecked(o.date_du_jour);
  if (o.minuit && !o.midi)
    minuit_->setChecked(true);
  else if (o.midi && !o.minuit)
    midi_->setChecked(true);
}

bool PageOptions::onglets_une_rangee() const {
  return ro1_->isChecked();
}
void PageOptions::set_onglets_une_rangee(bool oui) {
  (oui ? ro1_ : ro2_)->setChecked(true);
}
bool PageOptions::menus_visibles() const {
  return rmo_->isChecked();
}
void PageOptions::set_menus_visibles(bool oui) {
  (oui ? rmo_ : rmn_)->setChecked(true);
}

// ---- Sites ---------------------------------------------------------------------

void PageOptions::charger_sites(const QString& dossier, long long index_defaut, bool creer_si_absent) {
  villes_ = std::make_unique<fichier_villes>(dossier);
  const chargement_villes c = villes_->charger(creer_si_absent);
  const QString titre = QStringLiteral("Fichier des sites");
  if (!c.erreur.empty()) contexte_.messages().erreur(QString::fromStdString(c.erreur), titre);
  if (!c.avertissements.empty()) {
    QString texte;
    for (const std::string& a : c.avertissements) texte += QString::fromStdString(a) + u'\n';
    contexte_.messages().erreur(texte.trimmed(), titre);
  }
  index_defaut_ = index_defaut;
  const std::optional<std::size_t> i = index_par_defaut(index_defaut, villes_->taille());
  remplir_liste(i ? static_cast<int>(*i) : -1);
  if (i) appliquer(static_cast<int>(*i));
  etats_boutons();
}

void PageOptions::set_comete_defaut(long long index, const QString& nom) {
  index_comete_ = index;
  lcomdef_->setText(nom);
}

bool PageOptions::comete_par_defaut_cochee() const {
  return ccomdef_->isChecked();
}

champs_site PageOptions::site_affiche() const {
  champs_site c;
  c.nom = e_location_->text().toStdString();
  c.lat_deg = e_lat_->position();
  c.lat_min = e_lat2_->position();
  c.lat_sec = e_lat3_->position();
  c.lat_lettre = e_lat4_->edition()->text().toStdString();
  c.lon_deg = e_lon_->position();
  c.lon_min = e_lon2_->position();
  c.lon_sec = e_lon3_->position();
  c.lon_lettre = e_lon4_->edition()->text().toStdString();
  return c;
}

void PageOptions::remplir_liste(int selection) {
  selection_programme_ = true;
  cb_nom_->clear();
  if (villes_)
    for (const ville& v : villes_->villes()) cb_nom_->addItem(QString::fromStdString(v.nom));
  cb_nom_->setCurrentRow(selection);
  selection_programme_ = false;
}

void PageOptions::selectionner(int i) {
  selection_programme_ = true;
  cb_nom_->setCurrentRow(i);
  if (QListWidgetItem* item = cb_nom_->item(i)) cb_nom_->scrollToItem(item);
  selection_programme_ = false;
}

void PageOptions::appliquer(int i, bool defaut) {
  if (!villes_ || i < 0 || static_cast<std::size_t>(i) >= villes_->taille()) return;
  const ville& v = villes_->villes()[static_cast<std::size_t>(i)];
  const champs_site c = champs_du_site(v.site());
  e_location_->setText(QString::fromStdString(v.nom));
  if (defaut && csitedef_->isChecked()) {
    lsitedef_->setText(QString::fromStdString(v.nom));
    index_defaut_ = i;
  }
  e_lon_->setPosition(c.lon_deg);
  e_lon2_->setPosition(c.lon_min);
  e_lon3_->setPosition(c.lon_sec);
  e_lon4_->setPosition(c.lon_lettre == "E" ? 1 : 0);
  e_lat_->setPosition(c.lat_deg);
  e_lat2_->setPosition(c.lat_min);
  e_lat3_->setPosition(c.lat_sec);
  e_lat4_->setPosition(c.lat_lettre == "S" ? 1 : 0);
  // Texts written by the program are not user changes: "Modifier" goes off.
  e_lat3Change();
  // The magnitudes are the file's values, not the truncated seconds shown.
  site_courant s = site_courant_de(v.site());
  signes_des_lettres(s);
  poser_site(s);
}

void PageOptions::poser_site(const site_courant& s) {
  const bool change = s.latitude != site_.latitude || s.longitude != site_.longitude ||
                      s.sens_latitude != site_.sens_latitude || s.sens_longitude != site_.sens_longitude;
  site_ = s;
  if (change) emit siteChange();
}

void PageOptions::signes_des_lettres(site_courant& s) const {
  s.sens_longitude = e_lon4_->edition()->text() == u"E" ? -1 : 1;
  s.sens_latitude = e_lat4_->edition()->text() == u"S" ? -1 : 1;
}

void PageOptions::signes_depuis_lettres() {
  site_courant s = site_;
  signes_des_lettres(s);
  poser_site(s);
}

bool PageOptions::lettres_valides() {
  struct attendu {
    EditionSpin* champ;
    const char16_t* a;
    const char16_t* b;
    const char* message;
  };
  const attendu lettres[] = {
      {e_lat4_, u"N", u"S", "La latitude doit être suivie de la lettre N (nord) ou S (sud)."},
      {e_lon4_, u"E", u"O", "La longitude doit être suivie de la lettre E (est) ou O (ouest)."},
  };
  for (const attendu& l : lettres) {
    const QString t = l.champ->edition()->text();
    if (t == QStringView(l.a) || t == QStringView(l.b)) continue;
    contexte_.messages().erreur(QString::fromUtf8(l.message), QStringLiteral("Hémisphère incorrect"));
    l.champ->setFocus();
    l.champ->edition()->selectAll();
    return false;
  }
  return true;
}

long double PageOptions::latitude_saisie() const {
  return valeur_dms(e_lat_->position(), e_lat2_->position(), e_lat3_->position(),
                    e_lat4_->edition()->text() == u"N" ? 1 : -1);
}

long double PageOptions::longitude_saisie() const {
  return valeur_dms(e_lon_->position(), e_lon2_->position(), e_lon3_->position(),
                    e_lon4_->edition()->text() == u"O" ? 1 : -1);
}

bool PageOptions::signaler(const operation_villes& op) {
  if (op.reussie) return true;
  contexte_.messages().erreur(QString::fromStdString(op.message), QString::fromStdString(op.titre));
  return false;
}

arbitre_conflit PageOptions::arbitre() {
  return [this](const std::string& question, const std::string& titre) {
    return contexte_.messages().confirmer(QString::fromStdString(question), QString::fromStdString(titre));
  };
}

std::optional<std::string> PageOptions::nom_site_defaut() const {
  if (!villes_ || index_defaut_ < 0 || static_cast<std::size_t>(index_defaut_) >= villes_->taille())
    return std::nullopt;
  return villes_->villes()[static_cast<std::size_t>(index_defaut_)].nom;
}

void PageOptions::suivre_site_defaut(const std::optional<std::string>& nom) {
  if (!villes_ || !nom) return;
  const std::vector<ville>& l = villes_->villes();
  const long long n = static_cast<long long>(l.size());
  long long k = -1;
  for (long long i = 0; i < n && k < 0; ++i)
    if (l[static_cast<std::size_t>(i)].nom == *nom) k = i;
  index_defaut_ = k >= 0 ? k : std::max(0LL, std::min(index_defaut_, n - 1));
  lsitedef_->setText(n > 0 ? QString::fromStdString(l[static_cast<std::size_t>(index_defaut_)].nom) : QString());
}

void PageOptions::etats_boutons() {
  const bool liste = villes_ && villes_->taille() > 0;
  const bool choisi = liste && cb_nom_->currentRow() >= 0;
  erase_site_->setEnabled(choisi);
  BitBtn1_->setEnabled(liste);
  modif_site_->setEnabled(choisi && coordonnees_changees_);
}

void PageOptions::cb_nomClick() {
  cb_nom_okClick();
  save_site_->setEnabled(false);
  etats_boutons();
}

void PageOptions::cb_nom_okClick() {
  appliquer(cb_nom_->currentRow());
}

void PageOptions::BitBtn1Click() {
  if (!villes_) return;
  const std::optional<std::size_t> i = index_par_defaut(index_defaut_, villes_->taille());
  if (!i) return;
  selectionner(static_cast<int>(*i));
  appliquer(static_cast<int>(*i));
  etats_boutons();
}

void PageOptions::new_siteClick() {
  for (EditionSpin* e : {e_lon_, e_lon2_, e_lon3_, e_lat_, e_lat2_, e_lat3_}) e->setPosition(0);
  e_location_->setText(QStringLiteral("Votre site"));
  save_site_->setEnabled(true);
  e_lat3Change();
  e_location_->setFocus();
  e_location_->selectAll();
}

void PageOptions::save_siteClick() {
  if (!villes_ || !lettres_valides()) return;
  const std::optional<std::string> defaut = nom_site_defaut();
  const operation_villes op =
      villes_->ajouter(e_location_->text().toStdString(), latitude_saisie(), longitude_saisie(), arbitre());
  if (!signaler(op)) {
    e_location_->setFocus();
    return;
  }
  csitedef_->setChecked(false);
  // The default site keeps designating the same site wherever the list moved it.
  suivre_site_defaut(defaut);
  remplir_liste(static_cast<int>(op.index));
  selectionner(static_cast<int>(op.index));
  save_site_->setEnabled(false);
  // The site stored is the one the computations use from now on ("OK" is unchecked:
  // the default site stays).
  appliquer(static_cast<int>(op.index));
  etats_boutons();
}

void PageOptions::modif_siteClick() {
  if (!villes_ || !coordonnees_changees_) return;
  const int i = cb_nom_->currentRow();
  if (i < 0 || !lettres_valides()) return;
  const std::optional<std::string> defaut = nom_site_defaut();
  const operation_villes op =
      villes_->modifier(static_cast<std::size_t>(i), latitude_saisie(), longitude_saisie(), arbitre());
  if (!signaler(op)) return;
  if (op.relue) {
    // The file had changed elsewhere: the list shown is the one now stored.
    suivre_site_defaut(defaut);
    const int k = villes_->taille() > 0 ? static_cast<int>(op.index) : -1;
    remplir_liste(k);
    if (k >= 0) selectionner(k);
    if (k < 0) {
      e_location_->clear();
      coordonnees_changees_ = false;
      etats_boutons();
      return;
    }
    appliquer(k, false);
    etats_boutons();
    return;
  }
  // The site shown is the one stored: the current site follows the new coordinates.
  appliquer(i);
  etats_boutons();
}

void PageOptions::erase_siteClick() {
  if (!villes_) return;
  const int i = cb_nom_->currentRow();
  if (i < 0) return;
  if (!contexte_.messages().confirmer(QStringLiteral("Voulez-vous vraiment supprimer ce site ?"),
                                      QStringLiteral("Confirmation ou infirmation avant suppression ")))
    return;
  const std::optional<std::string> defaut = nom_site_defaut();
  if (!signaler(villes_->supprimer(static_cast<std::size_t>(i), arbitre()))) return;
  // The default site keeps designating the same site; when it is the one deleted, the
  // site that takes its place becomes the default.
  const long long n = static_cast<long long>(villes_->taille());
  suivre_site_defaut(defaut);
  // The list selects its first site, which the fields show and the computations use:
  // nothing is left showing the site deleted. The default site is not changed by it.
  remplir_liste(n > 0 ? 0 : -1);
  if (n > 0) {
    appliquer(0, false);
  } else {
    e_location_->clear();
    coordonnees_changees_ = false;
  }
  etats_boutons();
}

void PageOptions::ulatClick() {
  coordonnees_changees_ = true;
  etats_boutons();
}

void PageOptions::up_eoClick() {
  signes_depuis_lettres();
  ulatClick();
}

void PageOptions::up_nsClick() {
  signes_depuis_lettres();
  ulatClick();
}

void PageOptions::e_lat3Change() {
  bool saisi = false;
  for (const EditionSpin* e : {e_lat_, e_lat2_, e_lat3_, e_lat4_, e_lon_, e_lon2_, e_lon3_})
    saisi = saisi || e->modifie();
  saisi = saisi || (e_lon4_->modifie() && !e_location_->isModified() && !save_site_->isEnabled());
  coordonnees_changees_ = saisi;
  etats_boutons();
}

void PageOptions::e_lat3Click() {
  site_courant s = site_;
  s.latitude = e_lat_->position() + e_lat2_->position() / 60.0L + e_lat3_->position() / 3600.0L;
  s.longitude = e_lon_->position() + e_lon2_->position() / 60.0L + e_lon3_->position() / 3600.0L;
  signes_des_lettres(s);
  poser_site(s);
}

bool PageOptions::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::MouseButtonPress) e_lat3Click();
  return Page::eventFilter(objet, evenement);
}

}  // namespace almanax::ihm
