// The window's one record of how the player plays: against the computer,
// an account's rating game, a duel as server or client, a tournament
// table; with the profile that plays. Everything that differs by mode
// (the club file, the history kind, who deals, the menu items) is read
// from here, so no two flags can disagree.
#pragma once

#include "match/match_mode.h"
#include "records/history_file.h"

namespace zembra {

enum class TPlayKind : uint8_t { Computer, AccountRating, DuelServer, DuelClient, Tournament };

struct TPlayMode {
  TPlayKind Kind = TPlayKind::Computer;
  // 1..5 a recent player, 6 a new player, 7 the account, 8 the tournament
  // player; 0 while no match is chosen.
  int PlayerSlot = 0;
  bool AccountLoggedIn = false;  // an online account is logged in
  int TournamentSeat = 1;

  bool NetDuel() const { return Kind == TPlayKind::DuelServer || Kind == TPlayKind::DuelClient; }
  bool Tournament() const { return Kind == TPlayKind::Tournament; }
  bool RatingGame() const { return Kind == TPlayKind::AccountRating; }
  bool RecentPlayer() const { return PlayerSlot >= 1 && PlayerSlot <= 5; }
  // 1 logged out, 2 logged in, 3 an account's rating game under way.
  int AccountState() const { return RatingGame() ? 3 : AccountLoggedIn ? 2 : 1; }

  TMatchMode MatchMode() const {
    switch (Kind) {
      case TPlayKind::DuelServer: return TMatchMode::DuelServer;
      case TPlayKind::DuelClient: return TMatchMode::DuelClient;
      case TPlayKind::Tournament: return TMatchMode::Tournament;
      default: return TMatchMode::Local;
    }
  }
  THisKind HistoryKind() const {
    switch (Kind) {
      case TPlayKind::AccountRating: return THisKind::Account;
      case TPlayKind::Tournament: return THisKind::Tournament;
      case TPlayKind::DuelServer:
      case TPlayKind::DuelClient: return THisKind::Net;
      default: return THisKind::Local;
    }
  }
  // Duels keep their recent players in the net club file.
  bool UsesNetClub() const { return NetDuel(); }
  // The profile may be renamed from the table menu.
  bool MayRename() const { return Kind == TPlayKind::Computer; }
};

}  // namespace zembra
