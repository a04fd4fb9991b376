// Clipboard text as local text.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "toolkit/qt/qt_text.h"
#include "toolkit/toolkit.h"

namespace kestara {

std::string GetClipboardText() {
  if (QGuiApplication::instance() == nullptr) {
    return {};
  }
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) {
    return {};
  }
  std::string text = FromQt(data->text());
  // Local text holds no zero byte.
  const std::size_t end = text.find('\0');
  if (end != std::string::npos) {
    text.resize(end);
  }
  return text;
}

void SetClipboardText(const std::string& text) {
  if (QGuiApplication::instance() == nullptr) {
    return;
  }
  QGuiApplication::clipboard()->setText(ToQt(text));
}

}  // namespace kestara
