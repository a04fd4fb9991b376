// The open and save dialogs, driven by a timer that finds them.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/qt/file_filter.h"
#include "toolkit/qt/qt_text.h"
#include "translate/code_page.h"

namespace kestara::testing {
namespace {

// As the user typing into the dialog's name box does (selectFile leaves a
// focused name box alone).
void TypeFileName(QFileDialog* box, const QString& path) {
  auto* edit = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(edit, nullptr);
  edit->setText(path);
}

// As the dialog's own Open or Save button does.
void Accept(QFileDialog* box) { QMetaObject::invokeMethod(box, "accept", Qt::DirectConnection); }

// Closes whatever modal window is still open once the time is up, so a
// dialog that was not answered cannot hold the test.
void Watchdog(int ms) {
  auto* watchdog = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(watchdog, &QTimer::timeout, watchdog, [watchdog, clock, ms] {
    if (clock->elapsed() < ms) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
    } else {
      watchdog->stop();
      watchdog->deleteLater();
      delete clock;
    }
  });
  watchdog->start(50);
}

// Acts on the first file dialog that shows up.
void WhenTheDialogShows(std::function<void(QFileDialog*)> act) {
  Watchdog(5000);
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (dialog != nullptr && dialog->isVisible()) {
        poll->stop();
        poll->deleteLater();
        act(dialog);
        return;
      }
    }
  });
  poll->start(20);
}

// Answers the warning a dialog shows with a box of its own.
void DismissTheWarning(bool& seen) {
  QTimer::singleShot(100, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    seen = modal != nullptr && qobject_cast<QFileDialog*>(modal) == nullptr;
    if (seen) modal->close();
  });
}

FormDef DialogForm() {
  FormDef form = MakeForm("Dialogs");
  ControlDef dialog = MakeControl("通用对话框1", Kind::FileDialog);
  dialog.dialogTitle = Local("选择一个文档");
  dialog.dialogFilter = "*.txt|*.txt";
  dialog.dialogFlags = kFileMustExist | kOverwritePrompt | kPathMustExist | kHideReadOnly;
  form.controls = {dialog};
  return form;
}

class FileDialogs : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    Load(DialogForm());
  }
  std::string PathIn(const QString& name) const { return FromQt(QDir::toNativeSeparators(folder_.filePath(name))); }

  QTemporaryDir folder_;
  const Control dialog_{"Dialogs", "通用对话框1"};
};

TEST_F(FileDialogs, OpenConfirmedGivesTheChosenExistingFile) {
  const QString name = QString::fromUtf8("原文.txt");
  QFile file(folder_.filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  QString title;
  QStringList filters;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  WhenTheDialogShows([&](QFileDialog* box) {
    title = box->windowTitle();
    filters = box->nameFilters();
    mode = box->fileMode();
    TypeFileName(box, folder_.filePath(name));
    Accept(box);
  });
  EXPECT_TRUE(RunFileDialog(dialog_));
  EXPECT_EQ(GetProp(dialog_, Prop::FileName).Text(), PathIn(name));
  EXPECT_EQ(title, QString::fromUtf8("选择一个文档"));
  EXPECT_EQ(filters, QStringList{QStringLiteral("*.txt (*.txt)")});
  EXPECT_EQ(mode, QFileDialog::ExistingFile);
}

TEST_F(FileDialogs, OpenRefusesAMissingFileAndCancelGivesFalse) {
  SetProp(dialog_, Prop::FileName, "before");
  bool stillOpen = false;
  bool warned = false;
  WhenTheDialogShows([&](QFileDialog* box) {
    TypeFileName(box, folder_.filePath(QStringLiteral("missing.txt")));
    DismissTheWarning(warned);
    Accept(box);
    stillOpen = box->isVisible();
    box->reject();
  });
  EXPECT_FALSE(RunFileDialog(dialog_));
  EXPECT_TRUE(warned);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(GetProp(dialog_, Prop::FileName).Text(), "before");
}

TEST_F(FileDialogs, SaveKeepsTheNameAsGivenWithoutExtension) {
  SetProp(dialog_, Prop::DialogType, 1);
  SetProp(dialog_, Prop::FileName, Local("翻译结果"));
  QString offered;
  bool confirmsOverwrite = false;
  WhenTheDialogShows([&](QFileDialog* box) {
    offered = box->selectedFiles().value(0);
    confirmsOverwrite = !box->testOption(QFileDialog::DontConfirmOverwrite);
    box->setDirectory(folder_.path());
    TypeFileName(box, folder_.filePath(QString::fromUtf8("翻译结果")));
    Accept(box);
  });
  EXPECT_TRUE(RunFileDialog(dialog_));
  EXPECT_TRUE(offered.endsWith(QString::fromUtf8("翻译结果")));
  EXPECT_TRUE(confirmsOverwrite);
  EXPECT_EQ(GetProp(dialog_, Prop::FileName).Text(), PathIn(QString::fromUtf8("翻译结果")));
}

TEST_F(FileDialogs, SaveRefusesAFolderThatDoesNotExist) {
  SetProp(dialog_, Prop::DialogType, 1);
  bool stillOpen = false;
  WhenTheDialogShows([&](QFileDialog* box) {
    TypeFileName(box, folder_.filePath(QStringLiteral("no/such/folder/out.txt")));
    Accept(box);
    stillOpen = box->isVisible();
    box->reject();
  });
  EXPECT_FALSE(RunFileDialog(dialog_));
  EXPECT_TRUE(stillOpen);
}

TEST(FileFilters, PairsBecomeQtNameFilters) {
  struct Case { std::string filter; QStringList expected; };
  const Case cases[] = {
      {"*.txt|*.txt", {"*.txt (*.txt)"}},
      {"Text|*.txt;*.log|All|*.*", {"Text (*.txt *.log)", "All (*.*)"}},
      {Local("文本文件|*.txt"), {QString::fromUtf8("文本文件 (*.txt)")}},
      {"", {}},
      {"Lonely description", {}},
      {"Empty pattern||Text|*.txt", {"Text (*.txt)"}},
  };
  for (const Case& c : cases) EXPECT_EQ(QtNameFilters(c.filter), c.expected) << c.filter;
}

}  // namespace
}  // namespace kestara::testing
