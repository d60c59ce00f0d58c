// One edit of a catalogue (sites, comets) carried onto the file as it is now.
//
// Each save rewrites the whole file. When another window or another program changed
// the file since this window read it, the list in memory is out of date: writing it
// would drop their lines. The save then reads the file again and applies only the
// user's one edit to what is there now. When the same entry changed on both sides,
// the caller is asked which version to keep.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace almanax {

enum class genre_edition { ajout, modification, suppression };

// The user's edit: `avant` is the entry as this window read it (modification,
// suppression), `apres` the entry it writes (ajout, modification).
template <class T>
struct edition {
  genre_edition genre = genre_edition::ajout;
  T avant{};
  T apres{};
};

// What the other side did to the entry the user edited.
enum class conflit_edition {
  aucun,
  ajoute_ailleurs,   // an entry of that name was added there, different from the user's
  modifie_ailleurs,  // the entry was changed there
  supprime_ailleurs  // the entry the user modified was deleted there
};

// Asked on a conflict, with a French question and caption: true keeps the user's
// edit, false the file's version.
using arbitre_conflit = std::function<bool(const std::string& question, const std::string& titre)>;

// The words of a conflict question for one kind of entry.
struct mots_conflit {
  std::string sujet;         // with its article: "Le site « Lyon »", "La comète « 1P/Halley »"
  std::string accord;        // after "ajouté", "modifié", "supprimé": "" or "e"
  std::string pronom;        // "Le", "La"
  std::string donnees;       // "coordonnées", "éléments"
  std::string demonstratif;  // "celles", "ceux"
  std::string participe;     // "saisies", "saisis"
  std::string fichier;       // the file's name
};

// The question asked when the entry the user edits was changed elsewhere too.
inline std::string question_conflit(conflit_edition k, genre_edition g, const mots_conflit& m) {
  const std::string ailleurs = m.fichier + " par un autre programme ou une autre fenêtre";
  const std::string tapees = " que vous avez " + m.participe + " ?";
  const std::string remplacer = ". Remplacer ses " + m.donnees + " par " + m.demonstratif + tapees;
  switch (k) {
    case conflit_edition::ajoute_ailleurs:
      return m.sujet + " vient d'être ajouté" + m.accord + " à " + ailleurs + ", avec d'autres " + m.donnees +
             remplacer;
    case conflit_edition::supprime_ailleurs:
      return m.sujet + " vient d'être supprimé" + m.accord + " de " + ailleurs + ". L'enregistrer à nouveau avec les " +
             m.donnees + tapees;
    case conflit_edition::modifie_ailleurs:
    case conflit_edition::aucun:
      break;
  }
  return m.sujet + " vient d'être modifié" + m.accord + " dans " + ailleurs +
         (g == genre_edition::suppression ? ". " + m.pronom + " supprimer quand même ?" : remplacer);
}

template <class T>
struct resultat_fusion {
  std::vector<T> liste;
  std::optional<std::size_t> index;  // where the entry edited now is, if it is there
  conflit_edition conflit = conflit_edition::aucun;
  bool appliquee = true;  // the user's edit is in the list
};

// Applies `e` to `liste` (the file as it is now). meme(a, b): a and b are the same
// entry (same name); egal(a, b): and hold the same data; place(liste, x): where x goes
// in the order of the list; garder(conflit, theirs): the user's choice on a conflict.
template <class T, class Meme, class Egal, class Place, class Garder>
resultat_fusion<T> appliquer_edition(std::vector<T> liste, const edition<T>& e, Meme meme, Egal egal, Place place,
                                     Garder garder) {
  resultat_fusion<T> r;
  const T& cle = e.genre == genre_edition::ajout ? e.apres : e.avant;
  std::optional<std::size_t> k;
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (meme(liste[i], cle)) {
      k = i;
      break;
    }
  auto inserer = [&] {
    const std::size_t i = place(liste, e.apres);
    liste.insert(liste.begin() + static_cast<std::ptrdiff_t>(i), e.apres);
    r.index = i;
  };
  auto decider = [&](conflit_edition c, const T& leur) {
    r.conflit = c;
    r.appliquee = garder(c, leur);
    return r.appliquee;
  };

  switch (e.genre) {
    case genre_edition::ajout:
      if (!k) {
        inserer();
      } else {
        r.index = k;
        if (!egal(liste[*k], e.apres) && decider(conflit_edition::ajoute_ailleurs, liste[*k])) liste[*k] = e.apres;
      }
      break;
    case genre_edition::modification:
      if (!k) {
        if (decider(conflit_edition::supprime_ailleurs, e.avant)) inserer();
      } else {
        r.index = k;
        const bool touche_ailleurs = !egal(liste[*k], e.avant) && !egal(liste[*k], e.apres);
        if (!touche_ailleurs || decider(conflit_edition::modifie_ailleurs, liste[*k])) liste[*k] = e.apres;
      }
      break;
    case genre_edition::suppression:
      if (k) {
        if (egal(liste[*k], e.avant) || decider(conflit_edition::modifie_ailleurs, liste[*k])) {
          liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(*k));
        } else {
          r.index = k;
        }
      }
      break;
  }
  r.liste = std::move(liste);
  return r;
}

}  // namespace almanax
