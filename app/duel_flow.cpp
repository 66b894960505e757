// The window's side of a duel: opening the connection from the login
// window, the waiting window, the other player as the match's seat 1, the
// chat line, and the ways a duel can break off.
#include <QLineEdit>

#include "app/main_window.h"
#include "tournament/tour_link.h"
#include "app/media.h"
#include "duel/net_section.h"
#include "duel/waiting_window.h"
#include "records/club_file.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {

void TMainWindow::SetNetGame(bool on) {
  // With duels chosen the menu lists the net club's players; the role is
  // chosen in the login window.
  Settings.NetGame = on;
  if (Mode.NetDuel() == on) return;
  Mode.Kind = on ? TPlayKind::DuelServer : TPlayKind::Computer;
  if (View.Screen == TScreen::Menu) RefreshRecentPlayers();
}

bool TMainWindow::OpenDuel(TNetSection& section, const QString& ownName) {
  if (!section.Check()) return false;
  Settings.ServerAddress = section.RememberedAddress().toStdString();
  Settings.ServerPort = section.RememberedPort().toStdString();
  const bool server = section.Role() == TNetRole::Server;
  Link = std::make_unique<TDuelLink>();
  TWaitingWindow waiting(server, this);
  if (server) {
    if (!Link->Listen(section.Port(), ownName)) waiting.SetConnectionError(true);
  } else {
    Link->Connect(section.Address(), section.Port(), ownName);
  }
  connect(Link.get(), &TDuelLink::Joined, &waiting, [&waiting, server] {
    if (server)
      waiting.PlayerJoined();
    else
      waiting.Started();
  });
  connect(Link.get(), &TDuelLink::ConnectionFailed, &waiting, [&waiting] {
    waiting.SetConnectionError(true);
    waiting.Tick();
  });
  // The server's player that left before Ok: wait for another. A server
  // that closes before the client got its reply: no game answers.
  connect(Link.get(), &TDuelLink::Left, &waiting, [&waiting] { waiting.PlayerLeft(); });
  connect(Link.get(), &TDuelLink::Disconnected, &waiting, [&waiting] {
    waiting.SetConnectionError(true);
    waiting.Tick();
  });
  RunModal(waiting);
  if (!waiting.DuelStarted() || Link->State() != TConnState::Joined) {
    Link->disconnect(&waiting);
    Link->Close();
    Link.release()->deleteLater();
    return false;
  }
  Link->disconnect(&waiting);
  Mode.Kind = server ? TPlayKind::DuelServer : TPlayKind::DuelClient;
  return true;
}

void TMainWindow::WireDuel() {
  const bool server = Mode.Kind == TPlayKind::DuelServer;
  Names[1] = WithoutTrailingBlanks(Link->OpponentName());
  View.ChatColour = server ? QColor(128, 0, 0) : QColor(0, 0, 128);
  for (QString& line : View.ChatLines) line.clear();
  TDuelLink* link = Link.get();
  Remote = std::make_unique<TDuelSeat>(
      Game, server,
      TDuelSends{[link](TCardCode c) { link->SendCard(c); },
                 [link](const TDeck& d, int leader, int target) { link->SendDeal(d, leader, target); },
                 [link] { link->SendStart(); }, [link] { link->SendAck(); }});
  // What the other side does waits, like a click, for what the table is
  // still showing.
  connect(link, &TDuelLink::DealArrived, this, [this](const TDuelDeal& deal) {
    Input([this, deal] {
      if (!Match || !Match->ReceiveDeal(deal.Deck, deal.SenderFirstLeader, deal.Target)) DuelInterrupted(true);
    });
  });
  connect(link, &TDuelLink::CardArrived, this, [this](TCardCode card) {
    Input([this, card] {
      if (!Match || Match->SubmitCard(1, card) != TMoveVerdict::Ok) DuelInterrupted(true);
    });
  });
  connect(link, &TDuelLink::StartArrived, this, [this] {
    Input([this] {
      if (Match) Match->PeerStarted();
    });
  });
  connect(link, &TDuelLink::AckArrived, this, [this] {
    Input([this] {
      if (Match) Match->PeerAcknowledged();
    });
  });
  connect(link, &TDuelLink::ChatArrived, this, [this](const QString& text) {
    PlaySound("WToMenK");
    AddChatLine(text);
  });
  connect(link, &TDuelLink::Garbled, this, [this] { Input([this] { DuelInterrupted(true); }); });
  connect(link, &TDuelLink::Disconnected, this, [this] { Input([this] { DuelInterrupted(false); }); });
  ChatEdit->clear();
}

void TMainWindow::DuelInterrupted(bool garbled) {
  if (!Link || View.Screen != TScreen::Table) return;
  const bool server = Mode.Kind == TPlayKind::DuelServer;
  const uint8_t turn = Game.Deal.TurnState;
  // Between deals of a running match (and after the summing-up) a peer
  // that leaves is no interruption; garbage always is.
  const bool quiet = !garbled && (!Game.Deal.InDeal || turn == kTurnMatchOver ||
                                  (!server && turn == kTurnMatchContinues));
  ChatEdit->setEnabled(false);
  ButtonChat->setEnabled(false);
  if (Match && Match->Over() && !garbled) return;  // the sum-up is recorded by "Exit to menu"
  if (!quiet) {
    PlaySound("WWrongs");
    ShowMessage(Row(server ? 99 : 100) + QLatin1Char(' ') + Row(101) + QStringLiteral("\n") + Row(102));
  }
  CloseDuel();
  StopRecording();
  LeaveTable();
}

void TMainWindow::CloseDuel() {
  if (Link) {
    Link->disconnect(this);
    Link->Close();
  }
  // The seat goes after the match that holds it (LeaveTable).
  ChatEdit->hide();
  ChatEdit->clear();
}

void TMainWindow::SendChatLine() {
  const bool duel = Link && Mode.NetDuel(), tournament = TourLink && Mode.Tournament();
  if (!(duel || tournament) || View.Screen != TScreen::Table) return;
  const QString text = ChatEdit->text();
  if (text.isEmpty()) return;
  if (duel) Link->SendChat(text);
  else TourLink->SendChat(text);
  AddChatLine(text);
  ChatEdit->clear();
}

void TMainWindow::AddChatLine(const QString& text) {
  // The first free line, or all move up and the new one is the fourth.
  int free = 0;
  while (free < 4 && !View.ChatLines[free].isEmpty()) ++free;
  if (free == 4) {
    for (int i = 0; i < 3; ++i) View.ChatLines[i] = View.ChatLines[i + 1];
    free = 3;
  }
  View.ChatLines[free] = text;
  Table->update();
}

}  // namespace zembra
