#include "ihm/controles/controles_dates.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "calcul/calendrier.h"
#include "calcul/validation.h"
#include "ihm/controles/edition_spin.h"
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

// A spin moved by the program: its position when it is one, else its text.
void placer(QWidget* champ, long long position) {
  if (auto* s = qobject_cast<EditionSpin*>(champ))
    s->setPosition(static_cast<int>(position));
  else
    ecrire_champ(champ, QString::number(position));
}

}  // namespace

// The focus moved by a check leaves another field, whose own check must not run
// meanwhile (it would repeat the messages).
class VerificationsDates::garde {
 public:
  explicit garde(bool& en_cours) : en_cours_(en_cours), libre_(!en_cours) { en_cours_ = true; }
  ~garde() {
    if (libre_) en_cours_ = false;
  }
  garde(const garde&) = delete;
  garde& operator=(const garde&) = delete;
  bool libre() const { return libre_; }

 private:
  bool& en_cours_;
  bool libre_;
};

void VerificationsDates::sans_verification(const std::function<void()>& f) {
  const garde g(en_cours_);
  f();
}

void signaler_entier_invalide(QWidget* champ, const QString& texte, Messages& messages) {
  messages.erreur(QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(texte), QStringLiteral("Erreur"));
  champ->setFocus();
}

void VerificationsDates::verifier_jour(QWidget* jour, QWidget* mois, QWidget* annee) {
  if (!jour || !mois || !annee) return;
  const garde g(en_cours_);
  if (!g.libre()) return;
  const std::array<QWidget*, 3> champs{jour, mois, annee};
  std::array<int, 3> v{};
  for (std::size_t k = 0; k < champs.size(); ++k) {
    const std::optional<int> n = entier_du_texte(texte_std(champs[k]));
    if (!n) {
      signaler_entier_invalide(champs[k], texte_champ(champs[k]), messages_);
      return;
    }
    v[k] = *n;
  }
  const int corrige = almanax::verifier_jour(v[0], v[1], v[2]);
  if (corrige != v[0]) ecrire_champ(jour, QString::number(corrige));
}

void VerificationsDates::borner(const std::vector<date_a_borner>& dates) {
  const garde g(en_cours_);
  if (!g.libre()) return;
  std::array<std::array<QWidget*, 3>, nombre_dates_bornees> champs{};
  triples_dates saisie;
  for (const date_a_borner& d : dates) {
    if (!d.jour || !d.mois || !d.annee) continue;
    const auto t = static_cast<std::size_t>(d.role);
    champs[t] = {d.jour, d.mois, d.annee};
    saisie[t] = triple_date{texte_std(d.jour), texte_std(d.mois), texte_std(d.annee)};
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
    messages_.montrer(r.erreur->message);
    QWidget* fautif = champs[static_cast<std::size_t>(r.erreur->date)][static_cast<std::size_t>(r.erreur->champ)];
    if (fautif) fautif->setFocus();
  }
}

void VerificationsDates::valider(const std::vector<annee_a_valider>& annees,
                                 const std::function<void(QWidget*, QWidget*)>& montrer_champ) {
  const garde g(en_cours_);
  if (!g.libre()) return;
  std::array<const annee_a_valider*, nombre_champs_annee> champs{};
  textes_annees textes;
  for (const annee_a_valider& a : annees) {
    if (!a.champ) continue;
    const auto i = static_cast<std::size_t>(a.role);
    champs[i] = &a;
    textes[i] = texte_std(a.champ);
  }
  // Every page re-checks every year field: the message says which one is wrong and
  // where, and that page comes to the front so the focus can reach the field.
  const auto situer = [&](message_boite m, champ_annee c) {
    const annee_a_valider* a = champs[static_cast<std::size_t>(c)];
    if (a && a->page) {
      m.texte += "\nChamp « " + a->libelle.toStdString() + " » de la page « " + a->legende_page.toStdString() + " ».";
      if (montrer_champ) montrer_champ(a->page, a->champ);
    }
    return m;
  };
  // A field of a hidden page takes the focus only once its page is shown (given focus
  // while hidden, it would lose it again as the page change under way ends, and that
  // loss would start the check once more).
  const auto focus = [&montrer_champ](QWidget* w) {
    if (!montrer_champ || w->isVisible()) w->setFocus();
  };
  const resultat_annees r = valider_annees(textes);
  if (r.nombre_invalide) {
    const message_boite m = situer(*r.nombre_invalide, r.focus_invalides.back());
    for (const champ_annee c : r.focus_invalides)
      if (const annee_a_valider* a = champs[static_cast<std::size_t>(c)]) focus(a->champ);
    messages_.montrer(m);
  }
  if (r.ordre) {
    messages_.montrer(situer(r.ordre->message, r.ordre->focus));
    if (const annee_a_valider* a = champs[static_cast<std::size_t>(r.ordre->focus)]) {
      focus(a->champ);
      placer(a->champ, r.ordre->position);
    }
  }
}

}  // namespace almanax::ihm
