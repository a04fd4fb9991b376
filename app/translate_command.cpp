// The translate button: refuse an empty text, otherwise run one exchange
// with the busy state shown.
#include "app/main_controls.h"
#include "app/main_window.h"
#include "popups/message_box.h"
#include "translate/code_page.h"
#include "translate/local_text.h"
#include "translate/translation.h"

namespace kestara {

void OnTranslateClick() {
  if (TrimSpaces(GetProp(Main("编辑框1"), Prop::Text).Text()).empty()) {
    ShowMessageBox(Local("Hi,亲爱的网友:很高兴见到你!\r\n\r\n貌似你还没有输入需要翻译的内容,叫我怎么翻译呀?"),
                   Local(" 出错啦"), 5);
    FocusControl(Main("编辑框1"));
    return;
  }
  SetProp(Main("标签3"), Prop::Visible, true);
  SetProp(Main("编辑框2"), Prop::Text, "");
  SetProp(Main("编辑框1"), Prop::Disabled, true);
  SetProp(Main("按钮1"), Prop::Disabled, true);
  SetProp(Main("按钮2"), Prop::Disabled, true);
  SetProp(Main("按钮3"), Prop::Disabled, true);
  SetProp(Main("图片框1"), Prop::Visible, true);
  PumpEvents();
  Translate();
  SetProp(Main("编辑框1"), Prop::Disabled, false);
  SetProp(Main("按钮1"), Prop::Disabled, false);
  SetProp(Main("按钮2"), Prop::Disabled, false);
  SetProp(Main("按钮3"), Prop::Disabled, false);
  SetProp(Main("图片框1"), Prop::Visible, false);
}

}  // namespace kestara
