#include "calcul/pages/satellites.h"

#include <cmath>
#include <optional>

#include "calcul/calendrier.h"
#include "calcul/formats.h"
#include "calcul/numerique.h"

namespace almanax {

namespace {

long double sin_d(long double degres) {
  return std::sin(degres * deg_rad);
}
long double cos_d(long double degres) {
  return std::cos(degres * deg_rad);
}

}  // namespace

positions_satellites positions_des_satellites(long double jour_julien) {
  const long double d = jour_julien - 2451545.0L;
  // The Earth and Jupiter on their orbits; degrees throughout.
  const long double V = 172.74L + 0.00111588L * d;
  const long double M = modulo_360(357.529L + 0.9856003L * d);
  const long double N = 20.02L + 0.0830853L * d + 0.329L * sin_d(V);
  const long double J = modulo_360(66.115L + 0.9025179L * d - 0.329L * sin_d(V));
  const long double A = 1.915L * sin_d(M) + 0.02L * sin_d(2.0L * M);
  const long double B = 5.555L * sin_d(N) + 0.168L * sin_d(2.0L * N);
  const long double K = J + A - B;
  const long double R = 1.00014L - 0.01671L * cos_d(M) - 0.00014L * cos_d(2.0L * M);
  const long double r = 5.20872L - 0.25208L * cos_d(N) - 0.00611L * cos_d(2.0L * N);
  const long double delta = std::sqrt(R * R + r * r - 2.0L * R * r * cos_d(K));
  const long double psi = std::asin(R * sin_d(K) / delta) * rad_deg;
  // The satellites as they were when their light left them.
  const long double dl = d - delta / 173.0L;
  const long double G = modulo_360(331.18L + 50.310482L * dl);
  const long double H = modulo_360(87.4L + 21.569231L * dl);
  const long double u1 = modulo_360(163.8067L + 203.4058643L * dl + psi - B);
  const long double u2 = modulo_360(358.4108L + 101.2916334L * dl + psi - B);
  const long double u3 = modulo_360(5.7129L + 50.2345179L * dl + psi - B);
  const long double u4 = modulo_360(224.8151L + 21.4879801L * dl + psi - B);

  positions_satellites p;
  p.jour_julien = jour_julien;
  // Corrected argument u and distance from Jupiter's centre rho (Jupiter radii).
  p.io = (5.9073L - 0.0244L * cos_d(2.0L * (u1 - u2))) * sin_d(u1 + 0.473L * sin_d(2.0L * (u1 - u2)));
  p.europe = (9.3991L - 0.00882L * cos_d(2.0L * (u2 - u3))) * sin_d(u2 + 1.065L * sin_d(2.0L * (u2 - u3)));
  p.ganymede = (14.9924L - 0.0216L * cos_d(G)) * sin_d(u3 + 0.165L * sin_d(G));
  p.callisto = (26.3699L - 0.1935L * cos_d(H)) * sin_d(u4 + 0.841L * sin_d(H));
  return p;
}

long double offset_satellite(const positions_satellites& p, satellite s) {
  switch (s) {
    case satellite::io:
      return p.io;
    case satellite::europe:
      return p.europe;
    case satellite::ganymede:
      return p.ganymede;
    case satellite::callisto:
      return p.callisto;
  }
  return 0;
}

const char* nom_satellite(satellite s) {
  switch (s) {
    case satellite::io:
      return "Io";
    case satellite::europe:
      return "Europe";
    case satellite::ganymede:
      return "Ganymède";
    case satellite::callisto:
      return "Callisto";
  }
  return "";
}

long double instant_jour_grille(const graphique_satellites& g, int k, const echelle_temps& echelle) {
  return echelle.vers_tt(g.jour_julien + static_cast<long double>(k));
}

graphique_satellites graphique_des_satellites(int mois, int annee, int largeur, int hauteur,
                                              const echelle_temps& echelle) {
  graphique_satellites g;
  g.mois = mois;
  g.annee = annee;
  g.largeur = largeur;
  g.hauteur = hauteur;
  // The spin shows historical years (no year 0, -1 is 1 BC); the calendar counts them
  // astronomically.
  const long long annee_calcul = annee_astronomique(annee);
  date_de_calcul date;
  date.jour = 0;
  date.mois = mois;
  date.annee = static_cast<long double>(annee_calcul);
  julien(date);
  g.jour_julien = date.jour_julien;
  g.jours_du_mois = jours_du_mois(mois, annee_calcul);
  g.y_jupiter = (hauteur - 50) / 2;
  g.echelle = (hauteur - 50) / 5;
  g.pas_jour = static_cast<int>(round_i(static_cast<long double>(largeur) / 32.0L));
  // Day k's line is where the curves reach JD0 + k (w / 32 pixels a day), so a picture
  // whose width is no multiple of 32 keeps lines and curves together. Its label is the
  // day of the month of that date (October 1582 goes from the 4th to the 15th).
  for (int k = 0;; ++k) {
    const int x = static_cast<int>(round_i(static_cast<long double>(k) * largeur / 32.0L));
    if (x >= largeur && k > 0) break;
    int numero = 0;
    if (k > 0) {
      date_de_calcul jour;
      jour.jour_julien = g.jour_julien + static_cast<long double>(k);
      date_calendaire(jour);
      numero = static_cast<int>(jour.jour);
    }
    g.jours.push_back({x, numero});
  }
  if (echelle.legale()) {
    int decalage = echelle.decalage_a(instant_jour_grille(g, 0, echelle));
    g.mention = mention_heure_legale(decalage);
    for (std::size_t k = 1; k < g.jours.size(); ++k) {
      const int d = echelle.decalage_a(instant_jour_grille(g, static_cast<int>(k), echelle));
      if (d == decalage) continue;
      decalage = d;
      g.mention += " (" + texte_decalage(d) + " à partir du " + std::to_string(g.jours[k].numero) + ")";
    }
  }

  if (largeur <= 0) return g;
  for (int e = 0; e <= largeur / 2; ++e) {
    const positions_satellites p =
        positions_des_satellites(echelle.vers_tt(g.jour_julien + static_cast<long double>(e) * 64.0L / largeur));
    g.positions.push_back(p);
    for (std::size_t i = 0; i < ordre_satellites.size(); ++i) {
      const long double X = offset_satellite(p, ordre_satellites[i]);
      g.points[i].push_back({2 * e, g.y_jupiter + static_cast<int>(round_i(X * g.echelle / 15.0L))});
    }
  }
  return g;
}

std::string texte_satellites(const std::vector<positions_satellites>& positions, bool avec_heure,
                             const std::string& separateur, const echelle_temps& echelle) {
  std::string t = "Satellites joviens : écart à Jupiter en rayons de Jupiter (positif à l'ouest)";
  std::optional<int> decalage;
  if (echelle.legale() && !positions.empty()) {
    decalage = echelle.decalage_a(positions.front().jour_julien);
    t += " ; " + mention_heure_legale(*decalage);
  }
  t += "\r\n";
  t += avec_heure ? "Date\tHeure" : "Date";
  for (satellite s : {satellite::io, satellite::europe, satellite::ganymede, satellite::callisto})
    t += std::string("\t") + nom_satellite(s);
  t += "\r\n";
  for (const positions_satellites& p : positions) {
    date_de_calcul d;
    d.jour_julien = echelle.vers_civil(p.jour_julien);
    // Back from TT the civil 0 h may come a hair before midnight: to the second.
    if (echelle.legale()) d.jour_julien = std::round((d.jour_julien + 0.5L) * 86400.0L) / 86400.0L - 0.5L;
    date_calendaire(d);
    const long double minutes = std::round(frac_r(d.jour_julien) * 1440.0L);
    const int hh = static_cast<int>(minutes) / 60 % 24, mm = static_cast<int>(minutes) % 60;
    t += format_float("00", d.jour) + "/" + format_float("00", d.mois) + "/" +
         std::to_string(annee_historique(static_cast<long long>(d.annee)));
    if (avec_heure) t += "\t" + format_float("00", hh) + ":" + format_float("00", mm);
    for (satellite s : {satellite::io, satellite::europe, satellite::ganymede, satellite::callisto})
      t += "\t" + format_float("#0.00", offset_satellite(p, s), separateur);
    if (decalage && echelle.decalage_a(p.jour_julien) != *decalage) {
      decalage = echelle.decalage_a(p.jour_julien);
      t += "\t" + texte_decalage(*decalage);
    }
    t += "\r\n";
  }
  return t;
}

}  // namespace almanax
