// The reply forms the game parses: a single "$"-framed record, a list of
// "$…*" frames, a number after "$", the statistics acknowledgement. Every
// text that goes into a frame has passed the field rules, so none holds the
// frame's separator or terminator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zembra::service {

// "$a b c$": one record; empty texts are written "#", the game's mark for
// an empty field, so that no field disappears between two separators.
std::string RecordFrame(const std::vector<std::string>& fields, char separator = ' ');
// "$a b c*" for each row, one after another.
std::string ListFrames(const std::vector<std::vector<std::string>>& rows);
// "$17$": the number a request's reply carries after its last "$".
std::string NumberReply(int64_t n);
// "$ ok#" or "$ error#": the second and third characters after the last
// "$" say whether the counters took the post.
std::string StatAcknowledgement(bool accepted);

}  // namespace zembra::service
