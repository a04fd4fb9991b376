// The window toolkit as the program sees it: windows built from form
// definitions, controls addressed by form and control name, properties by
// name. Everything runs on the one window thread. Every operation is safe on
// a window or control that does not exist (any more): it does nothing and
// reads give 0 or empty.
//
// Texts crossing this interface are local text (CP936 bytes); byte buffers
// are std::string too and may hold zero bytes.
#pragma once

#include <cstdint>
#include <string>

namespace kestara {

struct FormDef;

using Bytes = std::string;

// A control of a loaded window; an empty name means the window itself.
struct Control {
  std::string form;
  std::string name;
};

inline Control WindowOf(const std::string& form) { return Control{form, std::string()}; }

enum class Prop {
  Left,
  Top,
  Width,
  Height,
  Visible,
  Disabled,
  Text,
  TimerPeriod,
  DialogType,
  FileName,
  LinkTarget,
  Font,
  TextColor,
  BackgroundPicture,
  CurrentSelection,
  HorizontalAlignment,
  WordWrap,
  AlwaysOnTop,
};

// Members of Prop::Font.
constexpr int kFontSize = 5;  // points
constexpr int kFontName = 6;  // face name; empty means "宋体"

// A property value: a number (flags are 0 or 1) or a text / byte buffer.
class Value {
 public:
  Value() = default;
  Value(bool flag) : number_(flag ? 1 : 0) {}
  Value(int number) : number_(number) {}
  Value(std::int64_t number) : number_(number) {}
  Value(std::string text) : text_(std::move(text)), isText_(true) {}
  Value(const char* text) : text_(text), isText_(true) {}

  std::int64_t Number() const { return number_; }
  bool Flag() const { return number_ != 0; }
  const std::string& Text() const { return text_; }
  bool IsText() const { return isText_; }

 private:
  std::int64_t number_ = 0;
  std::string text_;
  bool isText_ = false;
};

// An opaque OS-level handle of a window or control; 0 is none.
using Handle = std::uintptr_t;

// Start-up and end.
void StartToolkit();
int RunEventLoop();  // returns when the last window of the program has closed
void SetExitHandler(void (*routine)());
[[noreturn]] void ExitProgram(int code);
[[noreturn]] void ReportFatalError(int code);

// Windows.
void LoadForm(const FormDef& form, bool modal = false);
void DestroyForm(const std::string& form);
bool IsFormLoaded(const std::string& form);
void PumpEvents();

// Properties; member is used by Prop::Font only.
Value GetProp(const Control& control, Prop property, int member = 0);
void SetProp(const Control& control, Prop property, const Value& value);
void SetProp(const Control& control, Prop property, int member, const Value& value);

Handle WindowHandle(const Control& control);
void RefreshWindow(const Control& window);
void FocusControl(const Control& control);

// Screen.
int ScreenWidth();
int ScreenHeight();
// Picture (image-file bytes) of what the screen shows inside the rectangle
// of the window or control behind the handle; empty when there is none.
Bytes SnapshotArea(Handle handle);

// Services.
void PlaySoundBytes(const Bytes& wav);
void SetTrayIcon(const std::string& form, const Bytes& icon, const std::string& tip = std::string());
bool OpenLink(const Control& link);
bool RunFileDialog(const Control& dialog);
bool FileExists(const std::string& name);
std::string ReadTextFile(const std::string& name);
bool WriteBytesFile(const std::string& name, const Bytes& bytes);
std::string GetClipboardText();
void SetClipboardText(const std::string& text);

}  // namespace kestara
