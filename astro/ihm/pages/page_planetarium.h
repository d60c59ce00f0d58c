// What the two planetarium pages share: the date fields and time picker, "OK" and
// "Maintenant", the row of tool buttons that switch the bodies on and off, the
// "Intervale" and "Mode" groups, the step and stop buttons with their animation, the
// picture with its save button, and the click on the picture. Each page adds its
// computation, its drawing, its steps and its information panel.
#pragma once

#include <QImage>
#include <QStringList>
#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "calcul/pages/planetarium.h"
#include "ihm/controles/champs_date.h"
#include "ihm/pages/page.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QToolButton;
class QVBoxLayout;

namespace almanax::ihm {

class Animation;

struct noms_planetarium {
  const char* page;
  const char* legende;
  const char* capture;
  noms_champs_date dates;
  const char* heure;                        // the time picker
  const char* ok;                           // the compute button
  const char* maintenant;                   // its "Maintenant" button
  const char* image;                        // the picture
  int largeur, hauteur;                     // its size
  const char* outil;                        // tool buttons' name prefix ("tb" gives tb1, tb2, ...)
  std::span<const std::string_view> corps;  // their captions, in order
  std::span<const couleur_corps> couleurs;  // the bodies' colours
  const char* intervalle;                   // the "Intervale" group and its choices
  QStringList intervalles;
  int intervalle_initial;
  const char* mode;  // the "Mode" group
  const char* precedent;
  const char* stop;
  const char* suivant;
  const char* sauver;
  const char* titre_sauvegarde;  // the save dialog's title
};

class PagePlanetarium : public Page {
  Q_OBJECT

 public:
  PagePlanetarium(Contexte& contexte, const noms_planetarium& noms, QWidget* parent);
  ~PagePlanetarium() override;

  void calculer() override { dessiner(); }
  // The typed time is read in the new time scale; the map's title says which.
  void echelle_changee() override { dessiner(); }
  QWidget* bouton_calcul() const override;
  void arreter_animation() override;
  void poser_date_de_demarrage(const date_jma& date) override;
  void poser_heure_de_demarrage(const QTime& heure) override;

  bool anime() const;
  // The picture shown.
  const QImage& image() const { return image_; }
  // The bodies whose tool button is down.
  std::vector<bool> corps_montres() const;
  template <std::size_t N>
  std::array<bool, N> corps_montres_tableau() const {
    const std::vector<bool> v = corps_montres();
    std::array<bool, N> a{};
    for (std::size_t k = 0; k < N && k < v.size(); ++k) a[k] = v[k];
    return a;
  }

 protected:
  // Computes for the fields and shows the picture and the panel.
  virtual void dessiner() = 0;
  // One step in the direction given with the chosen interval; false when none can
  // be made (year limit).
  virtual bool faire_pas(sens_pas sens) = 0;
  // A click on the picture at p.
  virtual void cliquer(QPoint p) = 0;

  // The instant of the fields (historical year), the date first brought into the calendar.
  instant_saisi instant_des_champs();
  void poser_instant(const instant_saisi& i);
  int intervalle() const;
  void montrer(const QImage& image);
  // The information panel's name label, in the body's colour; a colour too light to be
  // read on the window (the Moon's white, the Sun's yellow) is shown on a dark ground.
  static void nom_en_couleur(QLabel* etiquette, const QColor& couleur);
  // Under the panel: what the map says of Pluto outside the years of its series, while
  // its button is down (the text is empty within them).
  void avertir_pluton(const std::string& texte, bool pluton_montre);

  // Step handlers of the two pages: stepping, stop, the mode.
  void pas_avant();
  void pas_arriere();
  void arret();

  bool eventFilter(QObject* objet, QEvent* evenement) override;

  ChampsDate date_;
  QTimeEdit* heure_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* maintenant_ = nullptr;
  std::vector<QToolButton*> outils_;
  QButtonGroup* intervalles_ = nullptr;
  QRadioButton* manuel_ = nullptr;
  QPushButton* precedent_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* suivant_ = nullptr;
  QPushButton* sauver_ = nullptr;
  QLabel* cadre_ = nullptr;
  // Where the page puts its information panel, under the controls.
  QVBoxLayout* panneau_ = nullptr;
  QLabel* avertissement_pluton_ = nullptr;
  Animation* animation_ = nullptr;
  QImage image_;

 private:
  void demarrer(sens_pas sens);
  void etat_animation(bool en_cours);
  void sauvegarder();

  const char* titre_sauvegarde_;
  sens_pas sens_ = sens_pas::avant;
  std::vector<QString> bulles_;  // the tool buttons' hints, hidden while animating
};

}  // namespace almanax::ihm
