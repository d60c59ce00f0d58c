#include "ihm/controles/annees_recherche.h"

#include <QGridLayout>
#include <QLabel>

#include "calcul/validation.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/controles/filtres.h"
#include "ihm/messages.h"

namespace almanax::ihm {

AnneesRecherche::AnneesRecherche(const noms_annees& noms, int debut, int fin, bool en_boucle, QWidget* page)
    : QObject(page),
      debut_(new EditionSpin(QString::fromLatin1(noms.debut), QString::fromLatin1(noms.up_debut), annee_recherche_min,
                             annee_recherche_max - 1, page)),
      fin_(new EditionSpin(QString::fromLatin1(noms.fin), QString::fromLatin1(noms.up_fin), annee_recherche_min + 1,
                           annee_recherche_max, page)) {
  for (EditionSpin* e : {debut_, fin_}) {
    e->setBoucle(en_boucle);
    FiltreTouches::installer(e, filtre::annee);
    expliquer_annee(e, numerotation_annees::astronomique);
    connect(e, &EditionSpin::texteChange, this, &AnneesRecherche::changees);
  }
  debut_->setPosition(debut);
  fin_->setPosition(fin);
}

int AnneesRecherche::premiere() const {
  return debut_->position();
}

int AnneesRecherche::derniere() const {
  return fin_->position();
}

void AnneesRecherche::poser(int annee) {
  debut_->setPosition(annee);
  fin_->setPosition(annee + 1);
}

void AnneesRecherche::verifier_ordre(Messages& messages) {
  const int d = premiere(), f = derniere();
  if (d >= f) {
    messages.erreur(QStringLiteral("L'année de départ doit être inférieure à l'année de fin des recherches."),
                    QStringLiteral("Erreur de date !"));
    fin_->setFocus();
    fin_->setPosition(d + 1);
  } else {
    debut_->setPosition(d);
    fin_->setPosition(f);
  }
}

bool AnneesRecherche::dans_les_bornes(Messages& messages) const {
  for (EditionSpin* e : {debut_, fin_}) {
    const std::optional<int> a = entier_du_texte(e->edition()->text().toStdString());
    if (a && (*a < e->minimum() || *a > e->maximum())) {
      messages.erreur(
          QStringLiteral("Les années de recherche vont de %1 à %2.").arg(annee_recherche_min).arg(annee_recherche_max),
          QStringLiteral("Erreur de date !"));
      e->setFocus();
      return false;
    }
  }
  return true;
}

void AnneesRecherche::disposer(QGridLayout* grille, int ligne, const QString& legende_fin) const {
  QWidget* parent = debut_->parentWidget();
  auto ajouter = [&](int colonne, const QString& legende, QWidget* champ) {
    auto* l = new QLabel(legende, parent);
    l->setBuddy(champ);
    grille->addWidget(l, ligne, colonne, Qt::AlignRight);
    grille->addWidget(champ, ligne, colonne + 1);
  };
  ajouter(0, QStringLiteral("DE :"), debut_);
  ajouter(2, legende_fin, fin_);
}

}  // namespace almanax::ihm
