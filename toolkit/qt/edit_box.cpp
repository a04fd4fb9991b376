#include "toolkit/qt/edit_box.h"

#include <QTextDocument>

#include "toolkit/qt/colours.h"
#include "toolkit/qt/fonts.h"
#include "toolkit/qt/qt_text.h"

namespace kestara {

EditBox::EditBox(const ControlDef& def, QWidget* parent) : QPlainTextEdit(parent), backColour_(def.backColour) {
  setFont(FontFromDef(def.font));
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(def.border ? QFrame::StyledPanel : QFrame::NoFrame);
  setTabChangesFocus(true);
  document()->setDocumentMargin(2);
  SetColours(def.textColour, def.backColour);
  SetLocalText(def.text);
}

std::string EditBox::LocalText() const {
  // The raw text keeps every character; paragraphs and line separators
  // both become CR LF.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return FromQt(text);
}

void EditBox::SetLocalText(const std::string& localText) {
  QString text = ToQt(localText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(text);
}

void EditBox::SetColours(std::uint32_t text, std::uint32_t back) {
  backColour_ = back;
  QPalette colours = palette();
  const QColor base = back == kDefaultColour ? QColor(Qt::white) : ColourFromValue(back);
  const QColor ink = ColourFromValue(text);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Base, base);
    colours.setColor(group, QPalette::Text, ink);
  }
  // Without the focus the selection does not show.
  colours.setColor(QPalette::Inactive, QPalette::Highlight, base);
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, ink);
  setPalette(colours);
}

}  // namespace kestara
