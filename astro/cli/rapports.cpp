// The table of command-line reports, one entry per page.
#include "cli/cli.h"

namespace almanax::cli {

// --- report functions (one line each) ---
resultat rapport_dates(arguments& a);
resultat rapport_ephemerides(arguments& a);
resultat rapport_soleil_lune(arguments& a);
resultat rapport_ce_soir(arguments& a);
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

// --- options several reports share (declared once) ---
constexpr option_rapport date{"date", "JJ/MM/AAAA", "date", "aujourd'hui", lecteur::date};
constexpr option_rapport heure{"heure", "HH:MM[:SS]", "heure", "maintenant", lecteur::heure};
constexpr option_rapport site{"site", "NOM", "lieu d'observation pris dans villes.dat", "le lieu par défaut",
                              lecteur::site};
constexpr option_rapport lat{"lat", "DEG", "ou bien latitude en degrés, nord positive (avec --lon)", "", lecteur::site};
constexpr option_rapport lon{"lon", "DEG", "et longitude en degrés, ouest positive (avec --lat)", "", lecteur::site};
constexpr option_rapport debut{"debut", "AAAA", "première année, astronomique, de -4713 à 9998", "l'année courante",
                               lecteur::entier};
constexpr option_rapport fin{"fin", "AAAA", "dernière année, de -4712 à 9999, après la première", "la première + 1",
                             lecteur::entier};
constexpr option_rapport planetes{"planetes", "LISTE", "planètes, séparées par une virgule", "toutes", lecteur::liste};
constexpr option_rapport format{"format", "texte|ics",
                                "texte : le rapport de la page ; ics : les événements en calendrier iCalendar (RFC "
                                "5545, années 1583 à 9999), pour un agenda",
                                "texte", lecteur::liste};
constexpr option_rapport image{"image", "FICHIER", "enregistre aussi l'image (BMP, ou PNG si le nom finit par .png)",
                               "", lecteur::texte};
// --- end of shared options ---

// --- options of each report ---
constexpr option_rapport options_dates[] = {
    {"date1", "JJ/MM/AAAA", "première date", "aujourd'hui", lecteur::date},
    {"heure1", "HH:MM[:SS]", "heure de la première date", "maintenant", lecteur::heure},
    {"date2", "JJ/MM/AAAA", "seconde date", "le lendemain de la première", lecteur::date},
    {"heure2", "HH:MM[:SS]", "heure de la seconde date", "celle de la première", lecteur::heure},
    {"annee", "AAAA", "année des équinoxes, solstices et de Pâques, historique, de -1000 à 3000",
     "l'année de la première date", lecteur::entier},
    format,
};
constexpr option_rapport options_ephemerides[] = {
    {"planete", "NOM", "Mercure, Vénus, Terre, Mars, Jupiter, Saturne, Uranus, Neptune ou Pluton", "Vénus",
     lecteur::liste},
    date,
    heure,
    site,
    lat,
    lon,
};
constexpr option_rapport options_soleil_lune[] = {date, heure, site, lat, lon};
constexpr option_rapport options_ce_soir[] = {
    {"date", "JJ/MM/AAAA", "date du soir (la nuit va de midi à midi le lendemain)", "aujourd'hui", lecteur::date},
    {"heure", "HH:MM[:SS]", "heure de la table des hauteurs et azimuts", "22:00", lecteur::heure},
    site,
    lat,
    lon,
    image,
};
constexpr option_rapport options_phases[] = {
    {"mois", "MM", "premier des six mois, de 1 à 12", "le mois courant", lecteur::entier},
    {"annee", "AAAA", "année du premier mois, astronomique, de -4713 à 9999", "l'année courante", lecteur::entier},
    format,
};
constexpr option_rapport options_perigees[] = {
    debut,
    fin,
    {"types", "LISTE", "périgée, apogée ou les deux séparés par une virgule", "les deux", lecteur::liste},
    format,
};
constexpr option_rapport options_eclipses[] = {
    debut,
    fin,
    {"type", "TYPE", "solaire ou lunaire", "lunaire", lecteur::liste},
    format,
};
constexpr option_rapport options_phenomenes[] = {
    debut,
    fin,
    planetes.decrite("Mercure, Vénus, Mars, Jupiter, Saturne, Uranus, Neptune, séparées par une virgule", "toutes"),
    format,
};
constexpr option_rapport options_perihelies[] = {
    debut,
    fin,
    planetes.decrite("Mercure, Vénus, Terre, Mars, Jupiter, Saturne, Uranus, Neptune, séparées par une virgule",
                     "toutes"),
    format,
};
constexpr option_rapport options_equation_temps[] = {
    date,
    image.decrite("enregistre aussi la courbe de l'année (BMP, ou PNG si le nom finit par .png)", ""),
};
constexpr option_rapport options_satellites[] = {
    {"mois", "MM", "mois du graphique, de 1 à 12 : chaque jour du graphique à 0 h", "le mois courant", lecteur::entier},
    {"annee", "AAAA", "année du graphique, de -4713 à 9999, sans année 0", "l'année courante", lecteur::entier},
    date.decrite("ou bien un seul instant : sa date", ""),
    heure.decrite("et son heure", "0 h"),
    image.decrite("enregistre aussi le graphique du mois (BMP, ou PNG si le nom finit par .png)", ""),
};
constexpr option_rapport options_comete[] = {
    {"comete", "NOM", "comète du catalogue cometes.dat", "la comète par défaut", lecteur::texte},
    {"T", "JJ/MM/AAAA.ffff",
     "ou bien ses éléments, les six ensemble : passage au périhélie (ou JJ,ffff/MM/AAAA, année astronomique)", "",
     lecteur::texte},
    {"q", "UA", "distance au périhélie", "", lecteur::texte},
    {"e", "E", "excentricité (e > 0 : ellipse sous 1, parabole à 1, hyperbole au-delà)", "", lecteur::texte},
    {"i", "DEG", "inclinaison", "", lecteur::texte},
    {"w", "DEG", "argument du périhélie", "", lecteur::texte},
    {"W", "DEG", "longitude du noeud ascendant (écliptique et équinoxe J2000.0)", "", lecteur::texte},
    {"nom", "NOM", "nom affiché avec ces éléments", "COMÈTE", lecteur::texte},
    date.decrite("date d'observation", "aujourd'hui"),
    heure.decrite("heure d'observation", "maintenant"),
};
constexpr option_rapport options_precession[] = {
    {"ad", "HH:MM:SS.s", "ascension droite à l'équinoxe de référence", "0:00:00", lecteur::texte},
    {"dec", "±DD:MM:SS.s", "déclinaison à l'équinoxe de référence, le signe portant sur tout l'angle", "0:00:00",
     lecteur::texte},
    {"mpa", "S", "mouvement propre en ascension droite, secondes de temps par an", "0", lecteur::reel},
    {"mpd", "S", "mouvement propre en déclinaison, secondes d'arc par an", "0", lecteur::reel},
    {"equinoxe", "JJ/MM/AAAA", "équinoxe de référence", "01/01/2000", lecteur::date},
    {"heure-equinoxe", "HH:MM[:SS]", "son heure", "12:00:00, soit J2000.0", lecteur::heure},
    date.decrite("date voulue", "aujourd'hui"),
    heure.decrite("heure de la date voulue", "00:00:00"),
};
constexpr option_rapport options_planetarium_helio[] = {
    date,
    heure,
    planetes.decrite("planètes dessinées, séparées par une virgule", "toutes"),
    image,
};
constexpr option_rapport options_planetarium_geo[] = {
    date,
    heure,
    planetes.decrite("astres dessinés : Mercure ... Pluton, Lune, Soleil, séparés par une virgule", "tous"),
    image,
};
// --- end of options of each report ---

const rapport table_rapports[] = {
    // --- reports (one entry each) ---
    {"dates", "Dates : jour de la semaine, intervalle, équinoxes et solstices, Pâques", options_dates, rapport_dates},
    {"ephemerides", "Éphémérides d'une planète : éléments orbitaux, position, distances, magnitude, lever et coucher",
     options_ephemerides, rapport_ephemerides},
    {"soleil-lune", "Soleil, Lune : positions, distances, phase de la Lune, lever, passage au méridien et coucher",
     options_soleil_lune, rapport_soleil_lune},
    {"ce-soir",
     "Ce soir : coucher et lever du Soleil, crépuscules, la Lune et les planètes dans la nuit, hauteurs et azimuts ; "
     "avec --image, le graphique des hauteurs",
     options_ce_soir, rapport_ce_soir},
    {"phases", "Phases de la Lune : nouvelles lunes, quartiers et pleines lunes de six mois", options_phases,
     rapport_phases},
    {"perigees", "Périgées et apogées de la Lune : dates, heures, parallaxes et distances sur des années",
     options_perigees, rapport_perigees},
    {"eclipses", "Eclipses de Soleil ou de Lune sur des années : date, heure du maximum, type, contacts",
     options_eclipses, rapport_eclipses},
    {"phenomenes", "Phénomènes planétaires : conjonctions et oppositions des planètes sur des années",
     options_phenomenes, rapport_phenomenes},
    {"perihelies", "Périhélies et aphélies des planètes sur des années, avec leur distance au Soleil",
     options_perihelies, rapport_perihelies},
    {"equation-temps", "Équation du temps d'un jour ; avec --image, sa courbe sur l'année", options_equation_temps,
     rapport_equation_temps},
    {"satellites", "Satellites joviens : écart d'Io, Europe, Ganymède et Callisto à Jupiter, en rayons de Jupiter",
     options_satellites, rapport_satellites},
    {"comete", "Comète : ascension droite, déclinaison, distance et élongation d'une comète à une date", options_comete,
     rapport_comete},
    {"precession",
     "Précession des équinoxes : coordonnées d'une étoile d'un équinoxe à une date, mouvement propre compris",
     options_precession, rapport_precession},
    {"planetarium-helio",
     "Planétarium héliocentrique : longitude, distance au Soleil et place sur l'image de chaque planète",
     options_planetarium_helio, rapport_planetarium_helio},
    {"planetarium-geo",
     "Planétarium géocentrique : ascension droite, déclinaison et place sur la carte du Soleil, de la Lune et des "
     "planètes",
     options_planetarium_geo, rapport_planetarium_geo},
    // --- end of reports ---
};
}  // namespace

std::span<const rapport> rapports() {
  return table_rapports;
}

}  // namespace almanax::cli
