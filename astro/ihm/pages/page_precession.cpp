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
  heureequi_ = selecteur_heure("heureequi", this);
  heureequi_->setTime(QTime(12, 0, 0));
  heureequi2_ = selecteur_heure("heureequi2", this);
  heureequi2_->setTime(QTime(0, 0, 0));

  auto* g_dates = groupe("gr_dates_prec", QStringLiteral("Dates"), this);
  {
    auto* grille = new QGridLayout(g_dates);
    grille->addWidget(new QLabel(QStringLiteral("Équinoxe de référence"), g_dates), 0, 0, 1, 8);
    date1_.disposer(grille, 1, heureequi_);
    grille->addWidget(new QLabel(QStringLiteral("Date voulue"), g_dates), 2, 0, 1, 8);
    date2_.disposer(grille, 3, heureequi2_);
  }

  // ---- Coordinates and proper motion ----------------------------------------------------------
  alphap1_ = spin("alphap1", "upalpha1", 0, 23, true, filtre::chiffres, this);
  alphap2_ = spin("alphap2", "upalpha2", 0, 59, true, filtre::chiffres, this);
  alphap3_ = edition_reel("alphap3", this);
  // The declination's sign is typed on the degrees: "-0" with 30' is -0° 30'.
  declip1_ = spin("declip1", "updecli1", -89, 89, false, filtre::annee, this);
  declip2_ = spin("declip2", "updecli2", 0, 59, false, filtre::chiffres, this);
  declip3_ = edition_reel("declip3", this);
  t_mpa_ = edition_reel("t_mpa", this);
  t_mpd_ = edition_reel("t_mpd", this);
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
    ligne(0, QStringLiteral("Ascension droite"), alphap1_, QStringLiteral("h"), alphap2_, QStringLiteral("m"), alphap3_,
          QStringLiteral("s"));
    ligne(1, QStringLiteral("Déclinaison"), declip1_, QStringLiteral("°"), declip2_, QStringLiteral("'"), declip3_,
          QStringLiteral("\""));
    grille->addWidget(new QLabel(QStringLiteral("Mouvement propre en AD (s/an)"), g_coord), 2, 0, 1, 3, Qt::AlignRight);
    grille->addWidget(t_mpa_, 2, 3, 1, 3);
    grille->addWidget(new QLabel(QStringLiteral("Mouvement propre en Déc. (\"/an)"), g_coord), 3, 0, 1, 3,
                      Qt::AlignRight);
    grille->addWidget(t_mpd_, 3, 3, 1, 3);
  }

  bt_equi_ = bouton("bt_equi", QStringLiteral("&OK"), this);
  BitBtn9_ = bouton("BitBtn9", QStringLiteral("&Maintenant"), this);
  BitBtn4_ = bouton("BitBtn4", QStringLiteral("&Effacer"), this);

  auto* g_copier = groupe("copier_prec", QStringLiteral("Copier"), this);
  cprecequi_ = case_a_cocher("cprecequi", QStringLiteral("Équinoxe de référence"), true, g_copier);
  cprecdt_ = case_a_cocher("cprecdt", QStringLiteral("Date et heure"), true, g_copier);
  cprecad_ = case_a_cocher("cprecad", QStringLiteral("Ascension droite"), true, g_copier);
  cprecde_ = case_a_cocher("cprecde", QStringLiteral("Déclinaison"), true, g_copier);
  cprecmpa_ = case_a_cocher("cprecmpa", QStringLiteral("Mouvement propre asc."), true, g_copier);
  cprecmpd_ = case_a_cocher("cprecmpd", QStringLiteral("Mouvement propre déc."), true, g_copier);
  copy_prec_ = bouton("copy_prec", QStringLiteral("&Copie"), g_copier);
  {
    auto* grille = new QGridLayout(g_copier);
    grille->setVerticalSpacing(2);
    QCheckBox* const ordre[] = {cprecequi_, cprecdt_, cprecad_, cprecde_, cprecmpa_, cprecmpd_};
    for (int i = 0; i < 6; ++i) grille->addWidget(ordre[i], i % 3, i / 3);
    grille->addWidget(copy_prec_, 3, 0, 1, 2, Qt::AlignHCenter);
  }

  mempre_ = new BoiteRapport("mempre", tabulation_rapports, this);

  {
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bt_equi_);
    boutons->addWidget(BitBtn9_);
    boutons->addWidget(BitBtn4_);
    boutons->addStretch(1);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(g_dates);
    gauche->addWidget(g_coord);
    gauche->addLayout(boutons);
    gauche->addStretch(1);
    auto* droite = new QVBoxLayout;
    droite->addWidget(mempre_, 1);
    droite->addWidget(g_copier);
    auto* page = new QHBoxLayout(this);
    page->addLayout(gauche, 3);
    page->addLayout(droite, 2);
  }
  // Tab in reading order: each date with its time, then the right column from the
  // top (the date fields and the report box are not built in that order).
  ordre_tabulation({date1_.jour(), date1_.mois(), date1_.an(), heureequi_, date2_.jour(), date2_.mois(), date2_.an(),
                    heureequi2_, alphap1_});
  ordre_tabulation({BitBtn4_, mempre_, cprecequi_});

  // ---- Handlers --------------------------------------------------------------------------------
  for (EditionSpin* s : {date1_.jour(), date1_.mois(), date1_.an()})
    connect(s, &EditionSpin::clic, this, &PagePrecession::upjour1Click);
  for (EditionSpin* s : {date2_.jour(), date2_.mois(), date2_.an()})
    connect(s, &EditionSpin::clic, this, &PagePrecession::upjour2Click);
  for (ChampsDate* d : {&date1_, &date2_}) {
    connect(d->jour(), &EditionSpin::quitte, this, [this] { contexte_.borner_dates(); });
    connect(d->mois(), &EditionSpin::quitte, this, [this] { contexte_.borner_dates(); });
    connect(d->an(), &EditionSpin::quitte, this, [this] { contexte_.valider_annees(); });
  }
  for (EditionSpin* s : {alphap1_, alphap2_, declip1_, declip2_})
    connect(s, &EditionSpin::quitte, this, &PagePrecession::declip1Exit);
  for (QLineEdit* e : {alphap3_, declip3_, t_mpa_, t_mpd_})
    connect(e, &QLineEdit::editingFinished, this, &PagePrecession::declip1Exit);
  connect(bt_equi_, &QPushButton::clicked, this, &PagePrecession::bt_equiClick);
  connect(BitBtn4_, &QPushButton::clicked, this, &PagePrecession::BitBtn4Click);
  connect(BitBtn9_, &QPushButton::clicked, this, &PagePrecession::BitBtn9Click);
  connect(copy_prec_, &QPushButton::clicked, this, &PagePrecession::copy_precClick);
}

const QString& PagePrecession::rapport() const {
  return mempre_->texte();
}

QWidget* PagePrecession::bouton_calcul() const {
  return bt_equi_;
}

void PagePrecession::poser_date_de_demarrage(const date_jma& date) {
  date2_.poser(date);
}

void PagePrecession::poser_heure_de_demarrage(const QTime& heure) {
  heureequi2_->setTime(heure);
}

bool PagePrecession::declip1Exit() {
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
       {borne{alphap1_, 0, 23}, borne{alphap2_, 0, 59}, borne{declip1_, -89, 89}, borne{declip2_, 0, 59}}) {
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
  for (QLineEdit* e : {t_mpa_, t_mpd_}) {
    const std::optional<long double> v = reel_du_texte(e->text().toStdString());
    if (!v) continue;
    if (*v > 59) e->setText(QStringLiteral("59"));
    if (*v < -59) e->setText(QStringLiteral("-59"));
  }
  for (QLineEdit* e : {declip3_, alphap3_}) {
    const std::optional<long double> v = reel_du_texte(e->text().toStdString());
    if (!v) continue;
    QString t = e->text().trimmed();
    if (t.startsWith(u'-') || t.startsWith(u'+')) t.remove(0, 1);
    if (t != e->text()) e->setText(t);
    if (std::fabs(*v) > 59) e->setText(QStringLiteral("59"));
  }
  for (QLineEdit* e : {alphap3_, declip3_, t_mpa_, t_mpd_})
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

void PagePrecession::bt_equiClick() {
  if (!declip1Exit()) return;
  entree_precession e;
  e.reference = date1_.instant_a_calculer(heureequi_);
  e.voulue = date2_.instant_a_calculer(heureequi2_);
  e.ad_heures = entier_du_texte(texte(alphap1_)).value_or(0);
  e.ad_minutes = entier_du_texte(texte(alphap2_)).value_or(0);
  e.ad_secondes = reel_du_texte(texte(alphap3_)).value_or(0);
  e.declinaison = degres_declinaison(texte(declip1_)).value_or(declinaison_saisie{});
  e.declinaison.minutes = entier_du_texte(texte(declip2_)).value_or(0);
  e.declinaison.secondes = reel_du_texte(texte(declip3_)).value_or(0);
  e.mpa = reel_du_texte(texte(t_mpa_)).value_or(0);
  e.mpd = reel_du_texte(texte(t_mpd_)).value_or(0);
  const resultat_precession r = calcul_precession(e);
  mempre_->ajouter(QString::fromStdString(r.bloc));
}

void PagePrecession::upjour1Click(sens_pas sens) {
  date1_.normaliser(sens);
}

void PagePrecession::upjour2Click(sens_pas sens) {
  date2_.normaliser(sens);
}

void PagePrecession::BitBtn4Click() {
  mempre_->vider();
}

void PagePrecession::BitBtn9Click() {
  maintenant(heureequi2_);
}

void PagePrecession::copy_precClick() {
  champs_precession c;
  c.voulue = champs_bloc_date_de(date2_.instant_a_calculer(heureequi2_));
  c.reference = champs_bloc_date_de(date1_.instant_a_calculer(heureequi_));
  c.alphap1 = texte(alphap1_);
  c.alphap2 = texte(alphap2_);
  c.alphap3 = texte(alphap3_);
  c.declip1 = texte(declip1_);
  c.declip2 = texte(declip2_);
  c.declip3 = texte(declip3_);
  c.t_mpa = texte(t_mpa_);
  c.t_mpd = texte(t_mpd_);
  contexte_.ajouter_rapport(QString::fromStdString(copie_precession(c, mempre_->texte().toStdString(),
                                                                    cases_precession{
                                                                        cprecequi_->isChecked(),
                                                                        cprecdt_->isChecked(),
                                                                        cprecad_->isChecked(),
                                                                        cprecde_->isChecked(),
                                                                        cprecmpa_->isChecked(),
                                                                        cprecmpd_->isChecked(),
                                                                    })));
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
