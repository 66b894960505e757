// The window as a player meets it beyond the rules of play: keys at the
// table, a refused card's feedback, the table menu from the main menu, the
// help and the about box, hints, window colours and sizes, fonts that follow
// the options, a stale double click, and names the club files cannot keep.
#include <QTemporaryDir>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextBlock>
#include <QToolTip>

#include "app/about_box.h"
#include "app/help_window.h"
#include "app/table_view.h"
#include "records/count_window.h"
#include "records/options_dialog.h"
#include "resources/hints.h"
#include "resources/orv_cards_button.h"
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

namespace {

// Every anchor a rich-text document names.
QSet<QString> AnchorsOf(const QTextDocument& doc) {
  QSet<QString> names;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      for (const QString& n : it.fragment().charFormat().anchorNames()) names.insert(n);
  return names;
}

QColor PixelAt(QWidget* w, QPoint p) { return w->grab().toImage().pixelColor(p); }

// Types text into a field a character at a time, as a keyboard (or an input
// method) delivers it; the test library's own typing knows only ASCII.
void TypeText(QLineEdit* edit, const QString& text) {
  for (char32_t c : text.toUcs4()) {
    const QString ch = QString::fromUcs4(&c, 1);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
    QCoreApplication::sendEvent(edit, &press);
  }
}

}  // namespace

class TWindowBehaviourTest : public TWindowFixture {
  Q_OBJECT

 private:
  // The player's turn after the computer's lead of the queen of clubs: the
  // diamonds and hearts are refused (the player holds clubs).
  void PlayersTurnAfterTheLead() {
    Open();
    Win->StackedDeck = StackedDeck();
    StartNewPlayer();
    QTest::keyClick(Win.get(), Qt::Key_Return);  // "To Begin of Round"
    QCOMPARE(int(Win->GameState().Deal.TurnState), int(kTurnPlayer1));
    Win->Timer1Tick();
    QCOMPARE(int(Win->GameState().Deal.TurnState), int(kTurnPlayer2));
  }

 private slots:
  void init() { FixtureInit(); }
  void cleanup() {
    Language() = 0;
    FixtureCleanup();
  }

  void keysPlayCardsAndPressTheContinueButton() {
    PlayersTurnAfterTheLead();
    TDealState& d = Win->GameState().Deal;
    const std::string before = ToString(d);

    // A refused card by its key: the sound, the shake, the reason; nothing played.
    const int diamond = test_SlotOf(d, "Ad");
    QTest::keyClick(Win.get(), Qt::Key(Qt::Key_0 + diamond));
    QCOMPARE(Sounds.Count("WWrongs"), 1);
    QCOMPARE(ToString(d), before);
    QCOMPARE(Win->ViewState().RefusalRow, 1065);
    QCOMPARE(Win->ViewState().Shaken, *CardFromAscii("Ad"));
    QVERIFY(Win->ViewState().KeyMarks);
    QVERIFY(!W(1065).empty());
    // The shake swings and comes to rest by itself.
    bool moved = false;
    for (int i = 0; i < 40 && Win->TableWidget()->Shaking(); ++i) {
      QTest::qWait(15);
      moved = moved || Win->ViewState().ShakeOffset != 0;
    }
    QVERIFY(moved);
    QVERIFY(!Win->TableWidget()->Shaking());
    QCOMPARE(Win->ViewState().ShakeOffset, 0);

    // A key beyond the hand does nothing; the legal card's key plays it.
    const int club = test_SlotOf(d, "Tc");
    QTest::keyClick(Win.get(), Qt::Key_7);
    QCOMPARE(ToString(d), before);
    QTest::keyClick(Win.get(), Qt::Key(Qt::Key_0 + club));
    QCOMPARE(d.TableCard[2], *CardFromAscii("Tc"));
    QCOMPARE(int(d.TurnState), int(kTurnTrickComplete));
    // Reaching for a card while the trick waits: only the hint says why.
    QTest::keyClick(Win.get(), Qt::Key_1);
    QCOMPARE(int(d.TurnState), int(kTurnTrickComplete));
    QCOMPARE(Sounds.Count("WWrongs"), 1);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString::fromStdString(W(1077)));
    QToolTip::hideText();
    // Space collects the trick as the continue button does.
    QTest::keyClick(Win.get(), Qt::Key_Space);
    QVERIFY(d.TurnState == kTurnPlayer1 || d.TurnState == kTurnPlayer2);
    QVERIFY(d.TableCard[1].IsEmpty() && d.TableCard[2].IsEmpty());
  }

  void aRefusedClickShowsWhyAndHoverTellsTheRule() {
    PlayersTurnAfterTheLead();
    TDealState& d = Win->GameState().Deal;
    const QPoint heart = SlotCentre(*Win, 2, test_SlotOf(d, "Ah"));
    QTest::mouseClick(Win->TableWidget(), Qt::LeftButton, {}, heart);
    QCOMPARE(Sounds.Count("WWrongs"), 1);
    QCOMPARE(Win->ViewState().RefusalRow, 1065);
    QVERIFY(Win->TableWidget()->Shaking());
    // Hovering the refused card shows the same reason as its hint.
    QHelpEvent help(QEvent::ToolTip, heart, Win->TableWidget()->mapToGlobal(heart));
    QCoreApplication::sendEvent(Win->TableWidget(), &help);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QString::fromStdString(W(1065)));
    QToolTip::hideText();
  }

  void digitsOnTheSendButtonPlayNoCard() {
    PlayersTurnAfterTheLead();
    TDealState& d = Win->GameState().Deal;
    const std::string before = ToString(d);
    auto* chat = static_cast<TOrvCardsButton*>(Win->ChatButton());
    // Outside a duel the send button looks disabled and still takes the code.
    QVERIFY(chat->isEnabled());
    QVERIFY(chat->LooksDisabled());
    chat->setFocus();
    QTest::keyClicks(chat, QStringLiteral("97538"));
    QCOMPARE(ToString(d).substr(0, 10), before.substr(0, 10));
    QCOMPARE(d.TableCard[2], TCardCode());
    QVERIFY(d.RevealCards);
  }

  void aDoubleClickOnExitToMenuDoesNotQuit() {
    Open();
    PlayMatchToEnd();
    QVERIFY(Win->ExitButton()->isEnabled());
    QPushButton* exit = Win->ExitButton();
    const QPoint at = exit->mapToGlobal(exit->rect().center());
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(Win->MenuShown());
    // The menu's own Exit lies under the pointer; the second click of the
    // double click reaches it.
    QWidget* under = QApplication::widgetAt(at);
    QPushButton* menuButton = qobject_cast<QPushButton*>(under);
    if (!menuButton) {
      // Offscreen windows may not be found by position: the menu's Exit is
      // the button whose rectangle holds the point.
      for (QPushButton* b : Win->findChildren<QPushButton*>())
        if (b->isVisible() && QRect(b->mapToGlobal(QPoint(0, 0)), b->size()).contains(at)) menuButton = b;
    }
    QVERIFY(menuButton);
    const QPoint local = menuButton->mapFromGlobal(at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, local, menuButton->mapToGlobal(local), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, menuButton->mapToGlobal(local), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(menuButton, &dbl);
    QCoreApplication::sendEvent(menuButton, &release);
    QVERIFY(Win->isVisible());
    QVERIFY(Win->MenuShown());
    // Later, a click of its own works.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(Win->NewPlayerButton(), Qt::LeftButton);
    QVERIFY(Win->GameState().Deal.InDeal);
  }

  void theTableMenuOpensFromTheMainMenu() {
    Open();
    QVERIFY(Win->MenuShown());
    QVERIFY(Win->MenuAttachedAt(5, 5));
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), Win->TableWidget()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(Win->TableWidget(), &e);
    QVERIFY(Win->TableMenu()->isVisible());
    Win->TableMenu()->hide();
    // Outside a match: speed, help, about and the radio; not the match's items.
    for (QAction* a : Win->TableMenu()->actions()) {
      if (a->isSeparator()) continue;
      const bool matchItem = a == Win->QuitAction() || a == Win->GenCountAction() ||
                             a->text() == QString::fromStdString(W(26));
      const bool later = a->text() == QString::fromStdString(W(178));
      QCOMPARE(a->isEnabled(), !matchItem && !later);
    }
  }

  void helpOpensAtTheTopicOfTheMoment() {
    Open();
    QCOMPARE(Win->CurrentHelpTopic(), THelpTopic::Menu);
    QTest::keyClick(Win.get(), Qt::Key_F1);
    THelpWindow* help = Win->HelpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->Browser()->source().fragment(), QStringLiteral("menu"));
    QVERIFY(Messages.isEmpty());  // no apology: every language has its page
    Win->StackedDeck = StackedDeck();
    StartNewPlayer();
    QCOMPARE(Win->CurrentHelpTopic(), THelpTopic::Dealt);
    QTest::mouseClick(Win->ContinueButton(), Qt::LeftButton);
    QCOMPARE(Win->CurrentHelpTopic(), THelpTopic::Playing);
    Win->OpenHelp(Win->CurrentHelpTopic());
    QCOMPARE(help->Browser()->source().fragment(), QStringLiteral("playing"));
    QCOMPARE(help->ContentsButton()->text(), QString::fromStdString(W(1074)));
  }

  void everyLanguageHasTheWholeHelp() {
    const QStringList anchors = {"contents", "rules", "cards", "dealing", "following", "marriages",
                                 "closing", "scoring", "match", "cycle", "table", "menu", "dealt",
                                 "playing", "dealover", "windows", "options", "speed", "generalscore",
                                 "topten", "history", "login", "about", "keys"};
    QSet<QString> firstTitles;
    for (int language = 0; language < kLanguages; ++language) {
      const QString page = HelpPage(language);
      QVERIFY2(!page.isEmpty(), qPrintable(QString::number(language)));
      QFile f(page);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QTextDocument doc;
      doc.setHtml(QString::fromUtf8(f.readAll()));
      const QSet<QString> found = AnchorsOf(doc);
      for (const QString& a : anchors)
        QVERIFY2(found.contains(a), qPrintable(QStringLiteral("%1 lacks #%2").arg(page, a)));
      QVERIFY2(doc.characterCount() > (language == 5 || language >= 8 ? 2500 : 5000), qPrintable(page));
      firstTitles.insert(doc.toPlainText().left(200));
    }
    QCOMPARE(firstTitles.size(), kLanguages);  // ten different texts, not one copied
  }

  void theAboutBoxShowsItsTitleWhole() {
    for (int language : {0, 1, 5}) {
      Language() = language;
      TSettings s;
      TAboutBox box(s, nullptr);
      box.show();
      QApplication::processEvents();
      QLabel* title = box.Title();
      QVERIFY(title->text().contains(QLatin1String(kVersionText)));
      QVERIFY(QFontMetrics(title->font()).horizontalAdvance(title->text()) <= title->contentsRect().width());
      QVERIFY(box.Body()->text().contains(QStringLiteral("GPL")));
      QVERIFY(box.Body()->text().contains(QString::fromStdString(W(1070)).toHtmlEscaped()));
      QCOMPARE(box.OkButton()->text(), QStringLiteral("Ok"));
    }
  }

  void hintsAreRedQuickAndBoundToWhatTheyExplain() {
    Open();
    QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), kHintColour);
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), kHintPauseMs);
    Win->StackedDeck = StackedDeck();
    StartNewPlayer();
    const TRect& r = Win->ViewState().Layout.MatchNumber;
    const QPoint inside(r.X + r.W / 2, r.Y + r.H / 2);
    QHelpEvent help(QEvent::ToolTip, inside, Win->TableWidget()->mapToGlobal(inside));
    QCoreApplication::sendEvent(Win->TableWidget(), &help);
    QVERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QString::fromStdString(W(84)).toHtmlEscaped()));
    // The mouse leaves the frame: the balloon closes.
    QTest::mouseMove(Win->TableWidget(), QPoint(r.X + r.W + 40, r.Y + r.H + 40));
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2000);
  }

  void theTopTenHintFollowsTheLanguage() {
    Open();
    QPushButton* topTen = nullptr;
    for (QPushButton* b : Win->findChildren<QPushButton*>())
      if (b->text() == QString::fromStdString(W(3))) topTen = b;
    QVERIFY(topTen);
    QCOMPARE(topTen->toolTip(), QString::fromStdString(W(89)) + QStringLiteral(":30"));
    Language() = 1;
    Win->RelabelAll();
    QCOMPARE(topTen->toolTip(), QString::fromStdString(W(89)) + QStringLiteral(":30"));
    QVERIFY(topTen->toolTip() != QString::fromStdString(Words().Text(89, 0)) + QStringLiteral(":30"));
  }

  void windowColoursOfPatternZeroAndThePurpleMenu() {
    Open();
    const QRgb colours[] = {0x008000, 0x800000, 0x804000, 0x808000, 0x008080, 0x000080, 0x800080};
    Win->Options().BackgroundPattern = 0;
    for (int c = 0; c < 7; ++c) {
      Win->Options().BackgroundColour = c;
      QCOMPARE(PixelAt(Win->TableWidget(), QPoint(2, 498)).rgb() & 0xFFFFFF, colours[c]);
    }
    Win->Options().MenuDesign = 1;
    QCOMPARE(PixelAt(Win->TableWidget(), QPoint(2, 498)).rgb() & 0xFFFFFF, QRgb(0x7800C8));
    // The built-in picture for pattern 2 colour 0: not a plain colour.
    Win->Options().MenuDesign = 0;
    Win->Options().BackgroundPattern = 2;
    const QImage picture = Win->TableWidget()->grab().toImage();
    QVERIFY(picture.pixelColor(2, 498) != picture.pixelColor(300, 498) ||
            picture.pixelColor(2, 498).rgb() != QRgb(0xFF008000));
  }

  void aFontChosenInTheOptionsReachesTheMenuAtOnce() {
    Open();
    const QString before = Win->NewPlayerButton()->font().family();
    Win->RunModal = [](QDialog& d) {
      auto* options = qobject_cast<TFormOptions*>(&d);
      if (!options) return int(QDialog::Accepted);
      options->RoleBox->setCurrentIndex(0);  // "decor": the menu's buttons
      const int other = options->FontBox->findText(QStringLiteral("Liberation Mono"));
      options->FontBox->setCurrentIndex(other >= 0 ? other : 0);
      return int(QDialog::Accepted);
    };
    Win->OpenOptions();
    QVERIFY(Win->NewPlayerButton()->font().family() != before);
    QCOMPARE(Win->NewPlayerButton()->font().family(),
             Win->Options().Fonts[0].Name == "Liberation Mono" ? QStringLiteral("Liberation Mono")
                                                             : Win->NewPlayerButton()->font().family());
  }

  void everyWindowSizeFitsTheAvailableArea() {
    Open();
    const QRect avail = Win->screen()->availableGeometry();
    for (int size = 1; size <= 5; ++size) {
      Win->SetWindowSize(size);
      const QRect frame = Win->frameGeometry();
      QVERIFY2(avail.contains(frame), qPrintable(QStringLiteral("size %1: %2,%3 %4x%5 outside %6x%7")
                                                     .arg(size)
                                                     .arg(frame.x())
                                                     .arg(frame.y())
                                                     .arg(frame.width())
                                                     .arg(frame.height())
                                                     .arg(avail.width())
                                                     .arg(avail.height())));
      // The table's lowest element, player 2's hand, is inside the client area.
      const TTableLayout& l = Win->ViewState().Layout;
      QVERIFY(l.Hand[2].Bottom() <= l.Client.H);
      QCOMPARE(Win->width(), l.Client.W);
    }
  }

  void theGeneralScoreWindowHasItsCursorsAndItsOkAtTheLeft() {
    for (bool own : {false, true}) {
      TSettings s;
      s.OwnCursor = own;
      TCount count{"31", "1", "1000", "-380", "620", "1.500000", "1.390323"};
      const QTemporaryDir noPacksW;
      TFormCount w(count, QStringLiteral("Anna"), s, TGameKind{}, noPacksW.path(), nullptr);
      QCOMPARE(w.OkButton()->x(), 2);
      QCOMPARE(w.cursor().shape(), own ? Qt::BitmapCursor : Qt::ArrowCursor);
      QCOMPARE(w.OkButton()->cursor().shape(), own ? Qt::BitmapCursor : Qt::PointingHandCursor);
      if (own) QVERIFY(!w.OkButton()->cursor().pixmap().isNull());
    }
  }

  void aDisabledButtonStaysLegible() {
    for (int c = 0; c < kColorSBCount; ++c) {
      TOrvCardsButton b(QStringLiteral("Download"));
      b.resize(200, 30);
      b.SetColorSB(static_cast<TColorSB>(c));
      b.SetGrayDis(true);
      b.SetKLightSB(50);
      QPalette pal = b.palette();
      pal.setColor(QPalette::ButtonText, Qt::white);
      b.setPalette(pal);
      b.setEnabled(false);
      const QImage img = b.grab().toImage();
      // The bar beside the caption, in the middle of its height.
      const QColor bar = img.pixelColor(22, 15);
      const double contrast = ContrastRatio(b.CaptionColour(), bar);
      QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("colour %1: contrast %2").arg(c).arg(contrast)));
    }
  }

  void namesTheClubFilesCannotKeepAreRefusedWhereTyped() {
    Language() = 0;
    TLoginDialog login(true, QStringLiteral("Mr.X"), nullptr);
    login.show();
    login.NameEdit()->clear();
    TypeText(login.NameEdit(), QStringLiteral("Jiří"));
    QCOMPARE(login.NameEdit()->text(), QStringLiteral("Ji"));
    QVERIFY(login.Status().contains(QString::fromStdString(W(1067))));
    QVERIFY(login.Status().contains(QStringLiteral("í")));  // the last refused
    TypeText(login.NameEdit(), QStringLiteral(" Иван"));
    QCOMPARE(login.NameEdit()->text(), QStringLiteral("Ji Иван"));
    // A password's refused characters are not shown.
    TypeText(login.PasswordEdit(), QStringLiteral("a王b"));
    QCOMPARE(login.PasswordEdit()->text(), QStringLiteral("ab"));
    QVERIFY(!login.Status().contains(QStringLiteral("王")));
    // Text put in without typing is refused at confirmation.
    login.NameEdit()->setText(QStringLiteral("Zoë"));
    login.RepeatEdit()->setText(QStringLiteral("ab"));
    login.Confirm();
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QVERIFY(!login.isHidden());
    QVERIFY(login.Status().contains(QStringLiteral("ë")));
    login.NameEdit()->setText(QStringLiteral("Zoe"));
    login.Confirm();
    QCOMPARE(login.result(), int(QDialog::Accepted));
    // Every field is named by its label.
    QCOMPARE(login.NameEdit()->accessibleName(), QString::fromStdString(W(71)));
    QCOMPARE(login.PasswordEdit()->accessibleName(), QString::fromStdString(W(72)));
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TWindowBehaviourTest)

#include "window_behaviour_test.moc"
