#include "ihm/controles/controles_dates.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <array>

#include "calcul/calendrier.h"
#include "calcul/validation.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"
#include "ihm/pages/page.h"

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

void sans_verification(const std::function<void()>& f) {
  const garde g;
  f();
}

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

namespace {

// How the user sees each year field beside its page's name, in champ_annee order.
constexpr std::array<const char*, nombre_champs_annee> libelles_annees = {
    "Année",                           // e_an
    "Année de la date de référence",   // anequi
    "Année de la date voulue",         // anequi2
    "Année de la date d'observation",  // an_com
    "Année",                           // h_an
    "Année de départ",                 // e_an_helie
    "Année de fin",                    // e_an_helie2
    "Année de départ",                 // an_phe
    "Année de fin",                    // an_phe2
    "Année de départ",                 // ec_an
    "Année de fin",                    // ec_an2
    "Année",                           // equa_an
    "Année",                           // an_sat
    "Année",                           // an_sol
    "Année",                           // an_dep
};

Page* page_du_champ(QWidget* champ) {
  for (QWidget* w = champ; w; w = w->parentWidget())
    if (auto* p = qobject_cast<Page*>(w)) return p;
  return nullptr;
}

}  // namespace

void valider_annees_fenetre(QWidget* fenetre, Messages& messages,
                            const std::function<void(Page*, QWidget*)>& montrer_champ) {
  const garde g;
  if (!g.libre) return;
  std::array<QWidget*, nombre_champs_annee> champs{};
  textes_annees textes;
  for (std::size_t i = 0; i < nombre_champs_annee; ++i) {
    const std::string nom(nom_du_champ(static_cast<champ_annee>(i)));
    champs[i] = champ(fenetre, nom.c_str());
    if (champs[i]) textes[i] = texte_std(champs[i]);
  }
  // Every page re-checks every year field: the message says which one is wrong and
  // where, and that page comes to the front so the focus can reach the field.
  const auto situer = [&](message_boite m, champ_annee c) {
    QWidget* w = champs[static_cast<std::size_t>(c)];
    if (Page* p = w ? page_du_champ(w) : nullptr) {
      m.texte += "\nChamp « " + std::string(libelles_annees[static_cast<std::size_t>(c)]) + " » de la page « " +
                 p->legende().toStdString() + " ».";
      if (montrer_champ) montrer_champ(p, w);
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
      if (QWidget* w = champs[static_cast<std::size_t>(c)]) focus(w);
    messages.montrer(m);
  }
  if (r.ordre) {
    messages.montrer(situer(r.ordre->message, r.ordre->focus));
    if (QWidget* w = champs[static_cast<std::size_t>(r.ordre->focus)]) {
      focus(w);
      placer(w, r.ordre->position);
    }
  }
}

}  // namespace almanax::ihm
