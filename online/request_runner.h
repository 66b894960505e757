// Runs the club's requests off the window's thread, one operation at a
// time in the order they were asked for, and hands each result back on the
// window's thread. While any operation is under way the runner is busy, so
// the window can show its wait state; nothing blocks the event loop.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <functional>
#include <memory>

namespace zembra {

class TRequestRunner : public QObject {
  Q_OBJECT

 public:
  explicit TRequestRunner(QObject* parent = nullptr);
  ~TRequestRunner() override;

  // work runs on the runner's thread; done gets its result on the thread
  // of context, unless context is gone by then.
  template <typename T>
  void Run(QObject* context, std::function<T()> work, std::function<void(T)> done) {
    auto result = std::make_shared<T>();
    Start(context, [work = std::move(work), result] { *result = work(); },
          [done = std::move(done), result] { done(std::move(*result)); });
  }

  bool Busy() const { return Pending > 0; }
  // Waits until every operation has ended (for tests and the window's exit).
  void WaitForDone();

 Q_SIGNALS:
  void BusyChanged(bool busy);

 private:
  void Start(QObject* context, std::function<void()> work, std::function<void()> done);
  QThreadPool Pool;
  int Pending = 0;
};

}  // namespace zembra
