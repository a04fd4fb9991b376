// Rounded window corners: the region itself, and what the screen shows.
#include <gtest/gtest.h>

#include <QRegion>

#include "effects/effects.h"
#include "effects/round_rect_region.h"
#include "tests/effects/desktop.h"

namespace kestara {
namespace {

using namespace testing;

bool Contains(const Region& region, int x, int y) {
  for (const RegionRow& row : region) {
    if (row.y == y && x >= row.left && x < row.right) {
      return true;
    }
  }
  return false;
}

QRegion ToQRegion(const Region& region) {
  QRegion result;
  for (const RegionRow& row : region) {
    result += QRect(row.left, row.y, row.right - row.left, 1);
  }
  return result;
}

TEST(RoundRectRegion, CoversTheRectangleLessItsRightColumnAndBottomRow) {
  const Region region = CreateRoundRectRegion(0, 0, 40, 30, 9, 9);
  const QRect extent = ToQRegion(region).boundingRect();
  EXPECT_EQ(extent, QRect(0, 0, 39, 29));
  EXPECT_TRUE(Contains(region, 20, 0));
  EXPECT_TRUE(Contains(region, 0, 15));
  EXPECT_TRUE(Contains(region, 38, 15));
  EXPECT_TRUE(Contains(region, 20, 28));
  EXPECT_FALSE(Contains(region, 39, 15));
  EXPECT_FALSE(Contains(region, 20, 29));
}

TEST(RoundRectRegion, CornersAreQuarterEllipsesOfTheGivenSize) {
  const struct {
    int width, height, ew, eh;
  } cases[] = {{40, 30, 9, 9}, {601, 451, 12, 12}, {352, 125, 9, 9}, {50, 50, 20, 8}, {30, 30, 8, 8}};
  for (const auto& c : cases) {
    const Region region = CreateRoundRectRegion(0, 0, c.width, c.height, c.ew, c.eh);
    const int w = c.width - 1;
    const int h = c.height - 1;
    // The corner pixels are cut off, the middle of every edge is kept.
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
      EXPECT_FALSE(Contains(region, corner.x(), corner.y())) << c.width << "x" << c.height;
    }
    // Nothing is cut beyond the ellipse's half size.
    EXPECT_TRUE(Contains(region, c.ew / 2 + 1, 0)) << c.width;
    EXPECT_TRUE(Contains(region, 0, c.eh / 2 + 1)) << c.width;
    // Pixel centres inside the ellipse belong to the region, those outside do not.
    const double a = c.ew / 2.0;
    const double b = c.eh / 2.0;
    for (int y = 0; y < c.eh / 2; ++y) {
      for (int x = 0; x < c.ew / 2; ++x) {
        const double dx = (x + 0.5 - a) / a;
        const double dy = (y + 0.5 - b) / b;
        const bool inside = dx * dx + dy * dy <= 1.0 + 1e-9;
        EXPECT_EQ(Contains(region, x, y), inside) << x << "," << y;
      }
    }
    // The four corners mirror each other.
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < c.ew; ++x) {
        EXPECT_EQ(Contains(region, x, y), Contains(region, w - 1 - x, y)) << x << "," << y;
        EXPECT_EQ(Contains(region, x, y), Contains(region, x, h - 1 - y)) << x << "," << y;
      }
    }
  }
}

TEST(RoundRectRegion, DegenerateSizes) {
  // Ellipses under two pixels leave a plain rectangle.
  EXPECT_EQ(ToQRegion(CreateRoundRectRegion(0, 0, 20, 10, 1, 1)), QRegion(0, 0, 19, 9));
  EXPECT_EQ(ToQRegion(CreateRoundRectRegion(0, 0, 20, 10, 0, 0)), QRegion(0, 0, 19, 9));
  // Swapped corners describe the same rectangle.
  EXPECT_EQ(ToQRegion(CreateRoundRectRegion(20, 10, 0, 0, 6, 6)), ToQRegion(CreateRoundRectRegion(0, 0, 20, 10, 6, 6)));
  // Ellipses larger than the rectangle are cut to its size.
  const Region big = CreateRoundRectRegion(0, 0, 21, 11, 500, 500);
  EXPECT_FALSE(big.empty());
  EXPECT_TRUE(Contains(big, 10, 5));
  EXPECT_FALSE(Contains(big, 0, 0));
  for (const Region& empty : {CreateRoundRectRegion(0, 0, 0, 0, 8, 8), CreateRoundRectRegion(0, 0, 1, 1, 8, 8),
                              CreateRoundRectRegion(0, 0, 50, 1, 8, 8)}) {
    EXPECT_TRUE(empty.empty());
  }
}

// A red window behind a blue one, both centred on the screen.
class RoundedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadForm(PlainForm("behind", 400, 300, SolidPicture(400, 300, Qt::red)));
    FormDef front = PlainForm("front", 201, 101, SolidPicture(201, 101, Qt::blue));
    front.alwaysOnTop = true;
    LoadForm(front);
    RunEventsFor(400);
  }
  void TearDown() override {
    DestroyForm("front");
    DestroyForm("behind");
    PumpEvents();
  }
  Control front_ = WindowOf("front");
};

TEST_F(RoundedWindowTest, MeasureWindowStoresTheOuterSize) {
  g_windowWidth = 0;
  g_windowHeight = 0;
  MeasureWindow(WindowHandle(front_));
  EXPECT_EQ(g_windowWidth, 201);
  EXPECT_EQ(g_windowHeight, 101);
  // A failed measurement keeps the previous values.
  MeasureWindow(0);
  EXPECT_EQ(g_windowWidth, 201);
  EXPECT_EQ(g_windowHeight, 101);
}

TEST_F(RoundedWindowTest, RadiusZeroMeansEight) {
  QWidget* widget = WidgetForHandle(WindowHandle(front_));
  ASSERT_NE(widget, nullptr);
  RoundWindowCorners(WindowHandle(front_));
  EXPECT_EQ(widget->mask(), ToQRegion(CreateRoundRectRegion(0, 0, 201, 101, 8, 8)));
  RoundWindowCorners(WindowHandle(front_), 12);
  EXPECT_EQ(widget->mask(), ToQRegion(CreateRoundRectRegion(0, 0, 201, 101, 12, 12)));
}

TEST_F(RoundedWindowTest, OutsideTheCornersTheScreenShowsWhatLiesBehind) {
  const QImage before = ScreenPicture(front_);
  ASSERT_EQ(before.size(), QSize(201, 101));
  EXPECT_EQ(before.pixelColor(0, 0), QColor(Qt::blue));
  RoundWindowCorners(WindowHandle(front_), 9);
  RunEventsFor(300);
  const QImage after = ScreenPicture(front_);
  ASSERT_EQ(after.size(), QSize(201, 101));
  const Region region = CreateRoundRectRegion(0, 0, 201, 101, 9, 9);
  // Every pixel of the four corner blocks, and the right and bottom edge.
  for (int y = 0; y < 101; ++y) {
    for (int x = 0; x < 201; ++x) {
      const bool corner = (x < 8 || x > 192) && (y < 8 || y > 92);
      const bool edge = x >= 199 || y >= 99;
      if (!corner && !edge) {
        continue;
      }
      const QColor expected = Contains(region, x, y) ? QColor(Qt::blue) : QColor(Qt::red);
      ASSERT_EQ(after.pixelColor(x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(after.pixelColor(100, 50), QColor(Qt::blue));
}

TEST_F(RoundedWindowTest, GoneWindowIsLeftAlone) {
  const Handle handle = WindowHandle(front_);
  DestroyForm("front");
  PumpEvents();
  g_windowWidth = 5;
  RoundWindowCorners(handle, 9);
  EXPECT_EQ(g_windowWidth, 5);
}

}  // namespace
}  // namespace kestara
