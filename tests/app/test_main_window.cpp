// Start-up and the main window's editing, file and link commands.
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "app/welcome_text.h"
#include "build_config.h"
#include "tests/app/app_test.h"
#include "toolkit/qt/qt_text.h"
#include "translate/code_page.h"

#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QTimer>

namespace kestara::testing {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Cwd() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

TEST(MainWindow, StartsWithTheWelcomeTextAndFadesIn) {
  MarkNotFirstRun();
  LoadForm(MainWindowForm(), false);
  EXPECT_EQ(TextOf(M("编辑框1")), WelcomeText());
  EXPECT_LE(OpacityOf(kMainWindow), 1);
  ASSERT_TRUE(WaitFor([] { return OpacityOf(kMainWindow) == 255; }, 5000));
  EXPECT_TRUE(VisibleOf(M("标签1")));
  EXPECT_FALSE(VisibleOf(M("标签3")));
  EXPECT_FALSE(VisibleOf(M("图片框1")));
}

TEST(MainWindow, WelcomeTextNamesBothHomePages) {
  const std::string text = WelcomeText();
  EXPECT_EQ(text.rfind(Local("欢迎使用Kestara专版智能英汉互译工具\r\n\r\n我们的宗旨：快速、稳定压倒一切\r\n\r\n"), 0), 0u);
  EXPECT_NE(text.find(std::string("Kestara:") + kForumHomeUrl + "\r\n\r\nTavrilo:" + kMakerHomeUrl + "\r\n"),
            std::string::npos);
}

TEST(MainWindow, CopyPasteAndClear) {
  LoadMainWindowAndWait();
  const std::string chinese = Local("中文 text");
  SetProp(M("编辑框2"), Prop::Text, chinese);
  ClickOn(M("按钮4"));
  EXPECT_EQ(GetClipboardText(), chinese);

  SetProp(M("编辑框2"), Prop::Text, "");
  ClickOn(M("按钮4"));
  EXPECT_EQ(GetClipboardText(), "");

  SetClipboardText(Local("剪贴板\r\nline"));
  ClickOn(M("按钮2"));
  EXPECT_EQ(TextOf(M("编辑框1")), Local("剪贴板\r\nline"));

  SetClipboardText("");
  ClickOn(M("按钮2"));
  EXPECT_EQ(TextOf(M("编辑框1")), "");

  SetProp(M("编辑框1"), Prop::Text, "a");
  SetProp(M("编辑框2"), Prop::Text, "b");
  ClickOn(M("按钮3"));
  EXPECT_EQ(TextOf(M("编辑框1")), "");
  EXPECT_EQ(TextOf(M("编辑框2")), "");
}

TEST(MainWindow, PasteOfAnImageOnlyClipboardEmptiesTheSource) {
  LoadMainWindowAndWait();
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  QApplication::clipboard()->setImage(image);
  ClickOn(M("按钮2"));
  EXPECT_EQ(TextOf(M("编辑框1")), "");
}

struct ImportCase {
  const char* what;
  std::string bytes;
  std::string expected;
  bool readOnly;
};

TEST(MainWindow, ImportReadsRawLocalTextUpToZeroOrEof) {
  const std::vector<ImportCase> cases = {
      {"plain GBK", Local("第一行\r\n第二行"), Local("第一行\r\n第二行"), false},
      {"stops at 0x1A", std::string("before\x1A" "after"), "before", false},
      {"stops at a zero byte", std::string("abc\0def", 7), "abc", false},
      {"UTF-8 stays bytes", "\xE4\xBD\xA0\xE5\xA5\xBD", "\xE4\xBD\xA0\xE5\xA5\xBD", false},
      {"read-only file", "locked", "locked", true},
  };
  LoadMainWindowAndWait();
  for (size_t i = 0; i < cases.size(); ++i) {
    const ImportCase& c = cases[i];
    const std::string path = Cwd() + "/import" + std::to_string(i) + ".txt";
    WriteFile(path, c.bytes);
    if (c.readOnly) chmod(path.c_str(), 0444);
    SetProp(M("编辑框1"), Prop::Text, "old");
    AnswerNextFileDialog(path);
    ClickOn(M("按钮5"));
    EXPECT_EQ(TextOf(M("编辑框1")), c.expected) << c.what;
  }
}

TEST(MainWindow, CancelledImportChangesNothing) {
  LoadMainWindowAndWait();
  SetProp(M("编辑框1"), Prop::Text, "keep");
  AnswerNextFileDialog("");
  ClickOn(M("按钮5"));
  EXPECT_EQ(TextOf(M("编辑框1")), "keep");
}

TEST(MainWindow, SaveWritesTheResultBytes) {
  LoadMainWindowAndWait();
  const std::string path = Cwd() + "/" + "result-file";
  SetProp(M("编辑框2"), Prop::Text, Local("译文\r\n第二行"));
  AnswerNextFileDialog(path);
  ClickOn(M("按钮7"));
  EXPECT_EQ(FileBytes(path), Local("译文\r\n第二行"));
  EXPECT_EQ(GetProp(M("通用对话框1"), Prop::FileName).Text(), path);

  const std::string empty = Cwd() + "/empty-result";
  SetProp(M("编辑框2"), Prop::Text, "");
  AnswerNextFileDialog(empty);
  ClickOn(M("按钮7"));
  struct stat st {};
  ASSERT_EQ(stat(empty.c_str(), &st), 0);
  EXPECT_EQ(st.st_size, 0);
}

TEST(MainWindow, SaveOverAnExistingFileOnlyAfterConfirmation) {
  LoadMainWindowAndWait();
  const std::string path = Cwd() + "/existing.txt";
  WriteFile(path, "old content");
  SetProp(M("编辑框2"), Prop::Text, "new");

  AnswerNextFileDialog(path, /*confirmOverwrite=*/false);
  ClickOn(M("按钮7"));
  Settle(100);
  EXPECT_EQ(FileBytes(path), "old content");

  AnswerNextFileDialog(path, /*confirmOverwrite=*/true);
  ClickOn(M("按钮7"));
  EXPECT_EQ(FileBytes(path), "new");
}

TEST(MainWindow, SaveProposesTheResultNameWithoutExtension) {
  LoadMainWindowAndWait();
  std::string proposed;
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [&proposed, poll] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      const QStringList files = dialog->selectedFiles();
      proposed = files.isEmpty() ? std::string() : FromQt(files.first());
      dialog->reject();
      poll->stop();
    }
  });
  poll->start(10);
  ClickOn(M("按钮7"));
  delete poll;
  EXPECT_EQ(proposed.substr(proposed.size() >= 8 ? proposed.size() - 8 : 0), Local("翻译结果"));
}

TEST(MainWindow, HomePageButtonsOpenTheMakersPage) {
  LoadMainWindowAndWait();
  ClickOn(M("按钮6"));
  ClickOn(M("图形按钮2"));
  ClickOn(M("图形按钮3"));  // does nothing
  const std::vector<std::string> links = OpenedLinks();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0], kMakerHomeUrl);
  EXPECT_EQ(links[1], kMakerHomeUrl);
  EXPECT_TRUE(IsFormLoaded(kMainWindow));
}

// The exit handler must run exactly once: a second run changes the exit code.
int g_releaseCount = 0;
void CountingRelease() {
  ReleaseAlertSound();
  if (++g_releaseCount > 1) _exit(5);
  fprintf(stderr, "released %d\n", g_releaseCount);
}

TEST(MainWindowDeathTest, CloseFadesOutAndEndsWithCodeZero) {
  EXPECT_EXIT(
      {
        SetExitHandler(CountingRelease);
        LoadMainWindowAndWait();
        Later(0, [] {
          ClickOn(M("图形按钮1"));
          fprintf(stderr, "after close\n");
        });
        Later(600, [] {
          // Opacity is going down by then.
          fprintf(stderr, "opacity %d\n", OpacityOf(kMainWindow));
          ClickOn(M("图形按钮1"));  // a second close inside the first fade
        });
        WaitFor([] { return false; }, 5000);
        QuitTest(3);
      },
      ::testing::ExitedWithCode(0), "released 1\n");
}

TEST(MainWindowDeathTest, EscapeClosesAtOnceAndEndsTheProgram) {
  EXPECT_EXIT(
      {
        SetExitHandler(CountingRelease);
        LoadMainWindowAndWait();
        PressEscape(M("编辑框1"));
        const int code = RunEventLoop();
        fprintf(stderr, "loop ended\n");
        QuitTest(code == 0 ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "released 1\nloop ended\n");
}

}  // namespace
}  // namespace kestara::testing
