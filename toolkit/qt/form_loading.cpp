// Loading and destroying windows.
#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>

#include "toolkit/qt/control_factory.h"
#include "toolkit/qt/events.h"
#include "toolkit/qt/form_registry.h"
#include "toolkit/qt/form_window.h"
#include "toolkit/qt/handler_calls.h"
#include "toolkit/qt/program_lifetime.h"
#include "toolkit/qt/raise_window.h"
#include "toolkit/qt/shared.h"

namespace kestara {
namespace {

void BringForward(FormWindow* window) {
  if (window == nullptr) return;
  if (window->isMinimized()) window->showNormal();
  RaiseWindow(window);
  window->activateWindow();
}

QPoint CentredOnPrimaryScreen(int width, int height) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return QPoint(0, 0);
  const QRect area = screen->geometry();
  return QPoint(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
}

// replacing: a new loading of the same form follows at once, so this is
// not the end of the last window.
void CloseFormInstance(Handle handle, bool replacing) {
  FormRecord* form = FindFormInstance(handle);
  if (form == nullptr) return;  // closed twice, or closed and loaded anew
  for (const std::unique_ptr<ControlRecord>& control : form->controls) {
    if (control->timer) control->timer->stop();
    control->period = 0;
  }
  const std::string name = form->name;
  RemoveTrayIcon(name);

  form = FindFormInstance(handle);
  if (form == nullptr) return;
  std::unique_ptr<FormRecord> record = RemoveForm(name);
  for (const std::unique_ptr<ControlRecord>& control : record->controls) ForgetHandle(control->handle);
  ForgetHandle(record->handle);
  if (FormWindow* window = record->window.data()) {
    window->hide();
    BuryWindow(window);
  }
  if (!replacing && !AnyFormLoaded()) LastWindowGone();
}

}  // namespace

void LoadForm(const FormDef& def, bool modal) {
  if (QGuiApplication::instance() == nullptr) return;
  if (FormRecord* loaded = FindForm(def.name)) {
    if (!loaded->closing) {
      BringForward(loaded->window.data());
      return;
    }
    // Destroyed and loaded again before the close came round: the old
    // window goes now and a new one is built, as if the close had run.
    CloseFormInstance(loaded->handle, true);
  }

  auto record = std::make_unique<FormRecord>();
  record->name = def.name;
  record->onCreated = def.onCreated;
  record->onFirstActivated = def.onFirstActivated;
  record->onMouseMove = def.onMouseMove;
  auto* window = new FormWindow(def);
  record->window = window;
  record->handle = RegisterHandle(window);
  window->SetFormHandle(record->handle);
  FormRecord& form = AddForm(std::move(record));
  BuildControls(form, def);
  window->move(CentredOnPrimaryScreen(def.width, def.height));
  if (modal) window->setWindowModality(Qt::ApplicationModal);

  const Handle handle = form.handle;
  RaiseCreated(handle);

  // The created handler may have pumped events and destroyed the window.
  FormRecord* created = FindFormInstance(handle);
  if (created == nullptr || !created->window) return;
  FormWindow* shown = created->window.data();
  const bool hiddenByHandler = shown->testAttribute(Qt::WA_WState_ExplicitShowHide) && shown->isHidden();
  if (def.visibleAtLoad && !hiddenByHandler) {
    shown->show();
    BringForward(shown);
  }
}

void DestroyForm(const std::string& name) {
  FormRecord* form = FindForm(name);
  QCoreApplication* application = QCoreApplication::instance();
  if (form == nullptr || application == nullptr) return;
  form->closing = true;
  const Handle handle = form->handle;
  QMetaObject::invokeMethod(application, [handle] { CloseFormInstance(handle, false); }, Qt::QueuedConnection);
}

bool IsFormLoaded(const std::string& name) { return FindForm(name) != nullptr; }

}  // namespace kestara
