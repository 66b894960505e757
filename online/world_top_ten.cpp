#include "online/countries.h"
#include "resources/country_flags.h"
#include "online/world_top_ten.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "online/club_talk.h"
#include "online/online_club.h"
#include "online/rating.h"
#include "records/club_file.h"
#include "resources/orv_cards_button.h"
#include "resources/text.h"

namespace zembra {
namespace {

constexpr const char* kTitles[8] = {"",
                                    "ACCOUNT. RATING. ALL GAMES",
                                    "ACCOUNT. SCORE. GAMES IN CYCLE",
                                    "WINDOWS. SCORE. GAMES IN CYCLE",
                                    "ANDROID. SCORE. GAMES IN CYCLE",
                                    "WINDOWS. ONLINE TOURNAMENT",
                                    "WINDOWS. LOCAL GAMES WITH PC",
                                    "WINDOWS. NET GAMES"};

std::string SexMark(const std::string& sex) { return sex == "W" ? "\u2640" : "\u2642"; }

std::string Rating3(double r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", r);
  std::string s = buf;
  for (char& c : s)
    if (c == '.') c = ',';
  return s;
}

// Reads a table: the requests of the club's tables in their order.
TWorldTable ReadTable(const TPost& post, int table, const std::string& nick, const std::string& city) {
  TWorldTable t;
  if (table == 1) {
    std::array<TOrvTop10, 10> rows;
    t.Read = ClubTopTen(post, &rows);
    for (size_t i = 0; i < rows.size(); ++i)
      if (!rows[i].Nick.empty() && rows[i].Nick != "#")
        t.Rows.push_back({std::to_string(i + 1), SexMark(rows[i].Sex), rows[i].Nick, rows[i].City, rows[i].Country,
                          Rating3(rows[i].Rating)});
    return t;
  }
  if (table == 5) {
    std::array<TOrvRecord, 10> rows;
    t.Read = TourTopTen(post, TTourOrder::Score, &rows);
    for (const TOrvRecord& r : rows)
      if (r.Nick != "#") t.Rows.push_back({std::to_string(r.Place), "", r.Nick, r.City, r.Country, std::to_string(r.Score)});
    return t;
  }
  const int gid = table == 2 ? kAccountCycleTable : table == 4 ? kAndroidCycleTable : kPassportCycleTable;
  std::array<TOrvRecord, 10> rows;
  t.Read = RecordsTopTen(post, gid, &rows);
  if (!t.Read) return t;
  for (const TOrvRecord& r : rows)
    if (r.Nick != "#")
      t.Rows.push_back({std::to_string(r.Place), SexMark(r.R07), r.Nick,
                        table == 3 ? r.City : r.City + ", " + r.Country, table == 3 ? r.Country : "",
                        std::to_string(r.Score)});
  t.Count = RecordsCount(post, gid);
  std::array<TOrvRecord, 10> around;
  if (RecordsAround(post, gid, nick, city, &around))
    for (const TOrvRecord& r : around)
      if (r.Nick != "#") t.Around.push_back({std::to_string(r.Place), r.Nick, std::to_string(r.Score)});
  return t;
}

QTableWidgetItem* Cell(const std::string& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(align);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

}  // namespace

int TFormWorldTopTen::LastTable = 3;

const char* TFormWorldTopTen::Title(int table) { return kTitles[table >= 1 && table <= 7 ? table : 3]; }

int TFormWorldTopTen::NextTable() { return LastTable >= 2 && LastTable <= 4 ? LastTable : 3; }

TFormWorldTopTen::TFormWorldTopTen(TOnlineClub& club, TSettings& settings, const QString& programFolder,
                                   bool graphicsPack, int table, QWidget* parent)
    : TAuxDialog(settings, programFolder, parent), Club(club), Folder(programFolder) {
  setWindowTitle(QStringLiteral("World Top Ten"));
  auto* buttons = new QHBoxLayout;
  const std::vector<int> offered = graphicsPack ? std::vector<int>{1, 2, 3, 4, 5, 6, 7} : std::vector<int>{3, 4, 2};
  for (int t : offered) {
    auto* b = new TOrvCardsButton(QString::number(t));
    b->setToolTip(QString::fromLatin1(Title(t)));
    b->setAccessibleName(QString::fromLatin1(Title(t)));
    b->setMinimumWidth(44);
    connect(b, &QPushButton::clicked, this, [this, t] { ShowTable(t); });
    buttons->addWidget(b);
    Buttons.push_back(b);
  }
  Refresh = new TOrvCardsButton(Row(254));
  buttons->addStretch(1);
  buttons->addWidget(Refresh);
  Body()->addLayout(buttons);
  TitleLabel = new QLabel;
  TitleLabel->setAlignment(Qt::AlignCenter);
  QFont bold = TitleLabel->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  TitleLabel->setFont(bold);
  Body()->addWidget(TitleLabel);
  Rows = new QTableWidget(0, 6);
  Rows->setAccessibleName(QStringLiteral("World Top Ten"));
  Rows->verticalHeader()->hide();
  Rows->horizontalHeader()->hide();
  Rows->setShowGrid(false);
  Rows->setMinimumHeight(300);
  Body()->addWidget(Rows, 1);
  Count = new QLabel;
  Body()->addWidget(Count);
  // The rows around the player, under their caption.
  AroundCaption = new QLabel(Row(161) + QLatin1Char(':'));
  Body()->addWidget(AroundCaption);
  AroundRows = new QTableWidget(0, 3);
  AroundRows->setAccessibleName(Row(161));
  AroundRows->verticalHeader()->hide();
  AroundRows->horizontalHeader()->hide();
  AroundRows->setMaximumHeight(120);
  Body()->addWidget(AroundRows);
  auto* ok = new TOrvCardsButton(QStringLiteral("Ok"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  Body()->addWidget(ok);
  // A table is reloaded by hand at most once in 10 seconds.
  RefreshTimer.setInterval(10000);
  RefreshTimer.setSingleShot(true);
  connect(&RefreshTimer, &QTimer::timeout, Refresh, &QWidget::show);
  connect(Refresh, &QPushButton::clicked, this, [this] { ShowTable(Current); });
  SetHeading(QStringLiteral("TOP 10"));
  resize(640, 640);
  ShowTable(table);
}

void TFormWorldTopTen::ShowTable(int table) {
  Current = table >= 1 && table <= 7 ? table : 3;
  LastTable = Current;
  TitleLabel->setText(QString::fromLatin1(Title(Current)));
  Refresh->hide();
  RefreshTimer.start();
  if (Current == 6 || Current == 7) {
    // The local tables come from the club files beside the program.
    TWorldTable t;
    const auto lines = ReadClubFile((Folder + QLatin1Char('/') + QLatin1String(Current == 6 ? kClubFileName : kNetClubFileName)).toStdString());
    t.Read = lines.has_value();
    if (lines)
      for (const TTopTenRow& r : TopTenRows(*lines)) t.Rows.push_back({r.Rank, "", r.Name, "", "", r.Score});
    Fill(Current, t);
    return;
  }
  const std::string nick = Current == 2 ? Club.Account().User.Nick : Settings.TopTenNick;
  const std::string city = Current == 2 ? Club.Account().User.City : Settings.TopTenCity;
  const int shown = Current;
  Club.Request<TWorldTable>([shown, nick, city](const TPost& post) { return ReadTable(post, shown, nick, city); },
                            [this, shown](TWorldTable t) {
                              if (shown == Current) Fill(shown, t);
                            }, this);
}

void TFormWorldTopTen::Fill(int table, const TWorldTable& t) {
  Rows->clearContents();
  AroundRows->clearContents();
  AroundRows->setRowCount(0);
  Count->clear();
  if (!t.Read) {
    AroundCaption->hide();
    AroundRows->hide();
    Rows->setRowCount(1);
    Rows->setItem(0, 2, Cell("No Connect"));
    return;
  }
  Rows->setRowCount(static_cast<int>(t.Rows.size()));
  for (int r = 0; r < static_cast<int>(t.Rows.size()); ++r)
    for (int c = 0; c < 6 && c < static_cast<int>(t.Rows[r].size()); ++c) {
      const std::string& v = t.Rows[r][c];
      if (c == 4) {
        // The country as its flag: a code, or the short name of an account.
        if (v.empty()) continue;
        const std::string code = CountryCodeValid(v) ? v : CountryCodeOfShort(v).value_or("1-000");
        QTableWidgetItem* flag = Cell("");
        flag->setIcon(QIcon(CountryFlag(code, 21, 18)));
        const auto country = CountryByCode(code);
        flag->setToolTip(country ? QString::fromUtf8(country->English.data(), static_cast<qsizetype>(country->English.size()))
                                 : QString::fromStdString(v));
        flag->setData(Qt::AccessibleTextRole, flag->toolTip());
        Rows->setItem(r, c, flag);
        continue;
      }
      Rows->setItem(r, c, Cell(v, c == 0 || c == 5 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter));
    }
  Rows->resizeColumnsToContents();
  Rows->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  if (t.Count >= 0) Count->setText(Row(162) + QStringLiteral(": ") + QString::number(t.Count));
  AroundRows->setRowCount(static_cast<int>(t.Around.size()));
  for (int r = 0; r < static_cast<int>(t.Around.size()); ++r)
    for (int c = 0; c < 3; ++c) AroundRows->setItem(r, c, Cell(t.Around[r][c]));
  AroundRows->setVisible(table >= 2 && table <= 4);
  AroundCaption->setVisible(table >= 2 && table <= 4);
  AroundCaption->setBuddy(AroundRows);
}

}  // namespace zembra
