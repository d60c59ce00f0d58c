#include "ihm/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>
#include <ostream>

#include "dessin/image_fichier.h"
#include "donnees/cometes.h"
#include "donnees/dossiers.h"
#include "donnees/fichier_sur.h"
#include "donnees/villes.h"
#include "ihm/a_propos.h"
#include "ihm/controles/onglets.h"
#include "ihm/fenetre_principale.h"
#include "ihm/messages.h"
#include "ihm/pages/page.h"

namespace almanax::ihm {

namespace {

// Nobody is there to answer a box while the pictures are taken: the messages go to
// the error stream and confirmations are declined.
class MessagesFlux : public Messages {
 public:
  explicit MessagesFlux(std::ostream& flux) : flux_(flux) {}
  void erreur(const QString& texte, const QString& titre) override { ecrire(texte, titre); }
  void information(const QString& texte, const QString& titre) override { ecrire(texte, titre); }
  bool confirmer(const QString& texte, const QString& titre) override {
    ecrire(texte, titre);
    return false;
  }
  // The last button: the one that cancels.
  int choisir(const QString& texte, const QString& titre, const QStringList& boutons) override {
    ecrire(texte, titre);
    return static_cast<int>(boutons.size()) - 1;
  }

 private:
  void ecrire(const QString& texte, const QString& titre) {
    flux_ << "astro : " << titre.toStdString() << " : " << texte.toStdString() << "\n";
  }
  std::ostream& flux_;
};

}  // namespace

QTranslator* installer_traductions_boite_a_outils() {
  auto* traducteur = new QTranslator(QCoreApplication::instance());
  if (!traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete traducteur;
    return nullptr;
  }
  QCoreApplication::installTranslator(traducteur);
  return traducteur;
}

int executer_fenetre(int& argc, char** argv, std::ostream& erreur) {
  // Without a display the window system would stop the program with its own
  // English message; say it in French and point to what works without one.
  const bool plateforme_choisie = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  if (!plateforme_choisie && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    erreur << "astro : aucun affichage n'est disponible pour ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY).\n"
              "Sans affichage, utilisez la ligne de commande (astro --help) ou astro --capture DOSSIER.\n";
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Almanax"));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(identifiant_application));
  QApplication::setWindowIcon(icone_almanax());
  installer_traductions_boite_a_outils();
  // A save cut short (the program killed while writing) can leave its temporary beside
  // the data file; those too old to be another running copy's save are removed.
  // Both places are cleaned: an older run may have saved in the working directory.
  for (const char* nom : {nom_fichier_villes, nom_fichier_cometes})
    for (const QString& dossier : {QDir::currentPath(), dossier_donnees_utilisateur()})
      supprimer_temporaires_abandonnes(QDir(dossier).filePath(QString::fromLatin1(nom)));
  FenetrePrincipale fenetre;
  fenetre.show();
  return QApplication::exec();
}

int executer_capture(int& argc, char** argv, const QString& dossier, std::ostream& erreur) {
  auto refus = [&erreur, &dossier](const char* raison) {
    erreur << "astro : le dossier « " << QDir::toNativeSeparators(dossier).toStdString() << " » " << raison << ".\n";
    return 2;
  };
  if (dossier.isEmpty()) {
    erreur << "astro : --capture attend le dossier où enregistrer les images.\n";
    return 2;
  }
  const QFileInfo info(dossier);
  if (info.exists() && !info.isDir()) return refus("n'est pas un dossier");
  if (!info.exists() && !QDir().mkpath(dossier)) return refus("n'a pas pu être créé");
  if (!QFileInfo(dossier).isWritable()) return refus("n'est pas accessible en écriture");

  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  installer_traductions_boite_a_outils();
  MessagesFlux messages(erreur);
  DialoguesEnregistres dialogues;
  FenetrePrincipale::parametres p;
  p.messages = &messages;
  p.dialogues = &dialogues;
  p.reglages = false;
  p.creer_fichiers = false;
  FenetrePrincipale fenetre(p);
  fenetre.show();
  QApplication::processEvents();

  const QDir d(dossier);
  for (Page* page : fenetre.pages()) {
    fenetre.onglet()->setCurrentIndex(fenetre.onglet()->indexOf(page));
    QApplication::processEvents();
    const QString fichier = d.filePath(page->nom_capture() + QStringLiteral(".png"));
    // Written beside, checked, then renamed: a full disk never leaves a truncated
    // picture, and a FIFO or a device under the picture's name is refused.
    const std::string echec = dessin::enregistrer_image(fenetre.grab().toImage(), fichier);
    if (!echec.empty()) {
      erreur << "astro : " << echec << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace almanax::ihm
