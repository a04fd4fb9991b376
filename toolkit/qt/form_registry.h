// The loaded windows and their controls. Callers look a window or control
// up by name at every use and never keep a record across a handler call
// or a pump: the record may be gone afterwards.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/form_def.h"

namespace kestara {

class FormWindow;

struct FileDialogSettings {
  int type = 0;
  std::string title;   // local text
  std::string filter;  // local text, "desc|pattern|..."
  int flags = 0;
  std::string fileName;  // local text
};

struct ControlRecord {
  std::string name;
  Kind kind = Kind::Label;
  Handle handle = 0;  // 0 for the kinds without a window of their own
  QPointer<QWidget> widget;
  QPointer<QTimer> timer;
  int period = 0;
  FileDialogSettings dialog;
  std::string linkTarget;  // local text
  std::uint32_t textColour = 0;
  Handler onClick = nullptr;
  Handler onTimer = nullptr;
};

struct FormRecord {
  std::string name;
  Handle handle = 0;  // also tells one loading of the form from another
  QPointer<FormWindow> window;
  Handler onCreated = nullptr;
  Handler onFirstActivated = nullptr;
  Handler onMouseMove = nullptr;
  bool closing = false;  // destroyed, waiting for the next dispatch
  std::vector<std::unique_ptr<ControlRecord>> controls;  // definition order

  ControlRecord* FindControl(const std::string& controlName);
};

FormRecord* FindForm(const std::string& name);
// The loading of a form behind its window handle, if still loaded.
FormRecord* FindFormInstance(Handle handle);
FormRecord& AddForm(std::unique_ptr<FormRecord> form);
std::unique_ptr<FormRecord> RemoveForm(const std::string& name);
bool AnyFormLoaded();

// The widget of a window (empty control name) or control; nullptr if none.
QWidget* FindWidget(const Control& control);

Handle RegisterHandle(QWidget* widget);
void ForgetHandle(Handle handle);

}  // namespace kestara
