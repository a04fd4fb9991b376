// Clipboard text as local text.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "toolkit/toolkit.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

TEST(Clipboard, TextGoesBothWaysAsLocalText) {
  const std::string texts[] = {Local("中文 → English\r\n第二行"), "plain ASCII", Local("全角　空格")};
  for (const std::string& text : texts) {
    SetClipboardText(text);
    EXPECT_EQ(GetClipboardText(), text);
  }
  // Other programs see Unicode text, not the local bytes.
  SetClipboardText(Local("翻译"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("翻译"));
  QGuiApplication::clipboard()->setText(QString::fromUtf8("粘贴 paste"));
  EXPECT_EQ(GetClipboardText(), Local("粘贴 paste"));
}

TEST(Clipboard, NoTextGivesEmpty) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  QGuiApplication::clipboard()->setImage(image);
  EXPECT_EQ(GetClipboardText(), "");
  QGuiApplication::clipboard()->clear();
  EXPECT_EQ(GetClipboardText(), "");
  SetClipboardText("");
  EXPECT_EQ(GetClipboardText(), "");
}

TEST(Clipboard, CharactersOutsideTheCodePageBecomeReplacements) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8("a😀b"));
  const std::string text = GetClipboardText();
  EXPECT_EQ(text.front(), 'a');
  EXPECT_EQ(text.back(), 'b');
  EXPECT_EQ(text.find('\0'), std::string::npos);
  QGuiApplication::clipboard()->setText(QString::fromUtf8("cut") + QChar(0) + QString::fromUtf8("here"));
  EXPECT_EQ(GetClipboardText(), "cut");
}

}  // namespace
}  // namespace kestara
