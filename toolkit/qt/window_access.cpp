// Handles, repainting and focus of windows and controls.
#include "toolkit/qt/form_registry.h"
#include "toolkit/qt/form_window.h"

namespace kestara {

Handle WindowHandle(const Control& control) {
  FormRecord* form = FindForm(control.form);
  if (form == nullptr) return 0;
  if (control.name.empty()) return form->handle;
  ControlRecord* record = form->FindControl(control.name);
  return record == nullptr ? 0 : record->handle;
}

void RefreshWindow(const Control& window) {
  if (QWidget* widget = FindWidget(window)) widget->repaint();
}

void FocusControl(const Control& control) {
  QWidget* widget = FindWidget(control);
  if (widget == nullptr) return;
  if (widget->isWindow()) {
    widget->activateWindow();
  } else {
    widget->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace kestara
