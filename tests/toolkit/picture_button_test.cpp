// The picture button's states, images and clicks.
#include "tests/toolkit/pictures.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/qt/picture_button.h"

namespace kestara::testing {
namespace {

enum class Step { Press, Release, Move, Drag, RightPress, RightRelease };
constexpr QPoint kInside(5, 5);
constexpr QPoint kOutside(60, 40);

struct Input {
  Step step;
  QPoint where;
};

struct Case {
  const char* name;
  std::vector<Input> inputs;
  int clicks;
  PictureButton::State state;
};

void Apply(QWidget* button, const Input& input) {
  switch (input.step) {
    case Step::Press: SendMouse(button, QEvent::MouseButtonPress, input.where, Qt::LeftButton, Qt::LeftButton); break;
    case Step::Release: SendMouse(button, QEvent::MouseButtonRelease, input.where, Qt::LeftButton, Qt::NoButton); break;
    case Step::Move: SendMouse(button, QEvent::MouseMove, input.where, Qt::NoButton, Qt::NoButton); break;
    case Step::Drag: SendMouse(button, QEvent::MouseMove, input.where, Qt::NoButton, Qt::LeftButton); break;
    case Step::RightPress:
      SendMouse(button, QEvent::MouseButtonPress, input.where, Qt::RightButton, Qt::RightButton);
      break;
    case Step::RightRelease:
      SendMouse(button, QEvent::MouseButtonRelease, input.where, Qt::RightButton, Qt::NoButton);
      break;
  }
}

class PictureButtons : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    FormDef form = MakeForm("Buttons", 100, 60);
    ControlDef button = MakeControl("图形按钮1", Kind::PictureButton, 0, 0, 20, 10);
    button.images[kNormalImage] = SolidPicture(Qt::red, 20, 10);
    button.images[kHoverImage] = SolidPicture(Qt::green, 20, 10);
    button.onClick = +[] { Log().push_back("click"); };
    ControlDef plain = MakeControl("plain", Kind::PictureButton, 30, 0, 20, 10);
    plain.images[kNormalImage] = SolidPicture(Qt::red, 10, 5);
    plain.images[kDisabledImage] = SolidPicture(Qt::blue, 10, 5);
    form.controls = {button, plain};
    Load(form);
    button_ = dynamic_cast<PictureButton*>(WidgetOf(Control{"Buttons", "图形按钮1"}));
    ASSERT_NE(button_, nullptr);
  }

  QColor Shown(const char* name = "图形按钮1", QPoint at = QPoint(2, 2)) {
    return WidgetOf(Control{"Buttons", name})->grab().toImage().pixelColor(at);
  }

  PictureButton* button_ = nullptr;
};

TEST_F(PictureButtons, ClickOnlyWhenReleasedOverTheButton) {
  const Case cases[] = {
      {"press and release inside", {{Step::Press, kInside}, {Step::Release, kInside}}, 1, PictureButton::kNormal},
      {"released outside", {{Step::Press, kInside}, {Step::Drag, kOutside}, {Step::Release, kOutside}}, 0,
       PictureButton::kNormal},
      {"out and back in", {{Step::Press, kInside}, {Step::Drag, kOutside}, {Step::Drag, kInside},
                           {Step::Release, kInside}}, 1, PictureButton::kNormal},
      {"hover", {{Step::Move, kInside}}, 0, PictureButton::kHover},
      {"hover and leave", {{Step::Move, kInside}, {Step::Move, kOutside}}, 0, PictureButton::kNormal},
      {"pressed while held", {{Step::Press, kInside}, {Step::Drag, QPoint(6, 6)}}, 0, PictureButton::kPressed},
      {"held outside", {{Step::Press, kInside}, {Step::Drag, kOutside}}, 0, PictureButton::kNormal},
      {"right button", {{Step::RightPress, kInside}, {Step::RightRelease, kInside}}, 0, PictureButton::kNormal},
      {"release without press", {{Step::Move, kInside}, {Step::Release, kInside}}, 1, PictureButton::kNormal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Apply(button_, {Step::Move, kOutside});
    Log().clear();
    for (const Input& input : c.inputs) Apply(button_, input);
    EXPECT_EQ(Count("click"), c.clicks);
    EXPECT_EQ(button_->CurrentState(), c.state);
  }
}

TEST_F(PictureButtons, ImagesFollowTheState) {
  EXPECT_EQ(Shown(), QColor(Qt::red));
  Apply(button_, {Step::Move, kInside});
  EXPECT_EQ(Shown(), QColor(Qt::green));
  Apply(button_, {Step::Press, kInside});
  EXPECT_EQ(Shown(), QColor(Qt::red));  // no pressed image: the normal one
  Apply(button_, {Step::Release, kInside});

  // Disabled: its own image, or the normal one; and no click.
  SetProp(Control{"Buttons", "图形按钮1"}, Prop::Disabled, true);
  EXPECT_EQ(Shown(), QColor(Qt::red));
  Log().clear();
  Apply(button_, {Step::Press, kInside});
  Apply(button_, {Step::Release, kInside});
  EXPECT_EQ(Count("click"), 0);
  SetProp(Control{"Buttons", "plain"}, Prop::Disabled, true);
  EXPECT_EQ(Shown("plain"), QColor(Qt::blue));

  // Natural size over black.
  SetProp(Control{"Buttons", "plain"}, Prop::Disabled, false);
  EXPECT_EQ(Shown("plain", QPoint(2, 2)), QColor(Qt::red));
  EXPECT_EQ(Shown("plain", QPoint(15, 7)), QColor(Qt::black));
}

TEST_F(PictureButtons, HandCursorWhenAsked) {
  FormDef form = MakeForm("Cursor");
  ControlDef hand = MakeControl("hand", Kind::PictureButton);
  hand.handCursor = true;
  ControlDef arrow = MakeControl("arrow", Kind::PictureButton, 50, 0);
  form.controls = {hand, arrow};
  Load(form);
  EXPECT_EQ(WidgetOf(Control{"Cursor", "hand"})->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(WidgetOf(Control{"Cursor", "arrow"})->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace kestara::testing
