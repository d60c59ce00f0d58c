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
#include <chrono>
#include <string>
#include <vector>

namespace almanax {

// Writes `contenu` to `chemin` atomically. Empty on success, else a French message.
std::string ecrire_fichier_sur(const QString& chemin, const QByteArray& contenu);

// Default size limit of a data file: far above any real catalogue.
inline constexpr qint64 taille_max_fichier = 16 * 1024 * 1024;

struct lecture_fichier {
  bool absent = false;         // no file by that name
  QByteArray octets;           // the content, when erreur is empty and absent is false
  std::string erreur;          // French message: not a regular file, too large, unreadable
  qint64 modification_ns = 0;  // the file's modification time (ns since the epoch), when read
};

// Reads a regular file of at most `taille_max` bytes, without ever blocking on a
// FIFO or a device.
lecture_fichier lire_fichier_sur(const QString& chemin, qint64 taille_max = taille_max_fichier);

// What a data file was when the program last read or wrote it: size, modification time
// and a hash of the content. Another program or window that changed the file since
// then changes at least one of them.
struct empreinte_fichier {
  bool absent = true;
  qint64 taille = 0;
  qint64 modification_ns = 0;
  QByteArray hachage;
  bool operator==(const empreinte_fichier&) const = default;
};

// The fingerprint of a file as read (absent stays absent; a read error gives none).
empreinte_fichier empreinte_de(const lecture_fichier& lu);
// The fingerprint of `chemin` just written with `contenu`: the hash is that of what was
// written, so a change made by someone else right after still shows at the next look.
empreinte_fichier empreinte_apres_ecriture(const QString& chemin, const QByteArray& contenu);

// An advisory lock on a data file's folder for the time of a read, merge and rewrite, so
// that two running copies of the program never interleave theirs. Without lock support
// (some network file systems) it does nothing: the fingerprint check still holds.
class verrou_dossier {
 public:
  explicit verrou_dossier(const QString& dossier);
  ~verrou_dossier();
  verrou_dossier(const verrou_dossier&) = delete;
  verrou_dossier& operator=(const verrou_dossier&) = delete;

 private:
  int fd_ = -1;
};

// Removes the temporaries that an interrupted atomic rewrite of `chemin` left beside it:
// "<name>.XXXXXX", six random letters of both cases as the toolkit makes them, regular
// files of ours not changed for at least `age` (a rewrite under way by another running
// copy takes milliseconds). Nothing else is ever touched. The names removed.
std::vector<QString> supprimer_temporaires_abandonnes(const QString& chemin,
                                                      std::chrono::seconds age = std::chrono::minutes(1));

}  // namespace almanax
