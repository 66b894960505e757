// The program's help: one page per language, with the rules of the game,
// play at the table and the windows, shown in a window of its own that
// stays open beside the game. The window opens at the topic of the moment.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;
class QPushButton;

namespace zembra {

// The window's help topics.
enum class THelpTopic { Menu = 1, Dealt = 2, Playing = 5, DealOver = 10, GeneralScore = 30 };

// The page's anchor of a topic ("menu", "dealt", "playing", "dealover", "generalscore").
QString HelpAnchor(THelpTopic topic);
// The help page of a language (":/help/help_en.html" ...); empty when the
// program carries no help in that language.
QString HelpPage(int language);

class THelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent);

  // Shows the page of the current language (English when it has none) at
  // the topic, and relabels the window.
  void ShowTopic(THelpTopic topic);
  QTextBrowser* Browser() const { return View; }
  QPushButton* ContentsButton() const { return Contents; }
  QPushButton* CloseButton() const { return Close; }

 private:
  QTextBrowser* View;
  QPushButton* Contents;
  QPushButton* Close;
};

}  // namespace zembra
