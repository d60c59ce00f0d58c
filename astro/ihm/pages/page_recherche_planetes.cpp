#include "ihm/pages/page_recherche_planetes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <numeric>

#include "calcul/tri_francais.h"
#include "dessin/images_planetes.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"
#include "ihm/recherche_fond.h"

namespace almanax::ihm {

PageRecherchePlanetes::PageRecherchePlanetes(Contexte& contexte, const description& d, QWidget* parent)
    : Page(contexte, QString::fromLatin1(d.nom), d.legende, QString::fromLatin1(d.capture), parent),
      fonction_recherche_(d.recherche),
      fonction_copie_(d.rapport),
      fonction_dater_(d.dater),
      fonction_calendrier_(d.calendrier),
      titre_export_(d.titre_export),
      colonne_date_(d.colonne_date),
      premiere_annee_(d.premiere_annee),
      derniere_annee_(d.derniere_annee) {
  annees_ = new AnneesRecherche(d.annees, 1992, 1993, d.annees_en_boucle, this);
  ok_ = bouton(d.ok, QStringLiteral("&OK"), this);
  modele_ = new ModeleListe(d.colonnes, this);
  modele_->set_icone(dessin::icone_du_nom);
  liste_ = vue_liste(d.liste, modele_, this);
  efface_ = bouton(d.efface, QStringLiteral("&Efface"), this);
  copie_ = bouton(d.copie, QStringLiteral("&Copie"), this);
  exporter_ = bouton_exporter(d.exporter, d.quoi_exporter, this);
  recherche_ = new RechercheFond(this, ok_);

  auto* boutons = new QHBoxLayout;
  boutons->setSpacing(2);
  for (const bouton_planete& b : d.planetes) {
    auto* t = new QToolButton(this);
    t->setObjectName(QString::fromLatin1(b.nom));
    t->setText(b.texte);
    t->setIcon(dessin::icone_planete(b.image));
    t->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    t->setCheckable(true);
    t->setChecked(true);
    choix_planete_.push_back(t);
    boutons->addWidget(t);
    // Toggling a planet starts nothing, but a running search no longer answers the question.
    connect(t, &QToolButton::toggled, recherche_, &RechercheFond::annuler);
  }
  boutons->addStretch(1);
  mention_ = new QLabel(this);
  mention_->setObjectName(QStringLiteral("mention_heure"));
  mention_->setVisible(false);

  disposition_recherche disposition;
  disposition.annees = annees_;
  disposition.sous_les_annees = boutons;
  disposition.resultats = liste_;
  disposition.efface = efface_;
  disposition.copie = copie_;
  disposition.exporter = exporter_;
  disposition.mention = mention_;
  recherche_->disposer(disposition);
  connect(annees_, &AnneesRecherche::changees, recherche_, &RechercheFond::annuler);
  for (EditionSpin* e : {annees_->debut(), annees_->fin()}) {
    connect(e, &EditionSpin::clic, this, &PageRecherchePlanetes::verifier_ordre_annees);
    connect(e, &EditionSpin::quitte, this, &PageRecherchePlanetes::valider_annees);
  }
  connect(ok_, &QPushButton::clicked, this, &PageRecherchePlanetes::lancer_recherche);
  connect(efface_, &QPushButton::clicked, this, &PageRecherchePlanetes::effacer);
  connect(copie_, &QPushButton::clicked, this, &PageRecherchePlanetes::copier);
  connect(exporter_, &QPushButton::clicked, this, &PageRecherchePlanetes::exporter);
}

std::vector<annee_a_valider> PageRecherchePlanetes::annees_a_valider() const {
  return {annee(premiere_annee_, annees_->debut(), QStringLiteral("Année de départ")),
          annee(derniere_annee_, annees_->fin(), QStringLiteral("Année de fin"))};
}

QWidget* PageRecherchePlanetes::bouton_calcul() const {
  return ok_;
}

void PageRecherchePlanetes::poser_date_de_demarrage(const date_jma& date) {
  annees_->poser(date.annee);
}

void PageRecherchePlanetes::chercher(bool synchrone) {
  if (!annees_->dans_les_bornes(contexte_.messages())) return;
  const long long premiere = annees_->premiere(), derniere = annees_->derniere();
  std::vector<bool> choisies;
  for (const QToolButton* t : choix_planete_) choisies.push_back(t->isChecked());
  if (std::none_of(choisies.begin(), choisies.end(), [](bool b) { return b; })) {
    // Nothing to add; the rows already there are still sorted, as after any search.
    ajouter_et_trier({}, {});
    contexte_.messages().information(QStringLiteral("Choisissez au moins une planète."),
                                     QStringLiteral("Rien à rechercher"));
    return;
  }
  const std::string separateur = QLocale().decimalPoint().toStdString();
  const std::function<trouvees(const suivi_recherche&)> travail =
      [=, f = fonction_recherche_, echelle = contexte_.session().echelle()](const suivi_recherche& s) {
        return f(premiere, derniere, choisies, separateur, echelle, s);
      };
  const std::function<void(trouvees &&)> fin = [this](trouvees&& t) {
    if (!t.message.empty()) {
      contexte_.messages().erreur(QString::fromStdString(t.message), QStringLiteral("Erreur de date !"));
      annees_->fin()->setFocus();
      return;
    }
    montrer_ligne(liste_, ajouter_et_trier(std::move(t.lignes), std::move(t.instants)));
  };
  recherche_->lancer(travail, fin, synchrone);
}

void PageRecherchePlanetes::echelle_changee() {
  const echelle_temps& echelle = contexte_.session().echelle();
  modele_->redater(
      [&](ligne_liste& l, ModeleListe::instant_ligne& i) { i.decalage = fonction_dater_(l, i.jde, echelle); });
  montrer_echelle();
  if (recherche_->en_cours()) {
    recherche_->annuler();
    lancer_recherche();
  }
}

void PageRecherchePlanetes::montrer_echelle() {
  const bool legale = contexte_.session().echelle().legale();
  modele_->marquer_decalages(legale, colonne_date_);
  elargir_pour_decalages(liste_, colonne_date_, legale);
  const auto& instants = modele_->instants();
  const QString mention =
      legale && !instants.empty() ? QString::fromStdString(mention_heure_legale(instants.front().decalage)) : QString();
  mention_->setText(mention);
  mention_->setVisible(!mention.isEmpty());
}

int PageRecherchePlanetes::ajouter_et_trier(std::vector<std::string>&& lignes,
                                            std::vector<ModeleListe::instant_ligne>&& instants) {
  const int premiere =
      modele_->ajouter_puis_ordonner(std::move(lignes), std::move(instants), [](const std::vector<std::string>& tout) {
        std::vector<std::size_t> rangs(tout.size());
        std::iota(rangs.begin(), rangs.end(), std::size_t{0});
        trier_par_nom(rangs, [&tout](std::size_t i) { return ModeleListe::colonne(tout[i], 0); });
        return rangs;
      });
  montrer_echelle();
  return premiere;
}

void PageRecherchePlanetes::vider() {
  // A search under way was asked for a list that is no longer there.
  recherche_->annuler();
  modele_->vider();
  montrer_echelle();
}

void PageRecherchePlanetes::copier_liste() {
  const std::string rapport =
      fonction_copie_(modele_->lignes(), modele_->decalages_marques() ? modele_->decalages() : std::vector<int>{});
  if (!rapport.empty()) contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

void PageRecherchePlanetes::exporter() {
  exporter_calendrier(contexte_.dialogues(), contexte_.messages(), this, fonction_calendrier_(*modele_), titre_export_);
}

void PageRecherchePlanetes::verifier_ordre() {
  annees_->verifier_ordre(contexte_.messages());
}

void PageRecherchePlanetes::sortir_annee() {
  contexte_.valider_annees();
}

}  // namespace almanax::ihm
