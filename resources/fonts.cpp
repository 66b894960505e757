#include "resources/fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <cmath>

namespace zembra {

void LoadBundledFonts() {
  for (const char* f : {":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf",
                        ":/fonts/LiberationMono-Regular.ttf", ":/fonts/LiberationMono-Bold.ttf"}) {
    const QString path = QString::fromLatin1(f);
    // Read where the program holds them, not copied: only the parts of a
    // font that are drawn are ever paged in.
    const QResource item(path);
    if (item.isValid() && item.compressionAlgorithm() == QResource::NoCompression && item.data())
      QFontDatabase::addApplicationFontFromData(
          QByteArray::fromRawData(reinterpret_cast<const char*>(item.data()), static_cast<qsizetype>(item.size())));
    else
      QFontDatabase::addApplicationFont(path);
  }
}

QString FamilyFor(const std::string& configuredName) {
  const QString name = QString::fromStdString(configuredName);
  if (name.compare(QStringLiteral("Comic Sans MS"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Comic Neue");
  if (name.compare(QStringLiteral("FixedSys"), Qt::CaseInsensitive) == 0 ||
      name.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  return name;
}

QFont RoleFont(const TSettings& settings, TFontRoleId role, double pixelHeight, bool bold) {
  const TFontRole& r = settings.Fonts[static_cast<int>(role)];
  QFont f(FamilyFor(r.Name));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelHeight * r.Scale / 100.0))));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace zembra
