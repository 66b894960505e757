// The player's mouse on the table: playing a card, the cursor over the own
// hand, spoken card names, the table menu's reach, the hints, and the code
// of the debug view typed on the chat button.
#include <QBitmap>
#include <QHelpEvent>
#include <QToolTip>

#include "app/main_window.h"
#include "app/media.h"
#include "app/pictures.h"
#include "app/table_painter.h"
#include "resources/cursors.h"
#include "resources/hints.h"
#include "engine/rules.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {
namespace {

inline constexpr const char* kRevealCode = "97538";

}  // namespace

int TMainWindow::CardAt(int player, int x) const {
  const TDealState& d = View.Shown.Deal;
  const TRect& h = View.Layout.Hand[player];
  const int slot = CardAtX(h.W, d.HandCount[player], View.Layout.Card.W, x - h.X);
  if (slot == 0 || d.Hand[player][slot].IsEmpty()) return 0;
  return slot;
}

void TMainWindow::HandClick(int x, int y) {
  // The card under the pointer as the table shows it now; it is played
  // when the table has shown what came before (a card still in flight).
  if (View.Screen != TScreen::Table || !View.Layout.HandHit[2].Contains(x, y)) return;
  const int slot = CardAt(2, x);
  if (slot == 0) return;
  const TCardCode card = View.Shown.Deal.Hand[2][slot];
  Salute(true);
  Input([this, card, x, y] {
    PlayClickedCard(card);
    SetCursorShape(CursorAt(x, y));
  });
}

void TMainWindow::PlayClickedCard(TCardCode card) {
  if (!Match || View.Screen != TScreen::Table) return;
  const TMoveVerdict v = Match->SubmitCard(2, card);
  // A card the follow rule refuses is answered by the sound, a shake and
  // the reason; a click while it is not the player's turn does nothing.
  if (v == TMoveVerdict::MustFollowSuit) RefuseCard(card, 1065);
  if (v == TMoveVerdict::MustTrump) RefuseCard(card, 1066);
  // During play, a card reached for out of turn only gets the hint.
  if (v == TMoveVerdict::NotYourTurn && View.Shown.Deal.PlayPhase == 2) {
    const TRect& h = View.Layout.HandHit[2];
    ShowHintBalloon(Table->mapToGlobal(QPoint(h.X + h.W / 2, h.Y)), Row(1077), Table, QRect(h.X, h.Y, h.W, h.H));
  }
}

void TMainWindow::RefuseCard(TCardCode card, int reasonRow) {
  // The sound, the shake, the reason.
  PlaySound("WWrongs");
  View.RefusalRow = reasonRow;
  Table->Shake(card);
  const TDealState& d = View.Shown.Deal;
  for (int slot = 1; slot <= d.HandCount[2]; ++slot) {
    if (d.Hand[2][slot] != card) continue;
    const TRect r = HandSlotRect(View.Layout, 2, d.HandCount[2], slot);
    const TRect& h = View.Layout.HandHit[2];
    ShowHintBalloon(Table->mapToGlobal(QPoint(r.X + r.W / 2, r.Y)), Row(reasonRow), Table,
                    QRect(h.X, h.Y, h.W, h.H));
  }
}

bool TMainWindow::TableKey(int key) {
  if (View.Screen != TScreen::Table) return false;
  if (key >= Qt::Key_1 && key <= Qt::Key_6) {
    if (!View.KeyMarks) {
      View.KeyMarks = true;
      Table->update();
    }
    // The n-th card as the hand shows it now, played as a click on it is.
    const int slot = key - Qt::Key_0;
    const TDealState& d = View.Shown.Deal;
    if (!d.InDeal || slot > d.HandCount[2] || d.Hand[2][slot].IsEmpty()) return true;
    const TCardCode card = d.Hand[2][slot];
    Input([this, card] { PlayClickedCard(card); });
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    if (Button1->isVisible() && Button1->isEnabled()) Button1->click();
    return true;
  }
  return false;
}

void TMainWindow::RightClick(int x, int y) {
  const TDealState& d = View.Shown.Deal;
  if (View.Screen != TScreen::Table) return;
  const TTableLayout& l = View.Layout;
  TCardCode spoken;
  if (l.HandHit[2].Contains(x, y)) {
    if (d.InDeal && CardAt(2, x)) spoken = d.Hand[2][CardAt(2, x)];
  } else if (l.Stock.Contains(x, y)) {
    if (d.StockPos <= kTrumpCardPos && l.TrumpCard.Contains(x, y)) spoken = d.DeckCard[kTrumpCardPos];
  } else if (l.Table.Contains(x, y)) {
    for (int p = 1; p <= 2; ++p)
      if (l.TableCard[p].Contains(x, y) && !d.TableCard[p].IsEmpty()) spoken = d.TableCard[p];
  } else if (l.HandHit[1].Contains(x, y)) {
    const TPaintContext c{View, View.Shown, Settings};
    const int slot = CardAt(1, x);
    if (d.InDeal && d.TurnState == kTurnPlayer1 && DecidingShown(c) && slot == d.HandCount[1])
      spoken = d.DecidingCard;
    else if (d.InDeal && (d.TurnState == kTurnMatchOver || d.TurnState == kTurnMatchContinues) && slot)
      spoken = d.Hand[1][slot];
  }
  if (!spoken.IsEmpty()) Media().SpeakCard(spoken);
}

Qt::CursorShape TMainWindow::CursorAt(int x, int y) const {
  const TDealState& d = View.Shown.Deal;
  if (View.Screen != TScreen::Table || !View.Layout.HandHit[2].Contains(x, y)) return Qt::ArrowCursor;
  const int slot = CardAt(2, x);
  if (slot == 0 || CheckMove(d, 2, slot) != TMoveVerdict::Ok) return Qt::ArrowCursor;
  return Qt::PointingHandCursor;
}

bool TMainWindow::MenuAttachedAt(int x, int y) const {
  // The menu's screen is all outside: its buttons take their own clicks.
  if (View.Screen == TScreen::Menu) return true;
  if (View.Screen != TScreen::Table) return false;
  const TTableLayout& l = View.Layout;
  // Over the hands, the table and the stock a right click speaks a card.
  return !(l.HandHit[1].Contains(x, y) || l.HandHit[2].Contains(x, y) || l.Table.Contains(x, y) ||
           l.Stock.Contains(x, y));
}

void TMainWindow::SetCursorShape(Qt::CursorShape shape) {
  Table->setCursor(ProgramCursor(shape, Settings.OwnCursor));
}

void TMainWindow::ResetRevealBuffer() { RevealBuffer.clear(); }

void TMainWindow::RevealKey(const QString& text) {
  if (text.isEmpty()) return;
  RevealBuffer += text;
  // The debug view shows the other seat's cards: never those of a human
  // opponent in a duel.
  if (RevealBuffer == QLatin1String(kRevealCode) && Mode.NetDuel()) RevealBuffer.clear();
  if (RevealBuffer == QLatin1String(kRevealCode)) {
    Game.Deal.RevealCards = !Game.Deal.RevealCards;
    View.Shown.Deal.RevealCards = Game.Deal.RevealCards;
    // The search's values in the caption go with the view.
    if (!Game.Deal.RevealCards) Relabel();
    RevealBuffer.clear();
    Table->update();
  }
}

bool TMainWindow::ShowHint(QHelpEvent* e) {
  if (View.Screen != TScreen::Table) {
    QToolTip::hideText();
    return true;
  }
  const TTableLayout& l = View.Layout;
  const double s = l.Scale.S;
  const int x = e->pos().x(), y = e->pos().y();
  auto area = [](int left, int top, int right, int bottom) { return QRect(QPoint(left, top), QPoint(right, bottom)); };
  for (int p = 1; p <= 2; ++p) {
    const TRect& b = l.Board[p];
    if (!b.Contains(x, y)) continue;
    const int bx = x - b.X, by = y - b.Y;
    // Each balloon is bound to its part of the board: it closes when the
    // mouse leaves that part.
    const int topEnd = b.Y + static_cast<int>(38 * s);
    const QRect numbers = area(b.X + static_cast<int>(46 * s), b.Y + static_cast<int>(41 * s),
                               b.X + static_cast<int>(94 * s), b.Bottom() - 1);
    if (by <= 38 * s) {
      ShowHintBalloon(e->globalPos(), Row(428), Table, area(b.X, b.Y, b.Right() - 1, topEnd));
    } else if (by >= 41 * s && bx >= 46 * s && bx <= 94 * s) {
      ShowHintBalloon(e->globalPos(), Row(429), Table, numbers);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  // Over a card of the own hand that the follow rule refuses: the reason.
  if (l.HandHit[2].Contains(x, y)) {
    const int slot = CardAt(2, x);
    const TMoveVerdict v = slot ? CheckMove(View.Shown.Deal, 2, slot) : TMoveVerdict::Ok;
    if (v == TMoveVerdict::MustFollowSuit || v == TMoveVerdict::MustTrump) {
      // Bound to the card's visible strip: the next card's hint is its own.
      const int n = View.Shown.Deal.HandCount[2];
      const TRect r = HandSlotRect(l, 2, n, slot);
      const int strip = slot == n ? r.W : HandSlotRect(l, 2, n, slot + 1).X - r.X;
      ShowHintBalloon(e->globalPos(), Row(v == TMoveVerdict::MustFollowSuit ? 1065 : 1066), Table,
                      QRect(r.X, r.Y, strip, r.H));
      return true;
    }
  }
  if (l.MatchNumber.Contains(x, y)) {
    const TMatchState& m = View.Shown.Match;
    QString text = QStringLiteral("<b>%1</b><br>%2 %3<br>%4 %5 / %6")
                       .arg(Row(411).toHtmlEscaped(), Row(84).toHtmlEscaped())
                       .arg(m.MatchNo)
                       .arg(Row(85).toHtmlEscaped())
                       .arg(MatchInCycle(m.MatchNo))
                       .arg(kCycleLength);
    // A duel is one session of one match.
    if (Mode.NetDuel()) text += QStringLiteral("<br>%1 1 / 1").arg(Row(86).toHtmlEscaped());
    const TRect& r = l.MatchNumber;
    ShowHintBalloon(e->globalPos(), text, Table, QRect(r.X, r.Y, r.W, r.H));
    return true;
  }
  QToolTip::hideText();
  return true;
}

}  // namespace zembra
