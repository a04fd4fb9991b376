// The slide-up notification popup.
#include "build_config.h"
#include "popups/notification.h"
#include "toolkit/forms/forms.h"
#include "toolkit/media.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

ControlDef Timer(const char* name, Handler onTick) {
  return ControlDef{.name = name, .kind = Kind::Timer, .period = 0, .onTimer = onTick};
}

ControlDef PictureButton(const char* name, int left, int top, int width, int height,
                         const char* image, const char* hoverImage, Handler onClick) {
  return ControlDef{.name = name,
                    .kind = Kind::PictureButton,
                    .left = left,
                    .top = top,
                    .width = width,
                    .height = height,
                    .handCursor = true,
                    .images = {Media(image), Media(hoverImage), Bytes(), Bytes()},
                    .onClick = onClick};
}

FormDef BuildPopup() {
  const FontDef songTi14{Local("宋体-PUA"), -14};
  const FontDef songTi16{Local("宋体-PUA"), -16};
  return FormDef{
      .name = kPopup,
      .width = 325,
      .height = 262,
      .caption = std::string(),
      .background = Media("popup_background.gif"),
      .inTaskbar = false,
      .alwaysOnTop = false,
      .dragAnywhere = true,
      .escCloses = true,
      .visibleAtLoad = false,
      .onCreated = OnNotificationCreated,
      .onFirstActivated = nullptr,
      .onMouseMove = OnNotificationMouseMoved,
      .controls = {
          Timer("自动关闭", OnAutoCloseTick),
          Timer("时钟4", OnFadeOutTick),
          ControlDef{.name = "公告内容",
                     .kind = Kind::Label,
                     .left = 13,
                     .top = 32,
                     .width = 298,
                     .height = 171,
                     .text = Local("本人是电脑盲，完全不知道什么叫复制粘贴\r\n\r\n"
                                   "现在也不清楚自己如何把这些内容传上了网络\r\n\r\n"
                                   "同时，本人是文盲，并不明白上文的意思\r\n\r\n"
                                   "故本人不对以上内容负法律责任，请不要跨省追捕\r\n\r\n"
                                   "要详查请自己联系原作者，谢谢！"),
                     .textColour = 0x000000,
                     .backColour = 0xFFFFFF,
                     .font = songTi14,
                     .border = false,
                     .horizontalAlignment = 0,
                     .wordWrap = true},
          ControlDef{.name = "标签2",
                     .kind = Kind::Label,
                     .left = 8,
                     .top = 28,
                     .width = 308,
                     .height = 180,
                     .backColour = 0xFFFFFF,
                     .font = songTi14,
                     .border = false,
                     .wordWrap = true},
          ControlDef{.name = "网址",
                     .kind = Kind::HyperlinkBox,
                     .left = 24,
                     .top = 216,
                     .width = 48,
                     .height = 32,
                     .visible = false,
                     .text = Local("Tavrilo"),
                     .linkTarget = Local(kMakerHomeUrl)},
          ControlDef{.name = "标题内容",
                     .kind = Kind::Label,
                     .left = 30,
                     .top = 5,
                     .width = 215,
                     .height = 18,
                     .visible = false,
                     .text = Local("官方公告消息"),
                     .textColour = 0x800000,
                     .font = songTi16,
                     .border = false,
                     .raised = true,
                     .horizontalAlignment = 0,
                     .wordWrap = false,
                     .verticalAlignment = 1},
          Timer("时钟2", OnStartDelayTick),
          Timer("时钟3", OnBlinkTick),
          Timer("时钟1", OnRiseTick),
          PictureButton("关闭", 176, 218, 80, 25, "popup_close_button.gif",
                        "popup_close_button_hover.gif", OnNotificationCloseClick),
          PictureButton("查看", 80, 218, 80, 25, "popup_view_button.gif",
                        "popup_view_button_hover.gif", OnNotificationViewClick),
          PictureButton("图形按钮3", 249, 1, 25, 17, "popup_minimise.gif",
                        "popup_minimise_hover.gif", OnNotificationDropClick),
          PictureButton("图形按钮1", 274, 1, 43, 17, "popup_close.gif", "popup_close_hover.gif",
                        OnNotificationCloseGlyphClick),
      }};
}

}  // namespace

const FormDef& PopupForm() {
  static const FormDef form = BuildPopup();
  return form;
}

}  // namespace kestara
