/* One-shot peer program: the Sun's and the Moon's apparent places, distances,
 * the Moon's illuminated fraction, and both bodies' rising, transit and setting
 * for Paris at the present instant, printed once, as "astro --rapport soleil-lune
 * --site Paris" does. Built and run only by bench/comparer_processus.sh. */
#include <libnova/libnova.h>
#include <stdio.h>

static void heure(const char* nom, double jd) {
  struct ln_date d;
  ln_get_date(jd, &d);
  printf("%s\t%d h %02d m\n", nom, d.hours, d.minutes);
}

int main(void) {
  const double jd = ln_get_julian_from_sys();
  struct ln_lnlat_posn paris = {2.35, 48.85}; /* longitude east, latitude */
  struct ln_equ_posn equ;
  struct ln_helio_posn terre;
  struct ln_rst_time rst;

  ln_get_solar_equ_coords(jd, &equ);
  ln_get_earth_helio_coords(jd, &terre);
  printf("Soleil\nAscension droite\t%.5f\nDeclinaison\t%.5f\nDistance\t%.5f UA\n", equ.ra, equ.dec, terre.R);
  if (ln_get_solar_rst(jd, &paris, &rst) == 0) {
    heure("Lever", rst.rise);
    heure("Meridien", rst.transit);
    heure("Coucher", rst.set);
  }

  ln_get_lunar_equ_coords(jd, &equ);
  printf("Lune\nAscension droite\t%.5f\nDeclinaison\t%.5f\nDistance\t%.1f km\nFraction illuminee\t%.3f\n", equ.ra,
         equ.dec, ln_get_lunar_earth_dist(jd), ln_get_lunar_disk(jd));
  if (ln_get_lunar_rst(jd, &paris, &rst) == 0) {
    heure("Lever", rst.rise);
    heure("Meridien", rst.transit);
    heure("Coucher", rst.set);
  }
  return 0;
}
