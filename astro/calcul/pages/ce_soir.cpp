#include "calcul/pages/ce_soir.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "calcul/calendrier.h"
#include "calcul/corrections.h"
#include "calcul/date_evenement.h"
#include "calcul/formats.h"
#include "calcul/lever_coucher.h"
#include "calcul/lune.h"
#include "calcul/numerique.h"
#include "calcul/pages/ephemerides.h"
#include "calcul/pages/instant_civil.h"
#include "calcul/planete.h"
#include "calcul/soleil.h"

namespace almanax {

namespace {

constexpr long double pas_recherche = 5.0L / 1440.0L;  // days
constexpr long double pas_courbes = 10.0L / 1440.0L;   // days
constexpr const char* tiret = "—";

planete planete_de(corps_ce_soir c) {
  static const planete p[] = {planete::mercure, planete::mercure, planete::venus,  planete::mars,
                              planete::jupiter, planete::saturne, planete::uranus, planete::neptune};
  return p[static_cast<int>(c)];
}

lieu_apparent lieu_du_corps(corps_ce_soir c, long double jde) {
  return c == corps_ce_soir::lune ? lieu_de_la_lune(jde) : lieu_de_la_planete(planete_de(c), jde);
}

// One body seen from the site: its place and altitude at any instant of the night.
struct ciel {
  const entree_ce_soir& e;
  long double tu(long double jde) const { return e.echelle.legale() ? tu_de_tt(jde) : jde; }
  long double tsg(long double jde) const { return temps_sideral_apparent(tu(jde), jde); }
  coord_horizontales horizon(const lieu_apparent& l, long double jde) const {
    coord_horizontales h = vers_horizon(l.alpha, l.delta, tsg(jde), e.site);
    // Seen from the surface, the Moon stands lower by its parallax in altitude.
    h.altitude -= l.parallaxe * std::cos(h.altitude * deg_rad);
    return h;
  }
  // Hour angle in (-180, 180]: the transit is its rising through 0.
  long double angle_horaire(const lieu_apparent& l, long double jde) const {
    return std::remainder(tsg(jde) - e.site.longitude_signee() - l.alpha, 360.0L);
  }
};

std::string texte_degres(long double x, std::string_view sep) {
  return format_float("0.0", x, sep) + "°";
}

// The states of a quantity between its crossings of a level: the intervals of the span
// where it is above.
std::vector<intervalle_nuit> au_dessus(const std::function<long double(long double)>& f, long double niveau,
                                       long double debut, long double fin) {
  std::vector<intervalle_nuit> r;
  std::optional<long double> ouvert;
  if (f(debut) > niveau) ouvert = debut;
  for (const passage_niveau& p : passages_niveau(f, debut, fin, pas_recherche, niveau)) {
    if (p.montant) {
      ouvert = p.instant;
    } else if (ouvert) {
      r.push_back({*ouvert, p.instant});
      ouvert.reset();
    }
  }
  if (ouvert) r.push_back({*ouvert, fin});
  return r;
}

std::vector<intervalle_nuit> intersection(const std::vector<intervalle_nuit>& a,
                                          const std::vector<intervalle_nuit>& b) {
  std::vector<intervalle_nuit> r;
  for (const intervalle_nuit& x : a)
    for (const intervalle_nuit& y : b) {
      const long double d = std::max(x.debut, y.debut), f = std::min(x.fin, y.fin);
      if (f > d) r.push_back({d, f});
    }
  return r;
}

std::string nom_phase(long double fraction, bool croissante) {
  if (fraction < 3) return "Nouvelle Lune";
  if (fraction > 97) return "Pleine Lune";
  if (fraction > 47 && fraction < 53) return croissante ? "Premier Quartier" : "Dernier Quartier";
  if (fraction < 50) return croissante ? "Premier croissant" : "Dernier croissant";
  return croissante ? "Gibbeuse croissante" : "Gibbeuse décroissante";
}

}  // namespace

const char* nom_corps_ce_soir(corps_ce_soir c) {
  static const char* const noms[] = {"Lune", "Mercure", "Vénus", "Mars", "Jupiter", "Saturne", "Uranus", "Neptune"};
  return noms[static_cast<int>(c)];
}

long double heures_du_jour(long double jde, const echelle_temps& echelle) {
  const long double jd = echelle.vers_civil(jde) + 0.5L;
  return (jd - std::floor(jd)) * 24.0L;
}

std::string texte_heure_nuit(long double jde, const echelle_temps& echelle) {
  // To the minute, rounded; 24 h 00 m is 0 h 00 m.
  long double h = std::round(heures_du_jour(jde, echelle) * 60.0L) / 60.0L;
  if (h >= 24) h -= 24;
  return format_hm(h + 1e-9L);
}

resultat_ce_soir calcul_ce_soir(const entree_ce_soir& e) {
  resultat_ce_soir r;
  const auto saisi = [&](int jours, int heure, int minute) {
    instant_saisi i = e.instant;
    i.heure = heure;
    i.minute = minute;
    i.seconde = i.milliseconde = 0;
    return e.echelle.vers_tt(jour_julien_saisi(i) + jours);
  };
  r.debut = saisi(0, 12, 0);
  r.fin = saisi(1, 12, 0);
  const instant_lu heure_choisie = lire_instant(e.instant, e.echelle);
  r.jde_heure = heure_choisie.jde;
  r.mention_echelle = heure_choisie.mention;
  {
    // The evening's date and the next morning's, as the calendar shows them.
    const jour_du_calendrier soir = calendrier_du_jour(std::floor(jour_julien_saisi(e.instant) + 0.5L));
    const jour_du_calendrier matin = calendrier_du_jour(std::floor(jour_julien_saisi(e.instant) + 1.5L));
    r.titre = "Nuit du " + std::to_string(soir.jour) + (soir.mois != matin.mois ? " " + nom_du_mois(soir.mois) : "") +
              " au " + std::to_string(matin.jour) + " " + nom_du_mois(matin.mois) + " " +
              std::to_string(annee_historique(matin.annee));
    if (!r.mention_echelle.empty()) r.titre += " (" + r.mention_echelle + ")";
  }
  const ciel c{e};
  const std::string_view sep = e.separateur;
  const auto heure = [&](long double jde) { return instant_nuit{jde, texte_heure_nuit(jde, e.echelle)}; };

  // ---- The Sun and the twilights ----
  std::map<long double, long double> cache_soleil;
  const auto hauteur_soleil = [&](long double jde) {
    auto i = cache_soleil.find(jde);
    if (i == cache_soleil.end()) {
      i = cache_soleil.emplace(jde, c.horizon(lieu_du_soleil(jde), jde).altitude).first;
    }
    return i->second;
  };
  long double plus_bas = 90, plus_haut = -90;
  for (long double t = r.debut; t <= r.fin + 1e-9L; t += pas_recherche) {
    plus_bas = std::min(plus_bas, hauteur_soleil(t));
    plus_haut = std::max(plus_haut, hauteur_soleil(t));
  }
  const long double niveaux[4] = {hauteur_coucher_soleil, hauteur_crepuscule_civil, hauteur_crepuscule_nautique,
                                  hauteur_crepuscule_astronomique};
  for (int i = 0; i < 4; ++i) {
    niveau_soleil& n = r.soleil[i];
    n.hauteur = niveaux[i];
    for (const passage_niveau& p : passages_niveau(hauteur_soleil, r.debut, r.fin, pas_recherche, n.hauteur)) {
      if (!p.montant && !n.soir) n.soir = heure(p.instant);
      if (p.montant && n.soir && !n.matin) n.matin = heure(p.instant);
    }
    // A morning crossing with no evening one before it (the Sun set before noon, far
    // north in autumn): kept for the morning all the same.
    if (!n.matin)
      for (const passage_niveau& p : passages_niveau(hauteur_soleil, r.debut, r.fin, pas_recherche, n.hauteur))
        if (p.montant) {
          n.matin = heure(p.instant);
          break;
        }
    const bool reste_au_dessus = plus_bas > n.hauteur, reste_dessous = plus_haut < n.hauteur;
    n.texte_soir = n.soir ? n.soir->texte : reste_au_dessus ? (i == 0 ? "jour polaire" : "ne finit pas") : tiret;
    n.texte_matin = n.matin ? n.matin->texte : reste_dessous && i == 0 ? "nuit polaire" : tiret;
  }
  const std::string bas = texte_degres(plus_bas, sep);
  if (plus_bas > hauteur_coucher_soleil) {
    r.nuit = "Jour polaire : le Soleil ne se couche pas (au plus bas à " + bas + "), pas de nuit astronomique.";
  } else if (plus_haut < hauteur_coucher_soleil) {
    r.nuit = "Nuit polaire : le Soleil ne se lève pas (au plus haut à " + texte_degres(plus_haut, sep) + ").";
  } else if (plus_bas > hauteur_crepuscule_astronomique) {
    r.nuit = "Pas de nuit astronomique : le Soleil ne descend pas à 18° sous l'horizon (au plus bas à " + bas + ").";
  } else {
    const niveau_soleil& a = r.soleil[3];
    r.nuit = "Nuit astronomique de " + a.texte_soir + " à " + a.texte_matin + ".";
  }
  const std::vector<intervalle_nuit> nuit_observable =
      au_dessus([&](long double t) { return -hauteur_soleil(t); }, -soleil_nuit_observable, r.debut, r.fin);

  // ---- The Moon and the planets ----
  for (int k = 0; k < nombre_corps_ce_soir; ++k) {
    astre_ce_soir& a = r.astres[k];
    a.corps = static_cast<corps_ce_soir>(k);
    const bool lune = a.corps == corps_ce_soir::lune;
    const planete p = planete_de(a.corps);
    std::map<long double, lieu_apparent> cache;
    const auto lieu = [&](long double jde) -> const lieu_apparent& {
      auto i = cache.find(jde);
      if (i == cache.end()) i = cache.emplace(jde, lieu_du_corps(a.corps, jde)).first;
      return i->second;
    };
    // Rising and setting on the geocentric altitude and the standard altitudes of the
    // other pages; the observable hours on the altitude seen from the site.
    const auto geocentrique = [&](long double jde) {
      const lieu_apparent& l = lieu(jde);
      return vers_horizon(l.alpha, l.delta, c.tsg(jde), e.site).altitude;
    };
    const auto hauteur = [&](long double jde) { return c.horizon(lieu(jde), jde).altitude; };
    const long double h0 = lieu(r.debut).hauteur_h0;
    for (const passage_niveau& x : passages_niveau(geocentrique, r.debut, r.fin, pas_recherche, h0))
      (x.montant ? a.levers : a.couchers).push_back(heure(x.instant));
    for (const passage_niveau& x :
         passages_niveau([&](long double t) { return c.angle_horaire(lieu(t), t); }, r.debut, r.fin, pas_recherche, 0))
      if (x.montant) a.passages.push_back(heure(x.instant));
    if (!a.passages.empty()) a.hauteur_passage = hauteur(a.passages.front().jde);
    a.observable = intersection(au_dessus(hauteur, hauteur_observable, r.debut, r.fin), nuit_observable);
    a.a_l_heure = c.horizon(lieu(r.jde_heure), r.jde_heure);

    if (lune) {
      const lieu_apparent& l = lieu(r.jde_heure);
      const long double T = (r.jde_heure - jd_j2000) / jours_siecle;
      const position_lune pl = position_de_la_lune(T);
      const phase_lune ph = phase_de_la_lune(T, l.alpha, l.delta, pl.distance);
      const bool croissante = modulo_360(pl.lambda - ph.longitude_soleil) < 180;
      r.fraction_lune = ph.fraction;
      r.phase_lune = nom_phase(ph.fraction, croissante);
      r.texte_lune = r.phase_lune + ", " + format_float("0", ph.fraction, sep) + " % éclairée";
      const long double i = ph.angle_de_phase;
      a.magnitude = -12.73L + 0.026L * i + 4e-9L * i * i * i * i;
    } else {
      etat_position s;
      position_instant(p, r.jde_heure, 0, s);
      a.magnitude = luminosite(p, s, r.jde_heure).magnitude;
    }

    // Texts.
    const auto liste = [&](const std::vector<instant_nuit>& v, const char* aucun_haut, const char* aucun_bas) {
      if (v.empty()) {
        bool toujours = true, jamais = true;
        for (long double t = r.debut; t <= r.fin + 1e-9L; t += pas_recherche) {
          const long double x = geocentrique(t);
          toujours &= x > h0;
          jamais &= x < h0;
        }
        return std::string(toujours ? aucun_haut : jamais ? aucun_bas : tiret);
      }
      std::string t;
      for (const instant_nuit& x : v) t += (t.empty() ? "" : " et ") + x.texte;
      return t;
    };
    a.textes.lever = liste(a.levers, "toujours levé", "jamais levé");
    a.textes.coucher = liste(a.couchers, "toujours levé", "jamais levé");
    a.textes.passage = liste(a.passages, tiret, tiret);
    a.textes.hauteur_passage = a.hauteur_passage ? texte_degres(*a.hauteur_passage, sep) : tiret;
    for (const intervalle_nuit& x : a.observable)
      a.textes.observable += (a.textes.observable.empty() ? "" : ", ") + texte_heure_nuit(x.debut, e.echelle) + " – " +
                             texte_heure_nuit(x.fin, e.echelle);
    if (a.textes.observable.empty()) a.textes.observable = "non";
    a.textes.magnitude = format_float("0.0", a.magnitude, sep);
    a.textes.hauteur = texte_degres(a.a_l_heure.altitude, sep);
    a.textes.azimut = texte_degres(a.a_l_heure.azimut, sep);
  }

  // ---- The chart's curves ----
  const long long n = std::llround((r.fin - r.debut) / pas_courbes);
  for (long long i = 0; i <= n; ++i) {
    const long double t = r.debut + i * pas_courbes;
    r.instants.push_back(t);
    r.heures.push_back(heures_du_jour(t, e.echelle));
    r.hauteurs_soleil.push_back(c.horizon(lieu_du_soleil(t), t).altitude);
    for (int k = 0; k < nombre_corps_ce_soir; ++k)
      r.hauteurs[k].push_back(c.horizon(lieu_du_corps(static_cast<corps_ce_soir>(k), t), t).altitude);
  }
  return r;
}

std::string copie_ce_soir(const resultat_ce_soir& r, const champs_bloc_date& date, const champs_site& site) {
  std::string t = "Ce soir";
  t.append(crlf).append(crlf);
  t += bloc_date_mention(date, r.mention_echelle, true, true);
  t += bloc_site(site);
  static const char* const soirs[] = {"Coucher du Soleil", "Fin du crépuscule civil", "Fin du crépuscule nautique",
                                      "Fin du crépuscule astronomique"};
  static const char* const matins[] = {"Lever du Soleil", "Début du crépuscule civil", "Début du crépuscule nautique",
                                       "Début du crépuscule astronomique"};
  for (int i = 0; i < 4; ++i) t += ligne_rapport(soirs[i], r.soleil[i].texte_soir);
  for (int i = 3; i >= 0; --i) t += ligne_rapport(matins[i], r.soleil[i].texte_matin);
  t += ligne_rapport("Nuit", r.nuit);
  t += ligne_rapport("Lune", r.texte_lune);
  t.append(crlf);
  t += "Astre\tLever\tPassage\tCoucher\tHauteur au passage\tObservable\tMagnitude\tHauteur à " + date.heure +
       "\tAzimut à " + date.heure;
  t.append(crlf);
  for (const astre_ce_soir& a : r.astres) {
    const auto& x = a.textes;
    t += std::string(nom_corps_ce_soir(a.corps)) + "\t" + x.lever + "\t" + x.passage + "\t" + x.coucher + "\t" +
         x.hauteur_passage + "\t" + x.observable + "\t" + x.magnitude + "\t" + x.hauteur + "\t" + x.azimut;
    t.append(crlf);
  }
  t += "Observable : plus de 10° au-dessus de l'horizon, le Soleil à plus de 12° dessous. Azimut compté depuis le "
       "nord, vers l'est ; hauteurs sans réfraction, celle de la Lune vue du lieu.";
  t.append(crlf).append(crlf);
  return t;
}

}  // namespace almanax
