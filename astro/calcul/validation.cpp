// Date clamp and year validation shared by the date-entry pages.
#include "calcul/validation.h"

#include <charconv>
#include <cmath>

#include "calcul/calendrier.h"
#include "calcul/numerique.h"

namespace almanax {

namespace {

std::string_view sans_espaces(std::string_view s) {
  const auto debut = s.find_first_not_of(" \t");
  if (debut == std::string_view::npos) return {};
  const auto fin = s.find_last_not_of(" \t");
  return s.substr(debut, fin - debut + 1);
}

bool est_chiffre(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> entier_du_texte(std::string_view texte) {
  std::string_view s = sans_espaces(texte);
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) return std::nullopt;
  }
  if (s.empty()) return std::nullopt;
  int v = 0;
  const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || fin != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<long double> reel_du_texte(std::string_view texte) {
  const std::string_view s = sans_espaces(texte);
  // Accepted: [+-] digits [(,|.) digits] [(e|E) [+-] digits], with at least one
  // digit in the mantissa. Anything else (hexadecimal, "inf", "nan") is refused.
  std::string c;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') c += '-';
    ++i;
  }
  int chiffres = 0;
  for (; i < s.size() && est_chiffre(s[i]); ++i, ++chiffres) c += s[i];
  if (i < s.size() && (s[i] == ',' || s[i] == '.')) {
    c += '.';
    for (++i; i < s.size() && est_chiffre(s[i]); ++i, ++chiffres) c += s[i];
  }
  if (chiffres == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    c += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) c += s[i++];
    int exposant = 0;
    for (; i < s.size() && est_chiffre(s[i]); ++i, ++exposant) c += s[i];
    if (exposant == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  long double v = 0;
  // from_chars does not follow the process locale (a French locale reads "," only).
  const auto [fin, ec] = std::from_chars(c.data(), c.data() + c.size(), v);
  if (ec != std::errc() || fin != c.data() + c.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

resultat_bornage borner_dates(const triples_dates& saisie) {
  resultat_bornage r;
  r.triples = saisie;
  for (std::size_t t = 0; t < saisie.size(); ++t) {
    if (!saisie[t]) continue;
    const triple_date& texte = *saisie[t];
    int valeurs[3] = {};
    const std::string* textes[3] = {&texte.jour, &texte.mois, &texte.annee};
    for (int k = 0; k < 3; ++k) {
      const std::optional<int> v = entier_du_texte(*textes[k]);
      if (!v) {
        r.erreur = erreur_conversion{{"'" + *textes[k] + "' n'est pas une valeur entière correcte.", "Erreur"},
                                     static_cast<date_bornee>(t),
                                     static_cast<champ_date>(k)};
        return r;
      }
      valeurs[k] = *v;
    }
    const int jour = valeurs[0], mois = valeurs[1], annee = valeurs[2];
    // Every test reads the values as typed: a corrected month or year does not
    // change the month length used for the day.
    const int n = jours_du_mois(mois, annee_astronomique(annee));
    // Whole strings are moved in: assigning short literals here trips a false
    // -Wrestrict of the compiler at -O3.
    triple_date& sortie = *r.triples[t];
    if (jour > n) sortie.jour = std::to_string(n);
    if (jour < 1) sortie.jour = std::string("1");
    if (mois > 12) sortie.mois = std::string("12");
    if (mois <= 0) sortie.mois = std::string("1");
    if (annee > 10000) sortie.annee = std::string("10000");
    if (annee < -4713) sortie.annee = std::string("-4713");
  }
  return r;
}

resultat_annees valider_annees(const textes_annees& textes) {
  resultat_annees r;
  std::array<std::optional<long double>, nombre_champs_annee> annees;
  const std::string* dernier_invalide = nullptr;
  for (std::size_t i = 0; i < nombre_champs_annee; ++i) {
    if (!textes[i]) continue;
    annees[i] = reel_du_texte(*textes[i]);
    if (!annees[i]) {
      r.focus_invalides.push_back(static_cast<champ_annee>(i));
      dernier_invalide = &*textes[i];
    }
  }
  if (dernier_invalide)
    r.nombre_invalide = message_boite{*dernier_invalide + " n'est pas une valeur correcte.", "Nombre invalide"};

  struct test_ordre {
    champ_annee premiere, derniere;
    const char* texte;
  };
  static constexpr test_ordre tests[] = {
      {champ_annee::perihelies_debut, champ_annee::perihelies_fin,
       "L'année de départ doit être inférieure à l'année de fin des recherches."},
      {champ_annee::phenomenes_debut, champ_annee::phenomenes_fin,
       "L'année de départ doit être inférieure à l'année de fin des recherches."},
      {champ_annee::eclipses_debut, champ_annee::eclipses_fin,
       "La date de départ doit être inférieure à l'année de fin des recherches."},
  };
  for (const test_ordre& t : tests) {
    const auto& premiere = annees[static_cast<std::size_t>(t.premiere)];
    const auto& derniere = annees[static_cast<std::size_t>(t.derniere)];
    // A missing or non-numeric year has nothing to compare (already reported above).
    if (!premiere || !derniere || *premiere < *derniere) continue;
    r.ordre = erreur_ordre{{t.texte, "Erreur de date !"}, t.derniere, entier_sature<long long>(*premiere + 1)};
    break;
  }
  return r;
}

}  // namespace almanax
