// The timed message box.
#include "popups/message_box.h"
#include "toolkit/forms/forms.h"
#include "toolkit/media.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

FormDef BuildMessageBox() {
  return FormDef{
      .name = kMessageBox,
      .width = 352,
      .height = 125,
      .caption = Local("信息框"),
      .background = Media("msgbox_background.gif"),
      .inTaskbar = false,
      .alwaysOnTop = true,
      .dragAnywhere = true,
      .escCloses = true,
      .visibleAtLoad = true,
      .onCreated = OnMessageBoxCreated,
      .onFirstActivated = OnMessageBoxFirstActivated,
      .onMouseMove = nullptr,
      .controls = {
          ControlDef{.name = "时钟1",
                     .kind = Kind::Timer,
                     .period = 0,
                     .onTimer = OnMessageBoxTimerTick},
          ControlDef{.name = "标题内容",
                     .kind = Kind::Label,
                     .left = 6,
                     .top = 3,
                     .width = 290,
                     .height = 16,
                     .text = Local("标题"),
                     .textColour = 0xFFFFFF,
                     .border = false,
                     .horizontalAlignment = 0,
                     .wordWrap = false,
                     .verticalAlignment = 1},
          // Its grey is the body colour of the background picture.
          ControlDef{.name = "信息内容",
                     .kind = Kind::Label,
                     .left = 55,
                     .top = 32,
                     .width = 286,
                     .height = 50,
                     .textColour = 0x000000,
                     .backColour = 0xECECEC,
                     .border = false,
                     .horizontalAlignment = 0,
                     .wordWrap = false,
                     .verticalAlignment = 1},
          ControlDef{.name = "图形按钮2",
                     .kind = Kind::PictureButton,
                     .left = 303,
                     .top = 1,
                     .width = 43,
                     .height = 18,
                     .images = {Media("msgbox_close.gif"), Media("msgbox_close_hover.gif"), Bytes(),
                                Bytes()},
                     .onClick = OnMessageBoxCloseClick},
          ControlDef{.name = "图形按钮1",
                     .kind = Kind::PictureButton,
                     .left = 139,
                     .top = 91,
                     .width = 73,
                     .height = 19,
                     .images = {Media("msgbox_ok.gif"), Media("msgbox_ok_hover.gif"), Bytes(),
                                Bytes()},
                     .onClick = OnMessageBoxOkClick},
      }};
}

}  // namespace

const FormDef& MessageBoxForm() {
  static const FormDef form = BuildMessageBox();
  return form;
}

}  // namespace kestara
