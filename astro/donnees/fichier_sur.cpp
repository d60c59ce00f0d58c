#include "donnees/fichier_sur.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace almanax {

namespace {

std::string nom_affiche(const QString& chemin) {
  return "« " + QDir::toNativeSeparators(chemin).toStdString() + " »";
}

// The cause of a system error in French; the system's own (English) text only as a
// detail for the rare ones.
std::string cause_systeme(int e) {
  switch (e) {
    case ENOSPC:
      return "le disque est plein";
    case EDQUOT:
      return "le quota d'espace disque est atteint";
    case EFBIG:
      return "le fichier dépasse la taille permise";
    case EACCES:
    case EPERM:
      return "l'accès est refusé";
    case EROFS:
      return "le système de fichiers est en lecture seule";
    case ENOENT:
      return "le dossier n'existe pas";
    case ENOTDIR:
      return "un élément du chemin n'est pas un dossier";
    case EISDIR:
      return "c'est un dossier";
    case ENAMETOOLONG:
      return "le chemin est trop long";
    case ELOOP:
      return "le chemin contient trop de liens symboliques";
    case EMFILE:
    case ENFILE:
      return "trop de fichiers sont ouverts";
    case EBUSY:
    case ETXTBSY:
      return "le fichier est occupé";
    case EIO:
      return "erreur d'entrée-sortie du disque";
    case 0:
      return "cause inconnue";
    default:
      return "erreur système " + std::to_string(e) + " (détail : " + std::strerror(e) + ")";
  }
}

std::string echec_ecriture(const std::string& nom, bool ancien, int e) {
  return "Le fichier " + nom + (ancien ? " n'a pas été écrit, l'ancien est intact : " : " n'a pas été écrit : ") +
         cause_systeme(e) + ".";
}

// Makes the rename itself durable; a failure here changes nothing to the outcome.
void synchroniser_dossier(const QString& dossier) {
  const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

qint64 ns_depuis_epoque(const struct stat& st) {
  return static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// The random part of the toolkit's temporary names: six ASCII letters. A name of one
// case only ("backup", "ANCIEN") is more likely the user's own copy, and is left alone.
bool est_temporaire(const QString& suffixe) {
  if (suffixe.size() != 6) return false;
  bool majuscule = false, minuscule = false;
  for (const QChar c : suffixe) {
    if (c >= u'A' && c <= u'Z')
      majuscule = true;
    else if (c >= u'a' && c <= u'z')
      minuscule = true;
    else
      return false;
  }
  return majuscule && minuscule;
}

}  // namespace

std::string ecrire_fichier_sur(const QString& chemin, const QByteArray& contenu) {
  const std::string nom = nom_affiche(chemin);
  const QFileInfo info(chemin);
  const bool ancien = info.exists();
  if (ancien && !info.isFile()) return "Le fichier " + nom + " n'a pas été écrit : ce n'est pas un fichier ordinaire.";
  const QFileInfo dossier(info.absolutePath());
  if (!dossier.exists())
    return "Le fichier " + nom + " n'a pas été écrit : le dossier " + nom_affiche(info.absolutePath()) +
           " n'existe pas.";
  if (!dossier.isDir())
    return "Le fichier " + nom + " n'a pas été écrit : " + nom_affiche(info.absolutePath()) + " n'est pas un dossier.";

  // The toolkit refuses to replace a file the user may not write, without a system error.
  if (ancien && !info.isWritable())
    return "Le fichier " + nom + " n'a pas été écrit : il n'est pas modifiable (lecture seule ou droits insuffisants).";

  QSaveFile f(chemin);
  errno = 0;
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    const int e = errno == 0 ? EACCES : errno;
    return "Le fichier " + nom + " n'a pas été écrit : impossible de créer un fichier dans son dossier (" +
           cause_systeme(e) + ").";
  }
  qint64 ecrit = 0;
  while (ecrit < contenu.size()) {
    errno = 0;
    const qint64 n = f.write(contenu.constData() + ecrit, contenu.size() - ecrit);
    if (n <= 0) {
      const int e = errno == 0 ? ENOSPC : errno;
      f.cancelWriting();
      return echec_ecriture(nom, ancien, e);
    }
    ecrit += n;
  }
  // Before the rename, the bytes must be on the disk and all there: a file system that
  // allocates late reports a full disk only here.
  const int fd = f.handle();
  struct stat st {};
  if (fd < 0 || ::fsync(fd) != 0) {
    const int e = fd < 0 ? EIO : errno;
    f.cancelWriting();
    return echec_ecriture(nom, ancien, e);
  }
  if (::fstat(fd, &st) != 0 || st.st_size != contenu.size()) {
    f.cancelWriting();
    return echec_ecriture(nom, ancien, ENOSPC);
  }
  errno = 0;
  if (!f.commit()) return echec_ecriture(nom, ancien, errno == 0 ? EIO : errno);
  synchroniser_dossier(info.absolutePath());
  // The file in place must be the one written (a toolkit that reported success after
  // a failed write would be caught here; the message then says the truth).
  if (QFileInfo(chemin).size() != contenu.size())
    return "Le fichier " + nom + " est incomplet après l'écriture : " + cause_systeme(ENOSPC) + ".";
  return {};
}

lecture_fichier lire_fichier_sur(const QString& chemin, qint64 taille_max) {
  lecture_fichier r;
  const std::string nom = nom_affiche(chemin);
  const QByteArray local = QFile::encodeName(chemin);
  struct stat st {};
  if (::stat(local.constData(), &st) != 0) {
    if (errno == ENOENT) {
      r.absent = true;
    } else {
      r.erreur = "Le fichier " + nom + " ne peut pas être lu : " + cause_systeme(errno) + ".";
    }
    return r;
  }
  if (!S_ISREG(st.st_mode)) {
    r.erreur = "Le fichier " + nom + " n'est pas lu : ce n'est pas un fichier ordinaire.";
    return r;
  }
  if (st.st_size > taille_max) {
    r.erreur = "Le fichier " + nom + " n'est pas lu : sa taille (" + std::to_string(st.st_size) +
               " octets) dépasse la limite de " + std::to_string(taille_max) + " octets.";
    return r;
  }
  // O_NONBLOCK: should the name have become a FIFO since the check, opening it
  // does not wait for a writer.
  const int fd = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    r.erreur = "Le fichier " + nom + " ne peut pas être lu : " + cause_systeme(errno) + ".";
    return r;
  }
  struct stat st2 {};
  if (::fstat(fd, &st2) != 0 || !S_ISREG(st2.st_mode)) {
    ::close(fd);
    r.erreur = "Le fichier " + nom + " n'est pas lu : ce n'est pas un fichier ordinaire.";
    return r;
  }
  QByteArray octets;
  char tampon[65536];
  for (;;) {
    const ssize_t n = ::read(fd, tampon, sizeof tampon);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      r.erreur = "Le fichier " + nom + " ne peut pas être lu : " + cause_systeme(e) + ".";
      return r;
    }
    if (n == 0) break;
    if (octets.size() + n > taille_max) {
      ::close(fd);
      r.erreur =
          "Le fichier " + nom + " n'est pas lu : il dépasse la limite de " + std::to_string(taille_max) + " octets.";
      return r;
    }
    octets.append(tampon, n);
  }
  ::close(fd);
  r.octets = std::move(octets);
  r.modification_ns = ns_depuis_epoque(st2);
  return r;
}

empreinte_fichier empreinte_de(const lecture_fichier& lu) {
  empreinte_fichier e;
  if (lu.absent || !lu.erreur.empty()) return e;
  e.absent = false;
  e.taille = lu.octets.size();
  e.modification_ns = lu.modification_ns;
  e.hachage = QCryptographicHash::hash(lu.octets, QCryptographicHash::Sha256);
  return e;
}

empreinte_fichier empreinte_apres_ecriture(const QString& chemin, const QByteArray& contenu) {
  empreinte_fichier e;
  struct stat st {};
  if (::stat(QFile::encodeName(chemin).constData(), &st) != 0) return e;
  e.absent = false;
  e.taille = contenu.size();
  e.modification_ns = ns_depuis_epoque(st);
  e.hachage = QCryptographicHash::hash(contenu, QCryptographicHash::Sha256);
  return e;
}

verrou_dossier::verrou_dossier(const QString& dossier) {
  fd_ = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    ::close(fd_);
    fd_ = -1;
    return;
  }
}

verrou_dossier::~verrou_dossier() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::vector<QString> supprimer_temporaires_abandonnes(const QString& chemin, std::chrono::seconds age) {
  std::vector<QString> r;
  const QFileInfo cible(chemin);
  const QDir dossier = cible.absoluteDir();
  const QString prefixe = cible.fileName() + u'.';
  const auto maintenant = std::chrono::system_clock::now();
  for (const QString& nom :
       dossier.entryList({prefixe + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System)) {
    if (!est_temporaire(nom.mid(prefixe.size()))) continue;
    const QString c = dossier.filePath(nom);
    struct stat st {};
    // lstat: a link of that name is not a temporary the toolkit made.
    if (::lstat(QFile::encodeName(c).constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::getuid())
      continue;
    const auto modifie =
        std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::nanoseconds(ns_depuis_epoque(st))));
    if (maintenant - modifie < age) continue;
    if (QFile::remove(c)) r.push_back(nom);
  }
  return r;
}

}  // namespace almanax
