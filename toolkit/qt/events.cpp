#include "toolkit/qt/events.h"

#include "toolkit/qt/form_registry.h"
#include "toolkit/qt/handler_calls.h"

namespace kestara {
namespace {

ControlRecord* FindInstanceControl(Handle form, const std::string& control) {
  FormRecord* record = FindFormInstance(form);
  return record == nullptr ? nullptr : record->FindControl(control);
}

}  // namespace

void RaiseCreated(Handle form) {
  if (FormRecord* record = FindFormInstance(form)) CallHandler(record->onCreated);
}

void RaiseFirstActivated(Handle form) {
  if (FormRecord* record = FindFormInstance(form)) CallHandler(record->onFirstActivated);
}

void RaiseMouseMove(Handle form) {
  if (FormRecord* record = FindFormInstance(form)) CallHandler(record->onMouseMove);
}

void RaiseClick(Handle form, const std::string& control) {
  if (ControlRecord* record = FindInstanceControl(form, control)) CallHandler(record->onClick);
}

void RaiseTimer(Handle form, const std::string& control) {
  if (ControlRecord* record = FindInstanceControl(form, control)) CallHandler(record->onTimer);
}

}  // namespace kestara
