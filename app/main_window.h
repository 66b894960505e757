// The main window: start-up, the intro, the main menu and the card table.
// At the table it is a view and the local player's seat: a match
// controller runs the match, the window shows what happens one event at a
// time (card flights on the event loop) and hands the player's clicks,
// the continue button and its timer's ticks to the controller. Input that
// arrives while the table is still showing earlier events waits its turn.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/gif_recorder.h"
#include "app/help_window.h"
#include "duel/duel_link.h"
#include "duel/duel_seat.h"
#include "app/table_view.h"
#include "app/view_state.h"
#include "calendar/calendar_date.h"
#include "engine/game.h"
#include "match/match_controller.h"
#include "match/play_mode.h"
#include "match/seats.h"
#include "records/settings.h"

class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QDialog;

namespace zembra {

class TCalendarPictures;
class TSongOutput;
class TTrackStream;

class TMainWindow : public QWidget, private TSeat {
  Q_OBJECT

 public:
  explicit TMainWindow(QWidget* parent = nullptr);
  ~TMainWindow() override;

  // --- flow (Part of the table's state machine) ---
  void EndIntro();
  void StartMatch(int slot);
  // The fifth player button: with an account logged in (and no duel set
  // up) the account window, and a rated game when it starts one.
  void FifthPlayerClick();
  void OpenAccount(bool fromNewGame);  // app/account_flow.cpp
  void ContinueClick();
  void ExitToMenuClick();
  void QuitToMenu();
  // The table menu's renaming of the profile that plays.
  void ChangeNameClick();
  // The close question; true when the window may close.
  bool CloseQuery();
  // Closes the program at once, as Exit does but asking nothing: the
  // session is ending. Open questions are closed unanswered.
  void Terminate();
  std::function<void()> QuitProgram = [] { QCoreApplication::quit(); };  // replaceable for tests
  void Timer1Tick();

  // --- input on the table ---
  void HandClick(int x, int y);                 // left button released at (x, y)
  void RightClick(int x, int y);                // right button released
  Qt::CursorShape CursorAt(int x, int y) const; // arrow or hand
  bool MenuAttachedAt(int x, int y) const;      // does a right click here open the table menu?
  int CardAt(int player, int x) const;          // x in window coordinates
  void RevealKey(const QString& text);          // a key typed on the chat button
  void ResetRevealBuffer();

  void SetWindowSize(int size);
  // Relabels the window after a change of language.
  void RelabelAll() {
    Relabel();
    update();
  }
  // The options dialog and the card speed dialog.
  void OpenOptions();
  void OpenSpeed();
  // The help at a topic (a window beside the game) and the about box.
  void OpenHelp(THelpTopic topic);
  void OpenAbout();
  THelpTopic CurrentHelpTopic() const;
  THelpWindow* HelpWindow() const { return Help; }
  // A key at the table: 1-6 play the n-th card, Enter or Space presses the
  // continue button; false when the key means nothing there.
  bool TableKey(int key);

  // The folder the program reads and writes its files in (its own).
  void SetProgramFolder(const QString& folder) { Folder = folder; }
  const QString& ProgramFolder() const { return Folder; }
  // Reads the options file and applies it (the first paint does this once).
  void ReadOptionsFile();
  // Loads faces, backs and background for the settings and the size class;
  // a missing pack is named, and its setting returns to the built-in one.
  void ReloadLook();
  // The salute burst around the pointer, for a button or a card click, when
  // its option is on and the graphics pack is there.
  void Salute(bool card);
  // Writes the options file; shows "Can`t save options!" when that fails.
  bool WriteOptionsFile();
  // The online club: started with the options (the service file, the start
  // notice, the login from the user file) unless ClubAtStart is cleared
  // before the first showing (tests and screenshots stay offline).
  bool ClubAtStart = true;
  void StartClub();  // app/club_flow.cpp
  class TOnlineClub* Club() const { return OnlineClub; }
  QPushButton* ClubIcon(int i) const { return ClubIcons.at(static_cast<size_t>(i)); }
  // Shows the club's news in the attention dialog (replaceable for tests).
  std::function<void(const QString& text, const QString& second, const QString& link)> ShowNews;
  // Music (app/music_flow.cpp): the built-in song and the online music
  // player, started once the window shows its first picture (the program
  // does this; tests start it themselves, with outputs of their own).
  void StartMusic();
  class TBuiltInSong* Song() const { return BuiltInSong; }
  class TOnlinePlayer* MusicPlayer() const { return OnlinePlayer; }
  std::function<std::unique_ptr<TSongOutput>()> MakeSongOutput;
  std::function<std::unique_ptr<TTrackStream>()> MakeTrackStream;
  // The internet radio (app/radio_flow.cpp): started, like the music, once
  // the window shows; checked again after a pack download or a change of
  // the list's source.
  void StartRadio();
  void CheckRadio();
  void OpenRadio();
  void RadioClick();
  class TRadio* InternetRadio() const { return Radio; }
  class TRadioShelf* RadioShelf() const { return ImRadio; }
  std::function<std::unique_ptr<TTrackStream>()> MakeRadioStream;

  // A stacked deck for the next match's first deal (tests and screenshots);
  // empty: shuffled.
  std::optional<TDeck> StackedDeck;

  // Modal windows and questions go through these, so tests can answer them.
  std::function<int(QDialog&)> RunModal;
  std::function<bool(const QString& title, const QString& text)> AskYesNo;
  std::function<void(const QString& text)> ShowMessage;

  TGame& GameState() { return Game; }
  const TMatchController* MatchController() const { return Match.get(); }
  const TPlayMode& PlayMode() const { return Mode; }
  // The table is still showing earlier events (a card in flight, a window
  // of the match open): input waits.
  bool TableBusy() const;
  int PendingInputs() const { return static_cast<int>(Inputs.size()); }
  const TViewState& ViewState() const { return View; }
  TSettings& Options() { return Settings; }
  TTableView* TableWidget() const { return Table; }
  const TGifRecorder& GifRecorder() const { return *Recorder; }
  QString LastGif;  // the last recording saved
  TViewState& MutableView() { return View; }
  QPushButton* ContinueButton() const { return Button1; }
  QPushButton* ExitButton() const { return Button2; }
  QPushButton* NewPlayerButton() const { return Button6; }
  QPushButton* PlayerButton(int i) const { return PlayerButtons[i]; }
  QLabel* ClubHeading() const { return Panel4; }
  QLineEdit* ChatField() const { return ChatEdit; }
  TDuelLink* DuelLink() const { return Link.get(); }
  // The address and port the network section remembers (options file).
  QPushButton* ChatButton() const { return ButtonChat; }
  QMenu* TableMenu() const { return PopupMenu1; }
  QAction* QuitAction() const { return ActQuit; }
  QAction* GenCountAction() const { return ActGenCount; }
  bool IntroShown() const { return View.Screen == TScreen::Intro; }
  bool MenuShown() const { return View.Screen == TScreen::Menu; }
  QTimer* MainTimer() const { return Timer1; }
  const QString& PlayerName(int player) const { return Names[player]; }
  int MatchesFinished() const { return Finished; }
  // The holiday calendar of the menu; a fixed day for it (tests and
  // screenshots) or back to the clock's with nothing.
  TCalendarPictures* CalendarPictures() const { return Calendar; }
  void SetCalendarDay(std::optional<TDate> day);
  double LastRating() const { return Rating; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  class TClickEffect* ClickEffect = nullptr;
  // The local player's seat: its cards come from clicks.
  std::optional<int> OnTurn(const TDealState&, int) override { return std::nullopt; }
  void OnEvent(const TEngineEvent& e) override;
  // Runs the input now, or after what the table is still showing.
  void Input(std::function<void()> action);
  void Pump();
  void ShowStep(const TEngineEvent& e);
  void Tick();
  void PlayClickedCard(TCardCode card);
  void BuildMenuButtons();
  void BuildTableControls();
  void BuildTableMenu();
  void Relabel();
  void ApplyLayout();
  void ShowMenu();
  void ShowTable(bool on);
  void LeaveTable();
  void FinishMatch();
  void BeginMatch(const TProfileValues& profile, bool duel);
  // The end of a match after the account's result is written back (or
  // given up): the records, the cycle, the menu.
  void FinishMatchRecords(const TMatchOutcome& outcome, std::optional<double> serviceRating);
  void StartAccountMatch();
  // The tournament (app/tour_flow.cpp).
 public:
  void ShowTournament();
  class TTourLink* TournamentLink() const { return TourLink.get(); }
  int TourClockOwner() const { return View.ClockOwner; }
  int TourClockSeconds() const { return View.ClockSeconds; }
  void TourClockTick();

 private:
  void BeginTournamentMatch(const class TFormTournament& window);
  void WireTournament();
  void TournamentOver(int row1, int row2, int resultRow, const char* sound);
  void TournamentLost();
  void FinishTournamentMatch();
  void LeaveTournament();
  void UpdateTourClock();
  void FinishAccountGame(const TMatchOutcome& outcome);
  void SubmitAccountCycleResult(int cycleScore);
  void ShowSubmit(int score);
  void ShowCount();
  void FlyToTable(const TEngineEvent& e);
  void FlyTrickAway(int winner);
  void FlyDrawn(const TEngineEvent& e);
  QString TextOf(const TText& t) const;
  void PlaySound(const std::string& name, bool wait = false);
  void SetCursorShape(Qt::CursorShape shape);
  bool ShowHint(QHelpEvent* e);

  TSettings Settings;
  TGame Game;
  TViewState View;
  TTableView* Table = nullptr;
  QTimer* Timer1 = nullptr;
  // The calendar's two pictures on the menu, drawn from the calendar pack.
  TCalendarPictures* Calendar = nullptr;
  void ShowCalendar();

  // Mode of play and the match under way.
  TPlayMode Mode;
  TComputerSeat Computer;
  std::unique_ptr<TMatchController> Match;
  QString Names[3];
  QString LastTypedName;
  int Finished = 0;      // matches finished in this run
  double Rating = 0.0;   // the last local rating computed

  // Main menu.
  std::array<QPushButton*, 5> PlayerButtons{};
  QPushButton *Button6 = nullptr, *Button9 = nullptr, *Button10 = nullptr, *Button11 = nullptr;
  QPushButton *BMode = nullptr, *BHistory = nullptr;
  // Table.
  QPushButton *Button1 = nullptr, *Button2 = nullptr, *ButtonChat = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction *ActGenCount = nullptr, *ActQuit = nullptr, *ActChangeName = nullptr, *ActSpeed = nullptr;
  QAction *ActHelp = nullptr, *ActAbout = nullptr, *ActRadio = nullptr, *ActChat = nullptr;

  QString Folder;
  bool OptionsRead = false;
  THelpWindow* Help = nullptr;
  // A refused card: the sound, a shake of the card and the reason as the hand's hint.
  void RefuseCard(TCardCode card, int reasonRow);

  // The duel: the connection, the other player's seat, the chat line.
  std::unique_ptr<TDuelLink> Link;
  std::unique_ptr<TDuelSeat> Remote;
  QLineEdit* ChatEdit = nullptr;
  bool OpenDuel(class TNetSection& section, const QString& ownName);
  void WireDuel();
  void DuelInterrupted(bool garbled);
  void CloseDuel();
  void SendChatLine();
  void AddChatLine(const QString& text);
  void SetNetGame(bool on);
  // The local club: the file of the current mode, the profile that plays.
  std::string ClubPath() const;
  bool CheckClubFiles();
  void RefreshRecentPlayers();
  void RemoveRecentPlayer();
  void ShowCycleEnd(const struct TCycleWindow& cycle);
  bool ClubBarred = false;
  bool StartFailed = false;
  bool Terminating = false;
  std::string ProfilePassword;  // encoded, for the profile line
  QLabel* Panel4 = nullptr;
  // Recording deals as animated pictures.
  void StartRecording();
  void RecordFrame();
  void StopRecording();
  QTimer* TimerGIF = nullptr;
  std::unique_ptr<TGifRecorder> Recorder;
  QString RevealBuffer;
  // What the table has still to show, with the game as it stood then; the
  // input that waits for it.
  struct TStep {
    TEngineEvent Event;
    TTableShown State;
  };
  std::deque<TStep> Steps;
  std::deque<std::function<void()>> Inputs;
  // The screens shown so far and the last press on a window button: when,
  // where, and on which screen.
  QElapsedTimer Clock;
  int ScreenSerial = 0;
  qint64 LastPressAt = -1;
  QPoint LastPressPos;
  int PressScreen = 0;
  bool StaleSecondClick(QEvent* e);
  bool Pumping = false;
  bool FinishingMatch = false;
  // The tournament: the game connection, the other player's seat, the
  // opponent's name, the score when the seat was taken, the match ended
  // by the other side or the clock, the move clock.
  std::unique_ptr<class TTourLink> TourLink;
  std::unique_ptr<class TTourSeat> TourRemote;
  QString TourOpponent;
  int TourStartScore = 0;
  bool TourFinished = false;
  QTimer* TourClock = nullptr;
  int TourClockKey = -1;
  // The cycle score of an account cycle completed by the match just ended.
  std::optional<int> AccountCycleScore;
  // The rated game is over: the account plays no longer for the rating.
  void EndRatedGame();
  std::string AccountNick() const;  // app/account_flow.cpp
  bool InStep = false;
  // A waiting effect (a card played, a marriage, the stock emptied) holds
  // the steps and the input behind it until it has been heard; the window
  // keeps painting meanwhile.
  bool SoundHold = false;
  QTimer* SoundHoldTimer = nullptr;
  class TOnlineClub* OnlineClub = nullptr;
  // The menu's side icons of the online club (app/club_flow.cpp): world top
  // ten, statistics, account, chat.
  std::vector<QPushButton*> ClubIcons;
  void BuildClubIcons();
  void LayOutClubIcons();
  void SetClubIconsVisible(bool on);
  void OpenStatistics();
  void OpenChat();
  void OpenWorldTopTen();
  // The finished match's counters to the club's statistics (silent).
  void PostMatchStats(int result, bool cycleDone);
  class TBuiltInSong* BuiltInSong = nullptr;
  class TOnlinePlayer* OnlinePlayer = nullptr;
  void UpdateMusic();
  void LayOutMusic();
  void CloseMusic();
  class TRadio* Radio = nullptr;
  class TRadioShelf* ImRadio = nullptr;  // the menu's radio on its shelf
  bool RadioChecked = false;
  bool RadioStarted = false;
  void LayOutRadio();
  void ShowRadio();
  bool RadioMissing();
  bool RadioOn() const;  // the radio plays: the song gives way
  void RadioAfterIntro();
  void CloseRadio();
  bool TickWaiting = false;
  bool DrawRun = false;  // drawn cards are flying from the stock
};

}  // namespace zembra
