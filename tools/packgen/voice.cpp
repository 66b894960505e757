// "OrvCVoice3.dll": the 24 cards spoken in the program's ten languages by
// espeak-ng, trimmed of silence and brought to one loudness with sox, as
// 22050 Hz mono 16-bit wave recordings named "<card>Voice<language>".
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <array>
#include <memory>
#include <deque>
#include <string>

#include "engine/cards.h"
#include "media/effects.h"
#include "packgen.h"

namespace packgen {

namespace {

using zembra::TRank;
using zembra::TSuit;

constexpr std::array<TRank, 6> kRanks = {TRank::Nine, TRank::Ten,  TRank::Jack,
                                         TRank::Queen, TRank::King, TRank::Ace};
constexpr std::array<TSuit, 4> kSuits = {TSuit::Hearts, TSuit::Diamonds, TSuit::Clubs, TSuit::Spades};

// How a language names its cards: rank words in the order of kRanks, suit
// words in the order of kSuits, and the pattern joining them ("%r", "%s").
struct TLanguageWords {
  const char* Voice;  // espeak-ng's voice
  std::array<const char*, 6> Ranks;
  std::array<const char*, 4> Suits;
  const char* Pattern;
};

const TLanguageWords kWords[10] = {
    {"en", {"Nine", "Ten", "Jack", "Queen", "King", "Ace"}, {"Hearts", "Diamonds", "Clubs", "Spades"}, "%r of %s"},
    {"ru",
     {"Девятка", "Десятка", "Валет", "Дама", "Король", "Туз"},
     {"червей", "бубён", "треф", "пик"},
     "%r %s"},
    {"de", {"Neun", "Zehn", "Bube", "Dame", "König", "Ass"}, {"Herz", "Karo", "Kreuz", "Pik"}, "%s %r"},
    {"fr", {"Neuf", "Dix", "Valet", "Dame", "Roi", "As"}, {"cœur", "carreau", "trèfle", "pique"}, "%r de %s"},
    {"es",
     {"Nueve", "Diez", "Jota", "Reina", "Rey", "As"},
     {"corazones", "diamantes", "tréboles", "picas"},
     "%r de %s"},
    {"cmn", {"九", "十", "杰克", "皇后", "国王", "爱司"}, {"红桃", "方块", "梅花", "黑桃"}, "%s%r"},
    {"it", {"Nove", "Dieci", "Fante", "Donna", "Re", "Asso"}, {"cuori", "quadri", "fiori", "picche"}, "%r di %s"},
    // Czech: the suit is an adjective that takes the card's gender (below).
    {"cs", {"devítka", "desítka", "kluk", "dáma", "král", "eso"}, {"srdcov", "károv", "křížov", "pikov"}, "%s %r"},
    {"ja",
     {"きゅう", "じゅう", "ジャック", "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"},
     "%sの%r"},
    {"ko", {"구", "십", "잭", "퀸", "킹", "에이스"}, {"하트", "다이아몬드", "클로버", "스페이드"}, "%s %r"},
};

QString Phrase(int language, size_t rank, size_t suit) {
  const TLanguageWords& w = kWords[language];
  QString suitWord = QString::fromUtf8(w.Suits[suit]);
  if (language == 7) {
    // devítka, desítka, dáma are feminine; kluk, král masculine; eso neuter.
    static constexpr const char* kEndings[] = {"á", "á", "ý", "á", "ý", "é"};
    suitWord += QString::fromUtf8(kEndings[rank]);
  }
  QString p = QString::fromUtf8(w.Pattern);
  p.replace(QStringLiteral("%r"), QString::fromUtf8(w.Ranks[rank]));
  p.replace(QStringLiteral("%s"), suitWord);
  return p;
}

struct TJob {
  QString Name, Voice, Text, Raw, Out;
};

}  // namespace

void AddVoices(TPackWriter& pack) {
  QTemporaryDir work;
  if (!work.isValid()) throw PackError("no temporary folder for the voices");
  std::deque<TJob> waiting;
  for (int language = 0; language < 10; ++language)
    for (size_t r = 0; r < kRanks.size(); ++r)
      for (size_t s = 0; s < kSuits.size(); ++s) {
        const zembra::TCardCode card = zembra::MakeCard(kRanks[r], kSuits[s]);
        const QString name = QString::fromStdString(zembra::VoiceItemName(card, language));
        waiting.push_back({name, QString::fromLatin1(kWords[language].Voice), Phrase(language, r, s),
                           work.path() + "/" + name + ".raw.wav", work.path() + "/" + name + ".wav"});
      }
  // espeak-ng speaks, sox trims the silence at both ends, adds a breath of
  // fade, resamples to 22050 Hz mono and normalises to -3 dB. A few at a time.
  const QString script = QStringLiteral(
      "espeak-ng -v \"$1\" -s 150 -w \"$2\" \"$3\" && "
      "sox \"$2\" -r 22050 -c 1 -b 16 \"$4\" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% "
      "fade q 0.03 reverse fade q 0.005 norm -3");
  const int parallel = std::max(2, QThread::idealThreadCount());
  std::deque<std::pair<std::unique_ptr<QProcess>, TJob>> running;
  std::vector<TJob> done;
  auto finish = [&](std::pair<std::unique_ptr<QProcess>, TJob>& r) {
    r.first->waitForFinished(60000);
    if (r.first->exitStatus() != QProcess::NormalExit || r.first->exitCode() != 0)
      throw PackError(("espeak-ng/sox failed for " + r.second.Name + ": " +
                       QString::fromLocal8Bit(r.first->readAllStandardError()))
                          .toStdString());
    done.push_back(r.second);
  };
  while (!waiting.empty() || !running.empty()) {
    while (!waiting.empty() && static_cast<int>(running.size()) < parallel) {
      TJob job = waiting.front();
      waiting.pop_front();
      auto p = std::make_unique<QProcess>();
      p->start(QStringLiteral("sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), job.Voice, job.Raw, job.Text, job.Out});
      running.emplace_back(std::move(p), std::move(job));
    }
    finish(running.front());
    running.pop_front();
  }
  for (const TJob& job : done) {
    QFile f(job.Out);
    if (!f.open(QIODevice::ReadOnly)) throw PackError(("missing voice " + job.Name).toStdString());
    pack.AddRaw(job.Name, QStringLiteral("RCDATA"), f.readAll());
  }
}

}  // namespace packgen
