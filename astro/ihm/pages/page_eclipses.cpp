#include "ihm/pages/page_eclipses.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include "calcul/pages/calendrier_evenements.h"
#include "calcul/pages/eclipses.h"
#include "ihm/controles/annees_recherche.h"
#include "ihm/controles/controles.h"
#include "ihm/controles/edition_spin.h"
#include "ihm/messages.h"
#include "ihm/recherche_fond.h"

namespace almanax::ihm {

PageEclipses::PageEclipses(Contexte& contexte, QWidget* parent)
    : Page(contexte, QStringLiteral("eclipses"), QStringLiteral("Eclipses"), QStringLiteral("07-eclipses"), parent) {
  annees_ = new AnneesRecherche({"ec_an", "up_ec_an1", "ec_an2", "up_ec_an2"}, 1992, 1993, false, this);
  bouton_recherche_ = bouton("bt_eclipse", QStringLiteral("&OK"), this);
  auto* type = groupe("type_eclipses", QStringLiteral("Type d'éclipses"), this);
  choix_soleil_ = new QRadioButton(QStringLiteral("Eclipses de Soleil"), type);
  choix_soleil_->setObjectName(QStringLiteral("o_sol"));
  choix_lune_ = new QRadioButton(QStringLiteral("Eclipses de Lune"), type);
  choix_lune_->setObjectName(QStringLiteral("o_lune"));
  choix_lune_->setChecked(true);
  {
    auto* v = new QVBoxLayout(type);
    v->addWidget(choix_soleil_);
    v->addWidget(choix_lune_);
  }
  boite_resultats_ = new QPlainTextEdit(this);
  boite_resultats_->setObjectName(QStringLiteral("ec_res"));
  boite_resultats_->setReadOnly(true);
  boite_resultats_->setLineWrapMode(QPlainTextEdit::NoWrap);
  boite_resultats_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  boite_resultats_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  poser_tabulation(*boite_resultats_, tabulation_rapports);
  affichage_ = new QTimer(this);
  affichage_->setInterval(0);
  connect(affichage_, &QTimer::timeout, this, &PageEclipses::afficher_suite);
  auto* efface = bouton("eclip_erase", QStringLiteral("&Efface"), this);
  auto* copie = bouton("imp_ecli", QStringLiteral("&Copie"), this);
  auto* exporte = bouton_exporter(
      "export_eclipses", QStringLiteral("Enregistre les éclipses de la zone de résultats, celles que « Copie » copie,"),
      this);
  recherche_ = new RechercheFond(this, bouton_recherche_);
  mention_ = new QLabel(this);
  mention_->setObjectName(QStringLiteral("mention_heure"));
  mention_->setVisible(false);

  disposition_recherche d;
  d.annees = annees_;
  d.legende_fin = QStringLiteral("  A :");
  d.choix = {type};
  d.mention = mention_;
  d.resultats = boite_resultats_;
  d.efface = efface;
  d.copie = copie;
  d.exporter = exporte;
  recherche_->disposer(d);

  for (EditionSpin* e : {annees_->debut(), annees_->fin()})
    connect(e, &EditionSpin::quitte, this, &PageEclipses::valider_annees);
  connect(annees_, &AnneesRecherche::changees, recherche_, &RechercheFond::annuler);
  connect(bouton_recherche_, &QPushButton::clicked, this, &PageEclipses::lancer_recherche);
  connect(efface, &QPushButton::clicked, this, &PageEclipses::effacer);
  connect(copie, &QPushButton::clicked, this, &PageEclipses::copier);
  connect(exporte, &QPushButton::clicked, this, &PageEclipses::exporter);
  // While one kind is searched, the other cannot be chosen.
  connect(recherche_, &RechercheFond::demarree, this,
          [this] { (choix_soleil_->isChecked() ? choix_lune_ : choix_soleil_)->setEnabled(false); });
  connect(recherche_, &RechercheFond::arretee, this, [this] {
    choix_soleil_->setEnabled(true);
    choix_lune_->setEnabled(true);
  });
}

QWidget* PageEclipses::bouton_calcul() const {
  return bouton_recherche_;
}

void PageEclipses::poser_date_de_demarrage(const date_jma& date) {
  annees_->poser(date.annee);
}

void PageEclipses::chercher(bool synchrone) {
  if (!annees_->dans_les_bornes(contexte_.messages())) return;
  const long long premiere = annees_->premiere(), derniere = annees_->derniere();
  if (premiere >= derniere) {
    contexte_.messages().erreur(
        QStringLiteral("La date de départ doit être inférieure à l'année de fin des recherches."),
        QStringLiteral("Erreur de date !"));
    annees_->fin()->setFocus();
    return;
  }
  const astre_eclipse type = choix_soleil_->isChecked() ? astre_eclipse::soleil : astre_eclipse::lune;
  boite_eclipses boite;
  boite.vide = texte_.empty();
  if (!eclipses_.empty()) boite.dernier_decalage = eclipses_.back().decalage;
  const std::string separateur = QLocale().decimalPoint().toStdString();
  const std::function<resultat_eclipses(const suivi_recherche&)> travail =
      [=, echelle = contexte_.session().echelle()](const suivi_recherche& s) {
        resultat_eclipses r = recherche_eclipses(premiere, derniere, type, boite, separateur, echelle, s);
        if (r.interrompue) return resultat_eclipses{};
        // The box keeps the text; the eclipses are kept to write it again on another clock.
        for (eclipse_trouvee& e : r.eclipses) e.texte.clear();
        return r;
      };
  const std::function<void(resultat_eclipses &&)> fin = [this, synchrone](resultat_eclipses&& r) {
    eclipses_.insert(eclipses_.end(), std::make_move_iterator(r.eclipses.begin()),
                     std::make_move_iterator(r.eclipses.end()));
    ajouter_texte(r.texte, synchrone);
    montrer_mention();
  };
  recherche_->lancer(travail, fin, synchrone);
}

void PageEclipses::echelle_changee() {
  const bool relancer = recherche_->en_cours();
  recherche_->annuler();
  std::vector<eclipse_trouvee> eclipses = std::move(eclipses_);
  const std::string texte =
      reecrire_eclipses(eclipses, QLocale().decimalPoint().toStdString(), contexte_.session().echelle());
  for (eclipse_trouvee& e : eclipses) e.texte.clear();
  vider_boite();
  eclipses_ = std::move(eclipses);
  ajouter_texte(texte, false);
  montrer_mention();
  if (relancer) lancer_recherche();
}

void PageEclipses::montrer_mention() {
  const echelle_temps& echelle = contexte_.session().echelle();
  const QString mention = echelle.legale() && !eclipses_.empty()
                              ? QString::fromStdString(mention_heure_legale(eclipses_.front().decalage))
                              : QString();
  mention_->setText(mention);
  mention_->setVisible(!mention.isEmpty());
}

void PageEclipses::ajouter_texte(const std::string& t, bool tout_de_suite) {
  if (t.empty()) return;
  texte_ += t;
  // The box shows lines; the text kept for the copy keeps its CR LF.
  QString affiche = QString::fromStdString(t);
  affiche.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // The box is scrolled to the new text when it gets there, the older text being shown first.
  a_montrer_ = a_afficher_.size();
  a_afficher_ += affiche;
  if (tout_de_suite) {
    while (!a_afficher_.isEmpty()) afficher_suite();
  } else if (!affichage_->isActive()) {
    affichage_->start();
  }
}

void PageEclipses::afficher_suite() {
  // About 64 KB at a time (some 20 ms of layout), cut after a line.
  constexpr qsizetype morceau = 65536;
  qsizetype n = a_afficher_.size() - a_afficher_depuis_;
  if (n > morceau) {
    const qsizetype fin_ligne = a_afficher_.lastIndexOf(u'\n', a_afficher_depuis_ + morceau);
    n = fin_ligne >= a_afficher_depuis_ ? fin_ligne + 1 - a_afficher_depuis_ : morceau;
  }
  QTextCursor c(boite_resultats_->document());
  c.movePosition(QTextCursor::End);
  const int position = c.position();
  c.insertText(a_afficher_.mid(a_afficher_depuis_, n));
  if (a_montrer_ >= a_afficher_depuis_ && a_montrer_ < a_afficher_depuis_ + n) {
    // The first line of the new text at the top of the box: going to the end, then
    // back up to that line, leaves it on the first row shown.
    QTextCursor nouveau(boite_resultats_->document());
    nouveau.movePosition(QTextCursor::End);
    boite_resultats_->setTextCursor(nouveau);
    boite_resultats_->ensureCursorVisible();
    nouveau.setPosition(position + static_cast<int>(a_montrer_ - a_afficher_depuis_));
    boite_resultats_->setTextCursor(nouveau);
    boite_resultats_->ensureCursorVisible();
    a_montrer_ = -1;
  }
  a_afficher_depuis_ += n;
  if (a_afficher_depuis_ >= a_afficher_.size()) {
    a_afficher_.clear();
    a_afficher_depuis_ = 0;
    affichage_->stop();
  }
}

void PageEclipses::effacer() {
  // A search under way was asked for a box that is no longer there.
  recherche_->annuler();
  vider_boite();
  eclipses_.clear();
  montrer_mention();
}

void PageEclipses::vider_boite() {
  affichage_->stop();
  a_afficher_.clear();
  a_afficher_depuis_ = 0;
  a_montrer_ = -1;
  texte_.clear();
  boite_resultats_->clear();
}

void PageEclipses::copier() {
  const std::string rapport = copie_eclipses(texte_, mention_->text().toStdString());
  if (!rapport.empty()) contexte_.ajouter_rapport(QString::fromStdString(rapport));
}

void PageEclipses::exporter() {
  // The box keeps the eclipses' text, they do not: each one's is written again, on the
  // box's clock, for its event's description.
  std::vector<eclipse_trouvee> eclipses = eclipses_;
  reecrire_eclipses(eclipses, QLocale().decimalPoint().toStdString(), contexte_.session().echelle());
  exporter_calendrier(contexte_.dialogues(), contexte_.messages(), this, calendrier_eclipses(eclipses),
                      QStringLiteral("Exporter les éclipses"));
}

void PageEclipses::valider_annees() {
  contexte_.valider_annees();
}

std::vector<annee_a_valider> PageEclipses::annees_a_valider() const {
  return {annee(champ_annee::eclipses_debut, annees_->debut(), QStringLiteral("Année de départ")),
          annee(champ_annee::eclipses_fin, annees_->fin(), QStringLiteral("Année de fin"))};
}

}  // namespace almanax::ihm
