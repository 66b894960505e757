// Sound at the table: the effects of a deal in their order, a waiting
// effect holding the next move while the window goes on painting, the
// sound setting, and the program's own player (its recordings, one channel,
// the voice pack).
#include <QResource>

#include "app/sound_media.h"
#include "media/effects.h"
#include "resources/packs.h"
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

class TSoundTest : public TWindowFixture {
  Q_OBJECT

 private Q_SLOTS:
  void init() { FixtureInit(); }
  void cleanup() {
    FixtureCleanup();
    Language() = 0;
  }

  void aDealSoundsInOrder() {
    Open();
    StartNewPlayer();
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);  // start of the round
    const size_t start = Sounds.Effects.size();
    PlayDeal();
    const std::vector<std::string> deal(Sounds.Effects.begin() + static_cast<long>(start), Sounds.Effects.end());
    // The shuffle opened the match's first deal before the first card.
    const auto shuffle = std::find(Sounds.Effects.begin(), Sounds.Effects.end(), "WTasoKo");
    QVERIFY(shuffle < Sounds.Effects.begin() + static_cast<long>(start));
    int plays = 0, stockEmpty = 0;
    for (size_t i = 0; i < deal.size(); ++i) {
      const std::string& e = deal[i];
      if (e == "WHodsDo" || e == "WSays20" || e == "WSays40") ++plays;
      if (e == "WKoloNo") {
        ++stockEmpty;
        QVERIFY2(plays >= 6, "the stock empties after six tricks at the earliest");
      }
      // Exactly the card, marriage and stock effects held the table.
      QCOMPARE(bool(Sounds.Waited[start + i]), EffectWaits(e));
    }
    QVERIFY(plays >= 2 && plays <= 24);  // a deal may end early on 66
    QVERIFY(stockEmpty <= 1);
  }

  void aWaitingEffectHoldsTheNextMove() {
    Open();
    StartNewPlayer();
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    TDealState& d = Win->GameState().Deal;
    // Tricks are played until the computer is to lead.
    for (int guard = 0; guard < 40 && !(d.TurnState == kTurnPlayer1 && d.TableCard[2].IsEmpty()); ++guard) {
      if (d.TurnState == kTurnPlayer1) Win->Timer1Tick();
      else if (d.TurnState == kTurnPlayer2) PlayerPlaysFirstLegal();
      else QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    }
    QCOMPARE(int(d.TurnState), int(kTurnPlayer1));
    Sounds.HoldMs = 300;
    Win->Timer1Tick();  // the computer leads: its card's sound holds the table
    QCOMPARE(int(d.TurnState), int(kTurnPlayer2));
    QVERIFY(Win->TableBusy());
    const int inHand = d.HandCount[2];
    PlayerPlaysFirstLegal();  // clicked while the sound plays: it waits its turn
    QCOMPARE(int(d.HandCount[2]), inHand);
    QTRY_COMPARE_WITH_TIMEOUT(int(d.HandCount[2]), inHand - 1, 2000);
    QVERIFY(!Win->TableBusy() || Sounds.Waited.back());
  }

  void withSoundOffOnlyTheVoiceSpeaks() {
    Open();
    Win->Options().SoundOn = false;
    StartNewPlayer();
    QVERIFY(Sounds.Effects.empty());
    QTest::mouseClick(Win->TableWidget(), Qt::RightButton, {}, SlotCentre(*Win, 2, 1));
    QCOMPARE(Sounds.Spoken.size(), size_t(1));
  }

  // The program's own player, without a window.
  void everyEffectIsARecordingOfItsOwn() {
    const char* names[] = {"WOpenFo", "WTasoKo", "WHodsDo", "WSays20", "WSays40", "WKoloNo",
                           "WKoGutX", "WKoBadX", "WKoGood", "WKoBads", "WFiBest", "WFiGood",
                           "WFiBads", "WToMenK", "WWrongs", "STimerA", "STimerB"};
    QSet<QByteArray> seen;
    for (const char* name : names) {
      const QResource r(QStringLiteral(":/sounds/") + QLatin1String(name));
      QVERIFY2(r.isValid(), name);
      const QByteArray bytes = r.uncompressedData();
      const auto ms = WaveLengthMs(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
      QVERIFY2(ms && *ms >= 20 && *ms <= 2500, name);
      QVERIFY2(!seen.contains(bytes), name);  // no two effects alike
      seen.insert(bytes);
    }
  }

  void thePlayerCutsAndHolds() {
    TSoundMedia media(FolderPath());
    const int card = media.PlayEffect("WHodsDo", true, true);
    QVERIFY(card >= 100 && card <= 200);
    QCOMPARE(media.Channel().Current(), QStringLiteral(":/sounds/WHodsDo"));
    // A new effect cuts the one before: the channel holds only the new one.
    QCOMPARE(media.PlayEffect("WToMenK", false, true), 0);  // does not hold
    QCOMPARE(media.Channel().Current(), QStringLiteral(":/sounds/WToMenK"));
    QCOMPARE(media.PlayEffect("WSays40", false, false), 0);  // sound off
    QCOMPARE(media.Channel().Current(), QStringLiteral(":/sounds/WToMenK"));
    QCOMPARE(media.PlayEffect("NoSuchSound", true, true), 0);
    media.Channel().Stop();
    QVERIFY(media.Channel().Current().isEmpty());
  }

  void theVoicePackSpeaksInTheCurrentLanguage() {
    TSoundMedia media(FolderPath());
    const TCardCode queen = MakeCard(TRank::Queen, TSuit::Diamonds);
    QVERIFY(!media.SpeakCard(queen));  // no pack: silently nothing
    QVERIFY(media.Channel().Current().isEmpty());
    // The pack arrives (a download) and the next right click speaks.
    QVERIFY(QFile::copy(QStringLiteral(ZEMBRA_PACK_DIR "/") + kPackVoice, FolderPath() + "/" + kPackVoice));
    QVERIFY(media.SpeakCard(queen));
    QVERIFY(media.Channel().Current().endsWith(QStringLiteral("/RCDATA/Bu3QVoiceEng")));
    Language() = 9;
    QVERIFY(media.SpeakCard(queen));
    QVERIFY(media.Channel().Current().endsWith(QStringLiteral("/RCDATA/Bu3QVoiceKor")));
    // Every card in every language is there.
    for (int language = 0; language < kLanguages; ++language) {
      Language() = language;
      for (TSuit s : {TSuit::Hearts, TSuit::Diamonds, TSuit::Clubs, TSuit::Spades})
        for (TRank r : {TRank::Nine, TRank::Ten, TRank::Jack, TRank::Queen, TRank::King, TRank::Ace})
          QVERIFY2(media.SpeakCard(MakeCard(r, s)), VoiceItemName(MakeCard(r, s), language).c_str());
    }
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TSoundTest)

#include "sound_test.moc"
