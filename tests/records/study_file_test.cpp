// A whole study as a named file: what a failure leaves, and the guards
// around the file that was there (a failed save leaves it untouched; a study
// that failed to load is kept in a backup before it is overwritten; a request
// holds its study locked from the load to the last save).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>

#include <csignal>
#include <ctime>
#include <optional>
#include <regex>

#include "records/study_file.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

using TUse = TStudyFile::TUse;

// The problem an operation failed with, or nothing when it succeeded.
template <class Operation>
std::optional<TFileProblem> ProblemOf(Operation operation) {
  try {
    operation();
  } catch (const EStreamError& e) {
    return e.Problem();
  }
  return std::nullopt;
}

std::optional<TFileProblem> Load(TStudyFile& file, TStudy& study) {
  return ProblemOf([&] { file.Load(study.slots); });
}
std::optional<TFileProblem> Save(TStudyFile& file, const TStudy& study) {
  return ProblemOf([&] { file.Save(study.slots); });
}
// Saves the study as a new request on the name would.
std::optional<TFileProblem> SaveAs(const std::string& name, const TStudy& study) {
  TStudyFile file(name, TUse::Request);
  return Save(file, study);
}

Bytes ConstructedStudyBytes() { return TStudy().Save(); }

Bytes EditedStudyBytes() {
  TStudy study;
  study[1].Set("NameEpixirisi", Cp("Ξενοδοχείο Ακρογιαλι"));
  study[19].Set("Suntajh", "2024");
  return study.Save();
}

// A study file whose first records are fine and whose sixth is damaged.
Bytes DamagedStudyBytes() {
  Bytes bytes = EditedStudyBytes();
  TMemoryStream probe(bytes);
  TStudy study;
  for (int i = 0; i < 5; ++i) ReadComponentStream(probe, study.slots[static_cast<std::size_t>(i)]);
  bytes[static_cast<std::size_t>(probe.Position())] = 'X';  // the sixth record's signature
  return bytes;
}

std::vector<std::string> Backups(const TScratchDir& dir) {
  std::vector<std::string> out;
  for (const std::string& e : dir.Entries())
    if (e.size() > 4 && e.substr(e.size() - 4) == ".bak") out.push_back(e);
  return out;
}

// ----------------------------------------------------- ordinary use

TEST(StudyFile, SaveWritesTheStudyAndLoadReadsIt) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  TStudy written;
  written[1].Set("Suntaxh", Cp("την 3/81 Π.Δ."));
  ASSERT_EQ(SaveAs(name, written), std::nullopt);
  EXPECT_EQ(ReadFile(name).size(), 843u);
  EXPECT_EQ(ReadFile(name), written.Save());

  TStudy read;
  TStudyFile file(name, TUse::Read);
  EXPECT_TRUE(file.Load(read.slots));
  EXPECT_EQ(read[1].Get("Suntaxh"), Cp("την 3/81 Π.Δ."));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});  // nothing left beside it
}

TEST(StudyFile, SavingTwiceGivesIdenticalBytes) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  TStudy study;
  FillFull(study[8]);
  TStudyFile file(name, TUse::Request);
  ASSERT_EQ(Save(file, study), std::nullopt);
  const Bytes first = ReadFile(name);
  ASSERT_EQ(Save(file, study), std::nullopt);
  EXPECT_EQ(ReadFile(name), first);
}

TEST(StudyFile, MissingFileIsNoFailure) {
  TScratchDir dir;
  TStudy study;
  study[1].Set("Suntaxh", "default");
  for (const std::string& name : {dir.File("missing.flx"), dir.File("no-folder/missing.flx"), std::string()}) {
    TStudyFile file(name, TUse::Request);
    EXPECT_FALSE(file.Load(study.slots)) << name;
  }
  EXPECT_EQ(study[1].Get("Suntaxh"), "default");
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(StudyFile, EmptyFileIsDamagedAndKeepsDefaults) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, {});
  TStudy study;
  study[1].Set("Suntaxh", "default");
  TStudyFile file(name, TUse::Read);
  EXPECT_EQ(Load(file, study), TFileProblem::Damaged);
  EXPECT_EQ(study[1].Get("Suntaxh"), "default");
  EXPECT_EQ(study.Save().size(), 820u + 1 + 7 + 2 + 7);  // Suntaxh "default" and nothing else
}

TEST(StudyFile, FileWithTheFirstRecordsOnlyLoadsThem) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  TStudy full;
  for (int slot = 1; slot <= 19; ++slot) full[slot].Set(0, "v" + std::to_string(slot));
  WriteFile(name, StudyBytes(std::span(full.slots).first(6)));
  TStudy study;
  TStudyFile file(name, TUse::Read);
  EXPECT_EQ(Load(file, study), TFileProblem::Damaged);
  for (int slot = 1; slot <= 19; ++slot)
    EXPECT_EQ(study[slot].Get(0), slot <= 6 ? "v" + std::to_string(slot) : std::string()) << slot;
}

TEST(StudyFile, BytesAfterTheLastRecordAreIgnored) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, Concat({EditedStudyBytes(), ToBytes("TPF0 trailing rubbish")}));
  TStudy study;
  TStudyFile file(name, TUse::Read);
  EXPECT_EQ(Load(file, study), std::nullopt);
  EXPECT_EQ(study[19].Get("Suntajh"), "2024");
}

TEST(StudyFile, FileInUseIsNeitherReadNorReplaced) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  const auto holder = SystemFileSystem().Open(name, TLock::Shared);
  TStudy study;
  TStudyFile file(name, TUse::Request);
  EXPECT_EQ(Load(file, study), TFileProblem::InUse);
  EXPECT_EQ(Save(file, study), TFileProblem::InUse);
  EXPECT_EQ(study[1].Get("NameEpixirisi"), "");
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

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

TEST(FailedSave, NoNameOrNoFolder) {
  TScratchDir dir;
  EXPECT_EQ(SaveAs("", TStudy()), TFileProblem::NoName);
  EXPECT_TRUE(SaveAs(dir.File("no-folder/study.flx"), TStudy()));
  EXPECT_EQ(SaveAs(dir.Path().string(), TStudy()), TFileProblem::NotRegular);  // a folder, not a file
  EXPECT_TRUE(dir.Entries().empty());
}

// ----------------------------------------------------- a study that failed to load

TEST(Backup, FailedLoadThenSaveKeepsTheOriginalBytes) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  const Bytes damaged = DamagedStudyBytes();
  WriteFile(name, damaged);
  TStudy study;
  TStudyFile file(name, TUse::Request);
  ASSERT_EQ(Load(file, study), TFileProblem::Damaged);
  ASSERT_EQ(Save(file, study), std::nullopt);

  const std::vector<std::string> backups = Backups(dir);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(std::regex_match(backups[0], std::regex(R"(study\.flx\.\d{8}-\d{6}\.bak)"))) << backups[0];
  EXPECT_EQ(ReadFile(dir.File(backups[0])), damaged);
  EXPECT_EQ(ReadFile(name), study.Save());
  EXPECT_EQ(study[1].Get("NameEpixirisi"), Cp("Ξενοδοχείο Ακρογιαλι"));  // read before the damage

  // Saved once more without another failed load: no second backup.
  ASSERT_EQ(Save(file, study), std::nullopt);
  EXPECT_EQ(Backups(dir).size(), 1u);
}

TEST(Backup, EveryFailedLoadGetsItsOwnBackupAndNoneIsOverwritten) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  // Backups that already carry the names of this and the next seconds.
  const std::time_t now = std::time(nullptr);
  std::vector<std::string> taken;
  for (std::time_t t = now; t <= now + 3; ++t) {
    std::tm local{};
    ::localtime_r(&t, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    taken.push_back(std::string("study.flx.") + stamp + ".bak");
    WriteFile(dir.File(taken.back()), ToBytes("keep me"));
  }
  for (int round = 1; round <= 2; ++round) {
    const Bytes damaged = Concat({DamagedStudyBytes(), Bytes(static_cast<std::size_t>(round), 0xEE)});
    WriteFile(name, damaged);
    TStudy study;
    TStudyFile file(name, TUse::Request);
    ASSERT_TRUE(Load(file, study));
    ASSERT_EQ(Save(file, study), std::nullopt);
    EXPECT_EQ(Backups(dir).size(), taken.size() + static_cast<std::size_t>(round));
    bool found = false;
    for (const std::string& b : Backups(dir))
      if (ReadFile(dir.File(b)) == damaged) found = true;
    EXPECT_TRUE(found) << "round " << round;
  }
  for (const std::string& t : taken) EXPECT_EQ(ReadFile(dir.File(t)), ToBytes("keep me")) << t;
}

TEST(Backup, ASuccessfulLoadClearsTheNeed) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, DamagedStudyBytes());
  TStudy study;
  TStudyFile file(name, TUse::Request);
  ASSERT_TRUE(Load(file, study));
  WriteFile(name, EditedStudyBytes());  // mended meanwhile
  ASSERT_EQ(Load(file, study), std::nullopt);
  ASSERT_EQ(Save(file, study), std::nullopt);
  EXPECT_TRUE(Backups(dir).empty());
}

TEST(Backup, ALongNameGetsAShortenedBackupAndTheSaveGoesThrough) {
  TScratchDir dir;
  // 240 bytes with Greek letters (two bytes each in UTF-8) where the cut falls.
  std::string long_name = std::string(200, 'a');
  while (long_name.size() < 236) long_name += "\xCE\xB1";
  const std::string name = dir.File(long_name + ".flx");
  ASSERT_EQ(long_name.size() + 4, 240u);
  for (int round = 1; round <= 2; ++round) {
    const Bytes damaged = Concat({DamagedStudyBytes(), Bytes(static_cast<std::size_t>(round), 0xEE)});
    WriteFile(name, damaged);
    TStudy study;
    TStudyFile file(name, TUse::Request);
    ASSERT_TRUE(Load(file, study));
    ASSERT_EQ(Save(file, study), std::nullopt) << "round " << round;
    EXPECT_EQ(ReadFile(name), study.Save());
  }
  const std::vector<std::string> backups = Backups(dir);
  ASSERT_EQ(backups.size(), 2u);
  for (const std::string& b : backups) {
    EXPECT_LE(b.size(), 255u) << b;
    EXPECT_EQ(b.rfind(std::string(200, 'a'), 0), 0u) << b;
    EXPECT_TRUE(std::regex_search(b, std::regex(R"(~\.\d{8}-\d{6}(-1)?\.bak$)"))) << b;
    Cp(b);  // whole UTF-8 characters only, else this fails
  }
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

TEST(HostilePaths, ATooLargeStudyIsKeptByASecondNameNotACopy) {
  TScratchDir dir;
  const std::string name = dir.File("huge.flx");
  WriteFile(name, Bytes(kMaxStudyFileSize + 1, 'T'));
  struct stat original {};
  ASSERT_EQ(::stat(name.c_str(), &original), 0);
  TStudy study;
  TStudyFile file(name, TUse::Request);
  EXPECT_EQ(Load(file, study), TFileProblem::TooLarge);
  ASSERT_EQ(Save(file, study), std::nullopt);
  const std::vector<std::string> backups = Backups(dir);
  ASSERT_EQ(backups.size(), 1u);
  struct stat backup {};
  ASSERT_EQ(::stat(dir.File(backups[0]).c_str(), &backup), 0);
  EXPECT_EQ(backup.st_ino, original.st_ino);
  EXPECT_EQ(ReadFile(name), ConstructedStudyBytes());
}

// ----------------------------------------------------- the lock of a whole request

TEST(HeldStudy, StaysLockedFromTheLoadAcrossEverySaveUntilReleased) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  const std::string fresh = dir.File("fresh.flx");
  WriteFile(name, EditedStudyBytes());
  TStudy study;
  TStudyFile first(name, TUse::Request);
  ASSERT_EQ(Load(first, study), std::nullopt);
  TStudyFile creator(fresh, TUse::Request);
  ASSERT_EQ(Save(creator, TStudy()), std::nullopt);  // a new study is held from its creation

  for (int round = 0; round < 2; ++round) {
    TStudy other;
    TStudyFile second(name, TUse::Request);
    EXPECT_EQ(Load(second, other), TFileProblem::InUse);
    EXPECT_EQ(Save(second, other), TFileProblem::InUse);
    TStudyFile reader(fresh, TUse::Read);
    EXPECT_EQ(Load(reader, other), TFileProblem::InUse);
    study[1].Set("Polh", "round " + std::to_string(round));
    ASSERT_EQ(Save(first, study), std::nullopt);  // and still held after it
  }
  first.Release();
  TStudy after;
  TStudyFile reader(name, TUse::Read);
  ASSERT_EQ(Load(reader, after), std::nullopt);
  EXPECT_EQ(after[1].Get("Polh"), "round 1");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"fresh.flx", "study.flx"}));
}

TEST(HeldStudy, StaleTemporariesOfKilledSavesGoAtTheNextSave) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  const timeval longAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  for (const char* stale : {".flox03-1-2-3-0.tmp", ".study.flx.tmp-1-2-3-0", ".flox03-9-9-9-0.tmp", ".flox03-new.tmp"}) {
    WriteFile(dir.File(stale), ToBytes("half a study"));
    if (std::string(stale) != ".flox03-new.tmp") {
      ASSERT_EQ(::utimes(dir.File(stale).c_str(), longAgo), 0);
    }
  }
  // One is still held by a save that runs: it stays.
  const auto running = SystemFileSystem().Open(dir.File(".flox03-9-9-9-0.tmp"), TLock::Shared);
  ASSERT_EQ(SaveAs(name, TStudy()), std::nullopt);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".flox03-9-9-9-0.tmp", ".flox03-new.tmp", "study.flx"}));
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

// ----------------------------------------------------- another request in between

std::string g_raceName;
bool g_raced = false;
// Before the first lock is taken, another request replaces the study.
int ReplaceBeforeTheLock(const char* call) {
  if (g_raced || std::string(call) != "flock") return 0;
  g_raced = true;
  SetFaultHook(nullptr);
  TStudy theirs;
  theirs[1].Set("Polh", "theirs");
  if (SaveAs(g_raceName, theirs)) ADD_FAILURE() << "the other request failed";
  SetFaultHook(&ReplaceBeforeTheLock);
  return 0;
}

TEST(LostUpdate, AStudyReplacedBeforeItIsLockedIsReadAgain) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  g_raceName = name;
  g_raced = false;
  TStudy study;
  TStudyFile file(name, TUse::Request);
  SetFaultHook(&ReplaceBeforeTheLock);
  const auto problem = Load(file, study);
  SetFaultHook(nullptr);
  ASSERT_TRUE(g_raced);
  ASSERT_EQ(problem, std::nullopt);
  EXPECT_EQ(study[1].Get("Polh"), "theirs");  // not the study they replaced
  study[2].Set("People", "7");
  ASSERT_EQ(Save(file, study), std::nullopt);
  file.Release();
  TStudy after;
  TStudyFile reader(name, TUse::Read);
  ASSERT_TRUE(reader.Load(after.slots));
  EXPECT_EQ(after[1].Get("Polh"), "theirs");
  EXPECT_EQ(after[2].Get("People"), "7");
}

TEST(LostUpdate, ASaveNeverReplacesAFileThatIsNotTheOneLoaded) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  const std::string missing = dir.File("new.flx");
  WriteFile(name, EditedStudyBytes());
  TStudy study;
  TStudyFile file(name, TUse::Request);
  ASSERT_EQ(Load(file, study), std::nullopt);
  TStudyFile fresh(missing, TUse::Request);
  ASSERT_FALSE(fresh.Load(study.slots));
  // A program that does not lock puts other files in their places.
  WriteFile(dir.File("other"), ToBytes("theirs"));
  std::filesystem::rename(dir.File("other"), name);
  WriteFile(missing, ToBytes("theirs too"));
  EXPECT_EQ(Save(file, study), TFileProblem::InUse);
  EXPECT_EQ(Save(fresh, study), TFileProblem::InUse);
  EXPECT_EQ(ReadFile(name), ToBytes("theirs"));
  EXPECT_EQ(ReadFile(missing), ToBytes("theirs too"));
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"new.flx", "study.flx"}));
}

// ----------------------------------------------------- a fault at every file call

int g_callsSeen = 0;
int g_failAt = -1;
int CountAndFail(const char*) { return ++g_callsSeen == g_failAt ? EIO : 0; }

// Saves the edited study over the constructed one (after a failed load when
// asked, so that a backup is made too), failing the k-th file call.
TEST(FaultInjection, EveryFileCallOfASaveFailsSafely) {
  for (const bool afterFailedLoad : {false, true}) {
    int calls = 0;
    for (int k = 0;; ++k) {
      TScratchDir dir;
      const std::string name = dir.File("study.flx");
      const Bytes old = afterFailedLoad ? DamagedStudyBytes() : ConstructedStudyBytes();
      WriteFile(name, old);
      TStudy study;
      TStudyFile file(name, TUse::Request);
      EXPECT_EQ(Load(file, study).has_value(), afterFailedLoad);
      study = TStudy();
      study[1].Set("NameEpixirisi", Cp("Ξενοδοχείο Ακρογιαλι"));
      study[19].Set("Suntajh", "2024");
      g_callsSeen = 0;
      g_failAt = k;
      SetFaultHook(&CountAndFail);
      testing::internal::CaptureStderr();
      const bool saved = !Save(file, study);
      const std::string warnings = testing::internal::GetCapturedStderr();
      SetFaultHook(nullptr);
      if (k == 0) calls = g_callsSeen;
      SCOPED_TRACE("call " + std::to_string(k) + " of " + std::to_string(calls) + (afterFailedLoad ? ", with backup" : ""));
      ASSERT_TRUE(k > 0 || saved);
      EXPECT_EQ(ReadFile(name), saved ? EditedStudyBytes() : old);
      const std::vector<std::string> backups = Backups(dir);
      EXPECT_EQ(dir.Entries().size(), 1 + backups.size()) << "a temporary file was left";
      if (afterFailedLoad && saved) {
        EXPECT_EQ(backups.size(), 1u);
      }
      for (const std::string& b : backups) EXPECT_EQ(ReadFile(dir.File(b)), old);
      if (k >= calls) break;
    }
    EXPECT_GT(calls, 8);
  }
}

TEST(FaultInjection, AReadErrorIsReportedAsOneNotAsDamage) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  TStudy study;
  TStudyFile file(name, TUse::Read);
  SetFaultHook([](const char* call) { return std::string(call) == "read" ? EIO : 0; });
  const auto problem = Load(file, study);
  SetFaultHook(nullptr);
  EXPECT_EQ(problem, TFileProblem::IoError);
}

}  // namespace
