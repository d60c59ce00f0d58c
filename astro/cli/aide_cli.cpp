// The command line's help, written from the options' declarations: `astro --help` for
// the program, `astro --rapport NOM --help` for one report.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace almanax::cli {

namespace {

constexpr std::size_t largeur = 92;        // columns of the help
constexpr std::size_t colonne_texte = 24;  // where the descriptions start

// Characters, not bytes, of UTF-8 text.
std::size_t colonnes(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// `gauche`, then `texte` from column `colonne` (or `ecart` spaces after a longer
// `gauche`), broken between words at `largeur` columns, the following lines starting
// at `colonne`.
void ecrire_entree(std::ostream& out, std::string_view gauche, std::string_view texte,
                   std::size_t colonne = colonne_texte, std::size_t ecart = 2) {
  std::string ligne(gauche);
  const std::size_t g = colonnes(gauche);
  ligne += std::string(g + ecart <= colonne ? colonne - g : ecart, ' ');
  std::size_t col = colonnes(ligne);
  bool debut_de_ligne = true;
  while (!texte.empty()) {
    const std::size_t espace = texte.find(' ');
    const std::string_view mot = texte.substr(0, espace);
    texte = espace == std::string_view::npos ? std::string_view() : texte.substr(espace + 1);
    if (mot.empty()) continue;
    if (!debut_de_ligne && col + 1 + colonnes(mot) > largeur) {
      out << ligne << "\n";
      ligne.assign(colonne, ' ');
      col = colonne;
      debut_de_ligne = true;
    }
    if (!debut_de_ligne) {
      ligne += ' ';
      ++col;
    }
    ligne += mot;
    col += colonnes(mot);
    debut_de_ligne = false;
  }
  out << ligne << "\n";
}

std::string description(const option_rapport& o) {
  std::string d(o.description);
  if (!o.defaut.empty()) d += " (défaut : " + std::string(o.defaut) + ")";
  return d;
}

void ecrire_option(std::ostream& out, const option_rapport& o) {
  std::string gauche = "  --" + std::string(o.nom);
  if (!o.valeur.empty()) gauche += " " + std::string(o.valeur);
  if (o.nom == "help") gauche += ", -h, --aide";
  ecrire_entree(out, gauche, description(o));
}

const option_rapport& generale(std::string_view nom) {
  for (const option_rapport& o : options_generales())
    if (o.nom == nom) return o;
  throw std::logic_error("option générale non déclarée : --" + std::string(nom));
}

}  // namespace

void ecrire_aide(std::ostream& out) {
  out << "Almanax 2.0 — éphémérides et phénomènes astronomiques.\n\n"
         "Utilisation :\n";
  ecrire_entree(out, "  astro", "ouvre la fenêtre", 33);
  ecrire_entree(out, "  astro --rapport NOM [options]", "calcule une page et affiche son rapport", 33);
  ecrire_entree(out, "  astro --rapport NOM --json", "le même résultat en JSON, avec les valeurs brutes", 33);
  ecrire_entree(out, "  astro --rapport NOM --help", "les options du rapport NOM", 33);
  ecrire_entree(out, "  astro --capture DOSSIER", "enregistre une image PNG de chaque page", 33);
  ecrire_entree(out, "  astro --importer-cometes FICHIER", "ajoute à cometes.dat les comètes d'un fichier", 33);
  ecrire_entree(out, "    [--remplacer|--garder]", "du Minor Planet Center (la seule commande qui écrit)", 33);
  ecrire_entree(out, "  astro --help", "affiche cette aide", 33);
  ecrire_entree(out, "  astro --version", "affiche la version", 33);
  out << "\n"
         "Les dates s'écrivent JJ/MM/AAAA ou AAAA-MM-JJ (la même date, l'année d'abord) ; les années\n"
         "sont historiques : pas d'année 0, -1 est 1 av. J.-C. (-0044-03-15 est le 15/03/-44), et le\n"
         "calendrier est julien jusqu'au 4 octobre 1582, grégorien à partir du 15 octobre 1582.\n"
         "Comme dans la fenêtre, les années seules des recherches d'événements (--debut et --fin de\n"
         "perigees, eclipses, phenomenes et perihelies, --annee de phases) et l'année du passage au\n"
         "périhélie d'une comète (--T) sont astronomiques : 0 est 1 av. J.-C., -500 est 501 av. J.-C. ;\n"
         "les dates, l'--annee de dates et celle de satellites restent historiques.\n"
         "Les heures s'écrivent HH:MM, HH:MM:SS ou HH:MM:SS,sss (fraction après une virgule ou un point ;\n"
         "comme dans la fenêtre, le calcul compte les secondes entières).\n"
         "Les nombres saisis acceptent la virgule ou le point. Les nombres écrits suivent la langue du\n"
         "système, comme dans la fenêtre (variables LC_ALL, LC_NUMERIC, LANG) : virgule en français\n"
         "(LANG=fr_FR.UTF-8), point avec LC_ALL=C. Le JSON écrit toujours ses nombres bruts avec un point.\n"
         "Les rapports s'écrivent avec des fins de ligne CR LF et une tabulation entre libellé et valeur.\n"
         "Par défaut, les heures saisies sont l'argument des théories (temps dynamique) et les instants\n"
         "s'écrivent tels que calculés : en temps dynamique (TD) pour les événements, le lever et le\n"
         "coucher du jour de temps universel. Avec --fuseau ZONE (nom IANA : Europe/Paris,\n"
         "America/New_York, Australia/Sydney, UTC), les heures saisies et écrites sont l'heure légale de\n"
         "ce fuseau, changements d'heure compris : l'heure légale devient le temps universel (TU) par le\n"
         "décalage du fuseau ce jour-là, puis TT = TU + ΔT ; les levers, passages et couchers sont ceux\n"
         "du jour légal du site (0 h à 24 h). Avant les premières règles du fuseau vaut son décalage le\n"
         "plus ancien, souvent le temps moyen local (0 h 9 m 21 s pour Paris avant 1891).\n"
         "ΔT = TT − TU : valeurs annuelles observées (IERS, USNO) de 1620 à 2023, prévisions de l'IERS\n"
         "jusqu'en 2028, expressions polynomiales d'Espenak et Meeus avant et après, raccordées sans\n"
         "saut. Son incertitude croît loin d'aujourd'hui : quelques secondes vers 1800, une minute vers\n"
         "1000, une dizaine de minutes vers -500, des heures dans l'Antiquité lointaine. Le JSON donne\n"
         "toujours ΔT (delta_t_s) et, pour chaque événement, l'instant en TU (instant_tu) ; avec\n"
         "--fuseau, aussi l'heure légale avec son décalage (instant_local).\n\n"
         "Rapports (les options de chacun : astro --rapport NOM --help) :\n";
  for (const rapport& r : rapports()) ecrire_entree(out, "  " + std::string(r.nom), r.resume, 21);
  out << "\nOptions générales :\n";
  for (const option_rapport& o : options_generales()) ecrire_option(out, o);
  ecrire_entree(out, "  --", "termine les options : ce qui suit n'en est pas une");
}

void ecrire_aide(std::ostream& out, const rapport& r) {
  ecrire_entree(out, "astro --rapport " + std::string(r.nom) + " :", r.resume, 2, 1);
  out << "\nUtilisation : astro --rapport " << r.nom << " [options] [--json]\n\n"
      << "Options :\n";
  for (const option_rapport& o : r.options) ecrire_option(out, o);
  ecrire_option(out, generale("fuseau"));
  ecrire_option(out, generale("json"));
  ecrire_option(out, generale("help"));
  out << "\nDates JJ/MM/AAAA ou AAAA-MM-JJ, années historiques sauf mention contraire (pas d'année 0) ;\n"
         "heures HH:MM, HH:MM:SS ou HH:MM:SS,sss ; nombres avec la virgule ou le point.\n"
         "Les conventions en détail et les autres rapports : astro --help.\n";
}

}  // namespace almanax::cli
