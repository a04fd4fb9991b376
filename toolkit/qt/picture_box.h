// A picture box: a still or animated picture at its natural size.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QMovie>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "toolkit/form_def.h"

namespace kestara {

class PictureBox : public QWidget {
 public:
  PictureBox(const ControlDef& def, QWidget* parent);
  ~PictureBox() override;

  void SetPicture(const Bytes& bytes);
  bool HasPicture() const { return movie_ != nullptr; }
  bool Playing() const { return movie_ != nullptr && movie_->state() == QMovie::Running; }

  std::function<void()> clicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Release();

  std::uint32_t backColour_;
  bool animate_;
  bool pressed_ = false;
  // The movie reads from the buffer, the buffer from the bytes: they go in
  // the reverse order.
  QByteArray data_;
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QMovie> movie_;
};

}  // namespace kestara
