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
#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "calcul/calendrier.h"
#include "calcul/formats.h"
#include "calcul/rapport.h"
#include "calcul/temps_civil.h"
#include "donnees/dossiers.h"
#include "ihm/a_propos.h"
#include "ihm/aide.h"
#include "ihm/controles/controles_dates.h"
#include "ihm/controles/onglets.h"
#include "ihm/messages.h"
#include "ihm/pages/page_ce_soir.h"
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

void charger_sites(Contexte& contexte, const QString& dossier, long long index_defaut, bool creer_si_absent) {
  ModeleVilles& villes = contexte.session().villes();
  villes.memoriser_index(index_defaut);
  const chargement_villes c = villes.charger(dossier, creer_si_absent);
  const QString titre = QStringLiteral("Fichier des sites");
  if (!c.erreur.empty()) contexte.messages().erreur(QString::fromStdString(c.erreur), titre);
  if (!c.avertissements.empty()) {
    QString texte;
    for (const std::string& a : c.avertissements) texte += QString::fromStdString(a) + u'\n';
    contexte.messages().erreur(texte.trimmed(), titre);
  }
}

void charger_cometes(Contexte& contexte, const QString& dossier, long long index_defaut, bool creer_si_absent) {
  ModeleCometes& cometes = contexte.session().cometes();
  cometes.memoriser_index(index_defaut);
  const chargement_cometes c = cometes.charger(dossier, creer_si_absent);
  if (!c.erreur.empty())
    contexte.messages().erreur(QString::fromStdString(c.erreur), QStringLiteral("Catalogue des comètes"));
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
  verifications_ = std::make_unique<VerificationsDates>(*messages_);
  dialogues_ = p.dialogues ? p.dialogues : dialogues_propres_.get();

  creer_pages();
  creer_menus();
  creer_barre_etat();
  a_propos_ = new APropos(this);
  connect(a_propos_, &APropos::aideDemandee, this, &FenetrePrincipale::aide);
  move(gauche_conception, haut_conception);
  resize(largeur_conception, hauteur_conception);

  // 1. Settings: a later start restores them, a first start writes the defaults.
  if (p.reglages) {
    ouverture_reglages o = ouvrir_reglages();
    reglages_ = std::move(o.magasin);
    if (!reglages_) {
      messages_->erreur(QString::fromStdString(o.avertissement), QStringLiteral("Réglages"));
    } else if (reglages_presents(*reglages_)) {
      lire_reglages_au_demarrage();
    } else {
      ecrire_reglages(*reglages_, reglages_actuels());
    }
  }

  // 2. The start-up date, for the whole run.
  const QDate aujourdhui = QDate::currentDate();
  demarrage_ = {aujourdhui.day(), aujourdhui.month(), aujourdhui.year()};

  // 3 and 4. The pages' time pickers and date spins.
  const bool heure_actuelle = session_.dates().heure_actuelle;
  const QTime maintenant = heure_presente();
  for (Page* page : pages_) {
    if (heure_actuelle) page->poser_heure_de_demarrage(maintenant);
    page->poser_date_de_demarrage(demarrage_);
  }

  // 6 and 7. The sites file, the default site made current; the comets catalogue.
  // Each file where it is: the working directory's, else the user's data folder,
  // made on first start.
  const QString travail = QDir::currentPath();
  const QString dossier_villes = dossier_du_fichier(nom_fichier_villes, travail);
  const QString dossier_cometes = dossier_du_fichier(nom_fichier_cometes, travail);
  if (p.creer_fichiers)
    for (const QString& d : {dossier_villes, dossier_cometes}) QDir().mkpath(d);
  charger_sites(*this, dossier_villes, session_.villes().index_enregistre(), p.creer_fichiers);
  charger_cometes(*this, dossier_cometes, session_.cometes().index_enregistre(), p.creer_fichiers);

  // 8. Appearance.
  appliquer_apparence();

  // 9. Every page computed once.
  sequence_de_demarrage();

  connect(onglet_, &Onglets::currentChanged, this, &FenetrePrincipale::page_montree);
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
  ephemerides_ = ajouter(new PageEphemerides(c));
  soleil_lune_ = ajouter(new PageSoleilLune(c));
  ce_soir_ = ajouter(new PageCeSoir(c));
  phases_ = ajouter(new PagePhases(c));
  perigees_ = ajouter(new PagePerigeeApogee(c));
  satellites_ = ajouter(new PageSatellites(c));
  equation_du_temps_ = ajouter(new PageEquationTemps(c));
  eclipses_ = ajouter(new PageEclipses(c));
  phenomenes_ = ajouter(new PagePhenomenes(c));
  perihelies_ = ajouter(new PagePerihelie(c));
  planetarium_helio_ = ajouter(new PagePlanetariumHelio(c));
  planetarium_geo_ = ajouter(new PagePlanetariumGeo(c));
  page_cometes_ = ajouter(new PageCometes(c));
  precession_ = ajouter(new PagePrecession(c));
  page_dates_ = ajouter(new PageDates(c));
  impression_ = ajouter(new PageImpression(c));
  page_options_ = ajouter(new PageOptions(c));
  connect(&session_, &Session::apparenceChangee, this, &FenetrePrincipale::appliquer_apparence);
  // The start-up computes every page after the default site is made current.
  connect(&session_, &Session::echelleChangee, this, [this] {
    if (!demarree_) return;
    for (Page* p : pages_) p->echelle_changee();
  });
  connect(&session_, &Session::siteChange, this, [this] {
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
  menu(1, "Plantes1", QStringLiteral("&Planètes"),
       {{"Ephmrides1", QStringLiteral("Éphémérides"), QKeySequence(Qt::CTRL | Qt::Key_E), ephemerides_},
        {"PrihlieetAphlie1", QStringLiteral("Périhélie et Aphélie"), QKeySequence(Qt::CTRL | Qt::Key_A), perihelies_},
        {"PhnomnesPlantaires1", QStringLiteral("Phénomènes Planétaires"), QKeySequence(Qt::CTRL | Qt::Key_P),
         phenomenes_}});
  menu(2, "Lune1", QStringLiteral("&Lune"),
       {{"Ephmrides2", QStringLiteral("Éphémérides"), QKeySequence(Qt::CTRL | Qt::Key_M), soleil_lune_},
        {"Eclipses1", QStringLiteral("Éclipses"), QKeySequence(Qt::CTRL | Qt::Key_C), eclipses_},
        {"Phases1", QStringLiteral("Phases"), QKeySequence(Qt::CTRL | Qt::Key_S), phases_},
        {"Prigesetapoges1", QStringLiteral("Périgées et apogées"), QKeySequence(Qt::CTRL | Qt::Key_R), perigees_}});
  menu(3, "Soleil1", QStringLiteral("&Soleil"),
       {{"Ephmrides3", QStringLiteral("Éphémérides"), QKeySequence(Qt::CTRL | Qt::Key_I), soleil_lune_},
        {"Eclipses2", QStringLiteral("Éclipses"), QKeySequence(Qt::CTRL | Qt::Key_L), eclipses_}});
  menu(4, "Plantarium1", QStringLiteral("Planétarium"),
       {{"Gocentrique1", QStringLiteral("Géocentrique"), QKeySequence(Qt::CTRL | Qt::Key_G), planetarium_geo_},
        {"Hliocentrique1", QStringLiteral("Héliocentrique"), QKeySequence(Qt::CTRL | Qt::Key_H), planetarium_helio_}});
  menu(
      5, "Divers1", QStringLiteral("Divers"),
      {{"CeSoir1", QStringLiteral("Ce soir"), QKeySequence(Qt::CTRL | Qt::Key_N), ce_soir_},
       {"Comtes1", QStringLiteral("Comètes"), QKeySequence(Qt::CTRL | Qt::Key_T), page_cometes_},
       {"Prcessiondesquinoxes1", QStringLiteral("Précession des équinoxes"), QKeySequence(Qt::CTRL | Qt::Key_Q),
        precession_},
       {"Satellitesjoviens1", QStringLiteral("Satellites joviens"), QKeySequence(Qt::CTRL | Qt::Key_J), satellites_},
       {"Dates1", QStringLiteral("Dates"), QKeySequence(Qt::CTRL | Qt::Key_Z), page_dates_},
       {"quationdutemps1", QStringLiteral("Équation du temps"), QKeySequence(Qt::CTRL | Qt::Key_U), equation_du_temps_},
       separateur,
       {"Options1", QStringLiteral("Options"), QKeySequence(Qt::Key_F2), page_options_},
       {"Impression1", QStringLiteral("Impression"), QKeySequence(Qt::Key_F3), impression_}});
  menu(6, "Aide1", QStringLiteral("?"),
       {{"Aide2", QStringLiteral("Aide"), QKeySequence(Qt::Key_F1), nullptr},
        {"Index1", QStringLiteral("Index"), QKeySequence(Qt::CTRL | Qt::Key_F1), nullptr},
        separateur,
        {"Apropos1", QStringLiteral("A propos..."), QKeySequence(Qt::CTRL | Qt::Key_O), nullptr}});
  connect(findChild<QAction*>(QStringLiteral("Fin1")), &QAction::triggered, this, &FenetrePrincipale::quitter);
  connect(findChild<QAction*>(QStringLiteral("Aide2")), &QAction::triggered, this, &FenetrePrincipale::aide);
  connect(findChild<QAction*>(QStringLiteral("Index1")), &QAction::triggered, this, &FenetrePrincipale::index_aide);
  connect(findChild<QAction*>(QStringLiteral("Apropos1")), &QAction::triggered, this, &FenetrePrincipale::a_propos);
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

void FenetrePrincipale::lire_reglages_au_demarrage() {
  const reglages r = lire_reglages(*reglages_, reglages_actuels());
  QList<QRect> ecrans;
  for (const QScreen* s : QGuiApplication::screens()) ecrans.append(s->availableGeometry());
  if (const std::optional<QRect> g = geometrie_enregistree(r.gauche, r.haut, r.largeur, r.hauteur, ecrans)) {
    move(g->topLeft());
    resize(g->size());
  }
  session_.appliquer(r);
}

reglages FenetrePrincipale::reglages_actuels() const {
  reglages r;
  r.gauche = pos().x();
  r.haut = pos().y();
  r.hauteur = height();
  r.largeur = width();
  return session_.reglages_de(r);
}

void FenetrePrincipale::sequence_de_demarrage() {
  phases_->copier();
  eclipses_->calculer();
  planetarium_helio_->calculer();
  perigees_->calculer();
  ephemerides_->calculer();
  soleil_lune_->calculer();
  ce_soir_->calculer();
  phenomenes_->calculer();
  satellites_->calculer();
  equation_du_temps_->calculer();
  eclipses_->calculer();
  phases_->calculer();
  perihelies_->calculer();
  planetarium_geo_->calculer();
  page_dates_->calculer();
  page_cometes_->effacer();
  impression_->effacer();
  eclipses_->effacer();
}

QTime FenetrePrincipale::heure_presente() const {
  const QTime t = QTime::currentTime();
  return QTime(t.hour(), t.minute(), t.second());
}

void FenetrePrincipale::borner_dates() {
  std::vector<date_a_borner> dates;
  for (const Page* p : pages_)
    for (const date_a_borner& d : p->dates_a_borner()) dates.push_back(d);
  verifications_->borner(dates);
}
void FenetrePrincipale::valider_annees() {
  std::vector<annee_a_valider> annees;
  for (const Page* p : pages_)
    for (const annee_a_valider& a : p->annees_a_valider()) annees.push_back(a);
  // The page of a wrong year is shown once the event under way is over: the check also
  // runs when a year field loses the focus because the user changes pages, and a page
  // change made inside that one would leave the tab bar and the page shown apart.
  verifications_->valider(annees, [this](QWidget* page, QWidget* champ) {
    QTimer::singleShot(0, this,
                       [this, p = QPointer<Page>(qobject_cast<Page*>(page)), champ = QPointer<QWidget>(champ)] {
                         if (!p || !champ) return;
                         // Showing the page moves the focus through its fields: that is no leaving of a
                         // year field by the user, and must not report the year again.
                         verifications_->sans_verification([&] {
                           afficher_page(p);
                           champ->setFocus();
                         });
                       });
  });
}
void FenetrePrincipale::ajouter_rapport(const QString& rapport) {
  impression_->ajouter(rapport);
}

Page* FenetrePrincipale::page(const QString& nom) const {
  for (Page* p : pages_)
    if (p->objectName() == nom) return p;
  return nullptr;
}

void FenetrePrincipale::afficher_page(Page* p) {
  onglet_->setCurrentIndex(onglet_->indexOf(p));
}

void FenetrePrincipale::page_montree(int index) {
  if (auto* p = qobject_cast<Page*>(onglet_->widget(index)))
    if (QWidget* b = p->bouton_calcul()) b->setFocus();
  planetarium_helio_->arreter_animation();
  planetarium_geo_->arreter_animation();
}

void FenetrePrincipale::appliquer_apparence() {
  onglet_->setPlusieursRangees(!session_.onglets_une_rangee());
  // Hidden menus keep their shortcuts: the window holds every item too.
  const bool visibles = session_.menus_visibles();
  for (QMenu* m : menus_) m->menuAction()->setVisible(visibles);
  menuBar()->setVisible(visibles);
}

void FenetrePrincipale::quitter() {
  close();
}

void FenetrePrincipale::aide() {
  if (!aide_) aide_ = new FenetreAide(this);
  aide_->ouvrir(QString::fromLatin1(fichier_aide));
}

void FenetrePrincipale::index_aide() {
  if (!aide_) aide_ = new FenetreAide(this);
  aide_->ouvrir(QString::fromLatin1(fichier_index));
}

void FenetrePrincipale::a_propos() {
  dialogues_->montrer_modal(*a_propos_);
}

void FenetrePrincipale::horloge() {
  QDateTime maintenant = QDateTime::currentDateTime();
  const fuseau_horaire* f = session_.echelle().fuseau();
  if (f) maintenant = instant_present().toTimeZone(QTimeZone(QByteArray::fromStdString(f->nom())));
  std::array<QString, 3> t = textes_horloge(maintenant, QLocale().decimalPoint());
  // Civil time: the zone's clock, and which zone it is.
  if (f)
    t[2] +=
        QStringLiteral(" %1 (%2)")
            .arg(QString::fromStdString(f->nom()), QString::fromStdString(texte_decalage(maintenant.offsetFromUtc())));
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
  if (demarree_) satellites_->calculer();
}

void FenetrePrincipale::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && !isActiveWindow() && planetarium_helio_) {
    planetarium_helio_->arreter_animation();
    planetarium_geo_->arreter_animation();
  }
  QMainWindow::changeEvent(e);
}

}  // namespace almanax::ihm
