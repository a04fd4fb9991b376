// A multi-line edit box: wraps at its width, no scroll bars, Enter
// inserts a line break, CR LF between lines in its text.
#pragma once

#include <QPlainTextEdit>
#include <cstdint>
#include <string>

#include "toolkit/form_def.h"

namespace kestara {

class EditBox : public QPlainTextEdit {
 public:
  EditBox(const ControlDef& def, QWidget* parent);

  std::string LocalText() const;
  void SetLocalText(const std::string& localText);
  void SetColours(std::uint32_t text, std::uint32_t back);
  std::uint32_t BackColour() const { return backColour_; }

 private:
  std::uint32_t backColour_;
};

}  // namespace kestara
