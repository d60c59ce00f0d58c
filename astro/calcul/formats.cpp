// Text formats of angles, times, month names and number patterns.
#include "calcul/formats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "calcul/numerique.h"

namespace almanax {

namespace {

bool est_chiffre_motif(char c) {
  return c == '0' || c == '#';
}

// A pattern section cut into its digit places and the literal text around them.
struct element_motif {
  bool chiffre;       // a "0" or "#" place
  bool force;         // "0"
  std::string texte;  // the literal, when not a digit place
};

std::vector<element_motif> decouper(std::string_view section) {
  std::vector<element_motif> r;
  for (char c : section) {
    if (est_chiffre_motif(c)) {
      r.push_back({true, c == '0', {}});
    } else if (!r.empty() && !r.back().chiffre) {
      r.back().texte += c;
    } else {
      r.push_back({false, false, std::string(1, c)});
    }
  }
  return r;
}

// |v| rounded to `decimales` places, half away from zero on its decimal
// expansion (18 significant digits, the precision of the extended type), as a
// string of digits without leading zeros ("" for zero); the last `decimales`
// digits are the decimals.
std::string chiffres_arrondis(long double v, int decimales) {
  // Fast path: the value times 10^decimales, exact to 1e-19 relative, gives the same
  // digits as the two roundings below unless its fraction lies within a hair of one
  // half, where the 18-digit rounding may decide: then the long way is taken.
  static constexpr long double puissances[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L, 1e9L,
                                               1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L};
  const long double a = std::fabs(v);
  if (decimales >= 0 && decimales <= 18 && std::isfinite(a)) {
    const long double y = a * puissances[decimales];
    if (y < 0x1p53L) {
      const long double entier = std::floor(y);
      const long double f = y - entier;
      if (std::fabs(f - 0.5L) > y * 1e-17L + 1e-15L) {
        const auto n = static_cast<unsigned long long>(entier) + (f > 0.5L ? 1u : 0u);
        return n == 0 ? std::string{} : std::to_string(n);
      }
    }
  }

  char tampon[64];
  std::snprintf(tampon, sizeof tampon, "%.17Le", std::fabs(v));
  // tampon: "d.ddddddddddddddddde+XX"; the point is the process locale's (a
  // window sets the user's), so only the digits are kept.
  std::string chiffres;
  const char* p = tampon;
  for (; *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') chiffres += *p;
  const int exposant = std::atoi(p + 1);
  const int significatifs = static_cast<int>(chiffres.size());  // 18
  // value = chiffres x 10^(exposant - 17); wanted: round(value x 10^decimales)
  const int decalage = exposant - (significatifs - 1) + decimales;
  std::string n;
  if (decalage >= 0) {
    n = chiffres + std::string(static_cast<std::size_t>(decalage), '0');
  } else {
    const int gardes = significatifs + decalage;  // digits kept before the rounding place
    if (gardes < 0) return {};
    n = chiffres.substr(0, static_cast<std::size_t>(gardes));
    if (chiffres[static_cast<std::size_t>(gardes)] >= '5') {
      int i = static_cast<int>(n.size()) - 1;
      for (; i >= 0 && n[static_cast<std::size_t>(i)] == '9'; --i) n[static_cast<std::size_t>(i)] = '0';
      if (i >= 0)
        ++n[static_cast<std::size_t>(i)];
      else
        n.insert(n.begin(), '1');
    }
  }
  const auto debut = n.find_first_not_of('0');
  return debut == std::string::npos ? std::string{} : n.substr(debut);
}

// The three fields of a degrees (or hours), minutes, seconds text.
struct champs_sexagesimaux {
  bool negatif = false;
  long double entier = 0;
  int minutes = 0;
  int secondes = 0;
};

// Whole part and minutes truncated, seconds rounded ties-to-even, carries made.
champs_sexagesimaux decomposer(long double v, bool tour_de_360) {
  champs_sexagesimaux c;
  if (!std::isfinite(v)) {
    c.entier = v;
    return c;
  }
  const long double a = std::fabs(v);
  long double w = int_r(a);
  long double m = (a - w) * 60;
  long double s = (m - int_r(m)) * 60;
  if (round_r(s) >= 60) {
    s = 0;
    m += 1;
  }
  if (m >= 60) {
    m = 0;
    w += 1;
  }
  if (tour_de_360 && w >= 360) w -= 360;
  c.entier = w;
  c.minutes = static_cast<int>(int_r(m));
  c.secondes = static_cast<int>(round_r(s));
  // A value below 1 degree or 1 hour keeps its sign on the whole part ("-0 ° 30 '..."),
  // but a value that shows as all zeros is not signed.
  c.negatif = v < 0 && (c.entier != 0 || c.minutes != 0 || c.secondes != 0);
  return c;
}

std::string trois_champs(long double v, bool tour_de_360, std::string_view motif_entier, std::string_view sep1,
                         std::string_view sep2, std::string_view sep3) {
  const champs_sexagesimaux c = decomposer(v, tour_de_360);
  std::string r = c.negatif ? "-" : "";
  r += format_float(motif_entier, c.entier);
  r += sep1;
  r += format_float("00", c.minutes);
  r += sep2;
  r += format_float("00", c.secondes);
  r += sep3;
  return r;
}

}  // namespace

std::string nom_du_mois(long double mois) {
  static constexpr std::array<const char*, 12> noms = {"Janvier",   "Février", "Mars",     "Avril",
                                                       "Mai",       "Juin",    "Juillet",  "Août",
                                                       "Septembre", "Octobre", "Novembre", "Décembre"};
  for (int i = 1; i <= 12; ++i)
    if (mois == i) return noms[static_cast<std::size_t>(i - 1)];
  return {};
}

std::string format_hm(long double heures) {
  if (!std::isfinite(heures)) return format_float("#0", heures) + " h 00 m";
  long double v = heures;
  int minutes = static_cast<int>(round_r((v - int_r(v)) * 60));
  if (minutes >= 60) {
    v += 1;
    minutes = 0;
  }
  if (v >= 24) v -= 24;
  return format_float("#0", int_r(v)) + " h " + format_float("00", minutes) + " m";
}

std::string format_dms(long double degres) {
  // Meant for angles already in 0..360; a negative one is shown like format_dms_abs.
  return trois_champs(degres, true, "##0", " ° ", " ' ", " ''");
}

std::string format_dms_abs(long double degres) {
  return trois_champs(degres, true, "##0", " ° ", " ' ", " ''");
}

std::string format_dms_signe(long double degres) {
  return trois_champs(degres, false, "#0", " ° ", " '  ", " ''");
}

std::string format_hms(long double degres) {
  // No reduction: an angle within half a second of 360 degrees shows "24 h 00 m 00 s".
  return trois_champs(degres / 15, false, "#0", " h ", " m ", " s");
}

namespace {

// What a number pattern says, worked out once per pattern.
struct motif_analyse {
  bool chiffres = false;  // false: no digit place, the pattern is plain text
  std::string prefixe, suffixe, separateur_groupes, fin_entiere;
  int minimum_entier = 0, taille_groupe = 0, maximum_decimales = 0, minimum_decimales = 0;
  std::vector<element_motif> decimales;
};

motif_analyse analyser(std::string_view motif) {
  motif_analyse m;
  std::size_t premier = std::string_view::npos;
  std::size_t dernier = std::string_view::npos;
  for (std::size_t i = 0; i < motif.size(); ++i)
    if (est_chiffre_motif(motif[i])) {
      if (premier == std::string_view::npos) premier = i;
      dernier = i;
    }
  if (premier == std::string_view::npos) return m;
  m.chiffres = true;

  // The decimal point is the first "." before the last digit place; a "." after it
  // belongs to the trailing text ("#0.000000 U.A.").
  std::size_t point = motif.substr(0, dernier).find('.');
  const std::size_t debut_chiffres = std::min(premier, point);
  m.prefixe = motif.substr(0, debut_chiffres);
  m.suffixe = motif.substr(dernier + 1);
  std::string_view section_entiere;
  std::string_view section_decimale;
  if (point == std::string_view::npos) {
    section_entiere = motif.substr(premier, dernier + 1 - premier);
  } else {
    if (premier < point) section_entiere = motif.substr(premier, point - premier);
    section_decimale = motif.substr(point + 1, dernier - point);
  }

  // Whole part: minimum digit count from the first "0"; a literal between digit
  // places works as a group separator, repeated every group of digits.
  const std::vector<element_motif> entier = decouper(section_entiere);
  bool force_vu = false;
  for (std::size_t i = 0; i < entier.size(); ++i) {
    const element_motif& e = entier[i];
    if (e.chiffre) {
      if (e.force) force_vu = true;
      if (force_vu) ++m.minimum_entier;
    } else if (i + 1 == entier.size()) {
      m.fin_entiere = e.texte;  // literal between the last whole digit place and the point
    } else if (i > 0) {
      m.separateur_groupes = e.texte;  // the one nearest the point wins
      m.taille_groupe = 0;
      for (std::size_t k = i + 1; k < entier.size(); ++k) m.taille_groupe += entier[k].chiffre ? 1 : 0;
    }
  }

  // Decimals: at most one per place, at least up to the last "0".
  m.decimales = decouper(section_decimale);
  for (const element_motif& e : m.decimales)
    if (e.chiffre) {
      ++m.maximum_decimales;
      if (e.force) m.minimum_decimales = m.maximum_decimales;
    }
  return m;
}

// The program uses a few dozen patterns, many thousand times in a long search: each
// is analysed once per thread.
const motif_analyse& motif_de(std::string_view motif) {
  struct hachage {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  thread_local std::unordered_map<std::string, motif_analyse, hachage, std::equal_to<>> connus;
  auto it = connus.find(motif);
  if (it == connus.end()) it = connus.emplace(std::string(motif), analyser(motif)).first;
  return it->second;
}

}  // namespace

std::string format_float(std::string_view motif, long double valeur, std::string_view separateur) {
  if (std::isnan(valeur)) return "NAN";
  if (std::isinf(valeur)) return valeur < 0 ? "-INF" : "INF";

  const motif_analyse& m = motif_de(motif);
  if (!m.chiffres) return std::string(motif);  // no digit place: plain text
  const std::string_view prefixe = m.prefixe, suffixe = m.suffixe, fin_entiere = m.fin_entiere;
  const std::string_view separateur_groupes = m.separateur_groupes;
  const int minimum_entier = m.minimum_entier, taille_groupe = m.taille_groupe;
  const int maximum_decimales = m.maximum_decimales, minimum_decimales = m.minimum_decimales;
  const std::vector<element_motif>& decimales = m.decimales;

  const std::string n = chiffres_arrondis(valeur, maximum_decimales);
  const std::size_t nd = static_cast<std::size_t>(maximum_decimales);
  std::string chiffres_entiers = n.size() > nd ? n.substr(0, n.size() - nd) : std::string{};
  std::string chiffres_decimaux = n.size() > nd ? n.substr(n.size() - nd) : std::string(nd - n.size(), '0') + n;
  const bool tout_zero = n.empty();

  std::size_t montres = chiffres_decimaux.size();
  while (montres > static_cast<std::size_t>(minimum_decimales) && chiffres_decimaux[montres - 1] == '0') --montres;
  chiffres_decimaux.resize(montres);
  if (chiffres_entiers.size() < static_cast<std::size_t>(minimum_entier))
    chiffres_entiers.insert(0, static_cast<std::size_t>(minimum_entier) - chiffres_entiers.size(), '0');

  std::string r;
  if (valeur < 0 && !tout_zero) r += '-';
  r += prefixe;
  if (taille_groupe > 0) {
    const std::size_t g = static_cast<std::size_t>(taille_groupe);
    for (std::size_t i = 0; i < chiffres_entiers.size(); ++i) {
      const std::size_t a_droite = chiffres_entiers.size() - i;
      if (i > 0 && a_droite % g == 0) r += separateur_groupes;
      r += chiffres_entiers[i];
    }
  } else {
    r += chiffres_entiers;
  }
  r += fin_entiere;

  if (montres > 0) {
    r += separateur;
    // Literals among the decimal places show only when a digit follows them.
    std::size_t k = 0;
    for (const element_motif& e : decimales) {
      if (k >= montres) break;
      if (e.chiffre)
        r += chiffres_decimaux[k++];
      else
        r += e.texte;
    }
  }
  r += suffixe;
  return r;
}

std::string guillemets(std::string_view texte) {
  return "« " + std::string(texte) + " »";
}

}  // namespace almanax
