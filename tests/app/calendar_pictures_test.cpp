// The holiday calendar on the menu: tiles drawn from the calendar pack, the
// right picture turning every ten seconds, the hints, and nothing at all
// without the pack.
#include "calendar/calendar_pictures.h"
#include "calendar/calendar_plan.h"
#include "calendar/holiday_record.h"
#include "resources/pack_file.h"
#include "test_pack.h"
#include "window_fixture.h"

namespace zembra_test {

namespace {

const QColor kPaper(250, 250, 250), kHoliday(200, 30, 40), kAnimal(30, 60, 200), kSign(40, 160, 60);

QImage Plain(int w, int h, const QColor& c) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(c);
  return image;
}

// A calendar pack drawn at twice the tile's size, as the pack builder draws
// it: a plain leaf, and a plain colour for every sign, animal and holiday.
void BuildCalendarPack(const QString& path) {
  std::vector<std::pair<QString, QImage>> items = {{"R_BASE", Plain(120, 200, kPaper)}};
  for (int s = 1; s <= 12; ++s) items.push_back({QString::asprintf("R_%02d", s), Plain(52, 52, kSign)});
  for (const char* a : kAnimalPictures) items.push_back({a, Plain(108, 140, kAnimal)});
  for (const char* h : {"R_RUSORDN", "R_USAFLAG", "R_PRAKRES", "R_EASTER0"}) items.push_back({h, Plain(108, 140, kHoliday)});
  BuildPack(path, items);
}

QColor At(const QImage& tile, double x, double y) {
  return tile.pixelColor(static_cast<int>(x * tile.devicePixelRatio()), static_cast<int>(y * tile.devicePixelRatio()));
}

// Pixels of the day's number that are plainly red.
int RedPixels(const QImage& tile) {
  int red = 0;
  for (int y = 22 * 2; y < 42 * 2; ++y)
    for (int x = 0; x < tile.width(); ++x) {
      const QColor c = tile.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++red;
    }
  return red;
}

TCalendarTiles Build(const QString& folder, const TDate& day, int language = 0) {
  TCalendarRequest request;
  request.Folder = folder;
  request.Today = day;
  request.Language = language;
  TCalendarTiles tiles;
  [&] { QVERIFY(BuildCalendar(request, &tiles)); }();
  return tiles;
}

}  // namespace

class CalendarPicturesTest : public TWindowFixture {
  Q_OBJECT

 private Q_SLOTS:
  void init() { FixtureInit(); }
  void cleanup() { FixtureCleanup(); }

  void withoutThePackNothingIsBuiltOrShown() {
    TCalendarRequest request;
    request.Folder = FolderPath();
    request.Today = {2025, 5, 9};
    TCalendarTiles tiles;
    QVERIFY(!BuildCalendar(request, &tiles));
    QCOMPARE(tiles.Count(), 0);
    QWidget host;
    TCalendarPictures pictures(&host);
    pictures.SetDay(TDate{2025, 5, 9});
    pictures.Rebuild(FolderPath(), 0);
    pictures.SetShown(true);
    QVERIFY(!pictures.Built());
    QVERIFY(pictures.LeftPicture()->isHidden());
    QVERIFY(pictures.RightPicture()->isHidden());
    QVERIFY(!pictures.Timer()->isActive());
  }

  void tilesComeFromThePackInTheParentFolder() {
    const QString game = FolderPath() + "/game";
    QDir().mkpath(game);
    BuildCalendarPack(FolderPath() + "/OrvCalendar01.dll");
    const TCalendarTiles tiles = Build(game, {2025, 5, 9});
    QCOMPARE(tiles.Count(), 3);
    QCOMPARE(tiles.Texts[0], QStringLiteral("Taurus"));
    QCOMPARE(tiles.Texts[1], QStringLiteral("Year Of The Snake"));
    QCOMPARE(tiles.Texts[2], QStringLiteral("Victory day in Great Patriotic war (80-th anniversary, Russian Festival)"));
    for (const QImage& tile : tiles.Pictures) {
      QCOMPARE(tile.deviceIndependentSize(), QSizeF(kTileWidth, kTileHeight));
      QCOMPARE(At(tile, 1, 1), kPaper);  // the leaf under everything
    }
    // The sign at (17, 65), the animal and the holiday at (3, 27).
    QCOMPARE(At(tiles.Pictures[0], 30, 78), kSign);
    QCOMPARE(At(tiles.Pictures[0], 10, 78), kPaper);
    QCOMPARE(At(tiles.Pictures[1], 30, 60), kAnimal);
    QCOMPARE(At(tiles.Pictures[2], 30, 60), kHoliday);
    QCOMPARE(At(tiles.Pictures[2], 1, 60), kPaper);
    // The texts in the language asked.
    QCOMPARE(Build(game, {2025, 5, 9}, 1).Texts[1], QStringLiteral("Год Змеи"));
  }

  void theDayIsRedOnSundays() {
    BuildCalendarPack(FolderPath() + "/OrvCalendar01.dll");
    QVERIFY(RedPixels(Build(FolderPath(), {2025, 5, 4}).Pictures[0]) > 20);  // a Sunday
    QCOMPARE(RedPixels(Build(FolderPath(), {2025, 5, 5}).Pictures[0]), 0);
  }

  void theRightPictureTurnsOverTheDaysTiles() {
    BuildCalendarPack(FolderPath() + "/OrvCalendar01.dll");
    QWidget host;
    TCalendarPictures pictures(&host);
    pictures.SetDay(TDate{2025, 1, 20});  // the inauguration and the third Monday
    pictures.Rebuild(FolderPath(), 0);
    pictures.SetShown(true);
    QVERIFY(pictures.Built());
    QCOMPARE(pictures.Tiles().Count(), 4);
    QCOMPARE(pictures.Timer()->interval(), 10000);
    QVERIFY(pictures.Timer()->isActive());
    QCOMPARE(pictures.LeftPicture()->toolTip(), QStringLiteral("Capricorn"));
    QCOMPARE(pictures.LeftPicture()->accessibleName(), QStringLiteral("Capricorn"));
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
      seen << QString::number(pictures.RightTile()) + " " + pictures.RightPicture()->toolTip();
      pictures.NextTile();
    }
    QCOMPARE(seen, QStringList({"2 Year Of The Dragon", "3 Inauguration day (Holiday United States)",
                                "4 Martin Luther King Jr. day (Holiday United States)", "2 Year Of The Dragon",
                                "3 Inauguration day (Holiday United States)"}));
    // A rebuild starts again at the year tile; a day without holidays
    // shows only it.
    pictures.SetDay(TDate{2025, 3, 3});
    pictures.Rebuild(FolderPath(), 0);
    QCOMPARE(pictures.RightTile(), 2);
    pictures.NextTile();
    QCOMPARE(pictures.RightTile(), 2);
    QCOMPARE(pictures.RightPicture()->toolTip(), QStringLiteral("Year Of The Snake"));
    pictures.SetShown(false);
    QVERIFY(!pictures.Timer()->isActive());
    QVERIFY(pictures.RightPicture()->isHidden());
  }

  void theMenuShowsTheCalendarAndTheTableDoesNot() {
    BuildCalendarPack(FolderPath() + "/OrvCalendar01.dll");
    Open();
    TCalendarPictures* calendar = Win->CalendarPictures();
    QVERIFY(calendar->Built());
    QVERIFY(calendar->LeftPicture()->isVisible());
    QVERIFY(calendar->RightPicture()->isVisible());
    QVERIFY(Win->rect().contains(calendar->LeftPicture()->geometry()));
    QVERIFY(Win->rect().contains(calendar->RightPicture()->geometry()));
    QVERIFY(!calendar->LeftPicture()->geometry().intersects(calendar->RightPicture()->geometry()));
    Win->SetCalendarDay(TDate{2025, 5, 9});
    QCOMPARE(calendar->Tiles().Count(), 3);
    // A new language rebuilds the texts.
    Language() = 1;
    Win->RelabelAll();
    QCOMPARE(calendar->LeftPicture()->toolTip(), QStringLiteral("Телец"));
    Language() = 0;
    StartNewPlayer();
    QVERIFY(calendar->LeftPicture()->isHidden());
    QVERIFY(!calendar->Timer()->isActive());
  }

  void noPackNoCalendarAndNoMessage() {
    Open();
    QVERIFY(!Win->CalendarPictures()->Built());
    QVERIFY(Win->CalendarPictures()->LeftPicture()->isHidden());
    QVERIFY(Win->CalendarPictures()->RightPicture()->isHidden());
    QVERIFY(Messages.isEmpty());
  }

  // The pack the builder draws holds every picture the calendar may ask
  // for: the leaf, the twelve signs, the twelve animals and each holiday's.
  void theBuiltPackHoldsEveryPicture() {
    TPackReader pack(QStringLiteral(ZEMBRA_PACK_DIR), QStringLiteral("OrvCalendar01.dll"));
    QVERIFY(pack.IsOpen());
    QStringList names = {QStringLiteral("R_BASE")};
    for (int s = 1; s <= 12; ++s) names << QString::fromStdString(ZodiacPicture(s));
    for (const char* a : kAnimalPictures) names << QString::fromLatin1(a);
    for (const THolidayRecord& r : HolidayTable()) names << QString::fromStdString(r.Picture);
    names.removeDuplicates();
    QVERIFY(names.size() > 50);
    for (const QString& name : names) QVERIFY2(!pack.Picture(QStringLiteral("RCDATA"), name).isNull(), qPrintable(name));
  }
};

}  // namespace zembra_test

QTEST_MAIN(zembra_test::CalendarPicturesTest)
#include "calendar_pictures_test.moc"
