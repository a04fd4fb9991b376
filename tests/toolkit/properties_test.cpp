// Properties by name: reading back what was written, local text with
// Chinese, and the harmless cases.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include "tests/toolkit/toolkit_fixture.h"
#include "translate/code_page.h"

namespace kestara::testing {
namespace {

FormDef PropsForm() {
  FormDef form = MakeForm("Props", 320, 200);
  ControlDef label = MakeControl("标签1", Kind::Label, 0, 0, 100, 20);
  ControlDef edit = MakeControl("编辑框1", Kind::EditBox, 0, 30, 200, 80);
  ControlDef button = MakeControl("按钮1", Kind::Button, 210, 0, 75, 25);
  ControlDef combo = MakeControl("组合框1", Kind::ComboBox, 210, 40, 100, 20);
  combo.items = {"a", "b", "c"};
  combo.selection = 0;
  ControlDef link = MakeControl("网址", Kind::HyperlinkBox, 210, 70, 40, 20);
  ControlDef dialog = MakeControl("通用对话框1", Kind::FileDialog);
  ControlDef timer = MakeControl("时钟1", Kind::Timer);
  timer.onTimer = +[] { Log().push_back("tick"); };
  ControlDef picture = MakeControl("图形按钮1", Kind::PictureButton, 290, 0, 20, 20);
  ControlDef box = MakeControl("图片框1", Kind::PictureBox, 0, 120, 20, 20);
  form.controls = {label, edit, button, combo, link, dialog, timer, picture, box};
  return form;
}

using Properties = ToolkitTest;

TEST_F(Properties, MissingWindowsAndControlsAreHarmless) {
  Load(PropsForm());
  const Control missing[] = {WindowOf("NoSuchForm"), Control{"NoSuchForm", "标签1"}, Control{"Props", "没有"}};
  const Prop all[] = {Prop::Left, Prop::Top, Prop::Width, Prop::Height, Prop::Visible, Prop::Disabled,
                      Prop::Text, Prop::TimerPeriod, Prop::DialogType, Prop::FileName, Prop::LinkTarget,
                      Prop::Font, Prop::TextColor, Prop::BackgroundPicture, Prop::CurrentSelection,
                      Prop::HorizontalAlignment, Prop::WordWrap, Prop::AlwaysOnTop};
  for (const Control& control : missing) {
    for (Prop property : all) {
      SetProp(control, property, kFontName, Value(std::string("x")));
      SetProp(control, property, 7);
      const Value value = GetProp(control, property, kFontName);
      EXPECT_EQ(value.Number(), 0);
      EXPECT_TRUE(value.Text().empty());
    }
    EXPECT_EQ(WindowHandle(control), 0u);
    RefreshWindow(control);
    FocusControl(control);
    EXPECT_FALSE(RunFileDialog(control));
  }
  EXPECT_FALSE(IsFormLoaded("NoSuchForm"));
  DestroyForm("NoSuchForm");
  PumpEvents();
  EXPECT_EQ(WidgetForHandle(0), nullptr);
  EXPECT_EQ(WidgetForHandle(0xDEAD0), nullptr);
}

TEST_F(Properties, APropertyAKindLacksReadsNothingAndIgnoresWrites) {
  Load(PropsForm());
  struct Case { const char* control; Prop property; Value written; };
  const Case cases[] = {
      {"时钟1", Prop::Text, Value("text")},
      {"时钟1", Prop::Left, Value(5)},
      {"时钟1", Prop::Visible, Value(true)},
      {"通用对话框1", Prop::TimerPeriod, Value(100)},
      {"标签1", Prop::TimerPeriod, Value(100)},
      {"标签1", Prop::CurrentSelection, Value(1)},
      {"编辑框1", Prop::LinkTarget, Value("http://x/")},
      {"按钮1", Prop::WordWrap, Value(true)},
      {"图形按钮1", Prop::Text, Value("text")},
      {"图形按钮1", Prop::TextColor, Value(0x123456)},
      {"图片框1", Prop::BackgroundPicture, Value("bytes")},
      {"组合框1", Prop::FileName, Value("name")},
      {"网址", Prop::DialogType, Value(1)},
      {"标签1", Prop::AlwaysOnTop, Value(true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const Control control{"Props", c.control};
    SetProp(control, c.property, c.written);
    const Value value = GetProp(control, c.property);
    EXPECT_EQ(value.Number(), 0);
    EXPECT_TRUE(value.Text().empty());
  }
  PumpFor(50);
  EXPECT_EQ(Count("tick"), 0);
}

TEST_F(Properties, WrittenValuesReadBack) {
  Load(PropsForm());
  struct Case { const char* control; Prop property; Value written; };
  const Case cases[] = {
      {"", Prop::Left, Value(33)},
      {"", Prop::Top, Value(44)},
      {"", Prop::Width, Value(250)},
      {"", Prop::Height, Value(150)},
      {"", Prop::Text, Value(Local("信息框"))},
      {"", Prop::Disabled, Value(true)},
      {"标签1", Prop::Left, Value(7)},
      {"标签1", Prop::Top, Value(-3)},
      {"标签1", Prop::Width, Value(90)},
      {"标签1", Prop::Height, Value(15)},
      {"标签1", Prop::Visible, Value(false)},
      {"标签1", Prop::Text, Value(Local("正在翻译中中,请稍候 & more"))},
      {"标签1", Prop::TextColor, Value(0x800000)},
      {"标签1", Prop::HorizontalAlignment, Value(2)},
      {"标签1", Prop::WordWrap, Value(true)},
      {"编辑框1", Prop::Disabled, Value(true)},
      {"编辑框1", Prop::TextColor, Value(0x0000FF)},
      {"按钮1", Prop::Text, Value(Local("保 存"))},
      {"组合框1", Prop::CurrentSelection, Value(2)},
      {"网址", Prop::LinkTarget, Value("http://forum.example/")},
      {"网址", Prop::Text, Value("Tavrilo")},
      {"通用对话框1", Prop::DialogType, Value(1)},
      {"通用对话框1", Prop::FileName, Value(Local("翻译结果"))},
      {"时钟1", Prop::TimerPeriod, Value(60000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.control) + " " + std::to_string(static_cast<int>(c.property)));
    const Control control{"Props", c.control};
    SetProp(control, c.property, c.written);
    const Value value = GetProp(control, c.property);
    if (c.written.IsText()) {
      EXPECT_EQ(value.Text(), c.written.Text());
    } else {
      EXPECT_EQ(value.Number(), c.written.Number());
    }
  }
}

TEST_F(Properties, ChineseLocalTextReachesTheWidgetsAsUnicode) {
  Load(PropsForm());
  const std::string local = Local("中文 → 英语");
  ASSERT_NE(local, "中文 → 英语");  // really local bytes, not UTF-8
  const QString unicode = QString::fromUtf8("中文 → 英语");

  SetProp(Control{"Props", "按钮1"}, Prop::Text, local);
  EXPECT_EQ(qobject_cast<QPushButton*>(WidgetOf(Control{"Props", "按钮1"}))->text(), unicode);
  SetProp(Control{"Props", "编辑框1"}, Prop::Text, local);
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(WidgetOf(Control{"Props", "编辑框1"}))->toPlainText(), unicode);
  SetProp(WindowOf("Props"), Prop::Text, local);
  EXPECT_EQ(WidgetOf(WindowOf("Props"))->windowTitle(), unicode);

  // Typed by the user: read back as local text.
  auto* edit = qobject_cast<QPlainTextEdit*>(WidgetOf(Control{"Props", "编辑框1"}));
  edit->setPlainText(QString::fromUtf8("翻译结果"));
  EXPECT_EQ(GetProp(Control{"Props", "编辑框1"}, Prop::Text).Text(), Local("翻译结果"));
}

TEST_F(Properties, EditBoxTextUsesCrLfBothWays) {
  Load(PropsForm());
  const Control edit{"Props", "编辑框1"};
  for (const std::string& text : {std::string("one\r\ntwo"), std::string("\r\n\r\n"), std::string("end\r\n"),
                                  Local("第一行\r\n第二行\r\n\r\n第四行"), std::string()}) {
    SCOPED_TRACE(text);
    SetProp(edit, Prop::Text, text);
    EXPECT_EQ(GetProp(edit, Prop::Text).Text(), text);
  }
  auto* box = qobject_cast<QPlainTextEdit*>(WidgetOf(edit));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->blockCount(), 1);

  // Enter inserts a line break; Shift+Enter's line separator counts too.
  SetProp(edit, Prop::Text, "ab");
  box->setFocus();
  box->moveCursor(QTextCursor::End);
  SendKey(box, Qt::Key_Return, QStringLiteral("\r"));
  SendKey(box, Qt::Key_C, QStringLiteral("c"));
  box->insertPlainText(QString(QChar::LineSeparator) + QStringLiteral("d"));
  EXPECT_EQ(GetProp(edit, Prop::Text).Text(), "ab\r\nc\r\nd");
  EXPECT_TRUE(IsFormLoaded("Props"));
}

TEST_F(Properties, FontMembers) {
  FormDef form = PropsForm();
  form.controls[0].font = FontDef{Local("宋体-PUA"), -16};
  Load(form);
  const Control label{"Props", "标签1"}, edit{"Props", "编辑框1"};
  EXPECT_EQ(GetProp(label, Prop::Font, kFontName).Text(), Local("宋体-PUA"));
  EXPECT_EQ(GetProp(label, Prop::Font, kFontSize).Number(), 12);  // 16 pixels
  EXPECT_EQ(GetProp(edit, Prop::Font, kFontName).Text(), Local("宋体"));  // no face given

  SetProp(label, Prop::Font, kFontSize, 9);
  SetProp(label, Prop::Font, kFontName, Local("黑体"));
  EXPECT_EQ(GetProp(label, Prop::Font, kFontSize).Number(), 9);
  EXPECT_EQ(GetProp(label, Prop::Font, kFontName).Text(), Local("黑体"));
  EXPECT_EQ(WidgetOf(label)->font().pixelSize(), 12);
  SetProp(label, Prop::Font, kFontName, "");
  EXPECT_EQ(GetProp(label, Prop::Font, kFontName).Text(), Local("宋体"));
  EXPECT_EQ(GetProp(Control{"Props", "时钟1"}, Prop::Font, kFontSize).Number(), 0);
}

TEST_F(Properties, AlwaysOnTopChangesInPlace) {
  Load(PropsForm());
  const Control window = WindowOf("Props");
  SetProp(window, Prop::Left, 40);
  SetProp(window, Prop::Top, 30);
  QWidget* widget = WidgetOf(window);
  const WId native = widget->winId();
  for (bool on : {true, false, true}) {
    SetProp(window, Prop::AlwaysOnTop, on);
    PumpEvents();
    EXPECT_EQ(GetProp(window, Prop::AlwaysOnTop).Flag(), on);
    EXPECT_TRUE(widget->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint) == on);
    EXPECT_TRUE(GetProp(window, Prop::Visible).Flag());
    EXPECT_EQ(GetProp(window, Prop::Left).Number(), 40);
    EXPECT_EQ(GetProp(window, Prop::Top).Number(), 30);
    EXPECT_EQ(widget->winId(), native);
  }
}

// A timer of 600 ms; after 400 ms the period is written again.
struct TimerRun {
  int firstTick = -1;  // ms after the start, -1 for none
};

TimerRun RunTimer(const Control& timer, int rewrite) {
  TimerRun run;
  QElapsedTimer clock;
  clock.start();
  SetProp(timer, Prop::TimerPeriod, 600);
  PumpFor(400);
  EXPECT_EQ(Count("tick"), 0);
  SetProp(timer, Prop::TimerPeriod, rewrite);
  WaitFor([] { return Count("tick") > 0; }, 1600);
  if (Count("tick") > 0) run.firstTick = static_cast<int>(clock.elapsed());
  return run;
}

TEST_F(Properties, TheSamePeriodKeepsTheTimerCounting) {
  Load(PropsForm());
  const TimerRun run = RunTimer(Control{"Props", "时钟1"}, 600);
  ASSERT_GE(run.firstTick, 600);
  // Restarted it could not tick before 1000 ms.
  EXPECT_LT(run.firstTick, 950);
}

TEST_F(Properties, ANewPeriodRestartsTheTimer) {
  Load(PropsForm());
  const TimerRun run = RunTimer(Control{"Props", "时钟1"}, 700);
  EXPECT_GE(run.firstTick, 1100);
}

TEST_F(Properties, PeriodZeroStopsTheTimer) {
  Load(PropsForm());
  const Control timer{"Props", "时钟1"};
  SetProp(timer, Prop::TimerPeriod, 20);
  ASSERT_TRUE(WaitFor([] { return Count("tick") >= 2; }, 2000));
  SetProp(timer, Prop::TimerPeriod, 0);
  const int ticks = Count("tick");
  PumpFor(200);
  EXPECT_EQ(Count("tick"), ticks);
  EXPECT_EQ(GetProp(timer, Prop::TimerPeriod).Number(), 0);
  SetProp(timer, Prop::TimerPeriod, -5);  // never runs backwards
  PumpFor(50);
  EXPECT_EQ(Count("tick"), ticks);
}

}  // namespace
}  // namespace kestara::testing
