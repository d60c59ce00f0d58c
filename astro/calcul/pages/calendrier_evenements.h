// The events of the search pages as calendar events (icalendrier.h): what each is
// called in a calendar, its stable identity, its span and the page's text for it. The
// pages' "Exporter…" buttons and the reports' --format ics share these.
#pragma once

#include <vector>

#include "calcul/icalendrier.h"
#include "calcul/pages/dates.h"
#include "calcul/pages/eclipses.h"
#include "calcul/pages/perigee_apogee.h"
#include "calcul/pages/perihelie.h"
#include "calcul/pages/phases.h"
#include "calcul/pages/phenomene.h"

namespace almanax {

// The phases of the months listed, in the lists' order.
std::vector<evenement_calendrier> calendrier_phases(const std::vector<const phase_trouvee*>& phases);
std::vector<evenement_calendrier> calendrier_perigees(const std::vector<passage_trouve>& passages);
// A lunar eclipse spans its penumbral contacts; a solar one is its greatest eclipse, the
// one instant the search computes.
std::vector<evenement_calendrier> calendrier_eclipses(const std::vector<eclipse_trouvee>& eclipses);
std::vector<evenement_calendrier> calendrier_phenomenes(const std::vector<phenomene_trouve>& phenomenes);
std::vector<evenement_calendrier> calendrier_perihelies(const std::vector<passage_perihelie>& passages);
// The equinoxes and solstices of the page's year, and Easter as an all-day event.
std::vector<evenement_calendrier> calendrier_dates(const resultat_dates& r);

// "Périhélie de la Terre", "Opposition d'Uranus": an event of a planet, elided before a vowel.
std::string evenement_de(std::string_view evenement, std::string_view planete);

}  // namespace almanax
