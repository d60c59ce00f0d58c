#include <gtest/gtest.h>

#include <string>

#include "calcul/validation.h"

using namespace almanax;

namespace {

triples_dates une_date(date_bornee ou, triple_date t) {
  triples_dates r;
  r[static_cast<std::size_t>(ou)] = std::move(t);
  return r;
}

const triple_date& triple(const resultat_bornage& r, date_bornee ou) {
  return *r.triples[static_cast<std::size_t>(ou)];
}

textes_annees annees(std::initializer_list<std::pair<champ_annee, const char*>> champs) {
  textes_annees t;
  for (const auto& [c, texte] : champs) t[static_cast<std::size_t>(c)] = texte;
  return t;
}

// Every page built, every year valid and every search in order.
textes_annees toutes_valides() {
  textes_annees t;
  for (auto& c : t) c = "1992";
  t[static_cast<std::size_t>(champ_annee::perihelies_fin)] = "1993";
  t[static_cast<std::size_t>(champ_annee::phenomenes_fin)] = "1993";
  t[static_cast<std::size_t>(champ_annee::eclipses_fin)] = "1993";
  return t;
}

void poser(textes_annees& t, champ_annee c, const char* texte) {
  t[static_cast<std::size_t>(c)] = texte;
}

}  // namespace

TEST(ValidationLecture, Entiers) {
  EXPECT_EQ(entier_du_texte("12"), 12);
  EXPECT_EQ(entier_du_texte(" 7 "), 7);
  EXPECT_EQ(entier_du_texte("+5"), 5);
  EXPECT_EQ(entier_du_texte("-4713"), -4713);
  EXPECT_EQ(entier_du_texte("007"), 7);
  for (const char* faux : {"", " ", "abc", "1.5", "1,5", "12a", "++1", "+-1", "- 1", "99999999999", "0x10"})
    EXPECT_EQ(entier_du_texte(faux), std::nullopt) << faux;
}

TEST(ValidationLecture, Reels) {
  EXPECT_EQ(reel_du_texte("1992"), 1992.0L);
  EXPECT_EQ(reel_du_texte("1992,5"), 1992.5L);
  EXPECT_EQ(reel_du_texte("1992.5"), 1992.5L);
  EXPECT_EQ(reel_du_texte("-4712"), -4712.0L);
  EXPECT_EQ(reel_du_texte("+3"), 3.0L);
  EXPECT_EQ(reel_du_texte(" 12 "), 12.0L);
  EXPECT_EQ(reel_du_texte(",5"), 0.5L);
  EXPECT_EQ(reel_du_texte("5,"), 5.0L);
  EXPECT_EQ(reel_du_texte("1e3"), 1000.0L);
  EXPECT_EQ(reel_du_texte("2,5E-1"), 0.25L);
  for (const char* faux :
       {"", "-", ",", "abc", "1,2,3", "1.2.3", "inf", "nan", "0x10", "1e", "1e+", "1e99999", "12 3", "--1"})
    EXPECT_EQ(reel_du_texte(faux), std::nullopt) << faux;
}

TEST(ValidationBornage, JourDansSonMois) {
  const auto r = borner_dates(une_date(date_bornee::precession_reference, {"31", "4", "2000"}));
  EXPECT_FALSE(r.erreur);
  EXPECT_EQ(triple(r, date_bornee::precession_reference), (triple_date{"30", "4", "2000"}));
  EXPECT_EQ(triple(borner_dates(une_date(date_bornee::planetarium_helio, {"29", "2", "2001"})),
                   date_bornee::planetarium_helio)
                .jour,
            "28");
  EXPECT_EQ(triple(borner_dates(une_date(date_bornee::planetarium_helio, {"29", "2", "2000"})),
                   date_bornee::planetarium_helio)
                .jour,
            "29");
}

TEST(ValidationBornage, FevrierDesAnneesHistoriques) {
  // Year -1 is 1 BC, a leap year; -4 is 5 BC, a common one.
  const std::pair<const char*, const char*> cas[] = {{"-1", "29"}, {"-4", "28"}, {"-5", "29"}, {"4", "29"}};
  for (const auto& [annee, jour] : cas)
    for (date_bornee d : {date_bornee::planetarium_helio, date_bornee::precession_reference})
      EXPECT_EQ(triple(borner_dates(une_date(d, {"29", "2", annee})), d).jour, jour) << annee;
}

TEST(ValidationBornage, JourZeroOuNegatif) {
  const auto zero = borner_dates(une_date(date_bornee::precession_voulue, {"0", "5", "2000"}));
  EXPECT_EQ(triple(zero, date_bornee::precession_voulue).jour, "1");
  const auto negatif = borner_dates(une_date(date_bornee::precession_voulue, {"-3", "5", "2000"}));
  EXPECT_EQ(triple(negatif, date_bornee::precession_voulue).jour, "1");
}

TEST(ValidationBornage, MoisEtAnnee) {
  const auto r = borner_dates(une_date(date_bornee::precession_reference, {"15", "13", "12000"}));
  EXPECT_EQ(triple(r, date_bornee::precession_reference), (triple_date{"15", "12", "10000"}));
  const auto s = borner_dates(une_date(date_bornee::precession_reference, {"15", "0", "-5000"}));
  EXPECT_EQ(triple(s, date_bornee::precession_reference), (triple_date{"15", "1", "-4713"}));
  const auto t = borner_dates(une_date(date_bornee::precession_reference, {"15", "-2", "-4713"}));
  EXPECT_EQ(triple(t, date_bornee::precession_reference), (triple_date{"15", "1", "-4713"}));
  const auto u = borner_dates(une_date(date_bornee::precession_reference, {"15", "12", "10000"}));
  EXPECT_EQ(triple(u, date_bornee::precession_reference), (triple_date{"15", "12", "10000"}));
}

TEST(ValidationBornage, LongueurDuMoisTelQueSaisi) {
  // Month 13 counts as a 31-day month: the day stays, the month becomes 12.
  const auto r = borner_dates(une_date(date_bornee::precession_reference, {"31", "13", "2000"}));
  EXPECT_EQ(triple(r, date_bornee::precession_reference), (triple_date{"31", "12", "2000"}));
  // February of a common year typed above 10000 is 28 days.
  const auto s = borner_dates(une_date(date_bornee::precession_reference, {"29", "2", "10001"}));
  EXPECT_EQ(triple(s, date_bornee::precession_reference), (triple_date{"28", "2", "10000"}));
}

TEST(ValidationBornage, TextesIntactsSansCorrection) {
  triples_dates saisie;
  saisie[0] = triple_date{" 05", "+3", "1992"};
  saisie[2] = triple_date{"31", "9", "1992"};
  const auto r = borner_dates(saisie);
  EXPECT_FALSE(r.erreur);
  EXPECT_EQ(*r.triples[0], (triple_date{" 05", "+3", "1992"}));
  EXPECT_FALSE(r.triples[1]);  // the page is not built: nothing comes back
  EXPECT_EQ(*r.triples[2], (triple_date{"30", "9", "1992"}));
}

TEST(ValidationBornage, ErreurDeConversionArreteLeTraitement) {
  triples_dates saisie;
  saisie[0] = triple_date{"31", "4", "2000"};
  saisie[1] = triple_date{"31", "abc", "2000"};
  saisie[2] = triple_date{"31", "6", "2000"};
  const auto r = borner_dates(saisie);
  ASSERT_TRUE(r.erreur);
  EXPECT_EQ(r.erreur->message.texte, "'abc' n'est pas une valeur entière correcte.");
  EXPECT_EQ(r.erreur->message.titre, "Erreur");
  EXPECT_EQ(r.erreur->message.icone, icone_message::erreur);
  EXPECT_EQ(r.erreur->date, date_bornee::precession_voulue);
  EXPECT_EQ(r.erreur->champ, champ_date::mois);
  // The first triple keeps its correction, the failing one and the next are untouched.
  EXPECT_EQ(r.triples[0]->jour, "30");
  EXPECT_EQ(*r.triples[1], saisie[1]);
  EXPECT_EQ(*r.triples[2], saisie[2]);
}

TEST(ValidationBornage, ErreurSurLeJourAvantLeReste) {
  const auto r = borner_dates(une_date(date_bornee::planetarium_helio, {"", "x", "y"}));
  ASSERT_TRUE(r.erreur);
  EXPECT_EQ(r.erreur->message.texte, "'' n'est pas une valeur entière correcte.");
  EXPECT_EQ(r.erreur->champ, champ_date::jour);
  EXPECT_EQ(r.erreur->date, date_bornee::planetarium_helio);
  const auto s = borner_dates(une_date(date_bornee::planetarium_helio, {"1", "1", "1992,5"}));
  ASSERT_TRUE(s.erreur);
  EXPECT_EQ(s.erreur->champ, champ_date::annee);
}

TEST(ValidationAnnees, ToutEstValide) {
  const auto r = valider_annees(toutes_valides());
  EXPECT_TRUE(r.focus_invalides.empty());
  EXPECT_FALSE(r.nombre_invalide);
  EXPECT_FALSE(r.ordre);
  EXPECT_FALSE(valider_annees(textes_annees{}).ordre);  // nothing built yet
}

TEST(ValidationAnnees, DeuxAnneesInvalides) {
  auto t = toutes_valides();
  poser(t, champ_annee::soleil_lune, "x1");
  poser(t, champ_annee::precession_reference, "abc");
  const auto r = valider_annees(t);
  EXPECT_EQ(r.focus_invalides, (std::vector<champ_annee>{champ_annee::precession_reference, champ_annee::soleil_lune}));
  ASSERT_TRUE(r.nombre_invalide);
  // The message names the later field in the list order.
  EXPECT_EQ(r.nombre_invalide->texte, "x1 n'est pas une valeur correcte.");
  EXPECT_EQ(r.nombre_invalide->titre, "Nombre invalide");
  EXPECT_EQ(r.nombre_invalide->icone, icone_message::erreur);
  EXPECT_FALSE(r.ordre);
}

TEST(ValidationAnnees, PerihelieAnneesEgales) {
  auto t = toutes_valides();
  poser(t, champ_annee::perihelies_fin, "1992");
  const auto r = valider_annees(t);
  EXPECT_FALSE(r.nombre_invalide);
  ASSERT_TRUE(r.ordre);
  EXPECT_EQ(r.ordre->message.texte, "L'année de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_EQ(r.ordre->message.titre, "Erreur de date !");
  EXPECT_EQ(r.ordre->message.icone, icone_message::erreur);
  EXPECT_EQ(r.ordre->focus, champ_annee::perihelies_fin);
  EXPECT_EQ(r.ordre->position, 1993);
}

TEST(ValidationAnnees, PhenomenesEtEclipses) {
  auto t = toutes_valides();
  poser(t, champ_annee::phenomenes_debut, "2000");
  poser(t, champ_annee::phenomenes_fin, "1999");
  const auto r = valider_annees(t);
  ASSERT_TRUE(r.ordre);
  EXPECT_EQ(r.ordre->message.texte, "L'année de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_EQ(r.ordre->focus, champ_annee::phenomenes_fin);
  EXPECT_EQ(r.ordre->position, 2001);

  auto e = toutes_valides();
  poser(e, champ_annee::eclipses_debut, "-500");
  poser(e, champ_annee::eclipses_fin, "-600");
  const auto s = valider_annees(e);
  ASSERT_TRUE(s.ordre);
  EXPECT_EQ(s.ordre->message.texte, "La date de départ doit être inférieure à l'année de fin des recherches.");
  EXPECT_EQ(s.ordre->message.titre, "Erreur de date !");
  EXPECT_EQ(s.ordre->focus, champ_annee::eclipses_fin);
  EXPECT_EQ(s.ordre->position, -499);
}

TEST(ValidationAnnees, SeulLePremierTestEnEchecEstSignale) {
  auto t = toutes_valides();
  poser(t, champ_annee::eclipses_fin, "1000");
  poser(t, champ_annee::phenomenes_fin, "1000");
  const auto r = valider_annees(t);
  ASSERT_TRUE(r.ordre);
  EXPECT_EQ(r.ordre->focus, champ_annee::phenomenes_fin);
}

TEST(ValidationAnnees, ChampsAbsentsOuInvalidesNeSontPasCompares) {
  // Only the eclipse page is built.
  const auto r = valider_annees(annees({{champ_annee::eclipses_debut, "1993"}, {champ_annee::eclipses_fin, "1993"}}));
  ASSERT_TRUE(r.ordre);
  EXPECT_EQ(r.ordre->focus, champ_annee::eclipses_fin);
  EXPECT_EQ(r.ordre->position, 1994);

  // A non-numeric first year: reported as such, its search is not compared, the next is.
  auto t = toutes_valides();
  poser(t, champ_annee::perihelies_debut, "deux mille");
  poser(t, champ_annee::eclipses_fin, "1900");
  const auto s = valider_annees(t);
  EXPECT_EQ(s.focus_invalides, (std::vector<champ_annee>{champ_annee::perihelies_debut}));
  ASSERT_TRUE(s.nombre_invalide);
  EXPECT_EQ(s.nombre_invalide->texte, "deux mille n'est pas une valeur correcte.");
  ASSERT_TRUE(s.ordre);
  EXPECT_EQ(s.ordre->focus, champ_annee::eclipses_fin);
}

TEST(ValidationAnnees, AnneesReellesEtSeparateurs) {
  auto t = toutes_valides();
  poser(t, champ_annee::perihelies_debut, "1992,5");
  poser(t, champ_annee::perihelies_fin, "1992.5");
  const auto r = valider_annees(t);
  EXPECT_TRUE(r.focus_invalides.empty());
  ASSERT_TRUE(r.ordre);
  EXPECT_EQ(r.ordre->position, 1993);  // first year + 1, whole part
}
