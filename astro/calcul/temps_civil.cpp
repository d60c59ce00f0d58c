#include "calcul/temps_civil.h"

#include <cmath>
#include <cstdlib>

#include "calcul/delta_t.h"

namespace almanax {

namespace {

constexpr long double secondes_par_jour = 86400.0L;

}  // namespace

long double civil_de_tu(long double jd_tu, const fuseau_horaire& f) {
  return jd_tu + f.decalage_s(jd_tu) / secondes_par_jour;
}

long double tu_de_civil(long double jd_civil, const fuseau_horaire& f) {
  // The offsets in force a day before and a day after: a zone changes its offset at
  // most once within two days, so the clock time was read with one of the two.
  const int avant = f.decalage_s(jd_civil - 1.0L);
  const int apres = f.decalage_s(jd_civil + 1.0L);
  const auto lu_avec = [&](int decalage) { return jd_civil - decalage / secondes_par_jour; };
  const auto convient = [&](int decalage) { return f.decalage_s(lu_avec(decalage)) == decalage; };
  const bool avant_ok = convient(avant), apres_ok = convient(apres);
  if (avant_ok && apres_ok) return std::min(lu_avec(avant), lu_avec(apres));  // shown twice: the first time
  if (apres_ok) return lu_avec(apres);
  return lu_avec(avant);  // valid, or skipped by the clocks: read with the offset before
}

long double tu_de_tt(long double jde) {
  return jde - delta_t_s(jde) / secondes_par_jour;
}

long double tt_de_tu(long double jd_tu) {
  return jd_tu + delta_t_s(jd_tu) / secondes_par_jour;
}

long double echelle_temps::vers_tt(long double jd_saisi) const {
  if (!fuseau_) return jd_saisi;
  return tt_de_tu(tu_de_civil(jd_saisi, *fuseau_));
}

long double echelle_temps::vers_civil(long double jde) const {
  if (!fuseau_) return jde;
  return civil_de_tu(tu_de_tt(jde), *fuseau_);
}

int echelle_temps::decalage_a(long double jde) const {
  if (!fuseau_) return 0;
  return fuseau_->decalage_s(tu_de_tt(jde));
}

std::string texte_decalage(int secondes) {
  if (secondes == 0) return "UTC";
  const int minutes = std::abs(secondes) / 60;
  std::string t = std::string("UTC") + (secondes < 0 ? "-" : "+") + std::to_string(minutes / 60);
  if (minutes % 60 != 0) {
    const int m = minutes % 60;
    t += (m < 10 ? ":0" : ":") + std::to_string(m);
  }
  return t;
}

std::string mention_heure_legale(int secondes) {
  return "heure légale, " + texte_decalage(secondes);
}

}  // namespace almanax
