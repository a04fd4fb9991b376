#include "toolkit/qt/application.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "toolkit/qt/events.h"
#include "toolkit/qt/form_window.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/picture_box.h"

namespace kestara {
namespace {

// Pressing on the window's own background, a label or a picture box moves
// the window; buttons, edit boxes and picture buttons keep their presses.
bool StartsDrag(QWidget* pressed, FormWindow* window) {
  if (pressed == window) return true;
  return dynamic_cast<Label*>(pressed) != nullptr || dynamic_cast<PictureBox*>(pressed) != nullptr;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  // Mouse and key events reach the native window first and then each
  // widget on the way up; only the widget's first delivery counts here.
  if (receiver != nullptr && receiver->isWidgetType()) {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (EscapeCloses(receiver, event)) return true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        TrackDrag(receiver, event);
        break;
      case QEvent::MouseMove: {
        TrackDrag(receiver, event);
        if (FormWindow* window = FormWindowOf(receiver)) {
          QPointer<QObject> alive(receiver);
          RaiseMouseMove(window->FormHandle());
          if (!alive) return true;
        }
        break;
      }
      default:
        break;
    }
  }
  return QApplication::notify(receiver, event);
}

bool Application::EscapeCloses(QObject* receiver, QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
  FormWindow* window = FormWindowOf(receiver);
  if (window == nullptr || !window->EscCloses()) return false;
  DestroyForm(window->FormName());
  return true;
}

void Application::TrackDrag(QObject* receiver, QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      FormWindow* window = FormWindowOf(receiver);
      if (mouse->button() == Qt::LeftButton && window != nullptr && window->DragAnywhere() &&
          StartsDrag(static_cast<QWidget*>(receiver), window)) {
        dragged_ = window;
        dragStartGlobal_ = global;
        dragStartPos_ = window->pos();
      }
      break;
    }
    case QEvent::MouseMove:
      if (dragged_ && mouse->buttons().testFlag(Qt::LeftButton)) {
        dragged_->move(dragStartPos_ + (global - dragStartGlobal_));
      } else {
        dragged_.clear();
      }
      break;
    case QEvent::MouseButtonRelease:
      if (mouse->button() == Qt::LeftButton) dragged_.clear();
      break;
    default:
      break;
  }
}

}  // namespace kestara
