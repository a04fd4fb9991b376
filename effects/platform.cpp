// The window-system layer of the effects over Qt. On X11 the opacity
// property is flushed to the server at once, and written directly where Qt
// would skip it: Qt leaves out a value equal to the one it holds, so full
// opacity on a new window would never reach the property.
#include "effects/platform.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QRegion>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <chrono>
#include <cstring>

#include "toolkit/qt/shared.h"

namespace kestara::platform {
namespace {

constexpr std::uint64_t kFullOpacity = 0xFFFFFFFFu;

xcb_atom_t OpacityAtom(xcb_connection_t* connection) {
  static xcb_atom_t atom = XCB_ATOM_NONE;
  if (atom == XCB_ATOM_NONE) {
    const char name[] = "_NET_WM_WINDOW_OPACITY";
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    if (reply != nullptr) {
      atom = reply->atom;
      std::free(reply);
    }
  }
  return atom;
}

xcb_connection_t* X11Connection() {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (app == nullptr) {
    return nullptr;
  }
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

void WriteX11Opacity(xcb_connection_t* connection, WId id, int alpha) {
  const xcb_atom_t atom = OpacityAtom(connection);
  if (atom == XCB_ATOM_NONE) {
    return;
  }
  const auto value = static_cast<std::uint32_t>(static_cast<std::uint64_t>(alpha) * kFullOpacity / 255);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(id), atom, XCB_ATOM_CARDINAL, 32,
                      1, &value);
}

}  // namespace

bool GetWindowRect(Handle handle, Rect* rect) {
  QWidget* widget = WidgetForHandle(handle);
  if (widget == nullptr || rect == nullptr) {
    return false;
  }
  const QRect outer =
      widget->isWindow() ? widget->frameGeometry() : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
  rect->left = outer.x();
  rect->top = outer.y();
  rect->right = outer.x() + outer.width();
  rect->bottom = outer.y() + outer.height();
  return true;
}

void SetLayeredAlpha(Handle handle, int alpha) {
  QWidget* widget = WidgetForHandle(handle);
  if (widget == nullptr) {
    return;
  }
  QWidget* window = widget->window();
  alpha = std::clamp(alpha, 0, 255);
  const qreal level = alpha / 255.0;
  const QWindow* native = window->windowHandle();
  const bool qtWrites = native != nullptr && native->handle() != nullptr && native->opacity() != level;
  window->setWindowOpacity(level);
  const WId id = window->internalWinId();
  xcb_connection_t* connection = X11Connection();
  if (id == 0 || connection == nullptr) {
    return;  // not on X11, or the window is made later and takes the opacity then
  }
  if (!qtWrites) {
    WriteX11Opacity(connection, id, alpha);
  }
  xcb_flush(connection);
}

bool SetWindowRegion(Handle handle, const Region& region) {
  QWidget* widget = WidgetForHandle(handle);
  if (widget == nullptr) {
    return false;
  }
  QRegion mask;
  for (const RegionRow& row : region) {
    mask += QRect(row.left, row.y, row.right - row.left, 1);
  }
  widget->setMask(mask);
  return true;
}

bool WaitForDueTime(std::int64_t dueTime) {
  if (dueTime >= 0) {
    return true;
  }
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || QThread::currentThread() != app->thread()) {
    return false;
  }
  const QDeadlineTimer deadline(std::chrono::nanoseconds(-dueTime * 100), Qt::PreciseTimer);
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  // The timer is armed for whole milliseconds; should it fire before the
  // due time it is armed again for the rest.
  const auto arm = [&deadline, &timer, &loop] {
    const qint64 left = deadline.remainingTimeNSecs();
    if (left <= 0) {
      loop.quit();
      return;
    }
    timer.start(std::chrono::milliseconds((left + 999999) / 1000000));
  };
  QObject::connect(&timer, &QTimer::timeout, &loop, arm);
  if (deadline.hasExpired()) {
    return true;
  }
  arm();
  if (!timer.isActive()) {
    return false;
  }
  loop.exec();
  return true;
}

}  // namespace kestara::platform
