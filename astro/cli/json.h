// A small JSON value for the command line's --json output: keys keep their
// insertion order, numbers keep full precision.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace almanax::json {

class valeur {
 public:
  using objet = std::vector<std::pair<std::string, valeur>>;
  using tableau = std::vector<valeur>;

  valeur() = default;  // null
  valeur(std::nullptr_t) {}
  valeur(bool b) : v_(b) {}
  valeur(int x) : v_(static_cast<long double>(x)) {}
  valeur(long x) : v_(static_cast<long double>(x)) {}
  valeur(long long x) : v_(static_cast<long double>(x)) {}
  valeur(double x) : v_(static_cast<long double>(x)) {}
  valeur(long double x) : v_(x) {}
  valeur(const char* s) : v_(std::string(s)) {}
  valeur(std::string s) : v_(std::move(s)) {}
  valeur(std::string_view s) : v_(std::string(s)) {}

  static valeur nouvel_objet() { valeur v; v.v_ = objet{}; return v; }
  static valeur nouveau_tableau() { valeur v; v.v_ = tableau{}; return v; }

  // Object: adds or replaces a key (turns a null into an object). Returns *this.
  valeur& ajouter(std::string cle, valeur v);
  // Array: appends (turns a null into an array). Returns *this.
  valeur& pousser(valeur v);

  const valeur* chercher(std::string_view cle) const;  // object member or nullptr
  bool est_nul() const { return std::holds_alternative<std::monostate>(v_); }

  // Compact text with a final newline-free layout; non-finite numbers become null.
  std::string texte() const;

 private:
  void ecrire(std::string& out) const;
  std::variant<std::monostate, bool, long double, std::string, objet, tableau> v_;
};

}  // namespace almanax::json
