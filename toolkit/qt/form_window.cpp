#include "toolkit/qt/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include "toolkit/qt/events.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/shared.h"

namespace kestara {
namespace {

Qt::WindowFlags FlagsFor(const FormDef& def) {
  Qt::WindowFlags flags = Qt::FramelessWindowHint;
  // A tool window gets no taskbar button. The window manager is kept out of
  // its way too, so that it sits exactly where the program puts it: the
  // notification rises from below the bottom edge of the screen, which a
  // window manager would otherwise pull back onto the screen.
  flags |= def.inTaskbar ? Qt::Window : (Qt::Tool | Qt::X11BypassWindowManagerHint);
  if (def.alwaysOnTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

FormWindow::FormWindow(const FormDef& def)
    : QWidget(nullptr, FlagsFor(def)),
      name_(def.name),
      escCloses_(def.escCloses),
      dragAnywhere_(def.dragAnywhere) {
  setMouseTracking(true);
  setWindowTitle(ToQt(def.caption));
  resize(def.width, def.height);
  SetBackground(def.background);
}

void FormWindow::SetBackground(const Bytes& bytes) {
  backgroundBytes_ = bytes;
  background_ = PictureFromBytes(bytes);
  update();
}

bool FormWindow::AlwaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void FormWindow::SetAlwaysOnTop(bool on) {
  if (AlwaysOnTop() == on) return;
  Qt::WindowFlags flags = windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  // setWindowFlags would recreate and hide the native window; changing the
  // flags of the existing one keeps its place, opacity and shape.
  overrideWindowFlags(flags);
  if (QWindow* native = windowHandle()) native->setFlags(flags);
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activated_) {
    activated_ = true;
    const bool handled = QWidget::event(event);
    RaiseFirstActivated(handle_);
    return handled;
  }
  return QWidget::event(event);
}

void FormWindow::paintEvent(QPaintEvent*) {
  if (background_.isNull()) return;
  QPainter painter(this);
  painter.drawTiledPixmap(rect(), background_);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // A close from outside (window manager) ends the window like Esc does.
  event->ignore();
  DestroyForm(name_);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    for (QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isVisible() && button->isEnabled()) {
        button->click();
        return;
      }
    }
  }
  QWidget::keyPressEvent(event);
}

FormWindow* FormWindowOf(QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  return dynamic_cast<FormWindow*>(static_cast<QWidget*>(object)->window());
}

}  // namespace kestara
