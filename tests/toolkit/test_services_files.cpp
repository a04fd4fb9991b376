// Whole-file reading and writing and the file-existence test, on real
// files in temporary directories.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "toolkit/toolkit.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

void WriteRaw(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadRaw(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh directory that is also the working directory while the test runs.
class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kestara-files.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }

  fs::path dir_;
  fs::path previous_;
};

// A mount that is undone when the test ends; root only.
class Mount {
 public:
  Mount(const fs::path& source, const fs::path& target, const char* type, unsigned long flags, const char* data)
      : target_(target), ok_(::mount(source.c_str(), target.c_str(), type, flags, data) == 0) {}
  ~Mount() {
    if (ok_) {
      ::umount2(target_.c_str(), MNT_DETACH);
    }
  }
  Mount(const Mount&) = delete;
  Mount& operator=(const Mount&) = delete;
  bool ok() const { return ok_; }
  // Makes a bind mount read-only; even root cannot write through it.
  bool MakeReadOnly() {
    return ok_ && ::mount(nullptr, target_.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  fs::path target_;
  bool ok_;
};

bool IsRoot() { return ::geteuid() == 0; }

// --- ReadTextFile ---

struct ReadCase {
  const char* what;
  std::string content;
  std::string expected;
};

class ReadTextFileContent : public FilesTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadTextFileContent, StopsAtZeroOrEndOfFileMark) {
  WriteRaw("input.txt", GetParam().content);
  EXPECT_EQ(ReadTextFile("input.txt"), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ReadTextFileContent,
    ::testing::Values(ReadCase{"plain with line breaks", "one\r\ntwo\n\tthree", "one\r\ntwo\n\tthree"},
                      ReadCase{"zero byte", "abc\0def"s, "abc"},
                      ReadCase{"0x1A byte", "abc\x1A" "def", "abc"},
                      ReadCase{"0x1A before zero", "ab\x1A" "c\0d"s, "ab"},
                      ReadCase{"zero at the start", "\0abc"s, ""},
                      ReadCase{"empty file", "", ""},
                      ReadCase{"local text is kept byte for byte", Local("翻译结果") + "\xFF\x80", Local("翻译结果") + "\xFF\x80"},
                      ReadCase{"large file", std::string(300000, 'x') + "\x1A" "tail", std::string(300000, 'x')}),
    [](const auto& test) { return "Case" + std::to_string(test.index); });

TEST_F(FilesTest, ReadTextFileGivesNothingForWhatIsNoReadableFile) {
  ASSERT_EQ(::mkfifo("pipe", 0644), 0);  // opening it for reading would block
  fs::create_directory("folder");
  fs::create_symlink("nowhere", "dangling");
  for (const std::string name : {"missing.txt", "folder", "pipe", "dangling", ""}) {
    EXPECT_EQ(ReadTextFile(name), "") << name;
  }
}

TEST_F(FilesTest, ReadTextFileFindsNamesInLocalText) {
  WriteRaw(dir_ / "翻译结果.txt", "content");  // the file system holds UTF-8 names
  EXPECT_EQ(ReadTextFile(Local("翻译结果.txt")), "content");
  EXPECT_EQ(ReadTextFile(dir_.string() + "/" + Local("翻译结果.txt")), "content");
}

TEST_F(FilesTest, ReadTextFileOpensReadOnly) {
  WriteRaw("locked.txt", "read me");
  fs::permissions("locked.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(ReadTextFile("locked.txt"), "read me");
  if (!IsRoot()) {
    return;  // the permission alone already refuses a write open
  }
  // Root may write to any file unless its file system is read-only.
  fs::create_directory("ro");
  WriteRaw("ro/inside.txt", "still readable");
  Mount bind(dir_ / "ro", dir_ / "ro", nullptr, MS_BIND, nullptr);
  if (!bind.MakeReadOnly()) {
    GTEST_SKIP() << "cannot make a read-only bind mount here";
  }
  EXPECT_EQ(ReadTextFile("ro/inside.txt"), "still readable");
}

// --- FileExists ---

TEST_F(FilesTest, FileExistsForEveryKindOfEntry) {
  WriteRaw("file.txt", "x");
  WriteRaw(dir_ / "标记.ini", "");
  fs::create_directory("folder");
  fs::create_symlink("nowhere", "dangling");
  const struct {
    std::string name;
    bool exists;
  } cases[] = {
      {"file.txt", true},       {"folder", true},      {"dangling", true},
      {Local("标记.ini"), true}, {"missing.txt", false}, {"folder/missing", false},
      {"", false},              {(dir_ / "file.txt").string(), true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileExists(c.name), c.exists) << c.name;
  }
}

// --- WriteBytesFile ---

struct WriteCase {
  const char* what;
  bool existing;
  std::string old;
  std::string bytes;
};

class WriteBytesFileContent : public FilesTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteBytesFileContent, LeavesExactlyTheBytes) {
  const WriteCase& c = GetParam();
  if (c.existing) {
    WriteRaw("out.bin", c.old);
  }
  EXPECT_TRUE(WriteBytesFile("out.bin", c.bytes)) << c.what;
  EXPECT_EQ(ReadRaw("out.bin"), c.bytes) << c.what;
  // Nothing is left behind beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Contents, WriteBytesFileContent,
    ::testing::Values(WriteCase{"new file", false, "", "hello"},
                      WriteCase{"zero bytes inside", false, "", "a\0b\0\x1A"s},
                      WriteCase{"shorter than the old content", true, std::string(5000, 'o'), "new"},
                      WriteCase{"longer than the old content", true, "old", std::string(70000, 'n')},
                      WriteCase{"empty replaces content", true, "old content", ""},
                      WriteCase{"local text bytes", true, "x", Local("译文\r\n第二行")}),
    [](const auto& test) { return "Case" + std::to_string(test.index); });

TEST_F(FilesTest, WriteBytesFileTakesLocalTextNamesAndKeepsPermissions) {
  WriteRaw(dir_ / "翻译结果", "old");
  fs::permissions(dir_ / "翻译结果", fs::perms(0640));
  EXPECT_TRUE(WriteBytesFile(Local("翻译结果"), "new"));
  EXPECT_EQ(ReadRaw(dir_ / "翻译结果"), "new");
  EXPECT_EQ(fs::status(dir_ / "翻译结果").permissions() & fs::perms::all, fs::perms(0640));
}

TEST_F(FilesTest, WriteBytesFileRefusesWhatIsNoPlainFile) {
  fs::create_directory("folder");
  WriteRaw("folder/inside", "kept");
  ASSERT_EQ(::mkfifo("pipe", 0644), 0);  // opening it for writing would block
  EXPECT_FALSE(WriteBytesFile("folder", "x"));
  EXPECT_FALSE(WriteBytesFile("pipe", "x"));
  EXPECT_FALSE(WriteBytesFile("missing-dir/out.txt", "x"));
  EXPECT_FALSE(WriteBytesFile("", "x"));
  EXPECT_TRUE(fs::is_directory("folder"));
  EXPECT_EQ(ReadRaw("folder/inside"), "kept");
  EXPECT_TRUE(fs::is_fifo("pipe"));
  EXPECT_FALSE(fs::exists("missing-dir"));
}

// Limits the size of any file this process writes (root included), with
// the signal that would kill it ignored, so that writes fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit previous_{};
  sighandler_t previousHandler_ = SIG_DFL;
  bool ok_ = false;
};

TEST_F(FilesTest, FailedWriteKeepsTheOldContent) {
  const std::string old = "the old content, which must survive";
  WriteRaw("keep.txt", old);
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    EXPECT_FALSE(WriteBytesFile("keep.txt", std::string(200000, 'n')));
  }
  EXPECT_EQ(ReadRaw("keep.txt"), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, FullDiskKeepsTheOldContent) {
  if (!IsRoot()) {
    GTEST_SKIP() << "mounting a small file system needs root";
  }
  fs::create_directory("disk");
  Mount disk("tmpfs", dir_ / "disk", "tmpfs", 0, "size=64k");
  if (!disk.ok()) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  const std::string old(20000, 'o');
  WriteRaw("disk/keep.txt", old);
  // 20000 bytes in use: a second copy of 50000 does not fit beside them.
  EXPECT_FALSE(WriteBytesFile("disk/keep.txt", std::string(50000, 'n')));
  EXPECT_EQ(ReadRaw("disk/keep.txt"), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "disk"), fs::directory_iterator()), 1);
  // What fits is written.
  EXPECT_TRUE(WriteBytesFile("disk/keep.txt", std::string(30000, 'n')));
  EXPECT_EQ(ReadRaw("disk/keep.txt"), std::string(30000, 'n'));
}

// A directory that takes no new entry while one file in it stays
// writable. Root ignores permissions, so for root the directory is a
// read-only bind mount and the file a writable bind mount over it.
TEST_F(FilesTest, UnwritableDirectoryWritesTheFileInPlace) {
  fs::create_directory("locked");
  WriteRaw("locked/target.txt", "old old old");
  WriteRaw("locked/other.txt", "other");
  WriteRaw("backing.txt", "old old old");
  fs::path target = dir_ / "locked/target.txt";
  fs::path written = target;
  std::unique_ptr<Mount> bind;
  std::unique_ptr<Mount> fileBind;
  if (IsRoot()) {
    bind = std::make_unique<Mount>(dir_ / "locked", dir_ / "locked", nullptr, MS_BIND, nullptr);
    if (!bind->MakeReadOnly()) {
      GTEST_SKIP() << "cannot make a read-only bind mount here";
    }
    fileBind = std::make_unique<Mount>(dir_ / "backing.txt", target, nullptr, MS_BIND, nullptr);
    ASSERT_TRUE(fileBind->ok());
    written = dir_ / "backing.txt";
  } else {
    fs::permissions(dir_ / "locked", fs::perms(0555));
  }
  EXPECT_TRUE(WriteBytesFile("locked/target.txt", "new"));
  EXPECT_EQ(ReadRaw(written), "new");
  // A file that is not there cannot be created, and one that cannot be
  // written either keeps its content.
  EXPECT_FALSE(WriteBytesFile("locked/new.txt", "x"));
  EXPECT_FALSE(fs::exists(dir_ / "locked/new.txt"));
  if (!IsRoot()) {
    fs::permissions(dir_ / "locked/other.txt", fs::perms(0444));
  }
  EXPECT_FALSE(WriteBytesFile("locked/other.txt", "x"));
  EXPECT_EQ(ReadRaw(dir_ / "locked/other.txt"), "other");
}

}  // namespace
}  // namespace kestara
