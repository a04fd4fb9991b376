// Fixture for the program's own windows on the offscreen platform: finds
// widgets behind controls, clicks them, waits with a bound.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/service_url_for_tests.h"
#include "toolkit/forms/forms.h"
#include "toolkit/qt/shared.h"
#include "toolkit/toolkit.h"

namespace kestara::testing {

inline QWidget* WidgetOf(const Control& control) { return WidgetForHandle(WindowHandle(control)); }

// Processes events until the condition holds or the budget runs out.
inline bool WaitFor(const std::function<bool()>& condition, int budgetMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > budgetMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QTest::qSleep(2);
  }
  return true;
}

inline void Settle(int ms) {
  WaitFor([] { return false; }, ms);
}

// A click as the user makes it: press and release over the control.
inline void ClickOn(const Control& control) {
  QWidget* widget = WidgetOf(control);
  ASSERT_NE(widget, nullptr) << control.form << "/" << control.name;
  const QPoint centre(widget->width() / 2, widget->height() / 2);
  QTest::mouseMove(widget, centre);
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
}

inline void PressEscape(const Control& control) {
  QWidget* widget = WidgetOf(control);
  ASSERT_NE(widget, nullptr);
  QTest::keyClick(widget, Qt::Key_Escape);
}

// The whole content of a file; empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline std::string TextOf(const Control& control) { return GetProp(control, Prop::Text).Text(); }
inline bool VisibleOf(const Control& control) { return GetProp(control, Prop::Visible).Flag(); }
inline bool DisabledOf(const Control& control) { return GetProp(control, Prop::Disabled).Flag(); }

inline Control M(const char* name) { return Control{kMainWindow, name}; }
inline Control B(const char* name) { return Control{kMessageBox, name}; }
inline Control P(const char* name) { return Control{kPopup, name}; }

// Ends a death test's child at once: the test input devices QTest makes
// do not survive an orderly teardown of the application.
[[noreturn]] inline void QuitTest(int code) {
  fflush(stderr);
  std::_Exit(code);
}

// Runs `action` from the event loop `delayMs` from now, e.g. inside a
// handler's pump.
void Later(int delayMs, std::function<void()> action);

// Links opened through the shell, intercepted (never a real browser).
std::vector<std::string> OpenedLinks();

// The window's opacity 0..255 as the effects set it.
int OpacityOf(const std::string& form);

// Writes the first-run marker so that the welcome does not interfere.
void MarkNotFirstRun();

// Loads the main window and waits for its fade-in to end.
void LoadMainWindowAndWait();

// Answers the next file dialog with `path` (accept), or cancels it when
// the path is empty; also confirms or refuses an overwrite question.
void AnswerNextFileDialog(const std::string& localPath, bool confirmOverwrite = true);

}  // namespace kestara::testing
