// Loading, bringing forward and destroying windows.
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "tests/toolkit/toolkit_fixture.h"
#include "translate/code_page.h"

namespace kestara::testing {
namespace {

FormDef EveryKindForm() {
  FormDef form = MakeForm("Every", 300, 200);
  form.caption = Local("信息框");
  form.onCreated = +[] { Log().push_back("created"); };
  form.onFirstActivated = +[] { Log().push_back("activated"); };

  ControlDef label = MakeControl("标签1", Kind::Label, 10, 10, 100, 30);
  label.text = Local("原始内容");
  ControlDef edit = MakeControl("编辑框1", Kind::EditBox, 20, 20, 100, 40);  // overlaps the label, lies below
  edit.text = "first\r\nsecond";
  ControlDef button = MakeControl("按钮1", Kind::Button, 150, 10, 75, 25);
  button.text = Local("翻译");
  button.defaultButton = true;
  button.onClick = +[] { Log().push_back("button"); };
  ControlDef combo = MakeControl("组合框1", Kind::ComboBox, 150, 50, 100, 20);
  combo.items = {Local("中英文自动检测"), Local("英语 → 中文")};
  combo.selection = 1;
  combo.visible = false;
  ControlDef box = MakeControl("图片框1", Kind::PictureBox, 10, 100, 20, 20);
  ControlDef link = MakeControl("网址", Kind::HyperlinkBox, 10, 130, 40, 20);
  link.text = "Tavrilo";
  link.linkTarget = "http://example.org/";
  link.visible = false;
  ControlDef dialog = MakeControl("通用对话框1", Kind::FileDialog);
  dialog.dialogType = 1;
  dialog.dialogTitle = Local("选择一个文档");
  ControlDef timer = MakeControl("时钟1", Kind::Timer);
  timer.period = 20;  // ignored: every timer is stopped at load
  timer.onTimer = +[] { Log().push_back("tick"); };
  ControlDef picture = MakeControl("图形按钮1", Kind::PictureButton, 260, 0, 40, 18);
  form.controls = {label, edit, button, combo, box, link, dialog, timer, picture};
  return form;
}

using FormLoading = ToolkitTest;

TEST_F(FormLoading, BuildsEveryControlWithItsSettings) {
  Load(EveryKindForm());
  const Control label{"Every", "标签1"}, edit{"Every", "编辑框1"}, button{"Every", "按钮1"},
      combo{"Every", "组合框1"}, link{"Every", "网址"}, dialog{"Every", "通用对话框1"}, timer{"Every", "时钟1"};

  EXPECT_EQ(GetProp(label, Prop::Text).Text(), Local("原始内容"));
  EXPECT_EQ(GetProp(edit, Prop::Text).Text(), "first\r\nsecond");
  EXPECT_EQ(GetProp(button, Prop::Text).Text(), Local("翻译"));
  EXPECT_EQ(GetProp(combo, Prop::CurrentSelection).Number(), 1);
  EXPECT_EQ(GetProp(combo, Prop::Text).Text(), Local("英语 → 中文"));
  EXPECT_FALSE(GetProp(combo, Prop::Visible).Flag());
  EXPECT_TRUE(GetProp(label, Prop::Visible).Flag());
  EXPECT_EQ(GetProp(link, Prop::LinkTarget).Text(), "http://example.org/");
  EXPECT_EQ(GetProp(dialog, Prop::DialogType).Number(), 1);
  EXPECT_EQ(GetProp(timer, Prop::TimerPeriod).Number(), 0);
  EXPECT_EQ(GetProp(WindowOf("Every"), Prop::Text).Text(), Local("信息框"));

  struct Place { const char* name; int left, top, width, height; };
  for (const Place& place : {Place{"标签1", 10, 10, 100, 30}, Place{"按钮1", 150, 10, 75, 25},
                             Place{"图形按钮1", 260, 0, 40, 18}}) {
    SCOPED_TRACE(place.name);
    const Control control{"Every", place.name};
    EXPECT_EQ(GetProp(control, Prop::Left).Number(), place.left);
    EXPECT_EQ(GetProp(control, Prop::Top).Number(), place.top);
    EXPECT_EQ(GetProp(control, Prop::Width).Number(), place.width);
    EXPECT_EQ(GetProp(control, Prop::Height).Number(), place.height);
    EXPECT_EQ(WidgetOf(control)->geometry(), QRect(place.left, place.top, place.width, place.height));
  }

  // The first control lies on top where controls overlap.
  QWidget* window = WidgetOf(WindowOf("Every"));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->childAt(25, 25), WidgetOf(label));

  // Windows and visual controls have distinct handles; timers and dialogs none.
  std::vector<Handle> handles;
  for (const char* name : {"", "标签1", "编辑框1", "按钮1", "组合框1", "图片框1", "网址", "图形按钮1"}) {
    const Handle handle = WindowHandle(Control{"Every", name});
    EXPECT_NE(handle, 0u) << name;
    handles.push_back(handle);
  }
  std::sort(handles.begin(), handles.end());
  EXPECT_EQ(std::adjacent_find(handles.begin(), handles.end()), handles.end());
  EXPECT_EQ(WindowHandle(timer), 0u);
  EXPECT_EQ(WindowHandle(dialog), 0u);

  auto* pushButton = qobject_cast<QPushButton*>(WidgetOf(button));
  ASSERT_NE(pushButton, nullptr);
  EXPECT_TRUE(pushButton->isDefault());
  EXPECT_EQ(pushButton->text(), QString::fromUtf8("翻译"));

  // The click is bound to its handler.
  pushButton->click();
  EXPECT_EQ(Count("button"), 1);
}

TEST_F(FormLoading, WindowSettingsApply) {
  struct Case { bool inTaskbar, alwaysOnTop; };
  for (const Case& c : {Case{true, false}, Case{false, true}}) {
    SCOPED_TRACE(c.inTaskbar);
    FormDef form = MakeForm(c.inTaskbar ? "Taskbar" : "NoTaskbar", 201, 101);
    form.inTaskbar = c.inTaskbar;
    form.alwaysOnTop = c.alwaysOnTop;
    Load(form);
    QWidget* window = WidgetOf(WindowOf(form.name));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowType() == Qt::Tool, !c.inTaskbar);
    EXPECT_EQ(GetProp(WindowOf(form.name), Prop::AlwaysOnTop).Flag(), c.alwaysOnTop);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(GetProp(WindowOf(form.name), Prop::Left).Number(), (screen.width() - 201) / 2);
    EXPECT_EQ(GetProp(WindowOf(form.name), Prop::Top).Number(), (screen.height() - 101) / 2);
    EXPECT_EQ(GetProp(WindowOf(form.name), Prop::Width).Number(), 201);
    EXPECT_EQ(GetProp(WindowOf(form.name), Prop::Height).Number(), 101);
    EXPECT_TRUE(GetProp(WindowOf(form.name), Prop::Visible).Flag());
  }
}

TEST_F(FormLoading, CreatedAndFirstActivationRunOnceAndReloadOnlyBringsForward) {
  Load(EveryKindForm());
  EXPECT_EQ(Count("created"), 1);
  ASSERT_TRUE(WaitFor([] { return Count("activated") == 1; }, 2000));
  EXPECT_TRUE(GetProp(WindowOf("Every"), Prop::Visible).Flag());

  // Another window takes the activation, then the loaded one comes back.
  Load(MakeForm("Other"));
  ASSERT_TRUE(WaitFor([] { return QApplication::activeWindow() == WidgetOf(WindowOf("Other")); }, 2000));
  const Handle before = WindowHandle(WindowOf("Every"));
  SetProp(Control{"Every", "编辑框1"}, Prop::Text, "kept");
  LoadForm(EveryKindForm());
  ASSERT_TRUE(WaitFor([] { return QApplication::activeWindow() == WidgetOf(WindowOf("Every")); }, 2000));
  PumpFor(50);
  EXPECT_EQ(Count("created"), 1);
  EXPECT_EQ(Count("activated"), 1);
  EXPECT_EQ(WindowHandle(WindowOf("Every")), before);
  EXPECT_EQ(GetProp(Control{"Every", "编辑框1"}, Prop::Text).Text(), "kept");
}

TEST_F(FormLoading, ShownOnlyWhenTheDefinitionAndTheCreatedHandlerAgree) {
  struct Case { const char* name; bool visibleAtLoad; Handler created; bool shown; };
  const Case cases[] = {
      {"Plain", true, nullptr, true},
      {"HiddenByHandler", true, +[] { SetProp(WindowOf("HiddenByHandler"), Prop::Visible, false); }, false},
      {"NotAtLoad", false, nullptr, false},
      {"ShownByHandler", false, +[] { SetProp(WindowOf("ShownByHandler"), Prop::Visible, true); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FormDef form = MakeForm(c.name);
    form.visibleAtLoad = c.visibleAtLoad;
    form.onCreated = c.created;
    Load(form);
    EXPECT_TRUE(IsFormLoaded(c.name));
    EXPECT_EQ(GetProp(WindowOf(c.name), Prop::Visible).Flag(), c.shown);
  }
}

TEST_F(FormLoading, TimersAreStoppedAtLoad) {
  Load(EveryKindForm());
  PumpFor(150);
  EXPECT_EQ(Count("tick"), 0);
}

TEST_F(FormLoading, ModalWindowBlocksTheOthersUntilDestroyed) {
  Load(MakeForm("Owner"));
  Load(MakeForm("Modal"), true);
  EXPECT_EQ(QApplication::activeModalWidget(), WidgetOf(WindowOf("Modal")));
  ASSERT_TRUE(Close("Modal"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FormLoading, DestroyIsQueuedThenForgetsEverything) {
  Load(EveryKindForm());
  Load(MakeForm("Keeper"));
  const Control timer{"Every", "时钟1"};
  SetProp(timer, Prop::TimerPeriod, 10);
  const Handle labelHandle = WindowHandle(Control{"Every", "标签1"});
  QPointer<QWidget> window = WidgetOf(WindowOf("Every"));

  DestroyForm("Every");
  EXPECT_TRUE(IsFormLoaded("Every"));  // closes at the next dispatch
  ASSERT_TRUE(WaitFor([] { return !IsFormLoaded("Every"); }, 2000));
  const int ticks = Count("tick");
  EXPECT_EQ(WidgetForHandle(labelHandle), nullptr);
  EXPECT_EQ(WindowHandle(WindowOf("Every")), 0u);
  EXPECT_EQ(GetProp(timer, Prop::TimerPeriod).Number(), 0);
  PumpFor(100);
  EXPECT_EQ(Count("tick"), ticks);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());

  // Loading it again builds a new window and runs its created handler.
  Load(EveryKindForm());
  EXPECT_EQ(Count("created"), 2);
  EXPECT_NE(WindowHandle(WindowOf("Every")), 0u);
}

TEST_F(FormLoading, LoadingAgainBeforeTheCloseRanBuildsANewWindow) {
  Load(EveryKindForm());
  const Handle first = WindowHandle(WindowOf("Every"));
  DestroyForm("Every");
  LoadForm(EveryKindForm());
  EXPECT_EQ(Count("created"), 2);
  PumpFor(50);
  EXPECT_TRUE(IsFormLoaded("Every"));
  EXPECT_NE(WindowHandle(WindowOf("Every")), first);
  EXPECT_TRUE(GetProp(WindowOf("Every"), Prop::Visible).Flag());
}

// A click handler that destroys its own window, pumps, and goes on using
// the window by name: everything after the pump is a harmless no-op, and
// the widgets outlive the handler.
QPointer<QWidget> g_ownButton;

void DestroyOwnWindowAndCarryOn() {
  Log().push_back("click");
  DestroyForm("SelfDestroy");
  PumpEvents();
  Log().push_back(IsFormLoaded("SelfDestroy") ? "still loaded" : "gone");
  SetProp(Control{"SelfDestroy", "标签1"}, Prop::Text, "late");
  Log().push_back(GetProp(Control{"SelfDestroy", "标签1"}, Prop::Text).Text().empty() ? "empty" : "text");
  Log().push_back(g_ownButton.isNull() ? "deleted" : "alive");
  LoadForm(MakeForm("Replacement"));
  PumpEvents();
}

TEST_F(FormLoading, HandlerDestroyingItsOwnWindowInsideAPump) {
  Load(MakeForm("Keeper"));
  FormDef form = MakeForm("SelfDestroy");
  ControlDef label = MakeControl("标签1", Kind::Label);
  ControlDef button = MakeControl("图形按钮1", Kind::PictureButton, 50, 50, 30, 20);
  button.onClick = &DestroyOwnWindowAndCarryOn;
  form.controls = {label, button};
  Load(form);

  QWidget* widget = WidgetOf(Control{"SelfDestroy", "图形按钮1"});
  ASSERT_NE(widget, nullptr);
  g_ownButton = widget;
  SendMouse(widget, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);

  EXPECT_EQ(Log(), (std::vector<std::string>{"click", "gone", "empty", "alive"}));
  EXPECT_TRUE(IsFormLoaded("Replacement"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(g_ownButton.isNull());
  DestroyForm("Replacement");
  Close("Replacement");
}

}  // namespace
}  // namespace kestara::testing
