// Import a text file into the source box; save the result to a file.
#include "app/main_controls.h"
#include "app/main_window.h"
#include "translate/code_page.h"

namespace kestara {

void OnImportClick() {
  SetProp(Main("通用对话框1"), Prop::FileName, "");
  SetProp(Main("通用对话框1"), Prop::DialogType, 0);
  if (!RunFileDialog(Main("通用对话框1"))) return;
  const std::string path = GetProp(Main("通用对话框1"), Prop::FileName).Text();
  const std::string text = ReadTextFile(path);
  SetProp(Main("编辑框1"), Prop::Text, text);
}

void OnSaveClick() {
  SetProp(Main("通用对话框1"), Prop::FileName, Local("翻译结果"));
  SetProp(Main("通用对话框1"), Prop::DialogType, 1);
  if (!RunFileDialog(Main("通用对话框1"))) return;
  const Bytes bytes = GetProp(Main("编辑框2"), Prop::Text).Text();
  WriteBytesFile(GetProp(Main("通用对话框1"), Prop::FileName).Text(), bytes);
}

}  // namespace kestara
