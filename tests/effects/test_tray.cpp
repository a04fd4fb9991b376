// Tray icons on a real system tray (trayer in the test desktop).
#include <gtest/gtest.h>

#include <QSystemTrayIcon>

#include "tests/effects/desktop.h"
#include "toolkit/qt/services_tray.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

using namespace testing;

std::string IconFile(const QColor& colour) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(colour);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "ICO");
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

class TrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 30 && !QSystemTrayIcon::isSystemTrayAvailable(); ++i) {
      RunEventsFor(100);
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
      GTEST_SKIP() << "no system tray on this desktop";
    }
    LoadForm(PlainForm("tray_test", 100, 50, SolidPicture(100, 50, Qt::white)));
    PumpEvents();
  }
  void TearDown() override {
    DestroyForm("tray_test");
    PumpEvents();
  }
};

TEST_F(TrayTest, AddReplaceRemove) {
  SetTrayIcon("tray_test", IconFile(Qt::blue), Local("系统消息"));
  EXPECT_TRUE(HasTrayIcon("tray_test"));
  SetTrayIcon("tray_test", IconFile(Qt::transparent), Local("系统消息"));
  EXPECT_TRUE(HasTrayIcon("tray_test"));
  // An icon that does not decode leaves the one shown.
  SetTrayIcon("tray_test", "not an icon", "x");
  EXPECT_TRUE(HasTrayIcon("tray_test"));
  SetTrayIcon("tray_test", "", "");
  EXPECT_FALSE(HasTrayIcon("tray_test"));
}

TEST_F(TrayTest, BadIconAddsNothing) {
  SetTrayIcon("tray_test", "not an icon", "x");
  SetTrayIcon("tray_test", std::string("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0", 14), "cut short");
  EXPECT_FALSE(HasTrayIcon("tray_test"));
}

TEST_F(TrayTest, GoesWithItsWindow) {
  SetTrayIcon("tray_test", IconFile(Qt::blue), "tip");
  ASSERT_TRUE(HasTrayIcon("tray_test"));
  DestroyForm("tray_test");
  PumpEvents();
  RunEventsFor(100);
  EXPECT_FALSE(HasTrayIcon("tray_test"));
  // A window that is not loaded gets none.
  SetTrayIcon("tray_test", IconFile(Qt::blue), "tip");
  EXPECT_FALSE(HasTrayIcon("tray_test"));
}

}  // namespace
}  // namespace kestara
