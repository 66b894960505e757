// Start-up, screens, timers, the main menu and the window's own events.
#include "app/main_window.h"
#include "calendar/calendar_pictures.h"
#include "tournament/tour_link.h"
#include "tournament/tour_seat.h"
#include <QCursor>
#include "resources/pack_file.h"
#include "app/click_effect.h"
#include "resources/link_message.h"
#include "resources/packs.h"
#include "resources/pack_names.h"
#include "app/card_look.h"
#include "resources/orv_cards_button.h"
#include "resources/owner_button.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <cmath>

#include "ai/computer.h"
#include "ai/endgame_search.h"
#include "engine/rules.h"
#include "resources/fonts.h"
#include "resources/hints.h"
#include "app/media.h"
#include "app/pictures.h"
#include "app/screens_painter.h"
#include "records/file_store.h"
#include "records/club_file.h"
#include "records/club_windows.h"
#include "records/options_dialog.h"
#include "records/options_file.h"
#include "records/speed_dialog.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {


// The main window's buttons: orange bars with a white caption that turns
// gold under the mouse, silver when disabled.
TOrvCardsButton* MakeButton(QWidget* parent) {
  auto* b = new TOrvCardsButton(parent);
  b->SetColorSB(TColorSB::DOrang);
  b->SetGrayDis(true);
  b->SetLightFont(true);
  b->SetColorMouse(QColor(255, 230, 120));
  QPalette pal = b->palette();
  pal.setColor(QPalette::ButtonText, Qt::white);
  b->setPalette(pal);
  return b;
}

}  // namespace

TMainWindow::TMainWindow(QWidget* parent) : QWidget(parent) {
  // Start-up: caption, geometry, controls hidden, table menu attached with
  // its game items disabled, the intro on screen.
  setWindowTitle(QStringLiteral("Zembra"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(pal);

  Folder = QCoreApplication::applicationDirPath();
  RunModal = [this](QDialog& d) {
    TOrvCardsButton::SetNataAll(&d, Settings.NewButtons);
    TOrvCardsButton::StyleDialog(&d);
    return d.exec();
  };
  ShowMessage = [this](const QString& text) {
    QMessageBox::warning(this, QStringLiteral("Zembra"), text);
  };
  AskYesNo = [this](const QString& title, const QString& text) {
    // Yes and No in the current language.
    QMessageBox box(QMessageBox::Question, title, QString(text).replace(QStringLiteral("\n\r"), QStringLiteral("\n")),
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(Row(640), QMessageBox::YesRole);
    box.addButton(Row(1036), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
  };

  Table = new TTableView(View, Settings, this);
  // A click on the table takes the keys back from the chat line.
  Table->setFocusPolicy(Qt::ClickFocus);
  Table->OnMouseRelease = [this](QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (IntroShown()) {
      EndIntro();
      return;
    }
    if (e->button() == Qt::LeftButton) HandClick(p.x(), p.y());
    if (e->button() == Qt::RightButton) RightClick(p.x(), p.y());
  };
  Table->OnMouseMove = [this](QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    SetCursorShape(CursorAt(p.x(), p.y()));
  };
  Table->OnContextMenu = [this](QContextMenuEvent* e) {
    if (!MenuAttachedAt(e->pos().x(), e->pos().y())) return;
    PopupMenu1->popup(e->globalPos());
  };
  Table->OnToolTip = [this](QHelpEvent* e) { return ShowHint(e); };

  BuildMenuButtons();
  BuildTableControls();
  BuildTableMenu();
  Calendar = new TCalendarPictures(this);

  // The debug view shows the search's top-level values in the caption.
  Computer.OnChoice = [this](int, const ai::TAiChoice& choice) {
    if (Game.Deal.RevealCards && choice.Searched)
      setWindowTitle(QString::fromStdString(ai::FormatValues(choice.Values)));
  };
  Names[1] = QStringLiteral("PC");
  Names[2] = QString::fromStdString(Settings.PlayerName);

  Timer1 = new QTimer(this);
  connect(Timer1, &QTimer::timeout, this, &TMainWindow::Timer1Tick);
  Recorder = std::make_unique<TGifRecorder>();
  TimerGIF = new QTimer(this);
  TimerGIF->setInterval(100);
  connect(TimerGIF, &QTimer::timeout, this, &TMainWindow::RecordFrame);

  View.Screen = TScreen::Intro;
  if (QScreen* sc = QGuiApplication::primaryScreen()) move(sc->availableGeometry().topLeft());
  SetWindowSize(Settings.WindowSize);
  Relabel();
  // Every button of the menu and the table: a click that completes a double
  // click begun on the other screen is dropped.
  Clock.start();
  for (auto* b : PlayerButtons) b->installEventFilter(this);
  for (auto* b : {Button6, Button9, Button10, Button11, BMode, BHistory, Button1, Button2})
    b->installEventFilter(this);
  ShowTable(false);
  for (auto* b : PlayerButtons) b->hide();
  for (auto* b : {Button6, Button9, Button10, Button11, BMode, BHistory}) b->hide();
  BuildClubIcons();
  SetClubIconsVisible(false);
  Timer1->start(20);
}

TMainWindow::~TMainWindow() {
  Table->StopFlight();
  Match.reset();
}

void TMainWindow::BuildMenuButtons() {
  auto make = [this]() {
    auto* b = MakeButton(this);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
  };
  for (int i = 0; i < 5; ++i) {
    PlayerButtons[i] = make();
    connect(PlayerButtons[i], &QPushButton::clicked, this, [this, i] { i == 4 ? FifthPlayerClick() : StartMatch(i + 1); });
  }
  // The menu's buttons salute when clicked.
  auto salute = [this](QPushButton* b) { connect(b, &QPushButton::clicked, this, [this] { Salute(false); }); };
  Panel4 = new QLabel(this);
  Panel4->setStyleSheet(QStringLiteral("color: #fff3c0; background: rgba(0, 0, 0, 70); border-radius: 4px;"));
  Panel4->hide();
  Button6 = make();
  connect(Button6, &QPushButton::clicked, this, [this] { StartMatch(6); });
  Button9 = make();   // top ten: the club window arrives with the local club
  Button10 = make();  // options: the options dialog arrives with the options file
  BHistory = make();  // history window arrives with the history files
  BMode = make();
  // Two display modes of the recent players: matches and score, or rating.
  connect(BMode, &QPushButton::clicked, this, [this] {
    Settings.ClubMode = Settings.ClubMode == 1 ? 2 : 1;
    RefreshRecentPlayers();
  });
  Button11 = make();
  for (QPushButton* b : {PlayerButtons[0], PlayerButtons[1], PlayerButtons[2], PlayerButtons[3], PlayerButtons[4],
                         Button6, Button9, Button10, BHistory, BMode})
    salute(b);
  connect(Button11, &QPushButton::clicked, this, [this] { close(); });
  connect(Button10, &QPushButton::clicked, this, &TMainWindow::OpenOptions);
  connect(Button9, &QPushButton::clicked, this, [this] {
    if (TableBusy()) return;
    PlaySound("WOpenFo");
    TFormTopTen window(ClubPath(), Mode.UsesNetClub(), this);
    RunModal(window);
  });
  connect(BHistory, &QPushButton::clicked, this, [this] {
    if (TableBusy()) return;
    PlaySound("WOpenFo");
    TFormHistory window((Folder + QStringLiteral("/History")).toStdString(), this);
    RunModal(window);
  });
}

void TMainWindow::BuildTableControls() {
  Button1 = MakeButton(this);
  Button2 = MakeButton(this);
  ButtonChat = MakeButton(this);
  for (auto* b : {Button1, Button2, ButtonChat}) b->setCursor(Qt::PointingHandCursor);
  static_cast<TOrvCardsButton*>(ButtonChat)->SetColorSB(TColorSB::DGreen);
  Button1->setFocusPolicy(Qt::NoFocus);
  Button2->setFocusPolicy(Qt::NoFocus);
  // The chat line's send button: in a game against the computer it only
  // listens for the code of the debug view.
  ButtonChat->setFocusPolicy(Qt::ClickFocus);
  ButtonChat->installEventFilter(this);
  connect(Button1, &QPushButton::clicked, this, [this] { Salute(false); });
  connect(Button1, &QPushButton::clicked, this, &TMainWindow::ContinueClick);
  connect(Button2, &QPushButton::clicked, this, &TMainWindow::ExitToMenuClick);
  // The duel's chat line: at most 15 characters, sent with Enter or the button.
  ChatEdit = new QLineEdit(this);
  ChatEdit->setMaxLength(15);
  ChatEdit->setAccessibleName(Row(158));
  ChatEdit->hide();
  connect(ChatEdit, &QLineEdit::returnPressed, this, &TMainWindow::SendChatLine);
  connect(ButtonChat, &QPushButton::clicked, this, &TMainWindow::SendChatLine);
}

void TMainWindow::BuildTableMenu() {
  PopupMenu1 = new QMenu(this);
  ActGenCount = PopupMenu1->addAction(QString(), this, [this] {
    Input([this] {
      PlaySound("WOpenFo");
      ShowCount();
    });
  });
  ActQuit = PopupMenu1->addAction(QString(), this, &TMainWindow::QuitToMenu);
  ActChangeName = PopupMenu1->addAction(QString(), this, &TMainWindow::ChangeNameClick);
  ActSpeed = PopupMenu1->addAction(QString(), this, &TMainWindow::OpenSpeed);
  PopupMenu1->addSeparator();
  ActHelp = PopupMenu1->addAction(QString(), this, [this] { OpenHelp(CurrentHelpTopic()); });
  ActAbout = PopupMenu1->addAction(QString(), this, &TMainWindow::OpenAbout);
  PopupMenu1->addSeparator();
  ActRadio = PopupMenu1->addAction(QString(), this, &TMainWindow::OpenRadio);
  ActChat = PopupMenu1->addAction(QString());
  // Items whose windows arrive later stay disabled.
  for (QAction* a : {ActGenCount, ActQuit, ActChangeName, ActRadio, ActChat})
    a->setEnabled(false);
}

void TMainWindow::Relabel() {
  setWindowTitle(QString::fromLatin1(kProductTitles[ValidLanguage(Language())]));
  Button6->setText(Row(0));
  Button9->setText(Row(3));
  Button10->setText(Row(2));
  Button11->setText(Row(4));
  BMode->setText(Row(6));
  BHistory->setText(Row(5));
  Button9->setToolTip(Row(89) + QStringLiteral(":30"));
  Button2->setText(Row(21));
  ButtonChat->setText(Row(158));
  ActGenCount->setText(Row(25));
  ActQuit->setText(Row(21));
  ActChangeName->setText(Row(26));
  ActSpeed->setText(Row(298));
  ActHelp->setText(Row(27));
  ActAbout->setText(Row(29));
  ActRadio->setText(Row(1016));
  ShowRadio();
  ActChat->setText(Row(178));
  if (View.Screen == TScreen::Menu) {
    RefreshRecentPlayers();  // Panel4: row 6 + mode
    ShowCalendar();
  }
}

void TMainWindow::SetWindowSize(int size) {
  Settings.WindowSize = static_cast<uint8_t>(std::clamp(size, 1, 5));
  // The room for the client area: the screen's available area (without
  // panels) less the window's frame and title bar.
  QRect avail(0, 0, 1920, 1080);
  if (QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen()) avail = sc->availableGeometry();
  const QRect frame = frameGeometry(), inner = geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
  const int roomW = avail.width() - margins.left() - margins.right();
  const int roomH = avail.height() - margins.top() - margins.bottom();
  View.WindowSize = Settings.WindowSize;
  View.Layout = MakeLayout(View.WindowSize, roomW, roomH);
  ApplyLayout();
  if (OptionsRead) ReloadLook();
  // The whole frame on the available area: full screen at its top left
  // corner, the other sizes where they are, pulled back inside.
  const QSize outer(View.Layout.Client.W + margins.left() + margins.right(),
                    View.Layout.Client.H + margins.top() + margins.bottom());
  QPoint at = View.WindowSize == 2 ? avail.topLeft() : frame.topLeft();
  at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() + 1 - outer.width())));
  at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - outer.height())));
  move(at);
}

void TMainWindow::ApplyLayout() {
  const TTableLayout& l = View.Layout;
  setFixedSize(l.Client.W, l.Client.H);
  Table->setGeometry(0, 0, l.Client.W, l.Client.H);
  const TScale& sc = l.Scale;
  const int fontPx = static_cast<int>(std::lround(14 * sc.S));
  QFont f = RoleFont(Settings, TFontRoleId::Decor, fontPx, true);
  // Menu: recent players on the left, the other buttons on the right.
  // The recent players' texts start where the heading's text starts, in
  // the same font, so their values stand under the column titles.
  const QFont listFont = RoleFont(Settings, TFontRoleId::Conew, 13 * sc.S, true);
  int listIndent = 0;
  for (int i = 0; i < 5; ++i) {
    const TRect r = ScaleRect({30, 140 + i * 46, 380, 38}, sc);
    PlayerButtons[i]->setGeometry(r.X, r.Y, r.W, r.H);
    PlayerButtons[i]->setFont(listFont);
    static_cast<TOrvCardsButton*>(PlayerButtons[i])->SetMargin(0);
    listIndent = CaptionIndent(r.H);
  }
  const TRect panel = ScaleRect({30, 116, 380, 20}, sc);
  Panel4->setGeometry(panel.X, panel.Y, panel.W, panel.H);
  Panel4->setFont(listFont);
  Panel4->setIndent(0);
  Panel4->setContentsMargins(listIndent, 0, 0, 0);
  QPushButton* right[] = {Button6, Button9, BHistory, Button10, BMode, Button11};
  for (int i = 0; i < 6; ++i) {
    const TRect r = ScaleRect({450, 130 + i * 42, 270, 34}, sc);
    right[i]->setGeometry(r.X, r.Y, r.W, r.H);
    right[i]->setFont(f);
  }
  LayOutClubIcons();
  // The calendar in the menu's free upper left corner, beside the title
  // (the lower corners hold the music player and the club's icons): the
  // date, then the year and the holidays.
  const TRect calLeft = ScaleRect({36, 8, kTileWidth, kTileHeight}, sc);
  const TRect calRight = ScaleRect({104, 8, kTileWidth, kTileHeight}, sc);
  Calendar->Place(QRect(calLeft.X, calLeft.Y, calLeft.W, calLeft.H), QRect(calRight.X, calRight.Y, calRight.W, calRight.H));
  LayOutMusic();
  LayOutRadio();
  Button1->setGeometry(l.Continue.X, l.Continue.Y, l.Continue.W, l.Continue.H);
  Button2->setGeometry(l.Exit.X, l.Exit.Y, l.Exit.W, l.Exit.H);
  const TRect chat = ScaleRect({600, 462, 110, 26}, sc);
  ButtonChat->setGeometry(chat.X, chat.Y, chat.W, chat.H);
  const TRect chatLine = ScaleRect({600, 434, 110, 24}, sc);
  ChatEdit->setGeometry(chatLine.X, chatLine.Y, chatLine.W, chatLine.H);
  ChatEdit->setFont(RoleFont(Settings, TFontRoleId::Conew, 12 * sc.S, true));
  for (auto* b : {Button1, Button2, ButtonChat}) b->setFont(f);
  Table->update();
}

void TMainWindow::ShowTable(bool on) {
  if (on && Button1->isHidden()) ++ScreenSerial;  // from the menu
  // The send button sends only in a duel; elsewhere it looks disabled and
  // just listens for the debug view's code.
  auto* chat = static_cast<TOrvCardsButton*>(ButtonChat);
  // The chat line belongs to a duel and to a tournament table.
  const bool duel = (Mode.NetDuel() && Link) || (Mode.Tournament() && TourLink);
  chat->SetLookDisabled(!duel);
  chat->setEnabled(true);
  chat->setCursor(duel ? Qt::PointingHandCursor : Qt::ArrowCursor);
  ChatEdit->setVisible(on && duel);
  ChatEdit->setEnabled(duel);
  for (auto* b : {Button1, Button2, ButtonChat}) b->setVisible(on);
  if (on) Calendar->SetShown(false);
  UpdateMusic();
  ShowRadio();
}

void TMainWindow::ShowCalendar() {
  // Built afresh each time the menu is laid out; without the pack nothing
  // shows and nothing is said.
  Calendar->Rebuild(Folder, Language());
  Calendar->SetShown(true);
}

void TMainWindow::SetCalendarDay(std::optional<TDate> day) {
  Calendar->SetDay(day);
  if (MenuShown()) ShowCalendar();
}

void TMainWindow::OpenOptions() {
  if (TableBusy()) return;
  PlaySound("WOpenFo");
  TOptionsHost host;
  host.LanguageChanged = [this] {
    Relabel();
    Table->update();
  };
  host.WindowSizeChanged = [this] { SetWindowSize(Settings.WindowSize); };
  host.LookChanged = [this] {
    SetCursorShape(Qt::ArrowCursor);
    TOrvCardsButton::SetNataAll(this, Settings.NewButtons);
    // Fonts reach the menu's and the table's buttons at once.
    ApplyLayout();
    ReloadLook();
    if (View.Screen == TScreen::Menu) RefreshRecentPlayers();
  };
  host.OpenSpeedDialog = [this](int) { OpenSpeed(); };
  host.PlayEffect = [this](const char* name) { PlaySound(name); };
  host.NetGameChanged = [this] { SetNetGame(Settings.NetGame); };
  host.MusicChanged = [this] { UpdateMusic(); };
  host.RadioCheck = [this] { CheckRadio(); };
  host.Folder = Folder.toStdString();
  if (QScreen* sc = QGuiApplication::primaryScreen()) {
    host.ScreenWidth = sc->geometry().width();
    host.ScreenHeight = sc->geometry().height();
  }
  TFormOptions dialog(Settings, host, this);
  RunModal(dialog);
}

void TMainWindow::OpenSpeed() {
  Input([this] {
    TFormSpeed dialog(Settings, this, Folder);
    RunModal(dialog);
  });
}

void TMainWindow::StartRecording() {
  StopRecording();
  if (!Settings.SaveGamesAsGif || Settings.WindowSize != 1) return;
  if (!Recorder->Start(Folder, QDateTime::currentDateTime(), Settings.GifFrameDelay)) return;
  RecordFrame();
  TimerGIF->start();
}

void TMainWindow::RecordFrame() {
  if (!Recorder->Recording()) return;
  QImage capture;
  if (Settings.GifCaptureArea == 2) {
    // The window's rectangle on the screen.
    if (QScreen* sc = screen()) {
      const QRect r = frameGeometry();
      capture = sc->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    }
  }
  // The client area as the player sees it: the table with the buttons on it.
  if (capture.isNull()) capture = grab().toImage();
  Recorder->AddFrame(capture);
}

void TMainWindow::StopRecording() {
  TimerGIF->stop();
  if (!Recorder->Recording()) return;
  View.WaitBanner = true;
  View.BannerRow = 297;
  Table->repaint();
  LastGif = Recorder->Finish();
  View.WaitBanner = false;
  View.BannerRow = 153;
  Table->update();
}

void TMainWindow::EndIntro() {
  if (!IntroShown()) return;
  Timer1->stop();
  SetWindowSize(Settings.WindowSize);
  ActRadio->setEnabled(true);
  ShowMenu();
  RadioAfterIntro();
}

void TMainWindow::ShowMenu() {
  View.Screen = TScreen::Menu;
  ++ScreenSerial;
  View.WaitBanner = false;
  ShowTable(false);
  for (auto* b : PlayerButtons) b->show();
  for (auto* b : {Button6, Button9, Button10, Button11, BMode, BHistory}) b->show();
  SetClubIconsVisible(true);
  Panel4->show();
  ShowCalendar();
  RefreshRecentPlayers();
  for (QAction* a : {ActGenCount, ActQuit, ActChangeName}) a->setEnabled(false);
  Game.Deal.InDeal = false;
  SetCursorShape(Qt::ArrowCursor);
  Table->update();
  Timer1->start(20);
}

void TMainWindow::Timer1Tick() {
  if (View.Screen == TScreen::Table) {
    // At the table a tick lets the computer move; a tick that comes while
    // a card flies waits for it (one waiting tick is enough).
    if (TickWaiting) return;
    TickWaiting = true;
    Input([this] {
      TickWaiting = false;
      Tick();
    });
    return;
  }
  switch (View.Screen) {
    case TScreen::Intro: {
      // The fan opens and the title drops in; then the title breathes a
      // little and the screen comes to rest.
      ++View.IntroTick;
      if (View.IntroTick <= kIntroSettled) {
        Table->update();
      } else if (View.IntroTick <= kIntroQuiet) {
        const TRect t = ScaleRect(IntroTitleRect(), View.Layout.Scale);
        Table->update(QRect(t.X, t.Y - t.H / 4, t.W, t.H * 3 / 2));
      }
      break;
    }
    case TScreen::Menu: {
      // Only the ornament and the clock move, and only when they change.
      ++View.MenuTick;
      const int mix = static_cast<int>(OrnamentMix(View.MenuTick) * 64);
      if (mix != View.LastOrnamentMix) {
        View.LastOrnamentMix = mix;
        const TRect o = ScaleRect(MenuOrnamentRect(), View.Layout.Scale);
        Table->update(QRect(o.X, o.Y, o.W, o.H));
      }
      if (View.Layout.Scale.S >= 1.6) {
        const QTime now = QTime::currentTime();
        const int clock = now.hour() * 10000 + now.minute() * 10 + (now.msec() >= 500);
        if (clock != View.LastClock) {
          View.LastClock = clock;
          const TRect c = ScaleRect(MenuClockRect(), View.Layout.Scale);
          Table->update(QRect(c.X, c.Y, c.W, c.H));
        }
      }
      break;
    }
    case TScreen::Table: break;
  }
}

void TMainWindow::keyReleaseEvent(QKeyEvent* e) {
  if (IntroShown()) {
    EndIntro();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void TMainWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1 && !IntroShown()) {
    OpenHelp(CurrentHelpTopic());
    return;
  }
  // Keys typed into the chat line are the line's (its Enter sends it and
  // goes no further).
  if (focusWidget() == ChatEdit) {
    QWidget::keyPressEvent(e);
    return;
  }
  if (!e->isAutoRepeat() && TableKey(e->key())) return;
  QWidget::keyPressEvent(e);
}

void TMainWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (IntroShown()) {
    EndIntro();
    return;
  }
  QWidget::mouseReleaseEvent(e);
}

bool TMainWindow::StaleSecondClick(QEvent* e) {
  if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick) return false;
  // A double click: the second press soon after the first and where it
  // was; stale when the screen changed in between.
  const qint64 now = Clock.elapsed();
  const QPoint at = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
  const bool stale = LastPressAt >= 0 && PressScreen != ScreenSerial &&
                     now - LastPressAt <= QApplication::doubleClickInterval() &&
                     (at - LastPressPos).manhattanLength() <= QApplication::startDragDistance();
  LastPressAt = now;
  LastPressPos = at;
  PressScreen = ScreenSerial;
  return stale;
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched != ButtonChat && qobject_cast<QPushButton*>(watched) && StaleSecondClick(e)) return true;
  if (watched == ButtonChat) {
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) ResetRevealBuffer();
    if (e->type() == QEvent::KeyPress) {
      RevealKey(static_cast<QKeyEvent*>(e)->text());
      return true;
    }
  }
  return QWidget::eventFilter(watched, e);
}

void TMainWindow::closeEvent(QCloseEvent* e) {
  if (StartFailed) {
    e->accept();
    return;
  }
  if (TableBusy() && !Terminating) {
    // Asked when the table has shown what it is showing.
    e->ignore();
    Inputs.push_back([this] { close(); });
    return;
  }
  if (!Terminating && !CloseQuery()) {
    e->ignore();
    return;
  }
  StopRecording();
  CloseMusic();
  CloseRadio();
  if (!StartFailed) {
    if (View.Screen == TScreen::Table) RemoveRecentPlayer();
    WriteOptionsFile();
  }
  e->accept();
}

void TMainWindow::Terminate() {
  if (Terminating) return;
  Terminating = true;
  for (int i = 0; i < 16 && QApplication::activeModalWidget(); ++i) QApplication::activeModalWidget()->close();
  close();
  if (QuitProgram) QuitProgram();
}

void TMainWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!OptionsRead) ReadOptionsFile();
}

void TMainWindow::ReadOptionsFile() {
  OptionsRead = true;
  InstallHints();
  const std::string path = (Folder + QLatin1Char('/') + QLatin1String(kOptionsFileName)).toStdString();
  Settings = ReadOptions(ReadWholeFile(path)).Settings;
  Language() = Settings.Language <= 9 ? Settings.Language : 0;
  Mode.Kind = Settings.NetGame ? TPlayKind::DuelServer : TPlayKind::Computer;
  TOrvCardsButton::SetNataAll(this, Settings.NewButtons);
  Relabel();
  Table->update();
  // A missing or damaged club file ends the program; the rest of the
  // start-up is skipped.
  if (!CheckClubFiles()) {
    StartFailed = true;
    Timer1->stop();
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  ReloadLook();
  if (ClubAtStart) StartClub();
}

void TMainWindow::Salute(bool card) {
  if (!(card ? Settings.SaluteCards : Settings.SaluteButtons)) return;
  QPixmap strip;
  if (!LoadPackPng(Folder, QStringLiteral("GTouch"), QLatin1String(kPackGraphics), &strip) || strip.isNull()) return;
  if (!ClickEffect) ClickEffect = new TClickEffect(this);
  ClickEffect->Play(mapFromGlobal(QCursor::pos()), strip);
}

void TMainWindow::ReloadLook() {
  auto missing = [this](const char* pack) {
    ShowLinkMessage(this, Row(93) + QLatin1Char(' ') + QLatin1String(pack), QString(), QString());
  };
  // Only what a changed setting or size needs is loaded again: an options
  // change of a font or a sound leaves the pictures as they are.
  TCardLook look = CurrentCardLook();
  const int sizeClass = SizeClass(View.Layout.Scale.S);
  if (look.FacesFor != FacesKey(Settings.CardSet, sizeClass) &&
      !LoadCardFaces(Folder, Settings.CardSet, sizeClass, &look)) {
    missing(PackOfCardSet(Settings.CardSet).c_str());
    Settings.CardSet = 0;
    LoadCardFaces(Folder, 0, sizeClass, &look);
  }
  if (look.BacksFor != BacksKey(Settings.BackSet, sizeClass, look.WideCards) &&
      !LoadCardBacks(Folder, Settings.BackSet, sizeClass, &look)) {
    missing(kPackCardsB);
    // Narrow faces at a larger size need that pack even for the built-in
    // backs: then the faces return to the built-in set too.
    if (Settings.BackSet == 0) {
      Settings.CardSet = 0;
      LoadCardFaces(Folder, 0, sizeClass, &look);
    }
    Settings.BackSet = 0;
    LoadCardBacks(Folder, 0, sizeClass, &look);
  }
  if (Settings.MenuDesign != 1) {
    look.MenuPicture = QPixmap();
  } else if (look.MenuPicture.isNull() && !LoadMenuPicture(Folder, &look)) {
    missing(kPackGraphics);
    Settings.AuxPictureDesign = false;
    Settings.MenuDesign = 0;
    Settings.TableDesign = 0;
  }
  if (look.BackgroundFor != BackgroundKey(Settings.BackgroundPattern, Settings.BackgroundColour, View.WindowSize) &&
      !LoadTableBackground(Folder, Settings.BackgroundPattern, Settings.BackgroundColour, View.WindowSize, &look)) {
    missing(kPackBackgrounds);
    Settings.BackgroundPattern = 2;
    Settings.BackgroundColour = 0;
    LoadTableBackground(Folder, 2, 0, View.WindowSize, &look);
  }
  SetCurrentCardLook(std::move(look));
  Table->update();
}

std::string TMainWindow::ClubPath() const {
  return (Folder + QLatin1Char('/') +
          QLatin1String(Mode.UsesNetClub() ? kNetClubFileName : kClubFileName))
      .toStdString();
}

bool TMainWindow::CheckClubFiles() {
  for (const char* name : {kClubFileName, kNetClubFileName}) {
    const std::string path = (Folder + QLatin1Char('/') + QLatin1String(name)).toStdString();
    const TClubCheckResult r = CheckClubFile(path);
    if (r.Outcome != TClubCheck::Usable) {
      const int row = r.Outcome == TClubCheck::Missing ? club_rows::kCantFindFile : club_rows::kIncorrectFile;
      ShowMessage(QString::fromStdString(ClubCheckMessage(W(row), path)));
      return false;
    }
    // A club file marked Russian gives the interface Russian at start-up.
    if (name == std::string(kClubFileName) && r.RussianAtStart) {
      Settings.Language = 1;
      Language() = 1;
      Relabel();
    }
    if (r.Protected && !ClubBarred) {
      // A file the program may not write: told once, then never written.
      ShowMessage(QString::fromStdString(W(club_rows::kTheFile) + path + W(club_rows::kIncorrectAttributes)));
      ClubBarred = true;
    }
  }
  return true;
}

void TMainWindow::RefreshRecentPlayers() {
  const TRecentMode mode = Settings.ClubMode == 2 ? TRecentMode::Rating : TRecentMode::Score;
  Panel4->setText(QString::fromStdString(W(RecentListHeadingRow(mode))));
  const std::optional<TClubLines> lines = ReadClubFile(ClubPath());
  const QFontMetrics fm(RoleFont(Settings, TFontRoleId::Conew, 13, true));
  const TTextWidth width = [&fm](const std::string& t) {
    return fm.horizontalAdvance(QString::fromStdString(t));
  };
  const std::string heading = W(RecentListHeadingRow(mode));
  for (int i = 0; i < 5; ++i) {
    QString text;
    if (lines && !IsEmptyProfileLine((*lines)[i + 1]))
      text = QString::fromStdString(AlignUnderHeading(RecentPlayerText((*lines)[i + 1], mode, width), heading, width));
    // With an account logged in the fifth button leads to the account's
    // rated game: an empty one shows the account's nick.
    const bool account = i == 4 && Mode.AccountLoggedIn && !Settings.NetGame && OnlineClub;
    if (account && text.isEmpty()) text = QString::fromStdString(AccountNick());
    PlayerButtons[i]->setText(text);
    PlayerButtons[i]->setEnabled(!text.isEmpty());
  }
}

void TMainWindow::RemoveRecentPlayer() {
  if (!Mode.RecentPlayer()) return;
  if (RemoveProfile({ClubPath(), ClubBarred}, Mode.PlayerSlot) == TClubWrite::DiskError)
    ShowMessage(QString::fromStdString(W(club_rows::kDiskWriteError)));
  Mode.PlayerSlot = 0;
}

bool TMainWindow::WriteOptionsFile() {
  Settings.Language = static_cast<uint8_t>(Language());
  const std::string path = (Folder + QLatin1Char('/') + QLatin1String(kOptionsFileName)).toStdString();
  if (WriteFileAtomically(path, WriteOptions(Settings))) return true;
  ShowMessage(Row(96));
  return false;
}

}  // namespace zembra
