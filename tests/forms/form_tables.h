// The three windows as they must come out: every control in stacking order
// with its place, visibility and text (expected local-text bytes, written
// out in GBK so that a wrong conversion shows).
#pragma once

#include <string>
#include <ostream>
#include <vector>

#include "toolkit/form_def.h"
#include "toolkit/forms/forms.h"

namespace kestara::test {

struct ExpectedControl {
  const char* name;
  Kind kind;
  int left, top, width, height;
  bool visible;
  std::string text;
};

struct ExpectedForm {
  const char* name;
  const FormDef& (*definition)();
  int width, height;
  std::vector<ExpectedControl> controls;
};

// Test names and messages show the form's name, not its bytes.
inline void PrintTo(const ExpectedForm& form, std::ostream* out) { *out << form.name; }

inline const std::vector<ExpectedForm>& ExpectedForms() {
  static const std::vector<ExpectedForm> forms = {
      {kMainWindow, MainWindowForm, 601, 451,
       {
           {"标签1", Kind::Label, 160, 8, 176, 16, true, " -  Kestara\xD7\xA8\xB0\xE6"},
           {"超级链接框1", Kind::HyperlinkBox, 160, 112, 48, 32, false, "Tavrilo"},
           {"按钮7", Kind::Button, 344, 214, 75, 25, true, "\xB1\xA3 \xB4\xE6"},
           {"通用对话框1", Kind::FileDialog, 32, 176, 40, 24, false, ""},
           {"按钮6", Kind::Button, 509, 214, 75, 25, true, "\xD6\xF7 \xD2\xB3"},
           {"按钮5", Kind::Button, 16, 214, 75, 25, true, "\xB5\xBC \xC8\xEB"},
           {"图片框1", Kind::PictureBox, 230, 140, 145, 15, false, ""},
           {"标签3", Kind::Label, 144, 85, 320, 96, false,
            "\r\n\r\n\xD5\xFD\xD4\xDA\xB7\xAD\xD2\xEB\xD6\xD0\xD6\xD0,\xC7\xEB\xC9\xD4\xBA\xF2"},
           {"按钮4", Kind::Button, 426, 214, 75, 25, true, "\xB8\xB4 \xD6\xC6"},
           {"编辑框2", Kind::EditBox, 20, 267, 560, 162, true, ""},
           {"标签2", Kind::Label, 16, 244, 568, 20, true, " \xB7\xAD\xD2\xEB\xBD\xE1\xB9\xFB:"},
           {"按钮3", Kind::Button, 180, 214, 75, 25, true, "\xC7\xE5 \xBF\xD5"},
           {"按钮2", Kind::Button, 98, 214, 75, 25, true, "\xD5\xB3 \xCC\xF9"},
           {"按钮1", Kind::Button, 262, 214, 75, 25, true, "\xB7\xAD\xD2\xEB"},
           {"组合框1", Kind::ComboBox, 312, 515, 168, 20, false, ""},
           {"编辑框1", Kind::EditBox, 20, 63, 560, 142, true, ""},
           {"标签4", Kind::Label, 16, 40, 568, 20, true, " \xD4\xAD\xCA\xBC\xC4\xDA\xC8\xDD:"},
           {"图形按钮3", Kind::PictureButton, 498, 1, 26, 18, true, ""},
           {"图形按钮2", Kind::PictureButton, 524, 1, 26, 18, true, ""},
           {"图形按钮1", Kind::PictureButton, 550, 1, 44, 18, true, ""},
       }},
      {kPopup, PopupForm, 325, 262,
       {
           {"自动关闭", Kind::Timer, 0, 0, 0, 0, true, ""},
           {"时钟4", Kind::Timer, 0, 0, 0, 0, true, ""},
           {"公告内容", Kind::Label, 13, 32, 298, 171, true,
            "\xB1\xBE\xC8\xCB\xCA\xC7\xB5\xE7\xC4\xD4\xC3\xA4\xA3\xAC\xCD\xEA\xC8\xAB\xB2\xBB\xD6"
            "\xAA\xB5\xC0\xCA\xB2\xC3\xB4\xBD\xD0\xB8\xB4\xD6\xC6\xD5\xB3\xCC\xF9\r\n\r\n\xCF\xD6"
            "\xD4\xDA\xD2\xB2\xB2\xBB\xC7\xE5\xB3\xFE\xD7\xD4\xBC\xBA\xC8\xE7\xBA\xCE\xB0\xD1\xD5"
            "\xE2\xD0\xA9\xC4\xDA\xC8\xDD\xB4\xAB\xC9\xCF\xC1\xCB\xCD\xF8\xC2\xE7\r\n\r\n\xCD\xAC"
            "\xCA\xB1\xA3\xAC\xB1\xBE\xC8\xCB\xCA\xC7\xCE\xC4\xC3\xA4\xA3\xAC\xB2\xA2\xB2\xBB\xC3"
            "\xF7\xB0\xD7\xC9\xCF\xCE\xC4\xB5\xC4\xD2\xE2\xCB\xBC\r\n\r\n\xB9\xCA\xB1\xBE\xC8\xCB"
            "\xB2\xBB\xB6\xD4\xD2\xD4\xC9\xCF\xC4\xDA\xC8\xDD\xB8\xBA\xB7\xA8\xC2\xC9\xD4\xF0\xC8"
            "\xCE\xA3\xAC\xC7\xEB\xB2\xBB\xD2\xAA\xBF\xE7\xCA\xA1\xD7\xB7\xB2\xB6\r\n\r\n\xD2\xAA"
            "\xCF\xEA\xB2\xE9\xC7\xEB\xD7\xD4\xBC\xBA\xC1\xAA\xCF\xB5\xD4\xAD\xD7\xF7\xD5\xDF\xA3"
            "\xAC\xD0\xBB\xD0\xBB\xA3\xA1"},
           {"标签2", Kind::Label, 8, 28, 308, 180, true, ""},
           {"网址", Kind::HyperlinkBox, 24, 216, 48, 32, false, "Tavrilo"},
           {"标题内容", Kind::Label, 30, 5, 215, 18, false,
            "\xB9\xD9\xB7\xBD\xB9\xAB\xB8\xE6\xCF\xFB\xCF\xA2"},
           {"时钟2", Kind::Timer, 0, 0, 0, 0, true, ""},
           {"时钟3", Kind::Timer, 0, 0, 0, 0, true, ""},
           {"时钟1", Kind::Timer, 0, 0, 0, 0, true, ""},
           {"关闭", Kind::PictureButton, 176, 218, 80, 25, true, ""},
           {"查看", Kind::PictureButton, 80, 218, 80, 25, true, ""},
           {"图形按钮3", Kind::PictureButton, 249, 1, 25, 17, true, ""},
           {"图形按钮1", Kind::PictureButton, 274, 1, 43, 17, true, ""},
       }},
      {kMessageBox, MessageBoxForm, 352, 125,
       {
           {"时钟1", Kind::Timer, 0, 0, 0, 0, true, ""},
           {"标题内容", Kind::Label, 6, 3, 290, 16, true, "\xB1\xEA\xCC\xE2"},
           {"信息内容", Kind::Label, 55, 32, 286, 50, true, ""},
           {"图形按钮2", Kind::PictureButton, 303, 1, 43, 18, true, ""},
           {"图形按钮1", Kind::PictureButton, 139, 91, 73, 19, true, ""},
       }},
  };
  return forms;
}

inline const ControlDef* FindControl(const FormDef& form, const std::string& name) {
  for (const ControlDef& control : form.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

}  // namespace kestara::test
