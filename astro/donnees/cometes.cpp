#include "donnees/cometes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "calcul/formats.h"
#include "donnees/fichier_sur.h"
#include "donnees/villes.h"

// The bundled files live in a static library: their registration must be pulled in
// by a reference, made outside any namespace.
static void enregistrer_ressources_cometes() {
  Q_INIT_RESOURCE(ressources);
}

namespace almanax {

namespace {

// Where a comet goes in a list sorted by name: before the first name not before it.
std::size_t place_par_nom(const std::vector<comete>& liste, const comete& x) {
  std::size_t i = 0;
  while (i < liste.size() && comparer_noms(liste[i].nom, x.nom) < 0) ++i;
  return i;
}

// Why a catalogue that could not be read at start-up is never rewritten.
std::string message_protege() {
  return "Le fichier " + std::string(nom_fichier_cometes) +
         " n'a pas pu être lu au démarrage : il n'est pas réécrit, pour ne pas le perdre. "
         "Corrigez-le, puis relancez le programme.";
}

std::string guillemets(const QString& chemin) {
  return almanax::guillemets(QDir::toNativeSeparators(chemin).toStdString());
}

// A text written into one field of a line: a TAB or a line break would split it.
std::string sur_une_ligne(std::string s) {
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return s;
}

textes_comete sur_une_ligne(textes_comete t) {
  for (std::string* s : {&t.T_annee, &t.T_mois, &t.T_jour, &t.q, &t.i, &t.e, &t.w, &t.W}) *s = sur_une_ligne(*s);
  return t;
}

operation_cometes refus(std::string titre, std::string message) {
  operation_cometes r;
  r.titre = std::move(titre);
  r.message = std::move(message);
  return r;
}

// The same comet: the same name; a line without TAB has no name and is known by its text.
bool meme_comete(const comete& a, const comete& b) {
  if (a.sans_tabulation || b.sans_tabulation) return a.sans_tabulation == b.sans_tabulation && a.donnees == b.donnees;
  return comparer_noms(a.nom, b.nom) == 0;
}

}  // namespace

textes_comete textes_de(const std::string& donnees) {
  textes_comete t;
  std::string* const ordre[] = {&t.T_annee, &t.T_mois, &t.T_jour, &t.q, &t.e, &t.w, &t.W};
  std::size_t debut = 0;
  for (std::string* champ : ordre) {
    if (debut > donnees.size()) return t;
    const std::size_t tab = donnees.find('\t', debut);
    if (tab == std::string::npos) {
      *champ = donnees.substr(debut);
      return t;
    }
    *champ = donnees.substr(debut, tab - debut);
    debut = tab + 1;
  }
  t.i = donnees.substr(debut);
  return t;
}

std::string donnees_de(const textes_comete& t) {
  return t.T_annee + '\t' + t.T_mois + '\t' + t.T_jour + '\t' + t.q + '\t' + t.e + '\t' + t.w + '\t' + t.W + '\t' + t.i;
}

std::vector<comete> lire_cometes(const QByteArray& contenu) {
  std::vector<comete> r;
  QString texte = decoder_texte(contenu);
  texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  texte.replace(QChar(u'\r'), QChar(u'\n'));
  std::size_t numero = 0;
  for (const QString& l : texte.split(QChar(u'\n'))) {
    ++numero;
    if (l.trimmed().isEmpty()) continue;
    const std::string ligne = l.toStdString();
    comete c;
    c.ligne = numero;
    const std::size_t tab = ligne.find('\t');
    if (tab == std::string::npos) {
      c.donnees = ligne;
      c.sans_tabulation = true;
    } else {
      c.nom = ligne.substr(0, tab);
      c.donnees = ligne.substr(tab + 1);
    }
    r.push_back(std::move(c));
  }
  return r;
}

QByteArray contenu_cometes(const std::vector<comete>& cometes) {
  std::string s;
  for (const comete& c : cometes) {
    if (!c.sans_tabulation) s.append(c.nom).append("\t");
    s.append(c.donnees).append("\r\n");
  }
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray cometes_par_defaut() {
  static const bool ressources_pretes = (enregistrer_ressources_cometes(), true);
  (void)ressources_pretes;
  QFile f(QStringLiteral(":/cometes.dat"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QString fichier_cometes::chemin() const {
  return QDir(dossier_).filePath(QString::fromLatin1(nom_fichier_cometes));
}

chargement_cometes fichier_cometes::charger(bool creer_si_absent) {
  chargement_cometes r;
  const QString c = chemin();
  protege_ = false;
  lue_ = {};
  const lecture_fichier lu = lire_fichier_sur(c);
  QByteArray contenu;
  if (lu.absent) {
    contenu = cometes_par_defaut();
    if (creer_si_absent) {
      const std::string e = ecrire_fichier_sur(c, contenu);
      if (e.empty())
        r.fichier_cree = true;
      else
        r.erreur = "Le catalogue des comètes " + guillemets(c) + " est absent et n'a pas pu être créé (" + e +
                   ") : le catalogue fourni avec le programme est utilisé, sans être enregistré.";
    }
  } else if (!lu.erreur.empty()) {
    r.erreur = "Le catalogue des comètes " + guillemets(c) + " n'a pas pu être lu (" + lu.erreur +
               ") : le catalogue fourni avec le programme est utilisé et le fichier ne sera pas modifié.";
    protege_ = true;
    contenu = cometes_par_defaut();
  } else {
    lue_ = empreinte_de(lu);
    contenu = lu.octets;
  }
  if (r.fichier_cree) lue_ = empreinte_apres_ecriture(c, contenu);
  cometes_ = lire_cometes(contenu);
  return r;
}

operation_cometes fichier_cometes::enregistrer(std::vector<comete> nouvelle, std::size_t index,
                                               const edition<comete>& e, const arbitre_conflit& arbitre) {
  if (protege_) return refus("Enregistrement impossible", message_protege());
  const QString c = chemin();
  const verrou_dossier verrou(dossier_);
  operation_cometes r;
  r.index = index;
  const lecture_fichier lu = lire_fichier_sur(c);
  if (!lu.erreur.empty())
    return refus("Erreur de lecture", "Impossible d'enregistrer " + guillemets(c) + " (" + lu.erreur +
                                          "). Le catalogue n'a pas été modifié.");
  if (!lu.absent && empreinte_de(lu) != lue_) {
    // Changed elsewhere since read: the edit goes onto the file as it is now.
    const auto garder = [&](conflit_edition k, const comete& leur) {
      return arbitre && arbitre(question_conflit(k, e.genre,
                                                 {"La comète « " + leur.nom + " »", "e", "La", "éléments", "ceux",
                                                  "saisis", std::string(nom_fichier_cometes)}),
                                "Catalogue des comètes modifié ailleurs");
    };
    resultat_fusion<comete> f =
        appliquer_edition(lire_cometes(lu.octets), e, meme_comete, std::equal_to<comete>(), place_par_nom, garder);
    r.relue = true;
    r.appliquee = f.appliquee;
    r.index = f.index.value_or(0);
    nouvelle = std::move(f.liste);
    if (!f.appliquee) {
      // The file's version stays: nothing to write.
      cometes_ = std::move(nouvelle);
      lue_ = empreinte_de(lu);
      r.reussie = true;
      return r;
    }
  }
  const QByteArray contenu = contenu_cometes(nouvelle);
  const std::string erreur = ecrire_liste(c, std::move(nouvelle), contenu);
  if (!erreur.empty())
    return refus("Erreur d'écriture",
                 "Impossible d'enregistrer " + guillemets(c) + " (" + erreur + "). Le catalogue n'a pas été modifié.");
  r.reussie = true;
  return r;
}

std::string fichier_cometes::ecrire_liste(const QString& c, std::vector<comete> liste, const QByteArray& contenu) {
  std::string erreur = ecrire_fichier_sur(c, contenu);
  if (!erreur.empty()) return erreur;
  cometes_ = std::move(liste);
  for (std::size_t k = 0; k < cometes_.size(); ++k) cometes_[k].ligne = k + 1;  // as just written
  lue_ = empreinte_apres_ecriture(c, contenu);
  return {};
}

operation_cometes fichier_cometes::ajouter(std::string nom, const textes_comete& elements,
                                           const arbitre_conflit& arbitre) {
  nom = sur_une_ligne(std::move(nom));
  // The whole list is searched for the name: a file edited by hand may be out of order.
  for (const comete& c : cometes_)
    if (comparer_noms(c.nom, nom) == 0) {
      operation_cometes r = refus("Comète déjà répertoriée !",
                                  "Une comète de ce nom est déjà présente dans la liste. Veuillez changer son nom.");
      r.doublon = true;
      return r;
    }
  std::size_t i = 0;
  while (i < cometes_.size() && comparer_noms(cometes_[i].nom, nom) < 0) ++i;
  const edition<comete> e{genre_edition::ajout, {}, comete{std::move(nom), donnees_de(sur_une_ligne(elements)), false}};
  std::vector<comete> nouvelle = cometes_;
  nouvelle.insert(nouvelle.begin() + static_cast<std::ptrdiff_t>(i), e.apres);
  return enregistrer(std::move(nouvelle), i, e, arbitre);
}

operation_cometes fichier_cometes::modifier(std::size_t i, const textes_comete& elements,
                                            const arbitre_conflit& arbitre) {
  if (i >= cometes_.size()) return refus("Aucune comète choisie", "Choisissez d'abord une comète dans la liste.");
  std::vector<comete> nouvelle = cometes_;
  nouvelle[i].donnees = donnees_de(sur_une_ligne(elements));
  nouvelle[i].sans_tabulation = false;
  const edition<comete> e{genre_edition::modification, cometes_[i], nouvelle[i]};
  return enregistrer(std::move(nouvelle), i, e, arbitre);
}

bilan_import fichier_cometes::importer(const std::vector<comete>& arrivees, doublons_import choix) {
  bilan_import r;
  const auto echec = [&r](std::string titre, std::string message) {
    bilan_import e;
    e.titre = std::move(titre);
    e.message = std::move(message);
    e.conflits = std::move(r.conflits);
    return e;
  };
  if (protege_) return echec("Importation impossible", message_protege());
  const QString c = chemin();
  const verrou_dossier verrou(dossier_);
  const lecture_fichier lu = lire_fichier_sur(c);
  if (!lu.erreur.empty())
    return echec("Erreur de lecture", "Impossible d'importer dans " + guillemets(c) + " (" + lu.erreur +
                                          "). Le catalogue n'a pas été modifié.");
  r.relue = !lu.absent && empreinte_de(lu) != lue_;
  // The import is a batch of additions, each carried onto the file as it is now: a name
  // already there with other elements is the conflict that `choix` settles.
  std::vector<comete> liste = lire_cometes(lu.absent ? cometes_par_defaut() : lu.octets);
  for (const comete& arrivee : arrivees) {
    comete x{sur_une_ligne(arrivee.nom), donnees_de(sur_une_ligne(textes_de(arrivee.donnees))), false};
    const std::size_t avant = liste.size();
    bool conflit = false;
    const auto garder = [&](conflit_edition, const comete& leur) {
      conflit = true;
      r.conflits.push_back(leur.nom);
      return choix == doublons_import::remplacer;
    };
    resultat_fusion<comete> f =
        appliquer_edition(std::move(liste), edition<comete>{genre_edition::ajout, {}, std::move(x)}, meme_comete,
                          std::equal_to<comete>(), place_par_nom, garder);
    liste = std::move(f.liste);
    if (liste.size() > avant)
      ++r.ajoutees;
    else if (!conflit)
      ++r.identiques;
    else if (f.appliquee)
      ++r.remplacees;
    else
      ++r.gardees;
  }
  if (choix == doublons_import::annuler && !r.conflits.empty())
    return echec("Comètes déjà répertoriées",
                 std::to_string(r.conflits.size()) +
                     (r.conflits.size() > 1 ? " comètes du fichier sont déjà" : " comète du fichier est déjà") +
                     " dans le catalogue avec d'autres éléments. Rien n'a été importé.");
  const QByteArray contenu = contenu_cometes(liste);
  if (lu.absent || contenu != lu.octets) {
    const std::string erreur = ecrire_liste(c, std::move(liste), contenu);
    if (!erreur.empty())
      return echec("Erreur d'écriture", "Impossible d'enregistrer " + guillemets(c) + " (" + erreur +
                                            "). Le catalogue n'a pas été modifié.");
    r.ecrit = true;
  } else {
    lue_ = empreinte_de(lu);
    cometes_ = std::move(liste);
  }
  r.reussi = true;
  return r;
}

operation_cometes fichier_cometes::supprimer(std::size_t i, const arbitre_conflit& arbitre) {
  if (i >= cometes_.size()) return refus("Aucune comète choisie", "Choisissez d'abord une comète dans la liste.");
  const edition<comete> e{genre_edition::suppression, cometes_[i], {}};
  std::vector<comete> nouvelle = cometes_;
  nouvelle.erase(nouvelle.begin() + static_cast<std::ptrdiff_t>(i));
  return enregistrer(std::move(nouvelle), 0, e, arbitre);
}

}  // namespace almanax
