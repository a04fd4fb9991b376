// Decoding pictures, painting labels, picture boxes and window skins.
#include <QImage>

#include "tests/toolkit/pictures.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/picture_box.h"
#include "toolkit/qt/pictures.h"
#include "translate/code_page.h"

namespace kestara::testing {
namespace {

QColor PixelOf(const Control& control, int x, int y) {
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) return QColor();
  return widget->grab().toImage().pixelColor(x, y);
}

TEST(PictureFromBytes, DecodesTheEmbeddedFormats) {
  struct Case { const char* name; Bytes bytes; QSize size; };
  const Case cases[] = {
      {"png", SolidPicture(Qt::red, 3, 2, "PNG"), QSize(3, 2)},
      {"bmp", SolidPicture(Qt::green, 26, 18, "BMP"), QSize(26, 18)},
      {"ico", SolidPicture(Qt::blue, 16, 16, "ICO"), QSize(16, 16)},
      {"gif", TransparentGif(), QSize(1, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QPixmap picture = PictureFromBytes(c.bytes);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), c.size);
  }
  EXPECT_EQ(PictureFromBytes(TransparentGif()).toImage().pixelColor(0, 0).alpha(), 0);
}

TEST(PictureFromBytes, BytesThatDoNotDecodeGiveNothing) {
  const Bytes png = SolidPicture(Qt::red, 4, 4);
  const Bytes cases[] = {Bytes(), Bytes("not a picture"), Bytes("GIF89a"), png.substr(0, 20),
                         Bytes("\0\0\0\0", 4), Bytes(1000, '\xFF')};
  for (const Bytes& bytes : cases) EXPECT_TRUE(PictureFromBytes(bytes).isNull()) << bytes.size();
}

TEST(IconFromBytes, TakesTheIconImagesAndRejectsGarbage) {
  const QIcon icon = IconFromBytes(SolidPicture(Qt::blue, 32, 32, "ICO"));
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(IconFromBytes(Bytes("no icon")).isNull());
  EXPECT_TRUE(IconFromBytes(Bytes()).isNull());
}

using Painting = ToolkitTest;

TEST_F(Painting, LabelBackgroundPictureGradientOrColour) {
  FormDef form = MakeForm("Paint", 300, 100);
  ControlDef plain = MakeControl("plain", Kind::Label, 0, 0, 10, 10);
  ControlDef white = MakeControl("white", Kind::Label, 20, 0, 10, 10);
  white.backColour = 0xFFFFFF;
  white.border = true;
  ControlDef gradient = MakeControl("gradient", Kind::Label, 0, 20, 201, 10);
  gradient.gradient = true;
  gradient.gradientColours = {0xF1BD7C, 0xFFFFFF, 0xF1BD7C};
  ControlDef tiled = MakeControl("tiled", Kind::Label, 40, 0, 5, 3);
  tiled.picture = TwoPixelPicture(Qt::red, Qt::blue);
  tiled.backColour = 0x00FF00;
  form.controls = {plain, white, gradient, tiled};
  Load(form);

  const QColor face = WidgetOf(WindowOf("Paint"))->palette().color(QPalette::Button);
  EXPECT_EQ(PixelOf(Control{"Paint", "plain"}, 5, 5), face);
  EXPECT_EQ(PixelOf(Control{"Paint", "white"}, 5, 5), QColor(Qt::white));
  EXPECT_EQ(PixelOf(Control{"Paint", "white"}, 0, 0), QColor(Qt::black));  // the border
  EXPECT_EQ(PixelOf(Control{"Paint", "white"}, 9, 9), QColor(Qt::black));

  const QColor blue(124, 189, 241);
  EXPECT_EQ(PixelOf(Control{"Paint", "gradient"}, 0, 5), blue);
  EXPECT_EQ(PixelOf(Control{"Paint", "gradient"}, 100, 5), QColor(Qt::white));
  EXPECT_EQ(PixelOf(Control{"Paint", "gradient"}, 200, 5), blue);
  const QColor quarter = PixelOf(Control{"Paint", "gradient"}, 50, 5);
  EXPECT_NEAR(quarter.red(), (124 + 255) / 2, 1);
  EXPECT_NEAR(quarter.green(), (189 + 255) / 2, 1);
  EXPECT_EQ(quarter.blue(), (241 + 255) / 2);

  // Natural size from the top-left corner, repeated.
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(PixelOf(Control{"Paint", "tiled"}, x, 2), x % 2 == 0 ? QColor(Qt::red) : QColor(Qt::blue)) << x;
  }
  // A picture that does not decode leaves the colour.
  SetProp(Control{"Paint", "tiled"}, Prop::BackgroundPicture, Bytes("broken"));
  EXPECT_EQ(PixelOf(Control{"Paint", "tiled"}, 0, 0), QColor(Qt::green));
  EXPECT_EQ(GetProp(Control{"Paint", "tiled"}, Prop::BackgroundPicture).Text(), "broken");
}

// Counts the pixels of a label that differ from its background colour.
int InkPixels(const Control& control, QRect area = QRect()) {
  const QImage image = WidgetOf(control)->grab().toImage();
  if (area.isNull()) area = image.rect();
  int ink = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ink += image.pixelColor(x, y) != QColor(Qt::white);
  }
  return ink;
}

TEST_F(Painting, LabelTextChineseWrappingAndAlignment) {
  FormDef form = MakeForm("Text", 300, 200);
  ControlDef label = MakeControl("信息内容", Kind::Label, 0, 0, 120, 60);
  label.backColour = 0xFFFFFF;
  label.font = FontDef{Local("宋体-PUA"), -14};
  form.controls = {label};
  Load(form);
  const Control control{"Text", "信息内容"};

  // Chinese glyphs come out, not nothing.
  SetProp(control, Prop::Text, Local("翻译"));
  EXPECT_GT(InkPixels(control), 20);

  // Word wrap off: one line centred vertically; on: from the top, broken.
  SetProp(control, Prop::Text, Local("第一行\r\n第二行"));
  SetProp(control, Prop::WordWrap, false);
  EXPECT_EQ(InkPixels(control, QRect(0, 0, 120, 12)), 0);
  EXPECT_GT(InkPixels(control, QRect(0, 20, 120, 20)), 0);
  SetProp(control, Prop::WordWrap, true);
  EXPECT_GT(InkPixels(control, QRect(0, 0, 120, 16)), 0);
  EXPECT_GT(InkPixels(control, QRect(0, 17, 120, 16)), 0);

  // Alignment moves the ink to the left or right half.
  SetProp(control, Prop::WordWrap, false);
  SetProp(control, Prop::Text, "ab");
  SetProp(control, Prop::HorizontalAlignment, 0);
  EXPECT_EQ(InkPixels(control, QRect(60, 0, 60, 60)), 0);
  SetProp(control, Prop::HorizontalAlignment, 2);
  EXPECT_EQ(InkPixels(control, QRect(0, 0, 60, 60)), 0);

  // The ampersand is drawn as itself: "&&" has more ink than "&".
  SetProp(control, Prop::Text, "&");
  const int one = InkPixels(control);
  SetProp(control, Prop::Text, "&&");
  EXPECT_GT(one, 0);
  EXPECT_GT(InkPixels(control), one);
}

TEST_F(Painting, RaisedTextHasAWhiteShadowDownRight) {
  FormDef form = MakeForm("Raised", 200, 100);
  ControlDef plain = MakeControl("plain", Kind::Label, 0, 0, 100, 40);
  plain.backColour = 0x000000;
  plain.textColour = 0x800000;
  plain.font = FontDef{std::string(), -30};
  plain.text = "HH";
  ControlDef raised = plain;
  raised.name = "raised";
  raised.top = 50;
  raised.raised = true;
  form.controls = {plain, raised};
  Load(form);
  // Light pixels come only from the white shadow; navy ones from the text.
  auto count = [](const char* name, auto test) {
    const QImage image = WidgetOf(Control{"Raised", name})->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
    }
    return n;
  };
  auto light = [](QColor c) { return c.red() > 200 && c.green() > 200; };
  auto navy = [](QColor c) { return c.blue() > 100 && c.red() < 30 && c.green() < 30; };
  EXPECT_EQ(count("plain", light), 0);
  EXPECT_GT(count("plain", navy), 20);
  EXPECT_GT(count("raised", light), 10);
  EXPECT_GT(count("raised", navy), 10);
}

TEST_F(Painting, WindowBackgroundIsTiledFromTheTopLeft) {
  FormDef form = MakeForm("Skin", 3, 2);
  form.background = TwoPixelPicture(Qt::red, Qt::blue);
  Load(form);
  const QImage image = WidgetOf(WindowOf("Skin"))->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(2, 0), QColor(Qt::red));  // repeats the first column
}

TEST_F(Painting, PictureBoxPlaysItsPictureAndShowsNothingForBrokenBytes) {
  FormDef form = MakeForm("Box", 100, 50);
  ControlDef good = MakeControl("good", Kind::PictureBox, 0, 0, 4, 4);
  good.picture = SolidPicture(Qt::red, 4, 4);
  ControlDef broken = MakeControl("broken", Kind::PictureBox, 10, 0, 4, 4);
  broken.picture = "GIF89a broken";
  ControlDef playing = MakeControl("playing", Kind::PictureBox, 20, 0, 4, 4);
  playing.picture = AnimatedGif();
  playing.animate = true;
  ControlDef hidden = playing;
  hidden.name = "hidden";
  hidden.left = 30;
  hidden.visible = false;
  ControlDef still = playing;
  still.name = "still";
  still.left = 40;
  still.animate = false;
  form.controls = {good, broken, playing, hidden, still};
  Load(form);

  auto box = [](const char* name) { return dynamic_cast<PictureBox*>(WidgetOf(Control{"Box", name})); };
  for (const char* name : {"good", "broken", "playing", "hidden", "still"}) ASSERT_NE(box(name), nullptr) << name;
  EXPECT_TRUE(box("good")->HasPicture());
  EXPECT_EQ(PixelOf(Control{"Box", "good"}, 1, 1), QColor(Qt::red));
  EXPECT_FALSE(box("broken")->HasPicture());
  EXPECT_NE(PixelOf(Control{"Box", "broken"}, 1, 1), QColor(Qt::red));

  EXPECT_TRUE(box("playing")->Playing());
  EXPECT_FALSE(box("still")->Playing());
  EXPECT_FALSE(box("hidden")->Playing());
  SetProp(Control{"Box", "hidden"}, Prop::Visible, true);
  EXPECT_TRUE(box("hidden")->Playing());
  SetProp(Control{"Box", "hidden"}, Prop::Visible, false);
  EXPECT_FALSE(box("hidden")->Playing());
}

TEST(LabelGradient, TwoEqualLinearSegments) {
  const std::array<std::uint32_t, 3> colours = {0x000000, 0x0000FF, 0x000000};  // black, red, black
  struct Case { int x, width, red; };
  for (const Case& c : {Case{0, 101, 0}, Case{25, 101, 128}, Case{50, 101, 255}, Case{75, 101, 128},
                        Case{100, 101, 0}, Case{0, 1, 0}}) {
    EXPECT_EQ(Label::GradientColour(colours, c.x, c.width).red(), c.red) << c.x << "/" << c.width;
  }
}

}  // namespace
}  // namespace kestara::testing
