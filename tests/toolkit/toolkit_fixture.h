// Shared helpers of the toolkit tests: a call log for handlers, bounded
// waits, synthetic input, and a fixture that closes what a test loaded.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/form_builders.h"
#include "toolkit/form_def.h"
#include "toolkit/qt/shared.h"
#include "toolkit/toolkit.h"

namespace kestara::testing {

// What the handlers of the test forms did, in order.
inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

inline int Count(const std::string& entry) {
  return static_cast<int>(std::count(Log().begin(), Log().end(), entry));
}

// Runs events until done() holds or ms have passed; true when done.
inline bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  return true;
}

inline void PumpFor(int ms) {
  WaitFor([] { return false; }, ms);
}

inline QWidget* WidgetOf(const Control& control) { return WidgetForHandle(WindowHandle(control)); }

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

inline void SendKey(QWidget* widget, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

using fixtures::MakeControl;
using fixtures::MakeForm;

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override { Log().clear(); }

  void TearDown() override {
    for (const std::string& name : loaded_) DestroyForm(name);
    WaitFor([this] {
      return std::none_of(loaded_.begin(), loaded_.end(), [](const std::string& name) { return IsFormLoaded(name); });
    }, 2000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Load(const FormDef& def, bool modal = false) {
    loaded_.push_back(def.name);
    LoadForm(def, modal);
  }

  // Destroys a window and waits for the queued close.
  static bool Close(const std::string& name) {
    DestroyForm(name);
    return WaitFor([&name] { return !IsFormLoaded(name); }, 2000);
  }

 private:
  std::vector<std::string> loaded_;
};

}  // namespace kestara::testing
