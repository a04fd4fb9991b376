// The main window: a skinned translator with a source and a result box.
#include "build_config.h"
#include "app/main_window.h"
#include "toolkit/forms/forms.h"
#include "toolkit/media.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

constexpr std::uint32_t kNavy = 0x800000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kCaptionBlue = 0xF1BD7C;  // (124, 189, 241)

// The command buttons along y 214 share everything but place, caption and handler.
ControlDef CommandButton(const char* name, int left, const char* caption, Handler onClick) {
  return ControlDef{.name = name,
                    .kind = Kind::Button,
                    .left = left,
                    .top = 214,
                    .width = 75,
                    .height = 25,
                    .tabStop = true,
                    .text = Local(caption),
                    .horizontalAlignment = 1,
                    .verticalAlignment = 1,
                    .onClick = onClick};
}

ControlDef TextBox(const char* name, int top, int height) {
  return ControlDef{.name = name,
                    .kind = Kind::EditBox,
                    .left = 20,
                    .top = top,
                    .width = 560,
                    .height = height,
                    .tabStop = true,
                    .textColour = 0x000000,
                    .backColour = kWhite};
}

// The caption bars over the two panels.
ControlDef PanelCaption(const char* name, int top, const char* caption) {
  return ControlDef{.name = name,
                    .kind = Kind::Label,
                    .left = 16,
                    .top = top,
                    .width = 568,
                    .height = 20,
                    .text = Local(caption),
                    .textColour = kNavy,
                    .gradient = true,
                    .gradientColours = {kCaptionBlue, kWhite, kCaptionBlue},
                    .border = true,
                    .horizontalAlignment = 0,
                    .wordWrap = false,
                    .verticalAlignment = 1};
}

ControlDef TitleGlyph(const char* name, int left, int width, const char* image,
                      const char* hoverImage, Handler onClick) {
  return ControlDef{.name = name,
                    .kind = Kind::PictureButton,
                    .left = left,
                    .top = 1,
                    .width = width,
                    .height = 18,
                    .images = {Media(image), Media(hoverImage), Bytes(), Bytes()},
                    .onClick = onClick};
}

FormDef BuildMainWindow() {
  const FontDef songTi16{Local("宋体-PUA"), -16};
  const FontDef songTi14{Local("宋体-PUA"), -14};
  return FormDef{
      .name = kMainWindow,
      .width = 601,
      .height = 451,
      .caption = std::string(),
      .background = Media("main_background.gif"),
      .inTaskbar = true,
      .alwaysOnTop = false,
      .dragAnywhere = true,
      .escCloses = true,
      .visibleAtLoad = true,
      .onCreated = OnMainWindowCreated,
      .onFirstActivated = OnMainWindowFirstActivated,
      .onMouseMove = nullptr,
      .controls = {
          ControlDef{.name = "标签1",
                     .kind = Kind::Label,
                     .left = 160,
                     .top = 8,
                     .width = 176,
                     .height = 16,
                     .text = Local(" -  Kestara专版"),
                     .textColour = kNavy,
                     .font = songTi16,
                     .raised = true,
                     .horizontalAlignment = 0,
                     .wordWrap = false,
                     .verticalAlignment = 1},
          ControlDef{.name = "超级链接框1",
                     .kind = Kind::HyperlinkBox,
                     .left = 160,
                     .top = 112,
                     .width = 48,
                     .height = 32,
                     .visible = false,
                     .text = Local("Tavrilo"),
                     .linkTarget = Local(kMakerHomeUrl)},
          CommandButton("按钮7", 344, "保 存", OnSaveClick),
          ControlDef{.name = "通用对话框1",
                     .kind = Kind::FileDialog,
                     .left = 32,
                     .top = 176,
                     .width = 40,
                     .height = 24,
                     .visible = false,
                     .dialogType = 0,
                     .dialogTitle = Local("选择一个文档"),
                     .dialogFilter = Local("*.txt|*.txt"),
                     .dialogFlags = kFileMustExist | kOverwritePrompt | kPathMustExist | kHideReadOnly},
          CommandButton("按钮6", 509, "主 页", OnHomePageClick),
          CommandButton("按钮5", 16, "导 入", OnImportClick),
          ControlDef{.name = "图片框1",
                     .kind = Kind::PictureBox,
                     .left = 230,
                     .top = 140,
                     .width = 145,
                     .height = 15,
                     .visible = false,
                     .picture = Media("busy.gif"),
                     .border = false,
                     .animate = true},
          ControlDef{.name = "标签3",
                     .kind = Kind::Label,
                     .left = 144,
                     .top = 85,
                     .width = 320,
                     .height = 96,
                     .visible = false,
                     .text = Local("\r\n\r\n正在翻译中中,请稍候"),
                     .textColour = 0x000000,
                     .backColour = kWhite,
                     .font = songTi14,
                     .border = true,
                     .horizontalAlignment = 1,
                     .wordWrap = true},
          CommandButton("按钮4", 426, "复 制", OnCopyClick),
          TextBox("编辑框2", 267, 162),
          PanelCaption("标签2", 244, " 翻译结果:"),
          CommandButton("按钮3", 180, "清 空", OnClearClick),
          CommandButton("按钮2", 98, "粘 贴", OnPasteClick),
          [] {
            ControlDef translate = CommandButton("按钮1", 262, "翻译", OnTranslateClick);
            translate.defaultButton = true;
            return translate;
          }(),
          // Hidden below the bottom edge: every translation uses its first item.
          ControlDef{.name = "组合框1",
                     .kind = Kind::ComboBox,
                     .left = 312,
                     .top = 515,
                     .width = 168,
                     .height = 20,
                     .visible = false,
                     .tabStop = true,
                     .textColour = 0x000000,
                     .backColour = kWhite,
                     .items = {Local("中英文自动检测"), Local("英语 → 中文"), Local("中文 → 英语")},
                     .selection = 0},
          TextBox("编辑框1", 63, 142),
          PanelCaption("标签4", 40, " 原始内容:"),
          TitleGlyph("图形按钮3", 498, 26, "main_minimise.bmp", "main_minimise_hover.bmp", nullptr),
          TitleGlyph("图形按钮2", 524, 26, "main_maximise.bmp", "main_maximise_hover.bmp",
                     OnHomeGlyphClick),
          TitleGlyph("图形按钮1", 550, 44, "main_close.bmp", "main_close_hover.bmp", OnCloseClick),
      }};
}

}  // namespace

const FormDef& MainWindowForm() {
  static const FormDef form = BuildMainWindow();
  return form;
}

}  // namespace kestara
