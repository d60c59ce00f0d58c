#include "ihm/pages/page_precession.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <cmath>

#include "calcul/validation.h"
#include "ihm/controles/boite_rapport.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"
#include "ihm/pages/mention_heure.h"

namespace almanax::ihm {

namespace {

QLineEdit* edition_reel(const char* nom, QWidget* parent) {
  auto* e = new QLineEdit(QStringLiteral("0"), parent);
  e->setObjectName(QString::fromLatin1(nom));
  FiltreTouches::installer(e, filtre::reel);
  return e;
}

EditionSpin* spin(const char* nom, const char* nom_spin, int min, int max, bool boucle, filtre genre, QWidget* parent) {
  auto* s = new EditionSpin(QString::fromLatin1(nom), QString::fromLatin1(nom_spin), min, max, parent);
  s->setBoucle(boucle);
  s->setPosition(0);
  FiltreTouches::installer(s, genre);
  return s;
}

std::string texte(const QWidget* champ) {
  return texte_champ(champ).trimmed().toStdString();
}

}  // namespace

PagePrecession::PagePrecession(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("prec_equi"), QStringLiteral("Préc. des Equinoxes"),
           QStringLiteral("13-precession"), parent),
      date1_({"jourequi", "upjour1", "moisequi", "upmois1", "anequi", "upan1"}, {1, 1, 2000}, true, this),
      date2_({"jourequi2", "upjour2", "moisequi2", "upmois2", "anequi2", "upan2"}, {11, 1, 1998}, true, this) {
  heure_reference_ = selecteur_heure("heureequi", this);
  heure_reference_->setTime(QTime(12, 0, 0));
  heure_voulue_ = selecteur_heure("heureequi2", this);
  heure_voulue_->setTime(QTime(0, 0, 0));

  auto* g_dates = groupe("gr_dates_prec", QStringLiteral("Dates"), this);
  {
    auto* grille = new QGridLayout(g_dates);
    grille->addWidget(new QLabel(QStringLiteral("Équinoxe de référence"), g_dates), 0, 0, 1, 8);
    date1_.disposer(grille, 1, heure_reference_);
    grille->addWidget(new QLabel(QStringLiteral("Date voulue"), g_dates), 2, 0, 1, 8);
    date2_.disposer(grille, 3, heure_voulue_);
    mention_ = etiquette_mention(g_dates);
    grille->addWidget(mention_, 4, 0, 1, 8);
  }

  // ---- Coordinates and proper motion ----------------------------------------------------------
  ad_heures_ = spin("alphap1", "upalpha1", 0, 23, true, filtre::chiffres, this);
  ad_minutes_ = spin("alphap2", "upalpha2", 0, 59, true, filtre::chiffres, this);
  ad_secondes_ = edition_reel("alphap3", this);
  // The declination's sign is typed on the degrees: "-0" with 30' is -0° 30'.
  dec_degres_ = spin("declip1", "updecli1", -89, 89, false, filtre::annee, this);
  dec_minutes_ = spin("declip2", "updecli2", 0, 59, false, filtre::chiffres, this);
  dec_secondes_ = edition_reel("declip3", this);
  mouvement_propre_ad_ = edition_reel("t_mpa", this);
  mouvement_propre_dec_ = edition_reel("t_mpd", this);
  auto* g_coord = groupe("gr_coord_prec", QStringLiteral("Coordonnées"), this);
  {
    auto* grille = new QGridLayout(g_coord);
    auto ligne = [&](int rang, const QString& legende, QWidget* a, const QString& ua, QWidget* b, const QString& ub,
                     QWidget* c, const QString& uc) {
      grille->addWidget(new QLabel(legende, g_coord), rang, 0, Qt::AlignRight);
      grille->addWidget(a, rang, 1);
      grille->addWidget(new QLabel(ua, g_coord), rang, 2);
      grille->addWidget(b, rang, 3);
      grille->addWidget(new QLabel(ub, g_coord), rang, 4);
      grille->addWidget(c, rang, 5);
      grille->addWidget(new QLabel(uc, g_coord), rang, 6);
    };
    ligne(0, QStringLiteral("Ascension droite"), ad_heures_, QStringLiteral("h"), ad_minutes_, QStringLiteral("m"),
          ad_secondes_, QStringLiteral("s"));
    ligne(1, QStringLiteral("Déclinaison"), dec_degres_, QStringLiteral("°"), dec_minutes_, QStringLiteral("'"),
          dec_secondes_, QStringLiteral("\""));
    grille->addWidget(new QLabel(QStringLiteral("Mouvement propre en AD (s/an)"), g_coord), 2, 0, 1, 3, Qt::AlignRight);
    grille->addWidget(mouvement_propre_ad_, 2, 3, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Mouvement propre en Déc. (\"/an)"), g_coord), 3, 0, 1, 3,
                      Qt::AlignRight);
    grille->addWidget(mouvement_propre_dec_, 3, 3, 1, 3);
  }

  bouton_calcul_ = bouton("bt_equi", QStringLiteral("&OK"), this);
  bouton_maintenant_ = bouton("BitBtn9", QStringLiteral("&Maintenant"), this);
  bouton_effacer_ = bouton("BitBtn4", QStringLiteral("&Effacer"), this);

  auto* g_copier = groupe("copier_prec", QStringLiteral("Copier"), this);
  case_equinoxe_reference_ = case_a_cocher("cprecequi", QStringLiteral("Équinoxe de référence"), true, g_copier);
  case_date_heure_ = case_a_cocher("cprecdt", QStringLiteral("Date et heure"), true, g_copier);
  case_ascension_droite_ = case_a_cocher("cprecad", QStringLiteral("Ascension droite"), true, g_copier);
  case_declinaison_ = case_a_cocher("cprecde", QStringLiteral("Déclinaison"), true, g_copier);
  case_mouvement_propre_ad_ = case_a_cocher("cprecmpa", QStringLiteral("Mouvement propre asc."), true, g_copier);
  case_mouvement_propre_dec_ = case_a_cocher("cprecmpd", QStringLiteral("Mouvement propre déc."), true, g_copier);
  bouton_copie_ = bouton("copy_prec", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    QCheckBox* const ordre[] = {case_equinoxe_reference_, case_date_heure_,          case_ascension_droite_,
                                case_declinaison_,        case_mouvement_propre_ad_, case_mouvement_propre_dec_};
    for (int i = 0; i < 6; ++i) grille->addWidget(ordre[i], i % 3, i / 3);
    grille->addWidget(bouton_copie_, 3, 0, 1, 2, Qt::AlignHCenter);
  }

  boite_rapport_ = new BoiteRapport("mempre", tabulation_rapports, this);

  {
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bouton_calcul_);
    boutons->addWidget(bouton_maintenant_);
    boutons->addWidget(bouton_effacer_);
    boutons->addStretch(1);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(g_dates);
    gauche->addWidget(g_coord);
    gauche->addLayout(boutons);
    gauche->addStretch(1);
    auto* droite = new QVBoxLayout;
    droite->addWidget(boite_rapport_, 1);
    droite->addWidget(g_copier);
    auto* page = new QHBoxLayout(this);
    page->addLayout(gauche, 3);
    page->addLayout(droite, 2);
  }
  // Tab in reading order: each date with its time, then the right column from the
  // top (the date fields and the report box are not built in that order).
  ordre_tabulation({date1_.jour(), date1_.mois(), date1_.an(), heure_reference_, date2_.jour(), date2_.mois(),
                    date2_.an(), heure_voulue_, ad_heures_});
  ordre_tabulation({bouton_effacer_, boite_rapport_, case_equinoxe_reference_});

  // ---- Handlers --------------------------------------------------------------------------------
  for (EditionSpin* s : {date1_.jour(), date1_.mois(), date1_.an()})
    connect(s, &EditionSpin::clic, this, &PagePrecession::pas_date_reference);
  for (EditionSpin* s : {date2_.jour(), date2_.mois(), date2_.an()})
    connect(s, &EditionSpin::clic, this, &PagePrecession::pas_date_voulue);
  for (ChampsDate* d : {&date1_, &date2_}) {
    connect(d->jour(), &EditionSpin::quitte, this, [this] { contexte_.borner_dates(); });
    connect(d->mois(), &EditionSpin::quitte, this, [this] { contexte_.borner_dates(); });
    connect(d->an(), &EditionSpin::quitte, this, [this] { contexte_.valider_annees(); });
  }
  for (EditionSpin* s : {ad_heures_, ad_minutes_, dec_degres_, dec_minutes_})
    connect(s, &EditionSpin::quitte, this, &PagePrecession::verifier_degres_declinaison);
  for (QLineEdit* e : {ad_secondes_, dec_secondes_, mouvement_propre_ad_, mouvement_propre_dec_})
    connect(e, &QLineEdit::editingFinished, this, &PagePrecession::verifier_degres_declinaison);
  connect(bouton_calcul_, &QPushButton::clicked, this, &PagePrecession::calculer);
  connect(bouton_effacer_, &QPushButton::clicked, this, &PagePrecession::effacer);
  connect(bouton_maintenant_, &QPushButton::clicked, this, &PagePrecession::maintenant);
  connect(bouton_copie_, &QPushButton::clicked, this, &PagePrecession::copier);
}

const QString& PagePrecession::rapport() const {
  return boite_rapport_->texte();
}

QWidget* PagePrecession::bouton_calcul() const {
  return bouton_calcul_;
}

void PagePrecession::poser_date_de_demarrage(const date_jma& date) {
  date2_.poser(date);
}

void PagePrecession::poser_heure_de_demarrage(const QTime& heure) {
  heure_voulue_->setTime(heure);
}

bool PagePrecession::verifier_degres_declinaison() {
  // Moving the focus from here leaves another field, whose check must not run meanwhile.
  if (en_verification_) return true;
  en_verification_ = true;
  struct fin {
    bool& drapeau;
    ~fin() { drapeau = false; }
  } fin_{en_verification_};

  // The whole numbers, limited to their ranges.
  struct borne {
    EditionSpin* champ;
    int min, max;
  };
  for (const borne& b :
       {borne{ad_heures_, 0, 23}, borne{ad_minutes_, 0, 59}, borne{dec_degres_, -89, 89}, borne{dec_minutes_, 0, 59}}) {
    const QString t = texte_champ(b.champ).trimmed();
    const std::optional<int> n = entier_du_texte(t.toStdString());
    if (!n) {
      contexte_.messages().erreur(QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(t),
                                  QStringLiteral("Erreur"));
      b.champ->setFocus();
      return false;
    }
    if (*n > b.max) ecrire_champ(b.champ, QString::number(b.max));
    if (*n < b.min) ecrire_champ(b.champ, QString::number(b.min));
  }
  // The proper motions within ±59, then the seconds made positive and at most 59.
  QLineEdit* dernier_faux = nullptr;
  for (QLineEdit* e : {mouvement_propre_ad_, mouvement_propre_dec_}) {
    const std::optional<long double> v = reel_du_texte(e->text().toStdString());
    if (!v) continue;
    if (*v > 59) e->setText(QStringLiteral("59"));
    if (*v < -59) e->setText(QStringLiteral("-59"));
  }
  for (QLineEdit* e : {dec_secondes_, ad_secondes_}) {
    const std::optional<long double> v = reel_du_texte(e->text().toStdString());
    if (!v) continue;
    QString t = e->text().trimmed();
    if (t.startsWith(u'-') || t.startsWith(u'+')) t.remove(0, 1);
    if (t != e->text()) e->setText(t);
    if (std::fabs(*v) > 59) e->setText(QStringLiteral("59"));
  }
  for (QLineEdit* e : {ad_secondes_, dec_secondes_, mouvement_propre_ad_, mouvement_propre_dec_})
    if (!reel_du_texte(e->text().toStdString())) {
      e->setFocus();
      dernier_faux = e;
    }
  if (dernier_faux) {
    contexte_.messages().erreur(dernier_faux->text() + QStringLiteral(" n'est pas une valeur correcte."),
                                QStringLiteral("Nombre invalide"));
    return false;
  }
  return true;
}

void PagePrecession::calculer() {
  if (!verifier_degres_declinaison()) return;
  entree_precession e;
  e.reference = date1_.instant_a_calculer(heure_reference_);
  e.voulue = date2_.instant_a_calculer(heure_voulue_);
  e.ad_heures = entier_du_texte(texte(ad_heures_)).value_or(0);
  e.ad_minutes = entier_du_texte(texte(ad_minutes_)).value_or(0);
  e.ad_secondes = reel_du_texte(texte(ad_secondes_)).value_or(0);
  e.declinaison = degres_declinaison(texte(dec_degres_)).value_or(declinaison_saisie{});
  e.declinaison.minutes = entier_du_texte(texte(dec_minutes_)).value_or(0);
  e.declinaison.secondes = reel_du_texte(texte(dec_secondes_)).value_or(0);
  e.mpa = reel_du_texte(texte(mouvement_propre_ad_)).value_or(0);
  e.mpd = reel_du_texte(texte(mouvement_propre_dec_)).value_or(0);
  e.echelle = contexte_.session().echelle();
  const resultat_precession r = calcul_precession(e);
  boite_rapport_->ajouter(QString::fromStdString(r.bloc));
  montrer_mention(mention_, r.mention);
}

void PagePrecession::echelle_changee() {
  // Fields that do not read wait for the user's next "OK": never a message for a change
  // made on another page.
  if (boite_rapport_->texte().isEmpty()) return;
  for (const EditionSpin* s : {ad_heures_, ad_minutes_, dec_degres_, dec_minutes_})
    if (!entier_du_texte(texte(s))) return;
  calculer();
}

void PagePrecession::pas_date_reference(sens_pas sens) {
  date1_.normaliser(sens);
}

void PagePrecession::pas_date_voulue(sens_pas sens) {
  date2_.normaliser(sens);
}

void PagePrecession::effacer() {
  boite_rapport_->vider();
}

void PagePrecession::maintenant() {
  Page::maintenant(heure_voulue_);
}

void PagePrecession::copier() {
  champs_precession c;
  c.voulue = champs_bloc_date_de(date2_.instant_a_calculer(heure_voulue_));
  c.reference = champs_bloc_date_de(date1_.instant_a_calculer(heure_reference_));
  c.ad_heures = texte(ad_heures_);
  c.ad_minutes = texte(ad_minutes_);
  c.ad_secondes = texte(ad_secondes_);
  c.dec_degres = texte(dec_degres_);
  c.dec_minutes = texte(dec_minutes_);
  c.dec_secondes = texte(dec_secondes_);
  c.mouvement_propre_ad = texte(mouvement_propre_ad_);
  c.mouvement_propre_dec = texte(mouvement_propre_dec_);
  const std::string mention =
      lire_instant(date2_.instant_a_calculer(heure_voulue_), contexte_.session().echelle()).mention;
  contexte_.ajouter_rapport(QString::fromStdString(copie_precession(c, boite_rapport_->texte().toStdString(),
                                                                    cases_precession{
                                                                        case_equinoxe_reference_->isChecked(),
                                                                        case_date_heure_->isChecked(),
                                                                        case_ascension_droite_->isChecked(),
                                                                        case_declinaison_->isChecked(),
                                                                        case_mouvement_propre_ad_->isChecked(),
                                                                        case_mouvement_propre_dec_->isChecked(),
                                                                    },
                                                                    mention)));
}

std::vector<annee_a_valider> PagePrecession::annees_a_valider() const {
  return {annee(champ_annee::precession_reference, date1_.an(), QStringLiteral("Année de la date de référence")),
          annee(champ_annee::precession_voulue, date2_.an(), QStringLiteral("Année de la date voulue"))};
}

std::vector<date_a_borner> PagePrecession::dates_a_borner() const {
  return {{date_bornee::precession_reference, date1_.jour(), date1_.mois(), date1_.an()},
          {date_bornee::precession_voulue, date2_.jour(), date2_.mois(), date2_.an()}};
}

}  // namespace almanax::ihm
