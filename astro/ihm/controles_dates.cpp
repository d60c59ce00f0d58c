#include "ihm/controles_dates.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <array>

#include "calcul/calendrier.h"
#include "calcul/validation.h"
#include "ihm/edition_spin.h"
#include "ihm/messages.h"

namespace almanax::ihm {

QString texte_champ(const QWidget* champ) {
  if (auto* s = qobject_cast<const EditionSpin*>(champ)) return s->edition()->text();
  if (auto* e = qobject_cast<const QLineEdit*>(champ)) return e->text();
  return {};
}

void ecrire_champ(QWidget* champ, const QString& texte) {
  if (auto* s = qobject_cast<EditionSpin*>(champ))
    s->edition()->setText(texte);
  else if (auto* e = qobject_cast<QLineEdit*>(champ))
    e->setText(texte);
}

namespace {

std::string texte_std(const QWidget* champ) {
  return texte_champ(champ).toStdString();
}

QWidget* champ(QWidget* fenetre, const char* nom) {
  return fenetre ? fenetre->findChild<QWidget*>(QString::fromLatin1(nom)) : nullptr;
}

// A spin moved by the program: its position when it is one, else its text.
void placer(QWidget* champ, long long position) {
  if (auto* s = qobject_cast<EditionSpin*>(champ))
    s->setPosition(static_cast<int>(position));
  else
    ecrire_champ(champ, QString::number(position));
}

// The focus moved by a check leaves another field, whose own check must not run
// meanwhile (it would repeat the messages).
struct garde {
  static inline bool en_cours = false;
  bool libre;
  garde() : libre(!en_cours) { en_cours = true; }
  ~garde() {
    if (libre) en_cours = false;
  }
};

}  // namespace

void signaler_entier_invalide(QWidget* champ, const QString& texte, Messages& messages) {
  messages.erreur(QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(texte), QStringLiteral("Erreur"));
  champ->setFocus();
}

void verifier_champ_jour(QWidget* jour, QWidget* mois, QWidget* annee, Messages& messages) {
  if (!jour || !mois || !annee) return;
  const garde g;
  if (!g.libre) return;
  const std::array<QWidget*, 3> champs{jour, mois, annee};
  std::array<int, 3> v{};
  for (std::size_t k = 0; k < champs.size(); ++k) {
    const std::optional<int> n = entier_du_texte(texte_std(champs[k]));
    if (!n) {
      signaler_entier_invalide(champs[k], texte_champ(champs[k]), messages);
      return;
    }
    v[k] = *n;
  }
  const int corrige = verifier_jour(v[0], v[1], v[2]);
  if (corrige != v[0]) ecrire_champ(jour, QString::number(corrige));
}

void borner_dates_fenetre(QWidget* fenetre, Messages& messages) {
  static constexpr std::array<std::array<const char*, 3>, nombre_dates_bornees> noms{{
      {"jourequi", "moisequi", "anequi"},
      {"jourequi2", "moisequi2", "anequi2"},
      {"h_jour", "h_mois", "h_an"},
  }};
  const garde g;
  if (!g.libre) return;
  std::array<std::array<QWidget*, 3>, nombre_dates_bornees> champs{};
  triples_dates saisie;
  for (std::size_t t = 0; t < nombre_dates_bornees; ++t) {
    for (std::size_t k = 0; k < 3; ++k) champs[t][k] = champ(fenetre, noms[t][k]);
    if (champs[t][0] && champs[t][1] && champs[t][2])
      saisie[t] = triple_date{texte_std(champs[t][0]), texte_std(champs[t][1]), texte_std(champs[t][2])};
  }
  const resultat_bornage r = borner_dates(saisie);
  for (std::size_t t = 0; t < nombre_dates_bornees; ++t) {
    if (!saisie[t] || !r.triples[t]) continue;
    const std::array<std::string, 3> avant{saisie[t]->jour, saisie[t]->mois, saisie[t]->annee};
    const std::array<std::string, 3> apres{r.triples[t]->jour, r.triples[t]->mois, r.triples[t]->annee};
    for (std::size_t k = 0; k < 3; ++k)
      if (apres[k] != avant[k]) ecrire_champ(champs[t][k], QString::fromStdString(apres[k]));
  }
  if (r.erreur) {
    messages.montrer(r.erreur->message);
    QWidget* fautif = champs[static_cast<std::size_t>(r.erreur->date)][static_cast<std::size_t>(r.erreur->champ)];
    if (fautif) fautif->setFocus();
  }
}

void valider_annees_fenetre(QWidget* fenetre, Messages& messages) {
  const garde g;
  if (!g.libre) return;
  std::array<QWidget*, nombre_champs_annee> champs{};
  textes_annees textes;
  for (std::size_t i = 0; i < nombre_champs_annee; ++i) {
    const std::string nom(nom_du_champ(static_cast<champ_annee>(i)));
    champs[i] = champ(fenetre, nom.c_str());
    if (champs[i]) textes[i] = texte_std(champs[i]);
  }
  const resultat_annees r = valider_annees(textes);
  for (const champ_annee c : r.focus_invalides)
    if (QWidget* w = champs[static_cast<std::size_t>(c)]) w->setFocus();
  if (r.nombre_invalide) messages.montrer(*r.nombre_invalide);
  if (r.ordre) {
    messages.montrer(r.ordre->message);
    if (QWidget* w = champs[static_cast<std::size_t>(r.ordre->focus)]) {
      w->setFocus();
      placer(w, r.ordre->position);
    }
  }
}

}  // namespace almanax::ihm
