#include "ihm/pages/page_cometes.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <utility>

#include "calcul/validation.h"
#include "donnees/cometes.h"
#include "donnees/villes.h"
#include "ihm/controles/boite_rapport.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"

namespace almanax::ihm {

namespace {

// The first tab stop of the report box, in points.
constexpr int tabulation_rccom = 130;

QLineEdit* edition(const char* nom, const QString& texte, filtre genre, QWidget* parent) {
  auto* e = new QLineEdit(texte, parent);
  e->setObjectName(QString::fromLatin1(nom));
  FiltreTouches::installer(e, genre);
  return e;
}

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

PageCometes::PageCometes(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("tcomete"), QStringLiteral("Comètes"), QStringLiteral("12-cometes"), parent),
      date_({"jour_com", "up_jour_com", "mois_com", "up_mois_com", "an_com", "up_an_com"}, {31, 10, 1989}, true, this) {
  // ---- The elements --------------------------------------------------------------------
  tcomjour_ = edition("tcomjour", QStringLiteral("20,29104"), filtre::reel, this);
  tcommois_ = edition("tcommois", QStringLiteral("8"), filtre::chiffres, this);
  tcoman_ = edition("tcoman", QStringLiteral("1989"), filtre::annee, this);
  expliquer_annee(tcoman_, numerotation_annees::astronomique);
  eqcom_ = edition("eqcom", QStringLiteral("1,3245017"), filtre::reel, this);
  eicom_ = edition("eicom", QStringLiteral("11,94051"), filtre::reel, this);
  eecom_ = edition("eecom", QStringLiteral("1"), filtre::reel, this);
  eomcom_ = edition("eomcom", QStringLiteral("186,27004"), filtre::reel, this);
  eom1com_ = edition("eom1com", QStringLiteral("334,72946"), filtre::reel, this);
  lnomcom_ = new QLabel(this);
  lnomcom_->setObjectName(QStringLiteral("lnomcom"));
  QFont gras = lnomcom_->font();
  gras.setBold(true);
  lnomcom_->setFont(gras);
  enomcomete_ = new QLineEdit(QStringLiteral("ENOMCOMETE"), this);
  enomcomete_->setObjectName(QStringLiteral("enomcomete"));
  enomcomete_->setVisible(false);

  auto* g_elements = groupe("gr_elements_com", QStringLiteral("Éléments orbitaux"), this);
  {
    auto* grille = new QGridLayout(g_elements);
    grille->setVerticalSpacing(3);
    grille->addWidget(lnomcom_, 0, 0, 1, 4);
    grille->addWidget(enomcomete_, 1, 0, 1, 4);
    const std::pair<const char*, QLineEdit*> lignes[] = {
        {"T (jour)", tcomjour_}, {"T (mois)", tcommois_}, {"T (année)", tcoman_}, {"q (UA)", eqcom_},
        {"i (°)", eicom_},       {"e", eecom_},           {"w (°)", eomcom_},     {"W (°)", eom1com_},
    };
    int rang = 0;
    const int largeur = fontMetrics().horizontalAdvance(QStringLiteral("00,0000000"));
    for (const auto& [legende, champ] : lignes) {
      champ->setMinimumWidth(largeur);
      auto* l = new QLabel(QString::fromUtf8(legende), g_elements);
      l->setBuddy(champ);
      grille->addWidget(l, 2 + rang % 4, (rang / 4) * 2, Qt::AlignRight);
      grille->addWidget(champ, 2 + rang % 4, (rang / 4) * 2 + 1);
      ++rang;
    }
    grille->setRowStretch(6, 1);
  }

  // ---- The catalogue ---------------------------------------------------------------------
  l_comete_ = new QListWidget(this);
  l_comete_->setObjectName(QStringLiteral("l_comete"));
  new_comete_ = bouton("new_comete", QStringLiteral("Nouveau"), this);
  Save_comete_ = bouton("Save_comete", QStringLiteral("Enregistrer"), this);
  modif_com_ = bouton("modif_com", QStringLiteral("Modifier"), this);
  BitBtn6_ = bouton("BitBtn6", QStringLiteral("Efface"), this);
  Save_comete_->setEnabled(false);
  modif_com_->setEnabled(false);
  auto* g_catalogue = groupe("gr_catalogue", QStringLiteral("Catalogue"), this);
  {
    auto* v = new QVBoxLayout(g_catalogue);
    v->addWidget(l_comete_, 1);
    auto* b = new QGridLayout;
    b->addWidget(new_comete_, 0, 0);
    b->addWidget(Save_comete_, 0, 1);
    b->addWidget(modif_com_, 1, 0);
    b->addWidget(BitBtn6_, 1, 1);
    v->addLayout(b);
  }

  // ---- Observation date, buttons -------------------------------------------------------------
  com_temps_ = selecteur_heure("com_temps", this);
  com_temps_->setTime(QTime(0, 0, 0));
  bt_comete_ = bouton("bt_comete", QStringLiteral("&OK"), this);
  BitBtn8_ = bouton("BitBtn8", QStringLiteral("&Maintenant"), this);
  auto* g_date = groupe("gr_date_com", QStringLiteral("Date d'observation"), this);
  {
    auto* grille = new QGridLayout(g_date);
    date_.disposer(grille, 0, nullptr);
    auto* l = new QLabel(QStringLiteral("Heure"), g_date);
    l->setBuddy(com_temps_);
    grille->addWidget(l, 1, 0, Qt::AlignRight);
    grille->addWidget(com_temps_, 1, 1, 1, 3);
    auto* b = new QHBoxLayout;
    b->addWidget(bt_comete_);
    b->addWidget(BitBtn8_);
    grille->addLayout(b, 2, 0, 1, 6);
  }

  // ---- Copy ------------------------------------------------------------------------------------
  auto* g_copier = groupe("copier_com", QStringLiteral("Copier"), this);
  c_com_n_ = case_a_cocher("c_com_n", QStringLiteral("Nom"), true, g_copier);
  c_com_dt_ = case_a_cocher("c_com_dt", QStringLiteral("Date et heure"), true, g_copier);
  c_com_el_ = case_a_cocher("c_com_el", QStringLiteral("Eléments orb."), true, g_copier);
  c_com_coor_ = case_a_cocher("c_com_coor", QStringLiteral("Coordonnées"), true, g_copier);
  copy_com_ = bouton("copy_com", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    grille->addWidget(c_com_n_, 0, 0);
    grille->addWidget(c_com_dt_, 1, 0);
    grille->addWidget(c_com_el_, 0, 1);
    grille->addWidget(c_com_coor_, 1, 1);
    grille->addWidget(copy_com_, 2, 0, 1, 2, Qt::AlignHCenter);
  }

  // ---- The report box -------------------------------------------------------------------------
  rccom_ = new BoiteRapport("rccom", tabulation_rccom, this);
  erase_com_ = bouton("erase_com", QStringLiteral("&Efface"), this);

  {
    auto* droite = new QVBoxLayout;
    droite->addWidget(g_date);
    droite->addWidget(g_copier);
    droite->addStretch(1);
    auto* haut = new QHBoxLayout;
    haut->addWidget(g_catalogue, 2);
    haut->addWidget(g_elements, 3);
    haut->addLayout(droite, 3);
    auto* bas = new QHBoxLayout;
    bas->addWidget(rccom_, 1);
    bas->addWidget(erase_com_, 0, Qt::AlignTop);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut, 3);
    page->addLayout(bas, 2);
  }

  // The date fields are built first and the name after the elements: Tab follows the
  // columns instead, so that Tab from a new comet's name reaches its elements.
  ordre_tabulation({l_comete_,    new_comete_,  Save_comete_, modif_com_, BitBtn6_,   enomcomete_, tcomjour_,
                    tcommois_,    tcoman_,      eqcom_,       eicom_,     eecom_,     eomcom_,     eom1com_,
                    date_.jour(), date_.mois(), date_.an(),   com_temps_, bt_comete_, BitBtn8_,    c_com_n_,
                    c_com_dt_,    c_com_el_,    c_com_coor_,  copy_com_,  rccom_,     erase_com_});

  // ---- Handlers ---------------------------------------------------------------------------------
  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PageCometes::up_an_comClick);
  connect(date_.jour(), &EditionSpin::quitte, this, [this] { contexte_.borner_dates(); });
  connect(date_.an(), &EditionSpin::quitte, this, [this] { contexte_.valider_annees(); });
  connect(bt_comete_, &QPushButton::clicked, this, &PageCometes::bt_cometeClick);
  connect(BitBtn8_, &QPushButton::clicked, this, &PageCometes::BitBtn8Click);
  connect(erase_com_, &QPushButton::clicked, this, &PageCometes::erase_comClick);
  connect(copy_com_, &QPushButton::clicked, this, &PageCometes::copy_comClick);
  connect(new_comete_, &QPushButton::clicked, this, &PageCometes::new_cometeClick);
  connect(Save_comete_, &QPushButton::clicked, this, &PageCometes::Save_cometeClick);
  connect(modif_com_, &QPushButton::clicked, this, &PageCometes::modif_comClick);
  connect(BitBtn6_, &QPushButton::clicked, this, &PageCometes::BitBtn6Click);
  connect(l_comete_, &QListWidget::currentRowChanged, this, [this] {
    if (!selection_programme_) l_cometeClick();
  });
  // A click on the comet already chosen changes no row, yet it leaves a new comet or
  // drops the edits, as choosing any comet does.
  connect(l_comete_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (l_comete_->row(item) == index_affiche_ && (Save_comete_->isEnabled() || modif_com_->isEnabled()))
      l_cometeClick();
  });
  for (QLineEdit* e : {tcomjour_, tcommois_, tcoman_, eqcom_, eicom_, eecom_, eomcom_, eom1com_, enomcomete_})
    connect(e, &QLineEdit::textEdited, this, &PageCometes::enomcometeChange);
  for (QLineEdit* e : {tcomjour_, tcommois_, tcoman_})
    connect(e, &QLineEdit::editingFinished, this, &PageCometes::tcomjourExit);
  // The name is entered in upper case.
  connect(enomcomete_, &QLineEdit::textEdited, this, [this](const QString& t) {
    const QString maj = t.toUpper();
    if (maj == t) return;
    const int p = enomcomete_->cursorPosition();
    enomcomete_->setText(maj);
    enomcomete_->setCursorPosition(p);
  });
}

PageCometes::~PageCometes() = default;

const QString& PageCometes::rapport() const {
  return rccom_->texte();
}

QWidget* PageCometes::bouton_calcul() const {
  return bt_comete_;
}

void PageCometes::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageCometes::poser_heure_de_demarrage(const QTime& heure) {
  com_temps_->setTime(heure);
}

QLineEdit* PageCometes::champ(champ_comete c) const {
  switch (c) {
    case champ_comete::jour_perihelie:
      return tcomjour_;
    case champ_comete::mois_perihelie:
      return tcommois_;
    case champ_comete::annee_perihelie:
      return tcoman_;
    case champ_comete::distance_perihelie:
      return eqcom_;
    case champ_comete::inclinaison:
      return eicom_;
    case champ_comete::excentricite:
      return eecom_;
    case champ_comete::argument_perihelie:
      return eomcom_;
    case champ_comete::longitude_noeud:
      return eom1com_;
  }
  return eecom_;
}

textes_comete PageCometes::textes() const {
  auto t = [](const QLineEdit* e) { return e->text().trimmed().toStdString(); };
  textes_comete r;
  r.T_annee = t(tcoman_);
  r.T_mois = t(tcommois_);
  r.T_jour = t(tcomjour_);
  r.q = t(eqcom_);
  r.i = t(eicom_);
  r.e = t(eecom_);
  r.w = t(eomcom_);
  r.W = t(eom1com_);
  return r;
}

void PageCometes::poser_textes(const textes_comete& t) {
  tcoman_->setText(q(t.T_annee));
  tcommois_->setText(q(t.T_mois));
  tcomjour_->setText(q(t.T_jour));
  eqcom_->setText(q(t.q));
  eecom_->setText(q(t.e));
  eomcom_->setText(q(t.w));
  eom1com_->setText(q(t.W));
  eicom_->setText(q(t.i));
}

void PageCometes::charger_cometes(const QString& dossier, long long index_defaut, bool creer_si_absent) {
  catalogue_ = std::make_unique<fichier_cometes>(dossier);
  const chargement_cometes c = catalogue_->charger(creer_si_absent);
  if (!c.erreur.empty()) contexte_.messages().erreur(q(c.erreur), QStringLiteral("Catalogue des comètes"));
  const std::optional<std::size_t> i = index_par_defaut(index_defaut, catalogue_->taille());
  // An index beyond the list (comets deleted elsewhere) designates the first comet.
  index_defaut_ = i ? static_cast<long long>(*i) : 0;
  remplir_liste(i ? static_cast<int>(*i) : -1);
  if (i) {
    signaler_defaut(index_defaut_);
    bt_l_cometeClick();
  }
  modif_com_->setEnabled(false);
}

void PageCometes::remplir_liste(int selection) {
  selection_programme_ = true;
  l_comete_->clear();
  if (catalogue_)
    for (const comete& c : catalogue_->cometes()) l_comete_->addItem(q(c.nom));
  l_comete_->setCurrentRow(selection);
  selection_programme_ = false;
}

void PageCometes::signaler_defaut(long long index) {
  index_defaut_ = index;
  QString nom;
  if (catalogue_ && index >= 0 && static_cast<std::size_t>(index) < catalogue_->taille())
    nom = q(catalogue_->cometes()[static_cast<std::size_t>(index)].nom);
  emit cometeParDefaut(index, nom);
}

arbitre_conflit PageCometes::arbitre() {
  return [this](const std::string& question, const std::string& titre) {
    return contexte_.messages().confirmer(q(question), q(titre));
  };
}

std::optional<std::string> PageCometes::nom_comete_defaut() const {
  if (!catalogue_ || index_defaut_ < 0 || static_cast<std::size_t>(index_defaut_) >= catalogue_->taille())
    return std::nullopt;
  return catalogue_->cometes()[static_cast<std::size_t>(index_defaut_)].nom;
}

void PageCometes::suivre_comete_defaut(const std::optional<std::string>& nom, long long repli) {
  long long k = repli;
  bool trouvee = false;
  if (catalogue_ && nom)
    for (std::size_t i = 0; i < catalogue_->taille() && !trouvee; ++i)
      if (catalogue_->cometes()[i].nom == *nom) {
        k = static_cast<long long>(i);
        trouvee = true;
      }
  // Said again when the comet designated changed, even at the same index.
  if (k != index_defaut_ || (nom && !trouvee)) signaler_defaut(k);
}

void PageCometes::signaler(const refus_comete& refus) {
  // The text typed stays, selected, for the user to mend.
  QLineEdit* fautif = champ(refus.champs.front());
  QString message = q(refus.message);
  // Elements just read from the catalogue: the user is told where the damaged line is.
  if (lecture_catalogue_ && catalogue_ && index_affiche_ >= 0 &&
      static_cast<std::size_t>(index_affiche_) < catalogue_->taille()) {
    const comete& c = catalogue_->cometes()[static_cast<std::size_t>(index_affiche_)];
    message += QStringLiteral("\n\nComète « %1 » du fichier « %2 », ligne %3, élément %4.")
                   .arg(q(c.nom), QDir::toNativeSeparators(catalogue_->chemin()), QString::number(c.ligne),
                        q(libelle_champ(refus.champs.front())));
  }
  contexte_.messages().erreur(message, q(refus.titre));
  fautif->setFocus();
  fautif->selectAll();
}

QLineEdit* PageCometes::champ_vide() const {
  for (QLineEdit* e : {tcomjour_, tcommois_, tcoman_, eqcom_, eicom_, eecom_, eomcom_, eom1com_})
    if (e->text().trimmed().isEmpty()) return e;
  return nullptr;
}

void PageCometes::bt_cometeClick() {
  const lecture_comete l = lire_elements_comete(textes());
  if (l.refus) {
    signaler(*l.refus);
    return;
  }
  entree_comete e;
  e.elements = *l.elements;
  e.observation = date_.instant_a_calculer(com_temps_);
  e.nom = lnomcom_->text().toStdString();
  e.separateur = QLocale().decimalPoint().toStdString();
  const resultat_comete r = calcul_comete(e);
  if (const std::optional<refus_comete> refus = refus_resultat(e, r)) {
    signaler(*refus);
    return;
  }
  resultat_ = r;
  calcule_ = resultat_->observation;
  rccom_->ajouter(q(resultat_->bloc));
}

void PageCometes::bt_l_cometeClick() {
  enomcomete_->setVisible(false);
  const int k = l_comete_->currentRow();
  if (!catalogue_ || k < 0 || static_cast<std::size_t>(k) >= catalogue_->taille()) return;
  const comete& c = catalogue_->cometes()[static_cast<std::size_t>(k)];
  if (choix_par_defaut_()) signaler_defaut(k);
  index_affiche_ = k;
  lnomcom_->setText(q(c.nom));
  poser_textes(textes_de(c.donnees));
  Save_comete_->setEnabled(false);
  lecture_catalogue_ = true;
  bt_cometeClick();
  lecture_catalogue_ = false;
}

void PageCometes::l_cometeClick() {
  // Pending edits of the comet shown are dropped.
  modif_com_->setEnabled(false);
  bt_l_cometeClick();
}

void PageCometes::new_cometeClick() {
  enomcomete_->setText(QStringLiteral("COMÈTE"));
  enomcomete_->setVisible(true);
  for (QLineEdit* e : {tcomjour_, tcommois_, tcoman_, eqcom_, eicom_, eecom_, eomcom_, eom1com_}) e->clear();
  Save_comete_->setEnabled(true);
  modif_com_->setEnabled(false);
  enomcomete_->setFocus();
  enomcomete_->selectAll();
}

void PageCometes::enomcometeChange() {
  bool modifie = false;
  for (QLineEdit* e : {tcomjour_, tcommois_, tcoman_, eqcom_, eicom_, eecom_, eomcom_, eom1com_, enomcomete_})
    modifie = modifie || e->isModified();
  if (!modifie) {
    modif_com_->setEnabled(false);
    return;
  }
  // A new comet is saved with "Enregistrer"; without a comet shown there is nothing to modify.
  if (Save_comete_->isEnabled() || index_affiche_ < 0) return;
  modif_com_->setEnabled(true);
}

bool PageCometes::elements_enregistrables() {
  if (QLineEdit* vide = champ_vide()) {
    vide->setFocus();
    return false;
  }
  // Only numbers are written into the catalogue; e = 0 is kept as the catalogue has
  // always accepted it, though such a comet is not computed.
  textes_comete t = textes();
  const std::optional<long double> e = reel_du_texte(t.e);
  if (e && *e == 0) t.e = "0,5";
  const lecture_comete l = lire_elements_comete(t);
  if (l.refus) {
    signaler(*l.refus);
    return false;
  }
  // Elements that give no position are not written either.
  entree_comete essai;
  essai.elements = *l.elements;
  essai.observation = date_.instant_a_calculer(com_temps_);
  if (const std::optional<refus_comete> refus = refus_resultat(essai, calcul_comete(essai))) {
    signaler(*refus);
    return false;
  }
  return true;
}

void PageCometes::Save_cometeClick() {
  if (!catalogue_) return;
  const QString nom = enomcomete_->text().trimmed();
  if (nom.isEmpty()) {
    contexte_.messages().erreur(QStringLiteral("Veuillez donner un nom à la comète."),
                                QStringLiteral("Nom de comète absent"));
    enomcomete_->setFocus();
    return;
  }
  if (!elements_enregistrables()) return;
  const std::optional<std::string> defaut = nom_comete_defaut();
  const operation_cometes op = catalogue_->ajouter(nom.toStdString(), textes(), arbitre());
  if (!op.reussie) {
    contexte_.messages().erreur(q(op.message), q(op.titre));
    if (op.doublon) {
      enomcomete_->setFocus();
      enomcomete_->selectAll();
    }
    return;
  }
  enomcomete_->setVisible(false);
  lnomcom_->setText(nom);
  // The default comet stays the same comet, wherever the insertion moved it; choosing
  // the new one here does not make it the default.
  if (catalogue_->taille() == 1)
    signaler_defaut(0);
  else
    suivre_comete_defaut(defaut, index_defaut_);
  remplir_liste(static_cast<int>(op.index));
  const std::function<bool()> choix = std::exchange(choix_par_defaut_, [] { return false; });
  bt_l_cometeClick();
  choix_par_defaut_ = choix;
  Save_comete_->setEnabled(false);
}

void PageCometes::modif_comClick() {
  if (!catalogue_ || index_affiche_ < 0) return;
  if (champ_vide()) {
    modif_com_->setEnabled(false);
    return;
  }
  if (!elements_enregistrables()) return;
  const std::optional<std::string> defaut = nom_comete_defaut();
  const operation_cometes op = catalogue_->modifier(static_cast<std::size_t>(index_affiche_), textes(), arbitre());
  if (!op.reussie) {
    contexte_.messages().erreur(q(op.message), q(op.titre));
    return;
  }
  if (op.relue) {
    // The catalogue had changed elsewhere: the list shown is the one now stored, and
    // the comet shown is the one stored under that name.
    suivre_comete_defaut(defaut, 0);
    const bool vide = catalogue_->taille() == 0;
    remplir_liste(vide ? -1 : static_cast<int>(op.index));
    index_affiche_ = -1;
    if (vide) {
      lnomcom_->clear();
    } else {
      const std::function<bool()> choix = std::exchange(choix_par_defaut_, [] { return false; });
      bt_l_cometeClick();
      choix_par_defaut_ = choix;
    }
  }
  for (QLineEdit* e : {tcomjour_, tcommois_, tcoman_, eqcom_, eicom_, eecom_, eomcom_, eom1com_}) e->setModified(false);
  modif_com_->setEnabled(false);
}

void PageCometes::BitBtn6Click() {
  const int k = l_comete_->currentRow();
  if (!catalogue_ || k < 0) return;
  if (!contexte_.messages().confirmer(QStringLiteral("Voulez-vous vraiment supprimer cette comète ?"),
                                      QStringLiteral("Confirmation ou infirmation avant suppression ")))
    return;
  const std::optional<std::string> defaut = nom_comete_defaut();
  const operation_cometes op = catalogue_->supprimer(static_cast<std::size_t>(k), arbitre());
  if (!op.reussie) {
    contexte_.messages().erreur(q(op.message), q(op.titre));
    return;
  }
  // The default comet stays the same comet; when it is the one deleted, the first.
  if (defaut || k == index_defaut_) suivre_comete_defaut(defaut, 0);
  index_affiche_ = -1;
  remplir_liste(catalogue_->taille() > 0 ? 0 : -1);
  if (catalogue_->taille() > 0) {
    bt_l_cometeClick();
  } else {
    lnomcom_->clear();
    signaler_defaut(0);
  }
  modif_com_->setEnabled(false);
}

void PageCometes::tcomjourExit() {
  const std::optional<long double> jour = reel_du_texte(tcomjour_->text().toStdString());
  const std::optional<int> mois = entier_du_texte(tcommois_->text().toStdString());
  const std::optional<int> annee = entier_du_texte(tcoman_->text().toStdString());
  if (!jour || !mois || !annee) return;
  // The same checks refuse the date again on "&OK", "Enregistrer" and "Modifier".
  if (const std::optional<refus_comete> refus = refus_passage(*jour, *mois, *annee)) {
    contexte_.messages().erreur(q(refus->message), q(refus->titre));
    champ(refus->champs.front())->setFocus();
  }
}

void PageCometes::up_an_comClick(sens_pas sens) {
  date_.normaliser(sens);
  bt_cometeClick();
}

void PageCometes::BitBtn8Click() {
  maintenant(com_temps_);
}

void PageCometes::erase_comClick() {
  rccom_->vider();
}

void PageCometes::copy_comClick() {
  cases_comete cases;
  cases.nom = c_com_n_->isChecked();
  cases.date_heure = c_com_dt_->isChecked();
  cases.elements = c_com_el_->isChecked();
  cases.coordonnees = c_com_coor_->isChecked();
  // The instant of the values shown; before any computation, the fields.
  const instant_saisi instant = calcule_ ? *calcule_ : date_.instant_a_calculer(com_temps_);
  const std::string rapport = copie_comete(lnomcom_->text().toStdString(), champs_bloc_date_de(instant), textes(),
                                           rccom_->texte().toStdString(), cases);
  if (!rapport.empty()) contexte_.ajouter_rapport(q(rapport));
}

std::vector<annee_a_valider> PageCometes::annees_a_valider() const {
  return {annee(champ_annee::comete_observation, date_.an(), QStringLiteral("Année de la date d'observation"))};
}

}  // namespace almanax::ihm
