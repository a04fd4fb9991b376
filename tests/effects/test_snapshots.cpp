// Snapshots of the screen and see-through labels.
#include <gtest/gtest.h>

#include "effects/effects.h"
#include "tests/effects/desktop.h"

namespace kestara {
namespace {

using namespace testing;

// A window split red | blue with a label over the blue half, and a small
// green window on top of its middle.
class SnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FormDef split = PlainForm("split", 300, 200, SplitPicture(300, 200));
    split.controls.push_back(LabelAt("标签1", 200, 20, 80, 24));
    LoadForm(split);
    FormDef cover = PlainForm("cover", 40, 30, SolidPicture(40, 30, Qt::green));
    cover.alwaysOnTop = true;
    LoadForm(cover);
    RunEventsFor(400);
  }
  void TearDown() override {
    DestroyForm("cover");
    DestroyForm("split");
    PumpEvents();
  }
  Control split_ = WindowOf("split");
  Control label_{"split", "标签1"};
};

TEST_F(SnapshotTest, PictureOfWhatTheScreenShows) {
  const QImage picture = ScreenPicture(split_);
  ASSERT_EQ(picture.size(), QSize(300, 200));
  EXPECT_EQ(picture.pixelColor(10, 190), QColor(Qt::red));
  EXPECT_EQ(picture.pixelColor(290, 190), QColor(Qt::blue));
  // The covering window is on the screen, so it is in the picture.
  EXPECT_EQ(picture.pixelColor(150, 100), QColor(Qt::green));
  EXPECT_EQ(SnapshotArea(0), "");
}

TEST_F(SnapshotTest, LabelShowsWhatLiesBeneathIt) {
  const QColor face = ScreenPicture(label_).pixelColor(40, 12);
  ASSERT_NE(face, QColor(Qt::blue));  // the default background colour
  SnapshotLabelBackground(split_, label_);
  RunEventsFor(200);
  EXPECT_TRUE(GetProp(label_, Prop::Visible).Flag());
  const QImage picture = ScreenPicture(label_);
  ASSERT_EQ(picture.size(), QSize(80, 24));
  for (const QPoint p : {QPoint(0, 0), QPoint(79, 23), QPoint(40, 12)}) {
    EXPECT_EQ(picture.pixelColor(p), QColor(Qt::blue)) << p.x() << "," << p.y();
  }
}

}  // namespace
}  // namespace kestara
