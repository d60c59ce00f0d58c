#include "donnees/villes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "calcul/formats.h"
#include "calcul/numerique.h"
#include "donnees/fichier_sur.h"

// The bundled files live in a static library: their registration must be pulled in
// by a reference, made outside any namespace.
static void enregistrer_ressources() {
  Q_INIT_RESOURCE(ressources);
}

namespace almanax {

namespace {

char majuscule_ascii(unsigned char c) {
  return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

bool est_blanc(char c) {
  return c == ' ' || c == '\t';
}

// The Windows code page 1252 from 0x80 to 0x9F; the other bytes are Latin-1. Unused
// positions keep their own code, as the system does.
constexpr char16_t cp1252_80_9f[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString depuis_cp1252(std::string_view octets) {
  QString r;
  r.reserve(static_cast<qsizetype>(octets.size()));
  for (const char c : octets) {
    const auto b = static_cast<unsigned char>(c);
    r += QChar(b >= 0x80 && b <= 0x9F ? cp1252_80_9f[b - 0x80] : static_cast<char16_t>(b));
  }
  return r;
}

std::string_view sans_blancs_finaux(std::string_view s) {
  while (!s.empty() && (est_blanc(s.back()) || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

std::string_view sans_blancs_initiaux(std::string_view s) {
  while (!s.empty() && est_blanc(s.front())) s.remove_prefix(1);
  return s;
}

// Next field up to a space or a tab; s moves past it and the blanks after it.
std::string_view champ_suivant(std::string_view& s) {
  std::size_t fin = 0;
  while (fin < s.size() && !est_blanc(s[fin])) ++fin;
  const std::string_view champ = s.substr(0, fin);
  s = sans_blancs_initiaux(s.substr(fin));
  return champ;
}

// Number of characters of a UTF-8 text.
std::size_t nombre_caracteres(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string message_ligne(std::size_t numero, const std::string& raison) {
  return "Ligne " + std::to_string(numero) + " de " + nom_fichier_villes + " ignorée : " + raison + ".";
}

// One line: either a site, or the reason it cannot be one.
std::optional<ville> lire_ligne(std::string_view ligne, std::string& raison) {
  std::string_view reste = sans_blancs_initiaux(sans_blancs_finaux(ligne));
  const std::string_view t_lat = champ_suivant(reste);
  const std::string_view t_lon = champ_suivant(reste);
  const std::string_view nom = reste;
  const auto lat = lire_nombre(t_lat);
  if (!lat) {
    raison = "latitude illisible " + guillemets(t_lat);
    return std::nullopt;
  }
  if (t_lon.empty()) {
    raison = "longitude absente";
    return std::nullopt;
  }
  const auto lon = lire_nombre(t_lon);
  if (!lon) {
    raison = "longitude illisible " + guillemets(t_lon);
    return std::nullopt;
  }
  if (std::fabs(*lat) > 90) {
    raison = "latitude hors de -90 à 90 " + guillemets(t_lat);
    return std::nullopt;
  }
  if (std::fabs(*lon) > 180) {
    raison = "longitude hors de -180 à 180 " + guillemets(t_lon);
    return std::nullopt;
  }
  if (nom.empty()) {
    raison = "nom du site absent";
    return std::nullopt;
  }
  if (const std::size_t n = nombre_caracteres(nom); n > longueur_max_nom) {
    raison = "nom trop long (" + std::to_string(n) + " caractères, " + std::to_string(longueur_max_nom) + " au plus)";
    return std::nullopt;
  }
  ville v;
  v.nom = std::string(nom);
  v.coordonnees = std::string(t_lat) + " " + std::string(t_lon) + " ";
  v.latitude = *lat;
  v.longitude = *lon;
  return v;
}

// A name as stored: blanks trimmed, line breaks and other control characters made spaces.
std::string nettoyer_nom(std::string nom) {
  for (char& c : nom)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  const std::string_view s = sans_blancs_initiaux(sans_blancs_finaux(nom));
  return std::string(s);
}

bool coordonnees_valides(long double latitude, long double longitude) {
  return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90 &&
         std::fabs(longitude) <= 180;
}

operation_villes refus(std::string titre, std::string message) {
  operation_villes r;
  r.titre = std::move(titre);
  r.message = std::move(message);
  return r;
}

constexpr std::string_view marque_bom = "\xEF\xBB\xBF";

}  // namespace

int comparer_noms(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(majuscule_ascii(static_cast<unsigned char>(a[i])));
    const auto y = static_cast<unsigned char>(majuscule_ascii(static_cast<unsigned char>(b[i])));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::optional<long double> lire_nombre(std::string_view texte) {
  std::string s(texte);
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  int chiffres = 0, separateurs = 0;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] >= '0' && s[k] <= '9') {
      ++chiffres;
    } else if (s[k] == '.' || s[k] == ',') {
      s[k] = '.';
      ++separateurs;
    } else {
      return std::nullopt;
    }
  }
  if (chiffres == 0 || separateurs > 1) return std::nullopt;
  const bool negatif = i > 0 && s[0] == '-';
  // Up to 19 digits and 27 decimals (every coordinate a file holds): the digits as a
  // whole number and the power of ten are both exact in long double, so one division
  // gives the correctly rounded value, as from_chars does, some ten times faster.
  if (chiffres <= 19) {
    unsigned long long entier = 0;
    int decimales = 0;
    bool apres_separateur = false;
    for (std::size_t k = i; k < s.size(); ++k) {
      if (s[k] == '.') {
        apres_separateur = true;
        continue;
      }
      entier = entier * 10 + static_cast<unsigned>(s[k] - '0');
      if (apres_separateur) ++decimales;
    }
    if (decimales <= 27) {
      long double puissance = 1;
      for (int k = 0; k < decimales; ++k) puissance *= 10;
      const long double v = static_cast<long double>(entier) / puissance;
      return negatif ? -v : v;
    }
  }
  long double v = 0;
  const char* debut = s.data() + i;
  const char* fin = s.data() + s.size();
  const auto [p, ec] = std::from_chars(debut, fin, v, std::chars_format::fixed);
  if (ec != std::errc() || p != fin) return std::nullopt;
  return negatif ? -v : v;
}

long double valeur_dms(int degres, int minutes, int secondes, int signe) {
  const long double v = std::abs(degres) + std::abs(minutes) / 60.0L + std::abs(secondes) / 3600.0L;
  // A whole number of seconds is never closer than 1/36 of a hundredth below the next
  // hundredth, so the small margin only absorbs the binary error of exact values
  // (2° 21' 00" is 2.35, not 2.34).
  const long double centiemes = int_r(v * 100.0L + 1e-6L);
  return (signe < 0 ? -1 : 1) * centiemes / 100.0L;
}

std::string texte_coordonnees(long double latitude, long double longitude, std::string_view separateur) {
  return format_float("#0.0# ", latitude, separateur) + format_float("#0.0# ", longitude, separateur);
}

bool utf8_valide(std::string_view octets) {
  std::size_t i = 0;
  const std::size_t n = octets.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(octets[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t suite = 0;
    unsigned char min2 = 0x80, max2 = 0xBF;  // the bounds of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      suite = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
      suite = 2;
      if (b == 0xE0) min2 = 0xA0;  // overlong
      if (b == 0xED) max2 = 0x9F;  // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      suite = 3;
      if (b == 0xF0) min2 = 0x90;  // overlong
      if (b == 0xF4) max2 = 0x8F;  // beyond U+10FFFF
    } else {
      return false;
    }
    if (n - i <= suite) return false;
    for (std::size_t k = 1; k <= suite; ++k) {
      const auto c = static_cast<unsigned char>(octets[i + k]);
      if (k == 1 ? (c < min2 || c > max2) : (c < 0x80 || c > 0xBF)) return false;
    }
    i += suite + 1;
  }
  return true;
}

QString decoder_ligne(std::string_view octets) {
  if (utf8_valide(octets)) return QString::fromUtf8(octets.data(), static_cast<qsizetype>(octets.size()));
  return depuis_cp1252(octets);
}

std::vector<ligne_brute> decouper_lignes(std::string_view contenu) {
  std::vector<ligne_brute> r;
  std::size_t numero = 1;
  std::size_t i = 0;
  while (i < contenu.size()) {
    std::size_t fin = i;
    while (fin < contenu.size() && contenu[fin] != '\n' && contenu[fin] != '\r') ++fin;
    std::string_view ligne = contenu.substr(i, fin - i);
    // A byte-order mark starts a new piece of text: what follows is a line of its own.
    for (std::size_t m; (m = ligne.find(marque_bom)) != std::string_view::npos;) {
      if (m > 0) r.push_back({ligne.substr(0, m), numero});
      ligne.remove_prefix(m + marque_bom.size());
    }
    r.push_back({ligne, numero});
    if (fin < contenu.size() && contenu[fin] == '\r' && fin + 1 < contenu.size() && contenu[fin + 1] == '\n') ++fin;
    i = fin + 1;
    ++numero;
  }
  return r;
}

QString decoder_texte(const QByteArray& octets) {
  QString texte;
  for (const ligne_brute& l :
       decouper_lignes(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size()))))
    texte += decoder_ligne(l.octets) + u'\n';
  const bool fin_de_ligne = !octets.isEmpty() && (octets.back() == '\n' || octets.back() == '\r');
  if (!fin_de_ligne && !texte.isEmpty()) texte.chop(1);
  return texte;
}

lecture_villes lire_villes(const QByteArray& contenu) {
  lecture_villes r;
  const std::string_view tout(contenu.constData(), static_cast<std::size_t>(contenu.size()));
  for (const ligne_brute& l : decouper_lignes(tout)) {
    const std::string_view brute = sans_blancs_finaux(l.octets);
    if (sans_blancs_initiaux(brute).empty()) continue;
    std::string raison;
    std::optional<ville> v;
    // Counted in characters: a Windows-1252 line keeps its length when the program
    // rewrites it in UTF-8, where each accented letter takes two bytes or three.
    const std::size_t longueur = utf8_valide(brute) ? nombre_caracteres(brute) : brute.size();
    if (longueur > longueur_max_ligne) {
      // Not even decoded: a huge line only costs its copy.
      raison = "ligne trop longue (" + std::to_string(longueur) + " caractères, " + std::to_string(longueur_max_ligne) +
               " au plus)";
    } else {
      // Valid UTF-8 is read as it stands (the decoding would give the same bytes back).
      v = utf8_valide(brute) ? lire_ligne(brute, raison) : lire_ligne(decoder_ligne(brute).toStdString(), raison);
    }
    if (v) {
      r.villes.push_back(std::move(*v));
    } else {
      r.lignes_ignorees.emplace_back(brute);
      r.avertissements.push_back(message_ligne(l.numero, raison));
    }
  }
  return r;
}

QByteArray contenu_villes(const std::vector<ville>& villes, const std::vector<std::string>& lignes_ignorees) {
  std::string s;
  for (const ville& v : villes) s.append(v.coordonnees).append(v.nom).append("\r\n");
  for (const std::string& l : lignes_ignorees) s.append(l).append("\r\n");
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray villes_par_defaut() {
  static const bool ressources_pretes = (enregistrer_ressources(), true);
  (void)ressources_pretes;
  QFile f(QStringLiteral(":/villes.dat"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

std::optional<std::size_t> index_par_defaut(long long index_memorise, std::size_t taille) {
  if (taille == 0) return std::nullopt;
  if (index_memorise >= 0 && static_cast<unsigned long long>(index_memorise) < taille)
    return static_cast<std::size_t>(index_memorise);
  return 0;
}

std::string separateur_decimal_local() {
  return QLocale().decimalPoint().toStdString();
}

fichier_villes::fichier_villes(QString dossier, std::string separateur)
    : dossier_(std::move(dossier)), separateur_(std::move(separateur)) {}

QString fichier_villes::chemin() const {
  return QDir(dossier_).filePath(QString::fromLatin1(nom_fichier_villes));
}

chargement_villes fichier_villes::charger(bool creer_si_absent) {
  chargement_villes r;
  const QString c = chemin();
  protege_ = false;
  lue_ = {};
  QByteArray contenu;
  lecture_fichier lu = lire_fichier_sur(c, taille_max_villes);
  if (lu.absent) {
    contenu = villes_par_defaut();
    if (creer_si_absent) {
      const std::string e = ecrire_fichier_sur(c, contenu);
      if (e.empty()) {
        r.fichier_cree = true;
      } else {
        r.erreur = "Le fichier des sites est absent et n'a pas pu être créé. " + e +
                   " La liste fournie avec le programme est utilisée, sans être enregistrée.";
      }
    }
  } else if (!lu.erreur.empty()) {
    r.illisible = true;
    r.cause = lu.erreur;
    r.erreur = lu.erreur + " La liste fournie avec le programme est utilisée et le fichier ne sera pas modifié.";
    protege_ = true;
    contenu = villes_par_defaut();
  } else {
    lue_ = empreinte_de(lu);
    contenu = std::move(lu.octets);
  }
  if (r.fichier_cree) lue_ = empreinte_apres_ecriture(c, contenu);
  lecture_villes l = lire_villes(contenu);
  villes_ = std::move(l.villes);
  // The bundled list's own lines are all sound; only the user's file keeps its rejects.
  lignes_ignorees_ = protege_ ? std::vector<std::string>{} : std::move(l.lignes_ignorees);
  r.avertissements = std::move(l.avertissements);
  if (r.avertissements.size() > avertissements_max) {
    const std::size_t autres = r.avertissements.size() - avertissements_max;
    r.avertissements.resize(avertissements_max);
    r.avertissements.push_back("… et " + std::to_string(autres) +
                               " autres lignes ignorées, gardées telles quelles dans " + nom_fichier_villes + ".");
  }
  return r;
}

operation_villes fichier_villes::enregistrer(std::vector<ville> nouvelle, std::size_t index, const edition<ville>& e,
                                             const arbitre_conflit& arbitre) {
  if (protege_)
    return refus("Enregistrement impossible",
                 "Le fichier " + std::string(nom_fichier_villes) +
                     " n'a pas pu être lu au démarrage : il n'est pas réécrit, pour ne pas le perdre. "
                     "Corrigez-le, puis relancez le programme.");
  const QString c = chemin();
  const verrou_dossier verrou(dossier_);
  operation_villes r;
  r.index = index;
  std::vector<std::string> ignorees = lignes_ignorees_;
  lecture_fichier lu = lire_fichier_sur(c, taille_max_villes);
  if (!lu.erreur.empty()) return refus("Erreur de lecture", lu.erreur + " La liste des sites n'a pas été modifiée.");
  if (!lu.absent && empreinte_de(lu) != lue_) {
    // Changed elsewhere since read: the edit goes onto the file as it is now.
    lecture_villes l = lire_villes(lu.octets);
    const auto meme = [](const ville& a, const ville& b) { return comparer_noms(a.nom, b.nom) == 0; };
    const auto egal = [](const ville& a, const ville& b) {
      return a.nom == b.nom && a.latitude == b.latitude && a.longitude == b.longitude;
    };
    const auto place = [](const std::vector<ville>& liste, const ville& v) {
      std::size_t i = 0;
      while (i < liste.size() && comparer_noms(liste[i].nom, v.nom) <= 0) ++i;
      return i;
    };
    const auto garder = [&](conflit_edition k, const ville& leur) {
      return arbitre && arbitre(question_conflit(k, e.genre,
                                                 {"Le site " + guillemets(leur.nom), "", "Le", "coordonnées", "celles",
                                                  "saisies", std::string(nom_fichier_villes)}),
                                "Fichier des sites modifié ailleurs");
    };
    resultat_fusion<ville> f = appliquer_edition(std::move(l.villes), e, meme, egal, place, garder);
    r.relue = true;
    r.appliquee = f.appliquee;
    r.index = f.index.value_or(0);
    nouvelle = std::move(f.liste);
    ignorees = std::move(l.lignes_ignorees);
    if (!f.appliquee) {
      // The file's version stays: nothing to write.
      villes_ = std::move(nouvelle);
      lignes_ignorees_ = std::move(ignorees);
      lue_ = empreinte_de(lu);
      r.reussie = true;
      return r;
    }
  }
  const QByteArray contenu = contenu_villes(nouvelle, ignorees);
  const std::string erreur = ecrire_fichier_sur(c, contenu);
  if (!erreur.empty()) return refus("Erreur d'écriture", erreur + " La liste des sites n'a pas été modifiée.");
  villes_ = std::move(nouvelle);
  lignes_ignorees_ = std::move(ignorees);
  lue_ = empreinte_apres_ecriture(c, contenu);
  r.reussie = true;
  return r;
}

operation_villes fichier_villes::ajouter(std::string nom, long double latitude, long double longitude,
                                         const arbitre_conflit& arbitre) {
  nom = nettoyer_nom(std::move(nom));
  if (nom.empty()) return refus("Nom de site absent", "Veuillez donner un nom au site.");
  if (nombre_caracteres(nom) > longueur_max_nom)
    return refus("Nom de site trop long",
                 "Le nom du site ne doit pas dépasser " + std::to_string(longueur_max_nom) + " caractères.");
  if (!coordonnees_valides(latitude, longitude))
    return refus("Coordonnées invalides",
                 "La latitude doit être comprise entre -90° et 90° et la longitude entre "
                 "-180° et 180°.");
  // The whole list is searched for the name, not only up to the insertion point: a
  // file edited by hand may be out of order.
  for (const ville& v : villes_)
    if (comparer_noms(v.nom, nom) == 0)
      return refus("Site déjà répertorié !", "Un site de ce nom est déjà présent dans la liste. Veuillez le changer");
  std::size_t i = 0;
  while (i < villes_.size() && comparer_noms(villes_[i].nom, nom) <= 0) ++i;
  ville v;
  v.nom = std::move(nom);
  v.coordonnees = texte_coordonnees(latitude, longitude, separateur_);
  // The values kept are those the line will give back when read again.
  std::string_view t = v.coordonnees;
  v.latitude = lire_nombre(champ_suivant(t)).value_or(latitude);
  v.longitude = lire_nombre(champ_suivant(t)).value_or(longitude);
  const edition<ville> e{genre_edition::ajout, {}, v};
  std::vector<ville> nouvelle = villes_;
  nouvelle.insert(nouvelle.begin() + static_cast<std::ptrdiff_t>(i), std::move(v));
  return enregistrer(std::move(nouvelle), i, e, arbitre);
}

operation_villes fichier_villes::modifier(std::size_t i, long double latitude, long double longitude,
                                          const arbitre_conflit& arbitre) {
  if (i >= villes_.size()) return refus("Aucun site choisi", "Choisissez d'abord un site dans la liste.");
  if (!coordonnees_valides(latitude, longitude))
    return refus("Coordonnées invalides",
                 "La latitude doit être comprise entre -90° et 90° et la longitude entre "
                 "-180° et 180°.");
  std::vector<ville> nouvelle = villes_;
  ville& v = nouvelle[i];
  v.coordonnees = texte_coordonnees(latitude, longitude, separateur_);
  std::string_view t = v.coordonnees;
  v.latitude = lire_nombre(champ_suivant(t)).value_or(latitude);
  v.longitude = lire_nombre(champ_suivant(t)).value_or(longitude);
  const edition<ville> e{genre_edition::modification, villes_[i], v};
  return enregistrer(std::move(nouvelle), i, e, arbitre);
}

operation_villes fichier_villes::supprimer(std::size_t i, const arbitre_conflit& arbitre) {
  if (i >= villes_.size()) return refus("Aucun site choisi", "Choisissez d'abord un site dans la liste.");
  const edition<ville> e{genre_edition::suppression, villes_[i], {}};
  std::vector<ville> nouvelle = villes_;
  nouvelle.erase(nouvelle.begin() + static_cast<std::ptrdiff_t>(i));
  return enregistrer(std::move(nouvelle), 0, e, arbitre);
}

}  // namespace almanax
