// Reading the command line: QCommandLineParser learns every declared option (the
// general ones and those of all reports), then the chosen report's declaration says
// which of them it accepts. Every message is the program's own, in French.
#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <ctime>
#include <exception>
#include <ostream>
#include <streambuf>

#include "calcul/delta_t.h"
#include "calcul/formats.h"
#include "cli/cli.h"
#include "cli/sortie_json.h"
#include "donnees/fuseaux.h"
#include "planseries/planseries.h"

namespace almanax::cli {

namespace {

// --- general options (declared once) ---
constexpr option_rapport generales[] = {
    {"rapport", "NOM", "calcule la page NOM et affiche son rapport", "", lecteur::texte},
    {"json", "", "le même résultat en JSON, avec les valeurs brutes", "", lecteur::aucun},
    {"capture", "DOSSIER", "enregistre une image PNG de chaque page (sans autre option)", "", lecteur::texte},
    {"help", "", "affiche l'aide ; avec --rapport NOM, les options de ce rapport", "", lecteur::aucun},
    {"version", "", "affiche la version du programme et de la bibliothèque planseries", "", lecteur::aucun},
    {"lf", "", "le texte avec des fins de ligne LF au lieu de CR LF, pour les outils du shell", "", lecteur::aucun},
    {"fuseau", "ZONE",
     "les heures saisies et affichées sont l'heure légale de ce fuseau (nom IANA comme Europe/Paris, ou UTC), "
     "changements d'heure et ΔT compris",
     "les heures telles quelles (temps des théories)", lecteur::texte},
    {"importer-cometes", "FICHIER",
     "ajoute à cometes.dat (trouvé comme par la fenêtre) les comètes d'un fichier d'éléments au format d'une ligne du "
     "Minor "
     "Planet Center (celui de CometEls.txt) ; la seule commande qui écrit un fichier de données",
     "", lecteur::texte},
    {"remplacer", "", "avec --importer-cometes : une comète déjà au catalogue prend les éléments du fichier", "",
     lecteur::aucun},
    {"garder", "", "avec --importer-cometes : une comète déjà au catalogue garde ses éléments", "", lecteur::aucun},
};
// --- end of general options ---

// A stream's text with its CR LF line ends written as LF (--lf); a CR alone is kept.
class filtre_cr : public std::streambuf {
 public:
  explicit filtre_cr(std::ostream& sortie) : sortie_(sortie.rdbuf()) {}
  filtre_cr(const filtre_cr&) = delete;
  filtre_cr& operator=(const filtre_cr&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    if (cr_en_attente_ && ch != '\n' && sortie_->sputc('\r') == traits_type::eof()) return traits_type::eof();
    cr_en_attente_ = ch == '\r';
    if (cr_en_attente_) return c;
    return sortie_->sputc(ch) == traits_type::eof() ? traits_type::eof() : c;
  }
  // A CR still held at the end is written as it was.
  int sync() override {
    if (cr_en_attente_ && sortie_->sputc('\r') == traits_type::eof()) return -1;
    cr_en_attente_ = false;
    return sortie_->pubsync();
  }

 private:
  std::streambuf* sortie_;
  bool cr_en_attente_ = false;
};

// The other names of --help.
constexpr std::string_view autres_noms_aide[] = {"h", "aide"};

// An argument as the parser sees it: one Latin-1 character per byte, so that a value
// comes back byte for byte whatever its encoding (a file or a site name).
QString en_qstring(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

std::string en_octets(const QString& s) {
  return s.toLatin1().toStdString();
}

// No argument holds a NUL character: it marks what the command line said, not the user.
constexpr char16_t marque = u'\0';

const option_rapport* generale(std::string_view nom) {
  if (std::find(std::begin(autres_noms_aide), std::end(autres_noms_aide), nom) != std::end(autres_noms_aide))
    nom = "help";
  for (const option_rapport& o : generales)
    if (o.nom == nom) return &o;
  return nullptr;
}

bool sans_valeur(std::string_view nom) {
  const option_rapport* g = generale(nom);
  return g && g->lu == lecteur::aucun;
}

// One option as typed: its name and the arguments it spans in argv.
struct occurrence {
  std::string nom;
  int premier = 0, dernier = 0;
};

// What the parser cannot be told, settled on argv before it runs:
// - an option that takes a value but is followed by nothing or by another "--" option
//   was given without one: it reaches the parser as "--nom=" + the mark, so that the
//   report says "Valeur manquante" when it reads it, as for any report;
// - a word starting with a single "-" that is not a value ("-x", "-500") is an
//   unexpected argument, not a cluster of short options: the mark before it makes it
//   a positional argument for the parser;
// - a name that the parser could not hold ("---x", "--=x") is an unexpected argument too.
struct ligne_preparee {
  QStringList pour_analyse;
  std::vector<occurrence> options;         // in the order typed, before "--"
  std::vector<std::string> noms_inconnus;  // names no declaration has, for the parser to learn
  int positionnels_avant_fin = 0;          // positional arguments before "--"
  std::optional<std::string> drapeau_avec_valeur;
};

bool nom_connu(std::string_view nom) {
  if (generale(nom)) return true;
  for (const rapport& r : rapports())
    for (const option_rapport& o : r.options)
      if (o.nom == nom) return true;
  return false;
}

ligne_preparee preparer(int argc, char** argv) {
  ligne_preparee l;
  l.pour_analyse << en_qstring(argc > 0 ? argv[0] : "astro");
  bool fin_des_options = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (fin_des_options) {
      l.pour_analyse << en_qstring(a);
      continue;
    }
    if (a == "--") {
      fin_des_options = true;
      l.pour_analyse << en_qstring(a);
      continue;
    }
    if (a == "-h") {
      l.options.push_back({"h", i, i});
      l.pour_analyse << en_qstring(a);
      continue;
    }
    const std::string_view nom = a.starts_with("--") ? a.substr(2, a.find('=') - 2) : std::string_view();
    if (nom.empty() || nom.front() == '-' || nom.front() == '/') {
      // A word, a single-dash word or a name no option can have: a positional argument.
      ++l.positionnels_avant_fin;
      l.pour_analyse << (a.starts_with("-") ? QString(QChar(marque)) : QString()) + en_qstring(a);
      continue;
    }
    occurrence o{std::string(nom), i, i};
    const bool egal = a.find('=') != std::string_view::npos;
    if (!nom_connu(nom) && std::find(l.noms_inconnus.begin(), l.noms_inconnus.end(), nom) == l.noms_inconnus.end())
      l.noms_inconnus.emplace_back(nom);
    if (sans_valeur(nom)) {
      if (egal && !l.drapeau_avec_valeur) l.drapeau_avec_valeur = std::string(nom);
      l.pour_analyse << en_qstring(a);
    } else if (egal) {
      l.pour_analyse << en_qstring(a);
    } else if (i + 1 >= argc || std::string_view(argv[i + 1]).starts_with("--")) {
      l.pour_analyse << en_qstring(a) + u'=' + QChar(marque);
    } else {
      // The next argument is the value, even when it starts with "-" ("--lon -2.35").
      l.pour_analyse << en_qstring(a) << en_qstring(argv[i + 1]);
      o.dernier = ++i;
    }
    l.options.push_back(std::move(o));
  }
  return l;
}

// The parser, taught every option name it may meet, each with or without a value.
void declarer(QCommandLineParser& p, const std::vector<std::string>& noms_inconnus) {
  std::vector<std::string_view> deja;
  const auto ajouter = [&](QStringList noms, bool avec_valeur) {
    QCommandLineOption o(noms);
    if (avec_valeur) o.setValueName(QStringLiteral("valeur"));
    p.addOption(o);
  };
  for (const option_rapport& o : generales) {
    QStringList noms{en_qstring(o.nom)};
    if (o.nom == "help")
      for (const std::string_view n : autres_noms_aide) noms << en_qstring(n);
    ajouter(noms, o.lu != lecteur::aucun);
    deja.push_back(o.nom);
  }
  for (const rapport& r : rapports())
    for (const option_rapport& o : r.options)
      if (std::find(deja.begin(), deja.end(), o.nom) == deja.end()) {
        ajouter({en_qstring(o.nom)}, true);
        deja.push_back(o.nom);
      }
  for (const std::string& n : noms_inconnus) ajouter({en_qstring(n)}, true);
}

// A report that did not reach its reader (a full disk, a closed pipe, /dev/full) is
// a failure, not a success: the status says so, the message says why.
int sortie_ecrite(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return 0;
  err << "astro : la sortie standard n'a pas pu être écrite entièrement (disque plein ou sortie fermée) : "
         "le résultat est incomplet.\n";
  return 2;
}

const rapport* rapport_nomme(std::string_view nom) {
  for (const rapport& r : rapports())
    if (r.nom == nom) return &r;
  return nullptr;
}

bool declare_par(const rapport& r, std::string_view nom) {
  return std::any_of(r.options.begin(), r.options.end(), [&](const option_rapport& o) { return o.nom == nom; });
}

}  // namespace

std::span<const option_rapport> options_generales() {
  return generales;
}

std::string texte_version() {
  return "Almanax 2.0\nplanseries " + std::string(planseries::version()) + "\n";
}

int principal(int argc, char** argv, std::ostream& out, std::ostream& err, const capture_pages& capture) {
  try {
    const ligne_preparee l = preparer(argc, argv);
    QCommandLineParser p;
    declarer(p, l.noms_inconnus);
    const bool lue = p.parse(l.pour_analyse);
    const auto donnee = [&](std::string_view nom) {
      return std::any_of(l.options.begin(), l.options.end(), [&](const occurrence& o) { return o.nom == nom; });
    };
    const auto valeur = [&](std::string_view nom) -> std::optional<std::string> {
      const QString v = p.value(en_qstring(nom));
      if (v == QString(QChar(marque))) return std::nullopt;
      return en_octets(v);
    };

    // --capture is a command of its own: anything else on the line is refused.
    if (const auto c =
            std::find_if(l.options.begin(), l.options.end(), [](const occurrence& o) { return o.nom == "capture"; });
        c != l.options.end()) {
      for (int i = 1; i < argc; ++i)
        if (i < c->premier || i > c->dernier) {
          err << "astro : argument inattendu après --capture : " << guillemets(argv[i]) << ". Voir astro --help.\n";
          return 2;
        }
      if (!capture) throw erreur_option("--capture demande la fenêtre, absente de ce programme.");
      return capture(valeur("capture").value_or(""));
    }

    const QStringList positionnels = p.positionalArguments();
    if (l.positionnels_avant_fin > 0) {
      QString a = positionnels.front();
      if (a.startsWith(QChar(marque))) a.remove(0, 1);
      throw erreur_option("Argument inattendu : " + guillemets(en_octets(a)) + ". Voir astro --help.");
    }
    if (positionnels.size() > 0)
      throw erreur_option("Argument inattendu après -- : " + guillemets(en_octets(positionnels.front())) +
                          " (les rapports ne prennent pas d'argument, seulement des options). Voir astro --help.");
    if (l.drapeau_avec_valeur) throw erreur_option("L'option --" + *l.drapeau_avec_valeur + " ne prend pas de valeur.");
    for (std::size_t i = 0; i < l.options.size(); ++i)
      if (!sans_valeur(l.options[i].nom))
        for (std::size_t j = 0; j < i; ++j)
          if (l.options[j].nom == l.options[i].nom)
            throw erreur_option("Option donnée deux fois : --" + l.options[i].nom + ".");
    // Every case the parser refuses was settled above; this one is only a safeguard, and
    // its own (English) reason is never shown.
    if (!lue) throw erreur_option("Ligne de commande illisible. Voir astro --help.");

    const std::optional<std::string> nom_rapport = donnee("rapport") ? valeur("rapport") : std::string();
    if (!nom_rapport) throw erreur_option("Valeur manquante pour --rapport.");
    const rapport* choisi = donnee("rapport") ? rapport_nomme(*nom_rapport) : nullptr;
    if (donnee("help") || donnee("h") || donnee("aide")) {
      if (choisi)
        ecrire_aide(out, *choisi);
      else
        ecrire_aide(out);
      return sortie_ecrite(out, err);
    }
    if (donnee("version")) {
      out << texte_version();
      return sortie_ecrite(out, err);
    }
    if (donnee("importer-cometes") || donnee("remplacer") || donnee("garder")) {
      // A command of its own, with its two choices and nothing else.
      if (!donnee("importer-cometes"))
        throw erreur_option(std::string("--") + (donnee("remplacer") ? "remplacer" : "garder") +
                            " ne s'emploie qu'avec --importer-cometes FICHIER.");
      for (const occurrence& o : l.options)
        if (o.nom != "importer-cometes" && o.nom != "remplacer" && o.nom != "garder")
          throw erreur_option("--importer-cometes ne prend pas d'autre option que --remplacer ou --garder : --" +
                              o.nom + ".");
      if (donnee("remplacer") && donnee("garder"))
        throw erreur_option("--remplacer et --garder s'excluent : choisissez l'un des deux.");
      const std::optional<std::string> fichier = valeur("importer-cometes");
      if (!fichier || fichier->empty()) throw erreur_option("Valeur manquante pour --importer-cometes.");
      std::optional<doublons_import> choix;
      if (donnee("remplacer")) choix = doublons_import::remplacer;
      if (donnee("garder")) choix = doublons_import::garder;
      const int statut = importer_cometes(*fichier, choix, out, err);
      const int ecrit = sortie_ecrite(out, err);
      return statut != 0 ? statut : ecrit;
    }
    if (!donnee("rapport")) throw erreur_option("Aucun rapport demandé : utilisez --rapport NOM (voir astro --help).");
    if (!choisi) {
      std::string noms;
      for (const auto& r : rapports()) noms += (noms.empty() ? "" : ", ") + std::string(r.nom);
      throw erreur_option("Rapport inconnu : " + guillemets(*nom_rapport) + " (rapports : " + noms + ").");
    }

    // Checked before computing, so that a mistyped option never waits for a long search;
    // after it, the options the report did not read are refused as well.
    std::map<std::string, std::string> valeurs;
    std::set<std::string, std::less<>> sans_valeurs;
    for (const occurrence& o : l.options) {
      if (generale(o.nom)) continue;
      if (!declare_par(*choisi, o.nom)) throw option_inconnue(o.nom);
      if (const auto v = valeur(o.nom))
        valeurs[o.nom] = *v;
      else
        sans_valeurs.insert(o.nom);
    }
    arguments args(std::move(valeurs), std::move(sans_valeurs));
    args.declarer(choisi->options);
    const bool json = donnee("json");
    args.demander_json(json);
    if (donnee("fuseau")) {
      const std::optional<std::string> nom = valeur("fuseau");
      if (!nom || nom->empty()) throw erreur_option("Valeur manquante pour --fuseau.");
      auto fuseau = fuseau_nomme(QString::fromStdString(*nom));
      if (!fuseau)
        throw erreur_option("Fuseau horaire inconnu : " + guillemets(*nom) +
                            ". Donnez un nom IANA comme Europe/Paris ou America/New_York, ou UTC.");
      args.poser_echelle(echelle_temps(std::move(fuseau)));
    }
    resultat res = choisi->executer(args);
    args.verifier_tout_lu();
    if (res.calendrier) {
      // The calendar's own line ends (CR LF, as RFC 5545 asks), whatever --lf says.
      std::string f;
      try {
        f = calendrier_ics(*res.calendrier, static_cast<long long>(std::time(nullptr)));
      } catch (const erreur_calendrier& e) {
        throw erreur_option(e.what());
      }
      out.write(f.data(), static_cast<std::streamsize>(f.size()));
    } else if (json) {
      if (res.ecrire) {
        res.ecrire(out);
      } else {
        args.completer_entrees(res.entrees);
        if (res.jde_reference) res.donnees["delta_t_s"] = nombre_json(delta_t_s(*res.jde_reference));
        out << document_json(choisi->nom, res.entrees, res.donnees, res.texte);
      }
    } else {
      // The text as the copy and the print pages have it (CR LF), or with LF line ends.
      const bool en_lf = donnee("lf");
      filtre_cr filtre(out);
      std::ostream lf(&filtre);
      std::ostream& texte = en_lf ? lf : out;
      if (res.ecrire)
        res.ecrire(texte);
      else
        texte.write(res.texte.data(), static_cast<std::streamsize>(res.texte.size()));
      if (en_lf) {
        lf.flush();
        if (!lf.good()) out.setstate(std::ios::badbit);
      }
    }
    return sortie_ecrite(out, err);
  } catch (const erreur_option& e) {
    err << "astro : " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    err << "astro : erreur inattendue : " << e.what() << "\n";
    return 1;
  }
}

}  // namespace almanax::cli
