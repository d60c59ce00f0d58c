// The "Eclipses" page: the solar or the lunar eclipses of a span of years, written as
// text into the result box, where the searches accumulate until "&Efface". The search
// is recherche_eclipses.
#pragma once

#include <string>
#include <vector>

#include "calcul/pages/eclipses.h"
#include "ihm/pages/page.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace almanax::ihm {

class AnneesRecherche;
class RechercheFond;

class PageEclipses : public Page {
  Q_OBJECT

 public:
  explicit PageEclipses(Contexte& contexte, QWidget* parent = nullptr);

  // Start-up: the search runs to its end before returning.
  void calculer() override { chercher(true); }
  QWidget* bouton_calcul() const override;
  void poser_date_de_demarrage(const date_jma& date) override;
  std::vector<annee_a_valider> annees_a_valider() const override;
  // Civil time on or off, or another zone: the box written again on the new clock (the
  // same eclipses: the years are those of TT); a search under way starts again.
  void echelle_changee() override;

  // The box's text as the searches wrote it (CR LF line ends), which the copy takes.
  const std::string& texte() const { return texte_; }
  RechercheFond* recherche() const { return recherche_; }

 public slots:
  // "&OK": the search, off the window's thread.
  void lancer_recherche() { chercher(false); }
  void effacer() override;
  void copier() override;
  // "Expor&ter…": the eclipses of the box, those the copy takes, as a calendar file.
  void exporter();
  void valider_annees();

 private:
  void chercher(bool synchrone);
  // The text joins the kept text at once; the box shows it piece by piece, so a
  // search of thousands of eclipses does not hold the window while it is laid out.
  void ajouter_texte(const std::string& t, bool tout_de_suite);
  void afficher_suite();
  // The box emptied, nothing left to show.
  void vider_boite();
  // The box's clock, civil time only.
  void montrer_mention();

  AnneesRecherche* annees_ = nullptr;
  QPushButton* bouton_recherche_ = nullptr;
  QRadioButton* choix_soleil_ = nullptr;
  QRadioButton* choix_lune_ = nullptr;
  QPlainTextEdit* boite_resultats_ = nullptr;
  RechercheFond* recherche_ = nullptr;
  std::string texte_;
  std::vector<eclipse_trouvee> eclipses_;  // those the box shows, in its order
  QLabel* mention_ = nullptr;              // civil time: which clock the box's times are on
  QString a_afficher_;                     // still to be shown in the box, from a_afficher_depuis_
  qsizetype a_afficher_depuis_ = 0;
  qsizetype a_montrer_ = -1;  // in a_afficher_: where the latest search's text begins
  QTimer* affichage_ = nullptr;
};

}  // namespace almanax::ihm
