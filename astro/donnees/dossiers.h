// Where the program's data files live. A file in the working directory is used there,
// as always (existing set-ups and scripts keep working); otherwise the file lives in
// the user's data folder, ~/.local/share/Quillory/Almanax (XDG_DATA_HOME honoured;
// the environment variable ALMANAX_DONNEES, when set, names the folder instead).
#pragma once

#include <QString>

namespace almanax {

// The user's data folder of the program (not created here).
QString dossier_donnees_utilisateur();

// The folder of the data file `nom` ("villes.dat"): `travail` when the file is there
// (whatever it is: a file that cannot be read is reported as before), else the user's
// data folder.
QString dossier_du_fichier(const char* nom, const QString& travail);

}  // namespace almanax
