#include "calcul/pages/perigee_apogee.h"

#include <planseries/angle.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

#include "calcul/formats.h"
#include "calcul/heures_des_listes.h"
#include "calcul/lune.h"
#include "calcul/numerique.h"

namespace almanax {

namespace {

// One periodic term: (c + cT T) x sin or cos (d D + m M + f F).
struct terme_passage {
  int d, m, f;
  long double c, cT;
};

// The published tables in their printed order: the time corrections (sines, days)
// and the parallaxes (cosines, arcseconds).
constexpr terme_passage termes_temps_perigee[60] = {
    {2, 0, 0, -1.6769L, 0L},   {4, 0, 0, 0.4589L, 0L},         {6, 0, 0, -0.1856L, 0L},
    {8, 0, 0, 0.0883L, 0L},    {2, -1, 0, -0.0773L, 0.00019L}, {0, 1, 0, 0.0502L, -0.00013L},
    {10, 0, 0, -0.046L, 0L},   {4, -1, 0, 0.0422L, -0.00011L}, {6, -1, 0, -0.0256L, 0L},
    {12, 0, 0, 0.0253L, 0L},   {1, 0, 0, 0.0237L, 0L},         {8, -1, 0, 0.0162L, 0L},
    {14, 0, 0, -0.0145L, 0L},  {0, 0, 2, 0.0129L, 0L},         {3, 0, 0, -0.0112L, 0L},
    {10, -1, 0, -0.0104L, 0L}, {16, 0, 0, 0.0086L, 0L},        {12, -1, 0, 0.0069L, 0L},
    {5, 0, 0, 0.0066L, 0L},    {2, 0, 2, -0.0053L, 0L},        {18, 0, 0, -0.0052L, 0L},
    {14, -1, 0, -0.0046L, 0L}, {7, 0, 0, -0.0041L, 0L},        {2, 1, 0, 0.004L, 0L},
    {20, 0, 0, 0.0032L, 0L},   {1, 1, 0, -0.0032L, 0L},        {16, -1, 0, 0.0031L, 0L},
    {4, 1, 0, -0.0029L, 0L},   {9, 0, 0, 0.0027L, 0L},         {4, 0, 2, 0.0027L, 0L},
    {2, -2, 0, -0.0027L, 0L},  {4, -2, 0, 0.0024L, 0L},        {6, -2, 0, -0.0021L, 0L},
    {22, 0, 0, -0.0021L, 0L},  {18, -1, 0, -0.0021L, 0L},      {6, 1, 0, 0.0019L, 0L},
    {11, 0, 0, -0.0018L, 0L},  {8, 1, 0, -0.0014L, 0L},        {4, 0, -2, -0.0014L, 0L},
    {6, 0, 2, -0.0014L, 0L},   {3, 1, 0, 0.0014L, 0L},         {5, 1, 0, -0.0014L, 0L},
    {13, 0, 0, 0.0013L, 0L},   {20, -1, 0, 0.0013L, 0L},       {3, 2, 0, 0.0011L, 0L},
    {4, -2, 2, -0.0011L, 0L},  {1, 2, 0, -0.001L, 0L},         {22, -1, 0, -0.0009L, 0L},
    {0, 0, 4, -0.0008L, 0L},   {6, 0, -2, 0.0008L, 0L},        {2, 1, -2, 0.0008L, 0L},
    {0, 2, 0, 0.0007L, 0L},    {0, -1, 2, 0.0007L, 0L},        {2, 0, 4, 0.0007L, 0L},
    {0, -2, 2, -0.0006L, 0L},  {2, 2, -2, -0.0006L, 0L},       {24, 0, 0, 0.0006L, 0L},
    {4, 0, -4, 0.0005L, 0L},   {2, 2, 0, 0.0005L, 0L},         {1, -1, 0, -0.0004L, 0L},
};

constexpr terme_passage termes_temps_apogee[32] = {
    {2, 0, 0, 0.4392L, 0L},   {4, 0, 0, 0.0684L, 0L},   {0, 1, 0, 0.0456L, -0.00011L}, {2, -1, 0, 0.0426L, -0.00011L},
    {0, 0, 2, 0.0212L, 0L},   {1, 0, 0, -0.0189L, 0L},  {6, 0, 0, 0.0144L, 0L},        {4, -1, 0, 0.0113L, 0L},
    {2, 0, 2, 0.0047L, 0L},   {1, 1, 0, 0.0036L, 0L},   {8, 0, 0, 0.0035L, 0L},        {6, -1, 0, 0.0034L, 0L},
    {2, 0, -2, -0.0034L, 0L}, {2, -2, 0, 0.0022L, 0L},  {3, 0, 0, -0.0017L, 0L},       {4, 0, 2, 0.0013L, 0L},
    {8, -1, 0, 0.0011L, 0L},  {4, -2, 0, 0.001L, 0L},   {10, 0, 0, 0.0009L, 0L},       {3, 1, 0, 0.0007L, 0L},
    {0, 2, 0, 0.0006L, 0L},   {2, 1, 0, 0.0005L, 0L},   {2, 2, 0, 0.0005L, 0L},        {6, 0, 2, 0.0004L, 0L},
    {6, -2, 0, 0.0004L, 0L},  {10, -1, 0, 0.0004L, 0L}, {5, 0, 0, -0.0004L, 0L},       {4, 0, -2, -0.0004L, 0L},
    {0, 1, 2, 0.0003L, 0L},   {12, 0, 0, 0.0003L, 0L},  {2, -1, 2, 0.0003L, 0L},       {1, -1, 0, -0.0003L, 0L},
};

constexpr terme_passage termes_parallaxe_perigee[46] = {
    {2, 0, 0, 63.224L, 0L},       {4, 0, 0, -6.99L, 0L},   {2, -1, 0, 2.834L, -0.0071L}, {6, 0, 0, 1.927L, 0L},
    {1, 0, 0, -1.263L, 0L},       {8, 0, 0, -0.702L, 0L},  {0, 1, 0, 0.696L, -0.0017L},  {0, 0, 2, -0.69L, 0L},
    {4, -1, 0, -0.629L, 0.0016L}, {2, 0, -2, -0.392L, 0L}, {10, 0, 0, 0.297L, 0L},       {6, -1, 0, 0.26L, 0L},
    {3, 0, 0, 0.201L, 0L},        {2, 1, 0, -0.161L, 0L},  {1, 1, 0, 0.157L, 0L},        {12, 0, 0, -0.138L, 0L},
    {8, -1, 0, -0.127L, 0L},      {2, 0, 2, 0.104L, 0L},   {2, -2, 0, 0.104L, 0L},       {5, 0, 0, -0.079L, 0L},
    {14, 0, 0, 0.068L, 0L},       {10, -1, 0, 0.067L, 0L}, {4, 1, 0, 0.054L, 0L},        {12, -1, 0, -0.038L, 0L},
    {4, -2, 0, -0.038L, 0L},      {7, 0, 0, 0.037L, 0L},   {4, 0, 2, -0.037L, 0L},       {16, 0, 0, -0.035L, 0L},
    {3, 1, 0, -0.03L, 0L},        {1, -1, 0, 0.029L, 0L},  {6, 1, 0, -0.025L, 0L},       {0, 2, 0, 0.023L, 0L},
    {14, -1, 0, 0.023L, 0L},      {2, 2, 0, -0.023L, 0L},  {6, -2, 0, 0.022L, 0L},       {2, -1, -2, -0.021L, 0L},
    {9, 0, 0, -0.02L, 0L},        {18, 0, 0, 0.019L, 0L},  {6, 0, 2, 0.017L, 0L},        {0, -1, 2, 0.014L, 0L},
    {16, -1, 0, -0.014L, 0L},     {4, 0, -2, 0.013L, 0L},  {8, 1, 0, 0.012L, 0L},        {11, 0, 0, 0.011L, 0L},
    {5, 1, 0, 0.01L, 0L},         {20, 0, 0, -0.01L, 0L},
};

constexpr terme_passage termes_parallaxe_apogee[17] = {
    {2, 0, 0, -9.147L, 0L}, {1, 0, 0, -0.841L, 0L}, {0, 0, 2, 0.697L, 0L},  {0, 1, 0, -0.656L, 0.0016L},
    {4, 0, 0, 0.355L, 0L},  {2, -1, 0, 0.159L, 0L}, {1, 1, 0, 0.127L, 0L},  {4, -1, 0, 0.065L, 0L},
    {6, 0, 0, 0.052L, 0L},  {2, 1, 0, 0.043L, 0L},  {2, 0, 2, 0.031L, 0L},  {2, 0, -2, -0.023L, 0L},
    {2, -2, 0, 0.022L, 0L}, {2, 2, 0, 0.019L, 0L},  {0, 2, 0, -0.016L, 0L}, {6, -1, 0, 0.014L, 0L},
    {8, 0, 0, 0.01L, 0L},
};
// The three angles (radians, within one turn) of one pass. Each term's argument
// d D + m M + f F (a few tens of radians at most) is formed in double, good to a few
// 1e-14 rad, and the sines or cosines are taken four at a time.
struct angles_passage {
  double D, M, F;
  angles_passage(long double d, long double m, long double f)
      : D(static_cast<double>(d)), M(static_cast<double>(m)), F(static_cast<double>(f)) {}

  template <std::size_t N>
  void valeurs(const terme_passage (&table)[N], bool cosinus, double (&v)[N]) const {
    double angle[N];
    for (std::size_t i = 0; i < N; ++i) angle[i] = table[i].d * D + table[i].m * M + table[i].f * F;
    (cosinus ? planseries::cosinus_reduits : planseries::sinus_reduits)(angle, v, N);
  }
};

template <std::size_t N>
long double somme_sinus(const terme_passage (&table)[N], long double T, const angles_passage& a) {
  double sinus[N];
  a.valeurs(table, false, sinus);
  long double s = 0;
  for (std::size_t i = 0; i < N; ++i) s += (table[i].c + table[i].cT * T) * sinus[i];
  return s;
}

// The parallax terms are kept in an array and added in table order after the constant.
template <std::size_t N>
long double somme_parallaxe(long double constante, const terme_passage (&table)[N], long double T,
                            const angles_passage& a) {
  double cosinus[N];
  a.valeurs(table, true, cosinus);
  long double s = constante;
  for (std::size_t i = 0; i < N; ++i) s += (table[i].c + table[i].cT * T) * cosinus[i];
  return s;
}

std::string_view nom_du_passage(passage_lunaire g) {
  return g == passage_lunaire::apogee ? "Apogée" : "Périgée";
}

}  // namespace

long double correction_perigee(long double T, long double F, long double M, long double D) {
  return somme_sinus(termes_temps_perigee, T, angles_passage(D, M, F));
}
long double correction_apogee(long double T, long double F, long double M, long double D) {
  return somme_sinus(termes_temps_apogee, T, angles_passage(D, M, F));
}
long double parallaxe_perigee(long double T, long double F, long double M, long double D) {
  return somme_parallaxe(3629.215L, termes_parallaxe_perigee, T, angles_passage(D, M, F));
}
long double parallaxe_apogee(long double T, long double F, long double M, long double D) {
  return somme_parallaxe(3245.251L, termes_parallaxe_apogee, T, angles_passage(D, M, F));
}

passage_trouve passage(long double k, passage_lunaire genre) {
  passage_trouve p;
  p.genre = genre;
  p.k = k;
  const long double T = k / 1325.55L;
  const long double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  const long double jde_moyen =
      2451534.6698L + 27.55454988L * k - 0.0006886L * T2 - 0.000001098L * T3 + 0.0000000052L * T4;
  const long double D =
      radians_reduits(171.9179L + 335.9106046L * k - 0.0100250L * T2 - 0.00001156L * T3 + 0.000000055L * T4);
  const long double M = radians_reduits(347.3477L + 27.1577721L * k - 0.0008323L * T2 - 0.0000010L * T3);
  const long double F = radians_reduits(316.6109L + 364.5287911L * k - 0.0125131L * T2 - 0.0000148L * T3);
  const angles_passage a(D, M, F);
  if (genre == passage_lunaire::apogee) {
    p.parallaxe = somme_parallaxe(3245.251L, termes_parallaxe_apogee, T, a);
    p.jde = jde_moyen + somme_sinus(termes_temps_apogee, T, a);
  } else {
    p.parallaxe = somme_parallaxe(3629.215L, termes_parallaxe_perigee, T, a);
    p.jde = jde_moyen + somme_sinus(termes_temps_perigee, T, a);
  }
  return p;
}

std::string texte_date_passage(const valeurs_evenement& d) {
  return std::to_string(trunc_i(d.jour)) + " " + nom_du_mois(d.mois) + " " + std::to_string(d.annee_tronquee);
}

std::string texte_heure_passage(const valeurs_evenement& d) {
  // Every field truncated, so no carry can arise.
  return format_float("00 h ", int_r(d.heure_r)) + format_float("00 m ", int_r(d.minute_r)) +
         format_float("00 s", int_r(d.seconde_r));
}

std::string texte_parallaxe(long double secondes_d_arc, passage_lunaire genre) {
  const long double p = secondes_d_arc / 60;  // arcminutes
  long long degres = 0;
  long long minutes = trunc_i(p);
  const long double s = (p - minutes) * 60;
  long long secondes = genre == passage_lunaire::apogee ? round_i(s) : trunc_i(s);
  if (secondes >= 60) {
    secondes -= 60;
    ++minutes;
  }
  while (minutes >= 60) {
    minutes -= 60;
    ++degres;
  }
  return std::to_string(degres) + "° " + format_float("00", minutes) + "' " + format_float("00", secondes) + "\"";
}

std::string texte_distance(long double km) {
  return format_float("000000 km", round_r(km));
}

int dater_ligne_perigee(ligne_liste& l, long double jde, const echelle_temps& echelle) {
  const instant_affiche a = afficher_instant(jde, echelle);
  l.colonnes.resize(std::max<std::size_t>(l.colonnes.size(), 2));
  l.colonnes[0] = texte_date_passage(a.date);
  l.colonnes[1] = texte_heure_passage(a.date);
  return a.decalage;
}

bool parcourir_perigees_apogees(long long premiere, long long derniere, bool perigees, bool apogees,
                                const std::function<void(passage_trouve&&)>& recevoir, const suivi_recherche& suivi,
                                const echelle_temps& echelle) {
  if ((!perigees && !apogees) || derniere < premiere) return false;
  const long long K = trunc_i((premiere - 1999.97L) * 13.2555L);
  const auto candidat = [K](long long i, passage_lunaire genre) {
    return genre == passage_lunaire::apogee ? K - 0.5L + i : static_cast<long double>(K - 1 + i);
  };

  // The factor of 13.2555 passes a year is that of the Julian year: past 1582 the
  // first pass comes later and later (two passes by 9600), and the first apogee of
  // January would be missed. Passes are added before it until both of its candidates
  // fall before the first year.
  long long premiere_passe = 0;
  const auto avant_les_annees = [&](long long i) {
    for (const passage_lunaire genre : {passage_lunaire::apogee, passage_lunaire::perigee})
      if (date_evenement(passage(candidat(i, genre), genre).jde).annee_tronquee >= premiere) return false;
    return true;
  };
  for (int garde = 0; garde < 1000 && !avant_les_annees(premiere_passe); ++garde) --premiere_passe;
  // About 13.26 anomalistic months a year, and a few passes on either side.
  const long double passes_prevues =
      (derniere - premiere + 1) * 13.2555L + 3 - static_cast<long double>(premiere_passe);
  const auto avance = [&](long long i) {
    return static_cast<double>(std::min(1.0L, (i + 1 - premiere_passe) / passes_prevues));
  };

  // Pass i: its apogee and perigee, kept when checked and within the years. True when
  // both fall after the last year: the search is over.
  const auto pas = [&](long long i, std::vector<passage_trouve>& sortie) {
    bool au_dela = true;
    for (const passage_lunaire genre : {passage_lunaire::apogee, passage_lunaire::perigee}) {
      passage_trouve p = passage(candidat(i, genre), genre);
      p.date = date_evenement(p.jde);
      const long long annee = p.date.annee_tronquee;  // of the instant as computed, whatever the clock
      if (annee <= derniere) au_dela = false;
      const bool coche = genre == passage_lunaire::apogee ? apogees : perigees;
      if (!coche || annee < premiere || annee > derniere) continue;

      if (echelle.legale()) {
        instant_affiche a = afficher_instant(p.jde, echelle);
        p.date = std::move(a.date);
        p.decalage = a.decalage;
      }
      // The distance from the Moon's own series at the instant found.
      p.distance = distance_lune(cos_r(arguments_lunaires_de((p.jde - 2451545) / 36525)));
      p.ligne.libelle = std::string(nom_du_passage(genre));
      p.ligne.colonnes = {texte_date_passage(p.date), texte_heure_passage(p.date), texte_parallaxe(p.parallaxe, genre),
                          texte_distance(p.distance)};
      sortie.push_back(std::move(p));
    }
    return au_dela;
  };
  const auto rendre = [&](std::vector<passage_trouve>& passages) {
    for (passage_trouve& p : passages) recevoir(std::move(p));
    passages.clear();
  };

  std::vector<passage_trouve> tete, queue;
  if (passes_prevues <= 1000) {
    for (long long i = premiere_passe;; ++i) {
      const bool fini = pas(i, queue);
      rendre(queue);
      if (fini) return false;
      if (!suivi.continuer(avance(i))) return true;
    }
  }
  // A long span goes by blocks of passes, so that the rows are handed on as they come
  // and never all held: the first half of a block on a second thread, the rest here
  // with the progress. The last block is cut to the passes still expected, so that
  // both threads get an even share. The passes and their order are those of one run
  // from the start.
  constexpr long long bloc = 8192;
  long long longueur = bloc;
  for (long long debut = premiere_passe;; debut += longueur) {
    const long long attendues = static_cast<long long>(std::ceil(passes_prevues)) - (debut - premiere_passe);
    longueur = std::clamp(attendues, 64LL, bloc);
    const long long milieu = debut + longueur / 2;
    std::atomic<bool> arret{false};
    std::thread aide([&] {
      for (long long i = debut; i < milieu && !arret.load(std::memory_order_relaxed); ++i)
        if (pas(i, tete)) break;
    });
    bool fini = false, interrompue = false;
    for (long long i = milieu; i < debut + longueur; ++i) {
      if (pas(i, queue)) {
        fini = true;  // the first half, if it got there first, left nothing for this one
        break;
      }
      if (!suivi.continuer(avance(i))) {
        interrompue = arret = true;
        break;
      }
    }
    aide.join();
    rendre(tete);
    // Cancelled: the first half stopped anywhere, and what follows it is left out.
    if (interrompue) return true;
    rendre(queue);
    if (fini) return false;
  }
}

resultat_perigees perigees_apogees(long long premiere, long long derniere, bool perigees, bool apogees,
                                   const suivi_recherche& suivi, const echelle_temps& echelle) {
  resultat_perigees r;
  r.interrompue = parcourir_perigees_apogees(
      premiere, derniere, perigees, apogees, [&r](passage_trouve&& p) { r.passages.push_back(std::move(p)); }, suivi,
      echelle);
  return r;
}

std::string entete_copie_perigees_a(std::string_view mention) {
  if (mention.empty()) return std::string(entete_copie_perigees);
  std::string t = titre_avec_mention("Périgées et apogées ", mention);
  t.append(crlf).append(crlf);
  return t;
}

std::string ligne_copie_perigee(const ligne_liste& l, std::string_view marque) {
  std::string t = l.libelle + "\t" + "Le " + l.colonnes.at(0) + " à " + avec_marque(l.colonnes.at(1), marque) + "  " +
                  l.colonnes.at(2) + "  " + l.colonnes.at(3);
  t.append(crlf);
  return t;
}

std::string copie_perigees(const std::vector<ligne_liste>& lignes) {
  return copie_perigees_avec_decalages(lignes, {});
}

std::string copie_perigees_avec_decalages(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages) {
  if (lignes.empty()) return {};
  const marques_liste m = marquer_decalages(decalages);
  std::string t = entete_copie_perigees_a(m.mention);
  for (std::size_t i = 0; i < lignes.size(); ++i)
    t += ligne_copie_perigee(lignes[i], i < m.marques.size() ? std::string_view(m.marques[i]) : std::string_view());
  t.append(crlf);
  return t;
}

}  // namespace almanax
