#include "cli/cli.h"

#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <chrono>
#include <ctime>
#include <exception>
#include <locale>
#include <ostream>

#include "calcul/tri_francais.h"
#include "calcul/validation.h"
#include "cli/sortie_json.h"

namespace almanax::cli {

namespace {

std::string guillemets(std::string_view s) { return "« " + std::string(s) + " »"; }

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

std::string option(std::string_view nom) { return "--" + std::string(nom); }

}  // namespace

bool arguments::present(std::string_view nom) const { return valeurs_.count(std::string(nom)) != 0; }

const std::string* arguments::valeur(std::string_view nom) {
  lus_.insert(std::string(nom));
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
    throw erreur_option("Valeur hors limites pour " + option(nom) + " : " + *v + " (de " + std::to_string(min) +
                        " à " + std::to_string(max) + ").");
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
  const std::string_view s = *v;
  const auto p1 = s.find('/');
  const auto p2 = p1 == std::string_view::npos ? p1 : s.find('/', p1 + 1);
  long long j = 0, m = 0, a = 0;
  if (p2 == std::string_view::npos || !lire_entier(s.substr(0, p1), j) ||
      !lire_entier(s.substr(p1 + 1, p2 - p1 - 1), m) || !lire_entier(s.substr(p2 + 1), a))
    throw erreur("attendu JJ/MM/AAAA");
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
  const std::string_view s = *v;
  const auto p1 = s.find(':');
  const auto p2 = p1 == std::string_view::npos ? p1 : s.find(':', p1 + 1);
  long long h = 0, m = 0, sec = 0;
  bool ok = p1 != std::string_view::npos && lire_entier(s.substr(0, p1), h);
  if (ok) {
    if (p2 == std::string_view::npos) {
      ok = lire_entier(s.substr(p1 + 1), m);
    } else {
      ok = lire_entier(s.substr(p1 + 1, p2 - p1 - 1), m) && lire_entier(s.substr(p2 + 1), sec);
    }
  }
  if (!ok || h < 0 || h > 23 || m < 0 || m > 59 || sec < 0 || sec > 59)
    throw erreur_option("Heure invalide pour " + option(nom) + " : " + guillemets(*v) +
                        " (attendu HH:MM ou HH:MM:SS, de 00:00:00 à 23:59:59).");
  return {static_cast<int>(h), static_cast<int>(m), static_cast<int>(sec)};
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
    if (!lus_.count(k)) throw erreur_option("Option inconnue pour ce rapport : " + option(k) + ".");
}

std::string separateur_decimal() {
  try {
    const std::locale loc("");
    return std::string(1, std::use_facet<std::numpunct<char>>(loc).decimal_point());
  } catch (const std::exception&) {
    return ".";  // unknown locale in the environment: the C one
  }
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
         "Les dates s'écrivent JJ/MM/AAAA (années historiques : pas d'année 0, -1 est 1 av. J.-C.),\n"
         "les heures HH:MM ou HH:MM:SS ; les nombres acceptent la virgule ou le point.\n"
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

}  // namespace

int principal(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::string nom_rapport;
  bool json = false;
  bool demande_aide = false;
  std::map<std::string, std::string> valeurs;
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
      if (const auto eg = nom.find('='); eg != std::string::npos) {
        v = nom.substr(eg + 1);
        nom.resize(eg);
      } else {
        if (i + 1 >= argc) throw erreur_option("Valeur manquante pour --" + nom + ".");
        v = argv[++i];
      }
      if (nom == "rapport") {
        nom_rapport = v;
        continue;
      }
      if (valeurs.count(nom)) throw erreur_option("Option donnée deux fois : --" + nom + ".");
      valeurs[nom] = v;
    }
    if (demande_aide) {
      aide(out);
      return 0;
    }
    if (nom_rapport.empty()) throw erreur_option("Aucun rapport demandé : utilisez --rapport NOM (voir astro --help).");
    const rapport* choisi = nullptr;
    for (const auto& r : rapports())
      if (r.nom == nom_rapport) choisi = &r;
    if (!choisi) {
      std::string noms;
      for (const auto& r : rapports()) noms += (noms.empty() ? "" : ", ") + std::string(r.nom);
      throw erreur_option("Rapport inconnu : " + guillemets(nom_rapport) + " (rapports : " + noms + ").");
    }
    arguments args(std::move(valeurs));
    resultat res = choisi->executer(args);
    args.verifier_tout_lu();
    if (json) {
      const QJsonObject j{{"rapport", chaine_json(choisi->nom)},
                          {"entrees", res.entrees},
                          {"resultat", res.donnees},
                          {"texte", chaine_json(res.texte)}};
      out << QJsonDocument(j).toJson(QJsonDocument::Compact).toStdString() << "\n";
    } else {
      out.write(res.texte.data(), static_cast<std::streamsize>(res.texte.size()));
    }
    out.flush();
    return 0;
  } catch (const erreur_option& e) {
    err << "astro : " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    err << "astro : erreur inattendue : " << e.what() << "\n";
    return 1;
  }
}

}  // namespace almanax::cli
