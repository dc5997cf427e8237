// Saving and loading a whole study as a named file: messages, what stays
// after a failure, and the two guards around the file that was there (a
// failed save leaves it untouched; a study that failed to load is kept in a
// backup before it is overwritten).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>

#include <csignal>
#include <ctime>
#include <optional>
#include <regex>

#include "records/posix_io.h"
#include "records/stream_component.h"
#include "records_test_support.h"

using namespace flox_test;

namespace {

// A whole study as one stream component, as the study document is.
class TStudyFile : public TStreamComponent {
 public:
  TStudy study;
  void SaveToStream(TStream& stream) override { study.Save(stream); }
  void LoadFromStream(TStream& stream) override {
    for (auto& record : study.slots) record->LoadFromStream(stream);
  }
  void Assign(const TStreamComponent*) override {}
};

const std::pair<std::string, std::string> kSaveMessage{"Internal error-MeltaStream-001", "cannot create file"};
const std::pair<std::string, std::string> kLoadMessage{"Internal error-MeltaStream-002", "cannot create file"};

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
  for (int i = 0; i < 5; ++i) study.slots[static_cast<std::size_t>(i)]->LoadFromStream(probe);
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
  TCapturedErrors errors;
  TStudyFile written;
  written.study[1].Set("Suntaxh", Cp("την 3/81 Π.Δ."));
  ASSERT_TRUE(written.SaveToFile(name));
  EXPECT_EQ(ReadFile(name).size(), 843u);
  EXPECT_EQ(ReadFile(name), written.study.Save());

  TStudyFile read;
  ASSERT_TRUE(read.LoadFromFile(name));
  EXPECT_EQ(read.study[1].Get("Suntaxh"), Cp("την 3/81 Π.Δ."));
  EXPECT_EQ(errors.Count(), 0u);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});  // nothing left beside it
}

TEST(StudyFile, SavingTwiceGivesIdenticalBytes) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  TStudyFile file;
  FillFull(file.study[8]);
  ASSERT_TRUE(file.SaveToFile(name));
  const Bytes first = ReadFile(name);
  ASSERT_TRUE(file.SaveToFile(name));
  EXPECT_EQ(ReadFile(name), first);
}

TEST(StudyFile, MissingFileIsNoFailure) {
  TScratchDir dir;
  TCapturedErrors errors;
  TStudyFile file;
  file.study[1].Set("Suntaxh", "default");
  EXPECT_TRUE(file.LoadFromFile(dir.File("missing.flx")));
  EXPECT_TRUE(file.LoadFromFile(dir.File("no-folder/missing.flx")));
  EXPECT_TRUE(file.LoadFromFile(""));
  EXPECT_EQ(errors.Count(), 0u);
  EXPECT_EQ(file.study[1].Get("Suntaxh"), "default");
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(StudyFile, EmptyFileFailsWithMessage002AndKeepsDefaults) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, {});
  TCapturedErrors errors;
  TStudyFile file;
  file.study[1].Set("Suntaxh", "default");
  EXPECT_FALSE(file.LoadFromFile(name));
  ASSERT_EQ(errors.Count(), 1u);
  EXPECT_EQ(errors.Lines()[0], kLoadMessage);
  EXPECT_EQ(file.study[1].Get("Suntaxh"), "default");
  EXPECT_EQ(file.study.Save().size(), 820u + 1 + 7 + 2 + 7);  // Suntaxh "default" and nothing else
}

TEST(StudyFile, FileWithTheFirstRecordsOnlyLoadsThem) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  TStudy full;
  for (int slot = 1; slot <= 19; ++slot) full[slot].Set(0, "v" + std::to_string(slot));
  TMemoryStream firstSix;
  for (int i = 0; i < 6; ++i) full.slots[static_cast<std::size_t>(i)]->SaveToStream(firstSix);
  WriteFile(name, firstSix.Bytes());
  TCapturedErrors errors;
  TStudyFile file;
  EXPECT_FALSE(file.LoadFromFile(name));
  EXPECT_EQ(errors.Lines(), (std::vector<std::pair<std::string, std::string>>{kLoadMessage}));
  for (int slot = 1; slot <= 19; ++slot)
    EXPECT_EQ(file.study[slot].Get(0), slot <= 6 ? "v" + std::to_string(slot) : std::string()) << slot;
}

TEST(StudyFile, BytesAfterTheLastRecordAreIgnored) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, Concat({EditedStudyBytes(), ToBytes("TPF0 trailing rubbish")}));
  TCapturedErrors errors;
  TStudyFile file;
  EXPECT_TRUE(file.LoadFromFile(name));
  EXPECT_EQ(errors.Count(), 0u);
  EXPECT_EQ(file.study[19].Get("Suntajh"), "2024");
}

TEST(StudyFile, FileInUseIsNeitherReadNorReplaced) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  TFileStream holder(name, TFileStream::Mode::OpenRead);
  TCapturedErrors errors;
  TStudyFile file;
  EXPECT_FALSE(file.LoadFromFile(name));
  EXPECT_FALSE(file.SaveToFile(name));
  EXPECT_EQ(errors.Lines(), (std::vector<std::pair<std::string, std::string>>{kLoadMessage, kSaveMessage}));
  EXPECT_EQ(file.study[1].Get("NameEpixirisi"), "");
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

TEST(StudyFile, SaveThroughALinkReplacesTheStudyItPointsTo) {
  TScratchDir dir;
  const std::string real = dir.File("real.flx");
  const std::string link = dir.File("link.flx");
  WriteFile(real, ToBytes("old"));
  std::filesystem::create_symlink(real, link);
  TStudyFile file;
  ASSERT_TRUE(file.SaveToFile(link));
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
  if (superuser) ASSERT_EQ(::chown(name.c_str(), 65534, 65534), 0);
  TStudyFile file;
  ASSERT_TRUE(file.SaveToFile(name));
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
      TStudyFile file;
      return file.SaveToFile(name) ? 0 : 1;
    });
    ASSERT_EQ(status, 0);
    struct stat st {};
    ASSERT_EQ(::stat(name.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask) << std::oct << mask;
  }
}

// ----------------------------------------------------- a failed save

// Runs a save of the edited study over the file in a child with the given
// preparation; returns result*100 + messages*10 + (message was 001).
template <class Prepare>
int FailingSave(const std::string& name, Prepare prepare) {
  return InChild([&] {
    std::vector<std::pair<std::string, std::string>> lines;
    TErrorReporterScope scope([&](const std::string& a, const std::string& b, const std::string&) { lines.emplace_back(a, b); });
    TStudyFile file;
    file.study[2].Set("People", "42");
    prepare();
    const bool ok = file.SaveToFile(name);
    return (ok ? 100 : 0) + static_cast<int>(lines.size()) * 10 + (!lines.empty() && lines[0] == kSaveMessage ? 1 : 0);
  });
}

TEST(FailedSave, TemporaryFileCannotBeCreated) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  // Only one more descriptor may be opened: the old file gets it, the new
  // file beside it cannot be created.
  const int result = FailingSave(name, [] {
    const int probe = ::open("/dev/null", O_RDONLY);
    ::close(probe);
    const rlimit limit{static_cast<rlim_t>(probe + 1), static_cast<rlim_t>(probe + 1)};
    ::setrlimit(RLIMIT_NOFILE, &limit);
  });
  EXPECT_EQ(result, 11);  // false, one message, and it is 001
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
  EXPECT_EQ(result, 11);
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

TEST(FailedSave, ReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
  EXPECT_EQ(FailingSave(name, [] {}), 11);
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(ReadFile(name), EditedStudyBytes());
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

TEST(FailedSave, NoNameOrNoFolder) {
  TScratchDir dir;
  TCapturedErrors errors;
  TStudyFile file;
  EXPECT_FALSE(file.SaveToFile(""));
  EXPECT_FALSE(file.SaveToFile(dir.File("no-folder/study.flx")));
  EXPECT_FALSE(file.SaveToFile(dir.Path().string()));  // a folder, not a file
  EXPECT_EQ(errors.Lines(), (std::vector<std::pair<std::string, std::string>>(3, kSaveMessage)));
  EXPECT_TRUE(dir.Entries().empty());
}

// ----------------------------------------------------- a study that failed to load

TEST(Backup, FailedLoadThenSaveKeepsTheOriginalBytes) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  const Bytes damaged = DamagedStudyBytes();
  WriteFile(name, damaged);
  TCapturedErrors errors;
  TStudyFile file;
  ASSERT_FALSE(file.LoadFromFile(name));
  ASSERT_TRUE(file.SaveToFile(name));

  const std::vector<std::string> backups = Backups(dir);
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_TRUE(std::regex_match(backups[0], std::regex(R"(study\.flx\.\d{8}-\d{6}\.bak)"))) << backups[0];
  EXPECT_EQ(ReadFile(dir.File(backups[0])), damaged);
  EXPECT_EQ(ReadFile(name), file.study.Save());
  EXPECT_EQ(file.study[1].Get("NameEpixirisi"), Cp("Ξενοδοχείο Ακρογιαλι"));  // read before the damage

  // Saved once more without another failed load: no second backup.
  ASSERT_TRUE(file.SaveToFile(name));
  EXPECT_EQ(Backups(dir).size(), 1u);
  EXPECT_EQ(errors.Lines(), (std::vector<std::pair<std::string, std::string>>{kLoadMessage}));
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
  TCapturedErrors errors;
  for (int round = 1; round <= 2; ++round) {
    const Bytes damaged = Concat({DamagedStudyBytes(), Bytes(static_cast<std::size_t>(round), 0xEE)});
    WriteFile(name, damaged);
    TStudyFile file;
    ASSERT_FALSE(file.LoadFromFile(name));
    ASSERT_TRUE(file.SaveToFile(name));
    EXPECT_EQ(Backups(dir).size(), taken.size() + static_cast<std::size_t>(round));
    bool found = false;
    for (const std::string& b : Backups(dir))
      if (ReadFile(dir.File(b)) == damaged) found = true;
    EXPECT_TRUE(found) << "round " << round;
  }
  for (const std::string& t : taken) EXPECT_EQ(ReadFile(dir.File(t)), ToBytes("keep me")) << t;
}

TEST(Backup, ASuccessfulLoadOfTheSameFileClearsTheNeed) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  const std::string other = dir.File("other.flx");
  WriteFile(name, DamagedStudyBytes());
  TCapturedErrors errors;
  TStudyFile file;
  ASSERT_FALSE(file.LoadFromFile(name));
  ASSERT_TRUE(file.SaveToFile(other));  // another file: no backup of it
  EXPECT_TRUE(Backups(dir).empty());
  WriteFile(name, EditedStudyBytes());
  ASSERT_TRUE(file.LoadFromFile(dir.Path().string() + "/./study.flx"));  // same file, other spelling
  ASSERT_TRUE(file.SaveToFile(name));
  EXPECT_TRUE(Backups(dir).empty());
}

TEST(Backup, AFailedBackupFailsTheSaveAndLeavesTheFile) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  // A damaged study larger than the child may write: its backup cannot be made.
  const Bytes damaged = Concat({DamagedStudyBytes(), Bytes(8192, 0x55)});
  WriteFile(name, damaged);
  const int status = InChild([&] {
    std::vector<std::pair<std::string, std::string>> lines;
    TErrorReporterScope scope([&](const std::string& a, const std::string& b, const std::string&) { lines.emplace_back(a, b); });
    TStudyFile file;
    if (file.LoadFromFile(name)) return 1;
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    if (file.SaveToFile(name)) return 2;
    return lines.size() == 2 && lines[1] == kSaveMessage ? 0 : 3;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(name), damaged);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"study.flx"});
}

// ----------------------------------------------------- hostile paths

constexpr uid_t kNobody = 65534;

// What a load and then a save of the edited study did with a path: each
// either succeeded (nullopt) or failed with a problem, and whether the file
// the path stood for kept its bytes.
struct TPathOutcome {
  std::optional<TFileProblem> load;
  std::optional<TFileProblem> save;
  bool messagesMatch;  // one 002 per failed load, one 001 per failed save, nothing else
};

struct HostilePath {
  const char* name;
  // Makes the path in the folder (which every user may enter) and returns it.
  std::string (*make)(const TScratchDir& dir);
  bool asNobody;
  std::optional<TFileProblem> load, save;
};

// Runs load and save in a child (as nobody where asked); the outcome comes
// back through a pipe.
TPathOutcome RunOnPath(const std::string& path, bool asNobody) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  const int status = InChild([&] {
    ::alarm(20);  // a blocking open would hang here, not the suite
    if (asNobody && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 90;
    TCapturedErrors errors;
    TStudyFile file;
    const bool loaded = file.LoadFromFile(path);
    const auto load = file.LastFailure();
    file.study[2].Set("People", "42");
    const bool saved = file.SaveToFile(path);
    const auto save = file.LastFailure();
    std::vector<std::pair<std::string, std::string>> expected;
    if (!loaded) expected.push_back(kLoadMessage);
    if (!saved) expected.push_back(kSaveMessage);
    const int out[3] = {load ? static_cast<int>(*load) : -1, save ? static_cast<int>(*save) : -1,
                        errors.Lines() == expected ? 1 : 0};
    return ::write(fds[1], out, sizeof out) == sizeof out && loaded == !load && saved == !save ? 0 : 91;
  });
  ::close(fds[1]);
  int out[3] = {-2, -2, 0};
  const bool read = ::read(fds[0], out, sizeof out) == sizeof out;
  ::close(fds[0]);
  if (status != 0 || !read) return {TFileProblem::Other, TFileProblem::Other, false};
  auto problem = [](int v) { return v < 0 ? std::nullopt : std::optional<TFileProblem>(static_cast<TFileProblem>(v)); };
  return {problem(out[0]), problem(out[1]), out[2] == 1};
}

std::string OwnedByNobody(const std::string& name, mode_t mode) {
  WriteFile(name, EditedStudyBytes());
  if (::chown(name.c_str(), kNobody, kNobody) != 0 || ::chmod(name.c_str(), mode) != 0) return {};
  return name;
}

const HostilePath kHostilePaths[] = {
    {"Fifo", [](const TScratchDir& d) { const auto n = d.File("pipe.flx"); ::mkfifo(n.c_str(), 0666); return n; },
     false, TFileProblem::NotRegular, TFileProblem::NotRegular},
    {"Folder", [](const TScratchDir& d) { const auto n = d.File("dir.flx"); ::mkdir(n.c_str(), 0777); return n; },
     false, TFileProblem::NotRegular, TFileProblem::NotRegular},
    {"LinkToADevice", [](const TScratchDir& d) { const auto n = d.File("null.flx"); ::symlink("/dev/null", n.c_str()); return n; },
     false, TFileProblem::NotRegular, TFileProblem::NotRegular},
    {"LongName", [](const TScratchDir& d) { const auto n = d.File(std::string(250, 'a') + ".flx"); WriteFile(n, EditedStudyBytes()); return n; },
     false, std::nullopt, std::nullopt},
    {"NameTooLong", [](const TScratchDir& d) { return d.File(std::string(300, 'a') + ".flx"); },
     false, TFileProblem::NameTooLong, TFileProblem::NameTooLong},
    {"DanglingLink", [](const TScratchDir& d) { const auto n = d.File("link.flx"); ::symlink("target.flx", n.c_str()); return n; },
     false, std::nullopt, std::nullopt},
    {"TooLarge", [](const TScratchDir& d) { const auto n = d.File("huge.flx"); WriteFile(n, Concat({EditedStudyBytes(), Bytes(kMaxStudyFileSize, 0)})); return n; },
     false, TFileProblem::TooLarge, std::nullopt},
    {"ReadOnlyFile", [](const TScratchDir& d) { return OwnedByNobody(d.File("ro.flx"), 0444); },
     true, std::nullopt, TFileProblem::NoPermission},
    {"AnotherUsersFile", [](const TScratchDir& d) { const auto n = d.File("root.flx"); WriteFile(n, EditedStudyBytes()); ::chmod(n.c_str(), 0644); return n; },
     true, std::nullopt, TFileProblem::NoPermission},
    {"FolderWithoutRead", [](const TScratchDir& d) {
       const auto folder = d.File("wx");
       ::mkdir(folder.c_str(), 0700);
       const auto n = OwnedByNobody(folder + "/study.flx", 0644);
       if (::chown(folder.c_str(), kNobody, kNobody) != 0 || ::chmod(folder.c_str(), 0300) != 0) return std::string();
       return n; },
     true, std::nullopt, TFileProblem::NoPermission},
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
  EXPECT_EQ(outcome.load, c.load);
  EXPECT_EQ(outcome.save, c.save);
  EXPECT_TRUE(outcome.messagesMatch);
  if (c.save && regular) {
    EXPECT_EQ(ReadFile(path), before) << "a refused save changed the file";
  }
  if (!c.save) {
    TStudyFile reread;
    ASSERT_TRUE(reread.LoadFromFile(path));
    EXPECT_EQ(reread.study[2].Get("People"), "42");
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
  TStudyFile file;
  ASSERT_TRUE(file.SaveToFile(link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFile(dir.File("sub/real.flx")), ConstructedStudyBytes());
}

TEST(HostilePaths, ATooLargeStudyIsKeptByASecondNameNotACopy) {
  TScratchDir dir;
  const std::string name = dir.File("huge.flx");
  WriteFile(name, Bytes(kMaxStudyFileSize + 1, 'T'));
  struct stat original {};
  ASSERT_EQ(::stat(name.c_str(), &original), 0);
  TCapturedErrors errors;
  TStudyFile file;
  EXPECT_FALSE(file.LoadFromFile(name));
  ASSERT_TRUE(file.SaveToFile(name));
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
  std::vector<std::string> reasons;
  TErrorReporterScope scope([&](const std::string&, const std::string&, const std::string& r) { reasons.push_back(r); });
  TStudyFile first;
  first.HoldFile();
  ASSERT_TRUE(first.LoadFromFile(name));
  TStudyFile creator;
  creator.HoldFile();
  ASSERT_TRUE(creator.SaveToFile(fresh));  // a new study is held from its creation

  for (int round = 0; round < 2; ++round) {
    TStudyFile second;
    EXPECT_FALSE(second.LoadFromFile(name));
    EXPECT_EQ(second.LastFailure(), TFileProblem::InUse);
    EXPECT_FALSE(second.SaveToFile(name));
    EXPECT_FALSE(second.LoadFromFile(fresh));
    first.study[1].Set("Polh", "round " + std::to_string(round));
    ASSERT_TRUE(first.SaveToFile(name));  // and still held after it
  }
  EXPECT_EQ(reasons.size(), 6u);
  for (const std::string& r : reasons) EXPECT_EQ(r, FileProblemText(TFileProblem::InUse));
  first.ReleaseFile();
  TStudyFile after;
  ASSERT_TRUE(after.LoadFromFile(name));
  EXPECT_EQ(after.study[1].Get("Polh"), "round 1");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"fresh.flx", "study.flx"}));
}

TEST(HeldStudy, StaleTemporariesOfKilledSavesGoAtTheNextSave) {
  TScratchDir dir;
  const std::string name = dir.File("study.flx");
  WriteFile(name, EditedStudyBytes());
  const timeval longAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
  for (const char* stale : {".flox03-1-2-3-0.tmp", ".study.flx.tmp-1-2-3-0", ".flox03-9-9-9-0.tmp", ".flox03-new.tmp"}) {
    WriteFile(dir.File(stale), ToBytes("half a study"));
    if (std::string(stale) != ".flox03-new.tmp") ASSERT_EQ(::utimes(dir.File(stale).c_str(), longAgo), 0);
  }
  // One is still held by a save that runs: it stays.
  TFileStream running(dir.File(".flox03-9-9-9-0.tmp"), TFileStream::Mode::OpenRead);
  TStudyFile file;
  ASSERT_TRUE(file.SaveToFile(name));
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".flox03-9-9-9-0.tmp", ".flox03-new.tmp", "study.flx"}));
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
      TCapturedErrors errors;
      TStudyFile file;
      file.HoldFile();
      EXPECT_EQ(file.LoadFromFile(name), !afterFailedLoad);
      const std::size_t before = errors.Count();
      file.study = TStudy();
      file.study[1].Set("NameEpixirisi", Cp("Ξενοδοχείο Ακρογιαλι"));
      file.study[19].Set("Suntajh", "2024");
      g_callsSeen = 0;
      g_failAt = k;
      flox_posix::SetFaultHook(&CountAndFail);
      testing::internal::CaptureStderr();
      const bool saved = file.SaveToFile(name);
      const std::string warnings = testing::internal::GetCapturedStderr();
      flox_posix::SetFaultHook(nullptr);
      if (k == 0) calls = g_callsSeen;
      SCOPED_TRACE("call " + std::to_string(k) + " of " + std::to_string(calls) + (afterFailedLoad ? ", with backup" : ""));
      ASSERT_TRUE(k > 0 || saved);
      EXPECT_EQ(ReadFile(name), saved ? EditedStudyBytes() : old);
      EXPECT_EQ(errors.Count() - before, saved ? 0u : 1u);
      if (!saved) {
        EXPECT_EQ(errors.Lines().back(), kSaveMessage);
      }
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
  TCapturedErrors errors;
  TStudyFile file;
  flox_posix::SetFaultHook([](const char* call) { return std::string(call) == "read" ? EIO : 0; });
  EXPECT_FALSE(file.LoadFromFile(name));
  flox_posix::SetFaultHook(nullptr);
  EXPECT_EQ(file.LastFailure(), TFileProblem::IoError);
  EXPECT_EQ(errors.Lines(), (std::vector<std::pair<std::string, std::string>>{kLoadMessage}));
}

}  // namespace
