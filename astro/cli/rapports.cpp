// The table of command-line reports, one entry per page.
#include "cli/cli.h"

namespace almanax::cli {

// --- report functions (one line each) ---
resultat rapport_dates(arguments& a);
resultat rapport_ephemerides(arguments& a);
resultat rapport_soleil_lune(arguments& a);
resultat rapport_phases(arguments& a);
resultat rapport_perigees(arguments& a);
resultat rapport_eclipses(arguments& a);
resultat rapport_phenomenes(arguments& a);
resultat rapport_perihelies(arguments& a);
resultat rapport_equation_temps(arguments& a);
resultat rapport_satellites(arguments& a);
resultat rapport_comete(arguments& a);
resultat rapport_precession(arguments& a);
resultat rapport_planetarium_helio(arguments& a);
resultat rapport_planetarium_geo(arguments& a);
// --- end of report functions ---

namespace {
const rapport table_rapports[] = {
    // --- reports (one entry each) ---
    {"dates", "Dates : jour de la semaine, intervalle, équinoxes et solstices, Pâques",
     "  --date1 JJ/MM/AAAA   première date (défaut : aujourd'hui)\n"
     "  --heure1 HH:MM[:SS]  heure de la première date (défaut : maintenant)\n"
     "  --date2 JJ/MM/AAAA   seconde date (défaut : le lendemain de la première)\n"
     "  --heure2 HH:MM[:SS]  heure de la seconde date (défaut : celle de la première)\n"
     "  --annee AAAA         année des équinoxes, solstices et de Pâques, historique, de -1000 à 3000\n"
     "                       (défaut : l'année de la première date)\n",
     rapport_dates},
    {"ephemerides", "Éphémérides d'une planète : éléments orbitaux, position, distances, magnitude, lever et coucher",
     "  --planete NOM        Mercure, Vénus, Terre, Mars, Jupiter, Saturne, Uranus, Neptune ou Pluton (défaut : "
     "Vénus)\n"
     "  --date JJ/MM/AAAA    date (défaut : aujourd'hui)\n"
     "  --heure HH:MM[:SS]   heure (défaut : maintenant)\n"
     "  --site NOM           lieu d'observation pris dans villes.dat (défaut : le lieu par défaut)\n"
     "  --lat DEG --lon DEG  ou bien latitude (nord positive) et longitude (ouest positive)\n",
     rapport_ephemerides},
    {"soleil-lune", "Soleil, Lune : positions, distances, phase de la Lune, lever, passage au méridien et coucher",
     "  --date JJ/MM/AAAA    date (défaut : aujourd'hui)\n"
     "  --heure HH:MM[:SS]   heure (défaut : maintenant)\n"
     "  --site NOM           lieu d'observation pris dans villes.dat (défaut : le lieu par défaut)\n"
     "  --lat DEG --lon DEG  ou bien latitude (nord positive) et longitude (ouest positive)\n",
     rapport_soleil_lune},
    {"phases", "Phases de la Lune : nouvelles lunes, quartiers et pleines lunes de six mois",
     "  --mois MM            premier des six mois, de 1 à 12 (défaut : le mois courant)\n"
     "  --annee AAAA         année du premier mois, astronomique, de -4713 à 9999 (défaut : l'année courante)\n",
     rapport_phases},
    {"perigees", "Périgées et apogées de la Lune : dates, heures, parallaxes et distances sur des années",
     "  --debut AAAA         première année, astronomique, de -4713 à 9998 (défaut : l'année courante)\n"
     "  --fin AAAA           dernière année, de -4712 à 9999, après la première (défaut : la première + 1)\n"
     "  --types LISTE        périgée, apogée ou les deux séparés par une virgule (défaut : les deux)\n",
     rapport_perigees},
    {"eclipses", "Eclipses de Soleil ou de Lune sur des années : date, heure du maximum, type, contacts",
     "  --debut AAAA         première année, astronomique, de -4713 à 9998 (défaut : l'année courante)\n"
     "  --fin AAAA           dernière année, de -4712 à 9999, après la première (défaut : la première + 1)\n"
     "  --type TYPE          solaire ou lunaire (défaut : lunaire)\n",
     rapport_eclipses},
    {"phenomenes", "Phénomènes planétaires : conjonctions et oppositions des planètes sur des années",
     "  --debut AAAA         première année, astronomique, de -4713 à 9998 (défaut : l'année courante)\n"
     "  --fin AAAA           dernière année, de -4712 à 9999, après la première (défaut : la première + 1)\n"
     "  --planetes LISTE     Mercure, Vénus, Mars, Jupiter, Saturne, Uranus, Neptune, séparées par une virgule (défaut "
     ": toutes)\n",
     rapport_phenomenes},
    {"perihelies", "Périhélies et aphélies des planètes sur des années, avec leur distance au Soleil",
     "  --debut AAAA         première année, astronomique, de -4713 à 9998 (défaut : l'année courante)\n"
     "  --fin AAAA           dernière année, de -4712 à 9999, après la première (défaut : la première + 1)\n"
     "  --planetes LISTE     Mercure, Vénus, Terre, Mars, Jupiter, Saturne, Uranus, Neptune, séparées par une virgule "
     "(défaut : toutes)\n",
     rapport_perihelies},
    {"equation-temps", "Équation du temps d'un jour ; avec --image, sa courbe sur l'année",
     "  --date JJ/MM/AAAA    date (défaut : aujourd'hui)\n"
     "  --image FICHIER      enregistre aussi la courbe de l'année (BMP, ou PNG si le nom finit par .png)\n",
     rapport_equation_temps},
    {"satellites", "Satellites joviens : écart d'Io, Europe, Ganymède et Callisto à Jupiter, en rayons de Jupiter",
     "  --mois MM            mois du graphique, de 1 à 12 : chaque jour du graphique à 0 h (défaut : le mois courant)\n"
     "  --annee AAAA         année du graphique, de -4713 à 9999, sans année 0 (défaut : l'année courante)\n"
     "  --date JJ/MM/AAAA    ou bien un seul instant : sa date\n"
     "  --heure HH:MM[:SS]   et son heure (défaut : 0 h)\n"
     "  --image FICHIER      enregistre aussi le graphique du mois (BMP, ou PNG si le nom finit par .png)\n",
     rapport_satellites},
    {"comete", "Comète : ascension droite, déclinaison, distance et élongation d'une comète à une date",
     "  --comete NOM         comète du catalogue cometes.dat (défaut : la comète par défaut)\n"
     "  --T JJ/MM/AAAA.ffff  ou bien ses éléments : passage au périhélie (ou JJ,ffff/MM/AAAA,\n"
     "                       année astronomique),\n"
     "  --q UA --e E         distance au périhélie, excentricité (0 < e <= 1),\n"
     "  --i DEG --w DEG      inclinaison, argument du périhélie,\n"
     "  --W DEG              longitude du noeud ascendant (écliptique et équinoxe J2000.0)\n"
     "  --nom NOM            nom affiché avec ces éléments (défaut : COMÈTE)\n"
     "  --date JJ/MM/AAAA    date d'observation (défaut : aujourd'hui)\n"
     "  --heure HH:MM[:SS]   heure d'observation (défaut : maintenant)\n",
     rapport_comete},
    {"precession",
     "Précession des équinoxes : coordonnées d'une étoile d'un équinoxe à une date, mouvement propre compris",
     "  --ad HH:MM:SS.s      ascension droite à l'équinoxe de référence (défaut : 0:00:00)\n"
     "  --dec ±DD:MM:SS.s    déclinaison à l'équinoxe de référence, le signe portant sur tout l'angle (défaut : "
     "0:00:00)\n"
     "  --mpa S              mouvement propre en ascension droite, secondes de temps par an (défaut : 0)\n"
     "  --mpd S              mouvement propre en déclinaison, secondes d'arc par an (défaut : 0)\n"
     "  --equinoxe JJ/MM/AAAA        équinoxe de référence (défaut : 01/01/2000)\n"
     "  --heure-equinoxe HH:MM[:SS]  son heure (défaut : 12:00:00, soit J2000.0)\n"
     "  --date JJ/MM/AAAA    date voulue (défaut : aujourd'hui)\n"
     "  --heure HH:MM[:SS]   heure de la date voulue (défaut : 00:00:00)\n",
     rapport_precession},
    {"planetarium-helio",
     "Planétarium héliocentrique : longitude, distance au Soleil et place sur l'image de chaque planète",
     "  --date JJ/MM/AAAA    date (défaut : aujourd'hui)\n"
     "  --heure HH:MM[:SS]   heure (défaut : maintenant)\n"
     "  --planetes LISTE     planètes dessinées, séparées par une virgule (défaut : toutes)\n"
     "  --image FICHIER      enregistre aussi l'image (BMP, ou PNG si le nom finit par .png)\n",
     rapport_planetarium_helio},
    {"planetarium-geo",
     "Planétarium géocentrique : ascension droite, déclinaison et place sur la carte du Soleil, de la Lune et des "
     "planètes",
     "  --date JJ/MM/AAAA    date (défaut : aujourd'hui)\n"
     "  --heure HH:MM[:SS]   heure (défaut : maintenant)\n"
     "  --planetes LISTE     astres dessinés : Mercure ... Pluton, Lune, Soleil, séparés par une virgule (défaut : "
     "tous)\n"
     "  --image FICHIER      enregistre aussi l'image (BMP, ou PNG si le nom finit par .png)\n",
     rapport_planetarium_geo},
    // --- end of reports ---
};
}  // namespace

std::span<const rapport> rapports() {
  return table_rapports;
}

}  // namespace almanax::cli
