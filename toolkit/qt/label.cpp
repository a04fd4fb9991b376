#include "toolkit/qt/label.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "toolkit/qt/colours.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/shared.h"

namespace kestara {
namespace {

int Blend(int from, int to, double t) {
  return static_cast<int>(std::lround(from * (1.0 - t) + to * t));
}

QColor Mix(std::uint32_t from, std::uint32_t to, double t) {
  const QColor a = ColourFromValue(from);
  const QColor b = ColourFromValue(to);
  return QColor(Blend(a.red(), b.red(), t), Blend(a.green(), b.green(), t), Blend(a.blue(), b.blue(), t));
}

Qt::Alignment HorizontalFlag(int alignment) {
  switch (alignment) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

Qt::Alignment VerticalFlag(int alignment) {
  switch (alignment) {
    case 0: return Qt::AlignTop;
    case 2: return Qt::AlignBottom;
    default: return Qt::AlignVCenter;
  }
}

}  // namespace

Label::Label(const ControlDef& def, QWidget* parent)
    : QWidget(parent),
      textColour_(def.textColour),
      backColour_(def.backColour),
      gradient_(def.gradient),
      gradientColours_(def.gradientColours),
      border_(def.border),
      raised_(def.raised),
      alignment_(def.horizontalAlignment),
      wordWrap_(def.wordWrap),
      verticalAlignment_(def.verticalAlignment) {
  setFont(FontFromDef(def.font));
  SetText(def.text);
  SetPicture(def.picture);
}

void Label::SetText(const std::string& localText) {
  text_ = localText;
  shown_ = ToQt(localText);
  update();
}

void Label::SetTextColour(std::uint32_t colour) {
  textColour_ = colour;
  update();
}

void Label::SetPicture(const Bytes& bytes) {
  pictureBytes_ = bytes;
  picture_ = PictureFromBytes(bytes);
  update();
}

void Label::SetAlignment(int alignment) {
  alignment_ = alignment;
  update();
}

void Label::SetWordWrap(bool on) {
  wordWrap_ = on;
  update();
}

QColor Label::GradientColour(const std::array<std::uint32_t, 3>& colours, int x, int width) {
  if (width <= 1) return ColourFromValue(colours[0]);
  // Two equal segments: first to second colour, then second to third,
  // so the last column is exactly the third colour.
  const double half = (width - 1) / 2.0;
  if (x <= half) return Mix(colours[0], colours[1], half > 0 ? x / half : 0.0);
  return Mix(colours[1], colours[2], (x - half) / half);
}

void Label::PaintBackground(QPainter& painter) {
  painter.fillRect(rect(), ColourOrButtonFace(backColour_, palette()));
  if (!picture_.isNull()) {
    painter.drawTiledPixmap(rect(), picture_);
  } else if (gradient_) {
    for (int x = 0; x < width(); ++x) {
      painter.fillRect(x, 0, 1, height(), GradientColour(gradientColours_, x, width()));
    }
  }
}

void Label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintBackground(painter);
  QRect area = rect();
  if (border_) {
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    area.adjust(1, 1, -1, -1);
  }
  if (shown_.isEmpty()) return;

  QString text = shown_;
  int flags = static_cast<int>(HorizontalFlag(alignment_));
  if (wordWrap_) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    flags |= Qt::AlignTop | Qt::TextWordWrap;
  } else {
    text.remove(QLatin1Char('\r'));
    flags |= static_cast<int>(VerticalFlag(verticalAlignment_)) | Qt::TextSingleLine;
  }
  painter.setFont(font());
  if (raised_) {
    painter.setPen(Qt::white);
    painter.drawText(area.translated(1, 1), flags, text);
  }
  painter.setPen(ColourFromValue(textColour_));
  painter.drawText(area, flags, text);
}

void Label::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  // Not accepted: the window may start a drag from here.
  event->ignore();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->ignore();
  if (click && clicked) clicked();
}

}  // namespace kestara
