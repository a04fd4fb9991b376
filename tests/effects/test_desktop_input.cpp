// Real pointer input on the X server: dragging windows by their background.
#include <gtest/gtest.h>

#include "tests/effects/desktop.h"

namespace kestara {
namespace {

using namespace testing;

class DragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormDef form = PlainForm("drag_test", 300, 160, SolidPicture(300, 160, Qt::cyan));
    form.controls.push_back(LabelAt("标签1", 20, 20, 100, 30));
    form.controls.push_back(fixtures::MakeControl("按钮1", Kind::Button, 160, 20, 100, 30, "button"));
    LoadForm(form);
    RunEventsFor(400);
  }
  void TearDown() override {
    DestroyForm("drag_test");
    PumpEvents();
  }

  // Presses at `at` (screen), moves by `by` in steps, releases.
  static void Drag(QPoint at, QPoint by) {
    const auto xdotool = [](const QStringList& arguments) {
      RunTool("xdotool", arguments);
      RunEventsFor(80);
    };
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    xdotool({"mousedown", "1"});
    for (int step = 1; step <= 4; ++step) {
      const QPoint p = at + by * step / 4;
      xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
    }
    xdotool({"mouseup", "1"});
    RunEventsFor(200);
  }
};

TEST_F(DragTest, LabelAndBackgroundDragTheWindowButtonsDoNot) {
  const Control window = WindowOf("drag_test");
  const struct {
    const char* what;
    QPoint offset;  // in the window
    bool moves;
  } cases[] = {{"label", {70, 35}, true}, {"background", {150, 120}, true}, {"button", {210, 35}, false}};
  for (const auto& c : cases) {
    const int left = static_cast<int>(GetProp(window, Prop::Left).Number());
    const int top = static_cast<int>(GetProp(window, Prop::Top).Number());
    const QPoint origin = ScreenPositionOf(window);
    Drag(origin + c.offset, QPoint(40, 28));
    const int movedX = static_cast<int>(GetProp(window, Prop::Left).Number()) - left;
    const int movedY = static_cast<int>(GetProp(window, Prop::Top).Number()) - top;
    if (c.moves) {
      EXPECT_EQ(movedX, 40) << c.what;
      EXPECT_EQ(movedY, 28) << c.what;
    } else {
      EXPECT_EQ(movedX, 0) << c.what;
      EXPECT_EQ(movedY, 0) << c.what;
    }
  }
}

}  // namespace
}  // namespace kestara
