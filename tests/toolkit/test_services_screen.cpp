// Screen size and snapshots on the offscreen platform, where a snapshot
// is the window's own rendering of the area. The screen itself is read in
// the X11 tests.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include "tests/support/form_builders.h"
#include "toolkit/form_def.h"
#include "toolkit/toolkit.h"

namespace kestara {
namespace {

std::string Png(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

QImage FromPng(const std::string& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "PNG");
}

// Red on the left half, blue on the right half.
std::string SplitBackground(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
  return Png(image);
}

class SnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.name = "snapshot_test";
    form_.width = 200;
    form_.height = 100;
    form_.background = SplitBackground(200, 100);
    form_.controls.push_back(fixtures::MakeControl("标签1", Kind::Label, 120, 20, 60, 30, "label"));
    LoadForm(form_);
    PumpEvents();
  }
  void TearDown() override {
    DestroyForm(form_.name);
    PumpEvents();
  }

  FormDef form_;
  Control label_{"snapshot_test", "标签1"};
};

TEST(Screen, SizeOfThePrimaryScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_GT(ScreenWidth(), 0);
  EXPECT_EQ(ScreenWidth(), screen.width());
  EXPECT_EQ(ScreenHeight(), screen.height());
}

TEST_F(SnapshotTest, PictureOfTheWindowArea) {
  const QImage picture = FromPng(SnapshotArea(WindowHandle(WindowOf("snapshot_test"))));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(200, 100));
  EXPECT_EQ(picture.pixelColor(10, 90), QColor(Qt::red));
  EXPECT_EQ(picture.pixelColor(110, 5), QColor(Qt::blue));
}

TEST_F(SnapshotTest, PictureOfWhatLiesBeneathAHiddenLabel) {
  SetProp(label_, Prop::Visible, false);
  PumpEvents();
  const QImage picture = FromPng(SnapshotArea(WindowHandle(label_)));
  ASSERT_FALSE(picture.isNull());
  ASSERT_EQ(picture.size(), QSize(60, 30));
  for (const QPoint p : {QPoint(0, 0), QPoint(59, 29), QPoint(30, 15)}) {
    EXPECT_EQ(picture.pixelColor(p), QColor(Qt::blue)) << p.x() << "," << p.y();
  }
}

TEST_F(SnapshotTest, NoWindowNoPicture) {
  EXPECT_EQ(SnapshotArea(0), "");
  const Handle handle = WindowHandle(label_);
  DestroyForm(form_.name);
  PumpEvents();
  EXPECT_EQ(SnapshotArea(handle), "");
}

}  // namespace
}  // namespace kestara
