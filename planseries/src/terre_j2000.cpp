// The Earth's heliocentric longitude and latitude referred to the fixed ecliptic
// and equinox J2000.0 (VSOP87 version B, abridged), for the bodies whose
// positions come in that frame (Pluto, comets). The radius vector does not
// depend on the frame: terre_rayon serves both.
#include <planseries/planseries.h>

#include <algorithm>
#include <array>
#include <iterator>

#include "colonnes.h"
#include "termes.h"
#include "vsop87d_termes.h"

namespace planseries {

namespace {

// L1 is the date-frame L1 but for its constant term, which carries no
// precession in this frame.
constexpr auto l1 = [] {
  std::array<Terme, std::size(vsop87d::terre_l1)> termes{};
  std::copy(std::begin(vsop87d::terre_l1), std::end(vsop87d::terre_l1), termes.begin());
  termes[0] = {628307584999.0L, 0.0L, 0.0L};
  return termes;
}();
static_assert(vsop87d::terre_l1[0].phi == 0.0L && vsop87d::terre_l1[0].omega == 0.0L);

// clang-format off
constexpr Terme l2[] = {
    {8722.0L, 1.0725L, 6283.0758L}, {991.0L, 3.1416L, 0.0L},   {295.0L, 0.437L, 12566.152L},
    {27.0L, 0.05L, 3.52L},          {16.0L, 5.19L, 26.3L},     {16.0L, 3.69L, 155.42L},
    {9.0L, 0.3L, 18849.23L},        {9.0L, 2.06L, 77713.77L},  {7.0L, 0.83L, 775.52L},
    {5.0L, 4.66L, 1577.34L},        {4.0L, 1.03L, 7.11L},      {4.0L, 3.44L, 5573.14L},
    {3.0L, 5.14L, 796.3L},          {3.0L, 6.05L, 5507.55L},   {3.0L, 1.19L, 242.73L},
    {3.0L, 6.12L, 529.69L},         {3.0L, 0.3L, 398.15L},     {3.0L, 2.28L, 553.57L},
    {2.0L, 4.38L, 5223.69L},        {2.0L, 3.75L, 0.98L},
};

constexpr Terme l3[] = {
    {289.0L, 5.842L, 6283.076L}, {21.0L, 6.05L, 12566.15L}, {3.0L, 5.2L, 155.42L},
    {3.0L, 3.14L, 0.0L},         {1.0L, 4.72L, 3.52L},      {1.0L, 5.97L, 242.73L},
    {1.0L, 5.54L, 18849.23L},
};

constexpr Terme l4[] = {
    {8.0L, 4.14L, 6283.08L},
    {1.0L, 3.28L, 12566.15L},
};

constexpr Terme b1[] = {
    {227778.0L, 3.413766L, 6283.07585L}, {3806.0L, 3.3706L, 12566.1517L},
    {3620.0L, 0.0L, 0.0L},               {72.0L, 3.33L, 18849.23L},
    {8.0L, 3.89L, 5507.55L},             {8.0L, 1.79L, 5223.69L},
    {6.0L, 5.2L, 2352.87L},
};

constexpr Terme b2[] = {
    {9721.0L, 5.1519L, 6283.07585L},
    {233.0L, 3.1416L, 0.0L},
    {134.0L, 0.644L, 12566.152L},
    {7.0L, 1.07L, 18849.23L},
};

constexpr Terme b3[] = {
    {276.0L, 0.595L, 6283.076L},
    {17.0L, 3.14L, 0.0L},
    {4.0L, 0.12L, 12566.15L},
};

constexpr Terme b4[] = {
    {6.0L, 2.27L, 6283.08L},
    {1.0L, 0.0L, 0.0L},
};
// clang-format on

// L0 and B0 are those of the date frame.
constexpr Serie longitude_j2000 = {vsop87d::terre_l0, l1, l2, l3, l4, {}};
constexpr Serie latitude_j2000 = {vsop87d::terre_b0, b1, b2, b3, b4, {}};
constexpr Serie series_j2000[] = {longitude_j2000, latitude_j2000};
constexpr auto colonnes_j2000 = en_colonnes<nombre_termes(series_j2000)>(series_j2000);

}  // namespace

long double terre2_longitude(long double t) {
  return evaluer(colonnes_j2000.vue(), 0, t);
}
long double terre2_latitude(long double t) {
  return evaluer(colonnes_j2000.vue(), 1, t);
}

}  // namespace planseries
