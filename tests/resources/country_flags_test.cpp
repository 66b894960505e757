// The club's country flags on the offscreen platform: every design reads
// and covers the country table, every code gives a flag of the asked size,
// stripes fall on whole pixels in their true colours, no two countries
// share a flag unless their real flags are the same, and the grey "?" flag
// stands for Unknown and for every code that names no country.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "online/countries.h"
#include "resources/country_flags.h"
#include "resources/flag_designs.h"
#include "resources/flag_painter.h"

using namespace zembra;

namespace zembra_test {
namespace {

struct TNamedCode {
  std::string Code, Short;
};

std::vector<TNamedCode> AllCountries() {
  std::vector<TNamedCode> all;
  for (int c = 1; c <= kContinentCount; ++c) {
    const auto list = ContinentCountries(c);
    for (int i = 1; i < static_cast<int>(list.size()); ++i) all.push_back({*CountryCode(c, i), std::string(list[i].Short)});
  }
  return all;
}

QImage Image(const std::string& code, int w, int h) { return CountryFlag(code, w, h).toImage().convertToFormat(QImage::Format_ARGB32); }

// Pixels that differ clearly (by more than a faint shade).
int DifferentPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
              std::abs(qAlpha(p) - qAlpha(q)) > 60)
        ++n;
    }
  return n;
}

// Countries whose real flags are the same design: they differ only in
// proportions, which the 7 : 6 list icon does not keep, and Chad's blue is
// a shade darker than Romania's.
const std::set<std::pair<std::string, std::string>> kSameFlag = {{"Monaco", "Indonesia"}, {"Romania", "Chad"}};
// Of those, the ones drawn in the very same colours.
const std::set<std::pair<std::string, std::string>> kSamePixels = {{"Monaco", "Indonesia"}};

// A pair in one order or the other.
bool Listed(const std::set<std::pair<std::string, std::string>>& list, const std::string& a, const std::string& b) {
  return list.count({a, b}) || list.count({b, a});
}

}  // namespace

class CountryFlagsTest : public QObject {
  Q_OBJECT

 private slots:
  void designsCoverTheTable() {
    std::set<std::string> designed;
    for (const TFlagDesign& d : FlagDesigns()) {
      QVERIFY2(designed.insert(std::string(d.Short)).second, d.Short.data());
      const auto code = CountryCodeOfShort(d.Short);
      QVERIFY2(code && *code != "1-000", d.Short.data());
    }
    for (const TNamedCode& c : AllCountries()) QVERIFY2(designed.count(c.Short), c.Short.c_str());
    QCOMPARE(designed.size(), AllCountries().size());
  }

  void everyDesignReads() {
    for (const TFlagDesign& d : FlagDesigns())
      for (const QSize size : {QSize(14, 12), QSize(28, 24), QSize(3, 2)}) {
        QImage img(size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        const TFlagPaint paint = PaintFlagDesign(p, img.rect(), d.Design);
        QVERIFY2(paint.Ok, (std::string(d.Short) + ": " + paint.Error).c_str());
      }
  }

  void damagedDesignsAreRefused() {
    const struct {
      const char* Design;
      const char* Error;
    } cases[] = {
        {"h", "stripes without colours"},
        {"rect 0 0 1", "a number expected"},
        {"rect 0 0 1 1 #12345", "a bad colour"},
        {"fill red", "a colour expected"},
        {"h w*0 k", "a bad weight"},
        {"box 0 0 .5 .5 fill w", "a box without its end"},
        {"end", "an end without its box"},
        {"poly w 0 0 1 1", "a polygon of fewer than three corners"},
        {"fill w wobble 1", "an unknown step 'wobble'"},
        {"disc .5 .5 1e x", "a bad number"},
    };
    for (const auto& c : cases) {
      QImage img(14, 12, QImage::Format_ARGB32);
      QPainter p(&img);
      const TFlagPaint paint = PaintFlagDesign(p, img.rect(), c.Design);
      QVERIFY2(!paint.Ok, c.Design);
      QVERIFY2(QString::fromStdString(paint.Error).startsWith(c.Error), paint.Error.c_str());
    }
  }

  void everyCodeGivesAFlagOfTheAskedSize() {
    std::vector<std::string> codes = {"1-000", "7-001", "1-049", "", "Russia", "1-0011"};
    for (const TNamedCode& c : AllCountries()) codes.push_back(c.Code);
    for (const std::string& code : codes)
      for (const QSize size : {QSize(14, 12), QSize(24, 20), QSize(28, 24), QSize(100, 68)}) {
        const QPixmap pm = CountryFlag(code, size.width(), size.height());
        QVERIFY2(!pm.isNull(), code.c_str());
        QCOMPARE(pm.size(), size);
      }
    QVERIFY(CountryFlag("1-001", 0, 12).isNull());
    QVERIFY(CountryFlag("1-001", 14, -1).isNull());
    QVERIFY(CountryFlag("1-001", 100000, 12).isNull());
    QCOMPARE(CountryFlag("1-001", 1024, 1024).size(), QSize(1024, 1024));
  }

  // The flags are kept: the same code and size give the same pixmap.
  void flagsAreKept() {
    QCOMPARE(CountryFlag("2-040").cacheKey(), CountryFlag("2-040").cacheKey());
    QVERIFY(CountryFlag("2-040").cacheKey() != CountryFlag("2-040", 28, 24).cacheKey());
    QCOMPARE(CountryFlag("9-999").cacheKey(), CountryFlag("1-000").cacheKey());
  }

  void unknownCodesShareTheQuestionFlag() {
    const QImage unknown = Image("1-000", 14, 12);
    for (const char* code : {"2-000", "6-000", "1-049", "6-055", "7-001", "0-000", "1- 01", "", "United_Kingdom"})
      QVERIFY2(Image(code, 14, 12) == unknown, code);
    // grey, with a darker mark
    const QRgb field = unknown.pixel(2, 2);
    QCOMPARE(qRed(field), qGreen(field));
    QCOMPARE(qGreen(field), qBlue(field));
    int darkest = 255;
    for (int y = 2; y < 10; ++y)
      for (int x = 3; x < 11; ++x) darkest = std::min(darkest, qGray(unknown.pixel(x, y)));
    QVERIFY(darkest < qGray(field) - 60);
    for (const TNamedCode& c : AllCountries()) QVERIFY2(Image(c.Code, 14, 12) != unknown, c.Short.c_str());
  }

  // Stripes on whole pixels in the flags' true colours, at both sizes.
  void stripesAreCrispAndTrue() {
    const struct {
      const char* Code;
      double X, Y;
      QRgb Colour;
    } cases[] = {
        {"1-001", .5, .2, qRgb(255, 255, 255)}, {"1-001", .5, .5, qRgb(0x00, 0x39, 0xA6)},
        {"1-001", .5, .85, qRgb(0xD5, 0x2B, 0x1E)}, {"1-016", .5, .15, qRgb(0, 0, 0)},
        {"1-016", .5, .5, qRgb(0xDD, 0, 0)},     {"1-016", .5, .85, qRgb(0xFF, 0xCE, 0)},
        {"1-015", .2, .5, qRgb(0x00, 0x23, 0x95)}, {"1-015", .8, .5, qRgb(0xED, 0x29, 0x39)},
        {"1-046", .5, .25, qRgb(0x00, 0x57, 0xB7)}, {"1-046", .5, .75, qRgb(0xFF, 0xD7, 0x00)},
        {"2-020", .5, .5, qRgb(0xBC, 0x00, 0x2D)}, {"2-020", .15, .2, qRgb(255, 255, 255)},
        {"1-044", .36, .5, qRgb(0xFE, 0xCC, 0x00)}, {"1-044", .15, .2, qRgb(0x00, 0x6A, 0xA7)},
    };
    for (const QSize size : {QSize(14, 12), QSize(28, 24)}) {
      for (const auto& c : cases) {
        const QImage img = Image(c.Code, size.width(), size.height());
        const QRgb got = img.pixel(int(c.X * size.width()), int(c.Y * size.height()));
        QVERIFY2(got == c.Colour, QString("%1 at %2,%3 of %4x%5: %6")
                                      .arg(c.Code).arg(c.X).arg(c.Y).arg(size.width()).arg(size.height())
                                      .arg(got, 8, 16).toLatin1());
      }
      // Every row of Russia's flag inside its outline is one colour.
      const QImage russia = Image("1-001", size.width(), size.height());
      for (int y = 1; y < size.height() - 1; ++y)
        for (int x = 2; x < size.width() - 1; ++x) QCOMPARE(russia.pixel(x, y), russia.pixel(1, y));
    }
  }

  // No two countries share a flag, nor come close to it (less than a
  // twentieth of it differs clearly), unless their real flags are the same.
  void noTwoFlagsAlike() {
    const auto all = AllCountries();
    for (const QSize size : {QSize(14, 12), QSize(28, 24)}) {
      std::vector<QImage> images;
      for (const TNamedCode& c : all) images.push_back(Image(c.Code, size.width(), size.height()));
      int alike = 0, identical = 0;
      for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
          const std::string &a = all[i].Short, &b = all[j].Short;
          const int differ = DifferentPixels(images[i], images[j]);
          if (differ * 20 < size.width() * size.height()) {
            ++alike;
            QVERIFY2(Listed(kSameFlag, a, b), QString("%1 and %2 differ in %3 pixels at %4x%5")
                                                  .arg(a.c_str(), b.c_str()).arg(differ).arg(size.width())
                                                  .arg(size.height()).toLatin1());
          }
          if (images[i] == images[j]) {
            ++identical;
            QVERIFY2(Listed(kSamePixels, a, b), (a + " and " + b).c_str());
          }
        }
      QCOMPARE(alike, int(kSameFlag.size()));
      QCOMPARE(identical, int(kSamePixels.size()));
    }
  }
};

}  // namespace zembra_test

QTEST_MAIN(zembra_test::CountryFlagsTest)
#include "country_flags_test.moc"
