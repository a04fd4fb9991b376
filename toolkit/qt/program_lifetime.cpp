// Start, event loop and end of the program.
#include "toolkit/qt/program_lifetime.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "toolkit/media.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/form_registry.h"
#include "toolkit/qt/handler_calls.h"
#include "toolkit/qt/pictures.h"
#include "toolkit/toolkit.h"

namespace kestara {
namespace {

// The application is never deleted: the program ends by leaving the
// process, and Qt's own globals are gone before a static would go.
struct Lifetime {
  Application* application = nullptr;
  void (*exitHandler)() = nullptr;
  bool exitHandlerRun = false;
  bool loopRunning = false;
};

Lifetime& State() {
  static Lifetime state;
  return state;
}

void RunExitHandlerOnce() {
  Lifetime& state = State();
  if (state.exitHandlerRun) return;
  state.exitHandlerRun = true;
  if (state.exitHandler != nullptr) state.exitHandler();
}

bool HeadlessPlatform() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

}  // namespace

void StartToolkit() {
  Lifetime& state = State();
  if (state.application) return;
  // The program reads no command line of its own.
  static int argc = 1;
  static char name[] = "kestara-translator";
  static char* argv[] = {name, nullptr};
  state.application = new Application(argc, argv);
  // Windows without a taskbar button count too: the loaded forms decide.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(DefaultGuiFont());
  const QIcon icon = IconFromBytes(Media("program.ico"));
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

int RunEventLoop() {
  Lifetime& state = State();
  int code = 0;
  if (state.application && AnyFormLoaded()) {
    state.loopRunning = true;
    code = QApplication::exec();
    state.loopRunning = false;
  }
  RunExitHandlerOnce();
  return code;
}

void LastWindowGone() {
  // With handlers still on the stack (a fade or an HTTP read pumping
  // events, say), returning from the loop would resume them with no
  // window left; the program ends here instead.
  if (HandlerDepth() > 0) ExitProgram(0);
  if (State().loopRunning) QCoreApplication::exit(0);
}

void SetExitHandler(void (*routine)()) { State().exitHandler = routine; }

void ExitProgram(int code) {
  RunExitHandlerOnce();
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  // Leaves from any depth of nested event loops; no destructor of a
  // window or of the application runs behind the exit handler's back.
  std::_Exit(code);
}

void ReportFatalError(int code) {
  const std::string message = "Run-time error " + std::to_string(code);
  std::fprintf(stderr, "%s\n", message.c_str());
  if (QApplication::instance() != nullptr) {
    HandlerScope scope;  // no window is deleted under the box
    QMessageBox box(QMessageBox::Critical, QStringLiteral("kestara-translator"), QString::fromStdString(message),
                    QMessageBox::Ok);
    if (HeadlessPlatform()) {
      // Nobody can answer it: show it briefly, then go on.
      box.show();
      QElapsedTimer shown;
      shown.start();
      while (shown.elapsed() < 200) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
      }
    } else {
      box.exec();
    }
  }
  ExitProgram(-1);
}

void PumpEvents() {
  if (QCoreApplication::instance() == nullptr) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace kestara
