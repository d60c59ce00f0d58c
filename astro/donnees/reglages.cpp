#include "donnees/reglages.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>
#include <limits>

namespace almanax {

namespace {

// An integer value, or the default when it is missing or not a whole number.
template <class Entier>
Entier lire_entier(const QSettings& s, const char* cle, Entier defaut) {
  const QVariant v = s.value(QString::fromUtf8(cle));
  if (!v.isValid()) return defaut;
  bool ok = false;
  const qlonglong n = v.toString().trimmed().toLongLong(&ok);
  if (!ok || n < std::numeric_limits<Entier>::min() || n > std::numeric_limits<Entier>::max()) return defaut;
  return static_cast<Entier>(n);
}

// A boolean as the store writes it ("true"/"false"), also 1/0; anything else: the default.
bool lire_booleen(const QSettings& s, const char* cle, bool defaut) {
  const QVariant v = s.value(QString::fromUtf8(cle));
  if (!v.isValid()) return defaut;
  const QString t = v.toString().trimmed().toLower();
  if (t == u"true" || t == u"1") return true;
  if (t == u"false" || t == u"0") return false;
  return defaut;
}

// Two exclusive options: exactly one must be on, else the default pair is kept.
void lire_paire(const QSettings& s, const char* cle1, const char* cle2, bool& un, bool& deux) {
  const bool a = lire_booleen(s, cle1, un);
  const bool b = lire_booleen(s, cle2, deux);
  if (a != b) {
    un = a;
    deux = b;
  }
}

}  // namespace

QStringList fichiers_reglages() {
  const QString org = QString::fromUtf8(organisation_reglages);
  const QString app = QString::fromUtf8(application_reglages);
  const QStringList dossiers = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  QStringList r;
  for (const QString& d : dossiers) r << QDir(d).filePath(org + u'/' + app + QStringLiteral(".conf"));
  for (const QString& d : dossiers) r << QDir(d).filePath(org + QStringLiteral(".conf"));
  return r;
}

ouverture_reglages ouvrir_reglages() {
  ouverture_reglages r;
  for (const QString& f : fichiers_reglages()) {
    const QFileInfo info(f);
    if (!info.exists()) continue;
    std::string raison;
    if (!info.isFile())
      raison = "ce n'est pas un fichier ordinaire";
    else if (info.size() > taille_max_reglages)
      raison = "sa taille (" + std::to_string(info.size()) + " octets) dépasse la limite de " +
               std::to_string(taille_max_reglages) + " octets";
    if (raison.empty()) continue;
    r.avertissement = "Le fichier des réglages « " + QDir::toNativeSeparators(f).toStdString() +
                      " » n'est pas lu : " + raison +
                      ". Les réglages par défaut sont utilisés et ne seront pas enregistrés.";
    return r;
  }
  r.magasin =
      std::make_unique<QSettings>(QString::fromUtf8(organisation_reglages), QString::fromUtf8(application_reglages));
  return r;
}

bool reglages_presents(const QSettings& s) {
  return !s.allKeys().isEmpty();
}

reglages lire_reglages(const QSettings& s, const reglages& defauts) {
  reglages r = defauts;
  r.site = lire_entier<long long>(s, cle_reglage::site, defauts.site);
  r.comete = lire_entier<long long>(s, cle_reglage::comete, defauts.comete);
  lire_paire(s, cle_reglage::onglet, cle_reglage::onglet2, r.onglet, r.onglet2);
  lire_paire(s, cle_reglage::menu, cle_reglage::menu2, r.menu, r.menu2);
  r.heure_actuelle = lire_booleen(s, cle_reglage::heure_actuelle, defauts.heure_actuelle);
  r.date_du_jour = lire_booleen(s, cle_reglage::date_du_jour, defauts.date_du_jour);
  lire_paire(s, cle_reglage::midi, cle_reglage::minuit, r.midi, r.minuit);
  r.gauche = lire_entier<int>(s, cle_reglage::gauche, defauts.gauche);
  r.haut = lire_entier<int>(s, cle_reglage::haut, defauts.haut);
  r.hauteur = lire_entier<int>(s, cle_reglage::hauteur, defauts.hauteur);
  r.largeur = lire_entier<int>(s, cle_reglage::largeur, defauts.largeur);
  r.heure_legale = lire_booleen(s, cle_reglage::heure_legale, defauts.heure_legale);
  const QVariant fuseaux = s.value(QString::fromUtf8(cle_reglage::fuseaux_des_sites));
  if (fuseaux.isValid()) {
    r.fuseaux_des_sites.clear();
    for (const QString& ligne : fuseaux.toStringList()) {
      const qsizetype tab = ligne.lastIndexOf(u'\t');
      if (tab > 0 && tab + 1 < ligne.size())
        r.fuseaux_des_sites[ligne.left(tab).toStdString()] = ligne.mid(tab + 1).toStdString();
    }
  }
  return r;
}

void ecrire_reglages(QSettings& s, const reglages& r) {
  auto ecrire = [&s](const char* cle, const QVariant& v) { s.setValue(QString::fromUtf8(cle), v); };
  ecrire(cle_reglage::site, r.site);
  ecrire(cle_reglage::comete, r.comete);
  ecrire(cle_reglage::gauche, r.gauche);
  ecrire(cle_reglage::haut, r.haut);
  ecrire(cle_reglage::hauteur, r.hauteur);
  ecrire(cle_reglage::largeur, r.largeur);
  ecrire(cle_reglage::onglet, r.onglet);
  ecrire(cle_reglage::menu, r.menu);
  ecrire(cle_reglage::onglet2, r.onglet2);
  ecrire(cle_reglage::menu2, r.menu2);
  ecrire(cle_reglage::heure_actuelle, r.heure_actuelle);
  ecrire(cle_reglage::date_du_jour, r.date_du_jour);
  ecrire(cle_reglage::midi, r.midi);
  ecrire(cle_reglage::minuit, r.minuit);
  ecrire(cle_reglage::heure_legale, r.heure_legale);
  QStringList fuseaux;
  for (const auto& [site, fuseau] : r.fuseaux_des_sites)
    fuseaux << QString::fromStdString(site) + u'\t' + QString::fromStdString(fuseau);
  ecrire(cle_reglage::fuseaux_des_sites, fuseaux);
  s.sync();
}

}  // namespace almanax
