/* One apparent place per call with a peer C library that evaluates the full theories
 * (Debian's libnova): Venus, Saturn, the Sun and the Moon on the same 4096 instants as
 * bench/bench_place_apparente.cpp (the Moon on every 32nd), best of five rounds, microseconds per place, one
 * line per body ("venus 105.3"). Built and run only by bench/comparer_pairs.sh. */
#include <libnova/libnova.h>
#include <stdio.h>
#include <time.h>

#define N 4096

static double instants[N];

static double maintenant(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec * 1e-9;
}

typedef void (*place)(double, struct ln_equ_posn*);

static void lune(double jd, struct ln_equ_posn* p) { ln_get_lunar_equ_coords(jd, p); }

/* Every pas-th instant (the Moon's full theory takes milliseconds a place). */
static double mesurer(place f, int pas) {
  double meilleur = 1e30, puits = 0;
  for (int essai = 0; essai < 5; ++essai) {
    const double debut = maintenant();
    for (int i = 0; i < N; i += pas) {
      struct ln_equ_posn p;
      f(instants[i], &p);
      puits += p.ra + p.dec;
    }
    const double duree = (maintenant() - debut) / (N / pas);
    if (duree < meilleur) meilleur = duree;
  }
  return puits == 12345.0 ? 0 : meilleur * 1e6;
}

int main(void) {
  const double debut = 260424.5, fin = 5008271.5; /* years -4000 and 9000 */
  for (unsigned i = 0; i < N; ++i)
    instants[i] = debut + (fin - debut) * ((i * 2654435761u) % 4096) / 4096.0 + i * 0.37;
  printf("venus %.2f\n", mesurer(ln_get_venus_equ_coords, 1));
  printf("saturne %.2f\n", mesurer(ln_get_saturn_equ_coords, 1));
  printf("soleil %.2f\n", mesurer(ln_get_solar_equ_coords, 1));
  printf("lune %.2f\n", mesurer(lune, 32));
  return 0;
}
