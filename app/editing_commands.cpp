// Copy, paste and clear.
#include "app/main_controls.h"
#include "app/main_window.h"

namespace kestara {

void OnCopyClick() {
  SetClipboardText(GetProp(Main("编辑框2"), Prop::Text).Text());
}

void OnPasteClick() {
  SetProp(Main("编辑框1"), Prop::Text, GetClipboardText());
}

void OnClearClick() {
  SetProp(Main("编辑框1"), Prop::Text, "");
  SetProp(Main("编辑框2"), Prop::Text, "");
}

}  // namespace kestara
