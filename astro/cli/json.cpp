#include "cli/json.h"

#include <cmath>
#include <cstdio>

namespace almanax::json {

valeur& valeur::ajouter(std::string cle, valeur v) {
  if (est_nul()) v_ = objet{};
  auto& o = std::get<objet>(v_);
  for (auto& [k, x] : o)
    if (k == cle) {
      x = std::move(v);
      return *this;
    }
  o.emplace_back(std::move(cle), std::move(v));
  return *this;
}

valeur& valeur::pousser(valeur v) {
  if (est_nul()) v_ = tableau{};
  std::get<tableau>(v_).push_back(std::move(v));
  return *this;
}

const valeur* valeur::chercher(std::string_view cle) const {
  if (const auto* o = std::get_if<objet>(&v_))
    for (const auto& [k, x] : *o)
      if (k == cle) return &x;
  return nullptr;
}

namespace {
void ecrire_chaine(std::string& out, const std::string& s) {
  out += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char b[8];
          std::snprintf(b, sizeof b, "\\u%04x", c);
          out += b;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}
}  // namespace

void valeur::ecrire(std::string& out) const {
  if (std::holds_alternative<std::monostate>(v_)) {
    out += "null";
  } else if (const auto* b = std::get_if<bool>(&v_)) {
    out += *b ? "true" : "false";
  } else if (const auto* x = std::get_if<long double>(&v_)) {
    if (!std::isfinite(*x)) {
      out += "null";
    } else {
      char b[64];
      // 17 significant digits: a double read back is the same number.
      std::snprintf(b, sizeof b, "%.17Lg", *x);
      out += b;
    }
  } else if (const auto* s = std::get_if<std::string>(&v_)) {
    ecrire_chaine(out, *s);
  } else if (const auto* o = std::get_if<objet>(&v_)) {
    out += '{';
    bool premier = true;
    for (const auto& [k, v] : *o) {
      if (!premier) out += ',';
      premier = false;
      ecrire_chaine(out, k);
      out += ':';
      v.ecrire(out);
    }
    out += '}';
  } else if (const auto* t = std::get_if<tableau>(&v_)) {
    out += '[';
    bool premier = true;
    for (const auto& v : *t) {
      if (!premier) out += ',';
      premier = false;
      v.ecrire(out);
    }
    out += ']';
  }
}

std::string valeur::texte() const {
  std::string s;
  ecrire(s);
  return s;
}

}  // namespace almanax::json
