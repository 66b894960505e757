// zembra-shots OUTDIR [SIZE...]: drives the game window through a fixed
// match and saves what a player sees at each moment as PNG files, for
// looking at the table at every window size.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include "ai/computer.h"
#include "resources/fonts.h"
#include "app/login_dialog.h"
#include "records/club_file.h"
#include "records/club_windows.h"
#include "records/count_window.h"
#include "records/cycle_window.h"
#include "records/history_file.h"
#include "resources/orv_cards_button.h"
#include <QTemporaryDir>
#include "app/main_window.h"
#include "calendar/calendar_pictures.h"
#include <QToolTip>
#include "app/table_painter.h"
#include "records/options_dialog.h"
#include "records/speed_dialog.h"
#include "tournament/scripted_player.h"
#include "tournament/tour_link.h"
#include "tournament/tour_seat.h"
#include "match/autoplay.h"
#include "match/seats.h"
#include "online/account.h"
#include "records/file_store.h"
#include "tournament/tour_window.h"
#include "online/account_window.h"
#include "online/passport_window.h"
#include "online/submit_window.h"
#include <QTabWidget>
#include "online/online_club.h"
#include "online/stats_window.h"
#include "online/world_top_ten.h"
#include "online/chat_window.h"
#include <QTabWidget>
#include "engine/rules.h"
#include "resources/words.h"
#include "media/built_in_song.h"
#include "media/online_player.h"
#include "media/player_buttons.h"

using namespace zembra;

namespace zembra {
void ShootRadio(const QString& dir, const QString& packs);  // radio_shots.cpp
}

namespace {

// Trump spades; the computer holds the nine of trumps (it leads) and the
// king and queen of clubs, which it declares at once.
constexpr const char* kDeck[] = {"Kc", "Qc", "9d", "Jd", "9h", "9s", "Ac", "Tc", "Ad", "Td", "Ah", "Th",
                                 "Jc", "9c", "Kd", "Qd", "Kh", "Qh", "Jh", "Js", "Qs", "Ks", "Ts", "As"};

void Save(TMainWindow& w, const QString& dir, int size, const char* name) {
  QApplication::processEvents();
  const QString path = QStringLiteral("%1/size%2-%3.png").arg(dir).arg(size).arg(QLatin1String(name));
  w.grab().save(path);
}

// Lets the event loop run for a while (flights run on it).
void WaitMs(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
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

int ShootLanguage = -1;

void Shoot(const QString& dir, int size) {
  TMainWindow w;
  w.ClubAtStart = false;
  w.SetProgramFolder(QDir::tempPath());
  w.RunModal = [](QDialog& d) {
    if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
      login->Confirm();
      return login->result();
    }
    return int(QDialog::Accepted);
  };
  w.show();
  w.Options().FlyCards = false;
  if (ShootLanguage >= 0) {
    w.Options().Language = static_cast<uint8_t>(ShootLanguage);
    Language() = ShootLanguage;
    w.RelabelAll();
  }
  w.SetWindowSize(size);
  w.MutableView().IntroTick = 90;
  Save(w, dir, size, "1-intro");
  w.EndIntro();
  w.MutableView().MenuTick = 40;
  Save(w, dir, size, "2-menu");

  TDeck deck;
  for (int i = 0; i < 24; ++i) deck[i + 1] = *CardFromAscii(kDeck[i]);
  w.StackedDeck = deck;
  w.StartMatch(6);
  Save(w, dir, size, "3-dealt");
  w.ContinueClick();
  w.Timer1Tick();  // the computer leads the queen of clubs: twenty
  Save(w, dir, size, "4-twenty");
  {
    // The player reaches for a diamond by its key: refused, it shakes; the
    // keys' marks show on the hand.
    const TDealState& deal = w.GameState().Deal;
    for (int slot = 1; slot <= deal.HandCount[2]; ++slot) {
      if (!IsIllegalFollow(deal, slot)) continue;
      w.TableKey(Qt::Key_0 + slot);
      WaitMs(40);
      Save(w, dir, size, "4b-refused-by-key");
      WaitMs(400);
      break;
    }
  }
  TDealState& d = w.GameState().Deal;
  for (int guard = 0; guard < 80 && d.TurnState != kTurnDealOver; ++guard) {
    if (d.TurnState == kTurnPlayer1) w.Timer1Tick();
    else if (d.TurnState == kTurnPlayer2) PlayerMove(w);
    else if (d.TurnState == kTurnTrickComplete) w.ContinueClick();
    if (guard == 9) Save(w, dir, size, "5-midgame");
  }
  Save(w, dir, size, "6-deal-over");
  w.ContinueClick();
  Save(w, dir, size, "7-scored");
  // The next deal with card flights at the slowest speed: a card half way
  // to the table, then the trick leaving and the stock dealing.
  w.Options().FlyCards = true;
  w.Options().FlightSpeed = 1;
  w.ContinueClick();  // the next round
  w.ContinueClick();  // its start
  if (d.TurnState == kTurnPlayer1) w.Timer1Tick();
  else PlayerMove(w);
  WaitMs(200);
  Save(w, dir, size, "8-card-flying");
  while (w.TableBusy()) WaitMs(20);
  if (d.TurnState == kTurnPlayer1) w.Timer1Tick();
  else if (d.TurnState == kTurnPlayer2) PlayerMove(w);
  while (w.TableBusy()) WaitMs(20);
  w.ContinueClick();  // collect: the trick flies away, then the draws
  WaitMs(120);
  Save(w, dir, size, "9-trick-leaving");
  while (w.TableBusy()) WaitMs(20);
  Save(w, dir, size, "10-drawn");
  w.AskYesNo = [](const QString&, const QString&) { return true; };
}

// Every page of the options dialog in one language; design 4 is the
// picture design, its pictures from the graphics pack in packs.
void ShootOptions(const QString& dir, int language, int design, const QString& packs) {
  Language() = language;
  TSettings settings;
  settings.Language = static_cast<uint8_t>(language);
  settings.AuxDesign = static_cast<uint8_t>(std::min(design, 3));
  settings.AuxPictureDesign = design == 4;
  TOptionsHost host;
  host.Folder = (packs.isEmpty() ? QDir::tempPath() : packs).toStdString();
  TFormOptions dialog(settings, host, nullptr);
  dialog.show();
  for (int page = 0; page < dialog.Tabs()->count(); ++page) {
    dialog.Tabs()->setCurrentIndex(page);
    QApplication::processEvents();
    dialog.grab().save(QStringLiteral("%1/options-lang%2-page%3.png").arg(dir).arg(language).arg(page + 1));
  }
  Language() = 0;
}

// The auxiliary windows in every design with the graphics pack from packs:
// the general-score window in the four designs and three kinds of game,
// the options dialog and the speed dialog in the picture design in three
// languages.
void ShootAux(const QString& dir, const QString& packs) {
  const TCount c{"31", "1", "1000", "-380", "620", "1.500000", "1.390323"};
  const TGameKind kinds[] = {{false, false, 3}, {false, false, 1}, {false, true, 2}};
  for (int design = 1; design <= 4; ++design)
    for (int k = 0; k < 3; ++k) {
      if (design < 4 && k > 0) continue;
      TSettings s;
      s.AuxDesign = static_cast<uint8_t>(std::min(design, 3));
      s.AuxPictureDesign = design == 4;
      TFormCount w(c, QStringLiteral("Anna"), s, kinds[k], packs, nullptr);
      w.show();
      WaitMs(400);  // the emblem and the animations move on a little
      w.grab().save(QStringLiteral("%1/aux-count-design%2-kind%3.png").arg(dir).arg(design).arg(k));
    }
  for (int language : {0, 1, 5}) {
    Language() = language;
    TSettings s;
    s.Language = static_cast<uint8_t>(language);
    s.AuxPictureDesign = true;
    TOptionsHost host;
    host.Folder = packs.toStdString();
    TFormOptions options(s, host, nullptr);
    options.show();
    options.Tabs()->setCurrentIndex(0);
    WaitMs(200);
    options.grab().save(QStringLiteral("%1/aux-options-lang%2.png").arg(dir).arg(language));
    TFormSpeed speed(s, nullptr, packs);
    speed.show();
    WaitMs(300);
    speed.grab().save(QStringLiteral("%1/aux-speed-lang%2.png").arg(dir).arg(language));
  }
  Language() = 0;
}

// The online club's windows against a club service at base ("http://host:port").
void ShootOnline(const QString& dir, const QString& base) {
  const std::string b = base.toStdString();
  for (int design : {2, 4}) {
    TSettings s;
    s.AuxPictureDesign = design == 4;
    s.LikeSent = false;
    TOnlineClub club(b + "/RecordsService", b + "/StatsService", QDir::tempPath());
    TFormStats stats(club, s, QStringLiteral(ZEMBRA_PACK_DIR), nullptr);
    stats.show();
    QElapsedTimer t;
    t.start();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    stats.grab().save(QStringLiteral("%1/online-stats-design%2.png").arg(dir).arg(design));
    TFormWorldTopTen top(club, s, QStringLiteral(ZEMBRA_PACK_DIR), true, 3, nullptr);
    top.show();
    t.restart();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    top.grab().save(QStringLiteral("%1/online-topten-design%2.png").arg(dir).arg(design));
    s.TopTenNick = "Anna";
    TFormChat chat(club, s, QStringLiteral(ZEMBRA_PACK_DIR), nullptr);
    chat.show();
    t.restart();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    chat.grab().save(QStringLiteral("%1/online-chat-design%2.png").arg(dir).arg(design));
    // The account window logged in from a new game, on each tab.
    // The account window logged in from a new game, on each tab; the
    // service file names the club's account address.
    club.StartUp(true, {});
    t.restart();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    club.WithAccount([](const TPost& post, TAccount& a) {
      TOrvUser anna;
      anna.Nick = "Anna";
      anna.Pw = "pwAnna";
      anna.City = "Tver";
      anna.Country1 = "Russia";
      anna.Country2 = "1-001";
      anna.Sex = "W";
      anna.EMail = "anna@example.org";
      AccountRegister(post, anna);  // already there on the second design
      LoginAccount(post, a, "Anna", "pwAnna");
    });
    t.restart();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    TFormAccount account(club, s, QStringLiteral(ZEMBRA_PACK_DIR), true, nullptr);
    account.show();
    t.restart();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    for (int tab = 0; tab < account.Tabs->count(); ++tab) {
      account.Tabs->setCurrentIndex(tab);
      WaitMs(50);
      account.grab().save(QStringLiteral("%1/online-account-tab%2-design%3.png").arg(dir).arg(tab + 1).arg(design));
    }
    TFormSubmit submit(club, s, QStringLiteral(ZEMBRA_PACK_DIR), 1240, nullptr);
    submit.show();
    WaitMs(50);
    submit.grab().save(QStringLiteral("%1/online-submit-design%2.png").arg(dir).arg(design));
    TFormPassport passport(s, QStringLiteral(ZEMBRA_PACK_DIR), nullptr);
    passport.show();
    WaitMs(50);
    passport.grab().save(QStringLiteral("%1/online-passport-design%2.png").arg(dir).arg(design));
  }
}

// The club's windows on a small made-up club: top ten, history, general
// score and the three end-of-cycle outcomes.
void ShootClub(const QString& dir) {
  QTemporaryDir folder;
  const std::string club = (folder.path() + QStringLiteral("/Zembra.clb")).toStdString();
  InstallClubFile(club);
  const char* names[] = {"Anna", "Boris", "Vera", "Gleb", "Dina", "Egor", "Zoya", "Igor", "Kira", "Lev"};
  for (int i = 0; i < 10; ++i) {
    std::string line = MakeProfileLine(names[i], 3.0 - i * 0.4, 30, 2400 - i * 260, EncodePassword(""));
    StoreProfile({club, false}, line, true);
  }
  StoreProfile({club, false}, MakeProfileLine("Anna", 2.6, 45, 520, EncodePassword("")), false);
  const std::string history = (folder.path() + QStringLiteral("/History")).toStdString();
  const int results[] = {520, -380, 100, 2000, -240, 980};
  for (int i = 0; i < 6; ++i) {
    HisStr h{names[i % 3], 40 + i, results[i], 2.6 - i * 0.3,
             i == 3 ? THisKind::Net : i == 5 ? THisKind::Tournament : THisKind::Local};
    AddHistory(history, {h}, THistoryStamp{18, 10 + i * 7, "10.12.2026"});
  }
  auto grab = [&](QDialog& d, const char* name) {
    TOrvCardsButton::StyleDialog(&d);
    d.show();
    QApplication::processEvents();
    d.grab().save(QStringLiteral("%1/%2.png").arg(dir, QLatin1String(name)));
  };
  TFormTopTen top(club, false, nullptr);
  grab(top, "club-topten");
  TFormHistory hist(history, nullptr);
  grab(hist, "club-history");
  TSettings s;
  TCount c{"31", "1", "1000", "-380", "620", "1.500000", "1.390323"};
  TFormCount count(c, QStringLiteral("Anna"), s, TGameKind{}, folder.path(), nullptr);
  grab(count, "club-count");
  const struct {
    int Place;
    const char* Name;
  } cycles[] = {{1, "club-cycle-best"}, {4, "club-cycle-good"}, {0, "club-cycle-regrets"}};
  for (const auto& cy : cycles) {
    TFormCycle w(EndOfCycleWindow(TCycleGame::LocalLoggedOut, cy.Place, 1450), false, nullptr);
    grab(w, cy.Name);
  }
}

// The windows beside the game in one language: the help at two topics, the
// about box, the top ten and the main menu with its table menu open.
void ShootSide(const QString& dir, int language) {
  Language() = language;
  // A small club: five recent players, their cycles in the top ten.
  const std::string club = (QDir::tempPath() + QStringLiteral("/Zembra.clb")).toStdString();
  QFile::remove(QString::fromStdString(club));
  InstallClubFile(club);
  const char* names[] = {"Anna", "Boris", "Vera", "Gleb", "Dina"};
  for (int i = 0; i < 5; ++i) {
    const std::string line = MakeProfileLine(names[i], 2.0 - i * 0.3, 30 + 7 * i, 1800 - i * 310, EncodePassword(""));
    StoreProfile({club, false}, line, true);
  }
  TMainWindow w;
  w.ClubAtStart = false;
  w.SetProgramFolder(QDir::tempPath());
  w.RunModal = [&](QDialog& d) {
    TOrvCardsButton::StyleDialog(&d);
    d.show();
    QApplication::processEvents();
    const char* name = qobject_cast<TFormTopTen*>(&d) ? "topten" : "about";
    d.grab().save(QStringLiteral("%1/side-lang%2-%3.png").arg(dir).arg(language).arg(QLatin1String(name)));
    return int(QDialog::Accepted);
  };
  w.show();
  w.Options().Language = static_cast<uint8_t>(language);
  Language() = language;
  w.RelabelAll();
  w.EndIntro();
  w.MutableView().MenuTick = 40;
  QApplication::processEvents();
  w.grab().save(QStringLiteral("%1/side-lang%2-menu.png").arg(dir).arg(language));
  w.OpenHelp(THelpTopic::Menu);
  QApplication::processEvents();
  w.HelpWindow()->grab().save(QStringLiteral("%1/side-lang%2-help-menu.png").arg(dir).arg(language));
  w.OpenHelp(THelpTopic::Playing);
  QApplication::processEvents();
  w.HelpWindow()->grab().save(QStringLiteral("%1/side-lang%2-help-playing.png").arg(dir).arg(language));
  w.HelpWindow()->close();
  w.OpenAbout();
  TFormTopTen top(club, false, nullptr);
  w.RunModal(top);
  w.TableMenu()->popup(w.mapToGlobal(QPoint(40, 60)));
  QApplication::processEvents();
  WaitMs(300);
  QPixmap menu = w.grab();
  {
    QPainter p(&menu);
    p.drawPixmap(40, 60, w.TableMenu()->grab());
  }
  menu.save(QStringLiteral("%1/side-lang%2-menu-popup.png").arg(dir).arg(language));
  w.TableMenu()->hide();
  Language() = 0;
}

}  // namespace

// The program never creates its club files; a fresh folder gets them here.
// The menu with the online music player's buttons, its playlist from the
// club service at base; stopped, then playing at a changed volume. The
// song and the stream stay silent.
struct TSilentSong : TSongOutput {
  bool Open(const std::string&) override { return true; }
  bool Play() override { return true; }
  void Stop() override {}
  bool Playing() const override { return true; }
};
struct TSilentStream : TTrackStream {
  void Open(const QUrl&, int) override {}
  void Play() override {}
  void Stop() override {}
  void SetVolume(int) override {}
};

void ShootMusic(const QString& dir, const QString& base) {
  TMainWindow w;
  w.ClubAtStart = false;
  w.SetProgramFolder(QDir::tempPath());
  w.MakeSongOutput = [] { return std::make_unique<TSilentSong>(); };
  w.MakeTrackStream = [] { return std::make_unique<TSilentStream>(); };
  w.show();
  w.Options().TopTenAddress = base.toStdString() + "/RecordsService";
  w.StartMusic();
  w.EndIntro();
  QElapsedTimer t;
  t.start();
  while (w.MusicPlayer()->Fetching() && t.elapsed() < 10000) WaitMs(50);
  for (int size : {1, 4}) {
    w.SetWindowSize(size);
    Save(w, dir, size, "music-stopped");
  }
  w.MusicPlayer()->Next();
  for (int i = 0; i < 4; ++i) w.MusicPlayer()->VolumePress(w.MusicPlayer()->VolumeButton()->width() - 1);
  for (int size : {4, 1}) {
    w.SetWindowSize(size);
    Save(w, dir, size, "music-playing");
  }
  w.close();
}

// The tournament window against the service at base (its game ports on),
// Boris already at table 2; and the table with the move clock beside each
// side.
void ShootTournament(const QString& dir, const QString& base) {
  const std::string b = base.toStdString();
  const TServiceClient direct({b + "/AccountService", b + "/RecordsService", b + "/StatsService", b + "/TourService"});
  // There already on a second run.
  AccountRegister(direct.Transport(), ScriptedMember("Anna", "W"));
  AccountRegister(direct.Transport(), ScriptedMember("Boris"));
  TOrvClient boris;
  boris.Nick = "Boris";
  boris.Country = "Russia";
  boris.City = "Tver";
  boris.Sex = "M";
  boris.IP = "10.0.0.2";
  TourSeat(direct.Transport(), 1, 2, TSeatRequest::Take, boris);
  for (int design : {2, 4}) {
    TSettings s;
    s.AuxPictureDesign = design == 4;
    TOnlineClub club(b + "/RecordsService", b + "/StatsService", QDir::tempPath());
    club.StartUp(true, {});
    QElapsedTimer t;
    t.start();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    club.WithAccount([](const TPost& post, TAccount& a) { LoginAccount(post, a, "Anna", "pwAnna"); });
    t.restart();
    do WaitMs(50);
    while (club.Busy() && t.elapsed() < 5000);
    TTourLink link;
    TFormTournament window(club, link, s, QStringLiteral(ZEMBRA_PACK_DIR), nullptr);
    window.show();
    t.restart();
    do WaitMs(50);
    while ((club.Busy() || !window.ServerOn()) && t.elapsed() < 8000);
    WaitMs(100);
    window.grab().save(QStringLiteral("%1/tournament-design%2.png").arg(dir).arg(design));
  }
  TourSeat(direct.Transport(), 1, 2, TSeatRequest::Clear, TOrvClient{});
  // A match in progress: Anna in the window at seat 1 of table 4, Boris at
  // seat 2 as another program's match on its own connection.
  QTemporaryDir folder;
  const QString game = folder.path() + QStringLiteral("/game");
  QDir().mkpath(game);
  WriteFileAtomically((folder.path() + QStringLiteral("/") + QLatin1String(kUserFileName)).toStdString(),
                      UserFileText({"Anna", EncipherPassword("pwAnna")}));
  for (const char* name : {zembra::kClubFileName, zembra::kNetClubFileName})
    zembra::InstallClubFile((game + QLatin1Char('/') + QLatin1String(name)).toStdString());
  TGame borisGame;
  TTourLink borisLink;
  TFirstLegalSeat borisOwn;
  TTourSeat borisRemote(TTourSends{[&](TCardCode c) { borisLink.SendCard(c); }, [&] { borisLink.SendContinue(); },
                                   [&] { borisLink.SendNextDeal(); }});
  TMatchSetup setup;
  setup.Mode = TMatchMode::Tournament;
  setup.TournamentSeat = 2;
  TMatchController borisMatch(borisGame, setup, borisRemote, borisOwn);
  borisMatch.Start();
  QObject::connect(&borisLink, &TTourLink::DealArrived,
                   [&](const TDuelDeal& d) { borisMatch.ReceiveDeal(d.Deck, d.SenderFirstLeader, d.Target); });
  QObject::connect(&borisLink, &TTourLink::CardArrived, [&](TCardCode c) { borisMatch.SubmitCard(1, c); });
  QObject::connect(&borisLink, &TTourLink::ContinueArrived, [&] { borisMatch.PeerAcknowledged(); });
  TMainWindow w;
  w.ClubAtStart = false;
  w.SetProgramFolder(game);
  w.ShowMessage = [](const QString&) {};  // the other player leaving at the end
  w.RunModal = [&](QDialog& d) {
    if (auto* t = qobject_cast<TFormTournament*>(&d)) {
      QElapsedTimer tt;
      tt.start();
      while ((w.Club()->Busy() || !t->ServerOn()) && tt.elapsed() < 8000) WaitMs(50);
      t->SeatClick(4, 1);
      while (t->MyTable() != 4 && tt.elapsed() < 12000) WaitMs(50);
      TourSeat(direct.Transport(), 2, 4, TSeatRequest::Take, boris);
      borisLink.Connect(QStringLiteral("127.0.0.1"), static_cast<quint16>(t->PortOfTable(4)), 2);
      while (!t->FirstDeal() && tt.elapsed() < 20000) WaitMs(50);
      return t->FirstDeal() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    }
    return int(QDialog::Accepted);
  };
  w.show();
  w.Options().FlyCards = false;
  w.Options().TopTenAddress = b + "/RecordsService";
  w.Options().StatsAddress = b + "/StatsService";
  w.EndIntro();
  w.SetWindowSize(4);
  w.StartClub();
  QElapsedTimer t;
  t.start();
  while (w.Club()->Busy() && t.elapsed() < 8000) WaitMs(50);
  w.ShowTournament();
  TDealState& d = w.GameState().Deal;
  bool shotOpponent = false, shotPlayer = false;
  t.restart();
  for (int step = 0; step < 3000 && !(shotOpponent && shotPlayer) && t.elapsed() < 60000; ++step) {
    while (StepAutomatically(borisMatch)) {
    }
    WaitMs(10);
    if (w.TableBusy() || !d.InDeal) continue;
    w.TourClockTick();  // the clock moves on; a second a step in the picture
    if (w.TourClockOwner() == 1 && !shotOpponent && d.PlayedPos > 3) {
      Save(w, dir, 4, "tournament-match-opponent-to-move");
      shotOpponent = true;
      continue;
    }
    if (d.TurnState == kTurnPlayer2) {
      if (!shotPlayer && d.PlayedPos > 5) {
        for (int i = 0; i < 20; ++i) w.TourClockTick();
        Save(w, dir, 4, "tournament-match-player-to-move");
        shotPlayer = true;
      }
      PlayerMove(w);
    } else if (w.ContinueButton()->isEnabled()) {
      w.ContinueClick();
    }
  }
  w.AskYesNo = [](const QString&, const QString&) { return true; };
  borisLink.SendLeave();
  WaitMs(300);
}

void InstallClub() {
  for (const char* name : {zembra::kClubFileName, zembra::kNetClubFileName})
    zembra::InstallClubFile((QDir::tempPath() + QLatin1Char('/') + QLatin1String(name)).toStdString());
}

// The table in a dozen looks from the packs in packDir: face set, back set,
// background pattern and colour, at window sizes 1 and 5.
void ShootLooks(const QString& dir, const QString& packDir) {
  QTemporaryDir root;
  const QString game = root.path() + QStringLiteral("/game");
  QDir().mkpath(game);
  for (const QString& f : QDir(packDir).entryList({QStringLiteral("*.dll")}, QDir::Files))
    QFile::copy(packDir + QLatin1Char('/') + f, root.path() + QLatin1Char('/') + f);
  for (const char* name : {zembra::kClubFileName, zembra::kNetClubFileName})
    zembra::InstallClubFile((game + QLatin1Char('/') + QLatin1String(name)).toStdString());
  struct TLook {
    int Set, Back, Pattern, Colour;
  } looks[] = {{1, 1, 1, 0},  {2, 2, 3, 1},  {3, 3, 4, 2},  {6, 4, 5, 3},   {9, 5, 6, 4},   {14, 6, 7, 5},
               {16, 7, 8, 6}, {21, 8, 9, 0}, {27, 9, 10, 1}, {30, 10, 1, 4}, {36, 11, 3, 6}, {40, 12, 5, 0},
               {45, 3, 2, 0}, {47, 1, 8, 2}};
  for (int size : {1, 5}) {
    int n = 0;
    for (const TLook& look : looks) {
      TMainWindow w;
      w.ClubAtStart = false;
      w.SetProgramFolder(game);
      w.RunModal = [](QDialog& d) {
        if (auto* login = qobject_cast<TLoginDialog*>(&d)) {
          login->Confirm();
          return login->result();
        }
        return int(QDialog::Accepted);
      };
      w.show();
      w.Options().FlyCards = false;
      w.Options().CardSet = static_cast<uint8_t>(look.Set);
      w.Options().BackSet = static_cast<uint8_t>(look.Back);
      w.Options().BackgroundPattern = look.Pattern;
      w.Options().BackgroundColour = look.Colour;
      w.SetWindowSize(size);
      w.ReloadLook();
      w.EndIntro();
      TDeck deck;
      for (int i = 0; i < 24; ++i) deck[i + 1] = *CardFromAscii(kDeck[i]);
      w.StackedDeck = deck;
      w.StartMatch(6);
      w.ContinueClick();
      w.Timer1Tick();
      const QString name = QStringLiteral("looks%1-set%2-back%3-fon%4-%5")
                               .arg(++n, 2, 10, QLatin1Char('0'))
                               .arg(look.Set)
                               .arg(look.Back)
                               .arg(look.Pattern)
                               .arg(look.Colour);
      Save(w, dir, size, qPrintable(name));
      w.Options().CardSet = 0;  // nothing of this run reaches a real options file
      w.AskYesNo = [](const QString&, const QString&) { return true; };
    }
  }
}

// The window with the hint balloon of one of its pictures laid over it.
QPixmap WithHint(TMainWindow& w, QWidget* picture) {
  QToolTip::showText(picture->mapToGlobal(QPoint(picture->width() * 3 / 4, -30)), picture->toolTip(),
                     picture, picture->rect(), 5000);
  QApplication::processEvents();
  QPixmap shot = w.grab();
  for (QWidget* tip : QApplication::topLevelWidgets())
    if (tip->inherits("QTipLabel") && tip->isVisible()) {
      QPainter p(&shot);
      p.drawPixmap(w.mapFromGlobal(tip->pos()), tip->grab());
    }
  QToolTip::hideText();
  return shot;
}

// The menu's holiday calendar on chosen days in English, Russian and
// Chinese from the calendar pack in packDir: each tile of the right
// picture in turn with its hint; the first days also at window size 5.
void ShootCalendar(const QString& dir, const QString& packDir) {
  QTemporaryDir root;
  const QString game = root.path() + QStringLiteral("/game");
  QDir().mkpath(game);
  QFile::copy(packDir + QStringLiteral("/OrvCalendar01.dll"), root.path() + QStringLiteral("/OrvCalendar01.dll"));
  for (const char* name : {zembra::kClubFileName, zembra::kNetClubFileName})
    zembra::InstallClubFile((game + QLatin1Char('/') + QLatin1String(name)).toStdString());
  const struct {
    TDate Day;
    const char* Name;
  } days[] = {{{2025, 5, 9}, "victory"},    {{2025, 1, 20}, "inauguration"}, {{2010, 4, 4}, "easter"},
              {{2025, 3, 3}, "no-holiday"}, {{2025, 10, 31}, "halloween"},   {{2026, 1, 1}, "new-year"},
              {{2024, 9, 12}, "programmer"}, {{2025, 11, 27}, "thanksgiving"}};
  for (int language : {0, 1, 5}) {
    for (const auto& day : days) {
      for (int size : {1, 5}) {
        if (size == 5 && day.Day != days[0].Day) continue;
        TMainWindow w;
        w.ClubAtStart = false;
        w.SetProgramFolder(game);
        w.show();
        w.Options().Language = static_cast<uint8_t>(language);
        Language() = language;
        w.RelabelAll();
        w.SetWindowSize(size);
        w.EndIntro();
        w.MutableView().MenuTick = 40;
        w.SetCalendarDay(day.Day);
        TCalendarPictures* calendar = w.CalendarPictures();
        const QString stem = QStringLiteral("%1/calendar-lang%2-size%3-%4").arg(dir).arg(language).arg(size).arg(day.Name);
        WithHint(w, calendar->LeftPicture()).save(stem + QStringLiteral("-date.png"));
        for (int tile = 2; tile <= calendar->Tiles().Count(); ++tile) {
          WithHint(w, calendar->RightPicture()).save(stem + QStringLiteral("-tile%1.png").arg(tile));
          calendar->NextTile();
        }
        w.AskYesNo = [](const QString&, const QString&) { return true; };
      }
    }
  }
  Language() = 0;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallClub();
  LoadBundledFonts();
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString());
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
  QDir().mkpath(dir);
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) {
    // "optN": the options dialog's pages in language N.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("opt"))) {
      // "optN", "optN-D" or "optN-D=PACKDIR": language N, auxiliary window
      // design D (4: the picture design), packs from PACKDIR.
      const QStringList arg = QString::fromLocal8Bit(argv[i] + 3).split(QLatin1Char('='));
      const QStringList parts = arg[0].split(QLatin1Char('-'));
      ShootOptions(dir, parts[0].toInt(), parts.size() > 1 ? parts[1].toInt() : 2, arg.value(1));
      return 0;
    }
    // "sideN": help, about box, top ten and table menu in language N.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("side"))) {
      ShootSide(dir, atoi(argv[i] + 4));
      return 0;
    }
    // "looks=PACKDIR": the table in a dozen looks from the packs there.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("looks="))) {
      ShootLooks(dir, QString::fromLocal8Bit(argv[i] + 6));
      return 0;
    }
    // "online=BASEURL": the online club's windows against that service.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("online="))) {
      ShootOnline(dir, QString::fromLocal8Bit(argv[i] + 7));
      return 0;
    }
    // "tournament=BASEURL": the tournament window and the move clock.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("tournament="))) {
      ShootTournament(dir, QString::fromLocal8Bit(argv[i] + 11));
      return 0;
    }
    // "radio=PACKDIR": the radio on the menu's shelf and the radio window.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("radio="))) {
      ShootRadio(dir, QString::fromLocal8Bit(argv[i] + 6));
      return 0;
    }
    // "music=BASEURL": the menu with the music player, its playlist there.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("music="))) {
      ShootMusic(dir, QString::fromLocal8Bit(argv[i] + 6));
      return 0;
    }
    // "aux=PACKDIR": the auxiliary windows in every design.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("aux="))) {
      ShootAux(dir, QString::fromLocal8Bit(argv[i] + 4));
      return 0;
    }
    // "calendar=PACKDIR": the menu's calendar on chosen days in three languages.
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("calendar="))) {
      ShootCalendar(dir, QString::fromLocal8Bit(argv[i] + 9));
      return 0;
    }
    if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("club")) {
      ShootClub(dir);
      return 0;
    }
    // "langN": the window in language N (as if switched in the options).
    if (QString::fromLocal8Bit(argv[i]).startsWith(QStringLiteral("lang"))) {
      ShootLanguage = atoi(argv[i] + 4);
      continue;
    }
    sizes.push_back(atoi(argv[i]));
  }
  if (sizes.empty()) sizes = {1, 5};
  for (int size : sizes) Shoot(dir, size);
  return 0;
}
