// The login window's network section for a duel: this side's role, the
// server's address and port, the machine's own addresses to tell the other
// player, and the status line of the checks.
#pragma once

#include <QGroupBox>
#include <QString>
#include <array>
#include <functional>

#include "duel/duel_link.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zembra {

class TNetSection : public QGroupBox {
  Q_OBJECT

 public:
  // The remembered address and port (from the options file); the role
  // starts as server.
  TNetSection(const QString& address, const QString& port, QWidget* parent = nullptr);

  TNetRole Role() const { return NetRole; }
  void ChooseRole(TNetRole role);
  // The checks of the dialog's confirmation; false with the status line set
  // and the focus on the field at fault.
  bool Check();
  QString Address() const;
  quint16 Port() const;
  const QString& RememberedAddress() const { return Remembered; }
  const QString& RememberedPort() const { return RememberedPortText; }
  QString Status() const;

  // Fills the address fields: the interfaces' IPv4 addresses (at most six),
  // then the external address, then "127.0.0.1" with the hint "Loop".
  void ListAddresses();
  // The page that reports the machine's external address (the club
  // service's); asked off the user-interface thread, the field is filled
  // when the answer comes, and stays empty when none does.
  QString ExternalAddressPage;
  // The "?" button: a page on playing across a router (the club service's).
  std::function<void()> OpenRouterHelp;

  QLineEdit* AddressEdit() const { return AddressField; }
  QLineEdit* PortEdit() const { return PortField; }
  QRadioButton* ServerChoice() const { return ServerRadio; }
  QRadioButton* ClientChoice() const { return ClientRadio; }
  QPushButton* AddressesButton() const { return AddressButton; }
  QLineEdit* ListedAddress(int i) const { return Listed[i]; }

 private:
  TNetRole NetRole = TNetRole::Server;
  QString Remembered;
  QString RememberedPortText;
  QRadioButton* ServerRadio;
  QRadioButton* ClientRadio;
  QLabel* AddressLabel;
  QLineEdit* AddressField;
  QLineEdit* PortField;
  QSpinBox* Games;
  QPushButton* AddressButton;
  QPushButton* HelpButton;
  std::array<QLineEdit*, 6> Listed{};
  QLabel* StatusLine;
};

}  // namespace zembra
