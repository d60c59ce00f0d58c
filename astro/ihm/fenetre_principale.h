// The main window: the sixteen pages in the tab control `onglet`, the menus and their
// shortcuts, the status-bar clock, the settings kept between runs, help and the about
// box. It owns the session the pages share (catalogues, current site, options), fills
// it from the settings at start-up and writes the settings from it at close, and gives
// the pages what they share through the Contexte interface.
#pragma once

#include <QDateTime>
#include <QKeySequence>
#include <QMainWindow>
#include <QRect>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "donnees/reglages.h"
#include "donnees/session.h"
#include "ihm/contexte.h"

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QTimer;

namespace almanax::ihm {

class APropos;
class Dialogues;
class VerificationsDates;
class FenetreAide;
class Messages;
class Onglets;
class Page;
class PageCometes;
class PageDates;
class PageEclipses;
class PageEphemerides;
class PageEquationTemps;
class PageImpression;
class PageOptions;
class PagePerigeeApogee;
class PagePerihelie;
class PagePhases;
class PagePhenomenes;
class PagePlanetariumGeo;
class PagePlanetariumHelio;
class PagePrecession;
class PageSatellites;
class PageSoleilLune;
class PageCeSoir;

// The window's size and position when no setting gives them.
inline constexpr int largeur_conception = 820;
inline constexpr int hauteur_conception = 660;
inline constexpr int gauche_conception = 40;
inline constexpr int haut_conception = 40;

// Whether a window at `fenetre` can be seen and grabbed on one of the screens: a
// stored geometry that would put it off every screen is ignored.
bool geometrie_visible(const QRect& fenetre, const QList<QRect>& ecrans);

// The geometry stored in the settings, where a hand-edited file may hold any integer:
// checked in 64 bits before a QRect holds it (a corner past the integer range is
// undefined in QRect), then as geometrie_visible. Nothing when it would not show.
std::optional<QRect> geometrie_enregistree(int gauche, int haut, int largeur, int hauteur, const QList<QRect>& ecrans);

// The three texts of the status-bar clock at that instant: the Julian day with six
// decimals (the locale's separator), "samedi 1 Janvier 2000", the time "21:04:05".
std::array<QString, 3> textes_horloge(const QDateTime& instant, const QString& separateur);

// Read villes.dat (cometes.dat) in `dossier` into the session, the default entry being
// the one at `index_defaut` (the settings value), and tell the user what was wrong with
// the file. The missing file is written from the bundled one when creer_si_absent.
void charger_sites(Contexte& contexte, const QString& dossier, long long index_defaut, bool creer_si_absent = true);
void charger_cometes(Contexte& contexte, const QString& dossier, long long index_defaut, bool creer_si_absent = true);

class FenetrePrincipale : public QMainWindow, public Contexte {
  Q_OBJECT

 public:
  struct parametres {
    Messages* messages = nullptr;    // nothing: the real message boxes
    Dialogues* dialogues = nullptr;  // nothing: the real dialogs
    // Read the settings store at start-up and write it at close. Off for the pictures
    // of --capture, which show the window as on a first start and write nothing.
    bool reglages = true;
    // Write the bundled villes.dat into the working directory when it is missing.
    bool creer_fichiers = true;
  };

  FenetrePrincipale();
  explicit FenetrePrincipale(const parametres& p, QWidget* parent = nullptr);
  ~FenetrePrincipale() override;

  // Contexte
  Messages& messages() override { return *messages_; }
  Dialogues& dialogues() override { return *dialogues_; }
  date_jma date_de_demarrage() const override { return demarrage_; }
  QTime heure_presente() const override;
  QDateTime instant_present() const override { return QDateTime::currentDateTimeUtc(); }
  Session& session() override { return session_; }
  void borner_dates() override;
  void valider_annees() override;
  VerificationsDates& verifications() override { return *verifications_; }
  void ajouter_rapport(const QString& rapport) override;

  Onglets* onglet() const { return onglet_; }
  const std::vector<Page*>& pages() const { return pages_; }
  Page* page(const QString& nom) const;
  FenetreAide* fenetre_aide() const { return aide_; }
  // The seven menus, in menu-bar order.
  const std::array<QMenu*, 7>& menus() const { return menus_; }
  // The settings as the window would write them now: the session's, and the geometry.
  reglages reglages_actuels() const;

 public slots:
  // A page shown: its computing button takes the focus; animations stop.
  void page_montree(int index);
  // Tabs on one row or several, menus shown or hidden, as the session says.
  void appliquer_apparence();
  void quitter();
  void aide();
  void index_aide();
  void a_propos();
  // The status bar's Julian day, date and time.
  void horloge();

 protected:
  // The menus' shortcuts come before the edits' own keys (Ctrl+A, Ctrl+C, Ctrl+Z ...).
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void creer_pages();
  void creer_menus();
  void creer_barre_etat();
  void lire_reglages_au_demarrage();
  void sequence_de_demarrage();
  void afficher_page(Page* p);

  std::unique_ptr<Messages> messages_propres_;
  std::unique_ptr<Dialogues> dialogues_propres_;
  Messages* messages_;
  Dialogues* dialogues_;
  std::unique_ptr<VerificationsDates> verifications_;
  std::unique_ptr<QSettings> reglages_;
  Session session_;

  Onglets* onglet_ = nullptr;
  std::vector<Page*> pages_;
  PageEphemerides* ephemerides_ = nullptr;
  PageSoleilLune* soleil_lune_ = nullptr;
  PageCeSoir* ce_soir_ = nullptr;
  PagePhases* phases_ = nullptr;
  PagePerigeeApogee* perigees_ = nullptr;
  PageSatellites* satellites_ = nullptr;
  PageEquationTemps* equation_du_temps_ = nullptr;
  PageEclipses* eclipses_ = nullptr;
  PagePhenomenes* phenomenes_ = nullptr;
  PagePerihelie* perihelies_ = nullptr;
  PagePlanetariumHelio* planetarium_helio_ = nullptr;
  PagePlanetariumGeo* planetarium_geo_ = nullptr;
  PageCometes* page_cometes_ = nullptr;
  PagePrecession* precession_ = nullptr;
  PageDates* page_dates_ = nullptr;
  PageImpression* impression_ = nullptr;
  PageOptions* page_options_ = nullptr;

  std::array<QMenu*, 7> menus_{};
  std::vector<QKeySequence> raccourcis_;  // every menu item's shortcut
  std::array<QLabel*, 3> panneaux_{};
  QTimer* horloge_ = nullptr;
  FenetreAide* aide_ = nullptr;
  APropos* a_propos_ = nullptr;
  date_jma demarrage_;
  bool demarree_ = false;
};

}  // namespace almanax::ihm
