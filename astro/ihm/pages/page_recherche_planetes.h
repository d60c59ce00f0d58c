// What the "Phénomènes Planétaires" and "Péri. et Aphélie" pages share: the two search
// years, one check-style button per planet (all down at first), "&OK", the list of the
// events found with the planet's picture, "&Efface" and "&Copie". Every search adds its
// rows and the whole list is then sorted by planet name; rows accumulate until
// "&Efface".
#pragma once

#include <string>
#include <vector>

#include "calcul/icalendrier.h"
#include "calcul/rapport.h"
#include "calcul/recherche.h"
#include "calcul/temps_civil.h"
#include "ihm/controles/annees_recherche.h"
#include "ihm/controles/modele_liste.h"
#include "ihm/pages/page.h"

class QLabel;
class QPushButton;
class QToolButton;
class QTreeView;

namespace almanax::ihm {

class RechercheFond;

class PageRecherchePlanetes : public Page {
  Q_OBJECT

 public:
  ModeleListe* modele() const { return modele_; }
  RechercheFond* recherche() const { return recherche_; }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  // Start-up: the search runs to its end before returning.
  void calculer() override { chercher(true); }
  // Civil time on or off, or another zone: the rows shown again on the new clock (the
  // same events: the years are those of TT); a search under way starts again.
  void echelle_changee() override;

  struct bouton_planete {
    const char* nom;  // "ph_me"
    int image;        // in the list of planet pictures
    QString texte;    // "Mercure"
  };
  // What one search gives: the rows found (compact, in the search's order) with their
  // events, or the message that explains why nothing was searched.
  struct trouvees {
    std::string message;
    std::vector<std::string> lignes;
    std::vector<ModeleListe::instant_ligne> instants;
  };
  // The search itself. It runs off the window's thread, so it is a plain function of
  // its inputs. separateur: the locale's decimal separator; echelle: the clock of the
  // dates shown.
  using fonction_recherche = trouvees (*)(long long premiere, long long derniere, const std::vector<bool>& planetes,
                                          const std::string& separateur, const echelle_temps& echelle,
                                          const suivi_recherche& suivi);
  // The text of the page's "&Copie" for these rows ("" for none), with the rows' offsets
  // in civil time (none otherwise).
  using fonction_copie = std::string (*)(const std::vector<ligne_liste>& lignes, const std::vector<int>& decalages);
  // A row's date written again for its instant, on another clock; gives the offset there.
  using fonction_dater = int (*)(ligne_liste& ligne, long double jde, const echelle_temps& echelle);

  // The calendar events of the list's rows (their texts on the list's clock).
  using fonction_calendrier = std::vector<evenement_calendrier> (*)(const ModeleListe& modele);

  // The body of a planet search: the engine's request filled with the years and the
  // planets, its rows made compact with their events (`evenement`: a row's
  // instant_ligne), its message passed on.
  template <class Demande, class Chercher, class Ligne, class Evenement>
  static trouvees chercher_planetes(long long premiere, long long derniere, const std::vector<bool>& planetes,
                                    Chercher chercher, Ligne ligne, Evenement evenement) {
    Demande d;
    d.premiere_annee = premiere;
    d.derniere_annee = derniere;
    for (std::size_t p = 0; p < d.planetes.size() && p < planetes.size(); ++p) d.planetes[p] = planetes[p];
    const auto res = chercher(d);
    trouvees t;
    t.message = res.message;
    if (res.interrompue) return t;
    t.lignes.reserve(res.lignes.size());
    t.instants.reserve(res.lignes.size());
    for (const auto& l : res.lignes) {
      t.lignes.push_back(ModeleListe::compacter(ligne(l)));
      t.instants.push_back(evenement(l));
    }
    return t;
  }

  struct description {
    const char* nom;
    QString legende;
    const char* capture;
    noms_annees annees;
    bool annees_en_boucle;
    const char* ok;
    const char* liste;
    const char* efface;
    const char* copie;
    const char* exporter;
    QString quoi_exporter;  // what "Expor&ter…" writes, its tooltip's beginning
    QString titre_export;   // its dialog's title
    std::vector<colonne_liste> colonnes;
    std::vector<bouton_planete> planetes;
    fonction_recherche recherche;
    fonction_copie rapport;
    fonction_dater dater;
    fonction_calendrier calendrier;
    int colonne_date = 2;                                        // the column whose dates the offsets follow
    champ_annee premiere_annee = champ_annee::phenomenes_debut;  // what the year check calls the two years
    champ_annee derniere_annee = champ_annee::phenomenes_fin;
  };

 public slots:
  // "&OK": the search, off the window's thread.
  void lancer_recherche() { chercher(false); }
  void effacer() override { vider(); }
  void copier() override { copier_liste(); }
  // "Expor&ter…": the list's rows, those the copy takes, as a calendar file.
  void exporter();
  // The years' arrows, and leaving a year field.
  void verifier_ordre_annees() { verifier_ordre(); }
  void valider_annees() { sortir_annee(); }

 protected:
  PageRecherchePlanetes(Contexte& contexte, const description& d, QWidget* parent);

  // The controls the page connects to its handlers.
  AnneesRecherche* annees() const { return annees_; }
  QPushButton* ok() const { return ok_; }
  QPushButton* efface() const { return efface_; }
  QPushButton* copie_bouton() const { return copie_; }

  // The handlers' bodies.
  void chercher(bool synchrone);
  void vider();
  void copier_liste();
  void verifier_ordre();
  void sortir_annee();

 private:
  // The row where the first added one now is, -1 if none.
  int ajouter_et_trier(std::vector<std::string>&& lignes, std::vector<ModeleListe::instant_ligne>&& instants);
  // The list's clock and the offsets of its rows, as the session's scale says.
  void montrer_echelle();

  AnneesRecherche* annees_ = nullptr;
  std::vector<QToolButton*> choix_planete_;
  QPushButton* ok_ = nullptr;
  QPushButton* efface_ = nullptr;
  QPushButton* copie_ = nullptr;
  QPushButton* exporter_ = nullptr;
  QTreeView* liste_ = nullptr;
  ModeleListe* modele_ = nullptr;
  RechercheFond* recherche_ = nullptr;
  QLabel* mention_ = nullptr;  // civil time: which clock the list's dates are on
  fonction_recherche fonction_recherche_;
  fonction_copie fonction_copie_;
  fonction_dater fonction_dater_;
  fonction_calendrier fonction_calendrier_;
  QString titre_export_;
  int colonne_date_;
  champ_annee premiere_annee_;
  champ_annee derniere_annee_;
};

}  // namespace almanax::ihm
