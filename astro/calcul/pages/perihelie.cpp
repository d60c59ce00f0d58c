#include "calcul/pages/perihelie.h"

#include <planseries/planseries.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "calcul/formats.h"
#include "calcul/heures_des_listes.h"
#include "calcul/numerique.h"
#include "calcul/tri_francais.h"

namespace almanax {

namespace {

// k = facteur (Y - epoque) from the year Y; JDE = J0 + P k + Q k^2.
struct constantes_passage {
  long double facteur, epoque, J0, P, Q;
};

constexpr constantes_passage constantes[nombre_planetes_perihelie] = {
    {4.15201L, 2000.12L, 2451590.257L, 87.96934963L, 0.0L},
    {1.62549L, 2000.53L, 2451738.233L, 224.7008187L, -0.0000000327L},
    {0.99997L, 2000.01L, 2451547.507L, 365.2596358L, 0.0000000158L},
    {0.53166L, 2001.78L, 2452195.026L, 686.9957843L, -0.0000001187L},
    {0.0843L, 2011.2L, 2455636.938L, 4332.89709L, 0.0001368L},
    {0.03393L, 2003.52L, 2452830.11L, 10764.21731L, 0.000826L},
    {0.0119L, 2051.1L, 2470213.5L, 30694.8767L, -0.00541L},
    {0.0067L, 2047.5L, 2468895.7L, 60190.32L, 0.03175L},
};

constexpr const char* noms[nombre_planetes_perihelie] = {"Mercure", "Vénus",   "Terre",  "Mars",
                                                         "Jupiter", "Saturne", "Uranus", "Neptune"};
constexpr int images[nombre_planetes_perihelie] = {4, 5, 12, 6, 7, 8, 9, 10};

using fonction_rayon = long double (*)(long double);
constexpr fonction_rayon rayons[nombre_planetes_perihelie] = {
    planseries::mercure_rayon, planseries::venus_rayon,   planseries::terre_rayon,  planseries::mars_rayon,
    planseries::jupiter_rayon, planseries::saturne_rayon, planseries::uranus_rayon, planseries::neptune_rayon,
};

std::size_t indice(planete_perihelie p) {
  return static_cast<std::size_t>(p);
}

// The Moon moves the Earth around the Earth-Moon barycentre: correction in days.
long double correction_terre(long double k, bool aphelie) {
  const long double a1 = (328.41L + 132.788585L * k) * deg_rad;
  const long double a2 = (316.13L + 584.903153L * k) * deg_rad;
  const long double a3 = (346.20L + 450.380738L * k) * deg_rad;
  const long double a4 = (136.95L + 659.306737L * k) * deg_rad;
  const long double a5 = (249.52L + 329.653368L * k) * deg_rad;
  if (!aphelie)
    return 1.278L * std::sin(a1) - 0.055L * std::sin(a2) - 0.091L * std::sin(a3) - 0.056L * std::sin(a4) -
           0.045L * std::sin(a5);
  return -1.352L * std::sin(a1) + 0.061L * std::sin(a2) + 0.062L * std::sin(a3) + 0.029L * std::sin(a4) +
         0.031L * std::sin(a5);
}

}  // namespace

const char* nom_planete_perihelie(planete_perihelie p) {
  return noms[indice(p)];
}

int image_perihelie(planete_perihelie p) {
  return images[indice(p)];
}

long long premiere_revolution(planete_perihelie p, long long annee) {
  const constantes_passage& c = constantes[indice(p)];
  return trunc_i(c.facteur * (static_cast<long double>(annee) - c.epoque));
}

long double instant_passage(planete_perihelie p, long double k) {
  const constantes_passage& c = constantes[indice(p)];
  long double jde = c.J0 + c.P * k + c.Q * k * k;
  if (p == planete_perihelie::terre) jde += correction_terre(k, frac_r(k) != 0);
  return jde;
}

long double rayon_vecteur(planete_perihelie p, long double jde) {
  return rayons[indice(p)]((jde - 2451545.0L) / 365250.0L);
}

ligne_liste ligne_du_passage(const passage_perihelie& p) {
  return {p.nom_planete, {p.passage, p.date, p.texte_rayon}};
}

int dater_ligne_perihelie(ligne_liste& l, long double jde, const echelle_temps& echelle) {
  instant_affiche a = afficher_instant(jde, echelle);
  l.colonnes.resize(std::max<std::size_t>(l.colonnes.size(), 2));
  l.colonnes[1] = std::move(a.date.texte);
  return a.decalage;
}

resultat_perihelies perihelies_aphelies(const recherche_perihelies& recherche, std::string_view separateur,
                                        const suivi_recherche& suivi, const echelle_temps& echelle) {
  resultat_perihelies res;
  const long long debut = recherche.premiere_annee, fin = recherche.derniere_annee;
  if (debut < annee_perihelies_min || fin > annee_perihelies_max) {
    res.message = "Les années de recherche vont de " + std::to_string(annee_perihelies_min) + " à " +
                  std::to_string(annee_perihelies_max) + ".";
    return res;
  }
  if (fin <= debut) {
    res.message = "L'année de départ doit être inférieure à l'année de fin des recherches.";
    return res;
  }

  // Twelve candidates per year outnumber the passages of the most frequent planet.
  long long n = 12 * (fin - debut);
  if (debut < 0 && fin >= 1) n = 12 * (fin - debut - 1);

  // The year-to-revolution factors are rounded (Neptune's by a tenth), so far from the
  // epochs the first number can come too late and the last too early; the candidates
  // are widened until the first falls before the span and the last after it.
  struct bornes {
    long long K, premier, dernier;
  };
  const auto annee_de = [](long double jde) { return calendrier_du_jour(std::floor(jde + 0.5L)).annee; };
  std::array<std::array<bornes, 2>, nombre_planetes_perihelie> plages{};
  double total = 0;
  for (int ip = 0; ip < nombre_planetes_perihelie; ++ip) {
    if (!recherche.planetes[static_cast<std::size_t>(ip)]) continue;
    const auto p = static_cast<planete_perihelie>(ip);
    for (int sorte = 0; sorte < 2; ++sorte) {
      bornes& b = plages[static_cast<std::size_t>(ip)][static_cast<std::size_t>(sorte)];
      b = {premiere_revolution(p, debut), -1, n};
      const auto annee_du_candidat = [&](long long i) {
        return annee_de(instant_passage(p, static_cast<long double>(b.K + i) + (sorte == 1 ? 0.5L : 0.0L)));
      };
      for (int garde = 0; garde < 1000 && annee_du_candidat(b.premier) >= debut; ++garde) --b.premier;
      for (int garde = 0; garde < 1000 && annee_du_candidat(b.dernier) <= fin; ++garde) ++b.dernier;
      total += static_cast<double>(b.dernier - b.premier + 1);
    }
  }
  double faits = 0;

  for (int ip = 0; ip < nombre_planetes_perihelie && !res.interrompue; ++ip) {
    if (!recherche.planetes[static_cast<std::size_t>(ip)]) continue;
    const auto p = static_cast<planete_perihelie>(ip);
    for (int sorte = 0; sorte < 2 && !res.interrompue; ++sorte) {
      const bool aphelie = sorte == 1;
      const bornes& b = plages[static_cast<std::size_t>(ip)][static_cast<std::size_t>(sorte)];
      for (long long i = b.premier; i <= b.dernier; ++i) {
        if (!suivi.continuer(faits / total)) {
          res.interrompue = true;
          break;
        }
        faits += 1;
        const long double k = static_cast<long double>(b.K + i) + (aphelie ? 0.5L : 0.0L);
        const long double jde = instant_passage(p, k);
        // The year alone decides; the text and the distance are only made for the rows kept.
        const long long annee = annee_de(jde);
        if (annee < debut || annee > fin) continue;
        const instant_affiche a = afficher_instant(jde, echelle);
        const valeurs_evenement& v = a.date;
        passage_perihelie t;
        t.planete = p;
        t.aphelie = aphelie;
        t.k = k;
        t.jde = jde;
        t.rayon = rayon_vecteur(p, jde);  // at the passage itself, not half a day later
        t.nom_planete = nom_planete_perihelie(p);
        t.image = image_perihelie(p);
        t.passage = aphelie ? "Aphélie" : "Périhélie";
        t.date = v.texte;
        t.texte_rayon = format_float("0.000000", t.rayon, separateur);
        t.instant = v.a_la_seconde;
        t.decalage = a.decalage;
        res.lignes.push_back(std::move(t));
      }
    }
  }
  if (!res.interrompue) suivi.continuer(1.0);
  trier_par_nom(res.lignes, [](const passage_perihelie& t) -> const std::string& { return t.nom_planete; });
  return res;
}

void trier_lignes_perihelies(std::vector<ligne_liste>& lignes) {
  trier_par_nom(lignes, [](const ligne_liste& l) -> const std::string& { return l.libelle; });
}

std::string copie_perihelies(const std::vector<ligne_liste>& lignes) {
  return copie_perihelies_avec_decalages(lignes, {});
}

std::string copie_perihelies_avec_decalages(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages) {
  if (lignes.empty()) return {};
  const marques_liste m = marquer_decalages(decalages);
  std::string t = titre_avec_mention("Périhélies et aphélies ", m.mention);
  t.append(crlf).append(crlf);
  for (std::size_t r = 0; r < lignes.size(); ++r) {
    const ligne_liste& l = lignes[r];
    const auto colonne = [&](std::size_t i) {
      return i < l.colonnes.size() ? std::string_view(l.colonnes[i]) : std::string_view();
    };
    t.append(l.libelle).append("\t").append(colonne(0)).append("  ").append("Le ").append(colonne(1));
    // The date ends with a blank: the offset follows it.
    if (r < m.marques.size() && !m.marques[r].empty()) t.append(m.marques[r]).append(" ");
    t.append("à ").append(colonne(2)).append(crlf);
  }
  t.append(crlf);
  return t;
}

}  // namespace almanax
