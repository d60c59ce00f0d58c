// The Tab key walks every page in reading order: group after group, from the left
// column to the right one and from top to bottom, and inside a group down a column
// or along a row, never back up or back to the left.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ihm/controles/onglets.h"
#include "ihm/fenetre_principale.h"
#include "ihm/pages/page.h"
#include "outils_ihm.h"

using almanax::ihm::DialoguesEnregistres;
using almanax::ihm::FenetrePrincipale;
using almanax::ihm::MessagesEnregistres;
using almanax::ihm::Page;
using namespace almanax::ihm::test;

namespace {

struct arret {
  QWidget* w;
  QRect r;           // in the page's coordinates
  QWidget* section;  // its outermost group box under the page, else itself
  QRect rs;          // the section's, in the page's coordinates
};

QRect rectangle(QWidget* w, QWidget* page) {
  return QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

bool prend_tab(QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

// The page's stops in the order Tab reaches them: the window's focus chain, kept to
// the page's visible controls (the inner edit of a spin box is its box's).
std::vector<arret> arrets(QWidget* fenetre, Page* page) {
  std::vector<arret> r;
  for (QWidget* w = fenetre->nextInFocusChain(); w != fenetre; w = w->nextInFocusChain()) {
    if (!page->isAncestorOf(w) || !w->isVisibleTo(page) || !prend_tab(w)) continue;
    bool interieur = false;
    QWidget* section = w;
    for (QWidget* a = w->parentWidget(); a && a != page; a = a->parentWidget()) {
      interieur = interieur || prend_tab(a);
      if (qobject_cast<QGroupBox*>(a)) section = a;
    }
    if (!interieur) r.push_back({w, rectangle(w, page), section, rectangle(section, page)});
  }
  return r;
}

// Whether going from `a` to `b` goes back: up, unless to start the next column on the
// right, or left on the same row.
bool en_arriere(const QRect& a, const QRect& b) {
  const bool meme_rangee = b.top() <= a.bottom() && a.top() <= b.bottom();
  const bool plus_haut = b.bottom() < a.top();
  return (plus_haut && b.left() <= a.right()) || (meme_rangee && b.right() < a.left());
}

std::string nom(const QWidget* w) {
  return w->objectName().isEmpty() ? std::string(w->metaObject()->className()) : w->objectName().toStdString();
}

// The faults of one page's order, empty when it reads right.
std::string fautes(const std::vector<arret>& a) {
  std::ostringstream f;
  std::vector<QWidget*> quittees;
  // Inside a group, Tab reads rows (to the right) or columns (down, then up to the top
  // of the next column), never both.
  bool par_rangees = false, par_colonnes = false;
  for (std::size_t i = 1; i < a.size(); ++i) {
    const arret &p = a[i - 1], &s = a[i];
    if (p.section == s.section) {
      par_rangees = par_rangees || (s.r.top() <= p.r.bottom() && p.r.top() <= s.r.bottom() && s.r.left() > p.r.right());
      par_colonnes = par_colonnes || s.r.bottom() < p.r.top();
      if (par_rangees && par_colonnes) {
        f << "  " << nom(p.w) << " -> " << nom(s.w) << " : rangées et colonnes mêlées\n";
        par_rangees = par_colonnes = false;
      }
    } else {
      par_rangees = par_colonnes = false;
    }
    if (p.section != s.section) {
      for (QWidget* q : quittees)
        if (q == s.section) f << "  " << nom(s.w) << " : retour dans " << nom(q) << "\n";
      quittees.push_back(p.section);
      if (en_arriere(p.rs, s.rs)) f << "  " << nom(p.w) << " -> " << nom(s.w) << " : groupe suivant en arrière\n";
    } else if (en_arriere(p.r, s.r)) {
      f << "  " << nom(p.w) << " -> " << nom(s.w) << " : en arrière\n";
    }
  }
  return f.str();
}

class OrdreTabulation : public ::testing::Test {
 protected:
  void SetUp() override { vider_reglages(); }
  void TearDown() override { vider_reglages(); }
  std::unique_ptr<FenetrePrincipale> ouvrir() {
    auto f = fenetre_de_test(messages, dialogues);
    f->show();
    return f;
  }
  void montrer(FenetrePrincipale& f, Page* p) {
    f.onglet()->setCurrentIndex(f.onglet()->indexOf(p));
    QApplication::processEvents();
  }
  DossierTravail dossier;
  MessagesEnregistres messages;
  DialoguesEnregistres dialogues;
};

}  // namespace

TEST_F(OrdreTabulation, EveryPageInReadingOrder) {
  auto f = ouvrir();
  for (Page* p : f->pages()) {
    montrer(*f, p);
    const std::vector<arret> a = arrets(f.get(), p);
    EXPECT_GE(a.size(), 1u) << p->objectName().toStdString();
    const std::string faute = fautes(a);
    std::string ordre;
    for (const arret& x : a) ordre += " " + nom(x.w);
    EXPECT_TRUE(faute.empty()) << p->legende().toStdString() << " :\n" << faute << "ordre :" << ordre;
  }
}

// After "Nouveau", Tab from the name goes through the elements to the date, never to
// the catalogue, where a typed digit would choose another comet.
TEST_F(OrdreTabulation, NewCometNameThenElements) {
  auto f = ouvrir();
  Page* p = f->page("tcomete");
  montrer(*f, p);
  ASSERT_TRUE(activer(*f));
  p->findChild<QPushButton*>("new_comete")->click();
  auto* n = p->findChild<QLineEdit*>("enomcomete");
  ASSERT_TRUE(n->isVisible());
  n->setFocus();
  std::vector<std::string> suite;
  for (int i = 0; i < 9; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    suite.push_back(nom(QApplication::focusWidget()));
  }
  const std::vector<std::string> attendue{"tcomjour", "tcommois", "tcoman",  "eqcom",   "eicom",
                                          "eecom",    "eomcom",   "eom1com", "jour_com"};
  EXPECT_EQ(suite, attendue);
  f->close();
}
