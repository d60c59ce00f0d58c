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
#include "ihm/pages/mention_heure.h"

namespace almanax::ihm {

namespace {

using texte_resultat = std::string textes_ephemerides::*;

struct ligne_resultat {
  const char* nom;
  const char* legende;
  texte_resultat texte;
};

const ligne_resultat lignes_elements[] = {
    {"lmp", "Longitude moy. de la planète", &textes_ephemerides::longitude_moyenne},
    {"grand_axe", "Demi grand axe de l'orbite (en UA)", &textes_ephemerides::demi_grand_axe},
    {"excentricite_bis", "Excentricité de l'orbite", &textes_ephemerides::excentricite},
    {"inc_ecliptique", "Inclinaison sur le plan de l'écliptique", &textes_ephemerides::inclinaison},
    {"long_noeud_ascendant", "Longitude du noeud ascendant", &textes_ephemerides::longitude_noeud},
    {"long_perihelie", "Longitude du périhélie", &textes_ephemerides::longitude_perihelie},
    {"ano_moy_planete", "Anomalie moy. de la planète", &textes_ephemerides::anomalie_moyenne},
    {"argument_perihelion", "Argument du périhélion", &textes_ephemerides::argument_perihelie},
};

const ligne_resultat lignes_coordonnees[] = {
    {"l_l", "Longitude Héliocentrique", &textes_ephemerides::longitude_heliocentrique},
    {"l_b", "Latitude Héliocentrique", &textes_ephemerides::latitude_heliocentrique},
    {"l_alpha", "Ascension Droite", &textes_ephemerides::ascension_droite},
    {"l_decli", "Déclinaison", &textes_ephemerides::declinaison},
};

const ligne_resultat lignes_diverses[] = {
    {"l_r", "Distance au Soleil (en UA)", &textes_ephemerides::distance_soleil},
    {"l_r_km", "Distance au Soleil (en km)", &textes_ephemerides::distance_soleil_km},
    {"l_r_terre", "Distance à la Terre (en UA)", &textes_ephemerides::distance_terre},
    {"l_r_km_terre", "Distance à la Terre (en km)", &textes_ephemerides::distance_terre_km},
    {"diametre", "Diamètre Apparent", &textes_ephemerides::diametre_apparent},
    {"mag", "Magnitude", &textes_ephemerides::magnitude},
    {"la", "Surface Illuminée (en %)", &textes_ephemerides::surface_illuminee},
    {"lever", "Lever", &textes_ephemerides::heure_lever},
    {"meridien", "Méridien", &textes_ephemerides::heure_meridien},
    {"coucher", "Coucher", &textes_ephemerides::heure_coucher},
    {"time_light", "Temps lumière", &textes_ephemerides::temps_lumiere},
};

}  // namespace

PageEphemerides::PageEphemerides(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("ephemeride"), QStringLiteral("Éphémérides"), QStringLiteral("01-ephemerides"),
           parent),
      date_({"e_jour", "up_jour", "e_mois", "up_mois", "e_an", "up_an"}, {29, 12, 1997}, false, this) {
  // ---- Date, time and the two buttons ---------------------------------------------
  heure_ = selecteur_heure("e_temps", this);
  bouton_calcul_ = bouton("b_ephemeride", QStringLiteral("&OK"), this);
  bouton_maintenant_ = bouton("nowephe", QStringLiteral("&Maintenant"), this);
  auto* saisie = new QGridLayout;
  saisie->setVerticalSpacing(4);
  date_.disposer(saisie, 0, nullptr);
  {
    auto* l = new QLabel(QStringLiteral("Heure"), this);
    l->setBuddy(heure_);
    saisie->addWidget(l, 1, 0, Qt::AlignRight);
    saisie->addWidget(heure_, 1, 1, 1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bouton_calcul_);
    boutons->addWidget(bouton_maintenant_);
    saisie->addLayout(boutons, 2, 0, 1, 6);
    mention_ = etiquette_mention(this);
    saisie->addWidget(mention_, 3, 0, 1, 6);
  }

  // ---- "Planetes": three columns, filled column by column --------------------------
  auto* g_planetes = groupe("planetes", QStringLiteral("Planetes"), this);
  choix_planete_ = new QButtonGroup(this);
  {
    auto* grille = new QGridLayout(g_planetes);
    grille->setVerticalSpacing(2);
    for (int i = 0; i < nombre_planetes; ++i) {
      auto* r = new QRadioButton(QString::fromUtf8(noms_planetes[static_cast<std::size_t>(i)]), g_planetes);
      r->setObjectName(QStringLiteral("planete_%1").arg(i));
      choix_planete_->addButton(r, i);
      grille->addWidget(r, i % 3, i / 3);
    }
    choix_planete_->button(static_cast<int>(planete::venus))->setChecked(true);
  }

  // ---- "Copier" --------------------------------------------------------------------
  auto* g_copier = groupe("copier_eph", QStringLiteral("Copier"), this);
  // Built in the order they are shown (down the first column, then the second), which
  // is the order of the Tab key.
  case_planete_ = case_a_cocher("c_e_p", QStringLiteral("Planète"), true, g_copier);
  case_date_heure_ = case_a_cocher("c_e_dt", QStringLiteral("Date et heure"), true, g_copier);
  case_lieu_ = case_a_cocher("c_e_s", QStringLiteral("Lieu"), true, g_copier);
  case_coordonnees_ = case_a_cocher("c_e_coor", QStringLiteral("Coordonnées"), true, g_copier);
  case_divers_ = case_a_cocher("c_e_div", QStringLiteral("Divers"), true, g_copier);
  case_elements_ = case_a_cocher("c_e_e", QStringLiteral("Eléments orb."), true, g_copier);
  bouton_copie_ = bouton("copy_eph", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    QCheckBox* const ordre[] = {case_planete_,     case_date_heure_, case_lieu_,
                                case_coordonnees_, case_divers_,     case_elements_};
    for (int i = 0; i < 6; ++i) grille->addWidget(ordre[i], i % 3, i / 3);
    grille->addWidget(bouton_copie_, 3, 0, 1, 2, Qt::AlignHCenter);
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
  groupe_elements_ = groupe("gr_el_or", QStringLiteral("Éléments orbitaux de la planète"), this);
  remplir_groupe(groupe_elements_, lignes_elements);
  auto* g_coordonnees = groupe("gr_coordonnees", QStringLiteral("Coordonnées de la planète"), this);
  remplir_groupe(g_coordonnees, lignes_coordonnees);
  auto* g_divers = groupe("gr_divers", QStringLiteral("Données Diverses"), this);
  remplir_groupe(g_divers, lignes_diverses);

  auto* g_apparence = groupe("gr_apparence", QStringLiteral("Apparence"), this);
  image_phase_ = cadre_image("pb_plan", dessin::cote_phase, dessin::cote_phase, g_apparence);
  {
    auto* v = new QVBoxLayout(g_apparence);
    v->addWidget(image_phase_, 0, Qt::AlignCenter);
  }

  // ---- Layout --------------------------------------------------------------------------
  {
    auto* haut = new QHBoxLayout;
    haut->addLayout(saisie);
    haut->addWidget(g_planetes);
    haut->addWidget(g_apparence);
    haut->addStretch(1);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(groupe_elements_);
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
  date_.relier(
      this, [this](sens_pas s) { pas_date(s); }, contexte_.verifications(), [this] { contexte_.valider_annees(); });
  connect(choix_planete_, &QButtonGroup::idClicked, this, &PageEphemerides::planete_choisie_changee);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PageEphemerides::calculer);
  connect(bouton_maintenant_, &QPushButton::clicked, this, &PageEphemerides::maintenant);
  connect(bouton_copie_, &QPushButton::clicked, this, &PageEphemerides::copier);
}

QWidget* PageEphemerides::bouton_calcul() const {
  return bouton_calcul_;
}

void PageEphemerides::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PageEphemerides::poser_heure_de_demarrage(const QTime& heure) {
  heure_->setTime(heure);
}

int PageEphemerides::planete_choisie() const {
  return choix_planete_->checkedId();
}

void PageEphemerides::calculer() {
  entree_ephemerides e;
  e.p = planete_de_index(planete_choisie()).value_or(planete::venus);
  e.instant = date_.instant_a_calculer(heure_);
  e.site = contexte_.session().site();
  e.separateur = QLocale().decimalPoint().toStdString();
  e.echelle = contexte_.session().echelle();
  resultat_ = calcul_ephemerides(e);
  calcule_ = entrees{e.instant, contexte_.session().site_affiche()};
  afficher();
}

void PageEphemerides::afficher() {
  const resultat_ephemerides& r = resultat_;
  for (const auto& [etiquette, texte] : etiquettes_) etiquette->setText(QString::fromStdString(r.textes.*texte));
  montrer_mention(mention_, r.mention);
  groupe_elements_->setVisible(r.elements_visibles);
  const QColor face = palette().color(QPalette::Window);
  image_ = r.image_vide ? dessin::image_vide(face)
                        : dessin::image_phase(r.pourcentage, QColor(r.couleur.r, r.couleur.g, r.couleur.b), face);
  montrer_image(image_phase_, image_);
}

void PageEphemerides::planete_choisie_changee() {
  // Pluto has no orbital elements to copy.
  const bool elements = planete_choisie() != static_cast<int>(planete::pluton);
  case_elements_->setEnabled(elements);
  case_elements_->setChecked(elements);
  calculer();
}

void PageEphemerides::maintenant() {
  Page::maintenant(heure_);
}

void PageEphemerides::pas_date(sens_pas sens) {
  date_.normaliser(sens);
  calculer();
}

void PageEphemerides::copier() {
  cases_ephemerides cases;
  cases.planete = case_planete_->isChecked();
  cases.date_heure = case_date_heure_->isChecked();
  cases.lieu = case_lieu_->isChecked();
  cases.coordonnees = case_coordonnees_->isChecked();
  cases.elements = case_elements_->isChecked();
  // The date and site of the values shown; before any computation, the fields.
  instant_saisi instant;
  champs_site site = contexte_.session().site_affiche();
  if (calcule_) {
    instant = calcule_->instant;
    site = calcule_->site;
  } else {
    instant.date = date_.date();
    const QTime h = heure_->time();
    instant.heure = h.hour();
    instant.minute = h.minute();
    instant.seconde = h.second();
  }
  const champs_bloc_date d = champs_bloc_date_de(instant);
  const std::string rapport = copie_ephemerides(resultat_, cases, d.jour, d.mois, d.annee, d.heure, site);
  if (!rapport.empty()) contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

std::vector<annee_a_valider> PageEphemerides::annees_a_valider() const {
  return {annee(champ_annee::ephemerides, date_.an(), QStringLiteral("Année"))};
}

}  // namespace almanax::ihm
