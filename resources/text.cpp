#include "resources/text.h"

#include "resources/words.h"

namespace zembra {

QString Row(int r) { return QString::fromStdString(W(r)); }

}  // namespace zembra
