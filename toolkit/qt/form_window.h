// A frameless, skinned top-level window built from a form definition.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

#include "toolkit/form_def.h"

namespace kestara {

class FormWindow : public QWidget {
 public:
  explicit FormWindow(const FormDef& def);

  const std::string& FormName() const { return name_; }
  Handle FormHandle() const { return handle_; }
  void SetFormHandle(Handle handle) { handle_ = handle; }
  bool EscCloses() const { return escCloses_; }
  bool DragAnywhere() const { return dragAnywhere_; }

  void SetBackground(const Bytes& bytes);
  const Bytes& Background() const { return backgroundBytes_; }

  bool AlwaysOnTop() const;
  // Keeps the window where it is, visible or not, with its native window.
  void SetAlwaysOnTop(bool on);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::string name_;
  Handle handle_ = 0;
  bool escCloses_ = true;
  bool dragAnywhere_ = true;
  bool activated_ = false;
  Bytes backgroundBytes_;
  QPixmap background_;
};

// The form window a widget belongs to; nullptr for other widgets (dialogs,
// drop-down lists).
FormWindow* FormWindowOf(QObject* object);

}  // namespace kestara
