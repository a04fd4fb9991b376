// A stand-in for the window toolkit's property and event operations: it
// holds property values per control, records every write in order and
// counts event pumps. ReportFatalError runs the fatal hook, prints the code
// and ends the process with -1, so tests observe it with EXPECT_EXIT.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

namespace kestara::fixtures {

struct PropWrite {
  Control control;
  Prop property;
  Value value;
};

class RecordingToolkit {
 public:
  // The one instance the toolkit functions use; Reset() clears it.
  static RecordingToolkit& Instance();
  void Reset();

  void Set(const Control& control, Prop property, Value value);
  Value Get(const Control& control, Prop property) const;

  const std::vector<PropWrite>& Writes() const { return writes_; }
  void RecordWrite(const Control& control, Prop property, const Value& value);

  int pumps = 0;
  std::function<void()> onPump;              // runs inside every PumpEvents
  std::function<std::string()> onFatal;      // its text is printed with the code

 private:
  std::map<std::pair<std::string, std::string>, std::map<Prop, Value>> values_;
  std::vector<PropWrite> writes_;
};

}  // namespace kestara::fixtures
