// Shows one window as its form defines it and saves a picture of the screen
// where it lies. Usage: kestara-screenshot MainWindow|Popup|MessageBox OUT.png
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <cstdio>
#include <string>

#include "effects/effects.h"
#include "toolkit/forms/forms.h"
#include "toolkit/qt/shared.h"
#include "toolkit/toolkit.h"

namespace {

const kestara::FormDef* FormNamed(const std::string& name) {
  if (name == kestara::kMainWindow) return &kestara::MainWindowForm();
  if (name == kestara::kPopup) return &kestara::PopupForm();
  if (name == kestara::kMessageBox) return &kestara::MessageBoxForm();
  return nullptr;
}

void Wait(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    kestara::PumpEvents();
    QThread::msleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s MainWindow|Popup|MessageBox OUT.png\n", argv[0]);
    return 2;
  }
  const kestara::FormDef* form = FormNamed(argv[1]);
  if (form == nullptr) {
    std::fprintf(stderr, "unknown window %s\n", argv[1]);
    return 2;
  }
  kestara::StartToolkit();

  // Without the program's handlers: no fade, no popups of their own, no
  // texts of theirs; the window as defined, shown.
  static kestara::FormDef shown = *form;
  shown.onCreated = nullptr;
  shown.onFirstActivated = nullptr;
  shown.onMouseMove = nullptr;
  shown.visibleAtLoad = true;
  kestara::LoadForm(shown);
  Wait(800);
  // The labels the program makes see-through once the window is up.
  const kestara::Control window = kestara::WindowOf(shown.name);
  if (shown.name == kestara::kMainWindow) {
    kestara::SnapshotLabelBackground(window, {shown.name, "标签1"});
  } else if (shown.name == kestara::kMessageBox) {
    kestara::SnapshotLabelBackground(window, {shown.name, "标题内容"});
    kestara::SnapshotLabelBackground(window, {shown.name, "信息内容"});
  }
  Wait(300);

  QWidget* widget = kestara::WidgetForHandle(kestara::WindowHandle(window));
  QScreen* screen = QGuiApplication::primaryScreen();
  if (widget == nullptr || screen == nullptr) {
    std::fprintf(stderr, "no window on screen\n");
    kestara::ExitProgram(1);
  }
  const QRect area = widget->frameGeometry();
  const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    kestara::ExitProgram(1);
  }
  kestara::ExitProgram(0);
}
