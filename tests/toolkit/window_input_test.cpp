// Keyboard and mouse on the windows: Esc, Enter, dragging, mouse moves.
#include <QPushButton>

#include "tests/toolkit/toolkit_fixture.h"

namespace kestara::testing {
namespace {

void SendMouseAt(QWidget* widget, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
                 Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

FormDef InputForm(const std::string& name) {
  FormDef form = MakeForm(name, 300, 200);
  form.onMouseMove = +[] { Log().push_back("move"); };
  ControlDef label = MakeControl("标签1", Kind::Label, 0, 0, 50, 20);
  ControlDef edit = MakeControl("编辑框1", Kind::EditBox, 60, 0, 100, 50);
  edit.tabStop = true;
  ControlDef button = MakeControl("按钮1", Kind::Button, 170, 0, 75, 25);
  button.onClick = +[] { Log().push_back("button"); };
  ControlDef fallback = MakeControl("按钮2", Kind::Button, 170, 30, 75, 25);
  fallback.defaultButton = true;
  fallback.onClick = +[] { Log().push_back("default"); };
  ControlDef box = MakeControl("图片框1", Kind::PictureBox, 0, 60, 20, 20);
  ControlDef picture = MakeControl("图形按钮1", Kind::PictureButton, 30, 60, 20, 20);
  form.controls = {label, edit, button, fallback, box, picture};
  return form;
}

using WindowInput = ToolkitTest;

TEST_F(WindowInput, EscClosesTheWindowFromAnyControl) {
  struct Case { const char* control; bool escCloses; };
  for (const Case& c : {Case{"编辑框1", true}, Case{"标签1", true}, Case{"", true}, Case{"编辑框1", false}}) {
    SCOPED_TRACE(std::string(c.control) + (c.escCloses ? " closes" : " stays"));
    FormDef form = InputForm("Esc");
    form.escCloses = c.escCloses;
    Load(form);
    QWidget* target = WidgetOf(Control{"Esc", c.control});
    ASSERT_NE(target, nullptr);
    target->setFocus();
    SendKey(target, Qt::Key_Escape);
    PumpFor(30);
    EXPECT_EQ(IsFormLoaded("Esc"), !c.escCloses);
    Close("Esc");
  }
}

TEST_F(WindowInput, EnterBreaksLinesInEditBoxesAndPressesTheDefaultButtonElsewhere) {
  Load(InputForm("Enter"));
  QWidget* edit = WidgetOf(Control{"Enter", "编辑框1"});
  SendKey(edit, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(GetProp(Control{"Enter", "编辑框1"}, Prop::Text).Text(), "\r\n");
  EXPECT_EQ(Count("default"), 0);
  SendKey(WidgetOf(WindowOf("Enter")), Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(Count("default"), 1);
}

TEST_F(WindowInput, ACloseFromOutsideDestroysTheWindow) {
  Load(InputForm("Closed"));
  WidgetOf(WindowOf("Closed"))->close();
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded("Closed"); }, 2000));
}

TEST_F(WindowInput, DraggingByTheBackgroundLabelsAndPictureBoxes) {
  struct Case { const char* control; QPoint at; bool dragAnywhere; bool moves; };
  const Case cases[] = {
      {"", QPoint(150, 150), true, true},         {"标签1", QPoint(5, 5), true, true},
      {"图片框1", QPoint(5, 5), true, true},       {"按钮1", QPoint(5, 5), true, false},
      {"编辑框1", QPoint(5, 5), true, false},      {"图形按钮1", QPoint(5, 5), true, false},
      {"", QPoint(150, 150), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    FormDef form = InputForm("Drag");
    form.dragAnywhere = c.dragAnywhere;
    Load(form);
    const Control window = WindowOf("Drag");
    SetProp(window, Prop::Left, 100);
    SetProp(window, Prop::Top, 80);
    QWidget* pressed = WidgetOf(Control{"Drag", c.control});
    ASSERT_NE(pressed, nullptr);
    const QPoint start = pressed->mapToGlobal(c.at);
    SendMouseAt(pressed, QEvent::MouseButtonPress, c.at, start, Qt::LeftButton, Qt::LeftButton);
    SendMouseAt(pressed, QEvent::MouseMove, c.at, start + QPoint(10, 5), Qt::NoButton, Qt::LeftButton);
    SendMouseAt(pressed, QEvent::MouseMove, c.at, start + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    SendMouseAt(pressed, QEvent::MouseButtonRelease, c.at, start + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
    // After the release, moves no longer drag.
    SendMouseAt(pressed, QEvent::MouseMove, c.at, start + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(GetProp(window, Prop::Left).Number(), c.moves ? 130 : 100);
    EXPECT_EQ(GetProp(window, Prop::Top).Number(), c.moves ? 100 : 80);
    Close("Drag");
  }
}

TEST_F(WindowInput, MouseMovedOverTheWindowOrAControlRaisesTheEventOnce) {
  Load(InputForm("Moves"));
  for (const char* control : {"", "按钮1", "标签1", "编辑框1", "图形按钮1"}) {
    SCOPED_TRACE(control);
    Log().clear();
    QWidget* widget = WidgetOf(Control{"Moves", control});
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->hasMouseTracking());
    SendMouse(widget, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Count("move"), 1);
  }
}

}  // namespace
}  // namespace kestara::testing
