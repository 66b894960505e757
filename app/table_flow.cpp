// A match at the table: starting it, the continue button, what the engine
// reports turned into pictures and sounds, and the ways of leaving.
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include "records/club_file.h"
#include "records/count_window.h"
#include "records/cycle_window.h"
#include "records/history_file.h"
#include "resources/packs.h"
#include "app/login_dialog.h"
#include "app/main_window.h"
#include "app/media.h"
#include "app/pictures.h"
#include "app/table_painter.h"
#include "engine/dealing.h"
#include "engine/rules.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {

// Two rows joined as one message: line feed and carriage return between.
QString TwoLines(int a, int b) { return Row(a) + QStringLiteral("\n\r") + Row(b); }

}  // namespace

void TMainWindow::PlaySound(const std::string& name, bool wait) {
  Media().PlayEffect(name, wait, Settings.SoundOn);
}

QString TMainWindow::TextOf(const TText& t) const {
  switch (t.Kind) {
    case TText::TKind::Row: return Row(t.Row);
    case TText::TKind::Literal: return QString::fromStdString(t.Literal);
    case TText::TKind::PlayerName: return Names[t.Player];
    case TText::TKind::None: break;
  }
  return {};
}

void TMainWindow::StartMatch(int slot) {
  if (!MenuShown() || View.Flying) return;
  // Recent players come from the club file; an empty entry is ignored.
  if (slot >= 1 && slot <= 5 && PlayerButtons[slot - 1]->text().isEmpty()) return;
  // A recent player's profile line from the club file of the current mode.
  std::optional<std::string> profileLine;
  QString name;
  if (slot >= 1 && slot <= 5) {
    const std::optional<TClubLines> lines = ReadClubFile(ClubPath());
    if (!lines || IsEmptyProfileLine((*lines)[slot])) return;
    profileLine = (*lines)[slot];
    const auto profile = ReadProfileLine(*profileLine);
    if (!profile) return;
    name = QString::fromStdString(profile->Name);
  } else {
    // The name last typed, when it fits; else the stored player name.
    name = LastTypedName;
    if (name.isEmpty() || name.size() > 20) name = QString::fromStdString(Settings.PlayerName);
    if (name.isEmpty() || name.size() > 20) name = Row(74);
  }
  PlayerSlot = slot;
  PlaySound("WOpenFo");
  TLoginDialog login(!profileLine, name, this);
  if (profileLine)
    login.CheckPassword = [&](const QString& typed) {
      return PasswordMatches(*profileLine, typed.toStdString());
    };
  if (RunModal(login) != QDialog::Accepted) return;
  const zembra::TLoginResult checked = CheckLogin({profileLine, login.Result().Name.toStdString(),
                                                   login.Result().Password.toStdString(),
                                                   login.RepeatEdit()->text().toStdString()});
  if (checked.Outcome != TLoginOutcome::Accepted) return;
  if (!profileLine) {
    LastTypedName = login.Result().Name;
    Settings.PlayerName = LastTypedName.toStdString();
  }
  ProfilePassword = checked.PasswordCode;
  Names[2] = QString::fromStdString(checked.Name).trimmed();

  View.Screen = TScreen::Table;
  for (auto* b : PlayerButtons) b->hide();
  for (auto* b : {Button6, Button9, Button10, Button11, BMode, BHistory}) b->hide();
  Panel4->hide();
  Timer1->stop();
  setWindowTitle(QStringLiteral("Zembra"));
  Game.Options.GameTo8 = Settings.MatchTo8;
  TDealOptions o;
  o.Profile = checked.Values;
  if (StackedDeck) o.Deck = &*StackedDeck;
  DealCards(Game, o);
  StackedDeck.reset();
}

void TMainWindow::ContinueClick() {
  if (View.Flying || !Game.Deal.InDeal) return;
  Game.Options.GameTo8 = Settings.MatchTo8;  // taken again at every deal
  Continue(Game);
}

void TMainWindow::OnEvent(const TEngineEvent& e) {
  if (Collecting && e.Kind != TEventKind::CardDrawn) FlushDraws();
  switch (e.Kind) {
    case TEventKind::DealDealt:
      View.BackIndex = Settings.BackAlwaysOne ? 7 : BackOfTheDay();
      View.OpenHand1 = false;
      View.HiddenInHand.clear();
      View.TableHidden[1] = View.TableHidden[2] = false;
      View.StockShown = -1;
      View.Screen = TScreen::Table;
      ShowTable(true);
      for (QAction* a : {ActQuit, ActGenCount}) a->setEnabled(true);
      ActChangeName->setEnabled(!NetGame && !Tournament && AccountState != 3);
      Button1->setEnabled(true);
      Timer1->stop();
      Timer1->setInterval(200);
      StartRecording();
      break;
    case TEventKind::PlayStarted: Timer1->start(200); break;
    case TEventKind::CardPlayed: FlyToTable(e); break;
    case TEventKind::TrickCollected:
      FlyTrickAway(e.Player);
      Collecting = true;
      break;
    case TEventKind::CardDrawn: PendingDraws.push_back(e); break;
    case TEventKind::OpenHand: View.OpenHand1 = true; break;
    case TEventKind::DealScored:
      Table->repaint();
      RecordFrame();
      StopRecording();
      break;
    case TEventKind::MatchSummedUp:
      Table->repaint();
      ShowCount();
      break;
    case TEventKind::Bubble: {
      QString text = TextOf(e.Text);
      if (e.Suffix.Kind != TText::TKind::None) text += QStringLiteral(". ") + TextOf(e.Suffix);
      View.Bubble[e.Player] = {text, e.Style};
      break;
    }
    case TEventKind::Sound: PlaySound(e.Name); break;
    case TEventKind::ContinueButton:
      Button1->setEnabled(e.Enabled);
      if (e.Text.Kind != TText::TKind::None) Button1->setText(TextOf(e.Text));
      break;
    case TEventKind::ExitButton: Button2->setEnabled(e.Enabled); break;
    default: break;
  }
  Table->update();
}

void TMainWindow::FlyToTable(const TEngineEvent& e) {
  const TDealState& d = Game.Deal;
  const TTableLayout& l = View.Layout;
  const TRect to = l.TableCard[e.Player];
  if (!Settings.FlyCards || !isVisible()) return;
  // The card leaves its old place in the fan, which still held it.
  const TRect from = HandSlotRect(l, e.Player, d.HandCount[e.Player] + 1, e.Slot);
  View.TableHidden[e.Player] = true;
  const QPixmap face = CardFace(e.Card, SizeClass(l.Scale.S)).scaled(l.Card.W, l.Card.H);
  Table->Fly(face, QPoint(from.X, from.Y), QPoint(to.X, to.Y));
  View.TableHidden[e.Player] = false;
}

void TMainWindow::FlyTrickAway(int winner) {
  if (!Settings.FlyCards || !isVisible()) return;
  const TTableLayout& l = View.Layout;
  // Both cards leave together towards the winner's edge of the window.
  const QRect area(l.TableCard[1].X, l.TableCard[1].Y, l.Card.W,
                   l.TableCard[2].Bottom() - l.TableCard[1].Y);
  QPixmap sprite(area.size());
  sprite.fill(Qt::transparent);
  {
    QPainter p(&sprite);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int sizeClass = SizeClass(l.Scale.S);
    for (int player = 1; player <= 2; ++player) {
      const TCardCode c = Game.Deal.TableCard[player];
      if (c.IsEmpty()) continue;
      const TRect r = l.TableCard[player];
      p.drawPixmap(QRect(r.X - area.x(), r.Y - area.y(), r.W, r.H), CardFace(c, sizeClass));
    }
  }
  View.TableHidden[1] = View.TableHidden[2] = true;
  const int targetY = winner == 1 ? -area.height() : l.Client.H;
  Table->Fly(sprite, area.topLeft(), QPoint(area.x(), targetY));
  View.TableHidden[1] = View.TableHidden[2] = false;
}

void TMainWindow::FlushDraws() {
  Collecting = false;
  std::vector<TEngineEvent> draws;
  draws.swap(PendingDraws);
  if (draws.empty() || !Settings.FlyCards || !isVisible()) return;
  const TDealState& d = Game.Deal;
  const TTableLayout& l = View.Layout;
  for (const auto& e : draws) View.HiddenInHand.insert(CardKey(e.Card));
  View.StockShown = d.StockLeft() + static_cast<int>(draws.size());
  const int sizeClass = SizeClass(l.Scale.S);
  for (const auto& e : draws) {
    int slot = 0;
    for (int s = 1; s <= d.HandCount[e.Player]; ++s)
      if (d.Hand[e.Player][s] == e.Card) slot = s;
    const TRect to = HandSlotRect(l, e.Player, d.HandCount[e.Player], slot);
    const bool faceUp = e.Player == 2 || d.RevealCards;
    const QPixmap sprite = (faceUp ? CardFace(e.Card, sizeClass) : CardBack(View.BackIndex, sizeClass, false))
                               .scaled(l.Card.W, l.Card.H);
    // The last card of the stock is the face-up trump card.
    --View.StockShown;
    Table->Fly(sprite, QPoint(l.StockPile.X, l.StockPile.Y), QPoint(to.X, to.Y));
    View.HiddenInHand.erase(CardKey(e.Card));
  }
  View.StockShown = -1;
}

void TMainWindow::ShowCycleEnd(const TCycleWindow& cycle) {
  PlaySound(cycle.Sound);
  TFormCycle window(cycle, Settings.GifAnimation, this);
  RunModal(window);
}

void TMainWindow::ShowCount() {
  // At the sum-up the record is the match's; from the table menu it is
  // built from the values of the moment.
  const TCount count = Game.Match.MatchClosed ? Game.Count : BuildCount(Game);
  TGameKind kind{Tournament, NetGame, AccountState};
  TFormCount window(count, Names[2], Settings, kind,
                    PackLoadable(Folder.toStdString(), kPackGraphics), this);
  RunModal(window);
}

void TMainWindow::ExitToMenuClick() {
  if (View.Flying || !Game.Match.MatchClosed) return;
  FinishMatch();
}

void TMainWindow::FinishMatch() {
  // 1: the table goes, the wait banner shows while the result is handed on.
  StopRecording();
  ShowTable(false);
  Timer1->setInterval(20);
  View.WaitBanner = true;
  Table->repaint();
  // 3: the local rating of the profile.
  const TMatchState& m = Game.Match;
  Rating = RateMatch(m.MatchNo - 1, m.RatingBefore, m.MatchResult, m.MatchNo);
  View.WaitBanner = false;
  ++Finished;
  // 4: the profile line and the history entry.
  const std::string line =
      MakeProfileLine(Names[2].toStdString(), Rating, m.MatchNo, m.ScoreAfter, ProfilePassword);
  HisStr entry{Names[2].toStdString(), m.MatchNo, m.MatchResult, Rating, THisKind::Local};
  const QDateTime now = QDateTime::currentDateTime();
  const THistoryStamp stamp{now.time().hour(), now.time().minute(),
                            QLocale::system().toString(now.date(), QLocale::ShortFormat).toStdString()};
  // 6: the history.
  const std::string historyFolder = (Folder + QLatin1Char('/') + QLatin1String(kHistoryFolder)).toStdString();
  if (AddHistory(historyFolder, {entry}, stamp).Outcome == THistorySave::CannotSave)
    ShowMessage(QString::fromLatin1(kCantSaveHistory));
  // 8: the closing sound, except at the end of a cycle.
  const bool cycleEnds = EndsCycle(m.MatchNo);
  if (!cycleEnds) {
    if (m.MatchResult > 0) PlaySound("WKoGood");
    if (m.MatchResult < 0) PlaySound("WKoBads");
  }
  // 9: the profile's line replaces its old one in the recent players.
  const TStoreResult stored = ReplaceProfile({ClubPath(), ClubBarred}, PlayerSlot, line, cycleEnds);
  if (stored.Write == TClubWrite::DiskError) ShowMessage(Row(club_rows::kDiskWriteError));
  PlayerSlot = 0;
  // 11: the end of a cycle.
  if (cycleEnds && stored.CycleEnded) {
    const TCycleWindow cycle = EndOfCycleWindow(
        Settings.NetGame ? TCycleGame::NetDuel
                         : AccountState == 1 ? TCycleGame::LocalLoggedOut : TCycleGame::LocalLoggedIn,
        stored.Cycle.CyclePlace, stored.Cycle.CycleScore);
    ShowCycleEnd(cycle);
  }
  // 13: back to the menu.
  if (AccountState == 3) AccountState = 2;
  LeaveTable();
}

void TMainWindow::LeaveTable() {
  Game.Deal.InDeal = false;
  ActChangeName->setEnabled(false);
  setWindowTitle(QStringLiteral("Zembra"));
  ShowMenu();
}

void TMainWindow::ChangeNameClick() {
  if (View.Flying || View.Screen != TScreen::Table) return;
  TLoginDialog login(true, Names[2], this);
  if (RunModal(login) != QDialog::Accepted) return;
  const std::string name = login.Result().Name.toStdString();
  const std::string password = login.Result().Password.toStdString();
  ProfilePassword = EncodePassword(password);
  if (PlayerSlot >= 1 && PlayerSlot <= 5) {
    const TStoreResult r = ChangeName({ClubPath(), ClubBarred}, PlayerSlot, name, password);
    if (r.Write == TClubWrite::DiskError) {
      ShowMessage(Row(club_rows::kDiskWriteError));
      return;
    }
    if (r.Slot) PlayerSlot = r.Slot;
    ShowMessage(Row(club_rows::kNameChanged) + QString::fromStdString(name));
  }
  Names[2] = QString::fromStdString(name).trimmed();
  View.Bubble[2] = {Names[2], TBubbleStyle::Yellow};
  Table->update();
}

void TMainWindow::QuitToMenu() {
  PlaySound("WOpenFo");
  if (View.Screen != TScreen::Table || View.Flying) return;
  if (!AskYesNo(QStringLiteral("Zembra"), TwoLines(22, 23))) return;
  StopRecording();
  // An abandoned recent player loses its place in the club.
  RemoveRecentPlayer();
  if (AccountState == 3) AccountState = 2;
  LeaveTable();
}

bool TMainWindow::CloseQuery() {
  if (View.Screen != TScreen::Table) return true;
  PlaySound("WOpenFo");
  return AskYesNo(QStringLiteral("Zembra"), Row(24) + QLatin1Char(' ') + Row(23));
}

}  // namespace zembra
