// The open and save dialogs of the file-dialog controls.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "toolkit/qt/file_filter.h"
#include "toolkit/qt/form_registry.h"
#include "toolkit/qt/handler_calls.h"
#include "toolkit/qt/qt_text.h"

namespace kestara {
namespace {

// Qt's own dialog accepts a file name in a folder that does not exist;
// this one refuses it when the path must exist.
class FileDialog : public QFileDialog {
 public:
  explicit FileDialog(bool pathMustExist) : pathMustExist_(pathMustExist) {}

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (pathMustExist_ && !chosen.isEmpty() && !QFileInfo(chosen.first()).absoluteDir().exists()) return;
    QFileDialog::accept();
  }

 private:
  bool pathMustExist_;
};

}  // namespace

bool RunFileDialog(const Control& dialog) {
  FormRecord* form = FindForm(dialog.form);
  ControlRecord* record = form == nullptr ? nullptr : form->FindControl(dialog.name);
  if (record == nullptr || record->kind != Kind::FileDialog) return false;
  const FileDialogSettings settings = record->dialog;

  FileDialog box((settings.flags & kPathMustExist) != 0);
  box.setOption(QFileDialog::DontUseNativeDialog, true);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(ToQt(settings.title));
  if (settings.type == 1) {
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite, (settings.flags & kOverwritePrompt) == 0);
  } else {
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode((settings.flags & kFileMustExist) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  box.setDefaultSuffix(QString());  // the name is kept as typed
  const QStringList filters = QtNameFilters(settings.filter);
  if (!filters.isEmpty()) {
    box.setNameFilters(filters);
    box.selectNameFilter(filters.first());
  }
  if (!settings.fileName.empty()) box.selectFile(ToQt(settings.fileName));

  int result = QDialog::Rejected;
  {
    HandlerScope scope;  // handlers run inside; no window is deleted under us
    result = box.exec();
  }
  if (result != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;

  // The dialog ran an event loop: the control may be gone by now.
  form = FindForm(dialog.form);
  record = form == nullptr ? nullptr : form->FindControl(dialog.name);
  if (record != nullptr) record->dialog.fileName = FromQt(QDir::toNativeSeparators(box.selectedFiles().first()));
  return true;
}

}  // namespace kestara
