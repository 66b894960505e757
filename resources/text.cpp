#include "resources/text.h"

#include "resources/words.h"

namespace zembra {

QString Row(int r) { return QString::fromStdString(W(r)); }

QString WithoutTrailingBlanks(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && s.at(end - 1) == QLatin1Char(' ')) --end;
  return s.left(end);
}

}  // namespace zembra
