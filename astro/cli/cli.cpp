#include "cli/cli.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <exception>
#include <map>
#include <ostream>

#include "calcul/formats.h"
#include "calcul/tri_francais.h"
#include "calcul/validation.h"
#include "cli/sortie_json.h"
#include "donnees/villes.h"

namespace almanax::cli {

namespace {

// Numbers are read as the pages read their fields: "," or "." as decimal point.
bool lire_entier(std::string_view s, long long& v) {
  const std::optional<int> x = entier_du_texte(s);
  if (x) v = *x;
  return x.has_value();
}

bool lire_reel(std::string_view s, long double& v) {
  const std::optional<long double> x = reel_du_texte(s);
  if (x) v = *x;
  return x.has_value();
}

std::string option(std::string_view nom) {
  return "--" + std::string(nom);
}

// Digits only (no sign, no blank), at most `max` of them.
bool lire_chiffres(std::string_view s, long long& v, std::size_t max = 9) {
  if (s.empty() || s.size() > max) return false;
  v = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  return true;
}

// A year: an optional sign, then digits.
bool lire_annee(std::string_view s, long long& v) {
  const bool negative = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  if (!lire_chiffres(s, v, 6)) return false;
  if (negative) v = -v;
  return true;
}

// Splits at each `sep`.
std::vector<std::string_view> morceaux(std::string_view s, char sep) {
  std::vector<std::string_view> r;
  for (std::size_t p; (p = s.find(sep)) != std::string_view::npos; s.remove_prefix(p + 1)) r.push_back(s.substr(0, p));
  r.push_back(s);
  return r;
}

}  // namespace

void arguments::verifier_declaree(std::string_view nom, std::optional<lecteur> lu) const {
  if (!declarees_) return;
  for (const option_rapport& o : *declarees_)
    if (o.nom == nom) {
      if (lu && o.lu != *lu)
        throw std::logic_error("l'option " + option(nom) + " est lue autrement que sa déclaration ne le dit");
      return;
    }
  throw std::logic_error("le rapport lit l'option " + option(nom) + ", qu'il ne déclare pas");
}

erreur_option option_inconnue(std::string_view nom) {
  return erreur_option("Option inconnue pour ce rapport : " + option(nom) + ".");
}

bool arguments::present(std::string_view nom) const {
  verifier_declaree(nom, std::nullopt);
  return valeurs_.count(std::string(nom)) != 0 || sans_valeur_.count(nom) != 0;
}

const std::string* arguments::valeur(std::string_view nom, lecteur lu) {
  verifier_declaree(nom, lu);
  lus_.insert(std::string(nom));
  if (sans_valeur_.count(nom)) throw erreur_option("Valeur manquante pour " + option(nom) + ".");
  const auto it = valeurs_.find(std::string(nom));
  return it == valeurs_.end() ? nullptr : &it->second;
}

std::string arguments::texte(std::string_view nom, std::string_view defaut) {
  return texte(nom, lecteur::texte, defaut);
}

std::string arguments::texte(std::string_view nom, lecteur lu, std::string_view defaut) {
  const std::string* v = valeur(nom, lu);
  return v ? *v : std::string(defaut);
}

long long arguments::entier(std::string_view nom, long long defaut, long long min, long long max) {
  const std::string* v = valeur(nom, lecteur::entier);
  if (!v) return defaut;
  long long x = 0;
  if (!lire_entier(*v, x))
    throw erreur_option("Valeur invalide pour " + option(nom) + " : " + guillemets(*v) + " (nombre entier attendu).");
  if (x < min || x > max)
    throw erreur_option("Valeur hors limites pour " + option(nom) + " : " + *v + " (de " + std::to_string(min) + " à " +
                        std::to_string(max) + ").");
  return x;
}

long double arguments::reel(std::string_view nom, long double defaut, long double min, long double max) {
  return reel(nom, lecteur::reel, defaut, min, max);
}

long double arguments::reel(std::string_view nom, lecteur lu, long double defaut, long double min, long double max) {
  const std::string* v = valeur(nom, lu);
  if (!v) return defaut;
  long double x = 0;
  if (!lire_reel(*v, x))
    throw erreur_option("Valeur invalide pour " + option(nom) + " : " + guillemets(*v) + " (nombre attendu).");
  if (x < min || x > max) {
    char b[96];
    std::snprintf(b, sizeof b, " (de %g à %g).", static_cast<double>(min), static_cast<double>(max));
    throw erreur_option("Valeur hors limites pour " + option(nom) + " : " + *v + b);
  }
  return x;
}

date_jma arguments::date(std::string_view nom, date_jma defaut) {
  const std::string* v = valeur(nom, lecteur::date);
  if (!v) return defaut;
  const auto erreur = [&](const std::string& pourquoi) {
    return erreur_option("Date invalide pour " + option(nom) + " : " + guillemets(*v) + " (" + pourquoi + ").");
  };
  std::string_view s = *v;
  long long j = 0, m = 0, a = 0;
  bool lue = false;
  if (const auto jma = morceaux(s, '/'); jma.size() == 3) {
    lue = lire_chiffres(jma[0], j, 2) && lire_chiffres(jma[1], m, 2) && lire_annee(jma[2], a);
  } else {
    // Year first, as in ISO 8601 ("1992-12-20", "-0044-03-15"); the sign belongs to the year.
    const bool signe = !s.empty() && (s.front() == '-' || s.front() == '+');
    const auto amj = morceaux(s.substr(signe ? 1 : 0), '-');
    lue = amj.size() == 3 && lire_annee(s.substr(0, amj[0].size() + (signe ? 1 : 0)), a) &&
          lire_chiffres(amj[1], m, 2) && lire_chiffres(amj[2], j, 2);
  }
  if (!lue) throw erreur("attendu JJ/MM/AAAA ou AAAA-MM-JJ");
  if (a == 0) throw erreur("l'année 0 n'existe pas : après -1 vient 1");
  if (a < -4713 || a > 9999) throw erreur("année de -4713 à 9999");
  if (m < 1 || m > 12) throw erreur("mois de 1 à 12");
  const int n = jours_du_mois(static_cast<int>(m), annee_astronomique(a));
  if (j < 1 || j > n) throw erreur("jour de 1 à " + std::to_string(n) + " pour ce mois");
  if (a == 1582 && m == 10 && j >= 5 && j <= 14) throw erreur("du 5 au 14 octobre 1582 n'existent pas");
  return {static_cast<int>(j), static_cast<int>(m), static_cast<int>(a)};
}

heure_hms arguments::heure(std::string_view nom, heure_hms defaut) {
  const std::string* v = valeur(nom, lecteur::heure);
  if (!v) return defaut;
  const auto hms = morceaux(*v, ':');
  long long h = 0, m = 0, sec = 0, milli = 0;
  bool ok = (hms.size() == 2 || hms.size() == 3) && lire_chiffres(hms[0], h, 2) && lire_chiffres(hms[1], m, 2);
  if (ok && hms.size() == 3) {
    // Seconds with an optional fraction after "." or ","; kept to the millisecond.
    const std::string_view s = hms[2];
    const auto point = s.find_first_of(".,");
    ok = lire_chiffres(s.substr(0, point), sec, 2);
    if (ok && point != std::string_view::npos) {
      const std::string_view fraction = s.substr(point + 1);
      long long f = 0;
      ok = lire_chiffres(fraction, f, 18);
      for (std::size_t i = 0; i < 3; ++i) milli = milli * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    }
  }
  if (!ok || h > 23 || m > 59 || sec > 59)
    throw erreur_option("Heure invalide pour " + option(nom) + " : " + guillemets(*v) +
                        " (attendu HH:MM, HH:MM:SS ou HH:MM:SS,sss, de 00:00:00 à 23:59:59,999).");
  return {static_cast<int>(h), static_cast<int>(m), static_cast<int>(sec), static_cast<int>(milli)};
}

std::vector<std::string> arguments::liste(std::string_view nom, const std::vector<std::string>& defaut,
                                          const std::vector<std::string>& permis) {
  const std::string* v = valeur(nom, lecteur::liste);
  if (!v) return defaut;
  std::vector<std::string> r;
  std::string_view s = *v;
  while (true) {
    const auto p = s.find(',');
    const std::string_view element = s.substr(0, p);
    bool trouve = false;
    for (const auto& x : permis)
      if (cle_francaise(x) == cle_francaise(element)) {
        r.push_back(x);
        trouve = true;
        break;
      }
    if (!trouve) {
      std::string choix;
      for (const auto& x : permis) choix += (choix.empty() ? "" : ", ") + x;
      throw erreur_option("Valeur invalide pour " + option(nom) + " : " + guillemets(element) + " (choix : " + choix +
                          ").");
    }
    if (p == std::string_view::npos) break;
    s.remove_prefix(p + 1);
  }
  return r;
}

bool calendrier_demande(arguments& a) {
  const std::vector<std::string> f = a.liste("format", {"texte"}, {"texte", "ics"});
  if (f.size() != 1) throw erreur_option("Valeur invalide pour --format : un seul format (texte ou ics).");
  const bool ics = f[0] == "ics";
  if (ics && a.json()) throw erreur_option("--format ics et --json s'excluent : choisissez l'un des deux.");
  return ics;
}

void arguments::completer_entrees(QJsonObject& entrees) const {
  if (echelle_.legale()) entrees["fuseau"] = QString::fromStdString(echelle_.fuseau()->nom());
}

void arguments::verifier_tout_lu() const {
  for (const auto& [k, v] : valeurs_)
    if (!lus_.count(k)) throw option_inconnue(k);
  for (const auto& k : sans_valeur_)
    if (!lus_.count(k)) throw option_inconnue(k);
}

std::string separateur_decimal() {
  return separateur_decimal_local();
}

date_jma aujourd_hui() {
  const std::time_t maintenant_t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&maintenant_t, &tm);
  return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
}

heure_hms maintenant() {
  const std::time_t maintenant_t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&maintenant_t, &tm);
  return {tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace almanax::cli
