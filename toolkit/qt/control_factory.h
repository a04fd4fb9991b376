// Creates the controls of a window from their definitions.
#pragma once

#include "toolkit/qt/form_registry.h"

namespace kestara {

// Builds every control of def in definition order inside form's window,
// so that the first one lies on top, and records them in form.
void BuildControls(FormRecord& form, const FormDef& def);

}  // namespace kestara
