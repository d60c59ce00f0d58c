#include "ihm/pages/page_cometes.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <utility>

#include "calcul/validation.h"
#include "donnees/cometes.h"
#include "donnees/import_cometes.h"
#include "donnees/session.h"
#include "ihm/contexte.h"
#include "ihm/controles/boite_rapport.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"
#include "ihm/pages/mention_heure.h"

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
  jour_passage_ = edition("tcomjour", QStringLiteral("20,29104"), filtre::reel, this);
  mois_passage_ = edition("tcommois", QStringLiteral("8"), filtre::chiffres, this);
  an_passage_ = edition("tcoman", QStringLiteral("1989"), filtre::annee, this);
  expliquer_annee(an_passage_, numerotation_annees::astronomique);
  q_ = edition("eqcom", QStringLiteral("1,3245017"), filtre::reel, this);
  i_ = edition("eicom", QStringLiteral("11,94051"), filtre::reel, this);
  e_ = edition("eecom", QStringLiteral("1"), filtre::reel, this);
  w_ = edition("eomcom", QStringLiteral("186,27004"), filtre::reel, this);
  noeud_ = edition("eom1com", QStringLiteral("334,72946"), filtre::reel, this);
  nom_comete_ = new QLabel(this);
  nom_comete_->setObjectName(QStringLiteral("lnomcom"));
  QFont gras = nom_comete_->font();
  gras.setBold(true);
  nom_comete_->setFont(gras);
  nom_nouvelle_ = new QLineEdit(QStringLiteral("ENOMCOMETE"), this);
  nom_nouvelle_->setObjectName(QStringLiteral("enomcomete"));
  nom_nouvelle_->setVisible(false);

  auto* g_elements = groupe("gr_elements_com", QStringLiteral("Éléments orbitaux"), this);
  {
    auto* grille = new QGridLayout(g_elements);
    grille->setVerticalSpacing(3);
    grille->addWidget(nom_comete_, 0, 0, 1, 4);
    grille->addWidget(nom_nouvelle_, 1, 0, 1, 4);
    const std::pair<const char*, QLineEdit*> lignes[] = {
        {"T (jour)", jour_passage_},
        {"T (mois)", mois_passage_},
        {"T (année)", an_passage_},
        {"q (UA)", q_},
        {"i (°)", i_},
        {"e", e_},
        {"w (°)", w_},
        {"W (°)", noeud_},
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
    age_elements_ = new QLabel(g_elements);
    age_elements_->setObjectName(QStringLiteral("age_elements"));
    age_elements_->setWordWrap(true);
    grille->addWidget(age_elements_, 6, 0, 1, 4);
    grille->setRowStretch(7, 1);
  }

  // ---- The catalogue ---------------------------------------------------------------------
  liste_cometes_ = new QListView(this);
  liste_cometes_->setObjectName(QStringLiteral("l_comete"));
  liste_cometes_->setModel(&catalogue());
  liste_cometes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  nouvelle_ = bouton("new_comete", QStringLiteral("Nouveau"), this);
  enregistrer_ = bouton("Save_comete", QStringLiteral("Enregistrer"), this);
  modifier_ = bouton("modif_com", QStringLiteral("Modifier"), this);
  supprimer_ = bouton("BitBtn6", QStringLiteral("Efface"), this);
  importer_ = bouton("importer_cometes", QStringLiteral("Importer…"), this);
  importer_->setToolTip(
      QStringLiteral("Ajoute les comètes d'un fichier d'éléments du Minor Planet Center (format de CometEls.txt)"));
  enregistrer_->setEnabled(false);
  modifier_->setEnabled(false);
  auto* g_catalogue = groupe("gr_catalogue", QStringLiteral("Catalogue"), this);
  {
    auto* v = new QVBoxLayout(g_catalogue);
    v->addWidget(liste_cometes_, 1);
    auto* b = new QGridLayout;
    b->addWidget(nouvelle_, 0, 0);
    b->addWidget(enregistrer_, 0, 1);
    b->addWidget(modifier_, 1, 0);
    b->addWidget(supprimer_, 1, 1);
    b->addWidget(importer_, 2, 0, 1, 2);
    v->addLayout(b);
  }

  // ---- Observation date, buttons -------------------------------------------------------------
  heure_ = selecteur_heure("com_temps", this);
  heure_->setTime(QTime(0, 0, 0));
  calculer_ = bouton("bt_comete", QStringLiteral("&OK"), this);
  maintenant_ = bouton("BitBtn8", QStringLiteral("&Maintenant"), this);
  auto* g_date = groupe("gr_date_com", QStringLiteral("Date d'observation"), this);
  {
    auto* grille = new QGridLayout(g_date);
    date_.disposer(grille, 0, nullptr);
    auto* l = new QLabel(QStringLiteral("Heure"), g_date);
    l->setBuddy(heure_);
    grille->addWidget(l, 1, 0, Qt::AlignRight);
    grille->addWidget(heure_, 1, 1, 1, 3);
    auto* b = new QHBoxLayout;
    b->addWidget(calculer_);
    b->addWidget(maintenant_);
    grille->addLayout(b, 2, 0, 1, 6);
    mention_ = etiquette_mention(g_date);
    grille->addWidget(mention_, 3, 0, 1, 6);
  }

  // ---- Copy ------------------------------------------------------------------------------------
  auto* g_copier = groupe("copier_com", QStringLiteral("Copier"), this);
  copie_nom_ = case_a_cocher("c_com_n", QStringLiteral("Nom"), true, g_copier);
  copie_date_ = case_a_cocher("c_com_dt", QStringLiteral("Date et heure"), true, g_copier);
  copie_elements_ = case_a_cocher("c_com_el", QStringLiteral("Eléments orb."), true, g_copier);
  copie_coordonnees_ = case_a_cocher("c_com_coor", QStringLiteral("Coordonnées"), true, g_copier);
  copier_ = bouton("copy_com", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    grille->addWidget(copie_nom_, 0, 0);
    grille->addWidget(copie_date_, 1, 0);
    grille->addWidget(copie_elements_, 0, 1);
    grille->addWidget(copie_coordonnees_, 1, 1);
    grille->addWidget(copier_, 2, 0, 1, 2, Qt::AlignHCenter);
  }

  // ---- The report box -------------------------------------------------------------------------
  rapport_ = new BoiteRapport("rccom", tabulation_rccom, this);
  effacer_ = bouton("erase_com", QStringLiteral("&Efface"), this);

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
    bas->addWidget(rapport_, 1);
    bas->addWidget(effacer_, 0, Qt::AlignTop);
    auto* page = new QVBoxLayout(this);
    page->addLayout(haut, 3);
    page->addLayout(bas, 2);
  }

  // The date fields are built first and the name after the elements: Tab follows the
  // columns instead, so that Tab from a new comet's name reaches its elements.
  ordre_tabulation({liste_cometes_,
                    nouvelle_,
                    enregistrer_,
                    modifier_,
                    supprimer_,
                    importer_,
                    nom_nouvelle_,
                    jour_passage_,
                    mois_passage_,
                    an_passage_,
                    q_,
                    i_,
                    e_,
                    w_,
                    noeud_,
                    date_.jour(),
                    date_.mois(),
                    date_.an(),
                    heure_,
                    calculer_,
                    maintenant_,
                    copie_nom_,
                    copie_date_,
                    copie_elements_,
                    copie_coordonnees_,
                    copier_,
                    rapport_,
                    effacer_});

  // ---- Handlers ---------------------------------------------------------------------------------
  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PageCometes::date_changee);
  connect(date_.jour(), &EditionSpin::quitte, this, [this] { contexte_.borner_dates(); });
  connect(date_.an(), &EditionSpin::quitte, this, [this] { contexte_.valider_annees(); });
  connect(calculer_, &QPushButton::clicked, this, &PageCometes::calculer_comete);
  connect(maintenant_, &QPushButton::clicked, this, &PageCometes::mettre_a_maintenant);
  connect(effacer_, &QPushButton::clicked, this, &PageCometes::effacer_rapport);
  connect(copier_, &QPushButton::clicked, this, &PageCometes::copier_rapport);
  connect(nouvelle_, &QPushButton::clicked, this, &PageCometes::nouvelle_comete);
  connect(enregistrer_, &QPushButton::clicked, this, &PageCometes::enregistrer_comete);
  connect(modifier_, &QPushButton::clicked, this, &PageCometes::modifier_comete);
  connect(supprimer_, &QPushButton::clicked, this, &PageCometes::supprimer_comete);
  connect(importer_, &QPushButton::clicked, this, &PageCometes::importer_cometes);
  connect(liste_cometes_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    if (!selection_programme_) choisir_comete();
  });
  // A click on the comet already chosen changes no row, yet it leaves a new comet or
  // drops the edits, as choosing any comet does.
  connect(liste_cometes_, &QListView::clicked, this, [this](const QModelIndex& ligne) {
    if (ligne.row() == index_affiche_ && (enregistrer_->isEnabled() || modifier_->isEnabled())) choisir_comete();
  });
  connect(&catalogue(), &ModeleCometes::charge, this, &PageCometes::catalogue_charge);
  for (QLineEdit* e : {jour_passage_, mois_passage_, an_passage_, q_, i_, e_, w_, noeud_, nom_nouvelle_})
    connect(e, &QLineEdit::textEdited, this, &PageCometes::elements_modifies);
  for (QLineEdit* e : {jour_passage_, mois_passage_, an_passage_})
    connect(e, &QLineEdit::editingFinished, this, &PageCometes::verifier_passage);
  // The name is entered in upper case.
  connect(nom_nouvelle_, &QLineEdit::textEdited, this, [this](const QString& t) {
    const QString maj = t.toUpper();
    if (maj == t) return;
    const int p = nom_nouvelle_->cursorPosition();
    nom_nouvelle_->setText(maj);
    nom_nouvelle_->setCursorPosition(p);
  });
}

PageCometes::~PageCometes() = default;

const QString& PageCometes::rapport() const {
  return rapport_->texte();
}

QWidget* PageCometes::bouton_calcul() const {
  return calculer_;
}

void PageCometes::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageCometes::poser_heure_de_demarrage(const QTime& heure) {
  heure_->setTime(heure);
}

QLineEdit* PageCometes::champ(champ_comete c) const {
  switch (c) {
    case champ_comete::jour_perihelie:
      return jour_passage_;
    case champ_comete::mois_perihelie:
      return mois_passage_;
    case champ_comete::annee_perihelie:
      return an_passage_;
    case champ_comete::distance_perihelie:
      return q_;
    case champ_comete::inclinaison:
      return i_;
    case champ_comete::excentricite:
      return e_;
    case champ_comete::argument_perihelie:
      return w_;
    case champ_comete::longitude_noeud:
      return noeud_;
  }
  return e_;
}

textes_comete PageCometes::textes() const {
  auto t = [](const QLineEdit* e) { return e->text().trimmed().toStdString(); };
  textes_comete r;
  r.T_annee = t(an_passage_);
  r.T_mois = t(mois_passage_);
  r.T_jour = t(jour_passage_);
  r.q = t(q_);
  r.i = t(i_);
  r.e = t(e_);
  r.w = t(w_);
  r.W = t(noeud_);
  return r;
}

void PageCometes::poser_textes(const textes_comete& t) {
  an_passage_->setText(q(t.T_annee));
  mois_passage_->setText(q(t.T_mois));
  jour_passage_->setText(q(t.T_jour));
  q_->setText(q(t.q));
  e_->setText(q(t.e));
  w_->setText(q(t.w));
  noeud_->setText(q(t.W));
  i_->setText(q(t.i));
}

ModeleCometes& PageCometes::catalogue() const {
  return contexte_.session().cometes();
}

void PageCometes::catalogue_charge() {
  if (catalogue().fichier())
    liste_cometes_->setToolTip(QStringLiteral("Catalogue des comètes : %1").arg(catalogue().fichier()->chemin()));
  const std::optional<std::size_t> i = catalogue().ligne_defaut();
  selectionner(i ? static_cast<int>(*i) : -1);
  if (i) afficher_comete_choisie();
  modifier_->setEnabled(false);
}

int PageCometes::ligne_choisie() const {
  const QModelIndex i = liste_cometes_->currentIndex();
  return i.isValid() ? i.row() : -1;
}

void PageCometes::selectionner(int ligne) {
  selection_programme_ = true;
  liste_cometes_->setCurrentIndex(catalogue().index(ligne, 0));
  selection_programme_ = false;
}

arbitre_conflit PageCometes::arbitre() {
  return [this](const std::string& question, const std::string& titre) {
    return contexte_.messages().confirmer(q(question), q(titre));
  };
}

void PageCometes::signaler(const refus_comete& refus) {
  // The text typed stays, selected, for the user to mend.
  QLineEdit* fautif = champ(refus.champs.front());
  QString message = q(refus.message);
  // Elements just read from the catalogue: the user is told where the damaged line is.
  if (lecture_catalogue_ && catalogue().fichier() && index_affiche_ >= 0 &&
      static_cast<std::size_t>(index_affiche_) < catalogue().taille()) {
    const comete& c = catalogue().cometes()[static_cast<std::size_t>(index_affiche_)];
    message += QStringLiteral("\n\nComète « %1 » du fichier « %2 », ligne %3, élément %4.")
                   .arg(q(c.nom), QDir::toNativeSeparators(catalogue().fichier()->chemin()), QString::number(c.ligne),
                        q(libelle_champ(refus.champs.front())));
  }
  contexte_.messages().erreur(message, q(refus.titre));
  fautif->setFocus();
  fautif->selectAll();
}

QLineEdit* PageCometes::champ_vide() const {
  for (QLineEdit* e : {jour_passage_, mois_passage_, an_passage_, q_, i_, e_, w_, noeud_})
    if (e->text().trimmed().isEmpty()) return e;
  return nullptr;
}

void PageCometes::calculer_comete() {
  const lecture_comete l = lire_elements_comete(textes());
  if (l.refus) {
    signaler(*l.refus);
    return;
  }
  entree_comete e;
  e.elements = *l.elements;
  e.observation = date_.instant_a_calculer(heure_);
  e.nom = nom_comete_->text().toStdString();
  e.separateur = QLocale().decimalPoint().toStdString();
  e.echelle = contexte_.session().echelle();
  const resultat_comete r = calcul_comete(e);
  if (const std::optional<refus_comete> refus = refus_resultat(e, r)) {
    signaler(*refus);
    return;
  }
  resultat_ = r;
  calcule_ = resultat_->observation;
  age_elements_->setText(q(resultat_->age_elements));
  montrer_mention(mention_, resultat_->mention);
  rapport_->ajouter(q(resultat_->bloc));
}

void PageCometes::afficher_comete_choisie(bool choisir_defaut) {
  nom_nouvelle_->setVisible(false);
  const int k = ligne_choisie();
  if (k < 0 || static_cast<std::size_t>(k) >= catalogue().taille()) return;
  const comete& c = catalogue().cometes()[static_cast<std::size_t>(k)];
  if (choisir_defaut && contexte_.session().choix_comete_par_defaut())
    catalogue().choisir_defaut(static_cast<std::size_t>(k));
  index_affiche_ = k;
  nom_comete_->setText(q(c.nom));
  poser_textes(textes_de(c.donnees));
  enregistrer_->setEnabled(false);
  lecture_catalogue_ = true;
  calculer_comete();
  lecture_catalogue_ = false;
}

void PageCometes::choisir_comete() {
  // Pending edits of the comet shown are dropped.
  modifier_->setEnabled(false);
  afficher_comete_choisie();
}

void PageCometes::nouvelle_comete() {
  nom_nouvelle_->setText(QStringLiteral("COMÈTE"));
  nom_nouvelle_->setVisible(true);
  for (QLineEdit* e : {jour_passage_, mois_passage_, an_passage_, q_, i_, e_, w_, noeud_}) e->clear();
  enregistrer_->setEnabled(true);
  modifier_->setEnabled(false);
  nom_nouvelle_->setFocus();
  nom_nouvelle_->selectAll();
}

void PageCometes::elements_modifies() {
  bool modifie = false;
  for (QLineEdit* e : {jour_passage_, mois_passage_, an_passage_, q_, i_, e_, w_, noeud_, nom_nouvelle_})
    modifie = modifie || e->isModified();
  if (!modifie) {
    modifier_->setEnabled(false);
    return;
  }
  // A new comet is saved with "Enregistrer"; without a comet shown there is nothing to modify.
  if (enregistrer_->isEnabled() || index_affiche_ < 0) return;
  modifier_->setEnabled(true);
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
  essai.observation = date_.instant_a_calculer(heure_);
  if (const std::optional<refus_comete> refus = refus_resultat(essai, calcul_comete(essai))) {
    signaler(*refus);
    return false;
  }
  return true;
}

void PageCometes::enregistrer_comete() {
  if (!catalogue().fichier()) return;
  const QString nom = nom_nouvelle_->text().trimmed();
  if (nom.isEmpty()) {
    contexte_.messages().erreur(QStringLiteral("Veuillez donner un nom à la comète."),
                                QStringLiteral("Nom de comète absent"));
    nom_nouvelle_->setFocus();
    return;
  }
  if (!elements_enregistrables()) return;
  selection_programme_ = true;
  const operation_cometes op = catalogue().ajouter(nom.toStdString(), textes(), arbitre());
  selection_programme_ = false;
  if (!op.reussie) {
    contexte_.messages().erreur(q(op.message), q(op.titre));
    if (op.doublon) {
      nom_nouvelle_->setFocus();
      nom_nouvelle_->selectAll();
    }
    return;
  }
  nom_nouvelle_->setVisible(false);
  nom_comete_->setText(nom);
  // The default comet stays the same comet, wherever the insertion moved it (the session
  // sees to it); choosing the new one here does not make it the default.
  selectionner(static_cast<int>(op.index));
  afficher_comete_choisie(false);
  enregistrer_->setEnabled(false);
}

void PageCometes::modifier_comete() {
  if (!catalogue().fichier() || index_affiche_ < 0) return;
  if (champ_vide()) {
    modifier_->setEnabled(false);
    return;
  }
  if (!elements_enregistrables()) return;
  selection_programme_ = true;
  const operation_cometes op = catalogue().modifier(static_cast<std::size_t>(index_affiche_), textes(), arbitre());
  selection_programme_ = false;
  if (!op.reussie) {
    contexte_.messages().erreur(q(op.message), q(op.titre));
    return;
  }
  if (op.relue) {
    // The catalogue had changed elsewhere: the list shown is the one now stored, and
    // the comet shown is the one stored under that name.
    const bool vide = catalogue().taille() == 0;
    selectionner(vide ? -1 : static_cast<int>(op.index));
    index_affiche_ = -1;
    if (vide)
      nom_comete_->clear();
    else
      afficher_comete_choisie(false);
  }
  for (QLineEdit* e : {jour_passage_, mois_passage_, an_passage_, q_, i_, e_, w_, noeud_}) e->setModified(false);
  modifier_->setEnabled(false);
}

void PageCometes::supprimer_comete() {
  const int k = ligne_choisie();
  if (!catalogue().fichier() || k < 0) return;
  if (!contexte_.messages().confirmer(QStringLiteral("Voulez-vous vraiment supprimer cette comète ?"),
                                      QStringLiteral("Confirmation ou infirmation avant suppression ")))
    return;
  selection_programme_ = true;
  const operation_cometes op = catalogue().supprimer(static_cast<std::size_t>(k), arbitre());
  selection_programme_ = false;
  if (!op.reussie) {
    contexte_.messages().erreur(q(op.message), q(op.titre));
    return;
  }
  // The default comet stays the same comet; when it is the one deleted, the first (the
  // session sees to it). The first comet is then shown, and chosen.
  index_affiche_ = -1;
  selectionner(catalogue().taille() > 0 ? 0 : -1);
  if (catalogue().taille() > 0)
    afficher_comete_choisie();
  else
    nom_comete_->clear();
  modifier_->setEnabled(false);
}

void PageCometes::importer_cometes() {
  if (!catalogue().fichier()) return;
  const std::optional<QString> chemin = contexte_.dialogues().fichier_a_ouvrir(
      this, QStringLiteral("Importer des comètes"),
      QStringLiteral("Éléments de comètes (*.txt *.dat);;Tous les fichiers (*)"));
  if (!chemin) return;
  const QString titre = QStringLiteral("Importer des comètes");
  const lecture_import lu = lire_fichier_import_cometes(*chemin);
  if (!lu.erreur.empty()) {
    contexte_.messages().erreur(q(lu.erreur), titre);
    return;
  }
  if (!lu.refusees.empty()) {
    contexte_.messages().erreur(
        QStringLiteral("Rien n'a été importé : %1.\n\n%2")
            .arg(q(texte_lignes_illisibles(lu.refusees.size())), q(texte_lignes_refusees(lu.refusees))),
        titre);
    return;
  }
  // A first try that writes nothing tells which names the catalogue already has.
  selection_programme_ = true;
  bilan_import b = catalogue().importer(lu.cometes, doublons_import::annuler);
  if (!b.reussi && !b.conflits.empty()) {
    QString noms;
    for (std::size_t k = 0; k < b.conflits.size() && k < 10; ++k) noms += QStringLiteral("\n  ") + q(b.conflits[k]);
    if (b.conflits.size() > 10) noms += QStringLiteral("\n  …");
    const int choix = contexte_.messages().choisir(
        QStringLiteral("%1 comète(s) du fichier sont déjà au catalogue avec d'autres éléments :%2")
            .arg(b.conflits.size())
            .arg(noms),
        titre, {QStringLiteral("Tout remplacer"), QStringLiteral("Garder l'existant"), QStringLiteral("Annuler")});
    if (choix == 0 || choix == 1)
      b = catalogue().importer(lu.cometes, choix == 0 ? doublons_import::remplacer : doublons_import::garder);
    else
      b = {};
  }
  selection_programme_ = false;
  if (!b.reussi) {
    if (!b.message.empty()) contexte_.messages().erreur(q(b.message), q(b.titre));
    return;
  }
  index_affiche_ = -1;
  const std::optional<std::size_t> i = catalogue().ligne_defaut();
  selectionner(i ? static_cast<int>(*i) : (catalogue().taille() > 0 ? 0 : -1));
  if (catalogue().taille() > 0) afficher_comete_choisie();
  contexte_.messages().information(q(texte_bilan_import(b)), titre);
}

void PageCometes::verifier_passage() {
  const std::optional<long double> jour = reel_du_texte(jour_passage_->text().toStdString());
  const std::optional<int> mois = entier_du_texte(mois_passage_->text().toStdString());
  const std::optional<int> annee = entier_du_texte(an_passage_->text().toStdString());
  if (!jour || !mois || !annee) return;
  // The same checks refuse the date again on "&OK", "Enregistrer" and "Modifier".
  if (const std::optional<refus_comete> refus = refus_passage(*jour, *mois, *annee)) {
    contexte_.messages().erreur(q(refus->message), q(refus->titre));
    champ(refus->champs.front())->setFocus();
  }
}

void PageCometes::date_changee(sens_pas sens) {
  date_.normaliser(sens);
  calculer_comete();
}

void PageCometes::echelle_changee() {
  // Only a position already shown, from elements that still read: never a message
  // for a change made on another page.
  if (!resultat_ || lire_elements_comete(textes()).refus) return;
  calculer_comete();
}

void PageCometes::mettre_a_maintenant() {
  maintenant(heure_);
}

void PageCometes::effacer_rapport() {
  rapport_->vider();
}

void PageCometes::copier_rapport() {
  cases_comete cases;
  cases.nom = copie_nom_->isChecked();
  cases.date_heure = copie_date_->isChecked();
  cases.elements = copie_elements_->isChecked();
  cases.coordonnees = copie_coordonnees_->isChecked();
  // The instant of the values shown; before any computation, the fields.
  const instant_saisi instant = calcule_ ? *calcule_ : date_.instant_a_calculer(heure_);
  const std::string mention =
      resultat_ ? resultat_->mention : lire_instant(instant, contexte_.session().echelle()).mention;
  const std::string rapport = copie_comete(nom_comete_->text().toStdString(), champs_bloc_date_de(instant), textes(),
                                           rapport_->texte().toStdString(), cases, mention);
  if (!rapport.empty()) contexte_.ajouter_rapport(q(rapport));
}

std::vector<annee_a_valider> PageCometes::annees_a_valider() const {
  return {annee(champ_annee::comete_observation, date_.an(), QStringLiteral("Année de la date d'observation"))};
}

}  // namespace almanax::ihm
