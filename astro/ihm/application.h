// The two ways the program runs with its window: opened on the screen, or offscreen
// to save a picture of every page (--capture).
#pragma once

#include <QString>
#include <iosfwd>

class QTranslator;

namespace almanax::ihm {

// Loads the toolkit's French translations (qtbase_fr.qm from the toolkit's translations
// folder) into the running application, so its standard dialogs, buttons and context
// menus speak French whatever the system's language. The translator installed (owned
// by the application), or nothing when the file is not there: the texts stay English.
QTranslator* installer_traductions_boite_a_outils();

// Opens the main window and runs until it is closed; the process's exit status. With
// no display to open it on, a French message on `erreur` and status 2.
int executer_fenetre(int& argc, char** argv, std::ostream& erreur);

// Starts the window offscreen as on a first start (the settings store is neither read
// nor written, no file is created), computes every page as at start-up and saves one
// PNG per page into `dossier` (created when missing), named after the page
// ("01-ephemerides.png" ... "16-options.png"). 0 on success; 2 with a French message
// on `erreur` when the folder cannot be used.
int executer_capture(int& argc, char** argv, const QString& dossier, std::ostream& erreur);

}  // namespace almanax::ihm
