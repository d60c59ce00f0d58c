#include "donnees/fuseaux.h"

#include <QDateTime>
#include <QTimeZone>
#include <cmath>

namespace almanax {

namespace {

class fuseau_qt final : public fuseau_horaire {
 public:
  explicit fuseau_qt(QTimeZone z) : zone_(std::move(z)) {}

  int decalage_s(long double jd_tu) const override {
    if (!std::isfinite(jd_tu)) return 0;
    // Milliseconds from 1970: JD 2440587.5. QDateTime spans far beyond -4712 … 9999.
    const auto ms = static_cast<qint64>(std::llround((jd_tu - 2440587.5L) * 86400000.0L));
    return zone_.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()));
  }
  std::string nom() const override { return zone_.id().toStdString(); }

 private:
  QTimeZone zone_;
};

}  // namespace

std::shared_ptr<const fuseau_horaire> fuseau_nomme(const QString& iana) {
  const QByteArray id = iana.trimmed().toUtf8();
  if (id.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(id)) {
    // "UTC" is always understood, whatever the database lists.
    if (id == "UTC") return std::make_shared<fuseau_fixe>(0, "UTC");
    return nullptr;
  }
  QTimeZone z(id);
  if (!z.isValid()) return nullptr;
  return std::make_shared<fuseau_qt>(std::move(z));
}

QString nom_fuseau_du_systeme() {
  const QByteArray id = QTimeZone::systemTimeZoneId();
  return id.isEmpty() ? QStringLiteral("UTC") : QString::fromUtf8(id);
}

std::shared_ptr<const fuseau_horaire> fuseau_du_systeme() {
  auto f = fuseau_nomme(nom_fuseau_du_systeme());
  return f ? f : std::make_shared<fuseau_fixe>(0, "UTC");
}

QStringList noms_des_fuseaux() {
  QStringList noms;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) noms << QString::fromUtf8(id);
  noms.sort();
  return noms;
}

}  // namespace almanax
