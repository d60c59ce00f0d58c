// Civil time: the clock time of a time zone, daylight saving included, and how the
// pages and the reports read typed times and show instants.
//
// By default ("telles quelles") a typed date and time is the time argument of the
// theories and an instant is shown as computed: nothing here changes a thing. In civil
// time ("heure légale") a typed date and time is the zone's clock time: it becomes UT
// through the zone's offset on that date, then TT = UT + ΔT; an instant of the theories
// (TT) goes back the same way, TT − ΔT = UT, then the zone's offset at that instant.
//
// Instants are Julian days throughout; a "civil Julian day" is the Julian day whose
// calendar date and clock time are the civil ones, so the calendar formatters show it
// as they show any other.
#pragma once

#include <memory>
#include <string>

namespace almanax {

// A time zone as the platform's zone database describes it.
class fuseau_horaire {
 public:
  virtual ~fuseau_horaire() = default;
  // Offset of the zone's clock from UTC, seconds, east positive, at the UT instant.
  virtual int decalage_s(long double jd_tu) const = 0;
  // The zone's identifier: "Europe/Paris", "UTC".
  virtual std::string nom() const = 0;
};

// A zone that keeps one offset all year (UTC itself, and the tests).
class fuseau_fixe final : public fuseau_horaire {
 public:
  explicit fuseau_fixe(int decalage_s, std::string nom = "UTC") : decalage_(decalage_s), nom_(std::move(nom)) {}
  int decalage_s(long double) const override { return decalage_; }
  std::string nom() const override { return nom_; }

 private:
  int decalage_;
  std::string nom_;
};

// UT -> civil and back, ΔT aside. A civil time that the clocks skipped (the hour lost
// in spring) is read with the offset in force before the change, so 2 h 30 on that night
// in Paris is 1 h 30 UT, shown back as 3 h 30; a civil time that the clocks showed twice
// (the hour repeated in autumn) is its first occurrence.
long double civil_de_tu(long double jd_tu, const fuseau_horaire& f);
long double tu_de_civil(long double jd_civil, const fuseau_horaire& f);

// How the pages and the reports read typed times and show instants.
class echelle_temps {
 public:
  echelle_temps() = default;  // times as they stand
  explicit echelle_temps(std::shared_ptr<const fuseau_horaire> fuseau) : fuseau_(std::move(fuseau)) {}

  bool legale() const { return fuseau_ != nullptr; }
  // The zone in civil time, nullptr otherwise.
  const fuseau_horaire* fuseau() const { return fuseau_.get(); }
  const std::shared_ptr<const fuseau_horaire>& partage() const { return fuseau_; }

  // A typed date and clock time, given as the Julian day computed from them, to the time
  // argument of the theories (TT). As they stand: unchanged.
  long double vers_tt(long double jd_saisi) const;
  // An instant of the theories (TT) to the civil Julian day to show. As they stand: unchanged.
  long double vers_civil(long double jde) const;
  // The offset from UTC in force at the instant (TT), seconds; 0 as they stand.
  int decalage_a(long double jde) const;

 private:
  std::shared_ptr<const fuseau_horaire> fuseau_;
};

// The UT of an instant of the theories: jde − ΔT.
long double tu_de_tt(long double jde);
// The TT of a UT instant: jd_tu + ΔT.
long double tt_de_tu(long double jd_tu);

// "UTC+2", "UTC+5:30", "UTC-3", "UTC" for no offset.
std::string texte_decalage(int secondes);
// What a page or a report says once over its times in civil time: "heure légale, UTC+2".
std::string mention_heure_legale(int secondes);

}  // namespace almanax
