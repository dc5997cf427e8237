// A whole study as a named file where only POSIX systems can make the case:
// permissions, owners and umask, limits of a child process, pipes, devices
// and symbolic links, another user's files.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <optional>

#include "posix_child.h"
#include "study_file_test_support.h"

using namespace flox_test;

namespace {

TEST(StudyFile, SaveThroughALinkReplacesTheStudyItPointsTo) {
  TScratchDir dir;
  const std::string real = dir.File("real.flx");
  const std::string link = dir.File("link.flx");
  WriteFile(real, ToBytes("old"));
  std::filesystem::create_symlink(real, link);
  ASSERT_EQ(SaveAs(link, TStudy()), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(real), ConstructedStudyBytes());
}

// ----------------------------------------------------- permissions

TEST(StudyFile, ReplacedFileKeepsItsPermissions) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, ToBytes("old"));
  ASSERT_EQ(::chmod(name.c_str(), 0640), 0);
  // Where the user may give files away, the owner and group stay too.
  const bool superuser = ::geteuid() == 0;
  if (superuser) {
    ASSERT_EQ(::chown(name.c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(SaveAs(name, TStudy()), std::nullopt);
  struct stat st {};
  ASSERT_EQ(::stat(name.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (superuser) {
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
  }
}

TEST(StudyFile, NewFileGetsTheUsualModeLessTheUmask) {
  TScratchDir dir;
  for (mode_t mask : {022u, 027u, 077u}) {
    const std::string name = dir.File("new-" + std::to_string(mask) + ".flx");
    const int status = InChild([&] {
      ::umask(mask);
      return SaveAs(name, TStudy()) ? 1 : 0;
    });
    ASSERT_EQ(status, 0);
    struct stat st {};
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask) << std::oct << mask;
  }
}

// ----------------------------------------------------- a failed save

// Saves the edited study over the file in a child with the given
// preparation; 1 when the save failed, 0 when it went through.
template <class Prepare>
int FailingSave(const std::string& name, Prepare prepare) {
  return InChild([&] {
    TStudy study;
    study[2].Set("People", "42");
    prepare();
    return SaveAs(name, study) ? 1 : 0;
  });
}

TEST(FailedSave, NoMoreFilesCanBeOpened) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  // Two more descriptors at a time: the folder and the old file take them,
  // and nothing more can be opened beside them.
  const int result = FailingSave(name, [] {
    const int probe = ::open("/dev/null", O_RDONLY);
    ::close(probe);
    const rlimit limit{static_cast<rlim_t>(probe + 2), static_cast<rlim_t>(probe + 2)};
    ::setrlimit(RLIMIT_NOFILE, &limit);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

TEST(FailedSave, WritingFails) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  const int result = FailingSave(name, [] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};  // files may grow to 100 bytes only
    ::setrlimit(RLIMIT_FSIZE, &limit);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

TEST(FailedSave, ReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
  EXPECT_EQ(FailingSave(name, [] {}), 1);
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

TEST(Backup, AFailedBackupFailsTheSaveAndLeavesTheFile) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  // A damaged study larger than the child may write: its backup cannot be made.
  const Bytes damaged = Concat({DamagedStudyBytes(), Bytes(8192, 0x55)});
  WriteFile(name, damaged);
  const int status = InChild([&] {
    TStudy study;
    TStudyFile file(name, TUse::Request);
    if (!Load(file, study)) return 1;
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return Save(file, study) == TFileProblem::DiskFull ? 0 : 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(name), damaged);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

// ----------------------------------------------------- hostile paths

constexpr uid_t kNobody = 65534;

// What a load and then a save of the edited study did with a path: each
// either succeeded (nullopt) or failed with a problem.
struct TPathOutcome {
  std::optional<TFileProblem> load;
  std::optional<TFileProblem> save;
  bool operator==(const TPathOutcome&) const = default;
};

struct HostilePath {
  const char* name;
  // Makes the path in the folder (which every user may enter) and returns it.
  std::string (*make)(const TScratchDir& dir);
  bool asNobody;
  TPathOutcome expected;
};

// Runs load and save as one request in a child (as nobody where asked); the
// outcome comes back through a pipe.
TPathOutcome RunOnPath(const std::string& path, bool asNobody) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  const int status = InChild([&] {
    ::alarm(20);  // a blocking open would hang here, not the suite
    if (asNobody && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 90;
    TStudy study;
    TStudyFile file(path, TUse::Request);
    const auto load = Load(file, study);
    study[2].Set("People", "42");
    const auto save = Save(file, study);
    const int out[2] = {load ? static_cast<int>(*load) : -1, save ? static_cast<int>(*save) : -1};
    return ::write(fds[1], out, sizeof out) == sizeof out ? 0 : 91;
  });
  ::close(fds[1]);
  int out[2] = {-2, -2};
  const bool read = ::read(fds[0], out, sizeof out) == sizeof out;
  ::close(fds[0]);
  if (status != 0 || !read) return {TFileProblem::Other, TFileProblem::Other};
  auto problem = [](int v) { return v < 0 ? std::nullopt : std::optional<TFileProblem>(static_cast<TFileProblem>(v)); };
  return {problem(out[0]), problem(out[1])};
}

std::string OwnedByNobody(const std::string& name, mode_t mode) {
  WriteFile(name, EditedStudyBytes());
  if (::chown(name.c_str(), kNobody, kNobody) != 0 || ::chmod(name.c_str(), mode) != 0) return {};
  return name;
}

const HostilePath kHostilePaths[] = {
    {"Fifo", [](const TScratchDir& d) { const auto n = d.File("pipe.flx"); ::mkfifo(n.c_str(), 0666); return n; },
     false, {TFileProblem::NotRegular, TFileProblem::NotRegular}},
    {"Folder", [](const TScratchDir& d) { const auto n = d.File("dir.flx"); ::mkdir(n.c_str(), 0777); return n; },
     false, {TFileProblem::NotRegular, TFileProblem::NotRegular}},
    {"LinkToADevice", [](const TScratchDir& d) { const auto n = d.File("null.flx"); ::symlink("/dev/null", n.c_str()); return n; },
     false, {TFileProblem::NotRegular, TFileProblem::NotRegular}},
    {"LongName", [](const TScratchDir& d) { const auto n = d.File(std::string(250, 'a') + ".flx"); WriteFile(n, EditedStudyBytes()); return n; },
     false, {std::nullopt, std::nullopt}},
    {"NameTooLong", [](const TScratchDir& d) { return d.File(std::string(300, 'a') + ".flx"); },
     false, {TFileProblem::NameTooLong, TFileProblem::NameTooLong}},
    {"DanglingLink", [](const TScratchDir& d) { const auto n = d.File("link.flx"); ::symlink("target.flx", n.c_str()); return n; },
     false, {std::nullopt, std::nullopt}},
    {"TooLarge", [](const TScratchDir& d) { const auto n = d.File("huge.flx"); WriteFile(n, Concat({EditedStudyBytes(), Bytes(kMaxStudyFileSize, 0)})); return n; },
     false, {TFileProblem::TooLarge, std::nullopt}},
    {"ReadOnlyFile", [](const TScratchDir& d) { return OwnedByNobody(d.File("ro.flx"), 0444); },
     true, {std::nullopt, TFileProblem::NoPermission}},
    {"AnotherUsersFile", [](const TScratchDir& d) { const auto n = d.File("root.flx"); WriteFile(n, EditedStudyBytes()); ::chmod(n.c_str(), 0644); return n; },
     true, {std::nullopt, TFileProblem::NoPermission}},
    {"FolderWithoutRead", [](const TScratchDir& d) {
       const auto folder = d.File("wx");
       ::mkdir(folder.c_str(), 0700);
       const auto n = OwnedByNobody(folder + "/study.flx", 0644);
       if (::chown(folder.c_str(), kNobody, kNobody) != 0 || ::chmod(folder.c_str(), 0300) != 0) return std::string();
       return n; },
     true, {std::nullopt, TFileProblem::NoPermission}},
};

class HostilePaths : public testing::TestWithParam<HostilePath> {};

TEST_P(HostilePaths, AreRefusedWithTheReasonAndNeverHarmed) {
  const HostilePath& c = GetParam();
  if (c.asNobody && ::geteuid() != 0) GTEST_SKIP() << "needs the superuser to act as another user";
  TScratchDir dir;
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0777), 0);
  const std::string path = c.make(dir);
  ASSERT_FALSE(path.empty());
  std::error_code ec;
  const bool regular = std::filesystem::is_regular_file(path, ec);
  const Bytes before = regular ? ReadFile(path) : Bytes();

  const TPathOutcome outcome = RunOnPath(path, c.asNobody);
  EXPECT_EQ(outcome.load, c.expected.load);
  EXPECT_EQ(outcome.save, c.expected.save);
  if (c.expected.save && regular) {
    EXPECT_EQ(ReadFile(path), before) << "a refused save changed the file";
  }
  if (!c.expected.save) {
    TStudy reread;
    TStudyFile file(path, TUse::Read);
    ASSERT_TRUE(file.Load(reread.slots));
    EXPECT_EQ(reread[2].Get("People"), "42");
  }
  for (const std::string& e : dir.Entries()) EXPECT_EQ(e.find(".tmp"), std::string::npos) << e;
  ::chmod(dir.File("wx").c_str(), 0700);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostilePaths, testing::ValuesIn(kHostilePaths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostilePaths, ALinkToAStudyNotYetThereIsFollowedAndKept) {
  TScratchDir dir;
  const std::string link = dir.File("link.flx");
  std::filesystem::create_symlink("sub/real.flx", link);
  std::filesystem::create_directory(dir.File("sub"));
  ASSERT_EQ(SaveAs(link, TStudy()), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(dir.File("sub/real.flx")), ConstructedStudyBytes());
}

TEST(HostilePaths, ALinkOfAnotherUserInASharedFolderIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to make another user's link";
  TScratchDir dir;
  const std::string shared = dir.File("tmp");
  ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);  // like /tmp
  const std::string victim = dir.File("victim.flx");
  WriteFile(victim, EditedStudyBytes());
  const std::string planted = shared + "/planted.flx";
  const std::string dangling = shared + "/dangling.flx";
  const std::string own = shared + "/own.flx";
  ASSERT_EQ(::symlink(victim.c_str(), planted.c_str()), 0);
  ASSERT_EQ(::symlink(dir.File("created.flx").c_str(), dangling.c_str()), 0);
  ASSERT_EQ(::symlink(victim.c_str(), own.c_str()), 0);
  ASSERT_EQ(::lchown(planted.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::lchown(dangling.c_str(), kNobody, kNobody), 0);

  for (const std::string& link : {planted, dangling}) {
    TStudy study;
    TStudyFile file(link, TUse::Request);
    EXPECT_EQ(Load(file, study), TFileProblem::NoPermission) << link;
    EXPECT_EQ(Save(file, study), TFileProblem::NoPermission) << link;
  }
  EXPECT_EQ(ReadFile(victim), EditedStudyBytes());
  EXPECT_FALSE(std::filesystem::exists(dir.File("created.flx")));
  // The user's own link there, and another user's link where the folder
  // is that user's, are followed as ever.
  ASSERT_EQ(SaveAs(own, TStudy()), std::nullopt);
  EXPECT_EQ(ReadFile(victim), ConstructedStudyBytes());
  ASSERT_EQ(::chown(shared.c_str(), kNobody, kNobody), 0);
  EXPECT_EQ(SaveAs(planted, TStudy()), std::nullopt);
}

TEST(HeldStudy, OnlyTheUsersOwnTemporariesAreSwept) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the superuser to make another user's file";
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  const timeval longAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  for (const char* stale : {".flox03-mine.tmp", ".flox03-theirs.tmp"}) {
    WriteFile(dir.File(stale), ToBytes("half a study"));
    ASSERT_EQ(::utimes(dir.File(stale).c_str(), longAgo), 0);
  }
  ASSERT_EQ(::chown(dir.File(".flox03-theirs.tmp").c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(SaveAs(name, TStudy()), std::nullopt);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".flox03-theirs.tmp", "study.flx"}));
}

}  // namespace
