// The club windows in each of the ten languages: the history of games, the
// general score in every design, the top ten of both clubs and the end of a
// cycle. Every label, caption, column title and cell must fit its box,
// nothing expected may be empty, and no two texts may overlap. With
// ZEMBRA_FIT_SHOTS set each window is saved as /tmp/fit-shots/<lang>-<window>.png.
#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

#include "fit_probe.h"
#include "records/club_windows.h"
#include "records/count_window.h"
#include "records/cp1251.h"
#include "records/cycle_window.h"
#include "resources/fonts.h"
#include "window_fixture.h"

using namespace zembra;
using namespace zembra_test;

namespace {

struct TLanguageName {
  const char* Name;
  const char* Code;
};
constexpr TLanguageName kLanguageNames[kLanguages] = {
    {"English", "en"}, {"Russian", "ru"}, {"German", "de"}, {"French", "fr"},   {"Spanish", "es"},
    {"Chinese", "zh"}, {"Italian", "it"}, {"Czech", "cs"},  {"Japanese", "ja"}, {"Korean", "ko"}};

// The rows each window shows; every one must be filled in every language.
constexpr int kHistoryRows[] = {401, 402, 403, 404, 405, 406, 407, 408};
constexpr int kCountRows[] = {79, 80, 81, 82, 83, 84, 85, 87, 88};
constexpr int kTopTenRows[] = {3, 19, club_rows::kLocalTopTenHeading, club_rows::kNetTopTenHeading};

// History files: everyday entries, with a four-digit loss and a rating of
// three digits; and the widest a player column can be, a duel of two
// 20-letter names.
const HisStr kHistoryEntries[] = {
    {"Anna", 1, 520, 2.6, THisKind::Local},
    {"Anna/Boris", 1, -1160, -12.34, THisKind::Net},
    {"Ярослава", 1, -18, 100.0, THisKind::Tournament},
    {"Boris", 1, 2000, 99.99, THisKind::Account},
};
const HisStr kLongNameEntries[] = {
    {"Maximilian Alexandr/Konstantin Sergeev", 1, -1160, -12.34, THisKind::Net},
    {"Ярослава Петровна/Константин Сергеев", 1, 2000, 100.0, THisKind::Tournament},
};

// Top-ten entries: names of 20 letters, Cyrillic ones, negative scores.
const std::pair<const char*, int> kTopTen[] = {{"Maximilian Alexandr", 3120},
                                               {"Ярослава Петровна", 2880},
                                               {"Anna", 1500},
                                               {"WWWWWWWWWWWWWWWWWWWW", 1200},
                                               {"Boris", 900},
                                               {"Mr.X", 640},
                                               {"PC", 20},
                                               {"ЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩ", 0},
                                               {"Cyril", -380},
                                               {"Zoe", -1160}};

void WriteTopTen(const std::string& path) {
  auto lines = ParseClubFile(InitialClubFile());
  QVERIFY(lines.has_value());
  for (int i = 0; i < 10; ++i) {
    std::string name = Utf8ToCp1251(kTopTen[i].first);
    name.resize(20, ' ');
    const std::string score = std::to_string(kTopTen[i].second);
    (*lines)[6 + i] = name + std::string(6 - score.size(), ' ') + score;
  }
  SealClubLines(*lines);
  QFile f(QString::fromStdString(path));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromStdString(JoinClubLines(*lines)));
}

}  // namespace

class TTextFitTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir Dir;

  std::string HistoryFolder(bool longNames) const {
    return (Dir.path() + (longNames ? QStringLiteral("/long/History") : QStringLiteral("/History"))).toStdString();
  }

  static QString LanguageName() { return QString::fromLatin1(kLanguageNames[Language()].Name); }

  // Shows the window as the game does, then checks every text in it.
  void Check(QDialog& w, const QString& window, const std::vector<int>& rows,
             const std::function<void(TFitProbe&)>& setUp = {}) {
    for (int row : rows)
      QVERIFY2(!W(row).empty(),
               qPrintable(QStringLiteral("%1 / %2: row %3 is empty").arg(LanguageName(), window).arg(row)));
    TOrvCardsButton::SetNataAll(&w, false);
    TOrvCardsButton::StyleDialog(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (qEnvironmentVariableIsSet("ZEMBRA_FIT_SHOTS")) {
      QDir().mkpath(QStringLiteral("/tmp/fit-shots"));
      QString file = window;
      file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
      w.grab().save(
          QStringLiteral("/tmp/fit-shots/%1-%2.png").arg(QString::fromLatin1(kLanguageNames[Language()].Code), file));
    }
    TFitProbe probe(LanguageName() + QStringLiteral(" / ") + window, &w);
    if (setUp) setUp(probe);
    const QStringList faults = probe.Check();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

 private slots:
  void initTestCase() {
    LoadBundledFonts();
    QVERIFY(Dir.isValid());
    QVERIFY(QDir(Dir.path()).mkpath(QStringLiteral("long")));
    const THistoryStamp stamp = HistoryStampAt(2026, 12, 10, 18, 5);
    QCOMPARE(AddHistory(HistoryFolder(false), {std::begin(kHistoryEntries), std::end(kHistoryEntries)}, stamp).Outcome,
             THistorySave::Saved);
    QCOMPARE(AddHistory(HistoryFolder(true), {std::begin(kLongNameEntries), std::end(kLongNameEntries)}, stamp).Outcome,
             THistorySave::Saved);
    WriteTopTen((Dir.path() + QStringLiteral("/top.clb")).toStdString());
  }
  void cleanup() { Language() = 0; }

  void historyWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("longNames");
    for (int l = 0; l < kLanguages; ++l) {
      QTest::addRow("%s, everyday names", kLanguageNames[l].Name) << l << false;
      QTest::addRow("%s, long duel names", kLanguageNames[l].Name) << l << true;
    }
  }
  void historyWindow() {
    QFETCH(int, language);
    QFETCH(bool, longNames);
    Language() = language;
    TFormHistory w(HistoryFolder(longNames), nullptr);
    const QTableWidget* grid = w.Grid();
    QCOMPARE(grid->rowCount(), longNames ? int(std::size(kLongNameEntries)) : int(std::size(kHistoryEntries)));
    // The date, the result and the rating are shown whole.
    const int row = longNames ? 0 : 1;
    QCOMPARE(grid->item(row, 1)->text(), QStringLiteral("10.12.2026"));
    QCOMPARE(grid->item(row, 4)->text(), QStringLiteral("-1160"));
    QCOMPARE(grid->item(row, 5)->text(), QStringLiteral("-12,34"));
    Check(w, longNames ? QStringLiteral("history long names") : QStringLiteral("history"),
          {std::begin(kHistoryRows), std::end(kHistoryRows)});
    // Everyday names leave the titles room for their full size, even on a
    // small screen; long ones may shrink them, to no less than 70 %.
    for (int c = 0; c < grid->columnCount(); ++c) {
      const int title = grid->horizontalHeaderItem(c)->font().pixelSize();
      QCOMPARE(grid->horizontalHeaderItem(c)->toolTip(), grid->horizontalHeaderItem(c)->text());
      if (longNames)
        QVERIFY2(title * 10 >= grid->font().pixelSize() * 7, qPrintable(QString::number(title)));
      else
        QCOMPARE(title, grid->font().pixelSize());
    }
  }

  void generalScoreWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("design");
    for (int l = 0; l < kLanguages; ++l)
      for (int d = 1; d <= 4; ++d) QTest::addRow("%s, design %d", kLanguageNames[l].Name, d) << l << d;
  }
  void generalScoreWindow() {
    QFETCH(int, language);
    QFETCH(int, design);
    Language() = language;
    TSettings s;
    s.AuxDesign = static_cast<uint8_t>(std::min(design, 3));
    s.AuxPictureDesign = design == 4;
    // A long career: four-digit match numbers and scores, ratings of two digits.
    const TCount count{"1234", "30", "-1160", "-380", "-1540", "-12.345678", "-13.012345"};
    TFormCount w(count, QStringLiteral("Maximilian Alexandr"), s, TGameKind{}, QStringLiteral(ZEMBRA_PACK_DIR), nullptr);
    QCOMPARE(w.Design(), design);
    Check(w, QStringLiteral("general score %1").arg(design), {std::begin(kCountRows), std::end(kCountRows)});
    // A name shrinks to fit, but to no less than 70 % of its 16 pixels; the
    // values keep their right edge.
    for (int i = 0; i < 7; ++i) {
      QVERIFY2(w.Name(i)->font().pixelSize() * 10 >= 16 * 7, qPrintable(w.Name(i)->text()));
      QCOMPARE(w.Value(i)->geometry().right() + 1, 273);
    }
  }

  void topTenWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("net");
    for (int l = 0; l < kLanguages; ++l) {
      QTest::addRow("%s, computer", kLanguageNames[l].Name) << l << false;
      QTest::addRow("%s, net", kLanguageNames[l].Name) << l << true;
    }
  }
  void topTenWindow() {
    QFETCH(int, language);
    QFETCH(bool, net);
    Language() = language;
    TFormTopTen w((Dir.path() + QStringLiteral("/top.clb")).toStdString(), net, nullptr);
    QCOMPARE(w.Grid()->rowCount(), 10);
    QCOMPARE(w.Grid()->item(0, 1)->text(), QStringLiteral("Maximilian Alexandr"));
    Check(w, net ? QStringLiteral("top ten net") : QStringLiteral("top ten computer"),
          {std::begin(kTopTenRows), std::end(kTopTenRows)},
          [&](TFitProbe& probe) { probe.AllowBlankSection(w.Grid(), 0); });  // the ranks
  }

  void cycleWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("outcome");
    const struct {
      TCycleGame Game;
      int Place;
      const char* Name;
    } outcomes[] = {{TCycleGame::LocalLoggedOut, 1, "best"},       {TCycleGame::NetDuel, 1, "best net"},
                    {TCycleGame::AccountWorld, 1, "best account"}, {TCycleGame::LocalLoggedOut, 4, "good"},
                    {TCycleGame::LocalLoggedOut, 0, "regrets"},    {TCycleGame::AccountWorld, 1234, "account place"}};
    for (int l = 0; l < kLanguages; ++l)
      for (const auto& o : outcomes)
        QTest::addRow("%s, %s", kLanguageNames[l].Name, o.Name)
            << l << int(o.Game) << o.Place << QString::fromLatin1(o.Name);
  }
  void cycleWindow() {
    QFETCH(int, language);
    QFETCH(int, game);
    QFETCH(int, place);
    QFETCH(QString, outcome);
    Language() = language;
    const TCycleWindow cycle = EndOfCycleWindow(static_cast<TCycleGame>(game), place, -1160);
    TFormCycle w(cycle, false, nullptr);
    std::vector<int> rows = {club_rows::kCompletionOfGame};
    for (const TTextLine& line : cycle.Lines)
      for (const TTextPiece& piece : line)
        if (piece.Row >= 0) rows.push_back(piece.Row);
    Check(w, QStringLiteral("end of cycle ") + outcome, rows);
  }
};

ZEMBRA_WINDOW_TEST_MAIN(TTextFitTest)
#include "text_fit_test.moc"
