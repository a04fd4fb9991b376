// Opening a link control's target with the desktop's default handler.
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "toolkit/qt/qt_text.h"
#include "toolkit/toolkit.h"

namespace kestara {

bool OpenLink(const Control& link) {
  const QString target = ToQt(GetProp(link, Prop::LinkTarget).Text()).trimmed();
  if (target.isEmpty()) {
    return false;
  }
  QUrl url(target, QUrl::TolerantMode);
  // Like the shell's open action, a target without a scheme names a file
  // relative to the working directory. A one-letter scheme is a drive.
  if (!url.isValid() || url.scheme().size() < 2) {
    url = QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
  }
  return QDesktopServices::openUrl(url);
}

}  // namespace kestara
