#include "service/form.h"

#include "records/cp1251.h"

namespace zembra::service {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi << 4 | lo);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

// Code page 1251 leaves 0x98 undefined; control characters have no place
// in any field of the game's forms.
bool FitsCodePage(std::string_view bytes) {
  for (const char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || b == 0x98) return false;
  }
  return true;
}

bool Fail(TFormError* error, TFormError what) {
  if (error) *error = what;
  return false;
}

}  // namespace

const std::string* TForm::Find(std::string_view name) const {
  for (const TFormField& f : Fields_)
    if (f.Name == name) return &f.Value;
  return nullptr;
}

std::string TForm::Value(std::string_view name) const {
  const std::string* v = Find(name);
  return v ? *v : std::string();
}

std::optional<TForm> ParseForm(std::string_view body, TFormError* error) {
  if (error) *error = TFormError::None;
  TForm form;
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find('&', start);
    if (end == std::string_view::npos) end = body.size();
    std::string_view entry = body.substr(start, end - start);
    start = end + 1;
    // The list style's empty entries, and the line breaks a client may
    // leave at the end of a raw body.
    while (!entry.empty() && (entry.back() == '\r' || entry.back() == '\n')) entry.remove_suffix(1);
    while (!entry.empty() && (entry.front() == '\r' || entry.front() == '\n')) entry.remove_prefix(1);
    if (entry.empty() || entry == "=") continue;
    const size_t eq = entry.find('=');
    if (eq == std::string_view::npos || eq == 0) {
      Fail(error, TFormError::Malformed);
      return std::nullopt;
    }
    const std::string name = PercentDecode(entry.substr(0, eq));
    const std::string value = PercentDecode(entry.substr(eq + 1));
    if (!FitsCodePage(name) || !FitsCodePage(value)) {
      Fail(error, TFormError::BadCodePage);
      return std::nullopt;
    }
    if (form.Has(name)) {
      Fail(error, TFormError::Malformed);
      return std::nullopt;
    }
    if (form.Fields().size() == kMaxFormFields) {
      Fail(error, TFormError::TooManyFields);
      return std::nullopt;
    }
    form.Add(Cp1251ToUtf8(name), Cp1251ToUtf8(value));
  }
  return form;
}

std::string EncodeForm(const std::vector<TFormField>& fields) {
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (const TFormField& f : fields) {
    if (!out.empty()) out += '&';
    out += f.Name;
    out += '=';
    for (const char c : Utf8ToCp1251(f.Value)) {
      const unsigned char b = static_cast<unsigned char>(c);
      if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '-' || b == '.' ||
          b == '_') {
        out += c;
      } else {
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 15];
      }
    }
  }
  return out;
}

}  // namespace zembra::service
