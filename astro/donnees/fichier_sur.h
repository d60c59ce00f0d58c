// Safe reading and writing of the user's data files (sites, comets, pictures).
//
// Writing: the new content goes to a file beside the target, written unbuffered
// with every return checked and its size verified, then renamed over the target.
// On any failure the old file is left exactly as it was and the caller gets a
// French message that names the file and says what failed. A buffered write can
// report success after a failed flush on a full disk; unbuffered, the short write
// shows, and the size check catches whatever the toolkit does.
//
// Reading: only regular files, up to a size limit, so a FIFO or a device under the
// file's name never blocks the program and a huge file never stalls it.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace almanax {

// Writes `contenu` to `chemin` atomically. Empty on success, else a French message.
std::string ecrire_fichier_sur(const QString& chemin, const QByteArray& contenu);

// Default size limit of a data file: far above any real catalogue.
inline constexpr qint64 taille_max_fichier = 16 * 1024 * 1024;

struct lecture_fichier {
  bool absent = false;   // no file by that name
  QByteArray octets;     // the content, when erreur is empty and absent is false
  std::string erreur;    // French message: not a regular file, too large, unreadable
};

// Reads a regular file of at most `taille_max` bytes, without ever blocking on a
// FIFO or a device.
lecture_fichier lire_fichier_sur(const QString& chemin, qint64 taille_max = taille_max_fichier);

}  // namespace almanax
