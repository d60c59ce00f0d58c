#include "ihm/a_propos.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace almanax::ihm {

QIcon icone_almanax() {
  return QIcon::fromTheme(QString::fromLatin1(identifiant_application), QIcon(QStringLiteral(":/icones/almanax.png")));
}

APropos::APropos(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("A propos"));
  setModal(true);

  auto* icone = new QLabel(this);
  icone->setObjectName(QStringLiteral("ProgramIcon"));
  icone->setPixmap(icone_almanax().pixmap(64, 64));

  auto* nom = new QLabel(QStringLiteral("Almanax"), this);
  nom->setObjectName(QStringLiteral("ProductName"));
  QFont f = nom->font();
  f.setPointSizeF(f.pointSizeF() * 1.6);
  f.setBold(true);
  nom->setFont(f);

  auto* libelle = new QLabel(QStringLiteral("Version"), this);
  libelle->setObjectName(QStringLiteral("Version_libelle"));
  auto* version = new QLabel(QStringLiteral("2.0"), this);
  version->setObjectName(QStringLiteral("Version"));

  auto* licence = new QLabel(QStringLiteral("Logiciel libre, sous la licence publique générale GNU,\n"
                                            "version 3 ou ultérieure (GPL-3.0-or-later)."),
                             this);
  licence->setObjectName(QStringLiteral("Licence"));
  auto* aide = new QLabel(QStringLiteral("<a href=\"aide\">Aide d'Almanax</a>"), this);
  aide->setObjectName(QStringLiteral("LienAide"));
  aide->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(aide, &QLabel::linkActivated, this, [this] {
    accept();
    emit aideDemandee();
  });

  auto* boutons = new QDialogButtonBox(this);
  QPushButton* ok = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* g = new QGridLayout(this);
  g->addWidget(icone, 0, 0, 2, 1, Qt::AlignTop);
  g->addWidget(nom, 0, 1, 1, 2);
  g->addWidget(libelle, 1, 1);
  g->addWidget(version, 1, 2);
  g->setColumnStretch(2, 1);
  g->addWidget(licence, 2, 1, 1, 2);
  g->addWidget(aide, 3, 1, 1, 2);
  g->addWidget(boutons, 4, 0, 1, 3);
  g->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace almanax::ihm
