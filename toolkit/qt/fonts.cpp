#include "toolkit/qt/fonts.h"

#include <QStringList>
#include <cmath>

#include "toolkit/qt/qt_text.h"

namespace kestara {
namespace {

constexpr int kDefaultPixelSize = 12;  // 9 points

// When the requested face is missing, Chinese text still needs a face
// that has the glyphs.
const QString& CjkFallback() {
  static const QString face = QStringLiteral("WenQuanYi Micro Hei");
  return face;
}

QString DefaultFace() { return QString::fromUtf8("宋体"); }

void SetFace(QFont& font, const QString& face) {
  font.setFamilies(QStringList{face.isEmpty() ? DefaultFace() : face, CjkFallback()});
}

}  // namespace

QFont DefaultGuiFont() {
  QFont font;
  SetFace(font, DefaultFace());
  font.setPixelSize(kDefaultPixelSize);
  font.setWeight(QFont::Normal);
  return font;
}

QFont FontFromDef(const FontDef& def) {
  QFont font = DefaultGuiFont();
  if (!def.face.empty()) SetFace(font, ToQt(def.face));
  if (def.height != 0) font.setPixelSize(std::abs(def.height));
  return font;
}

int FontSizeInPoints(const QFont& font) {
  if (font.pixelSize() > 0) return static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0));
  return static_cast<int>(std::lround(font.pointSizeF()));
}

QFont WithSizeInPoints(QFont font, int points) {
  if (points <= 0) return font;
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  return font;
}

std::string FontFace(const QFont& font) {
  const QStringList families = font.families();
  return FromQt(families.isEmpty() ? DefaultFace() : families.first());
}

QFont WithFace(QFont font, const std::string& localFace) {
  SetFace(font, ToQt(localFace));
  return font;
}

}  // namespace kestara
