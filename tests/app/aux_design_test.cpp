// The auxiliary windows' picture design: the general-score window, the
// options dialog and the speed dialog on the graphics pack's pictures, and
// each of them back in design 2 when the pack or its background is missing.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "test_pack.h"
#include "records/count_window.h"
#include "records/options_dialog.h"
#include "records/speed_dialog.h"
#include "resources/aux_design.h"
#include "resources/aux_heading.h"
#include "resources/link_message.h"
#include "resources/orv_cards_button.h"
#include "resources/packs.h"
#include "resources/strip_animation.h"
#include "resources/words.h"

using namespace zembra;
using namespace zembra_test;

namespace {

const TCount kCount{"31", "1", "1000", "-380", "620", "1.500000", "1.390323"};

// A folder with the graphics pack the build made.
struct TGraphicsFolder {
  QTemporaryDir Dir;
  TGraphicsFolder() {
    QFile::copy(QStringLiteral(ZEMBRA_PACK_DIR "/") + kPackGraphics, Dir.path() + "/" + kPackGraphics);
  }
  QString Path() const { return Dir.path(); }
};

QImage Plain(int w, int h, QColor c) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(c);
  return image;
}

// Whether a label's text is drawn in yellow.
bool HasYellow(QWidget* label) {
  const QImage image = label->grab().toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() > 200 && c.blue() < 60) return true;
    }
  return false;
}

}  // namespace

class TAuxDesignTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { Language() = 0; }

  void generalScoreWindowInThePictureDesign() {
    const TGraphicsFolder folder;
    const struct {
      TGameKind Kind;
      bool Gif;
      const char *Left, *Right;
      bool RightPlays;
    } cases[] = {
        {{false, false, 3}, true, "GifA", "GifB", true},
        {{false, false, 1}, true, "GifC", "GifF", true},
        {{true, false, 3}, true, "GifE", "", false},
        {{false, true, 3}, true, "GifG", "", false},  // a net duel wins over the rating game
        {{false, false, 3}, false, "GifA", "GifB", false},
    };
    for (const auto& c : cases) {
      TSettings s;
      s.AuxPictureDesign = true;
      s.GifAnimation = c.Gif;
      TFormCount w(kCount, QStringLiteral("Anna"), s, c.Kind, folder.Path(), nullptr);
      QCOMPARE(w.Design(), 4);
      QVERIFY(s.AuxPictureDesign);
      QVERIFY(w.HasBackground());
      QCOMPARE(w.height(), 500);
      QCOMPARE(w.OkButton()->ColorSB(), TColorSB::DCards);
      QCOMPARE(w.OkButton()->palette().color(QPalette::ButtonText), QColor(200, 175, 50));
      QVERIFY(HasYellow(w.Name(0)));
      // The emblem turns through its sixty frames at (9, 22).
      QVERIFY(w.Emblem48()->isVisibleTo(&w));
      QCOMPARE(w.Emblem48()->FrameCount(), 60);
      QVERIFY(w.Emblem48()->Playing());
      QCOMPARE(w.Emblem48()->pos(), QPoint(9, 22));
      // The kind of game in the pack's animations, 70 x 70.
      QCOMPARE(w.KindLeft()->StripName(), QString::fromLatin1(c.Left));
      QCOMPARE(w.KindRight()->StripName(), QString::fromLatin1(c.Right));
      QVERIFY(w.KindLeft()->FrameCount() > 1);
      QCOMPARE(w.KindLeft()->size(), QSize(70, 70));
      QCOMPARE(w.KindLeft()->pos(), QPoint(10, 380));
      QCOMPARE(w.KindLeft()->Playing(), c.Gif);
      QCOMPARE(w.KindRight()->Playing(), c.RightPlays);
      QCOMPARE(w.KindRight()->FrameCount() > 0, *c.Right != 0);
      if (!c.Gif) QCOMPARE(w.Emblem()->Frame(), 14);
    }
  }

  void generalScoreWindowHeadingsOfThePlainDesigns() {
    const TGraphicsFolder folder;
    for (int design : {1, 2, 3}) {
      TSettings s;
      s.AuxDesign = static_cast<uint8_t>(design);
      TFormCount w(kCount, QStringLiteral("Anna"), s, TGameKind{}, folder.Path(), nullptr);
      QCOMPARE(w.Design(), design);
      QCOMPARE(w.HasHeadingPicture(), design != 2);  // "CountInfo", "GFormCountL"
      QVERIFY(!w.Emblem48()->isVisibleTo(&w));
      QCOMPARE(w.OkButton()->ColorSB(), TColorSB::DRed);
    }
  }

  void generalScoreWindowFallsBackWithoutTheBackground() {
    // A graphics pack that lacks the window's background counts as missing:
    // design 2 now and for the windows after it, whatever was chosen.
    QTemporaryDir dir;
    BuildPack(dir.path() + "/" + kPackGraphics, {{"CountInfo", Plain(300, 48, Qt::white)}});
    for (int design : {1, 3, 4}) {
      TSettings s;
      s.AuxDesign = static_cast<uint8_t>(std::min(design, 3));
      s.AuxPictureDesign = design == 4;
      TFormCount w(kCount, QStringLiteral("Anna"), s, TGameKind{}, dir.path(), nullptr);
      QCOMPARE(w.Design(), 2);
      QVERIFY(!s.AuxPictureDesign);
      QCOMPARE(int(s.AuxDesign), 2);
      QCOMPARE(w.height(), 525);
    }
  }

  void optionsDialogInThePictureDesign() {
    const TGraphicsFolder folder;
    TSettings s;
    s.AuxPictureDesign = true;
    TOptionsHost host;
    host.Folder = folder.Path().toStdString();
    TFormOptions d(s, host, nullptr);
    QCOMPARE(d.Design(), 4);
    QCOMPARE(d.HeadingBar()->Design(), 4);
    QVERIFY(!d.HeadingBar()->Picture().isNull());
    QVERIFY(d.Emblem()->isVisibleTo(&d));
    QCOMPARE(d.Emblem()->FrameCount(), 60);
    QVERIFY(d.Emblem()->Playing());
    for (TOrvCardsButton* b : d.findChildren<TOrvCardsButton*>()) QCOMPARE(b->ColorSB(), TColorSB::DCards);
    QVERIFY(HasYellow(d.SoundBox));
    // Another language takes its own heading picture.
    const QImage english = d.HeadingBar()->Picture().toImage();
    d.LanguageBox->setCurrentIndex(1);
    QCOMPARE(d.Design(), 4);
    QVERIFY(!d.HeadingBar()->Picture().isNull());
    QVERIFY(d.HeadingBar()->Picture().toImage() != english);
    // Japanese shows the English pictures.
    d.LanguageBox->setCurrentIndex(8);
    QCOMPARE(d.HeadingBar()->Picture().toImage(), english);
    // A plain design chosen inside the dialog takes effect in it at once.
    d.AuxDesignBox->setCurrentIndex(2);
    QVERIFY(!s.AuxPictureDesign);
    QCOMPARE(int(s.AuxDesign), 3);
    QCOMPARE(d.Design(), 3);
    QVERIFY(!d.Emblem()->isVisibleTo(&d));
    QVERIFY(!d.HeadingBar()->Picture().isNull());  // "GFormOpt" + code on the ribbon
    for (TOrvCardsButton* b : d.findChildren<TOrvCardsButton*>()) QCOMPARE(b->ColorSB(), TColorSB::DRed);
    QVERIFY(d.styleSheet().isEmpty());
    d.AuxDesignBox->setCurrentIndex(1);
    QCOMPARE(d.Design(), 1);
    QVERIFY(!d.HeadingBar()->Picture().isNull());  // "Options" + code
    Language() = 0;
  }

  void everyLanguageHasItsHeadings() {
    const TGraphicsFolder folder;
    for (int language = 0; language < kLanguages; ++language)
      for (const char* prefix : {"GFormOpt", "Options"}) {
        const QString name = LanguagePicture(prefix, language);
        QVERIFY2(!LoadAuxPictures(folder.Path(), QString(), name, QString()).Heading.isNull(), qPrintable(name));
      }
    QCOMPARE(LanguagePicture("GFormOpt", 9), QStringLiteral("GFormOptEng"));
  }

  void optionsDialogWithoutItsBackgroundShowsDesignTwo() {
    QTemporaryDir dir;
    BuildPack(dir.path() + "/" + kPackGraphics, {{"GFormOptEng", Plain(300, 64, Qt::yellow)}});
    TSettings s;
    s.AuxPictureDesign = true;
    TOptionsHost host;
    host.Folder = dir.path().toStdString();
    TFormOptions d(s, host, nullptr);
    QCOMPARE(d.Design(), 2);
    QVERIFY(!s.AuxPictureDesign);
    QCOMPARE(int(s.AuxDesign), 2);
    QVERIFY(!d.Emblem()->isVisibleTo(&d));
  }

  void speedDialogFollowsTheDesign() {
    const TGraphicsFolder folder;
    TSettings s;
    s.AuxPictureDesign = true;
    TFormSpeed picture(s, nullptr, folder.Path());
    QVERIFY(picture.PictureDesign());
    s.AuxPictureDesign = false;
    TFormSpeed plain(s, nullptr, folder.Path());
    QVERIFY(!plain.PictureDesign());
    s.AuxPictureDesign = true;
    const QTemporaryDir empty;
    TFormSpeed missing(s, nullptr, empty.path());
    QVERIFY(!missing.PictureDesign());
  }

  void backgroundsKeepTheirCornersAtAnySize() {
    // A 100 x 100 picture: red corners, blue middle; drawn at 300 x 200 the
    // corners stay where they were and only the middle grows.
    QImage source = Plain(300, 300, Qt::blue);
    {
      QPainter p(&source);
      p.fillRect(0, 0, 96, 92, Qt::red);
      p.fillRect(204, 228, 96, 72, Qt::red);
    }
    QImage target(600, 500, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter p(&target);
    PaintAuxBackground(p, target.rect(), QPixmap::fromImage(source));
    p.end();
    QCOMPARE(QColor(target.pixel(95, 91)), QColor(Qt::red));
    QCOMPARE(QColor(target.pixel(97, 93)), QColor(Qt::blue));
    QCOMPARE(QColor(target.pixel(300, 250)), QColor(Qt::blue));
    QCOMPARE(QColor(target.pixel(505, 429)), QColor(Qt::red));
    QCOMPARE(QColor(target.pixel(503, 427)), QColor(Qt::blue));
    // Without a picture the window is black.
    target.fill(Qt::white);
    QPainter q(&target);
    PaintAuxBackground(q, target.rect(), QPixmap());
    q.end();
    QCOMPARE(QColor(target.pixel(10, 10)), QColor(Qt::black));
  }

  void gifStripsFromBytes() {
    QCOMPARE(StripFromGif(QByteArray("GIF89a but nothing after"), QSize(70, 70)).isNull(), true);
    QCOMPARE(StripFromGif(QByteArray(), QSize()).isNull(), true);
    const TGraphicsFolder folder;
    // Through the count window's own path the pack's GIFs give strips of
    // whole frames.
    TSettings s;
    s.AuxPictureDesign = true;
    TFormCount w(kCount, QStringLiteral("Anna"), s, TGameKind{false, false, 3}, folder.Path(), nullptr);
    QVERIFY(w.KindLeft()->FrameCount() >= 8);
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString());
  TAuxDesignTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "aux_design_test.moc"
