// The primary screen's size and snapshots of what the screen shows.
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "toolkit/qt/shared.h"

namespace kestara {
namespace {

QScreen* PrimaryScreen() {
  return QGuiApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
}

// The rectangle of a window (its frame) or of a control, in screen
// coordinates.
QRect ScreenRectOf(const QWidget& widget) {
  if (widget.isWindow()) {
    return widget.frameGeometry();
  }
  return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// Where the screen cannot be read (the offscreen platform), the window
// renders that area itself.
QPixmap RenderedArea(QWidget& widget) {
  QWidget* window = widget.window();
  const QRect area(widget.mapTo(window, QPoint(0, 0)), widget.size());
  return window->grab(area);
}

QPixmap ScreenArea(const QRect& rect) {
  QScreen* screen = QGuiApplication::screenAt(rect.center());
  if (screen == nullptr) {
    screen = PrimaryScreen();
  }
  if (screen == nullptr) {
    return {};
  }
  const QPoint origin = screen->geometry().topLeft();
  return screen->grabWindow(0, rect.x() - origin.x(), rect.y() - origin.y(), rect.width(), rect.height());
}

Bytes PngBytes(const QPixmap& picture) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) {
    return {};
  }
  return Bytes(png.constData(), static_cast<std::size_t>(png.size()));
}

}  // namespace

int ScreenWidth() {
  QScreen* screen = PrimaryScreen();
  return screen != nullptr ? screen->geometry().width() : 0;
}

int ScreenHeight() {
  QScreen* screen = PrimaryScreen();
  return screen != nullptr ? screen->geometry().height() : 0;
}

Bytes SnapshotArea(Handle handle) {
  QWidget* widget = WidgetForHandle(handle);
  if (widget == nullptr) {
    return {};
  }
  const QRect rect = ScreenRectOf(*widget);
  if (rect.isEmpty()) {
    return {};
  }
  QPixmap picture;
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
    picture = ScreenArea(rect);
  }
  if (picture.isNull()) {
    picture = RenderedArea(*widget);
  }
  if (picture.isNull()) {
    return {};
  }
  return PngBytes(picture);
}

}  // namespace kestara
