// The options dialog on the offscreen platform: choices take effect at
// once, missing packs fall back to the built-in pictures, the dialog
// follows a change of language and reopens on its last page.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "records/count_window.h"
#include "records/options_dialog.h"
#include "resources/strip_animation.h"
#include "records/speed_dialog.h"
#include "resources/link_message.h"
#include "resources/orv_cards_button.h"
#include "resources/words.h"

using namespace zembra;

namespace {
QStringList Messages;
void Record(const QString& first, const QString&, const QString&) { Messages << first; }
}  // namespace

class TOptionsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Messages.clear();
    SetLinkMessageHook(&Record);
    Language() = 0;
  }

  void languageChangeRelabelsAtOnce() {
    TSettings s;
    int relabels = 0;
    TOptionsHost host;
    host.LanguageChanged = [&] { ++relabels; };
    TFormOptions d(s, host, nullptr);
    QCOMPARE(d.Tabs()->tabText(0), QString::fromStdString(Words().Text(30, 0)));
    d.LanguageBox->setCurrentIndex(1);
    QCOMPARE(int(s.Language), 1);
    QCOMPARE(Language(), 1);
    QCOMPARE(relabels, 1);
    QCOMPARE(d.Tabs()->tabText(0), QString::fromStdString(Words().Text(30, 1)));
    QCOMPARE(d.SoundBox->text(), QString::fromStdString(Words().Text(33, 1)));
    Language() = 0;
  }

  void windowSizeReLaysAndTurnsGifOff() {
    TSettings s;
    s.SaveGamesAsGif = true;
    int relays = 0;
    TOptionsHost host;
    host.WindowSizeChanged = [&] { ++relays; };
    host.ScreenWidth = 1280;  // too small for sizes 4 and 5
    host.ScreenHeight = 1024;
    TFormOptions d(s, host, nullptr);
    QCOMPARE(d.SizeBox->count(), 3);
    QVERIFY(d.SaveGifBox->isEnabled());
    d.SizeBox->setCurrentIndex(2);
    QCOMPARE(int(s.WindowSize), 3);
    QCOMPARE(relays, 1);
    QVERIFY(!s.SaveGamesAsGif);
    QVERIFY(!d.SaveGifBox->isEnabled());
  }

  void missingPacksFallBackToTheBuiltInPictures() {
    TSettings s;
    TOptionsHost host;
    host.Folder = QDir::tempPath().toStdString();
    TFormOptions d(s, host, nullptr);
    d.FaceList->setCurrentRow(5);
    QCOMPARE(int(s.CardSet), 0);
    QCOMPARE(d.FaceList->currentRow(), 0);
    QCOMPARE(Messages.size(), 1);
    QVERIFY(Messages[0].endsWith(QStringLiteral(" OrvCards06A.dll")));
    QVERIFY(Messages[0].startsWith(QString::fromStdString(Words().Text(93, 0))));

    d.PatternBox->setCurrentIndex(9);  // pattern 10 needs the background pack
    QCOMPARE(s.BackgroundPattern, 2);
    QCOMPARE(s.BackgroundColour, 0);
    QCOMPARE(Messages.size(), 2);

    d.TableDesignBox->setCurrentIndex(1);  // needs the graphics pack
    QCOMPARE(int(s.TableDesign), 0);
    QCOMPARE(int(s.AuxDesign), 2);
    QVERIFY(!s.AuxPictureDesign);
    QVERIFY(Messages.last().endsWith(QStringLiteral("OrvCGraph1.dll")));
    // The salute boxes need the same pack.
    QVERIFY(!d.SaluteButtonsBox->isEnabled());
  }

  void packButtonsFollowWhatIsThereAndAFailedDownloadOnlySounds() {
    QTemporaryDir root;
    QDir().mkpath(root.path() + "/game");
    QFile pack(root.path() + "/OrvBackG03.dll");  // in the parent folder
    QVERIFY(pack.open(QIODevice::WriteOnly));
    pack.close();
    TSettings s;
    s.TopTenAddress = "http://127.0.0.1:9/RecordsService";  // nobody there
    TOptionsHost host;
    host.Folder = (root.path() + "/game").toStdString();
    QStringList sounds;
    host.PlayEffect = [&](const char* name) { sounds << name; };
    TFormOptions d(s, host, nullptr);
    QVERIFY(!d.PackButton("OrvBackG03.dll")->isEnabled());
    QPushButton* cards = d.PackButton("OrvCards06A.dll");
    QVERIFY(cards->isEnabled());
    cards->click();
    QVERIFY(!cards->isEnabled());  // while it runs
    QTRY_COMPARE_WITH_TIMEOUT(sounds, QStringList{"WWrongs"}, 15000);
    QVERIFY(cards->isEnabled());
    QVERIFY(!QFile::exists(root.path() + "/OrvCards06A.dll"));
    QVERIFY(!QFile::exists(root.path() + "/OrvCards06A.dll.part"));
  }

  void randomBackSetsForceTheRandomMode() {
    TSettings s;
    TFormOptions d(s, TOptionsHost{}, nullptr);
    QVERIFY(!d.BackMode[2]->isEnabled());
    d.BackMode[1]->setChecked(true);
    QVERIFY(s.BackAlwaysOne);
    d.BackMode[0]->setChecked(true);
    QVERIFY(!s.BackAlwaysOne);
  }

  void fontsAndTheDefaultButton() {
    TSettings s;
    int looks = 0;
    TOptionsHost host;
    host.LookChanged = [&] { ++looks; };
    TFormOptions d(s, host, nullptr);
    d.RoleBox->setCurrentIndex(2);
    d.ScaleBox->setValue(130);
    QCOMPARE(s.Fonts[2].Scale, 130);
    QVERIFY(looks >= 1);
    d.DefaultFonts->click();
    QCOMPARE(s.Fonts[2].Scale, 100);
    QCOMPARE(s.Fonts[2].Name, std::string("FixedSys"));
  }

  void reopensOnTheLastPageAndTheSpeedDialogSetsTheSpeed() {
    TSettings s;
    {
      TFormOptions d(s, TOptionsHost{}, nullptr);
      d.Tabs()->setCurrentIndex(4);
      d.accept();
    }
    TFormOptions again(s, TOptionsHost{}, nullptr);
    QCOMPARE(again.Tabs()->currentIndex(), 4);
    TFormSpeed speed(s, nullptr);
    speed.Slider()->setValue(6);
    QCOMPARE(int(s.FlightSpeed), 6);
    QCOMPARE(TFormSpeed::DecorationInterval(1), 110);
    QCOMPARE(TFormSpeed::DecorationInterval(6), 25);
    again.Relabel();
    QCOMPARE(again.SpeedButton->text(), QString::fromStdString(W(298)) + QStringLiteral(" = 6"));
  }

  void generalScoreWindowShowsTheRecordInDesignTwoWithoutThePack() {
    TSettings s;
    s.AuxPictureDesign = true;
    s.AuxDesign = 3;
    TCount c{"31", "1", "1000", "-380", "620", "1.500000", "1.390323"};
    const QTemporaryDir noPacksW;
    TFormCount w(c, QStringLiteral("Anna"), s, TGameKind{}, noPacksW.path(), nullptr);
    QCOMPARE(w.Design(), 2);  // the pack is missing: design 2 from now on
    QVERIFY(!s.AuxPictureDesign);
    QCOMPARE(int(s.AuxDesign), 2);
    QCOMPARE(w.height(), 525);
    QCOMPARE(w.windowTitle(), QString::fromStdString(W(79)) + QStringLiteral(":  Anna"));
    QCOMPARE(w.Value(0)->text(), QStringLiteral("31"));
    QCOMPARE(w.Value(3)->text(), QStringLiteral("-380"));
    QCOMPARE(w.Value(6)->text(), QStringLiteral("1.390323"));
    QCOMPARE(w.Name(2)->text(), QString::fromStdString(W(82)));
    QCOMPARE(w.Value(2)->y(), 232);
    QCOMPARE(w.OkButton()->y(), 490);
    QVERIFY(w.Emblem()->Playing());
    // Opened again it is built anew with the same values.
    const QTemporaryDir noPacksAgain;
    TFormCount again(c, QStringLiteral("Anna"), s, TGameKind{}, noPacksAgain.path(), nullptr);
    QCOMPARE(again.Value(4)->text(), w.Value(4)->text());
  }

  void generalScoreWindowDetails() {
    TSettings s;
    s.GifAnimation = false;
    s.Fonts[1].Name = "Liberation Mono";
    const QTemporaryDir noPacksW;
    TFormCount w(TCount{}, QStringLiteral("X"), s, TGameKind{}, noPacksW.path(), nullptr);
    QVERIFY(!w.Emblem()->Playing());
    QCOMPARE(w.Emblem()->Frame(), 14);
    // "The initial score:" keeps Comic Sans (here its look-alike) while the others change.
    QCOMPARE(w.Name(2)->font().family(), QStringLiteral("Comic Neue"));
    QCOMPARE(w.Name(0)->font().family(), QStringLiteral("Liberation Mono"));

    const struct {
      TGameKind Kind;
      const char *Left, *Right;
    } kinds[] = {
        {{false, false, 3}, "GClubA", "GClubB"},
        {{false, false, 1}, "GClubC", "GClubF"},
        {{false, false, 2}, "GClubC", "GClubF"},
        {{true, false, 1}, "GClubE", ""},
        {{false, true, 3}, "GClubG", ""},  // a net duel wins over the rating game
    };
    for (const auto& k : kinds) {
      const auto [left, right] = KindPictures(k.Kind, false);
      QCOMPARE(left, QString::fromLatin1(k.Left));
      QCOMPARE(right, QString::fromLatin1(k.Right));
    }
    QCOMPARE(KindPictures({true, false, 1}, true).first, QStringLiteral("GifE"));
  }

  void linkMessageWidthRule() {
    QCOMPARE(TLinkMessage::WidthFor(100), 400);
    QCOMPARE(TLinkMessage::WidthFor(290), 400);  // 349 is below 350
    QCOMPARE(TLinkMessage::WidthFor(300), 300 + 59 + 50);
    QCOMPARE(TLinkMessage::WidthFor(280), 400);  // 280 + 59 is below 350
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString());
  TOptionsDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "options_dialog_test.moc"
