// Time zones from the system's zone database (IANA names, through QTimeZone), for the
// civil time of the pages and the reports.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "calcul/temps_civil.h"

namespace almanax {

// The zone of that IANA name ("Europe/Paris", "UTC"); nullptr when the database has none.
// Before the zone's first rule, the offset is the zone's earliest one as the database
// gives it (usually its local mean time: 0 h 9 m 21 s for Paris before 1891).
std::shared_ptr<const fuseau_horaire> fuseau_nomme(const QString& iana);

// The system's own zone (UTC when the system names none).
std::shared_ptr<const fuseau_horaire> fuseau_du_systeme();
QString nom_fuseau_du_systeme();

// Every zone name the database knows, in alphabetical order.
QStringList noms_des_fuseaux();

}  // namespace almanax
