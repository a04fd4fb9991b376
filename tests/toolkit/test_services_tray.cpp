// Tray icons on a desktop without a tray, and the tray tip's length.
// The icons themselves are watched on a real tray in the X11 tests.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "toolkit/form_def.h"
#include "toolkit/qt/services_tray.h"
#include "toolkit/qt/shared.h"
#include "toolkit/toolkit.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

TEST(TrayTip, CutToSixtyTwoBytesOnACharacterBoundary) {
  const std::string chinese31 = [] {
    std::string s;
    for (int i = 0; i < 31; ++i) s += Local("系");
    return s;
  }();
  const struct {
    std::string tip;
    std::string expected;
  } cases[] = {
      {Local("系统消息"), Local("系统消息")},
      {"", ""},
      {std::string(62, 'a'), std::string(62, 'a')},
      {std::string(70, 'a'), std::string(62, 'a')},
      {chinese31 + Local("消"), chinese31},                            // 62 + 2
      {"a" + chinese31, "a" + chinese31.substr(0, 60)},               // the 31st pair would end at 63
      {std::string(61, 'a') + Local("系"), std::string(61, 'a')},
      {"ab\x81", "ab"},                                               // a lead byte alone at the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CutTip(c.tip), c.expected) << c.tip.size();
  }
}

std::string IconBytes() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "ICO");
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

TEST(TrayIcon, WithoutATrayNothingShowsAndNothingFails) {
  FormDef form;
  form.name = "tray_test";
  form.width = 100;
  form.height = 50;
  LoadForm(form);
  const std::string good = IconBytes();
  ASSERT_FALSE(good.empty());
  SetTrayIcon("tray_test", good, Local("系统消息"));
  EXPECT_FALSE(HasTrayIcon("tray_test"));
  SetTrayIcon("tray_test", "not an icon", "tip");
  SetTrayIcon("tray_test", std::string("\0\0\1\0\1\0\x10\x10", 8), "truncated icon directory");
  SetTrayIcon("tray_test", "", "");
  EXPECT_FALSE(HasTrayIcon("tray_test"));
  RemoveTrayIcon("never had one");
  DestroyForm("tray_test");
  PumpEvents();
}

}  // namespace
}  // namespace kestara
