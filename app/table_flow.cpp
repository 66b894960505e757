// A match at the table: starting it, the continue button, what the engine
// reports turned into pictures and sounds, and the ways of leaving.
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "records/club_file.h"
#include "records/count_window.h"
#include "records/cycle_window.h"
#include "records/history_file.h"
#include "resources/packs.h"
#include "app/login_dialog.h"
#include "duel/external_address.h"
#include "duel/net_section.h"
#include "app/main_window.h"
#include "tournament/tour_seat.h"

#include <QRandomGenerator>

#include "resources/pack_names.h"
#include "app/media.h"
#include "media/effects.h"
#include "online/rating.h"
#include "app/pictures.h"
#include "app/table_painter.h"
#include "engine/dealing.h"
#include "engine/rules.h"
#include "match/match_records.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {

// Two rows joined as one message: line feed and carriage return between.
QString TwoLines(int a, int b) { return Row(a) + QStringLiteral("\n\r") + Row(b); }

}  // namespace

void TMainWindow::PlaySound(const std::string& name, bool wait) {
  const int holdMs = Media().PlayEffect(name, wait, Settings.SoundOn);
  if (holdMs <= 0) return;
  if (!SoundHoldTimer) {
    SoundHoldTimer = new QTimer(this);
    SoundHoldTimer->setSingleShot(true);
    connect(SoundHoldTimer, &QTimer::timeout, this, [this] {
      SoundHold = false;
      Pump();
    });
  }
  SoundHold = true;
  SoundHoldTimer->start(holdMs);
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
  if (!MenuShown() || TableBusy()) return;
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
  Mode.PlayerSlot = slot;
  PlaySound("WOpenFo");
  TLoginDialog login(!profileLine, name, this);
  if (profileLine)
    login.CheckPassword = [&](const QString& typed) {
      return PasswordMatches(*profileLine, typed.toStdString());
    };
  // A duel: the network section; confirming connects and waits for the
  // other player.
  const bool duel = Settings.NetGame;
  if (duel) {
    auto* section = new TNetSection(QString::fromStdString(Settings.ServerAddress),
                                    QString::fromStdString(Settings.ServerPort), &login);
    login.AttachNetSection(section);
    login.OpenNet = [this, section, &login] { return OpenDuel(*section, login.NameEdit()->text()); };
    // The club service answers the external address and keeps a page on
    // playing across a router.
    const QString service =
        QString::fromStdString(Settings.TopTenAddress.empty() ? kDefaultTopTenAddress : Settings.TopTenAddress);
    section->ExternalAddressPage = QString::fromStdString(ExternalAddressUrl(service.toStdString()));
    section->OpenRouterHelp = [service] {
      QUrl page(service);
      page.setPath(QStringLiteral("/router.html"));
      QDesktopServices::openUrl(page);
    };
  }
  if (RunModal(login) != QDialog::Accepted) {
    Link.reset();
    return;
  }
  const zembra::TLoginResult checked = CheckLogin({profileLine, login.Result().Name.toStdString(),
                                                   login.Result().Password.toStdString(),
                                                   login.RepeatEdit()->text().toStdString()});
  if (checked.Outcome != TLoginOutcome::Accepted || (duel && !Link)) {
    Link.reset();
    return;
  }
  if (!profileLine) {
    LastTypedName = login.Result().Name;
    Settings.PlayerName = LastTypedName.toStdString();
  }
  ProfilePassword = checked.PasswordCode;
  Names[2] = WithoutTrailingBlanks(QString::fromStdString(checked.Name));
  BeginMatch(checked.Values, duel);
}

void TMainWindow::BeginMatch(const TProfileValues& profile, bool duel) {
  View.Screen = TScreen::Table;
  for (auto* b : PlayerButtons) b->hide();
  for (auto* b : {Button6, Button9, Button10, Button11, BMode, BHistory}) b->hide();
  SetClubIconsVisible(false);
  UpdateMusic();
  Panel4->hide();
  Timer1->stop();
  setWindowTitle(QStringLiteral("Zembra"));

  TMatchSetup setup;
  setup.Mode = Mode.MatchMode();
  setup.Names = {std::string(), Names[1].toStdString(), Names[2].toStdString()};
  setup.Target = Settings.MatchTo8 ? 8 : 10;
  setup.Profile = profile;
  setup.Deck = StackedDeck;
  StackedDeck.reset();
  Match.reset();
  TSeat& player = *this;
  TSeat* opponent = &Computer;
  Names[1] = QStringLiteral("PC");
  if (duel) {
    WireDuel();
    setup.Mode = Mode.MatchMode();
    setup.Names[1] = Names[1].toStdString();
    opponent = Remote.get();
  }
  if (Mode.Tournament()) {
    Names[1] = TourOpponent;
    setup.Names[1] = Names[1].toStdString();
    setup.TournamentSeat = Mode.TournamentSeat;
    opponent = TourRemote.get();
  }
  Match = std::make_unique<TMatchController>(Game, setup, *opponent, player);
  // A duel's client waits for the server's deal: the table says so.
  if (Mode.Kind == TPlayKind::DuelClient) {
    View.WaitBanner = true;
    View.BannerRow = 396;
  }
  Table->update();
  Input([this] { Match->Start(); });
}

void TMainWindow::ContinueClick() {
  // The press is taken at once: the button does not stay lit while the
  // trick it collects is still flying away.
  Button1->setEnabled(false);
  Input([this] {
    if (!Match || !Game.Deal.InDeal) return;
    if (Match->Continue(2) != TContinueVerdict::Ok) Button1->setEnabled(Match->ContinueOpen());
  });
}

bool TMainWindow::TableBusy() const { return InStep || SoundHold || Table->Flying() || !Steps.empty(); }

void TMainWindow::Input(std::function<void()> action) {
  if (TableBusy()) {
    Inputs.push_back(std::move(action));
    return;
  }
  action();
  Pump();
}

void TMainWindow::OnEvent(const TEngineEvent& e) { Steps.push_back({e, ShownOf(Game)}); }

void TMainWindow::Pump() {
  if (Pumping) return;
  Pumping = true;
  bool shown = false;
  while (!Table->Flying() && !SoundHold) {
    if (!Steps.empty()) {
      const TStep step = std::move(Steps.front());
      Steps.pop_front();
      View.Shown = step.State;
      InStep = true;
      ShowStep(step.Event);
      InStep = false;
      shown = true;
      continue;
    }
    // Everything is shown: the table shows the game as it stands (an idle
    // tick, which showed nothing, repaints nothing).
    if (shown) {
      View.Shown = ShownOf(Game);
      Table->update();
      shown = false;
    }
    if (Inputs.empty()) break;
    const std::function<void()> action = std::move(Inputs.front());
    Inputs.pop_front();
    action();
  }
  Pumping = false;
}

void TMainWindow::ShowStep(const TEngineEvent& e) {
  if (DrawRun && e.Kind != TEventKind::CardDrawn) {
    DrawRun = false;
    View.StockShown = -1;
  }
  switch (e.Kind) {
    case TEventKind::DealDealt:
      View.WaitBanner = false;
      View.BannerRow = 153;
      View.BackIndex = RandomBackSet(Settings.BackSet) ? 1 + QRandomGenerator::global()->bounded(10)
                       : Settings.BackAlwaysOne          ? 7
                                                         : BackOfTheDay();
      View.OpenHand1 = false;
      View.HiddenInHand.clear();
      View.TableHidden[1] = View.TableHidden[2] = false;
      View.StockShown = -1;
      View.Screen = TScreen::Table;
      ShowTable(true);
      for (QAction* a : {ActQuit, ActGenCount}) a->setEnabled(true);
      ActChangeName->setEnabled(Mode.MayRename());
      Timer1->stop();
      Timer1->setInterval(200);
      StartRecording();
      break;
    case TEventKind::PlayStarted: Timer1->start(200); break;
    case TEventKind::CardPlayed: FlyToTable(e); break;
    case TEventKind::TrickCollected: FlyTrickAway(e.Player); break;
    case TEventKind::CardDrawn: FlyDrawn(e); break;
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
    case TEventKind::Sound: PlaySound(e.Name, EffectWaits(e.Name)); break;
    case TEventKind::ContinueButton:
      Button1->setEnabled(e.Enabled);
      if (e.Text.Kind != TText::TKind::None) Button1->setText(TextOf(e.Text));
      break;
    case TEventKind::ExitButton: Button2->setEnabled(e.Enabled); break;
    default: break;
  }
  Table->update();
}

void TMainWindow::Tick() {
  if (!Match || View.Screen != TScreen::Table) return;
  Match->Tick();
}

void TMainWindow::FlyToTable(const TEngineEvent& e) {
  const TDealState& d = View.Shown.Deal;
  const TTableLayout& l = View.Layout;
  const TRect to = l.TableCard[e.Player];
  if (!Settings.FlyCards || !isVisible()) return;
  // The card leaves its old place in the fan, which still held it.
  const TRect from = HandSlotRect(l, e.Player, d.HandCount[e.Player] + 1, e.Slot);
  View.TableHidden[e.Player] = true;
  const QPixmap face = CardFace(e.Card, SizeClass(l.Scale.S)).scaled(l.Card.W, l.Card.H);
  const int player = e.Player;
  Table->StartFlight(face, QPoint(from.X, from.Y), QPoint(to.X, to.Y), [this, player] {
    View.TableHidden[player] = false;
    Pump();
  });
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
      const TCardCode c = View.Shown.Deal.TableCard[player];
      if (c.IsEmpty()) continue;
      const TRect r = l.TableCard[player];
      p.drawPixmap(QRect(r.X - area.x(), r.Y - area.y(), r.W, r.H), CardFace(c, sizeClass));
    }
  }
  View.TableHidden[1] = View.TableHidden[2] = true;
  const int targetY = winner == 1 ? -area.height() : l.Client.H;
  Table->StartFlight(sprite, area.topLeft(), QPoint(area.x(), targetY), [this] {
    // The table is shown cleared from the next step on.
    View.Shown.Deal.TableCard[1] = View.Shown.Deal.TableCard[2] = kNoCard;
    View.TableHidden[1] = View.TableHidden[2] = false;
    Pump();
  });
}

void TMainWindow::FlyDrawn(const TEngineEvent& e) {
  if (!Settings.FlyCards || !isVisible()) return;
  const TDealState& d = View.Shown.Deal;
  const TTableLayout& l = View.Layout;
  if (!DrawRun) {
    // The cards of one draw stay hidden in their hands until they land.
    DrawRun = true;
    View.HiddenInHand.insert(CardKey(e.Card));
    int drawn = 1;
    for (const TStep& s : Steps) {
      if (s.Event.Kind != TEventKind::CardDrawn) break;
      View.HiddenInHand.insert(CardKey(s.Event.Card));
      ++drawn;
    }
    View.StockShown = d.StockLeft() + drawn;
  }
  int slot = 0;
  for (int s = 1; s <= d.HandCount[e.Player]; ++s)
    if (d.Hand[e.Player][s] == e.Card) slot = s;
  const TRect to = HandSlotRect(l, e.Player, d.HandCount[e.Player], slot);
  const bool faceUp = e.Player == 2 || d.RevealCards;
  const int sizeClass = SizeClass(l.Scale.S);
  const QPixmap sprite = (faceUp ? CardFace(e.Card, sizeClass) : CardBack(View.BackIndex, sizeClass, false))
                             .scaled(l.Card.W, l.Card.H);
  // The last card of the stock is the face-up trump card.
  --View.StockShown;
  const uint16_t key = CardKey(e.Card);
  Table->StartFlight(sprite, QPoint(l.StockPile.X, l.StockPile.Y), QPoint(to.X, to.Y), [this, key] {
    View.HiddenInHand.erase(key);
    Pump();
  });
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
  TGameKind kind{Mode.Tournament(), Mode.NetDuel(), Mode.AccountState()};
  TFormCount window(count, Names[2], Settings, kind, Folder, this);
  RunModal(window);
}

void TMainWindow::ExitToMenuClick() {
  Input([this] {
    if (View.Screen != TScreen::Table) return;
    if (Mode.Tournament() && (TourFinished || (Match && Match->Over()))) {
      FinishTournamentMatch();
      return;
    }
    if (Match && Match->Over()) FinishMatch();
  });
}

void TMainWindow::FinishMatch() {
  if (FinishingMatch) return;
  FinishingMatch = true;
  // The table goes, the wait banner shows while the result is handed on.
  StopRecording();
  ShowTable(false);
  Timer1->setInterval(20);
  View.WaitBanner = true;
  Table->repaint();
  TMatchOutcome outcome = *Match->Outcome();
  outcome.Names[2] = Names[2].toStdString();  // renamed during the match
  // An account's rated game is written back to the club first.
  if (Mode.RatingGame() && OnlineClub) {
    FinishAccountGame(outcome);
    return;
  }
  FinishMatchRecords(outcome, std::nullopt);
}

void TMainWindow::FinishMatchRecords(const TMatchOutcome& outcome, std::optional<double> serviceRating) {
  TRecordsPlace place;
  place.Kind = Mode.HistoryKind();
  place.Club = {ClubPath(), ClubBarred};
  place.HistoryFolder = (Folder + QLatin1Char('/') + QLatin1String(kHistoryFolder)).toStdString();
  place.PlayerSlot = Mode.PlayerSlot;
  place.PasswordCode = ProfilePassword;
  place.AccountLoggedIn = Mode.AccountLoggedIn;
  place.ServiceRating = serviceRating;
  const QDateTime now = QDateTime::currentDateTime();
  const THistoryStamp stamp = HistoryStampAt(now.date().year(), now.date().month(), now.date().day(),
                                             now.time().hour(), now.time().minute());
  const TRecordsResult r = RecordMatch(outcome, place, stamp);
  PostMatchStats(outcome.MatchResult, outcome.MatchNo % kCycleGames == 0);
  View.WaitBanner = false;
  Rating = r.Rating;
  ++Finished;
  // What the records step did, in the order the player meets it.
  if (!r.HistorySaved) ShowMessage(QString::fromLatin1(kCantSaveHistory));
  if (!r.Sound.empty()) PlaySound(r.Sound);
  if (r.ClubWrite == TClubWrite::DiskError) ShowMessage(Row(club_rows::kDiskWriteError));
  Mode.PlayerSlot = 0;
  if (r.Cycle) ShowCycleEnd(*r.Cycle);
  // A cycle against the computer may go to the club's table.
  if (r.Cycle && place.Kind == THisKind::Local) ShowSubmit(outcome.ScoreAfter);
  // A completed account cycle is entered in the club's table first.
  if (AccountCycleScore) {
    const int score = *AccountCycleScore;
    AccountCycleScore.reset();
    SubmitAccountCycleResult(score);
    return;
  }
  FinishingMatch = false;
  LeaveTable();
}

void TMainWindow::LeaveTable() {
  // Whatever the table was still showing of the match goes with it.
  Table->StopFlight();
  Steps.clear();
  DrawRun = false;
  View.StockShown = -1;
  View.HiddenInHand.clear();
  View.TableHidden[1] = View.TableHidden[2] = false;
  if (Match && !Match->Over()) Match->Abandon();
  Match.reset();
  // The connection may be the one whose message brought us here: it goes
  // when the event loop is back.
  if (Link) {
    CloseDuel();
    Link.release()->deleteLater();
  }
  Remote.reset();
  if (Mode.Tournament()) LeaveTournament();
  if (Settings.NetGame) Mode.Kind = TPlayKind::DuelServer;
  if (Mode.RatingGame()) {
    Mode.Kind = TPlayKind::Computer;
    EndRatedGame();
  }
  Game.Deal.InDeal = false;
  ActChangeName->setEnabled(false);
  setWindowTitle(QStringLiteral("Zembra"));
  ShowMenu();
}

void TMainWindow::ChangeNameClick() {
  Input([this] {
    if (View.Screen != TScreen::Table) return;
    TLoginDialog login(true, Names[2], this);
    if (RunModal(login) != QDialog::Accepted) return;
    const std::string name = login.Result().Name.toStdString();
    const std::string password = login.Result().Password.toStdString();
    ProfilePassword = EncodePassword(password);
    if (Mode.RecentPlayer()) {
      const TStoreResult r = ChangeName({ClubPath(), ClubBarred}, Mode.PlayerSlot, name, password);
      if (r.Write == TClubWrite::DiskError) {
        ShowMessage(Row(club_rows::kDiskWriteError));
        return;
      }
      if (r.Slot) Mode.PlayerSlot = r.Slot;
      ShowMessage(Row(club_rows::kNameChanged) + QString::fromStdString(name));
    }
    Names[2] = WithoutTrailingBlanks(QString::fromStdString(name));
    View.Bubble[2] = {Names[2], TBubbleStyle::Yellow};
    Table->update();
  });
}

void TMainWindow::QuitToMenu() {
  Input([this] {
    PlaySound("WOpenFo");
    if (View.Screen != TScreen::Table) return;
    if (!AskYesNo(QStringLiteral("Zembra"), TwoLines(22, 23))) return;
    StopRecording();
    // An abandoned recent player loses its place in the club.
    RemoveRecentPlayer();
    LeaveTable();
  });
}

bool TMainWindow::CloseQuery() {
  if (View.Screen != TScreen::Table) return true;
  PlaySound("WOpenFo");
  return AskYesNo(QStringLiteral("Zembra"), Row(24) + QLatin1Char(' ') + Row(23));
}

}  // namespace zembra
