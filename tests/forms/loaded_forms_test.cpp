// The three windows loaded by the real toolkit: places, texts, visibility,
// stopped timers and, for the main window, the skin under its controls.
#include <gtest/gtest.h>

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <vector>

#include "tests/forms/form_tables.h"
#include "toolkit/media.h"
#include "toolkit/qt/shared.h"
#include "toolkit/toolkit.h"

namespace kestara::test {
namespace {

// The definition without its window events: the program's handlers change
// texts, opacity and visibility, while these tests look at the form itself.
// Kept alive for the toolkit, which may refer to the definition.
const FormDef& AsDefined(const FormDef& form) {
  static std::vector<std::unique_ptr<FormDef>> copies;
  auto copy = std::make_unique<FormDef>(form);
  copy->onCreated = nullptr;
  copy->onFirstActivated = nullptr;
  copy->onMouseMove = nullptr;
  copies.push_back(std::move(copy));
  return *copies.back();
}

class LoadedForm : public ::testing::TestWithParam<ExpectedForm> {
 protected:
  void TearDown() override {
    DestroyForm(GetParam().name);
    // Bounded: destruction happens when events are next dispatched.
    for (int i = 0; i < 50 && IsFormLoaded(GetParam().name); ++i) PumpEvents();
  }
};

TEST_P(LoadedForm, IsCentredWithItsControlsInPlaceAndItsTimersStopped) {
  const ExpectedForm& expected = GetParam();
  LoadForm(AsDefined(expected.definition()));
  ASSERT_TRUE(IsFormLoaded(expected.name));
  PumpEvents();
  const Control window = WindowOf(expected.name);
  EXPECT_EQ(GetProp(window, Prop::Width).Number(), expected.width);
  EXPECT_EQ(GetProp(window, Prop::Height).Number(), expected.height);
  EXPECT_EQ(GetProp(window, Prop::Left).Number(), (ScreenWidth() - expected.width) / 2);
  EXPECT_EQ(GetProp(window, Prop::Top).Number(), (ScreenHeight() - expected.height) / 2);
  EXPECT_EQ(GetProp(window, Prop::Visible).Flag(), expected.definition().visibleAtLoad);

  for (const ExpectedControl& e : expected.controls) {
    const Control c{expected.name, e.name};
    SCOPED_TRACE(std::string(expected.name) + "/" + e.name);
    if (e.kind == Kind::Timer) {
      EXPECT_EQ(GetProp(c, Prop::TimerPeriod).Number(), 0);
      continue;
    }
    if (e.kind == Kind::FileDialog) continue;
    EXPECT_EQ(GetProp(c, Prop::Left).Number(), e.left);
    EXPECT_EQ(GetProp(c, Prop::Top).Number(), e.top);
    EXPECT_EQ(GetProp(c, Prop::Width).Number(), e.width);
    EXPECT_EQ(GetProp(c, Prop::Height).Number(), e.height);
    EXPECT_EQ(GetProp(c, Prop::Visible).Flag(), e.visible);
    EXPECT_FALSE(GetProp(c, Prop::Disabled).Flag());
    if (e.kind == Kind::Label || e.kind == Kind::EditBox || e.kind == Kind::Button) {
      EXPECT_EQ(GetProp(c, Prop::Text).Text(), e.text);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(All, LoadedForm, ::testing::ValuesIn(ExpectedForms()),
                         [](const auto& test) { return std::string(test.param.name); });

QImage Grab(const Control& control) {
  QWidget* widget = WidgetForHandle(WindowHandle(control));
  if (widget == nullptr) return QImage();
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Skin(const char* name) {
  const Bytes& bytes = Media(name);
  return QImage::fromData(QByteArray(bytes.data(), qsizetype(bytes.size())))
      .convertToFormat(QImage::Format_RGB32);
}

TEST(MainWindowSkin, ShowsWhiteBoxesBlueCaptionBarsAndTheGlyphsUnderItsButtons) {
  LoadForm(AsDefined(MainWindowForm()));
  ASSERT_TRUE(IsFormLoaded(kMainWindow));
  PumpEvents();
  const QImage shot = Grab(WindowOf(kMainWindow));
  ASSERT_FALSE(shot.isNull());
  ASSERT_GE(shot.width(), 600);
  ASSERT_GE(shot.height(), 450);
  const QImage skin = Skin("main_background.gif");
  ASSERT_EQ(skin.size(), QSize(600, 450));

  // Inside both edit boxes, away from any caret.
  for (const QPoint p : {QPoint(300, 150), QPoint(570, 200), QPoint(300, 350), QPoint(570, 420)})
    EXPECT_EQ(QColor(shot.pixel(p)), QColor(Qt::white)) << p.x() << "," << p.y();

  // The caption labels paint light blue at their ends, white in the middle.
  for (const int y : {50, 254}) {
    const QColor end(shot.pixel(20, y)), middle(shot.pixel(500, y));
    EXPECT_GT(end.blue(), end.red() + 60) << y;
    EXPECT_GT(middle.red(), 150) << y;
  }

  // The title-bar glyphs are drawn by the picture buttons exactly as the skin
  // has them, and bare skin shows where no control lies.
  struct Spot {
    int left, top, width, height;
  };
  for (const Spot s : {Spot{498, 1, 26, 18}, Spot{524, 1, 26, 18}, Spot{550, 1, 44, 18},
                       Spot{0, 0, 150, 30}, Spot{5, 240, 10, 190}, Spot{590, 250, 10, 180}}) {
    EXPECT_EQ(shot.copy(s.left, s.top, s.width, s.height), skin.copy(s.left, s.top, s.width, s.height))
        << s.left << "," << s.top;
  }

  // Hidden controls leave the box beneath untouched.
  EXPECT_EQ(QColor(shot.pixel(300, 147)), QColor(Qt::white));

  DestroyForm(kMainWindow);
  for (int i = 0; i < 50 && IsFormLoaded(kMainWindow); ++i) PumpEvents();
}

TEST(MessageBoxSkin, ShowsTheGreyBodyUnderItsMessageLabel) {
  LoadForm(AsDefined(MessageBoxForm()));
  ASSERT_TRUE(IsFormLoaded(kMessageBox));
  PumpEvents();
  const QImage shot = Grab(WindowOf(kMessageBox));
  ASSERT_FALSE(shot.isNull());
  const QImage skin = Skin("msgbox_background.gif");
  EXPECT_EQ(shot.copy(139, 91, 73, 19), skin.copy(139, 91, 73, 19));  // 确定
  EXPECT_EQ(shot.copy(303, 1, 43, 18), skin.copy(303, 1, 43, 18));    // close glyph
  EXPECT_EQ(shot.copy(10, 40, 35, 35), skin.copy(10, 40, 35, 35));    // information sign
  DestroyForm(kMessageBox);
  for (int i = 0; i < 50 && IsFormLoaded(kMessageBox); ++i) PumpEvents();
}

}  // namespace
}  // namespace kestara::test
