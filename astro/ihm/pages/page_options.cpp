#include "ihm/pages/page_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calcul/delta_t.h"
#include "calcul/formats.h"
#include "donnees/fuseaux.h"
#include "ihm/contexte.h"
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
  Session& session = contexte_.session();
  // ---- Sites -------------------------------------------------------------------
  auto* g_sites = groupe(QStringLiteral("Sites d'observation"), this);
  liste_sites_ = new QListView(g_sites);
  liste_sites_->setObjectName(QStringLiteral("cb_nom"));
  liste_sites_->setModel(&session.villes());
  liste_sites_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  liste_sites_->setSelectionMode(QAbstractItemView::SingleSelection);
  liste_sites_->setMinimumWidth(170);

  nom_site_ = new QLineEdit(g_sites);
  nom_site_->setObjectName(QStringLiteral("e_location"));

  auto coordonnee = [this](const char* edit, const char* spin, int max, QWidget* parent) {
    auto* e = new EditionSpin(QString::fromLatin1(edit), QString::fromLatin1(spin), 0, max, parent);
    e->setBorneEnSortie(true);
    FiltreTouches::installer(e, filtre::chiffres);
    connect(e, &EditionSpin::clic, this, &PageOptions::coordonnee_changee);
    connect(e, &EditionSpin::texteChange, this, &PageOptions::champs_modifies);
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
    connect(e, &EditionSpin::texteChange, this, &PageOptions::champs_modifies);
    connect(e, &EditionSpin::clic, this, &PageOptions::hemisphere_change);
    return e;
  };

  auto* g_lon = groupe(QStringLiteral("Longitude"), g_sites);
  lon_deg_ = coordonnee("e_lon", "ulon", 179, g_lon);
  lon_min_ = coordonnee("e_lon2", "ulon2", 59, g_lon);
  lon_sec_ = coordonnee("e_lon3", "ulon3", 59, g_lon);
  lon_lettre_ = lettre("e_lon4", "up_eo", {QStringLiteral("O"), QStringLiteral("E")}, 1, filtre::est_ouest, g_lon);

  auto* g_lat = groupe(QStringLiteral("Latitude"), g_sites);
  lat_deg_ = coordonnee("e_lat", "ulat", 89, g_lat);
  lat_min_ = coordonnee("e_lat2", "ulat2", 59, g_lat);
  lat_sec_ = coordonnee("e_lat3", "ulat3", 59, g_lat);
  lat_lettre_ = lettre("e_lat4", "up_ns", {QStringLiteral("N"), QStringLiteral("S")}, 0, filtre::nord_sud, g_lat);
  for (EditionSpin* e : {lat_deg_, lat_min_, lat_sec_}) e->edition()->installEventFilter(this);

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
  ligne_dms(g_lon, lon_deg_, lon_min_, lon_sec_, lon_lettre_);
  ligne_dms(g_lat, lat_deg_, lat_min_, lat_sec_, lat_lettre_);

  nouveau_ = bouton("new_site", QStringLiteral("Nouveau"), g_sites);
  enregistrer_ = bouton("save_site", QStringLiteral("Enregistrer"), g_sites);
  modifier_ = bouton("modif_site", QStringLiteral("Modifier"), g_sites);
  supprimer_ = bouton("erase_site", QStringLiteral("Efface"), g_sites);
  enregistrer_->setEnabled(false);
  modifier_->setEnabled(false);

  auto* g_defaut = groupe(QStringLiteral("Site par défaut"), g_sites);
  nom_site_defaut_ = new QLabel(g_defaut);
  nom_site_defaut_->setObjectName(QStringLiteral("lsitedef"));
  nom_site_defaut_->setMinimumWidth(150);
  choix_site_defaut_ = case_a_cocher("csitedef", QStringLiteral("OK"), true, g_defaut);
  // The "Site par défaut" button.
  site_defaut_ = bouton("BitBtn1", QStringLiteral("Site par défaut"), g_defaut);
  {
    auto* h = new QHBoxLayout(g_defaut);
    h->addWidget(nom_site_defaut_, 1);
    h->addWidget(choix_site_defaut_);
    h->addWidget(site_defaut_);
  }

  {
    auto* droite = new QVBoxLayout;
    droite->addWidget(nom_site_);
    droite->addWidget(g_lon);
    droite->addWidget(g_lat);
    auto* boutons = new QGridLayout;
    boutons->addWidget(nouveau_, 0, 0);
    boutons->addWidget(enregistrer_, 0, 1);
    boutons->addWidget(modifier_, 1, 0);
    boutons->addWidget(supprimer_, 1, 1);
    droite->addLayout(boutons);
    droite->addWidget(g_defaut);
    droite->addStretch(1);
    auto* h = new QHBoxLayout(g_sites);
    h->addWidget(liste_sites_, 1);
    h->addLayout(droite);
  }

  // ---- Dates et heures ----------------------------------------------------------
  auto* g_dates = groupe(QStringLiteral("Dates et heures"), this);
  heure_actuelle_ = case_a_cocher("nowt", QStringLiteral("Maintenant heure"), true, g_dates);
  date_du_jour_ = case_a_cocher("nowd", QStringLiteral("Maintenant date"), true, g_dates);
  midi_ = option("midi", QStringLiteral("Midi"), true, g_dates);
  minuit_ = option("minuit", QStringLiteral("Minuit"), false, g_dates);
  // Civil time: its own pair of options (a group of their own, so they do not exclude
  // "Midi" and "Minuit"), the zone of the current site and the ΔT applied.
  auto* heures = groupe(QStringLiteral("Heures"), g_dates);
  heures_telles_quelles_ = option("heures_telles_quelles", QStringLiteral("Heures : telles quelles"), true, heures);
  heures_telles_quelles_->setToolTip(
      QStringLiteral("Les dates et heures saisies sont l'argument des théories (temps dynamique) et les instants "
                     "sont affichés tels que calculés."));
  heure_legale_ = option("heure_legale", QStringLiteral("Heure légale"), false, heures);
  heure_legale_->setToolTip(
      QStringLiteral("Les dates et heures saisies et affichées sont l'heure légale du fuseau du site, changements "
                     "d'heure compris ; ΔT = TT − UT est appliqué."));
  fuseau_ = new QComboBox(heures);
  fuseau_->setObjectName(QStringLiteral("fuseau"));
  fuseau_->setEditable(true);
  fuseau_->setInsertPolicy(QComboBox::NoInsert);
  // Sized for usual names, not the longest of the database: the page keeps its width.
  fuseau_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  fuseau_->setMinimumContentsLength(10);
  fuseau_->addItem(QStringLiteral("Système (%1)").arg(nom_fuseau_du_systeme()));
  fuseau_->addItems(noms_des_fuseaux());
  fuseau_->setToolTip(
      QStringLiteral("Fuseau horaire du site courant (tapez une partie du nom pour chercher). La première ligne "
                     "rend au site le fuseau du système."));
  {
    auto* c = new QCompleter(fuseau_->model(), fuseau_);
    c->setCaseSensitivity(Qt::CaseInsensitive);
    c->setFilterMode(Qt::MatchContains);
    c->setCompletionMode(QCompleter::PopupCompletion);
    fuseau_->setCompleter(c);
  }
  auto* legende_fuseau = new QLabel(QStringLiteral("Fuseau :"), heures);
  legende_fuseau->setBuddy(fuseau_);
  delta_t_ = new QLabel(heures);
  delta_t_->setObjectName(QStringLiteral("delta_t"));
  delta_t_->setToolTip(
      QStringLiteral("ΔT = TT − UT : valeurs annuelles observées (IERS, USNO) de 1620 à 2023, prévisions jusqu'en "
                     "2028, expressions d'Espenak et Meeus avant et après."));
  {
    auto* g = new QGridLayout(heures);
    g->addWidget(heures_telles_quelles_, 0, 0, 1, 2);
    g->addWidget(heure_legale_, 1, 0, 1, 2);
    g->addWidget(legende_fuseau, 2, 0);
    g->addWidget(fuseau_, 2, 1);
    g->addWidget(delta_t_, 3, 0, 1, 2);
    g->setColumnStretch(1, 1);
  }
  {
    auto* v = new QVBoxLayout(g_dates);
    auto* g = new QGridLayout;
    g->addWidget(heure_actuelle_, 0, 0);
    g->addWidget(midi_, 0, 1);
    g->addWidget(date_du_jour_, 1, 0);
    g->addWidget(minuit_, 1, 1);
    v->addLayout(g);
    v->addWidget(heures);
  }

  // ---- Apparence ----------------------------------------------------------------
  auto* g_apparence = groupe(QStringLiteral("Apparence"), this);
  auto* g_onglets = groupe(QStringLiteral("Onglet(s) visible(s)"), g_apparence);
  une_rangee_ = option("ro1", QStringLiteral("Un"), false, g_onglets);
  plusieurs_rangees_ = option("ro2", QStringLiteral("Deux"), true, g_onglets);
  auto* g_menus = groupe(QStringLiteral("Menus visibles"), g_apparence);
  menus_oui_ = option("rmo", QStringLiteral("Oui"), true, g_menus);
  menus_non_ = option("rmn", QStringLiteral("Non"), false, g_menus);
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

  // ---- Comète par défaut ------------------------------------------------------------
  auto* g_comete = groupe(QStringLiteral("Comète par défaut"), this);
  nom_comete_defaut_ = new QLabel(g_comete);
  nom_comete_defaut_->setObjectName(QStringLiteral("lcomdef"));
  choix_comete_defaut_ = case_a_cocher("ccomdef", QStringLiteral("OK"), true, g_comete);
  {
    auto* h = new QHBoxLayout(g_comete);
    h->addWidget(nom_comete_defaut_, 1);
    h->addWidget(choix_comete_defaut_);
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

  // ---- The session shown, and edited from here ---------------------------------------
  montrer_options();
  const auto lire_dates = [this] {
    if (options_programme_) return;
    contexte_.session().poser_dates(
        {heure_actuelle_->isChecked(), date_du_jour_->isChecked(), midi_->isChecked(), minuit_->isChecked()});
  };
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{heure_actuelle_, date_du_jour_, midi_, minuit_})
    connect(b, &QAbstractButton::toggled, this, lire_dates);
  connect(une_rangee_, &QRadioButton::toggled, this, [this](bool oui) {
    if (!options_programme_) contexte_.session().poser_onglets_une_rangee(oui);
  });
  connect(menus_oui_, &QRadioButton::toggled, this, [this](bool oui) {
    if (!options_programme_) contexte_.session().poser_menus_visibles(oui);
  });
  connect(choix_comete_defaut_, &QCheckBox::toggled, this, [this](bool oui) {
    if (!options_programme_) contexte_.session().poser_choix_comete_par_defaut(oui);
  });
  connect(heure_legale_, &QRadioButton::toggled, this, [this](bool oui) {
    if (!options_programme_) contexte_.session().poser_heure_legale(oui);
  });
  connect(fuseau_, &QComboBox::activated, this, &PageOptions::choisir_fuseau);
  connect(fuseau_->lineEdit(), &QLineEdit::editingFinished, this, &PageOptions::choisir_fuseau);
  connect(&session, &Session::echelleChangee, this, &PageOptions::montrer_options);
  connect(&session, &Session::siteChange, this, &PageOptions::montrer_fuseau);
  connect(&session, &Session::datesChangees, this, &PageOptions::montrer_options);
  connect(&session, &Session::apparenceChangee, this, &PageOptions::montrer_options);
  connect(&session.cometes(), &ModeleCometes::defautChange, nom_comete_defaut_,
          [this](long long, const QString& nom) { nom_comete_defaut_->setText(nom); });
  connect(&session.villes(), &ModeleVilles::defautChange, nom_site_defaut_,
          [this](long long, const QString& nom) { nom_site_defaut_->setText(nom); });
  connect(&session.villes(), &ModeleVilles::charge, this, &PageOptions::sites_charges);

  connect(liste_sites_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    if (!selection_programme_) choisir_site();
  });
  connect(liste_sites_, &QListView::clicked, this, &PageOptions::choisir_site);
  connect(site_defaut_, &QPushButton::clicked, this, &PageOptions::revenir_au_site_defaut);
  connect(nouveau_, &QPushButton::clicked, this, &PageOptions::nouveau_site);
  connect(enregistrer_, &QPushButton::clicked, this, &PageOptions::enregistrer_site);
  connect(modifier_, &QPushButton::clicked, this, &PageOptions::modifier_site);
  connect(supprimer_, &QPushButton::clicked, this, &PageOptions::supprimer_site);
  connect(nom_site_, &QLineEdit::textChanged, this, &PageOptions::champs_modifies);
  connect(nom_site_, &QLineEdit::textChanged, this, &PageOptions::publier_site_affiche);
  for (EditionSpin* e : {lon_deg_, lon_min_, lon_sec_, lon_lettre_, lat_deg_, lat_min_, lat_sec_, lat_lettre_})
    connect(e->edition(), &QLineEdit::textChanged, this, &PageOptions::publier_site_affiche);
  etats_boutons();
}

PageOptions::~PageOptions() = default;

ModeleVilles& PageOptions::villes() const {
  return contexte_.session().villes();
}

// ---- Options -------------------------------------------------------------------

void PageOptions::montrer_options() {
  const Session& s = contexte_.session();
  const options_dates& o = s.dates();
  options_programme_ = true;
  heure_actuelle_->setChecked(o.heure_actuelle);
  date_du_jour_->setChecked(o.date_du_jour);
  (o.minuit ? minuit_ : midi_)->setChecked(true);
  (s.onglets_une_rangee() ? une_rangee_ : plusieurs_rangees_)->setChecked(true);
  (s.menus_visibles() ? menus_oui_ : menus_non_)->setChecked(true);
  choix_comete_defaut_->setChecked(s.choix_comete_par_defaut());
  (s.heure_legale() ? heure_legale_ : heures_telles_quelles_)->setChecked(true);
  options_programme_ = false;
  nom_comete_defaut_->setText(QString::fromStdString(s.cometes().nom_defaut().value_or(std::string())));
  montrer_fuseau();
}

void PageOptions::montrer_fuseau() {
  const Session& s = contexte_.session();
  const bool garde = fuseau_->blockSignals(true);
  const int i = s.fuseau_choisi() ? fuseau_->findText(s.nom_fuseau()) : 0;
  fuseau_->setCurrentIndex(i < 0 ? 0 : i);
  fuseau_->setEditText(fuseau_->itemText(i < 0 ? 0 : i));
  fuseau_->lineEdit()->setCursorPosition(0);
  fuseau_->blockSignals(garde);
  const QDate aujourd_hui = QDate::currentDate();
  const long double annee = aujourd_hui.year() + (aujourd_hui.dayOfYear() - 0.5L) / aujourd_hui.daysInYear();
  delta_t_->setText(QStringLiteral("ΔT %1 : %2 s")
                        .arg(aujourd_hui.year())
                        .arg(QString::fromStdString(
                            format_float("0.0", delta_t_annee(annee), QLocale().decimalPoint().toStdString()))));
}

void PageOptions::choisir_fuseau() {
  Session& s = contexte_.session();
  const QString texte = fuseau_->currentText().trimmed();
  const int i = fuseau_->findText(texte);
  if (i == 0 || texte.isEmpty()) {
    s.choisir_fuseau({});
  } else if (i < 0 || !s.choisir_fuseau(texte)) {
    // Shown again before the message, so that leaving the list for the message box
    // does not ask a second time.
    montrer_fuseau();
    contexte_.messages().erreur(QStringLiteral("Fuseau horaire inconnu : « %1 ». Choisissez un fuseau de la liste "
                                               "(par exemple Europe/Paris).")
                                    .arg(texte),
                                QStringLiteral("Fuseau horaire inconnu"));
    return;
  }
  montrer_fuseau();
}

// ---- Sites ---------------------------------------------------------------------

void PageOptions::sites_charges() {
  if (villes().fichier())
    liste_sites_->setToolTip(QStringLiteral("Fichier des lieux : %1").arg(villes().fichier()->chemin()));
  const std::optional<std::size_t> i = villes().ligne_defaut();
  nom_site_defaut_->setText(QString::fromStdString(villes().nom_defaut().value_or(std::string())));
  selectionner(i ? static_cast<int>(*i) : -1, false);
  if (i) afficher_site(static_cast<int>(*i));
  etats_boutons();
}

void PageOptions::publier_site_affiche() {
  champs_site c;
  c.nom = nom_site_->text().toStdString();
  c.lat_deg = lat_deg_->position();
  c.lat_min = lat_min_->position();
  c.lat_sec = lat_sec_->position();
  c.lat_lettre = lat_lettre_->edition()->text().toStdString();
  c.lon_deg = lon_deg_->position();
  c.lon_min = lon_min_->position();
  c.lon_sec = lon_sec_->position();
  c.lon_lettre = lon_lettre_->edition()->text().toStdString();
  contexte_.session().poser_site_affiche(c);
}

int PageOptions::ligne_choisie() const {
  const QModelIndex i = liste_sites_->currentIndex();
  return i.isValid() ? i.row() : -1;
}

void PageOptions::selectionner(int i, bool defiler) {
  selection_programme_ = true;
  const QModelIndex index = villes().index(i, 0);
  liste_sites_->setCurrentIndex(index);
  if (defiler && index.isValid()) liste_sites_->scrollTo(index);
  selection_programme_ = false;
}

void PageOptions::afficher_site(int i, bool defaut) {
  if (i < 0 || static_cast<std::size_t>(i) >= villes().taille()) return;
  const ville& v = villes().villes()[static_cast<std::size_t>(i)];
  const champs_site c = champs_du_site(v.site());
  nom_site_->setText(QString::fromStdString(v.nom));
  if (defaut && choix_site_defaut_->isChecked()) villes().choisir_defaut(static_cast<std::size_t>(i));
  lon_deg_->setPosition(c.lon_deg);
  lon_min_->setPosition(c.lon_min);
  lon_sec_->setPosition(c.lon_sec);
  lon_lettre_->setPosition(c.lon_lettre == "E" ? 1 : 0);
  lat_deg_->setPosition(c.lat_deg);
  lat_min_->setPosition(c.lat_min);
  lat_sec_->setPosition(c.lat_sec);
  lat_lettre_->setPosition(c.lat_lettre == "S" ? 1 : 0);
  // Texts written by the program are not user changes: "Modifier" goes off.
  champs_modifies();
  // The magnitudes are the file's values, not the truncated seconds shown.
  site_courant s = site_courant_de(v.site());
  signes_des_lettres(s);
  contexte_.session().poser_site(s);
}

void PageOptions::signes_des_lettres(site_courant& s) const {
  s.sens_longitude = lon_lettre_->edition()->text() == u"E" ? -1 : 1;
  s.sens_latitude = lat_lettre_->edition()->text() == u"S" ? -1 : 1;
}

bool PageOptions::lettres_valides() {
  struct attendu {
    EditionSpin* champ;
    const char16_t* a;
    const char16_t* b;
    const char* message;
  };
  const attendu lettres[] = {
      {lat_lettre_, u"N", u"S", "La latitude doit être suivie de la lettre N (nord) ou S (sud)."},
      {lon_lettre_, u"E", u"O", "La longitude doit être suivie de la lettre E (est) ou O (ouest)."},
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
  return valeur_dms(lat_deg_->position(), lat_min_->position(), lat_sec_->position(),
                    lat_lettre_->edition()->text() == u"N" ? 1 : -1);
}

long double PageOptions::longitude_saisie() const {
  return valeur_dms(lon_deg_->position(), lon_min_->position(), lon_sec_->position(),
                    lon_lettre_->edition()->text() == u"O" ? 1 : -1);
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

void PageOptions::etats_boutons() {
  const bool liste = villes().taille() > 0;
  const bool choisi = liste && ligne_choisie() >= 0;
  supprimer_->setEnabled(choisi);
  site_defaut_->setEnabled(liste);
  modifier_->setEnabled(choisi && coordonnees_changees_);
}

void PageOptions::choisir_site() {
  afficher_site(ligne_choisie());
  enregistrer_->setEnabled(false);
  etats_boutons();
}

void PageOptions::revenir_au_site_defaut() {
  const std::optional<std::size_t> i = index_par_defaut(villes().index_enregistre(), villes().taille());
  if (!i) return;
  selectionner(static_cast<int>(*i));
  afficher_site(static_cast<int>(*i));
  etats_boutons();
}

void PageOptions::nouveau_site() {
  for (EditionSpin* e : {lon_deg_, lon_min_, lon_sec_, lat_deg_, lat_min_, lat_sec_}) e->setPosition(0);
  nom_site_->setText(QStringLiteral("Votre site"));
  enregistrer_->setEnabled(true);
  champs_modifies();
  nom_site_->setFocus();
  nom_site_->selectAll();
}

void PageOptions::enregistrer_site() {
  if (!villes().fichier() || !lettres_valides()) return;
  selection_programme_ = true;
  const operation_villes op =
      villes().ajouter(nom_site_->text().toStdString(), latitude_saisie(), longitude_saisie(), arbitre());
  selection_programme_ = false;
  if (!signaler(op)) {
    nom_site_->setFocus();
    return;
  }
  // The default site stays the same site wherever the list moved it (the session follows it).
  choix_site_defaut_->setChecked(false);
  selectionner(static_cast<int>(op.index));
  enregistrer_->setEnabled(false);
  // The site stored is the one the computations use from now on ("OK" is unchecked:
  // the default site stays).
  afficher_site(static_cast<int>(op.index));
  etats_boutons();
}

void PageOptions::modifier_site() {
  if (!villes().fichier() || !coordonnees_changees_) return;
  const int i = ligne_choisie();
  if (i < 0 || !lettres_valides()) return;
  selection_programme_ = true;
  const operation_villes op =
      villes().modifier(static_cast<std::size_t>(i), latitude_saisie(), longitude_saisie(), arbitre());
  selection_programme_ = false;
  if (!signaler(op)) return;
  if (op.relue) {
    // The file had changed elsewhere: the list shown is the one now stored.
    const int k = villes().taille() > 0 ? static_cast<int>(op.index) : -1;
    selectionner(k);
    if (k < 0) {
      nom_site_->clear();
      coordonnees_changees_ = false;
      etats_boutons();
      return;
    }
    afficher_site(k, false);
    etats_boutons();
    return;
  }
  // The site shown is the one stored: the current site follows the new coordinates.
  afficher_site(i);
  etats_boutons();
}

void PageOptions::supprimer_site() {
  if (!villes().fichier()) return;
  const int i = ligne_choisie();
  if (i < 0) return;
  if (!contexte_.messages().confirmer(QStringLiteral("Voulez-vous vraiment supprimer ce site ?"),
                                      QStringLiteral("Confirmation ou infirmation avant suppression ")))
    return;
  // The default site keeps designating the same site; when it is the one deleted, the
  // site that takes its place becomes the default (the session sees to it).
  selection_programme_ = true;
  const operation_villes op = villes().supprimer(static_cast<std::size_t>(i), arbitre());
  selection_programme_ = false;
  if (!signaler(op)) return;
  const bool reste = villes().taille() > 0;
  // The list selects its first site, which the fields show and the computations use:
  // nothing is left showing the site deleted. The default site is not changed by it.
  selectionner(reste ? 0 : -1, false);
  if (reste) {
    afficher_site(0, false);
  } else {
    nom_site_->clear();
    coordonnees_changees_ = false;
  }
  etats_boutons();
}

void PageOptions::coordonnee_changee() {
  coordonnees_changees_ = true;
  etats_boutons();
}

void PageOptions::hemisphere_change() {
  site_courant s = contexte_.session().site();
  signes_des_lettres(s);
  contexte_.session().poser_site(s);
  coordonnee_changee();
}

void PageOptions::champs_modifies() {
  bool saisi = false;
  for (const EditionSpin* e : {lat_deg_, lat_min_, lat_sec_, lat_lettre_, lon_deg_, lon_min_, lon_sec_})
    saisi = saisi || e->modifie();
  saisi = saisi || (lon_lettre_->modifie() && !nom_site_->isModified() && !enregistrer_->isEnabled());
  coordonnees_changees_ = saisi;
  etats_boutons();
}

void PageOptions::prendre_site_saisi() {
  site_courant s = contexte_.session().site();
  s.latitude = lat_deg_->position() + lat_min_->position() / 60.0L + lat_sec_->position() / 3600.0L;
  s.longitude = lon_deg_->position() + lon_min_->position() / 60.0L + lon_sec_->position() / 3600.0L;
  signes_des_lettres(s);
  contexte_.session().poser_site(s);
}

bool PageOptions::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::MouseButtonPress) prendre_site_saisi();
  return Page::eventFilter(objet, evenement);
}

}  // namespace almanax::ihm
