#include "cli/cli.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <exception>
#include <map>
#include <ostream>

#include "calcul/tri_francais.h"
#include "calcul/validation.h"
#include "cli/sortie_json.h"
#include "donnees/villes.h"

namespace almanax::cli {

namespace {

std::string guillemets(std::string_view s) {
  return "« " + std::string(s) + " »";
}

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

erreur_option option_inconnue(std::string_view nom) {
  return erreur_option("Option inconnue pour ce rapport : " + option(nom) + ".");
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

bool arguments::present(std::string_view nom) const {
  return valeurs_.count(std::string(nom)) != 0 || sans_valeur_.count(nom) != 0;
}

const std::string* arguments::valeur(std::string_view nom) {
  lus_.insert(std::string(nom));
  if (sans_valeur_.count(nom)) throw erreur_option("Valeur manquante pour " + option(nom) + ".");
  const auto it = valeurs_.find(std::string(nom));
  return it == valeurs_.end() ? nullptr : &it->second;
}

std::string arguments::texte(std::string_view nom, std::string_view defaut) {
  const std::string* v = valeur(nom);
  return v ? *v : std::string(defaut);
}

long long arguments::entier(std::string_view nom, long long defaut, long long min, long long max) {
  const std::string* v = valeur(nom);
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
  const std::string* v = valeur(nom);
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
  const std::string* v = valeur(nom);
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
  const std::string* v = valeur(nom);
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
  const std::string* v = valeur(nom);
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

namespace {

void aide(std::ostream& out) {
  out << "Almanax 2.0 — éphémérides et phénomènes astronomiques.\n\n"
         "Utilisation :\n"
         "  astro                          ouvre la fenêtre\n"
         "  astro --rapport NOM [options]  calcule une page et affiche son rapport\n"
         "  astro --rapport NOM --json     le même résultat en JSON, avec les valeurs brutes\n"
         "  astro --capture DOSSIER        enregistre une image PNG de chaque page\n"
         "  astro --help                   affiche cette aide\n\n"
         "Les dates s'écrivent JJ/MM/AAAA ou AAAA-MM-JJ (la même date, l'année d'abord) ; les années\n"
         "sont historiques : pas d'année 0, -1 est 1 av. J.-C. (-0044-03-15 est le 15/03/-44), et le\n"
         "calendrier est julien jusqu'au 4 octobre 1582, grégorien à partir du 15 octobre 1582.\n"
         "Comme dans la fenêtre, les années seules des recherches d'événements (--debut et --fin de\n"
         "perigees, eclipses, phenomenes et perihelies, --annee de phases) et l'année du passage au\n"
         "périhélie d'une comète (--T) sont astronomiques : 0 est 1 av. J.-C., -500 est 501 av. J.-C. ;\n"
         "les dates, l'--annee de dates et celle de satellites restent historiques.\n"
         "Les heures s'écrivent HH:MM, HH:MM:SS ou HH:MM:SS,sss (fraction après une virgule ou un point ;\n"
         "comme dans la fenêtre, le calcul compte les secondes entières).\n"
         "Les nombres saisis acceptent la virgule ou le point. Les nombres écrits suivent la langue du\n"
         "système, comme dans la fenêtre (variables LC_ALL, LC_NUMERIC, LANG) : virgule en français\n"
         "(LANG=fr_FR.UTF-8), point avec LC_ALL=C. Le JSON écrit toujours ses nombres bruts avec un point.\n"
         "Les rapports s'écrivent avec des fins de ligne CR LF et une tabulation entre libellé et valeur.\n\n"
         "Rapports :\n";
  for (const auto& r : rapports()) {
    out << "\n  " << r.nom << " — " << r.resume << "\n";
    // Options one step further in than the report's name.
    std::string_view o = r.options;
    while (!o.empty()) {
      const auto fin = o.find('\n');
      out << "  " << o.substr(0, fin) << "\n";
      if (fin == std::string_view::npos) break;
      o.remove_prefix(fin + 1);
    }
  }
}

// Whether the report's help names the option ("--nom" as a whole word).
bool option_documentee(const rapport& r, std::string_view nom) {
  const std::string cherche = option(nom);
  for (std::size_t p = r.options.find(cherche); p != std::string_view::npos; p = r.options.find(cherche, p + 1)) {
    const std::size_t fin = p + cherche.size();
    const char c = fin < r.options.size() ? r.options[fin] : ' ';
    const bool suite_du_nom = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    if (!suite_du_nom) return true;
  }
  return false;
}

// A report that did not reach its reader (a full disk, a closed pipe, /dev/full) is
// a failure, not a success: the status says so, the message says why.
int sortie_ecrite(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return 0;
  err << "astro : la sortie standard n'a pas pu être écrite entièrement (disque plein ou sortie fermée) : "
         "le résultat est incomplet.\n";
  return 2;
}

}  // namespace

int principal(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::optional<std::string> nom_rapport;
  bool json = false;
  bool demande_aide = false;
  std::map<std::string, std::string> valeurs;
  std::set<std::string, std::less<>> sans_valeur;
  try {
    for (int i = 1; i < argc; ++i) {
      std::string a = argv[i];
      if (a == "--help" || a == "-h" || a == "--aide") {
        demande_aide = true;
        continue;
      }
      if (a == "--json") {
        json = true;
        continue;
      }
      if (a.rfind("--", 0) != 0 || a.size() < 3)
        throw erreur_option("Argument inattendu : " + guillemets(a) + ". Voir astro --help.");
      std::string nom = a.substr(2), v;
      // No value: the last argument, or the next one is an option. Whether the option
      // exists is only known to the report, which says so.
      bool a_valeur = true;
      if (const auto eg = nom.find('='); eg != std::string::npos) {
        v = nom.substr(eg + 1);
        nom.resize(eg);
      } else if (i + 1 >= argc || std::string_view(argv[i + 1]).starts_with("--")) {
        a_valeur = false;
      } else {
        v = argv[++i];
      }
      if (valeurs.count(nom) || sans_valeur.count(nom) || (nom == "rapport" && nom_rapport))
        throw erreur_option("Option donnée deux fois : --" + nom + ".");
      if (nom == "rapport") {
        if (!a_valeur) throw erreur_option("Valeur manquante pour --rapport.");
        nom_rapport = v;
      } else if (a_valeur) {
        valeurs[nom] = v;
      } else {
        sans_valeur.insert(nom);
      }
    }
    if (demande_aide) {
      aide(out);
      return sortie_ecrite(out, err);
    }
    if (!nom_rapport) throw erreur_option("Aucun rapport demandé : utilisez --rapport NOM (voir astro --help).");
    const rapport* choisi = nullptr;
    for (const auto& r : rapports())
      if (r.nom == *nom_rapport) choisi = &r;
    if (!choisi) {
      std::string noms;
      for (const auto& r : rapports()) noms += (noms.empty() ? "" : ", ") + std::string(r.nom);
      throw erreur_option("Rapport inconnu : " + guillemets(*nom_rapport) + " (rapports : " + noms + ").");
    }
    // Checked before computing, so that a mistyped option never waits for a long search;
    // after it, the options the report did not read are refused as well.
    for (const auto& [nom, v] : valeurs)
      if (!option_documentee(*choisi, nom)) throw option_inconnue(nom);
    for (const auto& nom : sans_valeur)
      if (!option_documentee(*choisi, nom)) throw option_inconnue(nom);
    arguments args(std::move(valeurs), std::move(sans_valeur));
    args.demander_json(json);
    resultat res = choisi->executer(args);
    args.verifier_tout_lu();
    if (res.ecrire) {
      res.ecrire(out);
    } else if (json) {
      out << document_json(choisi->nom, res.entrees, res.donnees, res.texte);
    } else {
      out.write(res.texte.data(), static_cast<std::streamsize>(res.texte.size()));
    }
    return sortie_ecrite(out, err);
  } catch (const erreur_option& e) {
    err << "astro : " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    err << "astro : erreur inattendue : " << e.what() << "\n";
    return 1;
  }
}

}  // namespace almanax::cli
