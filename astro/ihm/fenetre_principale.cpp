#include "ihm/fenetre_principale.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "calcul/calendrier.h"
#include "calcul/formats.h"
#include "calcul/rapport.h"
#include "ihm/a_propos.h"
#include "ihm/aide.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/onglets.h"
#include "ihm/messages.h"
#include "ihm/pages/page_cometes.h"
#include "ihm/pages/page_dates.h"
#include "ihm/pages/page_eclipses.h"
#include "ihm/pages/page_ephemerides.h"
#include "ihm/pages/page_equation_temps.h"
#include "ihm/pages/page_impression.h"
#include "ihm/pages/page_options.h"
#include "ihm/pages/page_perigee_apogee.h"
#include "ihm/pages/page_perihelie.h"
#include "ihm/pages/page_phases.h"
#include "ihm/pages/page_phenomenes.h"
#include "ihm/pages/page_planetarium_geo.h"
#include "ihm/pages/page_planetarium_helio.h"
#include "ihm/pages/page_precession.h"
#include "ihm/pages/page_satellites.h"
#include "ihm/pages/page_soleil_lune.h"

// The help pages and the icon are resources of a static library: their registration
// must be pulled in by a reference, made outside any namespace.
static void enregistrer_ressources_ihm() {
  Q_INIT_RESOURCE(ressources);
}

namespace almanax::ihm {

bool geometrie_visible(const QRect& fenetre, const QList<QRect>& ecrans) {
  if (fenetre.width() < 100 || fenetre.height() < 100 || fenetre.width() > 20000 || fenetre.height() > 20000)
    return false;
  // Enough of the top of the window must be on a screen to take hold of it.
  const QRect haut(fenetre.left(), fenetre.top(), fenetre.width(), 30);
  for (const QRect& e : ecrans) {
    const QRect commun = e.intersected(haut);
    if (commun.width() >= 80 && commun.height() >= 20) return true;
  }
  return false;
}

std::optional<QRect> geometrie_enregistree(int gauche, int haut, int largeur, int hauteur, const QList<QRect>& ecrans) {
  // Far beyond any screen: a position this large is never on one, and below it
  // every corner and intersection stays well inside the integer range.
  constexpr long long position_max = 1 << 24;
  constexpr long long taille_max = 20000;
  if (largeur < 1 || hauteur < 1 || largeur > taille_max || hauteur > taille_max) return std::nullopt;
  if (std::llabs(gauche) > position_max || std::llabs(haut) > position_max) return std::nullopt;
  for (const QRect& e : ecrans)
    if (std::llabs(e.left()) > position_max || std::llabs(e.top()) > position_max || e.width() > position_max ||
        e.height() > position_max)
      return std::nullopt;
  const QRect g(gauche, haut, largeur, hauteur);
  if (!geometrie_visible(g, ecrans)) return std::nullopt;
  return g;
}

std::array<QString, 3> textes_horloge(const QDateTime& instant, const QString& separateur) {
  const QDate j = instant.date();
  const QTime h = instant.time();
  date_de_calcul d;
  d.jour = j.day();
  d.mois = j.month();
  d.annee = j.year();
  d.heure = static_cast<std::uint16_t>(h.hour());
  d.minute = static_cast<std::uint16_t>(h.minute());
  d.seconde = static_cast<std::uint16_t>(h.second());
  julien(d);
  return {QString::fromStdString(format_float("0.000000", d.jour_julien, separateur.toStdString())),
          QString::fromStdString(d.nom_du_jour) + u' ' + QString::number(j.day()) + u' ' +
              QString::fromStdString(nom_du_mois(j.month())) + u' ' + QString::number(j.year()),
          QString::fromStdString(texte_heure(h.hour(), h.minute(), h.second()))};
}

FenetrePrincipale::FenetrePrincipale() : FenetrePrincipale(parametres{}) {}

FenetrePrincipale::FenetrePrincipale(const parametres& p, QWidget* parent) : QMainWindow(parent) {
  enregistrer_ressources_ihm();
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Almanax 2.0"));
  setWindowIcon(icone_almanax());
  if (!p.messages) messages_propres_ = std::make_unique<MessagesBoites>(this);
  if (!p.dialogues) dialogues_propres_ = std::make_unique<DialoguesQt>();
  messages_ = p.messages ? p.messages : messages_propres_.get();
  dialogues_ = p.dialogues ? p.dialogues : dialogues_propres_.get();

  creer_pages();
  creer_menus();
  creer_barre_etat();
  a_propos_ = new APropos(this);
  connect(a_propos_, &APropos::aideDemandee, this, &FenetrePrincipale::Aide2Click);
  move(gauche_conception, haut_conception);
  resize(largeur_conception, hauteur_conception);

  // 1. Settings: a later start restores them, a first start writes the defaults.
  long long site = reglages{}.site;
  if (p.reglages) {
    ouverture_reglages o = ouvrir_reglages();
    reglages_ = std::move(o.magasin);
    if (!reglages_) {
      messages_->erreur(QString::fromStdString(o.avertissement), QStringLiteral("Réglages"));
    } else if (reglages_presents(*reglages_)) {
      site = lire_reglages_au_demarrage().site;
    } else {
      ecrire_reglages(*reglages_, reglages_actuels());
    }
  }

  // 2. The start-up date, for the whole run.
  const QDate aujourdhui = QDate::currentDate();
  demarrage_ = {aujourdhui.day(), aujourdhui.month(), aujourdhui.year()};

  // 3 and 4. The pages' time pickers and date spins.
  const bool heure_actuelle = options_->options().heure_actuelle;
  const QTime maintenant = heure_presente();
  for (Page* page : pages_) {
    if (heure_actuelle) page->poser_heure_de_demarrage(maintenant);
    page->poser_date_de_demarrage(demarrage_);
  }

  // 6 and 7. The sites file, the default site made current.
  options_->charger_sites(QDir::currentPath(), site, p.creer_fichiers);
  tcomete_->charger_cometes(QDir::currentPath(), options_->index_comete_defaut(), p.creer_fichiers);

  // 8. Appearance.
  rmnClick();

  // 9. Every page computed once.
  sequence_de_demarrage();

  connect(onglet_, &Onglets::currentChanged, this, &FenetrePrincipale::ongletChange);
  // Before any control of the window sees a key it would take for itself.
  qApp->installEventFilter(this);
  horloge();
  horloge_->start();
  demarree_ = true;
}

FenetrePrincipale::~FenetrePrincipale() = default;

void FenetrePrincipale::creer_pages() {
  onglet_ = new Onglets(this);
  setCentralWidget(onglet_);
  auto ajouter = [this](auto* page) {
    pages_.push_back(page);
    onglet_->ajouter(page, page->legende());
    return page;
  };
  Contexte& c = *this;
  ephemeride_ = ajouter(new PageEphemerides(c));
  soleil_ = ajouter(new PageSoleilLune(c));
  phases_lune_ = ajouter(new PagePhases(c));
  peri_apog_ = ajouter(new PagePerigeeApogee(c));
  sat_jup_ = ajouter(new PageSatellites(c));
  equation_du_temps_ = ajouter(new PageEquationTemps(c));
  eclipses_ = ajouter(new PageEclipses(c));
  phepla_ = ajouter(new PagePhenomenes(c));
  periaphe_ = ajouter(new PagePerihelie(c));
  plan_helio_ = ajouter(new PagePlanetariumHelio(c));
  plan_geo_ = ajouter(new PagePlanetariumGeo(c));
  tcomete_ = ajouter(new PageCometes(c));
  prec_equi_ = ajouter(new PagePrecession(c));
  tdates_ = ajouter(new PageDates(c));
  print_all_ = ajouter(new PageImpression(c));
  options_ = ajouter(new PageOptions(c));
  connect(options_, &PageOptions::apparenceChangee, this, &FenetrePrincipale::rmnClick);
  // The default comet is chosen on the "Comètes" page and shown and kept by the Options page.
  connect(tcomete_, &PageCometes::cometeParDefaut, options_, &PageOptions::set_comete_defaut);
  tcomete_->set_choix_par_defaut([this] { return options_->comete_par_defaut_cochee(); });
  // The start-up computes every page after the default site is made current.
  connect(options_, &PageOptions::siteChange, this, [this] {
    if (!demarree_) return;
    for (Page* p : pages_) p->site_change();
  });
}

void FenetrePrincipale::creer_menus() {
  struct element {
    const char* nom;
    QString texte;
    QKeySequence touches;
    Page* page;  // the page it opens; none for the items with their own handler
  };
  auto menu = [this](std::size_t rang, const char* nom, const QString& titre, const std::vector<element>& elements) {
    QMenu* m = menuBar()->addMenu(titre);
    m->setObjectName(QString::fromLatin1(nom));
    m->menuAction()->setObjectName(QString::fromLatin1(nom) + QStringLiteral("_menu"));
    for (const element& e : elements) {
      if (!e.nom) {
        m->addSeparator();
        continue;
      }
      QAction* a = m->addAction(e.texte);
      a->setObjectName(QString::fromLatin1(e.nom));
      a->setShortcut(e.touches);
      raccourcis_.push_back(e.touches);
      // Also held by the window, so the shortcuts work while the menus are hidden.
      addAction(a);
      if (e.page) connect(a, &QAction::triggered, this, [this, p = e.page] { afficher_page(p); });
    }
    menus_[rang] = m;
    return m;
  };
  const element separateur{nullptr, {}, {}, nullptr};
  // Alt+X: Alt+E belongs to the "&Efface" buttons of the pages.
  menu(0, "Fichier1", QStringLiteral("E&xit"),
       {{"Fin1", QStringLiteral("Fin"), QKeySequence(Qt::CTRL | Qt::Key_F4), nullptr}});
  menu(
      1, "Plantes1", QStringLiteral("&Planètes"),
      {{"Ephmrides1", QStringLiteral("Éphémérides"), QKeySequence(Qt::CTRL | Qt::Key_E), ephemeride_},
       {"PrihlieetAphlie1", QStringLiteral("Périhélie et Aphélie"), QKeySequence(Qt::CTRL | Qt::Key_A), periaphe_},
       {"PhnomnesPlantaires1", QStringLiteral("Phénomènes Planétaires"), QKeySequence(Qt::CTRL | Qt::Key_P), phepla_}});
  menu(2, "Lune1", QStringLiteral("&Lune"),
       {{"Ephmrides2", QStringLiteral("Éphémérides"), QKeySequence(Qt::CTRL | Qt::Key_M), soleil_},
        {"Eclipses1", QStringLiteral("Éclipses"), QKeySequence(Qt::CTRL | Qt::Key_C), eclipses_},
        {"Phases1", QStringLiteral("Phases"), QKeySequence(Qt::CTRL | Qt::Key_S), phases_lune_},
        {"Prigesetapoges1", QStringLiteral("Périgées et apogées"), QKeySequence(Qt::CTRL | Qt::Key_R), peri_apog_}});
  menu(3, "Soleil1", QStringLiteral("&Soleil"),
       {{"Ephmrides3", QStringLiteral("Éphémérides"), QKeySequence(Qt::CTRL | Qt::Key_I), soleil_},
        {"Eclipses2", QStringLiteral("Éclipses"), QKeySequence(Qt::CTRL | Qt::Key_L), eclipses_}});
  menu(4, "Plantarium1", QStringLiteral("Planétarium"),
       {{"Gocentrique1", QStringLiteral("Géocentrique"), QKeySequence(Qt::CTRL | Qt::Key_G), plan_geo_},
        {"Hliocentrique1", QStringLiteral("Héliocentrique"), QKeySequence(Qt::CTRL | Qt::Key_H), plan_helio_}});
  menu(
      5, "Divers1", QStringLiteral("Divers"),
      {{"Comtes1", QStringLiteral("Comètes"), QKeySequence(Qt::CTRL | Qt::Key_T), tcomete_},
       {"Prcessiondesquinoxes1", QStringLiteral("Précession des équinoxes"), QKeySequence(Qt::CTRL | Qt::Key_Q),
        prec_equi_},
       {"Satellitesjoviens1", QStringLiteral("Satellites joviens"), QKeySequence(Qt::CTRL | Qt::Key_J), sat_jup_},
       {"Dates1", QStringLiteral("Dates"), QKeySequence(Qt::CTRL | Qt::Key_Z), tdates_},
       {"quationdutemps1", QStringLiteral("Équation du temps"), QKeySequence(Qt::CTRL | Qt::Key_U), equation_du_temps_},
       separateur,
       {"Options1", QStringLiteral("Options"), QKeySequence(Qt::Key_F2), options_},
       {"Impression1", QStringLiteral("Impression"), QKeySequence(Qt::Key_F3), print_all_}});
  menu(6, "Aide1", QStringLiteral("?"),
       {{"Aide2", QStringLiteral("Aide"), QKeySequence(Qt::Key_F1), nullptr},
        {"Index1", QStringLiteral("Index"), QKeySequence(Qt::CTRL | Qt::Key_F1), nullptr},
        separateur,
        {"Apropos1", QStringLiteral("A propos..."), QKeySequence(Qt::CTRL | Qt::Key_O), nullptr}});
  connect(findChild<QAction*>(QStringLiteral("Fin1")), &QAction::triggered, this, &FenetrePrincipale::Fin1Click);
  connect(findChild<QAction*>(QStringLiteral("Aide2")), &QAction::triggered, this, &FenetrePrincipale::Aide2Click);
  connect(findChild<QAction*>(QStringLiteral("Index1")), &QAction::triggered, this, &FenetrePrincipale::Index1Click);
  connect(findChild<QAction*>(QStringLiteral("Apropos1")), &QAction::triggered, this,
          &FenetrePrincipale::Apropos1Click);
}

void FenetrePrincipale::creer_barre_etat() {
  const std::array<const char*, 3> noms{"panneau_jour_julien", "panneau_date", "panneau_heure"};
  const std::array<int, 3> etirement{1, 2, 1};
  for (std::size_t i = 0; i < panneaux_.size(); ++i) {
    panneaux_[i] = new QLabel(this);
    panneaux_[i]->setObjectName(QString::fromLatin1(noms[i]));
    statusBar()->addWidget(panneaux_[i], etirement[i]);
  }
  horloge_ = new QTimer(this);
  horloge_->setObjectName(QStringLiteral("horloge"));
  horloge_->setInterval(999);
  connect(horloge_, &QTimer::timeout, this, &FenetrePrincipale::horloge);
}

reglages FenetrePrincipale::lire_reglages_au_demarrage() {
  const reglages r = lire_reglages(*reglages_, reglages_actuels());
  QList<QRect> ecrans;
  for (const QScreen* s : QGuiApplication::screens()) ecrans.append(s->availableGeometry());
  if (const std::optional<QRect> g = geometrie_enregistree(r.gauche, r.haut, r.largeur, r.hauteur, ecrans)) {
    move(g->topLeft());
    resize(g->size());
  }
  options_->set_menus_visibles(r.menu);
  options_->set_onglets_une_rangee(r.onglet);
  options_->set_options({r.heure_actuelle, r.date_du_jour, r.midi, r.minuit});
  options_->set_index_comete_defaut(r.comete);
  return r;
}

reglages FenetrePrincipale::reglages_actuels() const {
  reglages r;
  r.site = options_->index_site_defaut();
  r.comete = options_->index_comete_defaut();
  r.onglet = options_->onglets_une_rangee();
  r.onglet2 = !r.onglet;
  r.menu = options_->menus_visibles();
  r.menu2 = !r.menu;
  const options_dates o = options_->options();
  r.heure_actuelle = o.heure_actuelle;
  r.date_du_jour = o.date_du_jour;
  r.midi = o.midi;
  r.minuit = o.minuit;
  r.gauche = pos().x();
  r.haut = pos().y();
  r.hauteur = height();
  r.largeur = width();
  return r;
}

void FenetrePrincipale::sequence_de_demarrage() {
  phases_lune_->copier();
  eclipses_->calculer();
  plan_helio_->calculer();
  peri_apog_->calculer();
  ephemeride_->calculer();
  soleil_->calculer();
  phepla_->calculer();
  sat_jup_->calculer();
  equation_du_temps_->calculer();
  eclipses_->calculer();
  phases_lune_->calculer();
  periaphe_->calculer();
  plan_geo_->calculer();
  tdates_->calculer();
  tcomete_->effacer();
  print_all_->effacer();
  eclipses_->effacer();
}

options_dates FenetrePrincipale::options() const {
  return options_->options();
}

QTime FenetrePrincipale::heure_presente() const {
  const QTime t = QTime::currentTime();
  return QTime(t.hour(), t.minute(), t.second());
}

site_courant FenetrePrincipale::site() const {
  return options_->site();
}
champs_site FenetrePrincipale::site_affiche() const {
  return options_->site_affiche();
}
void FenetrePrincipale::borner_dates() {
  borner_dates_fenetre(this, *messages_);
}
void FenetrePrincipale::valider_annees() {
  // The page of a wrong year is shown once the event under way is over: the check also
  // runs when a year field loses the focus because the user changes pages, and a page
  // change made inside that one would leave the tab bar and the page shown apart.
  valider_annees_fenetre(this, *messages_, [this](Page* p, QWidget* champ) {
    QTimer::singleShot(0, this, [this, p = QPointer<Page>(p), champ = QPointer<QWidget>(champ)] {
      if (!p || !champ) return;
      // Showing the page moves the focus through its fields: that is no leaving of a
      // year field by the user, and must not report the year again.
      sans_verification([&] {
        afficher_page(p);
        champ->setFocus();
      });
    });
  });
}
void FenetrePrincipale::ajouter_rapport(const QString& rapport) {
  print_all_->ajouter(rapport);
}

Page* FenetrePrincipale::page(const QString& nom) const {
  for (Page* p : pages_)
    if (p->objectName() == nom) return p;
  return nullptr;
}

void FenetrePrincipale::afficher_page(Page* p) {
  onglet_->setCurrentIndex(onglet_->indexOf(p));
}

void FenetrePrincipale::ongletChange(int index) {
  if (auto* p = qobject_cast<Page*>(onglet_->widget(index)))
    if (QWidget* b = p->bouton_calcul()) b->setFocus();
  plan_helio_->arreter_animation();
  plan_geo_->arreter_animation();
}

void FenetrePrincipale::rmnClick() {
  onglet_->setPlusieursRangees(!options_->onglets_une_rangee());
  // Hidden menus keep their shortcuts: the window holds every item too.
  const bool visibles = options_->menus_visibles();
  for (QMenu* m : menus_) m->menuAction()->setVisible(visibles);
  menuBar()->setVisible(visibles);
}

void FenetrePrincipale::Fin1Click() {
  close();
}

void FenetrePrincipale::Aide2Click() {
  if (!aide_) aide_ = new FenetreAide(this);
  aide_->ouvrir(QString::fromLatin1(fichier_aide));
}

void FenetrePrincipale::Index1Click() {
  if (!aide_) aide_ = new FenetreAide(this);
  aide_->ouvrir(QString::fromLatin1(fichier_index));
}

void FenetrePrincipale::Apropos1Click() {
  dialogues_->montrer_modal(*a_propos_);
}

void FenetrePrincipale::horloge() {
  const std::array<QString, 3> t = textes_horloge(QDateTime::currentDateTime(), QLocale().decimalPoint());
  for (std::size_t i = 0; i < t.size(); ++i) panneaux_[i]->setText(t[i]);
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
  // An edit, a time picker or a list claims Ctrl+A, Ctrl+C, Ctrl+E, Ctrl+U and Ctrl+Z
  // for itself (the shortcut override): here the menus' shortcuts win from every
  // control of this window, so the key goes on to the menu item.
  if (evenement->type() == QEvent::ShortcutOverride) {
    const auto* w = qobject_cast<QWidget*>(objet);
    if (w && w->window() == this) {
      const auto* touche = static_cast<QKeyEvent*>(evenement);
      const QKeySequence sequence(touche->keyCombination());
      if (std::find(raccourcis_.begin(), raccourcis_.end(), sequence) != raccourcis_.end()) {
        evenement->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(objet, evenement);
}

void FenetrePrincipale::closeEvent(QCloseEvent* e) {
  if (reglages_) {
    ecrire_reglages(*reglages_, reglages_actuels());
    reglages_.reset();
  }
  horloge_->stop();
  if (aide_) aide_->close();
  e->accept();
}

void FenetrePrincipale::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  // The satellites' drawing follows the window's size.
  if (demarree_) sat_jup_->calculer();
}

void FenetrePrincipale::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && !isActiveWindow() && plan_helio_) {
    plan_helio_->arreter_animation();
    plan_geo_->arreter_animation();
  }
  QMainWindow::changeEvent(e);
}

}  // namespace almanax::ihm
