// The one shape of every report's --json output, built with the toolkit's JSON classes.
//
//   {"rapport": "perigees",          the report's name
//    "entrees": {...},               the options as the report read them, defaults filled in
//    "resultat": {...},              what it computed
//    "texte": "..."}                 the exact text the report prints without --json
//
// - A value the page shows: {"valeur": 0.9109, "texte": "0,9109 UA"}; "valeur" is null
//   when the page shows no number. Values the page does not show are bare numbers.
//   The unit is the key's suffix (_deg, _ua, _km, _h, _arcsec...).
// - A kind: {"code": "conjonction_inferieure", "libelle": "Conjonction inférieure"}; the
//   code is the French label folded to ASCII lower case, words joined by "_".
// - An event: {"jde": 2447442.354, "instant": "1988-10-07T20:30:11", "echelle": "TD",
//   "instant_tu": "1988-10-07T20:29:15Z", ...}: the instant is ISO 8601 (proleptic Gregorian
//   calendar, astronomical year numbering, year 0000 = 1 BC, expanded years such as
//   "-4712" with a sign outside 0000..9999), rounded to the second, in Dynamical Time;
//   instant_tu is jde - ΔT in UTC; with --fuseau, "instant_local" is the zone's clock.
// - Every result has "delta_t_s", the ΔT (seconds) of its instant or of its search's start.
// - Every list of events is named "evenements".
// - Numbers are doubles; a value that is not finite is null.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calcul/calendrier.h"
#include "calcul/site.h"
#include "calcul/temps_civil.h"

namespace almanax::cli {

QString chaine_json(std::string_view utf8);
QJsonValue nombre_json(long double x);
QJsonValue nombre_json(const std::optional<long double>& x);

// {"valeur": x, "texte": "..."}.
QJsonObject valeur_et_texte(long double valeur, std::string_view texte);
QJsonObject valeur_et_texte(const std::optional<long double>& valeur, std::string_view texte);

// "Conjonction inférieure" -> "conjonction_inferieure".
std::string code_ascii(std::string_view libelle);
// {"code": ..., "libelle": ...}, the code from the label.
QJsonObject genre_json(std::string_view libelle);
QJsonArray genres_json(const std::vector<std::string>& libelles);

// ISO 8601 text of a Julian day, to the second.
QString instant_iso(long double jour_julien);
// {"jde": ..., "instant": "...", "echelle": "TD", "instant_tu": "...Z"}: the start of
// every event object; in civil time also "instant_local", the zone's clock with its
// offset ("2026-06-21T05:47:12+02:00").
QJsonObject evenement_json(long double jde, const echelle_temps& echelle);

// The inputs' pieces: a typed date {"jour", "mois", "annee"} (historical year, the
// program's calendar: Julian before 15 October 1582) and a site.
QJsonObject date_json(const date_jma& d);
QJsonObject site_json(const site_nomme& s);

// The whole document, compact, then a newline.
std::string document_json(std::string_view rapport, const QJsonObject& entrees, const QJsonObject& resultat,
                          std::string_view texte);

// The same document for a report whose events are too many to hold: its "resultat" is
// the one list "evenements", written event by event, byte for byte what
// document_json would give.
class document_json_au_fil {
 public:
  // `avant`: the result's members whose keys sort before "evenements" ("delta_t_s").
  document_json_au_fil(std::ostream& out, std::string_view rapport, const QJsonObject& entrees,
                       const QJsonObject& avant = {});
  void evenement(const QJsonObject& e);
  void terminer(std::string_view texte);

 private:
  std::ostream& out_;
  bool premier_ = true;
};

}  // namespace almanax::cli
