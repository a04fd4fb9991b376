// The program's three windows.
#pragma once

#include "toolkit/form_def.h"

namespace kestara {

inline constexpr const char kMainWindow[] = "MainWindow";
inline constexpr const char kPopup[] = "Popup";
inline constexpr const char kMessageBox[] = "MessageBox";

const FormDef& MainWindowForm();
const FormDef& PopupForm();
const FormDef& MessageBoxForm();

}  // namespace kestara
