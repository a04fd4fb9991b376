// What the X11 tests share: waiting with events, running the desktop's
// tools, pictures for the window backgrounds, and the test forms.
#pragma once

#include <QBuffer>
#include <QColor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <string>

#include "tests/support/form_builders.h"
#include "toolkit/form_def.h"
#include "toolkit/qt/shared.h"
#include "toolkit/toolkit.h"

namespace kestara::testing {

inline void RunEventsFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// Runs a desktop tool to its end (bounded); its standard output.
inline QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished(2000);
    return {};
  }
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

inline std::string Png(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

inline QImage FromPng(const std::string& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG");
}

inline std::string SolidPicture(int width, int height, const QColor& colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return Png(image);
}

// Red on the left half, blue on the right half.
inline std::string SplitPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
  return Png(image);
}

inline FormDef PlainForm(const std::string& name, int width, int height, const std::string& background) {
  return fixtures::MakeForm(name, width, height, background);
}

inline ControlDef LabelAt(const std::string& name, int left, int top, int width, int height) {
  return fixtures::MakeControl(name, Kind::Label, left, top, width, height);
}

// The X11 window of a toolkit window.
inline unsigned long XWindowOf(const Control& window) {
  QWidget* widget = WidgetForHandle(WindowHandle(window));
  return widget != nullptr ? static_cast<unsigned long>(widget->window()->winId()) : 0;
}

// The window's _NET_WM_WINDOW_OPACITY as the X server holds it; -1 when
// it is not set.
inline long long XOpacity(unsigned long window) {
  const QString out =
      RunTool("xprop", {"-id", QString::number(window), "-notype", "_NET_WM_WINDOW_OPACITY"});
  const int equals = out.indexOf('=');
  if (equals < 0) {
    return -1;
  }
  bool ok = false;
  const long long value = out.mid(equals + 1).trimmed().toLongLong(&ok);
  return ok ? value : -1;
}

inline long long OpacityValue(int alpha) { return static_cast<long long>(alpha) * 0xFFFFFFFFLL / 255; }

// Where a control's top-left corner lies on the screen.
inline QPoint ScreenPositionOf(const Control& control) {
  QWidget* widget = WidgetForHandle(WindowHandle(control));
  return widget != nullptr ? widget->mapToGlobal(QPoint(0, 0)) : QPoint();
}

inline QImage ScreenPicture(const Control& control) { return FromPng(SnapshotArea(WindowHandle(control))); }

}  // namespace kestara::testing
