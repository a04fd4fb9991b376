// A button drawn from up to four images (normal, hover, pressed,
// disabled) that raises its click only when the left button is released
// over it.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

#include "toolkit/form_def.h"

namespace kestara {

class PictureButton : public QWidget {
 public:
  enum State { kNormal = 0, kHover = 1, kPressed = 2 };

  PictureButton(const ControlDef& def, QWidget* parent);

  State CurrentState() const { return state_; }
  // The image painting uses now (falls back to the normal image).
  const QPixmap& ShownImage() const;

  std::function<void()> clicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void SetState(State state);

  std::array<QPixmap, 4> images_;
  State state_ = kNormal;
};

}  // namespace kestara
