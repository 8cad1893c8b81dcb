#include "active_window.h"

#include <QMutex>

namespace tolv::ActiveWindow {

namespace {
QMutex mutex;
ActiveWindowInfo current;
} // namespace

void set(const ActiveWindowInfo &info)
{
    QMutexLocker lock(&mutex);
    current = info;
}

ActiveWindowInfo get()
{
    QMutexLocker lock(&mutex);
    return current;
}

} // namespace tolv::ActiveWindow
