// Painting the whole table at window size 5, and the window's start-up to
// its first intro picture, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "app/help_window.h"
#include "app/login_dialog.h"
#include "records/club_file.h"
#include "app/main_window.h"
#include "resources/words.h"

namespace {

using namespace zembra;

std::unique_ptr<TMainWindow> TableAt(int size) {
  auto w = std::make_unique<TMainWindow>();
  w->ClubAtStart = false;
  w->SetProgramFolder(QDir::tempPath());
  w->RunModal = [](QDialog& d) {
    if (auto* login = qobject_cast<TLoginDialog*>(&d)) login->Confirm();
    return d.result();
  };
  w->show();
  w->Options().FlyCards = false;
  w->SetWindowSize(size);
  w->EndIntro();
  w->StartMatch(6);
  w->ContinueClick();
  return w;
}

void BM_PaintTable(benchmark::State& state) {
  auto w = TableAt(static_cast<int>(state.range(0)));
  w->TableWidget()->RenderPicture();  // warm the picture caches
  for (auto _ : state) benchmark::DoNotOptimize(w->TableWidget()->RenderPicture());
  w->AskYesNo = [](const QString&, const QString&) { return true; };
}
BENCHMARK(BM_PaintTable)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// From creating the main window to its first intro picture on screen.
void BM_StartupToIntro(benchmark::State& state) {
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    TMainWindow w;
    w.ClubAtStart = false;
    w.SetProgramFolder(QDir::tempPath());
    w.show();
    benchmark::DoNotOptimize(w.grab());
    state.SetIterationTime(t.nsecsElapsed() / 1e9);
  }
}
BENCHMARK(BM_StartupToIntro)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// F1 on the table to the help's page laid out and painted at its topic, in
// English (argument 0) and Chinese (5): a fresh help window each time.
void BM_OpenHelp(benchmark::State& state) {
  Language() = static_cast<int>(state.range(0));
  auto w = TableAt(1);
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    THelpWindow help(w.get());
    help.show();
    help.ShowTopic(THelpTopic::Playing);
    benchmark::DoNotOptimize(help.grab());
    state.SetIterationTime(t.nsecsElapsed() / 1e9);
  }
  Language() = 0;
}
BENCHMARK(BM_OpenHelp)->Arg(0)->Arg(5)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

// The program never creates its club files; a fresh folder gets them here.
void InstallClub() {
  for (const char* name : {zembra::kClubFileName, zembra::kNetClubFileName})
    zembra::InstallClubFile((QDir::tempPath() + QLatin1Char('/') + QLatin1String(name)).toStdString());
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallClub();
  QFile words(QStringLiteral(":/text/words.tsv"));
  if (words.open(QIODevice::ReadOnly)) Words().Load(words.readAll().toStdString());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
