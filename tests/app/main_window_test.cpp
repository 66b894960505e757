// The game window on the offscreen platform: a player's clicks, the
// continue button through a deal, a whole match to "Exit to menu", and the
// ways of leaving a match.
#include "records/options_dialog.h"
#include <QCheckBox>

#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

class TMainWindowTest : public TWindowFixture {
  Q_OBJECT

 private slots:
  void init() { FixtureInit(); }
  void cleanup() { FixtureCleanup(); }

  void introEndsWithAKeyRelease() {
    InstallClub();
    Win = std::make_unique<TMainWindow>();
    Win->ClubAtStart = false;
    Win->SetProgramFolder(FolderPath());
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->show();
    QVERIFY(Win->IntroShown());
    QCOMPARE(Win->MainTimer()->interval(), 20);
    QTest::keyRelease(Win.get(), Qt::Key_Space);
    QVERIFY(Win->MenuShown());
    QVERIFY(Win->NewPlayerButton()->isVisible());
    // A change of language relabels the menu, the club list heading too.
    Language() = 1;
    Win->RelabelAll();
    QCOMPARE(Win->NewPlayerButton()->text(), QString::fromStdString(Words().Text(0, 1)));
    QCOMPARE(Win->ClubHeading()->text(), QString::fromStdString(Words().Text(7, 1)));
    Language() = 0;
    Win->RelabelAll();
    // Closing from the menu asks nothing.
    QVERIFY(Win->close());
    QCOMPARE(Questions, 0);
  }

  void newPlayerStartsAMatch() {
    Open();
    StartNewPlayer();
    const TGame& g = Win->GameState();
    QCOMPARE(Win->PlayerName(2), QStringLiteral("Mr.X"));
    QCOMPARE(Win->PlayerName(1), QStringLiteral("PC"));
    QCOMPARE(g.Match.MatchNo, 1);
    QCOMPARE(Win->ContinueButton()->text(), QString::fromStdString(W(414)));
    QVERIFY(Win->ContinueButton()->isEnabled());
    QVERIFY(!Win->ExitButton()->isEnabled());
    QVERIFY(Win->QuitAction()->isEnabled());
    QCOMPARE(Sounds.Count("WOpenFo"), 1);
    QCOMPARE(Sounds.Count("WTasoKo"), 1);
    // Before "To Begin of Round" a click on a card does nothing.
    const int before = g.Deal.HandCount[2];
    QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, SlotCentre(*Win, 2, 1));
    QCOMPARE(int(g.Deal.HandCount[2]), before);
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    QCOMPARE(Win->ContinueButton()->text(), QStringLiteral("OK"));
    QVERIFY(!Win->ContinueButton()->isEnabled());
    QCOMPARE(Win->MainTimer()->interval(), 200);
    QVERIFY(Win->MainTimer()->isActive());
    // Nothing of the menu stays on the table.
    for (QWidget* w : Win->findChildren<QWidget*>()) {
      if (w == Win->TableWidget() || !w->isVisible() || w->parentWidget() != Win.get()) continue;
      QVERIFY2(w == Win->ContinueButton() || w == Win->ExitButton() || w == Win->ChatButton(),
               qPrintable(w->metaObject()->className()));
    }
  }

  void illegalCardIsRefusedWithASound() {
    Open();
    Win->StackedDeck = StackedDeck();
    StartNewPlayer();
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    TDealState& d = Win->GameState().Deal;
    QCOMPARE(int(d.TurnState), 1);
    Win->Timer1Tick();
    QCOMPARE(d.TableCard[1], *CardFromAscii("Qc"));
    QCOMPARE(Win->ViewState().Bubble[1].Text, QString::fromStdString(W(433)));
    QCOMPARE(int(d.TurnState), 2);

    const std::string before = ToString(d);
    const int diamond = test_SlotOf(d, "Ad");
    const QPoint refused = SlotCentre(*Win, 2, diamond);
    QCOMPARE(Win->CursorAt(refused.x(), refused.y()), Qt::ArrowCursor);
    QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, refused);
    QCOMPARE(Sounds.Count("WWrongs"), 1);
    QCOMPARE(ToString(d), before);

    const QPoint legal = SlotCentre(*Win, 2, test_SlotOf(d, "Tc"));
    QCOMPARE(Win->CursorAt(legal.x(), legal.y()), Qt::PointingHandCursor);
    QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, legal);
    QCOMPARE(int(d.TurnState), int(kTurnTrickComplete));
    QCOMPARE(d.TableCard[2], *CardFromAscii("Tc"));
    QVERIFY(Win->ContinueButton()->isEnabled());
  }

  void continueButtonThroughAWholeDeal() {
    Open();
    StartNewPlayer();
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    PlayDeal();
    TGame& g = Win->GameState();
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);  // score the deal
    QVERIFY(Win->ViewState().OpenHand1);
    const QString caption = Win->ContinueButton()->text();
    QVERIFY(caption == QString::fromStdString(W(417)) || caption == QString::fromStdString(W(427)));
    QVERIFY(Win->ContinueButton()->isEnabled());
    QVERIFY(g.Match.MatchPoints[1] + g.Match.MatchPoints[2] >= 1);
  }

  void wholeMatchToExitToMenu() {
    Open();
    PlayMatchToEnd();
    TGame& g = Win->GameState();
    QCOMPARE(CountWindows, 1);  // the general score was shown
    QVERIFY(!Win->ContinueButton()->isEnabled());
    QVERIFY(Win->ExitButton()->isEnabled());
    QCOMPARE(Win->ExitButton()->text(), QString::fromStdString(W(21)));
    const int result = g.Match.MatchResult;
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QVERIFY(Win->MenuShown());
    QVERIFY(!g.Deal.InDeal);
    QCOMPARE(Win->MatchesFinished(), 1);
    QCOMPARE(Win->LastRating(), RateMatch(0, 0.0, result, 1));
    QCOMPARE(Win->MainTimer()->interval(), 20);
    QVERIFY(!Win->QuitAction()->isEnabled());

    // Exactly one new profile line and one history entry.
    const auto lines = ReadClubFile((FolderPath() + QStringLiteral("/Zembra.clb")).toStdString());
    QVERIFY(lines.has_value());
    const auto profile = ReadProfileLine((*lines)[1]);
    QVERIFY(profile.has_value());
    QCOMPARE(profile->Name, std::string("Mr.X"));
    QCOMPARE(profile->MatchesPlayed, 1);
    QCOMPARE(profile->CycleScore, result);
    QVERIFY(IsEmptyProfileLine((*lines)[2]));
    const auto files = ListHistoryFiles((FolderPath() + QStringLiteral("/History")).toStdString());
    QCOMPARE(int(files.size()), 1);
    QCOMPARE(files[0].Entries, 1);
    QVERIFY(Messages.isEmpty());
    // The menu now offers the player.
    QVERIFY(!Win->PlayerButton(0)->text().isEmpty());
    QVERIFY(Win->PlayerButton(0)->isEnabled());
  }

  void anAbandonedRecentPlayerLosesItsProfile() {
    InstallClub();
    const std::string club = (FolderPath() + QStringLiteral("/Zembra.clb")).toStdString();
    StoreProfile({club, false}, MakeProfileLine("Anna", 1.5, 4, 300, EncodePassword("")), false);
    StoreProfile({club, false}, MakeProfileLine("Boris", 0.5, 2, 100, EncodePassword("")), false);
    Open();
    QVERIFY(Win->PlayerButton(0)->text().contains(QStringLiteral("Anna")));
    QTest::mouseClick(Win->PlayerButton(0), Qt::LeftButton);
    QVERIFY(Win->GameState().Deal.InDeal);
    QCOMPARE(Win->PlayerName(2), QStringLiteral("Anna"));
    QCOMPARE(Win->GameState().Match.MatchNo, 5);
    QCOMPARE(Win->GameState().Match.ScoreBefore, 300);
    Answer = true;
    Win->QuitToMenu();
    const auto lines = ReadClubFile(club);
    QVERIFY(lines.has_value());
    QCOMPARE(ReadProfileLine((*lines)[1])->Name, std::string("Boris"));  // the list closed up
    QVERIFY(IsEmptyProfileLine((*lines)[2]));
    QVERIFY(ListHistoryFiles((FolderPath() + QStringLiteral("/History")).toStdString()).empty());
  }

  // A net-game choice left in the options file by an older copy: until the
  // duel is played, the menu lists and starts from the same club.
  // Choosing duels in the options lists the net club's players at once;
  // the match started from the menu is then a duel, so no menu can list one
  // club while the match is played from the other.
  void theNetGameChoiceSwitchesTheMenusClub() {
    InstallClub();
    StoreProfile({(FolderPath() + QStringLiteral("/Zembra.clb")).toStdString(), false},
                 MakeProfileLine("Anna", 1.5, 4, 300, EncodePassword("")), false);
    StoreProfile({(FolderPath() + QStringLiteral("/Zembra.net")).toStdString(), false},
                 MakeProfileLine("Boris", 0.5, 2, 100, EncodePassword("")), false);
    Open();
    QVERIFY(Win->PlayerButton(0)->text().contains(QStringLiteral("Anna")));
    auto toggleNet = [this](bool on) {
      Win->RunModal = [on](QDialog& d) {
        if (auto* options = qobject_cast<TFormOptions*>(&d)) options->NetBox->setChecked(on);
        return int(QDialog::Accepted);
      };
      Win->OpenOptions();
    };
    toggleNet(true);
    QVERIFY(Win->Options().NetGame);
    QVERIFY(Win->PlayMode().UsesNetClub());
    QVERIFY(Win->PlayerButton(0)->text().contains(QStringLiteral("Boris")));
    toggleNet(false);
    QVERIFY(!Win->PlayMode().UsesNetClub());
    QVERIFY(Win->PlayerButton(0)->text().contains(QStringLiteral("Anna")));
  }

  void aMissingClubFileEndsTheProgram() {
    Win = std::make_unique<TMainWindow>();
    Win->ClubAtStart = false;
    Win->SetProgramFolder(FolderPath());  // no club files here
    Win->ShowMessage = [this](const QString& text) { Messages << text; };
    Win->show();
    QCOMPARE(Messages.size(), 1);
    QVERIFY(Messages[0].startsWith(QString::fromStdString(W(93))));
    QVERIFY(Messages[0].contains(QStringLiteral("Zembra.clb")));
    QTRY_VERIFY(!Win->isVisible());
    QVERIFY(!QFile::exists(FolderPath() + QStringLiteral("/Zembra.ini")));  // nothing written
  }

  void quitToMenuAsksAndLeaves() {
    Open();
    StartNewPlayer();
    Answer = false;
    Win->QuitToMenu();
    QCOMPARE(Questions, 1);
    QVERIFY(Win->GameState().Deal.InDeal);
    Answer = true;
    Win->QuitToMenu();
    QCOMPARE(Questions, 2);
    QVERIFY(Win->MenuShown());
    QVERIFY(!Win->GameState().Deal.InDeal);
    QCOMPARE(Win->MatchesFinished(), 0);
    // From the menu the item asks nothing.
    Win->QuitToMenu();
    QCOMPARE(Questions, 2);
  }

  void closeQueryAtTheTable() {
    Open();
    StartNewPlayer();
    Answer = false;
    QVERIFY(!Win->close());
    QCOMPARE(Questions, 1);
    QVERIFY(Win->isVisible());
    Answer = true;
    QVERIFY(Win->close());
    QCOMPARE(Questions, 2);
  }

  void tableMenuIsAttachedOutsideTheCards() {
    Open();
    StartNewPlayer();
    const TTableLayout& l = Win->ViewState().Layout;
    QVERIFY(!Win->MenuAttachedAt(l.Hand[2].X + 5, l.Hand[2].Y + 5));
    QVERIFY(!Win->MenuAttachedAt(l.Stock.X + 5, l.Stock.Y + 5));
    QVERIFY(!Win->MenuAttachedAt(l.Table.X + 5, l.Table.Y + 5));
    QVERIFY(Win->MenuAttachedAt(l.Board[1].X + 5, l.Board[1].Y + 5));
    const QList<QAction*> items = Win->TableMenu()->actions();
    QCOMPARE(items.size(), 10);
    QCOMPARE(items[0]->text(), QString::fromStdString(W(25)));
    QCOMPARE(items[1]->text(), QString::fromStdString(W(21)));
    QVERIFY(items[4]->isSeparator());
  }

  void rightClickSpeaksCards() {
    Open();
    StartNewPlayer();
    TDealState& d = Win->GameState().Deal;
    const QPoint own = SlotCentre(*Win, 2, 3);
    QTest::mouseClick(Win->TableWidget(), Qt::RightButton, {}, own);
    QCOMPARE(Sounds.Spoken.size(), size_t(1));
    QCOMPARE(Sounds.Spoken[0], d.Hand[2][3]);
    const TRect trump = Win->ViewState().Layout.TrumpCard;
    QTest::mouseClick(Win->TableWidget(), Qt::RightButton, {}, QPoint(trump.X + 10, trump.Bottom() - 5));
    QCOMPARE(Sounds.Spoken.size(), size_t(2));
    QCOMPARE(Sounds.Spoken[1], d.DeckCard[24]);
  }

  void revealCodeOnTheChatButton() {
    Open();
    StartNewPlayer();
    TDealState& d = Win->GameState().Deal;
    Win->ChatButton()->setFocus();
    QTest::keyClicks(Win->ChatButton(), QStringLiteral("197538"));
    QVERIFY(!d.RevealCards);  // a leading "1" spoils the code
    Win->ResetRevealBuffer();   // focus moved away and back
    QTest::keyClicks(Win->ChatButton(), QStringLiteral("97538"));
    QVERIFY(d.RevealCards);
    QTest::keyClicks(Win->ChatButton(), QStringLiteral("97538"));
    QVERIFY(!d.RevealCards);
  }

  void optionsAreReadAtStartAndWrittenOnClose() {
    QFile::remove(FolderPath() + QStringLiteral("/Zembra.ini"));
    Open();
    QCOMPARE(Win->Options().PlayerName, std::string("Mr.X"));
    Win->Options().FlightSpeed = 2;
    Win->Options().MatchTo8 = true;
    QVERIFY(Win->close());
    QVERIFY(QFile::exists(FolderPath() + QStringLiteral("/Zembra.ini")));
    Win.reset();
    Open();
    QCOMPARE(int(Win->Options().FlightSpeed), 2);
    QVERIFY(Win->Options().MatchTo8);
    StartNewPlayer();
    QCOMPARE(int(Win->GameState().Match.MatchTarget), 8);
    QFile::remove(FolderPath() + QStringLiteral("/Zembra.ini"));
  }

  void aRecordedDealIsSavedAsAGifWhenScored() {
    Open();
    Win->Options().SaveGamesAsGif = true;
    Win->Options().GifFrameDelay = 100;
    StartNewPlayer();
    QVERIFY(Win->GifRecorder().Recording());
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    PlayDeal();
    QVERIFY(Win->GifRecorder().Frames() >= 1);
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);  // scoring ends the recording
    QVERIFY(!Win->GifRecorder().Recording());
    QVERIFY(Win->LastGif.startsWith(FolderPath() + QStringLiteral("/GIFGame/")));
    QVERIFY(QFile::exists(Win->LastGif));
    QFile::remove(Win->LastGif);
  }

  // The computer's card is still flying when the player clicks: the click
  // waits for the flight and is then played, not lost.
  void aClickDuringAFlightIsPlayedAfterIt() {
    ComputerCardInFlight();
    TDealState& d = Win->GameState().Deal;
    QVERIFY(Win->ViewState().TableHidden[1]);
    // The ten of clubs as the table shows it during the flight.
    const QPoint ten = SlotCentre(*Win, 2, test_SlotOf(d, "Tc"));
    QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, ten);
    Win->Timer1Tick();  // a tick meanwhile waits too
    QVERIFY(d.TableCard[2].IsEmpty());
    QVERIFY(Win->PendingInputs() >= 1);
    QTRY_VERIFY_WITH_TIMEOUT(!d.TableCard[2].IsEmpty(), 5000);
    QCOMPARE(d.TableCard[2], *CardFromAscii("Tc"));
    QCOMPARE(int(d.TurnState), int(kTurnTrickComplete));
    QTRY_VERIFY_WITH_TIMEOUT(!Win->TableBusy(), 5000);
    QVERIFY(Win->ContinueButton()->isEnabled());
    QCOMPARE(Win->PendingInputs(), 0);
    // The player's own card flew as well, and the continue button collects.
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    QVERIFY(Win->TableWidget()->Flying());              // the trick leaves
    QVERIFY(!Win->ContinueButton()->isEnabled());       // and the press is taken at once
    QTRY_VERIFY_WITH_TIMEOUT(!Win->TableBusy(), 5000);
    QVERIFY(d.TableCard[1].IsEmpty() && d.TableCard[2].IsEmpty());
    QCOMPARE(int(d.HandCount[2]), 6);  // drawn from the stock
    QVERIFY(Win->ViewState().HiddenInHand.empty());
  }

  // A refused card during a flight: the sound comes after the flight.
  void aRefusedClickDuringAFlightSoundsAfterIt() {
    ComputerCardInFlight();
    TDealState& d = Win->GameState().Deal;
    QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, SlotCentre(*Win, 2, test_SlotOf(d, "Ad")));
    QCOMPARE(Sounds.Count("WWrongs"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(Sounds.Count("WWrongs"), 1, 5000);
    QVERIFY(d.TableCard[2].IsEmpty());
    QCOMPARE(int(d.TurnState), int(kTurnPlayer2));
  }

  // Leaving the table while a card flies: the question comes after the
  // flight; on Yes the menu shows and nothing of the match stays.
  void quitToMenuDuringAFlight() {
    ComputerCardInFlight();
    Answer = true;
    Win->QuitToMenu();
    QCOMPARE(Questions, 0);
    QTRY_VERIFY_WITH_TIMEOUT(Win->MenuShown(), 5000);
    QCOMPARE(Questions, 1);
    QVERIFY(!Win->TableWidget()->Flying());
    QVERIFY(!Win->GameState().Deal.InDeal);
    QVERIFY(Win->MatchController() == nullptr);
    QVERIFY(!Win->ViewState().TableHidden[1]);
    // A new match starts cleanly.
    StartNewPlayer();
    QTRY_VERIFY_WITH_TIMEOUT(!Win->TableBusy(), 5000);
    QVERIFY(Win->ContinueButton()->isEnabled());
  }

  // Closing the window during a flight asks after the flight.
  void closingDuringAFlightAsksAfterIt() {
    ComputerCardInFlight();
    Answer = false;
    QVERIFY(!Win->close());
    QCOMPARE(Questions, 0);
    QTRY_COMPARE_WITH_TIMEOUT(Questions, 1, 5000);
    QVERIFY(Win->isVisible());
  }

  // A recent player with a rating finishes a match: the new rating is the
  // average over all of the profile's matches.
  void aRatedPlayerFinishesAMatch() {
    InstallClub();
    const std::string club = (FolderPath() + QStringLiteral("/Zembra.clb")).toStdString();
    StoreProfile({club, false}, MakeProfileLine("Vera", 1.5, 9, 300, EncodePassword("")), false);
    Open();
    QTest::mouseClick(Win->PlayerButton(0), Qt::LeftButton);
    TGame& g = Win->GameState();
    QCOMPARE(g.Match.MatchNo, 10);
    QCOMPARE(g.Match.RatingBefore, 1.5);
    PlayRestOfMatch();
    const int result = g.Match.MatchResult;
    QTest::mouseClick(Win->ExitButton(), Qt::LeftButton);
    QVERIFY(Win->MenuShown());
    // Independently: (9 matches x 1.5 + result / 200) / 10.
    const double expected = std::round((9 * 1.5 + result / 200.0) / 10 * 1e6) / 1e6;
    QVERIFY2(std::abs(Win->LastRating() - expected) < 1e-9,
             qPrintable(QStringLiteral("%1 vs %2").arg(Win->LastRating()).arg(expected)));
    const auto lines = ReadClubFile(club);
    const auto profile = ReadProfileLine((*lines)[1]);
    QVERIFY(profile.has_value());
    QCOMPARE(profile->Name, std::string("Vera"));
    QCOMPARE(profile->MatchesPlayed, 10);
    QCOMPARE(profile->CycleScore, 300 + result);
    QVERIFY(profile->Rating.has_value());
    QVERIFY(std::abs(*profile->Rating - expected) < 1e-6);
    const auto rows = ReadHistoryRows((FolderPath() + QStringLiteral("/History")).toStdString(), 1);
    QVERIFY(rows.has_value());
    QCOMPARE(QString::fromStdString((*rows)[0].Cells[3]).trimmed(), QStringLiteral("1"));
  }

  void everyWindowSizeLaysOutTheTable() {
    Open();
    StartNewPlayer();
    for (int size : {1, 3, 4, 5, 1}) {
      Win->SetWindowSize(size);
      const TTableLayout& l = Win->ViewState().Layout;
      QCOMPARE(Win->width(), l.Client.W);
      QCOMPARE(Win->ContinueButton()->geometry(), QRect(l.Continue.X, l.Continue.Y, l.Continue.W, l.Continue.H));
      const QImage shot = Win->TableWidget()->RenderPicture().toImage();
      QCOMPARE(shot.width(), l.Client.W);
    }
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TMainWindowTest)

#include "main_window_test.moc"
