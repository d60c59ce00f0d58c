#include "ihm/pages/page_perigee_apogee.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/perigee_apogee.h"
#include "ihm/controles/annees_recherche.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/modele_liste.h"
#include "ihm/messages.h"
#include "ihm/recherche_fond.h"

namespace almanax::ihm {

namespace {

// What a search gives the list: its rows, compact, and their events.
struct trouves {
  std::vector<std::string> lignes;
  std::vector<ModeleListe::instant_ligne> instants;
};

}  // namespace

PagePerigeeApogee::PagePerigeeApogee(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("peri_apog"), QStringLiteral("Péri. et Apogée"),
           QStringLiteral("04-perigee-apogee"), parent) {
  annees_ = new AnneesRecherche({"p_a_an", "up_ap_an", "p_a_an2", "up_ap_an2"}, 1992, 1993, false, this);
  bouton_recherche_ = bouton("bt_ap", QStringLiteral("&OK"), this);
  case_perigees_ = case_a_cocher("cplune", QStringLiteral("Périgée"), true, this);
  case_apogees_ = case_a_cocher("calune", QStringLiteral("Apogée"), true, this);
  modele_ = new ModeleListe({{QStringLiteral("Phase"), 60, false, QStringLiteral("Périgée")},
                             {QStringLiteral("Date"), 110, false, QStringLiteral("30 Septembre -0000")},
                             {QStringLiteral("Heure"), 90, true, QStringLiteral("00 h 00 m 00 s")},
                             {QStringLiteral("Parallaxe"), 80, true, QStringLiteral("0° 00' 00\"")},
                             {QStringLiteral("Distance"), 85, false, QStringLiteral("000000 km")}},
                            this);
  liste_ = vue_liste("lvpa", modele_, this);
  auto* efface = bouton("BitBtn2", QStringLiteral("&Efface"), this);
  auto* copie = bouton("copy_pa", QStringLiteral("&Copie"), this);
  auto* exporte = bouton_exporter("export_perigees",
                                  QStringLiteral("Enregistre les périgées et apogées de la liste, ceux que « Copie » "
                                                 "copie,"),
                                  this);
  recherche_ = new RechercheFond(this, bouton_recherche_);
  mention_ = new QLabel(this);
  mention_->setObjectName(QStringLiteral("mention_heure"));
  mention_->setVisible(false);

  disposition_recherche d;
  d.annees = annees_;
  d.choix = {case_perigees_, case_apogees_};
  d.mention = mention_;
  d.resultats = liste_;
  d.efface = efface;
  d.copie = copie;
  d.exporter = exporte;
  recherche_->disposer(d);

  for (EditionSpin* e : {annees_->debut(), annees_->fin()}) {
    connect(e, &EditionSpin::clic, this, &PagePerigeeApogee::verifier_ordre_annees);
    connect(e, &EditionSpin::quitte, this, &PagePerigeeApogee::valider_annees);
  }
  // A search whose inputs change is no longer the one asked for.
  connect(annees_, &AnneesRecherche::changees, recherche_, &RechercheFond::annuler);
  connect(case_perigees_, &QCheckBox::toggled, recherche_, &RechercheFond::annuler);
  connect(case_apogees_, &QCheckBox::toggled, recherche_, &RechercheFond::annuler);
  connect(bouton_recherche_, &QPushButton::clicked, this, &PagePerigeeApogee::lancer_recherche);
  connect(efface, &QPushButton::clicked, this, &PagePerigeeApogee::effacer);
  connect(copie, &QPushButton::clicked, this, &PagePerigeeApogee::copier);
  connect(exporte, &QPushButton::clicked, this, &PagePerigeeApogee::exporter);
}

QWidget* PagePerigeeApogee::bouton_calcul() const {
  return bouton_recherche_;
}

void PagePerigeeApogee::poser_date_de_demarrage(const date_jma& date) {
  annees_->poser(date.annee);
}

void PagePerigeeApogee::chercher(bool synchrone) {
  if (!annees_->dans_les_bornes(contexte_.messages())) return;
  const long long premiere = annees_->premiere(), derniere = annees_->derniere();
  // The last year is moved past the first; the search takes the years as read.
  if (premiere >= derniere) annees_->fin()->setPosition(static_cast<int>(premiere + 1));
  const bool perigees = case_perigees_->isChecked(), apogees = case_apogees_->isChecked();
  if (!perigees && !apogees) {
    contexte_.messages().information(QStringLiteral("Cochez « Périgée », « Apogée » ou les deux."),
                                     QStringLiteral("Rien à rechercher"));
    return;
  }
  const std::function<trouves(const suivi_recherche&)> travail =
      [=, echelle = contexte_.session().echelle()](const suivi_recherche& s) {
        resultat_perigees r = perigees_apogees(premiere, derniere, perigees, apogees, s, echelle);
        trouves t;
        if (r.interrompue) return t;
        t.lignes.reserve(r.passages.size());
        t.instants.reserve(r.passages.size());
        for (passage_trouve& p : r.passages) {
          t.lignes.push_back(ModeleListe::compacter(p.ligne));
          t.instants.push_back({p.jde, p.decalage, static_cast<std::int16_t>(p.genre), 0, static_cast<double>(p.k)});
          p = passage_trouve{};  // what is kept now is the compact row
        }
        return t;
      };
  const std::function<void(trouves &&)> fin = [this](trouves&& t) {
    montrer_ligne(liste_, modele_->ajouter(std::move(t.lignes), std::move(t.instants)));
    montrer_echelle();
  };
  recherche_->lancer(travail, fin, synchrone);
}

void PagePerigeeApogee::echelle_changee() {
  const echelle_temps& echelle = contexte_.session().echelle();
  modele_->redater(
      [&](ligne_liste& l, ModeleListe::instant_ligne& i) { i.decalage = dater_ligne_perigee(l, i.jde, echelle); });
  montrer_echelle();
  if (recherche_->en_cours()) {
    recherche_->annuler();
    lancer_recherche();
  }
}

void PagePerigeeApogee::montrer_echelle() {
  const bool legale = contexte_.session().echelle().legale();
  modele_->marquer_decalages(legale, 2);
  elargir_pour_decalages(liste_, 2, legale);
  const auto& instants = modele_->instants();
  const QString mention =
      legale && !instants.empty() ? QString::fromStdString(mention_heure_legale(instants.front().decalage)) : QString();
  mention_->setText(mention);
  mention_->setVisible(!mention.isEmpty());
}

void PagePerigeeApogee::effacer() {
  // A search under way was asked for a list that is no longer there.
  recherche_->annuler();
  modele_->vider();
  montrer_echelle();
}

void PagePerigeeApogee::copier() {
  const std::string rapport = copie_perigees_avec_decalages(
      modele_->lignes(), modele_->decalages_marques() ? modele_->decalages() : std::vector<int>{});
  if (!rapport.empty()) contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

void PagePerigeeApogee::exporter() {
  // The passes as the search gave them, from the rows shown (on the list's clock).
  std::vector<passage_trouve> passages(modele_->instants().size());
  for (std::size_t r = 0; r < passages.size(); ++r) {
    const ModeleListe::instant_ligne& i = modele_->instants()[r];
    passage_trouve& p = passages[r];
    p.genre = static_cast<passage_lunaire>(i.genre);
    p.k = i.k;
    p.jde = i.jde;
    p.decalage = i.decalage;
    p.ligne = modele_->ligne(r);
  }
  exporter_calendrier(contexte_.dialogues(), contexte_.messages(), this, calendrier_perigees(passages),
                      QStringLiteral("Exporter les périgées et apogées"));
}

void PagePerigeeApogee::verifier_ordre_annees() {
  annees_->verifier_ordre(contexte_.messages());
}

void PagePerigeeApogee::valider_annees() {
  contexte_.valider_annees();
}

}  // namespace almanax::ihm
