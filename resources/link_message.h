// The message window that names a missing file: a warning picture and up
// to three lines, the third one a link that opens its own text.
#pragma once

#include <QDialog>
#include <QString>

namespace zembra {

class TLinkMessage : public QDialog {
  Q_OBJECT

 public:
  TLinkMessage(const QString& first, const QString& second, const QString& link, QWidget* parent);
  // The dialog's width: 400, or the widest line + 59 + 50 once that
  // line + 59 reaches 350.
  static int WidthFor(int widestLine);
};

// Shows the window modally; lines given empty are hidden.
void ShowLinkMessage(QWidget* parent, const QString& first, const QString& second,
                     const QString& link);

// Lets tests see the messages instead of showing them.
using TLinkMessageHook = void (*)(const QString& first, const QString& second, const QString& link);
void SetLinkMessageHook(TLinkMessageHook hook);

}  // namespace zembra
