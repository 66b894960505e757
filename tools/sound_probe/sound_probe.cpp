// zembra-sound-probe: plays one deal against the computer with the
// program's real sound, as a player would hear it, and exits. Run it while
// recording the sound output to check that the game is heard:
//
//   zembra-sound-probe [DIR]     (DIR: the program folder; the voice pack
//                                 is looked for there and in its parent)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "app/login_dialog.h"
#include "app/main_window.h"
#include "app/sound_media.h"
#include "engine/rules.h"
#include "app/table_painter.h"
#include "resources/fonts.h"
#include "resources/words.h"

using namespace zembra;

namespace {

// Lets the window run until its table is idle (flights, held sounds).
void Settle(TMainWindow& w) {
  QElapsedTimer t;
  t.start();
  do QTest::qWait(20);
  while (w.TableBusy() && t.elapsed() < 5000);
}

void PlayerMove(TMainWindow& w) {
  TDealState& d = w.GameState().Deal;
  for (int s = 1; s <= d.HandCount[2]; ++s) {
    if (d.Leader == TLeader::Co && IsIllegalFollow(d, s)) continue;
    const TRect r = HandSlotRect(w.ViewState().Layout, 2, d.HandCount[2], s);
    w.HandClick(r.X + 5, r.Y + r.H / 2);
    return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  LoadBundledFonts();
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString());
  TMainWindow w;
  w.ClubAtStart = false;
  w.SetProgramFolder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath());
  w.RunModal = [](QDialog& d) {
    if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
      login->Confirm();
      return login->result();
    }
    return int(QDialog::Accepted);
  };
  // Nothing may wait for an answer: messages go to the terminal.
  w.ShowMessage = [](const QString& text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); };
  w.AskYesNo = [](const QString&, const QString&) { return true; };
  w.show();
  TSoundMedia sound(w.ProgramFolder());
  SetMedia(&sound);
  w.Options().SoundOn = true;
  w.EndIntro();
  QTest::qWait(300);  // the effects are made ready
  QTest::mouseClick(w.NewPlayerButton(), Qt::LeftButton);
  Settle(w);
  w.ContinueClick();  // the start of the round
  TDealState& d = w.GameState().Deal;
  for (int guard = 0; guard < 100 && d.TurnState != kTurnDealOver; ++guard) {
    Settle(w);
    if (d.TurnState == kTurnPlayer1) w.Timer1Tick();
    else if (d.TurnState == kTurnPlayer2) PlayerMove(w);
    else if (d.TurnState == kTurnTrickComplete) w.ContinueClick();
  }
  Settle(w);
  QTest::qWait(800);  // the last sound dies away
  // A right click on a card of the hand speaks its name (with the voice pack).
  if (d.HandCount[2] > 0 || !d.TableCard[2].IsEmpty()) {
    const TCardCode card = d.HandCount[2] > 0 ? d.Hand[2][1] : d.TableCard[2];
    if (Media().SpeakCard(card)) QTest::qWait(1500);
  } else if (Media().SpeakCard(d.DeckCard[24])) {
    QTest::qWait(1500);
  }
  SetMedia(nullptr);
  std::printf("deal played: %s\n", d.TurnState == kTurnDealOver ? "to its end" : "not to its end");
  return d.TurnState == kTurnDealOver ? 0 : 1;
}
