// A label: background picture, gradient or colour, an optional border and
// its caption, painted the same way on every platform.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/form_def.h"

namespace kestara {

class Label : public QWidget {
 public:
  Label(const ControlDef& def, QWidget* parent);

  const std::string& Text() const { return text_; }
  void SetText(const std::string& localText);
  void SetTextColour(std::uint32_t colour);
  void SetPicture(const Bytes& bytes);
  const Bytes& Picture() const { return pictureBytes_; }
  int Alignment() const { return alignment_; }
  void SetAlignment(int alignment);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);

  std::function<void()> clicked;

  // Colour of the column x of a gradient across width pixels.
  static QColor GradientColour(const std::array<std::uint32_t, 3>& colours, int x, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PaintBackground(QPainter& painter);

  std::string text_;
  QString shown_;
  std::uint32_t textColour_;
  std::uint32_t backColour_;
  Bytes pictureBytes_;
  QPixmap picture_;
  bool gradient_;
  std::array<std::uint32_t, 3> gradientColours_;
  bool border_;
  bool raised_;
  int alignment_ = 0;
  bool wordWrap_ = false;
  int verticalAlignment_;
  bool pressed_ = false;
};

}  // namespace kestara
