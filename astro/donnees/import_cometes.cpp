#include "donnees/import_cometes.h"

#include <QDir>
#include <optional>
#include <string_view>

#include "calcul/formats.h"
#include "calcul/pages/comete.h"
#include "donnees/fichier_sur.h"
#include "donnees/villes.h"

namespace almanax {

namespace {

// One field of the format: its first and last columns (1 for the first) and its name.
struct colonnes {
  std::size_t premiere, derniere;
  const char* nom;
};

constexpr colonnes annee{15, 18, "l'année du passage au périhélie"};
constexpr colonnes mois{20, 21, "le mois du passage au périhélie"};
constexpr colonnes jour{23, 29, "le jour du passage au périhélie"};
constexpr colonnes col_q{31, 39, "q (distance au périhélie)"};
constexpr colonnes col_e{42, 49, "e (excentricité)"};
constexpr colonnes col_w{52, 59, "w (argument du périhélie)"};
constexpr colonnes col_W{62, 69, "W (longitude du noeud ascendant)"};
constexpr colonnes col_i{72, 79, "i (inclinaison)"};
// Columns the format leaves blank between the fields read: a line whose fields are
// shifted puts a digit in one of them.
constexpr std::size_t blanches[] = {19, 22, 30, 40, 41, 50, 51, 60, 61, 70, 71, 80, 81, 101, 102};
constexpr std::size_t colonne_nom = 103, derniere_colonne_nom = 158;

std::string_view champ(std::string_view ligne, const colonnes& c) {
  return ligne.substr(c.premiere - 1, c.derniere - c.premiere + 1);
}

std::string_view sans_blancs(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Digits only.
bool chiffres(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// A decimal number as the format writes it: an optional sign, digits, a point and digits.
bool nombre(std::string_view s) {
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  const std::size_t point = s.find('.');
  if (point == std::string_view::npos) return chiffres(s);
  const std::string_view avant = s.substr(0, point), apres = s.substr(point + 1);
  return (avant.empty() || chiffres(avant)) && (apres.empty() || chiffres(apres)) && !(avant.empty() && apres.empty());
}

std::string colonnes_de(const colonnes& c) {
  return "colonnes " + std::to_string(c.premiere) + " à " + std::to_string(c.derniere);
}

// The catalogue's text of a number of the file: the decimal comma of cometes.dat.
std::string texte_catalogue(std::string_view s) {
  std::string t(s);
  for (char& c : t)
    if (c == '.') c = ',';
  return t;
}

struct comete_lue {
  std::optional<comete> c;
  std::string raison;
};

comete_lue lire_ligne(std::string_view ligne) {
  comete_lue r;
  for (const char c : ligne)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      r.raison = "caractères de contrôle : ce n'est pas une ligne de texte (fichier binaire ?)";
      return r;
    }
  for (std::size_t k = 0; k < std::min(ligne.size(), colonne_nom - 1); ++k)
    if (static_cast<unsigned char>(ligne[k]) >= 0x80) {
      r.raison = "caractère non ASCII en colonne " + std::to_string(k + 1) + ", parmi les éléments";
      return r;
    }
  if (ligne.size() < colonne_nom) {
    r.raison = "ligne tronquée : " + std::to_string(ligne.size()) + " caractères, quand les éléments et le nom " +
               "vont au moins jusqu'à la colonne " + std::to_string(colonne_nom);
    return r;
  }
  for (const std::size_t k : blanches)
    if (ligne[k - 1] != ' ') {
      r.raison = "colonnes décalées : la colonne " + std::to_string(k) + " devrait être vide";
      return r;
    }
  const std::string_view nom_brut = ligne.substr(colonne_nom - 1, derniere_colonne_nom - colonne_nom + 1);
  const std::string nom =
      decoder_texte(QByteArray(nom_brut.data(), static_cast<qsizetype>(nom_brut.size()))).trimmed().toStdString();
  if (nom.empty()) {
    r.raison = "pas de désignation ni de nom en colonnes " + std::to_string(colonne_nom) + " à " +
               std::to_string(derniere_colonne_nom);
    return r;
  }

  for (const colonnes& c : {annee, mois})
    if (const std::string_view v = sans_blancs(champ(ligne, c)); !chiffres(v)) {
      r.raison = c.nom + std::string(" (") + colonnes_de(c) + ") n'est pas un nombre entier : " + guillemets(v);
      return r;
    }
  for (const colonnes& c : {jour, col_q, col_e, col_w, col_W, col_i})
    if (const std::string_view v = sans_blancs(champ(ligne, c)); !nombre(v)) {
      r.raison = c.nom + std::string(" (") + colonnes_de(c) + ") n'est pas un nombre : " + guillemets(v);
      return r;
    }

  textes_comete t;
  t.T_annee = std::to_string(std::stoi(std::string(sans_blancs(champ(ligne, annee)))));
  t.T_mois = std::to_string(std::stoi(std::string(sans_blancs(champ(ligne, mois)))));
  t.T_jour = texte_catalogue(sans_blancs(champ(ligne, jour)));
  t.q = texte_catalogue(sans_blancs(champ(ligne, col_q)));
  t.e = texte_catalogue(sans_blancs(champ(ligne, col_e)));
  t.w = texte_catalogue(sans_blancs(champ(ligne, col_w)));
  t.W = texte_catalogue(sans_blancs(champ(ligne, col_W)));
  t.i = texte_catalogue(sans_blancs(champ(ligne, col_i)));
  // The checks of the page: the comet must be one the program computes.
  const lecture_comete l = lire_elements_comete(t);
  if (l.refus) {
    std::string message = l.refus->message;
    while (!message.empty() && message.back() == ' ') message.pop_back();
    r.raison = "élément " + libelle_champ(l.refus->champs.front()) + " refusé : " + message;
    return r;
  }
  r.c = comete{nom, donnees_de(t), false};
  return r;
}

}  // namespace

lecture_import lire_import_cometes(const QByteArray& contenu) {
  lecture_import r;
  const std::string_view texte(contenu.constData(), static_cast<std::size_t>(contenu.size()));
  std::size_t numero = 0, debut = 0;
  std::vector<comete> lues;
  while (debut < texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    std::string_view ligne = texte.substr(debut, fin - debut);
    debut = fin + 1;
    ++numero;
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    if (sans_blancs(ligne).empty()) continue;
    comete_lue l = lire_ligne(ligne);
    if (!l.c) {
      r.refusees.push_back({numero, std::move(l.raison)});
      continue;
    }
    bool repetee = false;
    for (const comete& c : lues)
      if (comparer_noms(c.nom, l.c->nom) == 0) repetee = true;
    if (repetee) {
      r.repetees.push_back(numero);
      continue;
    }
    l.c->ligne = numero;
    lues.push_back(std::move(*l.c));
  }
  if (!r.refusees.empty()) return r;
  if (lues.empty()) {
    r.erreur = "Le fichier ne contient aucune ligne d'éléments de comète.";
    return r;
  }
  r.cometes = std::move(lues);
  return r;
}

lecture_import lire_fichier_import_cometes(const QString& chemin, qint64 taille_max) {
  const lecture_fichier lu = lire_fichier_sur(chemin, taille_max);
  lecture_import r;
  const std::string nom = "« " + QDir::toNativeSeparators(chemin).toStdString() + " »";
  if (lu.absent) {
    r.erreur = "Le fichier " + nom + " n'existe pas.";
  } else if (!lu.erreur.empty()) {
    r.erreur = lu.erreur;
  } else {
    r = lire_import_cometes(lu.octets);
    if (!r.erreur.empty()) r.erreur = "Le fichier " + nom + " ne contient aucune ligne d'éléments de comète.";
  }
  return r;
}

std::string texte_lignes_refusees(const std::vector<ligne_refusee>& refusees, std::size_t maximum) {
  std::string s;
  for (std::size_t k = 0; k < refusees.size() && k < maximum; ++k)
    s += "ligne " + std::to_string(refusees[k].ligne) + " : " + refusees[k].raison + "\n";
  if (refusees.size() > maximum) {
    const std::size_t reste = refusees.size() - maximum;
    s += "… et " + std::to_string(reste) + (reste > 1 ? " autres lignes.\n" : " autre ligne.\n");
  }
  return s;
}

std::string texte_lignes_illisibles(std::size_t n) {
  return std::to_string(n) + (n > 1 ? " lignes ne sont pas lisibles" : " ligne n'est pas lisible") +
         " au format des éléments de comètes du Minor Planet Center";
}

std::string texte_bilan_import(const bilan_import& b) {
  const std::size_t total = b.ajoutees + b.remplacees + b.gardees + b.identiques;
  std::string parties;
  const auto ajouter = [&](std::size_t n, const char* singulier, const char* pluriel) {
    if (n == 0) return;
    parties += (parties.empty() ? "" : ", ") + std::to_string(n) + " " + (n > 1 ? pluriel : singulier);
  };
  ajouter(b.ajoutees, "ajoutée", "ajoutées");
  ajouter(b.remplacees, "remplacée", "remplacées");
  ajouter(b.gardees, "gardée avec les éléments du catalogue", "gardées avec les éléments du catalogue");
  ajouter(b.identiques, "déjà à jour", "déjà à jour");
  return std::to_string(total) + (total > 1 ? " comètes importées" : " comète importée") + " : " + parties + ".";
}

}  // namespace almanax
