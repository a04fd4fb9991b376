// Raising a window to the top of the stacking order.
#pragma once

#include <QGuiApplication>
#include <QWidget>

namespace kestara {

// Headless platforms have no stacking order (and complain when asked).
inline void RaiseWindow(QWidget* window) {
  const QString platform = QGuiApplication::platformName();
  if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) window->raise();
}

}  // namespace kestara
