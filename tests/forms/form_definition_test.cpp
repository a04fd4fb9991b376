// The form definitions as data: controls, texts, settings and bindings.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/main_window.h"
#include "build_config.h"
#include "popups/message_box.h"
#include "popups/notification.h"
#include "tests/forms/form_tables.h"
#include "toolkit/media.h"

namespace kestara::test {
namespace {

const std::string kSongTi = "\xCB\xCE\xCC\xE5-PUA";
constexpr std::uint32_t kNavy = 0x800000;

class FormDefinition : public ::testing::TestWithParam<ExpectedForm> {};

TEST_P(FormDefinition, ListsEveryControlInStackingOrderWithPlaceVisibilityAndText) {
  const ExpectedForm& expected = GetParam();
  const FormDef& form = expected.definition();
  EXPECT_EQ(form.name, expected.name);
  EXPECT_EQ(form.width, expected.width);
  EXPECT_EQ(form.height, expected.height);
  ASSERT_EQ(form.controls.size(), expected.controls.size());
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const ControlDef& c = form.controls[i];
    const ExpectedControl& e = expected.controls[i];
    SCOPED_TRACE(std::string(expected.name) + "/" + e.name);
    EXPECT_EQ(c.name, e.name) << "stacking position " << i;
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ(c.left, e.left);
    EXPECT_EQ(c.top, e.top);
    EXPECT_EQ(c.width, e.width);
    EXPECT_EQ(c.height, e.height);
    if (c.kind != Kind::Timer) {
      EXPECT_EQ(c.visible, e.visible);
    }
    EXPECT_EQ(c.text, e.text);
  }
}

TEST_P(FormDefinition, HasUniqueNamesAndKeepsControlsInsideExceptTheHiddenCombo) {
  const FormDef& form = GetParam().definition();
  std::set<std::string> names;
  for (const ControlDef& c : form.controls) {
    EXPECT_TRUE(names.insert(c.name).second) << "duplicate " << c.name;
    const bool inside = c.left >= 0 && c.top >= 0 && c.left + c.width <= form.width &&
                        c.top + c.height <= form.height;
    EXPECT_EQ(inside, c.name != "组合框1") << c.name;
  }
}

TEST_P(FormDefinition, StartsEveryTimerStoppedAndDisablesNothing) {
  for (const ControlDef& c : GetParam().definition().controls) {
    EXPECT_EQ(c.period, 0) << c.name;
    if (c.kind == Kind::Timer) {
      EXPECT_NE(c.onTimer, nullptr) << c.name;
    } else {
      EXPECT_EQ(c.onTimer, nullptr) << c.name;
    }
  }
}

TEST_P(FormDefinition, GivesEveryPictureButtonItsNormalAndHoverImage) {
  for (const ControlDef& c : GetParam().definition().controls) {
    if (c.kind != Kind::PictureButton) continue;
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(c.images[kNormalImage].empty());
    EXPECT_FALSE(c.images[kHoverImage].empty());
    EXPECT_NE(c.images[kNormalImage], c.images[kHoverImage]);
    EXPECT_TRUE(c.images[kPressedImage].empty());
    EXPECT_TRUE(c.images[kDisabledImage].empty());
  }
}

INSTANTIATE_TEST_SUITE_P(All, FormDefinition, ::testing::ValuesIn(ExpectedForms()),
                         [](const auto& test) { return std::string(test.param.name); });

struct WindowSettings {
  const FormDef& (*definition)();
  std::string caption;
  const char* background;
  bool inTaskbar, alwaysOnTop, visibleAtLoad;
  Handler created, firstActivated, mouseMoved;
};

TEST(WindowSettings, MatchEachWindow) {
  const WindowSettings table[] = {
      {MainWindowForm, "", "main_background.gif", true, false, true, OnMainWindowCreated,
       OnMainWindowFirstActivated, nullptr},
      {PopupForm, "", "popup_background.gif", false, false, false, OnNotificationCreated, nullptr,
       OnNotificationMouseMoved},
      {MessageBoxForm, "\xD0\xC5\xCF\xA2\xBF\xF2", "msgbox_background.gif", false, true, true,
       OnMessageBoxCreated, OnMessageBoxFirstActivated, nullptr},
  };
  for (const WindowSettings& w : table) {
    const FormDef& form = w.definition();
    SCOPED_TRACE(form.name);
    EXPECT_EQ(form.caption, w.caption);
    EXPECT_FALSE(form.background.empty());
    EXPECT_EQ(form.background, Media(w.background));
    EXPECT_EQ(form.inTaskbar, w.inTaskbar);
    EXPECT_EQ(form.alwaysOnTop, w.alwaysOnTop);
    EXPECT_TRUE(form.dragAnywhere);
    EXPECT_TRUE(form.escCloses);
    EXPECT_EQ(form.visibleAtLoad, w.visibleAtLoad);
    EXPECT_EQ(form.onCreated, w.created);
    EXPECT_EQ(form.onFirstActivated, w.firstActivated);
    EXPECT_EQ(form.onMouseMove, w.mouseMoved);
  }
}

struct Binding {
  const FormDef& (*definition)();
  const char* control;
  Handler onClick;
  Handler onTimer;
};

TEST(EventBindings, TieEachControlToItsHandler) {
  const Binding table[] = {
      {MainWindowForm, "按钮7", OnSaveClick, nullptr},
      {MainWindowForm, "按钮6", OnHomePageClick, nullptr},
      {MainWindowForm, "按钮5", OnImportClick, nullptr},
      {MainWindowForm, "按钮4", OnCopyClick, nullptr},
      {MainWindowForm, "按钮3", OnClearClick, nullptr},
      {MainWindowForm, "按钮2", OnPasteClick, nullptr},
      {MainWindowForm, "按钮1", OnTranslateClick, nullptr},
      {MainWindowForm, "图形按钮3", nullptr, nullptr},
      {MainWindowForm, "图形按钮2", OnHomeGlyphClick, nullptr},
      {MainWindowForm, "图形按钮1", OnCloseClick, nullptr},
      {MainWindowForm, "标签1", nullptr, nullptr},
      {MainWindowForm, "编辑框1", nullptr, nullptr},
      {MainWindowForm, "组合框1", nullptr, nullptr},
      {PopupForm, "自动关闭", nullptr, OnAutoCloseTick},
      {PopupForm, "时钟4", nullptr, OnFadeOutTick},
      {PopupForm, "时钟2", nullptr, OnStartDelayTick},
      {PopupForm, "时钟3", nullptr, OnBlinkTick},
      {PopupForm, "时钟1", nullptr, OnRiseTick},
      {PopupForm, "关闭", OnNotificationCloseClick, nullptr},
      {PopupForm, "查看", OnNotificationViewClick, nullptr},
      {PopupForm, "图形按钮3", OnNotificationDropClick, nullptr},
      {PopupForm, "图形按钮1", OnNotificationCloseGlyphClick, nullptr},
      {PopupForm, "公告内容", nullptr, nullptr},
      {MessageBoxForm, "时钟1", nullptr, OnMessageBoxTimerTick},
      {MessageBoxForm, "图形按钮2", OnMessageBoxCloseClick, nullptr},
      {MessageBoxForm, "图形按钮1", OnMessageBoxOkClick, nullptr},
      {MessageBoxForm, "信息内容", nullptr, nullptr},
  };
  for (const Binding& b : table) {
    const FormDef& form = b.definition();
    SCOPED_TRACE(form.name + "/" + b.control);
    const ControlDef* c = FindControl(form, b.control);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->onClick, b.onClick);
    EXPECT_EQ(c->onTimer, b.onTimer);
  }
}

struct LabelLook {
  const FormDef& (*definition)();
  const char* control;
  std::uint32_t textColour, backColour;
  std::string face;
  int height;
  bool border, raised, wordWrap, gradient;
  int horizontal;
};

TEST(LabelSettings, MatchTheirTables) {
  const LabelLook table[] = {
      {MainWindowForm, "标签1", kNavy, kDefaultColour, kSongTi, -16, false, true, false, false, 0},
      {MainWindowForm, "标签3", 0x000000, 0xFFFFFF, kSongTi, -14, true, false, true, false, 1},
      {MainWindowForm, "标签2", kNavy, kDefaultColour, "", 0, true, false, false, true, 0},
      {MainWindowForm, "标签4", kNavy, kDefaultColour, "", 0, true, false, false, true, 0},
      {PopupForm, "公告内容", 0x000000, 0xFFFFFF, kSongTi, -14, false, false, true, false, 0},
      {PopupForm, "标签2", 0x000000, 0xFFFFFF, kSongTi, -14, false, false, true, false, 0},
      {PopupForm, "标题内容", kNavy, kDefaultColour, kSongTi, -16, false, true, false, false, 0},
      {MessageBoxForm, "标题内容", 0xFFFFFF, kDefaultColour, "", 0, false, false, false, false, 0},
      {MessageBoxForm, "信息内容", 0x000000, 0xECECEC, "", 0, false, false, false, false, 0},
  };
  for (const LabelLook& l : table) {
    const ControlDef* c = FindControl(l.definition(), l.control);
    SCOPED_TRACE(l.control);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->textColour, l.textColour);
    EXPECT_EQ(c->backColour, l.backColour);
    EXPECT_EQ(c->font.face, l.face);
    EXPECT_EQ(c->font.height, l.height);
    EXPECT_EQ(c->border, l.border);
    EXPECT_EQ(c->raised, l.raised);
    EXPECT_EQ(c->wordWrap, l.wordWrap);
    EXPECT_EQ(c->gradient, l.gradient);
    EXPECT_EQ(c->horizontalAlignment, l.horizontal);
    if (!c->wordWrap) {
      EXPECT_EQ(c->verticalAlignment, 1);
    }
    if (c->gradient) {
      const std::array<std::uint32_t, 3> blueWhiteBlue{0xF1BD7C, 0xFFFFFF, 0xF1BD7C};
      EXPECT_EQ(c->gradientColours, blueWhiteBlue);
    }
  }
}

TEST(MainWindowControls, KeepTheirKindSpecificSettings) {
  const FormDef& form = MainWindowForm();

  const ControlDef* combo = FindControl(form, "组合框1");
  ASSERT_NE(combo, nullptr);
  const std::vector<std::string> items{"\xD6\xD0\xD3\xA2\xCE\xC4\xD7\xD4\xB6\xAF\xBC\xEC\xB2\xE2",
                                       "\xD3\xA2\xD3\xEF \xA1\xFA \xD6\xD0\xCE\xC4",
                                       "\xD6\xD0\xCE\xC4 \xA1\xFA \xD3\xA2\xD3\xEF"};
  EXPECT_EQ(combo->items, items);
  EXPECT_EQ(combo->selection, 0);
  EXPECT_TRUE(combo->tabStop);

  const ControlDef* dialog = FindControl(form, "通用对话框1");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->dialogType, 0);
  EXPECT_EQ(dialog->dialogTitle, "\xD1\xA1\xD4\xF1\xD2\xBB\xB8\xF6\xCE\xC4\xB5\xB5");
  EXPECT_EQ(dialog->dialogFilter, "*.txt|*.txt");
  EXPECT_EQ(dialog->dialogFlags, kFileMustExist | kOverwritePrompt | kPathMustExist | kHideReadOnly);

  const ControlDef* busy = FindControl(form, "图片框1");
  ASSERT_NE(busy, nullptr);
  EXPECT_EQ(busy->picture, Media("busy.gif"));
  EXPECT_FALSE(busy->picture.empty());
  EXPECT_TRUE(busy->animate);
  EXPECT_FALSE(busy->border);
  EXPECT_EQ(busy->backColour, kDefaultColour);

  const ControlDef* link = FindControl(form, "超级链接框1");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->linkTarget, kMakerHomeUrl);
  EXPECT_EQ(FindControl(PopupForm(), "网址")->linkTarget, kMakerHomeUrl);

  int defaults = 0;
  for (const ControlDef& c : form.controls) {
    if (c.kind == Kind::Button) {
      SCOPED_TRACE(c.name);
      EXPECT_TRUE(c.tabStop);
      EXPECT_EQ(c.horizontalAlignment, 1);
      EXPECT_EQ(c.verticalAlignment, 1);
      EXPECT_TRUE(c.font.face.empty());
      defaults += c.defaultButton ? 1 : 0;
    }
    if (c.kind == Kind::EditBox) {
      EXPECT_TRUE(c.tabStop);
      EXPECT_FALSE(c.border);
      EXPECT_EQ(c.textColour, 0x000000u);
      EXPECT_EQ(c.backColour, 0xFFFFFFu);
    }
    if (c.kind == Kind::PictureButton) {
      EXPECT_FALSE(c.handCursor) << c.name;
    }
  }
  EXPECT_EQ(defaults, 1);
  EXPECT_TRUE(FindControl(form, "按钮1")->defaultButton);
}

TEST(PopupControls, UseTheHandCursorOnEveryPictureButton) {
  int buttons = 0;
  for (const ControlDef& c : PopupForm().controls) {
    if (c.kind != Kind::PictureButton) continue;
    ++buttons;
    EXPECT_TRUE(c.handCursor) << c.name;
  }
  EXPECT_EQ(buttons, 4);
  for (const ControlDef& c : MessageBoxForm().controls) EXPECT_FALSE(c.handCursor) << c.name;
}

}  // namespace
}  // namespace kestara::test
