#include "calcul/pages/phases.h"

#include <planseries/angle.h>

#include <cmath>

#include "calcul/formats.h"
#include "calcul/heures_des_listes.h"
#include "calcul/numerique.h"

namespace almanax {

namespace {

// One periodic term of a phase: coefficient (days) x E^puissance_E x
// sin(m M + mp M' + f F + o Omega).
struct terme_phase {
  long double coefficient;
  int puissance_E;
  int m, mp, f, o;
};

// The published terms of each phase kind, in their printed order.
constexpr terme_phase termes_nouvelle_lune[25] = {
    {-0.40720L, 0, 0, 1, 0, 0}, {0.17241L, 1, 1, 0, 0, 0},   {0.01608L, 0, 0, 2, 0, 0},    {0.01039L, 0, 0, 0, 2, 0},
    {0.00739L, 1, -1, 1, 0, 0}, {-0.00514L, 1, 1, 1, 0, 0},  {0.00208L, 2, 2, 0, 0, 0},    {-0.00111L, 0, 0, 1, -2, 0},
    {-0.00057L, 0, 0, 1, 2, 0}, {0.00056L, 1, 1, 2, 0, 0},   {-0.00042L, 0, 0, 3, 0, 0},   {0.00042L, 1, 1, 0, 2, 0},
    {0.00038L, 1, 1, 0, -2, 0}, {-0.00024L, 1, -1, 2, 0, 0}, {-0.00017L, 0, 0, 0, 0, 1},   {-0.00007L, 0, 2, 1, 0, 0},
    {0.00004L, 0, 0, 2, -2, 0}, {0.00004L, 0, 3, 0, 0, 0},   {0.00003L, 0, 1, 1, -2, 0},   {0.00003L, 0, 0, 2, 2, 0},
    {-0.00003L, 0, 1, 1, 2, 0}, {0.00003L, 0, -1, 1, 2, 0},  {-0.00002L, 0, -1, 1, -2, 0}, {-0.00002L, 0, 1, 3, 0, 0},
    {0.00002L, 0, 0, 4, 0, 0},
};

constexpr terme_phase termes_pleine_lune[25] = {
    {-0.40614L, 0, 0, 1, 0, 0}, {0.17302L, 1, 1, 0, 0, 0},   {0.01614L, 0, 0, 2, 0, 0},    {0.01043L, 0, 0, 0, 2, 0},
    {0.00734L, 1, -1, 1, 0, 0}, {-0.00515L, 1, 1, 1, 0, 0},  {0.00209L, 2, 2, 0, 0, 0},    {-0.00111L, 0, 0, 1, -2, 0},
    {-0.00057L, 0, 0, 1, 2, 0}, {0.00056L, 1, 1, 2, 0, 0},   {-0.00042L, 0, 0, 3, 0, 0},   {0.00042L, 1, 1, 0, 2, 0},
    {0.00038L, 1, 1, 0, -2, 0}, {-0.00024L, 1, -1, 2, 0, 0}, {-0.00017L, 0, 0, 0, 0, 1},   {-0.00007L, 0, 2, 1, 0, 0},
    {0.00004L, 0, 0, 2, -2, 0}, {0.00004L, 0, 3, 0, 0, 0},   {0.00003L, 0, 1, 1, -2, 0},   {0.00003L, 0, 0, 2, 2, 0},
    {-0.00003L, 0, 1, 1, 2, 0}, {0.00003L, 0, -1, 1, 2, 0},  {-0.00002L, 0, -1, 1, -2, 0}, {-0.00002L, 0, 1, 3, 0, 0},
    {0.00002L, 0, 0, 4, 0, 0},
};

constexpr terme_phase termes_quartiers[25] = {
    {-0.62801L, 0, 0, 1, 0, 0},   {0.17172L, 1, 1, 0, 0, 0},  {-0.01183L, 1, 1, 1, 0, 0},  {0.00862L, 0, 0, 2, 0, 0},
    {0.00804L, 0, 0, 0, 2, 0},    {0.00454L, 1, -1, 1, 0, 0}, {0.00204L, 2, 2, 0, 0, 0},   {-0.00180L, 0, 0, 1, -2, 0},
    {-0.00070L, 0, 0, 1, 2, 0},   {-0.00040L, 0, 0, 3, 0, 0}, {-0.00034L, 1, -1, 2, 0, 0}, {0.00032L, 1, 1, 0, 2, 0},
    {0.00032L, 1, 1, 0, -2, 0},   {-0.00028L, 2, 2, 1, 0, 0}, {0.00027L, 1, 1, 2, 0, 0},   {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00005L, 0, -1, 1, -2, 0}, {0.00004L, 0, 0, 2, 2, 0},  {-0.00004L, 0, 1, 1, 2, 0},  {0.00004L, 0, -2, 1, 0, 0},
    {0.00003L, 0, 1, 1, -2, 0},   {0.00003L, 0, 3, 0, 0, 0},  {0.00002L, 0, 0, 2, -2, 0},  {0.00002L, 0, -1, 1, 2, 0},
    {-0.00002L, 0, 1, 3, 0, 0},
};

// The planetary arguments A1 .. A14: A = a0 + a1 k (+ a2 T^2 for A1 only), degrees,
// and their coefficients in days.
struct terme_additionnel {
  long double a0, a1, coefficient;
};
constexpr terme_additionnel termes_additionnels[14] = {
    {299.77L, 0.107408L, 0.000325L},  {251.88L, 0.016321L, 0.000165L}, {251.83L, 26.651886L, 0.000164L},
    {349.42L, 36.412478L, 0.000126L}, {84.66L, 18.206239L, 0.000110L}, {141.74L, 53.303771L, 0.000062L},
    {207.14L, 2.453732L, 0.000060L},  {154.84L, 7.306860L, 0.000056L}, {34.52L, 27.261239L, 0.000047L},
    {207.19L, 0.121824L, 0.000042L},  {291.34L, 1.844379L, 0.000040L}, {161.72L, 24.198154L, 0.000037L},
    {239.56L, 25.513099L, 0.000035L}, {331.55L, 3.592518L, 0.000023L},
};

long double termes_periodiques(const lunaison& l, const terme_phase (&table)[25]) {
  long double somme = 0;
  for (const terme_phase& t : table) {
    long double v = t.coefficient * planseries::sin_rapide(t.m * l.M + t.mp * l.Mp + t.f * l.F + t.o * l.Omega);
    for (int i = 0; i < t.puissance_E; ++i) v *= l.E;
    somme += v;
  }
  return somme;
}

long double corrections_additionnelles(const lunaison& l) {
  long double somme = 0;
  for (int i = 0; i < 14; ++i) {
    const terme_additionnel& a = termes_additionnels[i];
    long double angle = a.a0 + a.a1 * l.k;
    if (i == 0) angle -= 0.009173L * l.T * l.T;
    somme += a.coefficient * planseries::sin_rapide(angle * deg_rad);
  }
  return somme;
}

// Quarter correction W, added to the first quarter and taken from the last.
long double correction_quartier(const lunaison& l) {
  return 0.00306L - 0.00038L * l.E * std::cos(l.M) + 0.00026L * std::cos(l.Mp) - 0.00002L * std::cos(l.Mp - l.M) +
         0.00002L * std::cos(l.Mp + l.M) + 0.00002L * std::cos(2 * l.F);
}

constexpr long double fraction_de_phase[4] = {0, 0.25L, 0.5L, 0.75L};

// Whole lunation number of a candidate at Y years: the lunation before the one that
// begins near Y.
long double lunaison_candidate(long double y) {
  const long double k0 = (y - 2000) * 12.3685L - 1;
  return k0 >= 0 ? int_r(k0) : int_r(k0) - 1;
}

}  // namespace

lunaison arguments_lunaison(long double k) {
  lunaison l;
  l.k = k;
  const long double T = k / 1236.85L;
  const long double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  l.T = T;
  l.jde_moyen = 2451550.09765L + 29.530588853L * k + 0.0001337L * T2 - 0.000000150L * T3 + 0.00000000073L * T4;
  l.M = radians_reduits(2.5534L + 29.10535669L * k - 0.0000218L * T2 - 0.00000011L * T3);
  l.Mp = radians_reduits(201.5643L + 385.81693528L * k + 0.0107438L * T2 + 0.00001239L * T3 - 0.000000058L * T4);
  l.F = radians_reduits(160.7108L + 390.67050274L * k - 0.0016341L * T2 - 0.00000227L * T3 + 0.000000011L * T4);
  l.Omega = radians_reduits(124.7746L - 1.5637558L * k + 0.0020691L * T2 + 0.00000215L * T3);
  l.E = 1 - 0.002516L * T - 0.0000074L * T2;
  return l;
}

std::string_view nom_de_la_phase(phase_lunaire p) {
  switch (p) {
    case phase_lunaire::nouvelle_lune:
      return "Nouvelle Lune";
    case phase_lunaire::premier_quartier:
      return "Premier Quartier";
    case phase_lunaire::pleine_lune:
      return "Pleine Lune";
    case phase_lunaire::dernier_quartier:
      return "Dernier Quartier";
  }
  return {};
}

long double instant_phase(long double n, phase_lunaire p) {
  const int numero = static_cast<int>(p);
  const lunaison l = arguments_lunaison(n + fraction_de_phase[numero - 1]);
  long double jde = l.jde_moyen + corrections_additionnelles(l);
  switch (p) {
    case phase_lunaire::nouvelle_lune:
      jde += termes_periodiques(l, termes_nouvelle_lune);
      break;
    case phase_lunaire::pleine_lune:
      jde += termes_periodiques(l, termes_pleine_lune);
      break;
    case phase_lunaire::premier_quartier:
      jde += termes_periodiques(l, termes_quartiers) + correction_quartier(l);
      break;
    case phase_lunaire::dernier_quartier:
      jde += termes_periodiques(l, termes_quartiers) - correction_quartier(l);
      break;
  }
  return jde;
}

std::string texte_date_phase(const instant_a_la_seconde& s) {
  return format_float("00", s.jour) + " " + nom_du_mois(s.mois) + " " + format_float("00", s.annee);
}

std::string texte_heure_phase(const instant_a_la_seconde& s) {
  return format_float("00", s.heure) + " h " + format_float("00", s.minute) + " m " + format_float("00", s.seconde) +
         " s";
}

resultat_phases phases_de_la_lune(int mois_depart, long long annee_depart, const suivi_recherche& suivi,
                                  const echelle_temps& echelle) {
  resultat_phases r;
  r.legale = echelle.legale();
  constexpr int etapes = 6 * 4;
  int fait = 0;
  for (int p = 0; p < 6; ++p) {
    liste_phases& liste = r.listes[static_cast<std::size_t>(p)];
    liste.mois = mois_depart + p;
    liste.annee = annee_depart;
    if (liste.mois > 12) {
      liste.mois -= 12;
      liste.annee += 1;
    }
    const long double y0 = liste.annee + (liste.mois - 1) / 12.0L;
    // Six steps of 0.080957287 year are 1.0013 lunation each: now and then one step
    // jumps over a lunation, and a whole month's phases would go missing. So every
    // lunation from the first candidate to the last is examined (six, seldom seven).
    const long double premier = lunaison_candidate(y0 - 0.080957287L);
    const long double dernier = lunaison_candidate(y0 + 4 * 0.080957287L);
    for (int numero = 1; numero <= 4; ++numero) {
      const phase_lunaire phase = static_cast<phase_lunaire>(numero);
      for (long double n = premier; n <= dernier; ++n) {
        const long double jde = instant_phase(n, phase);
        // The candidates reach a lunation beyond each end of the month: wide enough
        // for the zone's offset and ΔT, which move a phase by a day at most.
        instant_affiche a = afficher_instant(jde, echelle);
        const valeurs_evenement& date = a.date;
        // The month is that of the date shown, so a phase whose seconds carry it
        // past midnight at a month's end is listed under the month its text names.
        if (date.a_la_seconde.mois == liste.mois) {
          phase_trouvee t;
          t.phase = phase;
          t.k = n + fraction_de_phase[numero - 1];
          t.jde = jde;
          t.date = date;
          t.image = numero - 1;
          t.ligne.libelle = std::string(nom_de_la_phase(phase));
          t.ligne.colonnes = {texte_date_phase(date.a_la_seconde), texte_heure_phase(date.a_la_seconde)};
          t.decalage = a.decalage;
          liste.phases.push_back(std::move(t));
        }
        if (!suivi.continuer(static_cast<double>((fait + (n - premier + 1) / (dernier - premier + 1)) / etapes))) {
          r.interrompue = true;
          return r;
        }
      }
      ++fait;
    }
  }
  suite_decalages suite(r.legale);
  for (liste_phases& l : r.listes)
    for (phase_trouvee& t : l.phases) {
      t.heure_affichee = avec_marque(t.ligne.colonnes[1], suite.marque(t.decalage));
    }
  r.mention = suite.mention();
  return r;
}

std::string copie_phases(const resultat_phases& r, const std::array<bool, 6>& mois_coches) {
  std::string lignes;
  bool un_mois = false;
  suite_decalages suite(r.legale);
  for (std::size_t p = 0; p < 6; ++p) {
    if (!mois_coches[p]) continue;
    un_mois = true;
    for (const phase_trouvee& t : r.listes[p].phases)
      lignes += t.ligne.libelle + "\t" + "Le " + t.ligne.colonnes[0] + " à " +
                avec_marque(t.ligne.colonnes[1], suite.marque(t.decalage)) + std::string(crlf);
  }
  if (!un_mois) return {};
  return titre_avec_mention("Phases de la Lune", suite.mention()) + std::string(crlf) + std::string(crlf) + lignes;
}

}  // namespace almanax
