// The login window: the player's name and password (twice for a new
// player). Confirming checks the entries and reports what is wrong on the
// status line.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

namespace zembra {

// The refusal shown for a text the club files cannot store (empty when it
// can): the rule, and for a visible field the characters refused.
QString StorableRefusal(const QString& text, bool secret);

struct TLoginTyped {
  QString Name;      // as typed, at most 20 characters
  QString Password;  // at most 5 characters
};

class TLoginDialog : public QDialog {
  Q_OBJECT

 public:
  // newPlayer: both password fields; otherwise the name is fixed to the
  // profile's and only the password is asked.
  TLoginDialog(bool newPlayer, const QString& name, QWidget* parent);

  // A recent player's password check; returns false to refuse.
  std::function<bool(const QString& password)> CheckPassword;

  TLoginTyped Result() const;
  QString Status() const;
  QLineEdit* NameEdit() const { return Name; }
  QLineEdit* PasswordEdit() const { return Password; }
  QLineEdit* RepeatEdit() const { return Repeat; }

  // Ok: checks the entries; accepts the dialog when they are right.
  void Confirm();

  // A duel's network section below the entries; after the name checks the
  // confirmation asks OpenNet, which connects and waits for the other
  // player: false (cancelled, or the section's checks failed) keeps the
  // dialog open.
  void AttachNetSection(QWidget* section);
  std::function<bool()> OpenNet;

 private:
  // Removes what the club files cannot store (code page 1251) from a field
  // and says why on the status line; false when something was removed.
  bool KeepStorable(QLineEdit* edit);

  bool NewPlayer;
  QLineEdit* Name;
  QLineEdit* Password;
  QLineEdit* Repeat;
  QLabel* StatusLine;
};

}  // namespace zembra
