// The program's QApplication: sees every input event once, before any
// widget, for what all windows share: Esc closes, dragging by the
// background, and the mouse-moved event.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QPointer>

namespace kestara {

class FormWindow;

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  bool EscapeCloses(QObject* receiver, QEvent* event);
  void TrackDrag(QObject* receiver, QEvent* event);

  QPointer<FormWindow> dragged_;
  QPoint dragStartGlobal_;
  QPoint dragStartPos_;
};

}  // namespace kestara
