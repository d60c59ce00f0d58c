#include "ihm/pages/page_planetarium.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dessin/dessin_planetarium.h"
#include "ihm/animation.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"

namespace almanax::ihm {

namespace {

// A small disc of the body's colour on its tool button.
QIcon pastille(const couleur_corps& c) {
  QPixmap p(12, 12);
  p.fill(Qt::transparent);
  QPainter peintre(&p);
  peintre.setRenderHint(QPainter::Antialiasing);
  peintre.setPen(Qt::black);
  peintre.setBrush(dessin::couleur_qt(c));
  peintre.drawEllipse(QRectF(0.5, 0.5, 11, 11));
  return QIcon(p);
}

// The focus came by the mouse or the keyboard (not by the window's activation).
bool par_l_utilisateur(QEvent* e) {
  const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
  return r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
         r == Qt::ShortcutFocusReason;
}

// The column of controls beside the picture: what the geocentric map leaves of the
// window's design width.
constexpr int largeur_conception_colonne = 170;

}  // namespace

PagePlanetarium::PagePlanetarium(Contexte& contexte, const noms_planetarium& n, QWidget* parent)
    : Page(contexte, QString::fromLatin1(n.page), QString::fromUtf8(n.legende), QString::fromLatin1(n.capture), parent),
      date_(n.dates, {1, 1, 2000}, true, this),
      titre_sauvegarde_(n.titre_sauvegarde) {
  heure_ = selecteur_heure(n.heure, this);
  ok_ = bouton(n.ok, QStringLiteral("&OK"), this);
  ok_->setMinimumWidth(0);
  maintenant_ = bouton(n.maintenant, QStringLiteral("&Maintenant"), this);
  maintenant_->setMinimumWidth(0);

  // ---- Tool buttons: one per body, down when it is drawn; the name is the hint -------
  auto* outils = new QGridLayout;
  outils->setSpacing(2);
  for (std::size_t k = 0; k < n.corps.size(); ++k) {
    auto* b = new QToolButton(this);
    const QString nom = QString::fromStdString(std::string(n.corps[k]));
    b->setObjectName(QString::fromLatin1(n.outil) + QString::number(k + 1));
    b->setText(nom);
    b->setToolTip(nom);
    b->setAccessibleName(nom);
    b->setIcon(pastille(n.couleurs[k]));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setCheckable(true);
    b->setChecked(true);
    outils->addWidget(b, static_cast<int>(k / 5), static_cast<int>(k % 5));
    outils_.push_back(b);
    bulles_.push_back(nom);
    connect(b, &QToolButton::clicked, this, [this] { dessiner(); });
  }
  outils->setColumnStretch(5, 1);

  // ---- "Intervale" and "Mode" ----------------------------------------------------------
  auto* g_intervalle = groupe(n.intervalle, QStringLiteral("Intervale"), this);
  intervalles_ = new QButtonGroup(this);
  {
    // Two columns, in reading order, so the column of controls stays short.
    // Narrow margins, and no caption cut by its neighbour: a radio button keeps the
    // width of its caption ("1 heure" beside "1 jour" in the narrow column).
    auto* l = new QGridLayout(g_intervalle);
    l->setSpacing(1);
    l->setHorizontalSpacing(4);
    l->setContentsMargins(4, 4, 2, 4);
    for (int k = 0; k < n.intervalles.size(); ++k) {
      auto* r = new QRadioButton(n.intervalles[k], g_intervalle);
      r->setObjectName(QString::fromLatin1(n.intervalle) + QString::number(k));
      r->setMinimumWidth(r->sizeHint().width());
      r->setChecked(k == n.intervalle_initial);
      intervalles_->addButton(r, k);
      l->addWidget(r, k / 2, k % 2);
    }
  }
  auto* g_mode = groupe(n.mode, QStringLiteral("Mode"), this);
  auto* automatique = new QRadioButton(QStringLiteral("Automatique"), g_mode);
  automatique->setObjectName(QString::fromLatin1(n.mode) + QStringLiteral("0"));
  automatique->setChecked(true);
  manuel_ = new QRadioButton(QStringLiteral("Manuel"), g_mode);
  manuel_->setObjectName(QString::fromLatin1(n.mode) + QStringLiteral("1"));
  {
    auto* l = new QVBoxLayout(g_mode);
    l->setSpacing(1);
    l->addWidget(automatique);
    l->addWidget(manuel_);
  }

  // ---- Steps, picture --------------------------------------------------------------------
  precedent_ = bouton(n.precedent, QStringLiteral("<<"), this);
  precedent_->setToolTip(QStringLiteral("Reculer"));
  stop_ = bouton(n.stop, QStringLiteral("Stop"), this);
  stop_->setToolTip(QStringLiteral("Arrêter l'animation"));
  suivant_ = bouton(n.suivant, QStringLiteral(">>"), this);
  suivant_->setToolTip(QStringLiteral("Avancer"));
  sauver_ = bouton(n.sauver, QStringLiteral("Sauvegarder"), this);
  cadre_ = cadre_image(n.image, n.largeur, n.hauteur, this);
  cadre_->installEventFilter(this);
  animation_ = new Animation([this] { return faire_pas(sens_); }, this);

  // ---- Layout: the controls in a column beside the picture ---------------------------
  {
    auto* saisie = new QGridLayout;
    saisie->setVerticalSpacing(3);
    const std::pair<const char*, QWidget*> champs[] = {
        {"Jour", date_.jour()}, {"Mois", date_.mois()}, {"Année", date_.an()}, {"Heure", heure_}};
    int rang = 0;
    for (const auto& [legende, champ] : champs) {
      auto* l = new QLabel(QString::fromUtf8(legende), this);
      l->setBuddy(champ);
      saisie->addWidget(l, rang, 0, Qt::AlignRight);
      saisie->addWidget(champ, rang++, 1);
    }
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(ok_);
    boutons->addWidget(maintenant_);
    auto* pas = new QHBoxLayout;
    for (QPushButton* b : {precedent_, stop_, suivant_}) {
      b->setMinimumWidth(0);
      b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
      pas->addWidget(b);
    }
    panneau_ = new QVBoxLayout;
    auto* gauche = new QVBoxLayout;
    gauche->setSpacing(4);
    gauche->addLayout(saisie);
    gauche->addLayout(boutons);
    gauche->addLayout(outils);
    gauche->addWidget(g_intervalle);
    gauche->addWidget(g_mode);
    gauche->addLayout(pas);
    gauche->addWidget(sauver_);
    gauche->addLayout(panneau_);
    avertissement_pluton_ = new QLabel(this);
    avertissement_pluton_->setObjectName(QStringLiteral("l_pluton"));
    avertissement_pluton_->setWordWrap(true);
    avertissement_pluton_->setVisible(false);
    gauche->addWidget(avertissement_pluton_);
    gauche->addStretch(1);
    auto* colonne = new QWidget(this);
    colonne->setLayout(gauche);
    colonne->setMaximumWidth(largeur_conception_colonne);
    auto* droite = new QVBoxLayout;
    droite->addWidget(cadre_);
    droite->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    page->addWidget(colonne);
    page->addLayout(droite, 1);
  }

  // ---- Handlers ------------------------------------------------------------------------
  // A click into a date field (or the focus moving there) stops an animation.
  for (EditionSpin* s : {date_.jour(), date_.mois(), date_.an()}) {
    s->installEventFilter(this);
    s->edition()->installEventFilter(this);
  }
  connect(ok_, &QPushButton::clicked, this, [this] { dessiner(); });
  connect(maintenant_, &QPushButton::clicked, this, [this] { maintenant(heure_); });
  connect(precedent_, &QPushButton::clicked, this, &PagePlanetarium::pas_arriere);
  connect(suivant_, &QPushButton::clicked, this, &PagePlanetarium::pas_avant);
  connect(stop_, &QPushButton::clicked, this, &PagePlanetarium::arret);
  connect(sauver_, &QPushButton::clicked, this, &PagePlanetarium::sauvegarder);
  connect(manuel_, &QRadioButton::toggled, this, &PagePlanetarium::arreter_animation);
  connect(animation_, &Animation::etat, this, &PagePlanetarium::etat_animation);
}

PagePlanetarium::~PagePlanetarium() = default;

QWidget* PagePlanetarium::bouton_calcul() const {
  return ok_;
}

void PagePlanetarium::arreter_animation() {
  animation_->arreter();
}

bool PagePlanetarium::anime() const {
  return animation_->en_cours();
}

void PagePlanetarium::poser_date_de_demarrage(const date_jma& date) {
  date_.poser(date);
}

void PagePlanetarium::poser_heure_de_demarrage(const QTime& heure) {
  heure_->setTime(heure);
}

std::vector<bool> PagePlanetarium::corps_montres() const {
  std::vector<bool> v;
  for (const QToolButton* b : outils_) v.push_back(b->isChecked());
  return v;
}

instant_saisi PagePlanetarium::instant_des_champs() {
  // October 1582: the dropped days 5..9 show as the 4th, 10..14 as the 15th.
  const date_jma lue = date_.date();
  instant_saisi i;
  i.date = lue;
  const date_jma utilisee = instant_de_planetarium(i).instant.date;
  if (utilisee != lue) date_.poser(utilisee);
  i.date = date_.date_a_calculer();
  const QTime h = heure_->time();
  i.heure = h.hour();
  i.minute = h.minute();
  i.seconde = h.second();
  return i;
}

void PagePlanetarium::poser_instant(const instant_saisi& i) {
  date_.poser(i.date);
  heure_->setTime(QTime(i.heure, i.minute, i.seconde));
}

int PagePlanetarium::intervalle() const {
  return std::max(intervalles_->checkedId(), 0);
}

void PagePlanetarium::montrer(const QImage& image) {
  image_ = image;
  montrer_image(cadre_, image_);
}

void PagePlanetarium::nom_en_couleur(QLabel* etiquette, const QColor& couleur) {
  // Contrast ratio of the colour against the window's ground (relative luminances).
  const auto luminance = [](const QColor& c) {
    const auto lineaire = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) + 0.0722 * lineaire(c.blueF());
  };
  const double l1 = luminance(couleur), l2 = luminance(etiquette->palette().color(QPalette::Window));
  const double contraste = (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
  if (contraste >= 3.0)
    etiquette->setStyleSheet(QStringLiteral("color: %1").arg(couleur.name()));
  else
    etiquette->setStyleSheet(
        QStringLiteral("color: %1; background-color: #303030; padding: 1px 4px").arg(couleur.name()));
}

void PagePlanetarium::avertir_pluton(const std::string& texte, bool pluton_montre) {
  avertissement_pluton_->setText(QString::fromStdString(texte));
  avertissement_pluton_->setVisible(pluton_montre && !texte.empty());
}

void PagePlanetarium::pas_avant() {
  demarrer(sens_pas::avant);
}

void PagePlanetarium::pas_arriere() {
  demarrer(sens_pas::arriere);
}

void PagePlanetarium::demarrer(sens_pas sens) {
  sens_ = sens;
  animation_->demarrer(manuel_->isChecked());
}

void PagePlanetarium::arret() {
  for (QWidget* w : std::initializer_list<QWidget*>{date_.jour(), date_.mois(), date_.an(), precedent_, suivant_})
    w->setEnabled(true);
  animation_->arreter();
}

void PagePlanetarium::etat_animation(bool en_cours) {
  precedent_->setEnabled(!en_cours);
  suivant_->setEnabled(!en_cours);
  for (std::size_t k = 0; k < outils_.size(); ++k) outils_[k]->setToolTip(en_cours ? QString() : bulles_[k]);
}

void PagePlanetarium::sauvegarder() {
  arreter_animation();
  sauver_image(contexte_.dialogues(), contexte_.messages(), this, image_, QString::fromUtf8(titre_sauvegarde_));
}

bool PagePlanetarium::eventFilter(QObject* objet, QEvent* evenement) {
  const QEvent::Type t = evenement->type();
  if (objet == cadre_) {
    if (t == QEvent::MouseButtonPress) {
      const auto* souris = static_cast<QMouseEvent*>(evenement);
      if (souris->button() == Qt::LeftButton) cliquer(souris->position().toPoint());
    }
  } else if (t == QEvent::MouseButtonPress || (t == QEvent::FocusIn && par_l_utilisateur(evenement))) {
    // A date field clicked or entered: the user is about to type a date.
    arreter_animation();
  }
  return Page::eventFilter(objet, evenement);
}

}  // namespace almanax::ihm
