// A strict reading of an iCalendar file for the tests: what RFC 5545 asks of its octets
// (CR LF, 75-octet lines, folds outside UTF-8 characters, no control character), its
// BEGIN/END nesting, and each event's properties.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace almanax::essais {

// The file's content lines, unfolded, after checking what RFC 5545 asks of the octets:
// CR LF after every line, at most 75 octets a line, folds that start with one space and
// never split a UTF-8 character, no other control character.
inline std::vector<std::string> lignes_depliees(const std::string& f) {
  std::vector<std::string> lignes;
  std::size_t debut = 0;
  while (debut < f.size()) {
    const std::size_t fin = f.find("\r\n", debut);
    EXPECT_NE(fin, std::string::npos) << "ligne sans CR LF";
    if (fin == std::string::npos) break;
    const std::string l = f.substr(debut, fin - debut);
    EXPECT_LE(l.size(), 75u) << l;
    for (const char c : l) EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << l;
    if (!l.empty() && l[0] == ' ') {
      EXPECT_FALSE(lignes.empty());
      EXPECT_GT(l.size(), 1u);
      EXPECT_NE(static_cast<unsigned char>(l[1]) & 0xC0, 0x80u) << "pli dans un caractère : " << l;
      lignes.back() += l.substr(1);
    } else {
      lignes.push_back(l);
    }
    debut = fin + 2;
  }
  return lignes;
}

// Each VEVENT's properties by name (the parameters kept in the name: "DTSTART;VALUE=DATE").
inline std::vector<std::map<std::string, std::string>> evenements_lus(const std::string& f) {
  std::vector<std::map<std::string, std::string>> r;
  int profondeur = 0;
  for (const std::string& l : lignes_depliees(f)) {
    const std::size_t deux_points = l.find(':');
    EXPECT_NE(deux_points, std::string::npos) << l;
    const std::string nom = l.substr(0, deux_points), valeur = l.substr(deux_points + 1);
    if (nom == "BEGIN") {
      ++profondeur;
      if (valeur == "VEVENT") r.emplace_back();
      EXPECT_EQ(profondeur, valeur == "VCALENDAR" ? 1 : 2) << l;
    } else if (nom == "END") {
      --profondeur;
    } else if (profondeur == 2) {
      r.back()[nom] = valeur;
    }
  }
  EXPECT_EQ(profondeur, 0);
  return r;
}

}  // namespace almanax::essais
