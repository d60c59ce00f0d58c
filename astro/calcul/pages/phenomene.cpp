#include "calcul/pages/phenomene.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "calcul/heures_des_listes.h"
#include "calcul/numerique.h"
#include "calcul/tri_francais.h"

namespace almanax {

namespace {

// Mean instant JDE0 = A + B k and mean anomaly M = M0 + M1 k (degrees) of one phenomenon.
struct constantes_phenomene {
  long double A, B, M0, M1;
};

// Indexed [planet][kind].
constexpr constantes_phenomene constantes[nombre_planetes_phenomene][2] = {
    {{2451612.023L, 115.8774771L, 63.5867L, 114.2088742L}, {2451554.084L, 115.8774771L, 6.4822L, 114.2088742L}},
    {{2451996.706L, 583.921361L, 82.7311L, 215.513058L}, {2451704.746L, 583.921361L, 154.9745L, 215.513058L}},
    {{2452097.382L, 779.936104L, 181.9573L, 48.705244L}, {2451707.414L, 779.936104L, 157.6047L, 48.705244L}},
    {{2451870.628L, 398.884046L, 318.4681L, 33.140229L}, {2451671.186L, 398.884046L, 121.8980L, 33.140229L}},
    {{2451870.170L, 378.091904L, 318.0172L, 12.647487L}, {2451681.124L, 378.091904L, 131.6934L, 12.647487L}},
    {{2451764.317L, 369.656035L, 213.6884L, 4.333093L}, {2451579.489L, 369.656035L, 31.5219L, 4.333093L}},
    {{2451753.122L, 367.486703L, 202.6544L, 2.194998L}, {2451569.379L, 367.486703L, 21.5569L, 2.194998L}},
};

// Arguments of the periodic terms: the mean anomaly (and its multiples) or one of the
// slow arguments a .. g of the giant planets.
enum class argument { constante, M, a, b, c, d, e, f, g };

// coefficient (c0 + c1 T + c2 T^2) x sin or cos (multiple x argument), in days.
struct terme {
  argument arg;
  int multiple;
  bool sinus;
  long double c0, c1, c2;
};

// The published correction terms of the fourteen phenomena, in their printed order
// (Neptune's slow argument e enters through its cosine, as printed).
constexpr terme termes[] = {
    // Mercure, conjonction inferieure
    {argument::constante, 0, false, 0.0545L, 0.0002L, 0L},
    {argument::M, 1, true, -6.2008L, 0.0074L, 0.00003L},
    {argument::M, 1, false, -3.275L, -0.0197L, 0.00001L},
    {argument::M, 2, true, 0.4737L, -0.0052L, -0.00001L},
    {argument::M, 2, false, 0.8111L, 0.0033L, -0.00002L},
    {argument::M, 3, true, 0.0037L, 0.0018L, 0L},
    {argument::M, 3, false, -0.1768L, 0L, 0.00001L},
    {argument::M, 4, true, -0.0211L, -0.0004L, 0L},
    {argument::M, 4, false, 0.0326L, -0.0003L, 0L},
    {argument::M, 5, true, 0.0083L, 0.0001L, 0L},
    {argument::M, 5, false, -0.004L, 0.0001L, 0L},
    // Mercure, conjonction superieure
    {argument::constante, 0, false, -0.0548L, -0.0002L, 0L},
    {argument::M, 1, true, 7.3894L, -0.01L, -0.00003L},
    {argument::M, 1, false, 3.22L, 0.0197L, -0.00001L},
    {argument::M, 2, true, 0.8383L, -0.0064L, -0.00001L},
    {argument::M, 2, false, 0.9666L, 0.0039L, -0.00003L},
    {argument::M, 3, true, 0.077L, -0.0026L, 0L},
    {argument::M, 3, false, 0.2758L, 0.0002L, -0.00002L},
    {argument::M, 4, true, -0.0128L, -0.0008L, 0L},
    {argument::M, 4, false, 0.0734L, -0.0004L, -0.00001L},
    {argument::M, 5, true, -0.0122L, -0.0002L, 0L},
    {argument::M, 5, false, 0.0173L, -0.0002L, 0L},
    // Venus, conjonction inferieure
    {argument::constante, 0, false, -0.0096L, 0.0002L, -0.00001L},
    {argument::M, 1, true, 2.0009L, -0.0033L, -0.00001L},
    {argument::M, 1, false, 0.598L, -0.0104L, 0.00001L},
    {argument::M, 2, true, 0.0967L, -0.0018L, -0.00003L},
    {argument::M, 2, false, 0.0913L, 0.0009L, -0.00002L},
    {argument::M, 3, true, 0.0046L, -0.0002L, 0L},
    {argument::M, 3, false, 0.0079L, 0.0001L, 0L},
    // Venus, conjonction superieure
    {argument::constante, 0, false, 0.0099L, -0.0002L, -0.00001L},
    {argument::M, 1, true, 4.1991L, -0.0121L, -0.00003L},
    {argument::M, 1, false, -0.6095L, 0.0102L, -0.00002L},
    {argument::M, 2, true, 0.25L, -0.0028L, -0.00003L},
    {argument::M, 2, false, 0.0063L, 0.0025L, -0.00002L},
    {argument::M, 3, true, 0.0232L, -0.0005L, -0.00001L},
    {argument::M, 3, false, 0.0031L, 0.0004L, 0L},
    // Mars, opposition
    {argument::constante, 0, false, -0.3088L, 0L, 0.00002L},
    {argument::M, 1, true, -17.6965L, 0.0363L, 0.00005L},
    {argument::M, 1, false, 18.3131L, 0.0467L, -0.00006L},
    {argument::M, 2, true, -0.2162L, -0.0198L, -0.00001L},
    {argument::M, 2, false, -4.5028L, -0.0019L, 0.00007L},
    {argument::M, 3, true, 0.8987L, 0.0058L, -0.00002L},
    {argument::M, 3, false, 0.7666L, -0.005L, -0.00003L},
    {argument::M, 4, true, -0.3636L, -0.0001L, 0.00002L},
    {argument::M, 4, false, 0.0402L, 0.0032L, 0L},
    {argument::M, 5, true, 0.0737L, -0.0008L, 0L},
    {argument::M, 5, false, -0.098L, -0.0011L, 0L},
    // Mars, conjonction
    {argument::constante, 0, false, 0.3102L, -0.0001L, 0.00001L},
    {argument::M, 1, true, 9.7273L, -0.0156L, 0.00001L},
    {argument::M, 1, false, -18.3195L, -0.0467L, 0.00009L},
    {argument::M, 2, true, -1.6488L, -0.0133L, 0.00001L},
    {argument::M, 2, false, -2.6117L, -0.002L, 0.00004L},
    {argument::M, 3, true, -0.6827L, -0.0026L, 0.00001L},
    {argument::M, 3, false, 0.0281L, 0.0035L, 0.00001L},
    {argument::M, 4, true, -0.0823L, 0.0006L, 0.00001L},
    {argument::M, 4, false, 0.1584L, 0.0013L, 0L},
    {argument::M, 5, true, 0.027L, 0.0005L, 0L},
    {argument::M, 5, false, 0.0433L, 0L, 0L},
    // Jupiter, opposition
    {argument::constante, 0, false, -0.1029L, 0L, -0.00009L},
    {argument::M, 1, true, -1.9658L, -0.0056L, 0.00007L},
    {argument::M, 1, false, 6.1537L, 0.021L, -0.00006L},
    {argument::M, 2, true, -0.2081L, -0.0013L, 0L},
    {argument::M, 2, false, -0.1116L, -0.001L, 0L},
    {argument::M, 3, true, 0.0074L, 0.0001L, 0L},
    {argument::M, 3, false, -0.0097L, -0.0001L, 0L},
    {argument::a, 1, true, 0L, 0.0144L, -0.00008L},
    {argument::a, 1, false, 0.3642L, -0.0019L, -0.00029L},
    // Jupiter, conjonction
    {argument::constante, 0, false, 0.1027L, 0.0002L, -0.00009L},
    {argument::M, 1, true, -2.2637L, 0.0163L, -0.00003L},
    {argument::M, 1, false, -6.154L, -0.021L, 0.00008L},
    {argument::M, 2, true, -0.2021L, -0.0017L, 0.00001L},
    {argument::M, 2, false, 0.131L, -0.0008L, 0L},
    {argument::M, 3, true, 0.0086L, 0L, 0L},
    {argument::M, 3, false, 0.0087L, 0.0002L, 0L},
    {argument::a, 1, true, 0L, 0.0144L, -0.00008L},
    {argument::a, 1, false, 0.3642L, -0.0019L, -0.00029L},
    // Saturne, opposition
    {argument::constante, 0, false, -0.0209L, 0.0006L, 0.00023L},
    {argument::M, 1, true, 4.5795L, -0.0312L, -0.00017L},
    {argument::M, 1, false, 1.1462L, -0.0351L, 0.00011L},
    {argument::M, 2, true, 0.0985L, -0.0015L, 0L},
    {argument::M, 2, false, 0.0733L, -0.0031L, 0.00001L},
    {argument::M, 3, true, 0.0025L, -0.0001L, 0L},
    {argument::M, 3, false, 0.005L, -0.0002L, 0L},
    {argument::a, 1, true, 0L, -0.0337L, 0.00018L},
    {argument::a, 1, false, -0.851L, 0.0044L, 0.00068L},
    {argument::b, 1, true, 0L, -0.0064L, 0.00004L},
    {argument::b, 1, false, 0.2397L, -0.0012L, -0.00008L},
    {argument::c, 1, true, 0L, -0.001L, 0L},
    {argument::c, 1, false, 0.1245L, 0.0006L, 0L},
    {argument::d, 1, true, 0L, 0.0024L, -0.00003L},
    {argument::d, 1, false, 0.0477L, -0.0005L, -0.00006L},
    // Saturne, conjonction
    {argument::constante, 0, false, 0.0172L, -0.0006L, 0.00023L},
    {argument::M, 1, true, -8.5885L, 0.0411L, 0.0002L},
    {argument::M, 1, false, -1.147L, 0.0352L, -0.00011L},
    {argument::M, 2, true, 0.3331L, -0.0034L, -0.00001L},
    {argument::M, 2, false, 0.1145L, -0.0045L, 0.00002L},
    {argument::M, 3, true, -0.0169L, 0.0002L, 0L},
    {argument::M, 3, false, -0.0109L, 0.0004L, 0L},
    {argument::a, 1, true, 0L, -0.0337L, 0.00018L},
    {argument::a, 1, false, -0.851L, 0.0044L, 0.00068L},
    {argument::b, 1, true, 0L, -0.0064L, 0.00004L},
    {argument::b, 1, false, 0.2397L, -0.0012L, -0.00008L},
    {argument::c, 1, true, 0L, -0.001L, 0L},
    {argument::c, 1, false, 0.1245L, 0.0006L, 0L},
    {argument::d, 1, true, 0L, 0.0024L, -0.00003L},
    {argument::d, 1, false, 0.0477L, -0.0005L, -0.00006L},
    // Uranus, opposition
    {argument::constante, 0, false, 0.0844L, -0.0006L, 0L},
    {argument::M, 1, true, -0.1048L, 0.0246L, 0L},
    {argument::M, 1, false, -5.1221L, 0.0104L, 0.00003L},
    {argument::M, 2, true, -0.1428L, -0.0005L, 0L},
    {argument::M, 2, false, -0.0148L, -0.0013L, 0L},
    {argument::M, 3, false, 0.0055L, 0L, 0L},
    {argument::e, 1, false, 0.885L, 0L, 0L},
    {argument::f, 1, false, 0.2153L, 0L, 0L},
    // Uranus, conjonction
    {argument::constante, 0, false, -0.0859L, 0.0003L, 0L},
    {argument::M, 1, true, -3.8179L, -0.0148L, 0.00003L},
    {argument::M, 1, false, 5.1228L, -0.0105L, -0.00002L},
    {argument::M, 2, true, -0.0803L, 0.0011L, 0L},
    {argument::M, 2, false, -0.1905L, -0.0006L, 0L},
    {argument::M, 3, true, 0.0088L, 0.0001L, 0L},
    {argument::e, 1, false, 0.885L, 0L, 0L},
    {argument::f, 1, false, 0.2153L, 0L, 0L},
    // Neptune, opposition
    {argument::constante, 0, false, -0.014L, 0L, 0.00001L},
    {argument::M, 1, true, -1.3486L, 0.001L, 0.00001L},
    {argument::M, 1, false, 0.8597L, 0.0037L, 0L},
    {argument::M, 2, true, -0.0082L, -0.0002L, 0.00001L},
    {argument::M, 2, false, 0.0037L, -0.0003L, 0L},
    {argument::e, 1, false, -0.5964L, 0L, 0L},
    {argument::g, 1, false, 0.0728L, 0L, 0L},
    // Neptune, conjonction
    {argument::constante, 0, false, 0.0168L, 0L, 0L},
    {argument::M, 1, true, -2.5606L, 0.0088L, 0.00002L},
    {argument::M, 1, false, -0.8611L, -0.0037L, 0.00002L},
    {argument::M, 2, true, 0.0118L, -0.0004L, 0.00001L},
    {argument::M, 2, false, 0.0307L, -0.0003L, 0L},
    {argument::e, 1, false, -0.5964L, 0L, 0L},
    {argument::g, 1, false, 0.0728L, 0L, 0L},
};

// First term and count of each phenomenon in `termes`, indexed [planet][kind].
struct tranche {
  std::size_t debut, nombre;
};
constexpr tranche tranches[nombre_planetes_phenomene][2] = {
    {{0, 11}, {11, 11}},  {{22, 7}, {29, 7}},   {{36, 11}, {47, 11}}, {{58, 9}, {67, 9}},
    {{76, 15}, {91, 15}}, {{106, 8}, {114, 8}}, {{122, 7}, {129, 7}},
};
static_assert(std::size(termes) == 136);

constexpr const char* noms[nombre_planetes_phenomene] = {"Mercure", "Vénus",  "Mars",   "Jupiter",
                                                         "Saturne", "Uranus", "Neptune"};

std::size_t indice(planete_phenomene p) {
  return static_cast<std::size_t>(p);
}
std::size_t indice(genre_phenomene g) {
  return static_cast<std::size_t>(g);
}

// A slow argument in radians: degrees reduced to one turn first.
long double argument_lent(long double a0, long double a1, long double T) {
  return radians_reduits(a0 + a1 * T);
}

}  // namespace

const char* nom_planete_phenomene(planete_phenomene p) {
  return noms[indice(p)];
}

const char* texte_phenomene(planete_phenomene p, genre_phenomene g) {
  const bool interieure = p == planete_phenomene::mercure || p == planete_phenomene::venus;
  if (g == genre_phenomene::inferieure_ou_opposition) return interieure ? "Conjonction inférieure" : "Opposition";
  return interieure ? "Conjonction supérieure" : "Conjonction";
}

int image_phenomene(planete_phenomene p) {
  return 4 + static_cast<int>(indice(p));
}

long long premier_numero(planete_phenomene p, genre_phenomene g, long long premiere_annee) {
  const constantes_phenomene& c = constantes[indice(p)][indice(g)];
  return trunc_i((static_cast<long double>(premiere_annee) * 365.2425L + 1721060.0L - c.A) / c.B);
}

long double correction_phenomene(planete_phenomene p, genre_phenomene g, long double M, long double T) {
  // Sines and cosines of each argument, made once when a term first needs them; the
  // multiples of M follow from sin M and cos M by the addition formulas.
  constexpr int multiples = 5;
  long double sinus[9][multiples + 1], cosinus[9][multiples + 1];
  bool fait[9] = {};
  const auto calculer = [&](argument a) {
    const auto i = static_cast<std::size_t>(a);
    long double x = M;
    switch (a) {
      case argument::a:
        x = argument_lent(82.74L, 40.76L, T);
        break;
      case argument::b:
        x = argument_lent(29.86L, 1181.36L, T);
        break;
      case argument::c:
        x = argument_lent(14.13L, 590.68L, T);
        break;
      case argument::d:
        x = argument_lent(220.02L, 1262.87L, T);
        break;
      case argument::e:
        x = argument_lent(207.83L, 8.51L, T);
        break;
      case argument::f:
        x = argument_lent(108.84L, 419.96L, T);
        break;
      case argument::g:
        x = argument_lent(276.74L, 209.98L, T);
        break;
      default:
        break;
    }
    sinus[i][0] = 0;
    cosinus[i][0] = 1;
    sinus[i][1] = std::sin(x);
    cosinus[i][1] = std::cos(x);
    for (int n = 2; n <= multiples; ++n) {
      sinus[i][n] = sinus[i][n - 1] * cosinus[i][1] + cosinus[i][n - 1] * sinus[i][1];
      cosinus[i][n] = cosinus[i][n - 1] * cosinus[i][1] - sinus[i][n - 1] * sinus[i][1];
    }
    fait[i] = true;
  };

  const tranche& t = tranches[indice(p)][indice(g)];
  long double somme = 0;
  for (std::size_t i = t.debut; i < t.debut + t.nombre; ++i) {
    const terme& x = termes[i];
    const long double coefficient = x.c0 + (x.c1 + x.c2 * T) * T;
    if (x.arg == argument::constante) {
      somme += coefficient;
      continue;
    }
    const auto a = static_cast<std::size_t>(x.arg);
    if (!fait[a]) calculer(x.arg);
    const auto n = static_cast<std::size_t>(x.multiple);
    somme += coefficient * (x.sinus ? sinus[a][n] : cosinus[a][n]);
  }
  return somme;
}

long double instant_phenomene(planete_phenomene p, genre_phenomene g, long long k) {
  const constantes_phenomene& c = constantes[indice(p)][indice(g)];
  const long double kk = static_cast<long double>(k);
  const long double jde0 = c.A + c.B * kk;
  const long double M = c.M0 * deg_rad + c.M1 * deg_rad * kk;
  const long double T = (jde0 - 2451545.0L) / 36525.0L;
  return jde0 + correction_phenomene(p, g, M, T);
}

ligne_liste ligne_du_phenomene(const phenomene_trouve& p) {
  return {p.nom_planete, {p.phenomene, p.date}};
}

int dater_ligne_phenomene(ligne_liste& l, long double jde, const echelle_temps& echelle) {
  instant_affiche a = afficher_instant(jde, echelle);
  l.colonnes.resize(std::max<std::size_t>(l.colonnes.size(), 2));
  l.colonnes[1] = std::move(a.date.texte);
  return a.decalage;
}

resultat_phenomenes phenomenes_planetaires(const recherche_phenomenes& recherche, const suivi_recherche& suivi,
                                           const echelle_temps& echelle) {
  resultat_phenomenes res;
  const long long debut = recherche.premiere_annee, fin = recherche.derniere_annee;
  if (debut < annee_phenomenes_min || fin > annee_phenomenes_max) {
    res.message = "Les années de recherche vont de " + std::to_string(annee_phenomenes_min) + " à " +
                  std::to_string(annee_phenomenes_max) + ".";
    return res;
  }
  if (fin <= debut) {
    res.message = "L'année de départ doit être inférieure à l'année de fin des recherches.";
    return res;
  }

  // The selected phenomena in the order of each pass: first kinds, then second kinds.
  struct candidat {
    planete_phenomene planete;
    genre_phenomene genre;
    long long premier;
  };
  std::vector<candidat> ordre;
  for (int g = 0; g < 2; ++g)
    for (int p = 0; p < nombre_planetes_phenomene; ++p)
      if (recherche.planetes[static_cast<std::size_t>(p)]) {
        const auto pl = static_cast<planete_phenomene>(p);
        const auto ge = static_cast<genre_phenomene>(g);
        ordre.push_back({pl, ge, premier_numero(pl, ge, debut)});
      }

  // Thirteen passes per year outnumber the events of the most frequent phenomenon. The
  // first event number comes from a mean year length: before 2000 it is the first mean
  // event after a point that can lie some weeks into the first year, so one pass more
  // starts a number earlier and catches the events of those first weeks.
  const long long derniere_passe = (fin - debut) * 13;
  const double total = static_cast<double>(derniere_passe + 2) * static_cast<double>(ordre.size());
  double faits = 0;
  for (long long r = -1; r <= derniere_passe && !res.interrompue; ++r) {
    for (const candidat& c : ordre) {
      if (!suivi.continuer(faits / total)) {
        res.interrompue = true;
        break;
      }
      faits += 1;
      const long long k = c.premier + r;
      const long double jde = instant_phenomene(c.planete, c.genre, k);
      // The year alone decides; the text is only built for the rows kept.
      const long long annee = calendrier_du_jour(std::floor(jde + 0.5L)).annee;
      if (annee < debut || annee > fin) continue;
      const instant_affiche a = afficher_instant(jde, echelle);
      const valeurs_evenement& v = a.date;
      phenomene_trouve t;
      t.planete = c.planete;
      t.genre = c.genre;
      t.k = k;
      t.jde = jde;
      t.nom_planete = nom_planete_phenomene(c.planete);
      t.image = image_phenomene(c.planete);
      t.phenomene = texte_phenomene(c.planete, c.genre);
      t.date = v.texte;
      t.instant = v.a_la_seconde;
      t.decalage = a.decalage;
      res.lignes.push_back(std::move(t));
    }
  }
  if (!res.interrompue) suivi.continuer(1.0);
  trier_par_nom(res.lignes, [](const phenomene_trouve& t) -> const std::string& { return t.nom_planete; });
  return res;
}

void trier_lignes_phenomenes(std::vector<ligne_liste>& lignes) {
  trier_par_nom(lignes, [](const ligne_liste& l) -> const std::string& { return l.libelle; });
}

std::string copie_phenomenes(const std::vector<ligne_liste>& lignes) {
  return copie_phenomenes_avec_decalages(lignes, {});
}

std::string copie_phenomenes_avec_decalages(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages) {
  if (lignes.empty()) return {};
  const marques_liste m = marquer_decalages(decalages);
  std::string t = titre_avec_mention("Phénomènes Planétaires ", m.mention);
  t.append(crlf).append(crlf);
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const ligne_liste& l = lignes[i];
    const std::string_view phenomene = l.colonnes.size() > 0 ? std::string_view(l.colonnes[0]) : std::string_view();
    const std::string_view date = l.colonnes.size() > 1 ? std::string_view(l.colonnes[1]) : std::string_view();
    t.append(l.libelle).append("\t").append(phenomene).append("Le ").append(date);
    // The date ends with a blank: the offset follows it.
    if (i < m.marques.size()) t.append(m.marques[i]);
    t.append(crlf);
  }
  t.append(crlf);
  return t;
}

}  // namespace almanax
