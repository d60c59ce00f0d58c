#include "calcul/tri_francais.h"

#include <utility>

namespace almanax {

namespace {

// UTF-8 sequences of the French letters with diacritics, and what they fold to.
constexpr std::pair<std::string_view, std::string_view> pliages[] = {
    {"à", "a"}, {"â", "a"}, {"ä", "a"}, {"À", "a"}, {"Â", "a"}, {"Ä", "a"},  {"ç", "c"},  {"Ç", "c"},  {"é", "e"},
    {"è", "e"}, {"ê", "e"}, {"ë", "e"}, {"É", "e"}, {"È", "e"}, {"Ê", "e"},  {"Ë", "e"},  {"î", "i"},  {"ï", "i"},
    {"Î", "i"}, {"Ï", "i"}, {"ô", "o"}, {"ö", "o"}, {"Ô", "o"}, {"Ö", "o"},  {"ù", "u"},  {"û", "u"},  {"ü", "u"},
    {"Ù", "u"}, {"Û", "u"}, {"Ü", "u"}, {"ÿ", "y"}, {"Ÿ", "y"}, {"œ", "oe"}, {"Œ", "oe"}, {"æ", "ae"}, {"Æ", "ae"},
};

}  // namespace

std::string cle_francaise(std::string_view nom) {
  std::string r;
  r.reserve(nom.size());
  for (std::size_t i = 0; i < nom.size();) {
    const unsigned char c = static_cast<unsigned char>(nom[i]);
    if (c < 0x80) {
      r += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
      ++i;
      continue;
    }
    bool plie = false;
    for (const auto& [accent, lettre] : pliages)
      if (nom.substr(i, accent.size()) == accent) {
        r += lettre;
        i += accent.size();
        plie = true;
        break;
      }
    if (!plie) r += nom[i++];  // any other byte stays, after the Latin letters
  }
  return r;
}

int comparer_francais(std::string_view a, std::string_view b) {
  const std::string ka = cle_francaise(a), kb = cle_francaise(b);
  if (const int c = ka.compare(kb); c != 0) return c;
  return a.compare(b);
}

}  // namespace almanax
