#include "toolkit/qt/form_registry.h"

#include <map>

#include "toolkit/qt/form_window.h"
#include "toolkit/qt/shared.h"

namespace kestara {
namespace {

std::map<std::string, std::unique_ptr<FormRecord>>& Forms() {
  static std::map<std::string, std::unique_ptr<FormRecord>> forms;
  return forms;
}

struct HandleTable {
  Handle next = 0x10;
  std::map<Handle, QPointer<QWidget>> widgets;
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

}  // namespace

ControlRecord* FormRecord::FindControl(const std::string& controlName) {
  for (const std::unique_ptr<ControlRecord>& control : controls) {
    if (control->name == controlName) return control.get();
  }
  return nullptr;
}

FormRecord* FindForm(const std::string& name) {
  auto found = Forms().find(name);
  return found == Forms().end() ? nullptr : found->second.get();
}

FormRecord* FindFormInstance(Handle handle) {
  if (handle == 0) return nullptr;
  for (auto& [name, form] : Forms()) {
    if (form->handle == handle) return form.get();
  }
  return nullptr;
}

FormRecord& AddForm(std::unique_ptr<FormRecord> form) {
  std::unique_ptr<FormRecord>& slot = Forms()[form->name];
  slot = std::move(form);
  return *slot;
}

std::unique_ptr<FormRecord> RemoveForm(const std::string& name) {
  auto found = Forms().find(name);
  if (found == Forms().end()) return nullptr;
  std::unique_ptr<FormRecord> form = std::move(found->second);
  Forms().erase(found);
  return form;
}

bool AnyFormLoaded() { return !Forms().empty(); }

QWidget* FindWidget(const Control& control) {
  FormRecord* form = FindForm(control.form);
  if (form == nullptr) return nullptr;
  if (control.name.empty()) return form->window.data();
  ControlRecord* record = form->FindControl(control.name);
  return record == nullptr ? nullptr : record->widget.data();
}

Handle RegisterHandle(QWidget* widget) {
  HandleTable& table = Handles();
  const Handle handle = table.next;
  table.next += 4;
  table.widgets[handle] = widget;
  return handle;
}

void ForgetHandle(Handle handle) { Handles().widgets.erase(handle); }

QWidget* WidgetForHandle(Handle handle) {
  auto found = Handles().widgets.find(handle);
  return found == Handles().widgets.end() ? nullptr : found->second.data();
}

}  // namespace kestara
