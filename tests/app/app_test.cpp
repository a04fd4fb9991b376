#include "tests/app/app_test.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <fstream>

#include "toolkit/qt/qt_text.h"

namespace kestara::testing {
namespace {

class LinkCatcher : public QObject {
  Q_OBJECT
 public:
  std::vector<std::string> links;
 public slots:
  void Open(const QUrl& url) { links.push_back(url.toString().toStdString()); }
};

LinkCatcher& Catcher() {
  static LinkCatcher* catcher = [] {
    auto* c = new LinkCatcher;
    for (const char* scheme : {"http", "https", "file", "mailto"}) {
      QDesktopServices::setUrlHandler(scheme, c, "Open");
    }
    return c;
  }();
  return *catcher;
}

}  // namespace

void Later(int delayMs, std::function<void()> action) {
  QTimer::singleShot(delayMs, qApp, std::move(action));
}

std::vector<std::string> OpenedLinks() { return Catcher().links; }

int OpacityOf(const std::string& form) {
  QWidget* widget = WidgetOf(WindowOf(form));
  if (widget == nullptr) return -1;
  return qRound(widget->windowOpacity() * 255.0);
}

void MarkNotFirstRun() {
  Catcher();
  std::ofstream("pendrix.ini") << "present";
}

void LoadMainWindowAndWait() {
  MarkNotFirstRun();
  LoadForm(MainWindowForm(), false);
  ASSERT_TRUE(WaitFor([] { return OpacityOf(kMainWindow) == 255; }, 5000));
}

void AnswerNextFileDialog(const std::string& localPath, bool confirmOverwrite) {
  auto* poll = new QTimer(qApp);
  auto dialogDone = std::make_shared<bool>(false);
  auto rounds = std::make_shared<int>(0);
  auto refused = std::make_shared<bool>(false);
  QObject::connect(poll, &QTimer::timeout, [=] {
    if (++*rounds > 1000) {  // about ten seconds: give up rather than hang
      poll->deleteLater();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      box->button(confirmOverwrite ? QMessageBox::Yes : QMessageBox::No)->click();
      *refused = !confirmOverwrite;
      return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) {
      if (*dialogDone) poll->deleteLater();
      return;
    }
    if (*dialogDone) {
      // A refused overwrite leaves the dialog open: the user then cancels it.
      if (*refused) dialog->reject();
      return;
    }
    *dialogDone = true;
    if (localPath.empty()) {
      dialog->reject();
      return;
    }
    // Typed as a user would: the dialog's model may not list a file that
    // was created a moment ago.
    dialog->selectFile(ToQt(localPath));
    if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(ToQt(localPath));
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  });
  poll->start(10);
}

}  // namespace kestara::testing

#include "app_test.moc"
