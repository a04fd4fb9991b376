// Tray icons, one per window at most.
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>
#include <map>

#include "toolkit/qt/pictures.h"
#include "toolkit/qt/qt_text.h"
#include "toolkit/qt/services_tray.h"
#include "toolkit/qt/shared.h"

namespace kestara {
namespace {

constexpr std::size_t kMaxTipBytes = 62;

// The icons belong to the application object, so none outlives it.
std::map<std::string, QPointer<QSystemTrayIcon>>& TrayIcons() {
  static std::map<std::string, QPointer<QSystemTrayIcon>> icons;
  return icons;
}

}  // namespace

std::string CutTip(const std::string& tip) {
  std::size_t end = 0;
  while (end < tip.size()) {
    const std::size_t width = static_cast<unsigned char>(tip[end]) >= 0x80 ? 2 : 1;
    if (end + width > kMaxTipBytes || end + width > tip.size()) {
      break;
    }
    end += width;
  }
  return tip.substr(0, end);
}

bool HasTrayIcon(const std::string& form) {
  const auto found = TrayIcons().find(form);
  return found != TrayIcons().end() && found->second && found->second->isVisible();
}

void SetTrayIcon(const std::string& form, const Bytes& iconBytes, const std::string& tip) {
  if (iconBytes.empty()) {
    RemoveTrayIcon(form);
    return;
  }
  // Only a loaded window has an icon: its destruction removes it again.
  if (QGuiApplication::instance() == nullptr || !IsFormLoaded(form) || !QSystemTrayIcon::isSystemTrayAvailable()) {
    return;
  }
  // An icon that does not decode changes nothing rather than showing an
  // empty square.
  const QIcon icon = IconFromBytes(iconBytes);
  if (icon.isNull()) {
    return;
  }
  QPointer<QSystemTrayIcon>& tray = TrayIcons()[form];
  if (!tray) {
    tray = new QSystemTrayIcon(QGuiApplication::instance());
  }
  tray->setIcon(icon);
  tray->setToolTip(ToQt(CutTip(tip)));
  tray->show();
}

void RemoveTrayIcon(const std::string& form) {
  const auto found = TrayIcons().find(form);
  if (found == TrayIcons().end()) {
    return;
  }
  delete found->second.data();
  TrayIcons().erase(found);
}

}  // namespace kestara
