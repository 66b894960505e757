#include "service/reply_forms.h"

namespace zembra::service {
namespace {

std::string Joined(const std::vector<std::string>& fields, char separator, bool markEmpty) {
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out += separator;
    out += fields[i].empty() && markEmpty ? std::string("#") : fields[i];
  }
  return out;
}

}  // namespace

std::string RecordFrame(const std::vector<std::string>& fields, char separator) {
  // Personal info ("~"-separated) keeps its empty fields empty.
  return "$" + Joined(fields, separator, separator == ' ') + "$";
}

std::string ListFrames(const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (const auto& row : rows) out += "$" + Joined(row, ' ', true) + "*";
  return out;
}

std::string NumberReply(int64_t n) { return "$" + std::to_string(n) + "$"; }

std::string StatAcknowledgement(bool accepted) { return accepted ? "$ ok#" : "$ error#"; }

}  // namespace zembra::service
