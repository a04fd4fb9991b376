#include "toolkit/qt/picture_button.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/qt/shared.h"

namespace kestara {

PictureButton::PictureButton(const ControlDef& def, QWidget* parent) : QWidget(parent) {
  for (std::size_t i = 0; i < images_.size(); ++i) images_[i] = PictureFromBytes(def.images[i]);
  setMouseTracking(true);
}

const QPixmap& PictureButton::ShownImage() const {
  const QPixmap* chosen = &images_[kNormalImage];
  if (!isEnabled()) {
    chosen = &images_[kDisabledImage];
  } else if (state_ == kHover) {
    chosen = &images_[kHoverImage];
  } else if (state_ == kPressed) {
    chosen = &images_[kPressedImage];
  }
  return chosen->isNull() ? images_[kNormalImage] : *chosen;
}

void PictureButton::SetState(State state) {
  if (state == state_) return;
  state_ = state;
  repaint();
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const QPixmap& image = ShownImage();
  if (!image.isNull()) painter.drawPixmap(0, 0, image);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
  if (rect().contains(event->position().toPoint())) {
    SetState(leftDown ? kPressed : kHover);
  } else {
    SetState(kNormal);
  }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The press grabs the mouse until the release.
  SetState(kPressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (rect().contains(event->position().toPoint()) && isEnabled()) {
    SetState(kNormal);
    if (clicked) clicked();  // may destroy the window: nothing after this
    return;
  }
  SetState(kNormal);
}

void PictureButton::leaveEvent(QEvent* event) {
  // The pointer went elsewhere without a move over us to tell.
  if (state_ == kHover) SetState(kNormal);
  QWidget::leaveEvent(event);
}

void PictureButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) repaint();
  QWidget::changeEvent(event);
}

}  // namespace kestara
