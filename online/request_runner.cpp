#include "online/request_runner.h"

#include <QMetaObject>

namespace zembra {

TRequestRunner::TRequestRunner(QObject* parent) : QObject(parent) {
  // One thread: the operations keep the order in which they were asked for.
  Pool.setMaxThreadCount(1);
  Pool.setExpiryTimeout(30000);
}

TRequestRunner::~TRequestRunner() { Pool.waitForDone(); }

void TRequestRunner::WaitForDone() { Pool.waitForDone(); }

void TRequestRunner::Start(QObject* context, std::function<void()> work, std::function<void()> done) {
  if (++Pending == 1) Q_EMIT BusyChanged(true);
  QPointer<QObject> target(context);
  QPointer<TRequestRunner> self(this);
  Pool.start([work = std::move(work), done = std::move(done), target, self]() mutable {
    work();
    if (!self) return;
    QMetaObject::invokeMethod(self.data(), [done = std::move(done), target, self] {
      if (!self) return;
      if (target) done();
      if (--self->Pending == 0) Q_EMIT self->BusyChanged(false);
    });
  });
}

}  // namespace zembra
