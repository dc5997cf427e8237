// A whole study as a named file: what a failure leaves, and the guards
// around the file that was there (a failed save leaves it untouched; a study
// that failed to load is kept in a backup before it is overwritten; a request
// holds its study locked from the load to the last save).
#include <chrono>
#include <ctime>
#include <optional>
#include <regex>

#include "study_file_test_support.h"

using namespace flox_test;

namespace {

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
    taken.push_back("study.flx." + sys::LocalStamp(t) + ".bak");
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
  if (const char* why = sys::NoUtf8Names()) GTEST_SKIP() << why;
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
  const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* stale : {".flox03-1-2-3-0.tmp", ".study.flx.tmp-1-2-3-0", ".flox03-9-9-9-0.tmp", ".flox03-new.tmp"}) {
    WriteFile(dir.File(stale), ToBytes("half a study"));
    if (std::string(stale) != ".flox03-new.tmp") {
      std::filesystem::last_write_time(dir.File(stale), longAgo);
    }
  }
  // One is still held by a save that runs: it stays.
  const auto running = SystemFileSystem().Open(dir.File(".flox03-9-9-9-0.tmp"), TLock::Shared);
  ASSERT_EQ(SaveAs(name, TStudy()), std::nullopt);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{".flox03-9-9-9-0.tmp", ".flox03-new.tmp", "study.flx"}));
}

// ----------------------------------------------------- another request in between

std::string g_raceName;
bool g_raced = false;
std::optional<TFileProblem> g_theirSave;
// Before the first lock is taken, another request replaces the study (a
// system that replaces no open file, as Windows, refuses it that).
int ReplaceBeforeTheLock(const char* call) {
  if (g_raced || std::string(call) != "flock") return 0;
  g_raced = true;
  SetFaultHook(nullptr);
  TStudy theirs;
  theirs[1].Set("Polh", "theirs");
  g_theirSave = SaveAs(g_raceName, theirs);
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
  EXPECT_TRUE(!g_theirSave || g_theirSave == TFileProblem::InUse);
  const std::string polh = g_theirSave ? "" : "theirs";
  EXPECT_EQ(study[1].Get("Polh"), polh);  // the study there once it is locked
  study[2].Set("People", "7");
  ASSERT_EQ(Save(file, study), std::nullopt);
  file.Release();
  TStudy after;
  TStudyFile reader(name, TUse::Read);
  ASSERT_TRUE(reader.Load(after.slots));
  EXPECT_EQ(after[1].Get("Polh"), polh);
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
  // A program that does not lock puts other files in their places (where
  // the system lets it replace a file that is held open: not on Windows,
  // where the study then stays the one loaded).
  WriteFile(dir.File("other"), ToBytes("theirs"));
  std::error_code refused;
  std::filesystem::rename(dir.File("other"), name, refused);
  if (refused) std::filesystem::remove(dir.File("other"));
  WriteFile(missing, ToBytes("theirs too"));
  EXPECT_EQ(Save(file, study), refused ? std::nullopt : std::optional(TFileProblem::InUse));
  EXPECT_EQ(Save(fresh, study), TFileProblem::InUse);
  EXPECT_EQ(ReadFile(name), refused ? study.Save() : ToBytes("theirs"));
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
