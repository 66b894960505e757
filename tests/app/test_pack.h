// Resource packs made by the tests: picture items compiled by Qt's
// resource compiler into a pack file, as the pack builder makes them.
#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>
#include <vector>

namespace zembra_test {

// A pack file with the given picture items, compiled by rcc.
inline void BuildPack(const QString& path, const std::vector<std::pair<QString, QImage>>& pngs,
                       const std::vector<std::pair<QString, QImage>>& jpegs = {}) {
  QTemporaryDir work;
  QString qrc = "<RCC><qresource prefix=\"/\">\n";
  auto add = [&](const QString& kind, const QString& name, const QImage& image, const char* format) {
    QDir().mkpath(work.path() + "/" + kind);
    QVERIFY(image.save(work.path() + "/" + kind + "/" + name, format));
    qrc += "<file>" + kind + "/" + name + "</file>\n";
  };
  for (const auto& [name, image] : pngs) add("RCDATA", name, image, "PNG");
  for (const auto& [name, image] : jpegs) add("JPEG", name, image, "JPEG");
  qrc += "</qresource></RCC>\n";
  QFile f(work.path() + "/pack.qrc");
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(qrc.toUtf8());
  f.close();
  QProcess rcc;
  rcc.start(ZEMBRA_RCC, {"--binary", "-o", path, work.path() + "/pack.qrc"});
  QVERIFY(rcc.waitForFinished(30000));
  QCOMPARE(rcc.exitCode(), 0);
}

}  // namespace zembra_test
