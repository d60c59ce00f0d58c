#include "cli/sortie_json.h"

#include <QJsonDocument>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "calcul/tri_francais.h"

namespace almanax::cli {

QString chaine_json(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QJsonValue nombre_json(long double x) {
  // Tested as a double: an extended value beyond the double's range is not finite either.
  const double d = static_cast<double>(x);
  return std::isfinite(d) ? QJsonValue(d) : QJsonValue(QJsonValue::Null);
}

QJsonValue nombre_json(const std::optional<long double>& x) {
  return x ? nombre_json(*x) : QJsonValue(QJsonValue::Null);
}

QJsonObject valeur_et_texte(long double valeur, std::string_view texte) {
  return {{"valeur", nombre_json(valeur)}, {"texte", chaine_json(texte)}};
}

QJsonObject valeur_et_texte(const std::optional<long double>& valeur, std::string_view texte) {
  return {{"valeur", nombre_json(valeur)}, {"texte", chaine_json(texte)}};
}

std::string code_ascii(std::string_view libelle) {
  std::string code;
  for (const char c : cle_francaise(libelle)) {
    const bool lettre = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (lettre)
      code += c;
    else if (!code.empty() && code.back() != '_')
      code += '_';
  }
  while (!code.empty() && code.back() == '_') code.pop_back();
  return code;
}

QJsonObject genre_json(std::string_view libelle) {
  return {{"code", chaine_json(code_ascii(libelle))}, {"libelle", chaine_json(libelle)}};
}

QJsonArray genres_json(const std::vector<std::string>& libelles) {
  QJsonArray t;
  for (const std::string& l : libelles) t.append(genre_json(l));
  return t;
}

namespace {

// Proleptic Gregorian date of a day count from 1970-01-01, for any sign (days to civil).
void date_civile(std::int64_t jours, std::int64_t& annee, int& mois, int& jour) {
  jours += 719468;
  const std::int64_t ere = (jours >= 0 ? jours : jours - 146096) / 146097;
  const std::int64_t jde = jours - ere * 146097;                                   // [0, 146096]
  const std::int64_t ade = (jde - jde / 1460 + jde / 36524 - jde / 146096) / 365;  // [0, 399]
  const std::int64_t jda = jde - (365 * ade + ade / 4 - ade / 100);                // [0, 365]
  const std::int64_t mp = (5 * jda + 2) / 153;                                     // [0, 11], from March
  jour = static_cast<int>(jda - (153 * mp + 2) / 5 + 1);
  mois = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  annee = ade + ere * 400 + (mois <= 2 ? 1 : 0);
}

}  // namespace

QString instant_iso(long double jour_julien) {
  // Beyond some 2.7 billion years the seconds would not fit in 64 bits: no text.
  if (!std::isfinite(jour_julien) || std::fabs(jour_julien) > 1e12L) return {};
  // Seconds from 1970-01-01T00:00:00 (JD 2440587.5), rounded to the nearest second.
  const auto secondes = static_cast<std::int64_t>(std::llround((jour_julien - 2440587.5L) * 86400.0L));
  std::int64_t jours = secondes / 86400, reste = secondes % 86400;
  if (reste < 0) {
    reste += 86400;
    --jours;
  }
  std::int64_t annee = 0;
  int mois = 1, jour = 1;
  date_civile(jours, annee, mois, jour);
  char b[64];
  const char* signe = annee < 0 ? "-" : (annee > 9999 ? "+" : "");
  std::snprintf(b, sizeof b, "%s%04lld-%02d-%02dT%02d:%02d:%02d", signe, static_cast<long long>(std::llabs(annee)),
                mois, jour, static_cast<int>(reste / 3600), static_cast<int>(reste / 60 % 60),
                static_cast<int>(reste % 60));
  return QString::fromLatin1(b);
}

QJsonObject evenement_json(long double jde, const echelle_temps& echelle) {
  const auto iso_ou_null = [](const QString& t, const QString& suffixe) {
    return t.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(t + suffixe);
  };
  QJsonObject e{{"jde", nombre_json(jde)},
                {"instant", iso_ou_null(instant_iso(jde), {})},
                {"echelle", "TD"},
                {"instant_tu", iso_ou_null(instant_iso(tu_de_tt(jde)), QStringLiteral("Z"))}};
  if (echelle.legale()) {
    const int decalage = echelle.decalage_a(jde);
    const int minutes = std::abs(decalage) / 60;
    char d[16];
    std::snprintf(d, sizeof d, "%c%02d:%02d", decalage < 0 ? '-' : '+', minutes / 60, minutes % 60);
    e["instant_local"] = iso_ou_null(instant_iso(echelle.vers_civil(jde)), QString::fromLatin1(d));
  }
  return e;
}

QJsonObject date_json(const date_jma& d) {
  return {{"jour", d.jour}, {"mois", d.mois}, {"annee", d.annee}};
}

QJsonObject site_json(const site_nomme& s) {
  return {{"nom", chaine_json(s.nom)},
          {"latitude_deg", nombre_json(s.latitude)},
          {"longitude_deg", nombre_json(s.longitude)}};
}

namespace {

std::string compact(const QJsonDocument& d) {
  return d.toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace

std::string document_json(std::string_view rapport, const QJsonObject& entrees, const QJsonObject& resultat,
                          std::string_view texte) {
  return compact(QJsonDocument(QJsonObject{{"rapport", chaine_json(rapport)},
                                           {"entrees", entrees},
                                           {"resultat", resultat},
                                           {"texte", chaine_json(texte)}})) +
         "\n";
}

// The toolkit writes an object's keys in alphabetical order: entrees, rapport,
// resultat, texte.
document_json_au_fil::document_json_au_fil(std::ostream& out, std::string_view rapport, const QJsonObject& entrees,
                                           const QJsonObject& avant)
    : out_(out) {
  const std::string nom = compact(QJsonDocument(QJsonArray{chaine_json(rapport)}));  // ["..."]
  // The members of the result that come before "evenements" in the keys' order, as the
  // toolkit would write them: {"a":1,"b":2} without its closing brace.
  std::string membres = avant.isEmpty() ? std::string("{") : compact(QJsonDocument(avant));
  if (!avant.isEmpty()) membres.back() = ',';
  out_ << "{\"entrees\":" << compact(QJsonDocument(entrees)) << ",\"rapport\":" << nom.substr(1, nom.size() - 2)
       << ",\"resultat\":" << membres << "\"evenements\":[";
}

void document_json_au_fil::evenement(const QJsonObject& e) {
  if (!premier_) out_ << ',';
  premier_ = false;
  out_ << compact(QJsonDocument(e));
}

void document_json_au_fil::terminer(std::string_view texte) {
  const std::string chaine = compact(QJsonDocument(QJsonArray{chaine_json(texte)}));  // ["..."]
  out_ << "]},\"texte\":" << std::string_view(chaine).substr(1, chaine.size() - 2) << "}\n";
}

}  // namespace almanax::cli
