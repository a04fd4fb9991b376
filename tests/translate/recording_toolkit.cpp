#include "tests/translate/recording_toolkit.h"

#include <cstdio>
#include <cstdlib>

namespace kestara {
namespace fixtures {

RecordingToolkit& RecordingToolkit::Instance() {
  static RecordingToolkit toolkit;
  return toolkit;
}

void RecordingToolkit::Reset() {
  values_.clear();
  writes_.clear();
  pumps = 0;
  onPump = nullptr;
  onFatal = nullptr;
}

void RecordingToolkit::Set(const Control& control, Prop property, Value value) {
  values_[{control.form, control.name}][property] = std::move(value);
}

Value RecordingToolkit::Get(const Control& control, Prop property) const {
  auto c = values_.find({control.form, control.name});
  if (c == values_.end()) return Value();
  auto p = c->second.find(property);
  return p == c->second.end() ? Value() : p->second;
}

void RecordingToolkit::RecordWrite(const Control& control, Prop property, const Value& value) {
  writes_.push_back(PropWrite{control, property, value});
  Set(control, property, value);
}

}  // namespace fixtures

Value GetProp(const Control& control, Prop property, int) {
  return fixtures::RecordingToolkit::Instance().Get(control, property);
}

void SetProp(const Control& control, Prop property, const Value& value) {
  fixtures::RecordingToolkit::Instance().RecordWrite(control, property, value);
}

void SetProp(const Control& control, Prop property, int, const Value& value) {
  fixtures::RecordingToolkit::Instance().RecordWrite(control, property, value);
}

void PumpEvents() {
  auto& toolkit = fixtures::RecordingToolkit::Instance();
  ++toolkit.pumps;
  if (toolkit.onPump) toolkit.onPump();
}

void ReportFatalError(int code) {
  auto& toolkit = fixtures::RecordingToolkit::Instance();
  std::string extra = toolkit.onFatal ? toolkit.onFatal() : std::string();
  std::fprintf(stderr, "fatal error %d%s\n", code, extra.c_str());
  std::fflush(stderr);
  std::_Exit(-1);
}

}  // namespace kestara
