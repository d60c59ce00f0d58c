#include "ihm/pages/page_ephemerides.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "calcul/pages/soleil_lune.h"
#include "calcul/rapport.h"
#include "dessin/dessin_phase.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"

namespace almanax::ihm {

namespace {

using texte_resultat = std::string resultat_ephemerides::*;

struct ligne_resultat {
  const char* nom;
  const char* legende;
  texte_resultat texte;
};

const ligne_resultat lignes_elements[] = {
    {"lmp", "Longitude moy. de la planète", &resultat_ephemerides::lmp},
    {"grand_axe", "Demi grand axe de l'orbite (en UA)", &resultat_ephemerides::grand_axe},
    {"excentricite_bis", "Excentricité de l'orbite", &resultat_ephemerides::excentricite_bis},
    {"inc_ecliptique", "Inclinaison sur le plan de l'écliptique", &resultat_ephemerides::inc_ecliptique},
    {"long_noeud_ascendant", "Longitude du noeud ascendant", &resultat_ephemerides::long_noeud_ascendant},
    {"long_perihelie", "Longitude du périhélie", &resultat_ephemerides::long_perihelie},
    {"ano_moy_planete", "Anomalie moy. de la planète", &resultat_ephemerides::ano_moy_planete},
    {"argument_perihelion", "Argument du périhélion", &resultat_ephemerides::argument_perihelion},
};

const ligne_resultat lignes_coordonnees[] = {
    {"l_l", "Longitude Héliocentrique", &resultat_ephemerides::l_l},
    {"l_b", "Latitude Héliocentrique", &resultat_ephemerides::l_b},
    {"l_alpha", "Ascension Droite", &resultat_ephemerides::l_alpha},
    {"l_decli", "Déclinaison", &resultat_ephemerides::l_decli},
};

const ligne_resultat lignes_diverses[] = {
    {"l_r", "Distance au Soleil (en UA)", &resultat_ephemerides::l_r},
    {"l_r_km", "Distance au Soleil (en km)", &resultat_ephemerides::l_r_km},
    {"l_r_terre", "Distance à la Terre (en UA)", &resultat_ephemerides::l_r_terre},
    {"l_r_km_terre", "Distance à la Terre (en km)", &resultat_ephemerides::l_r_km_terre},
    {"diametre", "Diamètre Apparent", &resultat_ephemerides::diametre},
    {"mag", "Magnitude", &resultat_ephemerides::mag},
    {"la", "Surface Illuminée (en %)", &resultat_ephemerides::la},
    {"lever", "Lever", &resultat_ephemerides::lever},
    {"meridien", "Méridien", &resultat_ephemerides::meridien},
    {"coucher", "Coucher", &resultat_ephemerides::coucher},
    {"time_light", "Temps lumière", &resultat_ephemerides::time_light},
};

}  // namespace

PageEphemerides::PageEphemerides(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("ephemeride"), QStringLiteral("Éphémérides"), QStringLiteral("01-ephemerides"),
           parent),
      date_({"e_jour", "up_jour", "e_mois", "up_mois", "e_an", "up_an"}, {29, 12, 1997}, false, this) {
  // ---- Date, time and the two buttons ---------------------------------------------
  e_temps_ = selecteur_heure("e_temps", this);
  b_ephemeride_ = bouton("b_ephemeride", QStringLiteral("&OK"), this);
  nowephe_ = bouton("nowephe", QStringLiteral("&Maintenant"), this);
  auto* saisie = new QGridLayout;
  saisie->setVerticalSpacing(4);
  date_.disposer(saisie, 0, nullptr);
  {
    auto* l = new QLabel(QStringLiteral("Heure"), this);
    l->setBuddy(e_temps_);
    saisie->addWidget(l, 1, 0, Qt::AlignRight);
    saisie->addWidget(e_temps_, 1, 1, 1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(b_ephemeride_);
    boutons->addWidget(nowephe_);
    saisie->addLayout(boutons, 2, 0, 1, 6);
  }

  // ---- "Planetes": three columns, filled column by column --------------------------
  auto* g_planetes = groupe("planetes", QStringLiteral("Planetes"), this);
  planetes_ = new QButtonGroup(this);
  {
    auto* grille = new QGridLayout(g_planetes);
    grille->setVerticalSpacing(2);
    for (int i = 0; i < nombre_planetes; ++i) {
      auto* r = new QRadioButton(QString::fromUtf8(noms_planetes[static_cast<std::size_t>(i)]), g_planetes);
      r->setObjectName(QStringLiteral("planete_%1").arg(i));
      planetes_->addButton(r, i);
      grille->addWidget(r, i % 3, i / 3);
    }
    planetes_->button(static_cast<int>(planete::venus))->setChecked(true);
  }

  // ---- "Copier" --------------------------------------------------------------------
  auto* g_copier = groupe("copier_eph", QStringLiteral("Copier"), this);
  // Built in the order they are shown (down the first column, then the second), which
  // is the order of the Tab key.
  c_e_p_ = case_a_cocher("c_e_p", QStringLiteral("Planète"), true, g_copier);
  c_e_dt_ = case_a_cocher("c_e_dt", QStringLiteral("Date et heure"), true, g_copier);
  c_e_s_ = case_a_cocher("c_e_s", QStringLiteral("Lieu"), true, g_copier);
  c_e_coor_ = case_a_cocher("c_e_coor", QStringLiteral("Coordonnées"), true, g_copier);
  c_e_div_ = case_a_cocher("c_e_div", QStringLiteral("Divers"), true, g_copier);
  c_e_e_ = case_a_cocher("c_e_e", QStringLiteral("Eléments orb."), true, g_copier);
  copy_eph_ = bouton("copy_eph", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    QCheckBox* const ordre[] = {c_e_p_, c_e_dt_, c_e_s_, c_e_coor_, c_e_div_, c_e_e_};
    for (int i = 0; i < 6; ++i) grille->addWidget(ordre[i], i % 3, i / 3);
    grille->addWidget(copy_eph_, 3, 0, 1, 2, Qt::AlignHCenter);
  }

  // ---- The result groups -------------------------------------------------------------
  auto remplir_groupe = [this](QGroupBox* g, const auto& lignes) {
    auto* grille = new QGridLayout(g);
    grille->setVerticalSpacing(1);
    grille->setColumnStretch(1, 1);
    int rang = 0;
    for (const ligne_resultat& l : lignes) {
      QLabel* v = etiquette_resultat(grille, rang++, QString::fromUtf8(l.legende), l.nom, g);
      etiquettes_.emplace_back(v, l.texte);
    }
  };
  gr_el_or_ = groupe("gr_el_or", QStringLiteral("Éléments orbitaux de la planète"), this);
  remplir_groupe(gr_el_or_, lignes_elements);
  auto* g_coordonnees = groupe("gr_coordonnees", QStringLiteral("Coordonnées de la planète"), this);
  remplir_groupe(g_coordonnees, lignes_coordonnees);
  auto* g_divers = groupe("gr_divers", QStringLiteral("Données Diverses"), this);
  remplir_groupe(g_divers, lignes_diverses);

  auto* g_apparence = groupe("gr_apparence", QStringLiteral("Apparence"), this);
  pb_plan_ = cadre_image("pb_plan", dessin::cote_phase, dessin::cote_phase, g_apparence);
  {
    auto* v = new QVBoxLayout(g_apparence);
    v->addWidget(pb_plan_, 0, Qt::AlignCenter);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* haut = new QHBoxLayout;
    haut->addLayout(saisie);
    haut->addWidget(g_planetes);
    haut->addWidget(g_apparence);
    haut->addStretch(1);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(gr_el_or_);
    gauche->addWidget(g_coordonnees);
    gauche->addStretch(1);
    auto* droite = new QVBoxLayout;
    droite->addWidget(g_divers);
    droite->addWidget(g_copier);
    droite->addStretch(1);
    auto* bas = new QHBoxLayout;
    bas->addLayout(gauche, 1);
    bas->addLayout(droite, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(haut);
    page->addLayout(bas, 1);
  }

  // ---- Handlers ------------------------------------------------------------------------
  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()})
    connect(s, &EditionSpin::clic, this, &PageEphemerides::up_jourClick);
  connect(date_.jour(), &EditionSpin::quitte, this, &PageEphemerides::e_jourExit);
  connect(date_.an(), &EditionSpin::quitte, this, &PageEphemerides::anequiExit);
  connect(planetes_, &QButtonGroup::idClicked, this, &PageEphemerides::planetesClick);
  connect(b_ephemeride_, &QPushButton::clicked, this, &PageEphemerides::b_ephemerideClick);
  connect(nowephe_, &QPushButton::clicked, this, &PageEphemerides::nowepheClick);
  connect(copy_eph_, &QPushButton::clicked, this, &PageEphemerides::copy_ephClick);
}

QWidget* PageEphemerides::bouton_calcul() const {
  return b_ephemeride_;
}

void PageEphemerides::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageEphemerides::poser_heure_de_demarrage(const QTime& heure) {
  e_temps_->setTime(heure);
}

int PageEphemerides::planete_choisie() const {
  return planetes_->checkedId();
}

void PageEphemerides::b_ephemerideClick() {
  entree_ephemerides e;
  e.p = planete_de_index(planete_choisie()).value_or(planete::venus);
  e.instant = date_.instant_a_calculer(e_temps_);
  e.site = contexte_.session().site();
  e.separateur = QLocale().decimalPoint().toStdString();
  resultat_ = calcul_ephemerides(e);
  calcule_ = entrees{e.instant, contexte_.session().site_affiche()};
  afficher();
}

void PageEphemerides::afficher() {
  const resultat_ephemerides& r = resultat_;
  for (const auto& [etiquette, texte] : etiquettes_) etiquette->setText(QString::fromStdString(r.*texte));
  gr_el_or_->setVisible(r.elements_visibles);
  const QColor face = palette().color(QPalette::Window);
  image_ = r.image_vide ? dessin::image_vide(face)
                        : dessin::image_phase(r.pourcentage, QColor(r.couleur.r, r.couleur.g, r.couleur.b), face);
  montrer_image(pb_plan_, image_);
}

void PageEphemerides::planetesClick() {
  // Pluto has no orbital elements to copy.
  const bool elements = planete_choisie() != static_cast<int>(planete::pluton);
  c_e_e_->setEnabled(elements);
  c_e_e_->setChecked(elements);
  b_ephemerideClick();
}

void PageEphemerides::nowepheClick() {
  maintenant(e_temps_);
}

void PageEphemerides::up_jourClick(sens_pas sens) {
  date_.normaliser(sens);
  b_ephemerideClick();
}

void PageEphemerides::e_jourExit() {
  date_.verifier_jour(contexte_.messages());
}

void PageEphemerides::anequiExit() {
  contexte_.valider_annees();
}

void PageEphemerides::copy_ephClick() {
  cases_ephemerides cases;
  cases.c_e_p = c_e_p_->isChecked();
  cases.c_e_dt = c_e_dt_->isChecked();
  cases.c_e_s = c_e_s_->isChecked();
  cases.c_e_coor = c_e_coor_->isChecked();
  cases.c_e_e = c_e_e_->isChecked();
  // The date and site of the values shown; before any computation, the fields.
  instant_saisi instant;
  champs_site site = contexte_.session().site_affiche();
  if (calcule_) {
    instant = calcule_->instant;
    site = calcule_->site;
  } else {
    instant.date = date_.date();
    const QTime h = e_temps_->time();
    instant.heure = h.hour();
    instant.minute = h.minute();
    instant.seconde = h.second();
  }
  const champs_bloc_date d = champs_bloc_date_de(instant);
  const std::string rapport = copie_ephemerides(resultat_, cases, d.jour, d.mois, d.annee, d.heure, site);
  if (!rapport.empty()) contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

}  // namespace almanax::ihm
