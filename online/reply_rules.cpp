#include "online/reply_rules.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zembra {

bool FindMarker(std::string_view reply, std::string_view marker) {
  // Frames run from a "$" to the next "$" or "*" (the list form); what lies
  // between frames is where markers stand.
  std::string outside;
  bool inFrame = false;
  for (size_t i = 0; i < reply.size(); ++i) {
    const char c = reply[i];
    if (!inFrame && c == '$') {
      inFrame = true;
      outside += ' ';
      continue;
    }
    if (inFrame && (c == '$' || c == '*')) {
      inFrame = false;
      outside += ' ';
      continue;
    }
    if (!inFrame) outside += c;
  }
  return outside.find(marker) != std::string::npos;
}

std::string ReadFrame(std::string_view reply, size_t start, char terminator) {
  if (start >= reply.size() || reply[start] != '$' || start + 1 >= reply.size()) return {};
  const size_t end = reply.find(terminator, start + 1);
  if (end == std::string_view::npos) return std::string(reply.substr(start + 1, reply.size() - 1 - (start + 1)));
  return std::string(reply.substr(start + 1, end - start - 1));
}

std::vector<std::string> SplitFields(std::string_view frame, char separator) {
  std::vector<std::string> fields{std::string()};
  size_t from = 0;
  while (true) {
    const size_t at = frame.find(separator, from);
    fields.emplace_back(frame.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) break;
    from = at + 1;
  }
  return fields;
}

std::vector<std::string> FirstFrameFields(std::string_view reply, char terminator, char separator) {
  const size_t start = reply.find('$');
  if (start == std::string_view::npos || start + 1 >= reply.size()) return {};
  return SplitFields(ReadFrame(reply, start, terminator), separator);
}

std::vector<std::vector<std::string>> ListFrameFields(std::string_view reply, size_t most) {
  std::vector<std::vector<std::string>> rows;
  size_t at = reply.find('$');
  while (at != std::string_view::npos && at + 1 < reply.size() && rows.size() < most) {
    rows.push_back(SplitFields(ReadFrame(reply, at, '*'), ' '));
    const size_t end = reply.find('*', at + 1);
    if (end == std::string_view::npos) break;
    at = reply.find('$', end + 1);
  }
  return rows;
}

std::optional<long long> NumberAfterDollar(std::string_view reply) {
  if (reply.size() < 2) return std::nullopt;
  const size_t at = reply.rfind('$', reply.size() - 2);
  if (at == std::string_view::npos) return std::nullopt;
  const size_t last = reply.size() - 1;  // never part of the number
  size_t end = at + 1;
  while (end < last && reply[end] >= '0' && reply[end] <= '9') ++end;
  if (end == at + 1) return std::nullopt;
  long long n = 0;
  const auto r = std::from_chars(reply.data() + at + 1, reply.data() + end, n);
  if (r.ec != std::errc()) return std::nullopt;
  return n;
}

std::optional<double> ParseDecimal(std::string_view text) {
  std::string t(text);
  for (char& c : t)
    if (!((c >= '0' && c <= '9') || c == ' ' || c == '-')) {
      c = '.';
      break;
    }
  // Spaces around the number are allowed, not inside it.
  const size_t first = t.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const size_t last = t.find_last_not_of(' ');
  t = t.substr(first, last - first + 1);
  double x = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), x);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(x)) return std::nullopt;
  return x;
}

std::string FormatDecimal(double x) {
  if (!std::isfinite(x) || std::fabs(x) < 0.00001) return "0";
  // Shortest round-trip digits in fixed notation: never an exponent, which
  // the reading rule could not take back.
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
  std::string s(buf, r.ptr);
  for (char& c : s)
    if (c == ',') c = '.';
  return s;
}

bool StatAcknowledged(std::string_view reply) {
  if (reply.size() < 2) return false;
  const size_t at = reply.rfind('$', reply.size() - 2);
  if (at == std::string_view::npos) return false;
  std::string_view text = reply.substr(at + 1);
  text = text.substr(0, text.find('#'));
  return text.size() >= 3 && text.substr(1, 2) == "ok";
}

long long FieldInt(const std::vector<std::string>& f, size_t i, long long fallback) {
  if (i >= f.size()) return fallback;
  long long n = 0;
  const std::string& s = f[i];
  const auto r = std::from_chars(s.data(), s.data() + s.size(), n);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() ? n : fallback;
}

double FieldDecimal(const std::vector<std::string>& f, size_t i, double fallback) {
  if (i >= f.size()) return fallback;
  return ParseDecimal(f[i]).value_or(fallback);
}

std::string FieldText(const std::vector<std::string>& f, size_t i, const std::string& fallback) {
  return i < f.size() ? f[i] : fallback;
}

}  // namespace zembra
