// The club service's request forms: the POST bodies the game sends, in
// either of its two styles (fields joined by "&", raw or percent-encoded,
// the list style with an empty entry between fields), read into ordered
// name/value pairs. Values arrive in code page 1251 and leave here as UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembra::service {

struct TFormField {
  std::string Name;
  std::string Value;  // UTF-8
};

enum class TFormError {
  None,
  Malformed,    // a non-empty entry without "=", an empty name or a name seen twice
  BadCodePage,  // a byte that code page 1251 does not define, or a control character
  TooManyFields,
};

class TForm {
 public:
  const std::vector<TFormField>& Fields() const { return Fields_; }
  bool Has(std::string_view name) const { return Find(name) != nullptr; }
  // The value of the field, or nullptr when the form lacks it.
  const std::string* Find(std::string_view name) const;
  // The value, or an empty text when the form lacks it.
  std::string Value(std::string_view name) const;
  void Add(std::string name, std::string value) { Fields_.push_back({std::move(name), std::move(value)}); }

 private:
  std::vector<TFormField> Fields_;
};

inline constexpr size_t kMaxFormFields = 64;

// Reads a body. "%XX" escapes are decoded in every style (a raw body's "%"
// that starts no escape stays as it is); "+" is kept as it is, since the raw
// style sends it literally and our own client encodes spaces as "%20".
std::optional<TForm> ParseForm(std::string_view body, TFormError* error = nullptr);

// The other way, for clients and tests: fields joined by "&" with every value
// converted to code page 1251 and percent-encoded.
std::string EncodeForm(const std::vector<TFormField>& fields);

}  // namespace zembra::service
