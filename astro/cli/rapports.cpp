// The table of command-line reports, one entry per page.
#include "cli/cli.h"

namespace almanax::cli {

// --- report functions (one line each) ---
resultat rapport_dates(arguments& a);
// --- end of report functions ---

namespace {
const rapport table_rapports[] = {
    // --- reports (one entry each) ---
    {"dates", "Dates : jour de la semaine, intervalle, équinoxes et solstices, Pâques",
     "  --date1 JJ/MM/AAAA   première date (défaut : aujourd'hui)\n"
     "  --heure1 HH:MM[:SS]  heure de la première date (défaut : maintenant)\n"
     "  --date2 JJ/MM/AAAA   seconde date (défaut : le lendemain de la première)\n"
     "  --heure2 HH:MM[:SS]  heure de la seconde date (défaut : celle de la première)\n"
     "  --annee AAAA         année des équinoxes, solstices et de Pâques (défaut : l'année de la première date)\n",
     rapport_dates},
    // --- end of reports ---
};
}  // namespace

std::span<const rapport> rapports() { return table_rapports; }

}  // namespace almanax::cli
