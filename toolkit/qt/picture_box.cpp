#include "toolkit/qt/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/qt/colours.h"

namespace kestara {

PictureBox::PictureBox(const ControlDef& def, QWidget* parent)
    : QWidget(parent), backColour_(def.backColour), animate_(def.animate) {
  SetPicture(def.picture);
}

PictureBox::~PictureBox() { Release(); }

void PictureBox::Release() {
  movie_.reset();
  buffer_.reset();
  data_.clear();
}

void PictureBox::SetPicture(const Bytes& bytes) {
  Release();
  if (!bytes.empty()) {
    data_ = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    buffer_ = std::make_unique<QBuffer>(&data_);
    buffer_->open(QIODevice::ReadOnly);
    movie_ = std::make_unique<QMovie>(buffer_.get());
    // A picture that does not decode shows nothing.
    if (!movie_->isValid() || !movie_->jumpToFrame(0) || movie_->currentImage().isNull()) {
      Release();
    } else {
      QObject::connect(movie_.get(), &QMovie::frameChanged, this, [this] { update(); });
      if (animate_ && isVisible()) movie_->start();
    }
  }
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The default colour leaves the box see-through, as the picture's own
  // transparent pixels are.
  if (backColour_ != kDefaultColour) painter.fillRect(rect(), ColourFromValue(backColour_));
  if (movie_ != nullptr) painter.drawPixmap(0, 0, movie_->currentPixmap());
}

void PictureBox::showEvent(QShowEvent* event) {
  if (movie_ != nullptr && animate_ && movie_->state() != QMovie::Running) movie_->start();
  QWidget::showEvent(event);
}

void PictureBox::hideEvent(QHideEvent* event) {
  if (movie_ != nullptr && movie_->state() == QMovie::Running) movie_->setPaused(true);
  QWidget::hideEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->ignore();  // the window may start a drag from here
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->ignore();
  if (click && clicked) clicked();
}

}  // namespace kestara
