// The windows beside the game that the table menu opens from the menu and
// the table alike: the help at the topic of the moment, the about box.
#include "app/about_box.h"
#include "app/main_window.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"
#include "resources/words.h"

namespace zembra {

THelpTopic TMainWindow::CurrentHelpTopic() const {
  if (View.Screen != TScreen::Table) return THelpTopic::Menu;
  const TDealState& d = Game.Deal;
  if (d.TurnState >= kTurnDealOver) return THelpTopic::DealOver;
  // Dealt, until "To Begin of Round" starts the play.
  return d.PlayPhase == 2 ? THelpTopic::Playing : THelpTopic::Dealt;
}

void TMainWindow::OpenHelp(THelpTopic topic) {
  PlaySound("WOpenFo");
  // A language without a page of its own reads the English one, after
  // an apology.
  if (HelpPage(Language()).isEmpty())
    ShowMessage(QStringLiteral("Excuse!\nThe file of the help is not translated to the English language."));
  if (!Help) {
    Help = new THelpWindow(this);
    TOrvCardsButton::StyleDialog(Help);
  }
  TOrvCardsButton::SetNataAll(Help, Settings.NewButtons);
  Help->show();
  Help->raise();
  Help->ShowTopic(topic);
}

void TMainWindow::OpenAbout() {
  PlaySound("WOpenFo");
  TAboutBox box(Settings, this);
  RunModal(box);
}

}  // namespace zembra
