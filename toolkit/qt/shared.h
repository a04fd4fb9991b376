// What the parts of the Qt toolkit share among themselves and with the
// effects' platform layer. Not for the handlers: they see toolkit.h only.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <string>

#include "toolkit/toolkit.h"

namespace kestara {

// The widget behind a handle from WindowHandle; nullptr when it is gone.
QWidget* WidgetForHandle(Handle handle);

// Decodes image-file bytes (GIF, BMP, ICO, PNG); a null pixmap when they
// do not decode.
QPixmap PictureFromBytes(const Bytes& bytes);

// Removes the tray icon of a window, if it has one (window destroyed).
void RemoveTrayIcon(const std::string& form);

}  // namespace kestara
