// Pictures from packs: a pack built here with Qt's resource compiler, found
// beside the program or in its parent folder, faces turned back from their
// stored form, and every fallback when a pack is missing.
#include "app/card_look.h"
#include "app/click_effect.h"
#include "records/options_file.h"
#include "resources/link_message.h"
#include "resources/pack_file.h"
#include "resources/pack_names.h"
#include "resources/packs.h"
#include "test_pack.h"
#include "window_fixture.h"

namespace zembra_test {

namespace {
QStringList gLinks;
void RecordLink(const QString& first, const QString&, const QString&) { gLinks << first; }

const QColor kFace(30, 120, 200);

// A face as a pack stores it: plain colour with the ellipse inverted.
QImage StoredFace(int w, int h, const QRect& ellipse) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(kFace);
  InvertEllipse(&image, ellipse);
  return image;
}

std::vector<std::pair<QString, QImage>> FaceItems(int set, int sizeClass, int w, int h, const QRect& ellipse) {
  std::vector<std::pair<QString, QImage>> items;
  for (TRank r : {TRank::Nine, TRank::Ten, TRank::Jack, TRank::Queen, TRank::King, TRank::Ace})
    for (TSuit s : {TSuit::Hearts, TSuit::Diamonds, TSuit::Clubs, TSuit::Spades}) {
      const QString name = QString::fromStdString(FaceItemName(set, MakeCard(r, s), sizeClass));
      if (std::none_of(items.begin(), items.end(), [&](const auto& i) { return i.first == name; }))
        items.push_back({name, StoredFace(w, h, ellipse)});
    }
  return items;
}
}  // namespace

class PackLookTest : public TWindowFixture {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    FixtureInit();
    gLinks.clear();
    SetLinkMessageHook(&RecordLink);
    SetCurrentCardLook(TCardLook());
  }
  void cleanup() {
    FixtureCleanup();
    SetLinkMessageHook(nullptr);
    SetCurrentCardLook(TCardLook());
  }

  void facesComeFromAPackInTheParentFolder() {
    // The program in <dir>/game, the pack beside that folder.
    const QString game = FolderPath() + "/game";
    QDir().mkpath(game);
    BuildPack(FolderPath() + "/OrvCards06A.dll", FaceItems(6, 0, 146, 198, QRect(QPoint(10, 10), QPoint(188, 136))));
    QVERIFY(PackLoadable(game.toStdString(), kPackCardsA));
    TCardLook look;
    QVERIFY(LoadCardFaces(game, 6, 0, &look));
    QCOMPARE(look.CardSet, 6);
    QVERIFY(look.WideCards);
    const QImage ace = look.Faces[FaceIndex(MakeCard(TRank::Ace, TSuit::Hearts))].toImage();
    QCOMPARE(ace.size(), QSize(146, 198));
    // The ellipse is turned back: the colour inside is the plain one.
    QCOMPARE(QColor(ace.pixel(90, 70)), kFace);
    QCOMPARE(QColor(ace.pixel(140, 190)), kFace);
  }

  void aMissingOrDamagedPackLeavesThePicturesAlone() {
    TCardLook look;
    look.CardSet = 0;
    QVERIFY(!LoadCardFaces(FolderPath(), 12, 1, &look));
    QCOMPARE(look.CardSet, 0);
    QFile junk(FolderPath() + "/OrvBackG03.dll");
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a pack at all");
    junk.close();
    QVERIFY(!PackLoadable(FolderPath().toStdString(), kPackBackgrounds));
    QVERIFY(!LoadTableBackground(FolderPath(), 10, 6, 5, &look));
    QVERIFY(LoadTableBackground(FolderPath(), 2, 0, 5, &look));  // built in
    QVERIFY(!look.Background.isNull());
  }

  void backgroundsAndNarrowBacksByName() {
    QImage bg(1520, 1000, QImage::Format_RGB32);
    bg.fill(QColor(90, 40, 120));
    BuildPack(FolderPath() + "/OrvBackG03.dll", {}, {{"Fon10FiB", bg}});
    TCardLook look;
    QVERIFY(LoadTableBackground(FolderPath(), 10, 6, 5, &look));
    QCOMPARE(look.Background.size(), QSize(1520, 1000));
    // Narrow faces at a larger size take the narrow built-in backs from the pack.
    QImage back(126, 198, QImage::Format_ARGB32), cross(198, 126, QImage::Format_ARGB32);
    back.fill(Qt::red);
    cross.fill(Qt::blue);
    std::vector<std::pair<QString, QImage>> backs;
    for (int i = 1; i <= 7; ++i) {
      backs.push_back({QString::fromStdString(BackItemName(0, i, false, 0, true)), back});
      backs.push_back({QString::fromStdString(BackItemName(0, i, true, 0, true)), cross});
    }
    look.WideCards = false;
    QVERIFY(!LoadCardBacks(FolderPath(), 0, 0, &look));  // no pack yet
    BuildPack(FolderPath() + "/OrvCards06B.dll", backs);
    QVERIFY(LoadCardBacks(FolderPath(), 0, 0, &look));
    QCOMPARE(int(look.Backs.size()), 7);
    // Kept narrow on a wide card's place: centred, transparent at the sides.
    const QImage narrow = look.Backs[0].toImage();
    QCOMPARE(narrow.size(), QSize(146, 198));
    QCOMPARE(qAlpha(narrow.pixel(5, 100)), 0);
    QCOMPARE(QColor(narrow.pixel(73, 100)), QColor(Qt::red));
    QCOMPARE(look.BacksCrosswise[6].size(), QSize(198, 146));
  }

  void theSaluteBurstsAroundThePointerWithTheGraphicsPack() {
    Open();
    Win->Options().SaluteButtons = true;
    Win->Options().SaluteCards = false;
    Win->Salute(false);  // no pack: nothing
    QVERIFY(!Win->findChild<TClickEffect*>());
    QImage strip(TClickEffect::kFrameSize * TClickEffect::kFrames, TClickEffect::kFrameSize, QImage::Format_ARGB32);
    strip.fill(QColor(255, 200, 0, 160));
    BuildPack(FolderPath() + "/OrvCGraph1.dll", {{"GTouch", strip}});
    Win->Salute(true);  // cards: option off
    QVERIFY(!Win->findChild<TClickEffect*>());
    Win->Salute(false);
    auto* burst = Win->findChild<TClickEffect*>();
    QVERIFY(burst);
    QVERIFY(burst->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(burst->Frame() > 5, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!burst->isVisible(), 3000);  // 30 frames, then gone
  }

  // The packs the build makes hold every picture the program asks for.
  void theBuiltPacksAreComplete() {
    const QString packs = QStringLiteral(ZEMBRA_PACK_DIR);
    const QString game = FolderPath() + "/game";
    QDir().mkpath(game);
    for (const char* f : {kPackCardsA, kPackCardsB, kPackCardsC, kPackBackgrounds})
      QVERIFY(QFile::copy(packs + "/" + f, FolderPath() + "/" + f));
    for (int set = 1; set <= kCardSetCount; ++set)
      for (int sizeClass : {1, 0}) {
        TCardLook look;
        QVERIFY(LoadCardFaces(game, set, sizeClass, &look));
        for (const QPixmap& face : look.Faces) {
          QVERIFY2(!face.isNull(), qPrintable(QStringLiteral("set %1 class %2").arg(set).arg(sizeClass)));
          QCOMPARE(face.size(), sizeClass == 1 ? QSize(69, 94) : QSize(146, 198));
        }
        for (const QPixmap& symbol : look.Symbols) QCOMPARE(symbol.size(), QSize(20, 20));
        for (const QPixmap& symbol : look.LargeSymbols) QVERIFY(!symbol.isNull());
        for (int back = 0; back <= kBackSetCount; ++back) {
          if (back == 0 && (look.WideCards || sizeClass == 1)) continue;  // built in
          QVERIFY(LoadCardBacks(game, back, sizeClass, &look));
          QCOMPARE(int(look.Backs.size()), BackCount(back));
          for (size_t i = 0; i < look.Backs.size(); ++i) {
            QVERIFY2(!look.Backs[i].isNull() && !look.BacksCrosswise[i].isNull(),
                     qPrintable(QStringLiteral("back set %1, back %2").arg(back).arg(i + 1)));
            QCOMPARE(look.Backs[i].width() > look.Backs[i].height(), false);
            QCOMPARE(look.BacksCrosswise[i].width() > look.BacksCrosswise[i].height(), true);
          }
        }
      }
    for (int pattern = 1; pattern <= 10; ++pattern)
      for (int colour = 0; colour < 7; ++colour)
        for (int size : {1, 5}) {
          TCardLook look;
          QVERIFY(LoadTableBackground(game, pattern, colour, size, &look));
          QCOMPARE(look.Background.size(), size == 1 ? QSize(760, 500) : QSize(1520, 1000));
        }
  }

  void aMissingPackAtStartFallsBackAndIsWrittenSo() {
    TSettings s = DefaultSettings();
    s.CardSet = 5;
    s.BackSet = 3;
    s.BackgroundPattern = 7;
    s.BackgroundColour = 2;
    s.MenuDesign = 1;
    s.AuxPictureDesign = true;
    {
      QFile f(FolderPath() + "/" + kOptionsFileName);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(QByteArray::fromStdString(WriteOptions(s)));
    }
    Open();
    QCOMPARE(int(Win->Options().CardSet), 0);
    QCOMPARE(int(Win->Options().BackSet), 0);
    QCOMPARE(Win->Options().BackgroundPattern, 2);
    QCOMPARE(Win->Options().BackgroundColour, 0);
    QCOMPARE(int(Win->Options().MenuDesign), 0);
    QVERIFY(!Win->Options().AuxPictureDesign);
    QCOMPARE(gLinks.size(), 4);
    QVERIFY(gLinks[0].endsWith(" OrvCards06A.dll"));
    QVERIFY(gLinks[1].endsWith(" OrvCards06B.dll"));
    QVERIFY(gLinks[2].endsWith(" OrvCGraph1.dll"));
    QVERIFY(gLinks[3].endsWith(" OrvBackG03.dll"));
    Win->close();
    QFile f(FolderPath() + "/" + kOptionsFileName);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const TSettings written = ReadOptions(f.readAll().toStdString()).Settings;
    QCOMPARE(int(written.CardSet), 0);
    QCOMPARE(int(written.BackSet), 0);
    QCOMPARE(written.BackgroundPattern, 2);
    QCOMPARE(int(written.MenuDesign), 0);
  }

  void anUnchangedLookIsNotLoadedAgain() {
    QImage bg(760, 500, QImage::Format_RGB32);
    bg.fill(QColor(90, 40, 120));
    BuildPack(FolderPath() + "/OrvBackG03.dll", {}, {{"Fon07Fi", bg}});
    Open();
    Win->Options().BackgroundPattern = 7;
    Win->Options().BackgroundColour = 6;
    Win->ReloadLook();
    QCOMPARE(CurrentCardLook().Background.size(), QSize(760, 500));
    // The pack goes away; an options change that does not touch the
    // background neither reads it nor complains.
    QVERIFY(QFile::remove(FolderPath() + "/OrvBackG03.dll"));
    Win->Options().SoundOn = !Win->Options().SoundOn;
    Win->ReloadLook();
    QVERIFY(gLinks.isEmpty());
    QCOMPARE(Win->Options().BackgroundPattern, 7);
    QCOMPARE(CurrentCardLook().Background.size(), QSize(760, 500));
    // A change of colour loads again and finds the pack missing.
    Win->Options().BackgroundColour = 5;
    Win->ReloadLook();
    QCOMPARE(gLinks.size(), 1);
    QCOMPARE(Win->Options().BackgroundPattern, 2);
  }

  void theMenusPurpleDesignShowsItsPicture() {
    QImage lilac(1520, 1000, QImage::Format_RGB32);
    lilac.fill(QColor(120, 0, 200));
    BuildPack(FolderPath() + "/OrvCGraph1.dll", {}, {{"BGLilu", lilac}});
    Open();
    Win->Options().MenuDesign = 1;
    Win->ReloadLook();
    QVERIFY(gLinks.isEmpty());
    QCOMPARE(CurrentCardLook().MenuPicture.size(), QSize(1520, 1000));
    Win->Options().MenuDesign = 0;
    Win->ReloadLook();
    QVERIFY(CurrentCardLook().MenuPicture.isNull());
  }
};

}  // namespace zembra_test

QTEST_MAIN(zembra_test::PackLookTest)
#include "pack_look_test.moc"
