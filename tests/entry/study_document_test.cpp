// The study document: slots, the study file written and read back to back,
// copies, the type defaults and what a damaged file leaves behind.
#include "entry/study_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "entry/study_test_support.h"
#include "records/codec.h"
#include "records/study_file.h"

namespace {

using namespace studytest;

std::string Bytes(const TFlox03Pages& study) {
  const std::vector<std::uint8_t> bytes = StudyBytes(study.Records());
  return std::string(bytes.begin(), bytes.end());
}

// Saves the study as a request on the file would; false when it failed.
bool SaveFile(const TFlox03Pages& study, const std::string& name) {
  try {
    TStudyFile(name, TStudyFile::TUse::Request).Save(study.Records());
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

// Loads the file into the study; the problem of a failure, if any.
std::optional<TFileProblem> LoadFile(TFlox03Pages& study, const std::string& name) {
  try {
    TStudyFile(name, TStudyFile::TUse::Read).Load(study.Records());
    return std::nullopt;
  } catch (const EStreamError& e) {
    return e.Problem();
  }
}

// Every property of every slot at its full length (characters: a Greek
// capital), different in every slot and field.
void FillFullLength(TFlox03Pages& study, std::size_t seed) {
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    TPageRecord& record = study.Slot(slot);
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      const TPropInfo& prop = record.Class().props[i];
      record.Set(i, GreekText(prop.kind == TPropKind::Char ? 1 : prop.maxLen, seed + slot * 100 + i));
    }
  }
}

void ExpectSameValues(const TFlox03Pages& a, const TFlox03Pages& b) {
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    for (std::size_t i = 0; i < a.Slot(slot).PropCount(); ++i) {
      ASSERT_EQ(a.Slot(slot).Get(i), b.Slot(slot).Get(i))
          << "slot " << slot << " field " << a.Slot(slot).Class().props[i].name;
    }
  }
}

TEST(StudySlots, HoldTheRecordClassesInFileOrder) {
  TFlox03Pages study;
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    EXPECT_EQ(&study.Slot(slot).Class(), &StudySlotClass(slot)) << "slot " << slot;
  }
  EXPECT_NO_THROW(study.Rec<TFlox03Pg4Data>(4));
  EXPECT_NO_THROW(study.Rec<TFlox03Pg4Data>(17));
  EXPECT_NO_THROW(study.Rec<TFlox03Pg5Data>(18));
  EXPECT_NO_THROW(study.Rec<TFlox07Pg6Data>(19));
  EXPECT_THROW(study.Rec<TFlox03Pg4Data>(5), std::bad_cast);
  for (int bad : {0, -1, 20, 1000}) EXPECT_THROW(study.Slot(bad), std::out_of_range) << bad;
  const TFlox03Pages& constStudy = study;
  EXPECT_THROW(constStudy.Slot(20), std::out_of_range);
}

TEST(StudySlots, HotelPagesFourAndFiveAreRecordsOfTheirOwn) {
  TFlox03Pages study;
  ASSERT_NE(&study.Slot(4), &study.Slot(17));
  ASSERT_NE(&study.Slot(5), &study.Slot(18));
  study.Rec<TFlox03Pg4Data>(4).Set("Poso1", "12");
  study.Rec<TFlox03Pg4Data>(17).Set("Poso1", "34");
  study.Rec<TFlox03Pg5Data>(5).Set("Eidos25", "\xC1");
  study.Rec<TFlox03Pg5Data>(18).Set("Comments28", "\xC2");

  TMemoryStream stream(StudyBytes(study.Records()));
  TFlox03Pages loaded;
  ReadStudy(stream, loaded.Records());
  EXPECT_EQ(loaded.Slot(4).Get("Poso1"), "12");
  EXPECT_EQ(loaded.Slot(17).Get("Poso1"), "34");
  EXPECT_EQ(loaded.Slot(5).Get("Eidos25"), "\xC1");
  EXPECT_EQ(loaded.Slot(5).Get("Comments28"), "");
  EXPECT_EQ(loaded.Slot(18).Get("Eidos25"), "");
  EXPECT_EQ(loaded.Slot(18).Get("Comments28"), "\xC2");
}

// New study file bytes per study type: only the low byte counts.
struct NewFileCase {
  std::uint32_t studyType;
  std::size_t size;
};

class NewStudyFile : public testing::TestWithParam<NewFileCase> {};

TEST_P(NewStudyFile, IsTheConstructedRecordsPlusTheTypeDefault) {
  const NewFileCase c = GetParam();
  TFlox03Pages study;
  study.ApplyTypeDefaults(static_cast<std::uint8_t>(c.studyType & 0xFF));
  const std::string bytes = Bytes(study);
  EXPECT_EQ(bytes.size(), c.size);
  EXPECT_EQ(bytes, NewStudyFileBytes(c.studyType));

  TempDir dir;
  ASSERT_TRUE(SaveFile(study, dir / "new.flx"));
  EXPECT_EQ(ReadBytes(dir / "new.flx"), bytes);
}

INSTANTIATE_TEST_SUITE_P(Types, NewStudyFile,
                         testing::Values(NewFileCase{1, 843}, NewFileCase{2, 843}, NewFileCase{3, 891},
                                         NewFileCase{4, 820}, NewFileCase{0, 820}, NewFileCase{7, 820},
                                         NewFileCase{0x105, 820}, NewFileCase{0x101, 843},
                                         NewFileCase{0x203, 891}));

TEST(TypeDefaults, AreTheExactTextsInCodePage1253) {
  ASSERT_EQ(kDefault1.size(), 13u);
  ASSERT_EQ(kDefault2.size(), 13u);
  ASSERT_EQ(kDefault3.size(), 61u);
  const struct {
    std::uint8_t type;
    int slot;
    std::string value;
  } cases[] = {{1, 1, kDefault1}, {2, 1, kDefault2}, {3, 7, kDefault3}};
  for (const auto& c : cases) {
    TFlox03Pages study;
    study.ApplyTypeDefaults(c.type);
    EXPECT_EQ(study.Slot(c.slot).Get("Suntaxh"), c.value) << "type " << int(c.type);
    // Nothing else changes.
    TFlox03Pages fresh;
    study.Slot(c.slot).Set("Suntaxh", "");
    EXPECT_EQ(Bytes(study), Bytes(fresh)) << "type " << int(c.type);
  }
  for (std::uint8_t type : {0, 4, 5, 255}) {
    TFlox03Pages study, fresh;
    study.ApplyTypeDefaults(type);
    EXPECT_EQ(Bytes(study), Bytes(fresh)) << "type " << int(type);
  }
}

TEST(TypeDefaults, FileValueReplacesTheDefaultAndAnEmptyOneBringsItBack) {
  TempDir dir;
  const std::string file = dir / "study.flx";
  {
    TFlox03Pages type1;
    type1.ApplyTypeDefaults(1);
    ASSERT_TRUE(SaveFile(type1, file));
  }
  {
    // A type 2 call on a file made by type 1 shows the file's text.
    TFlox03Pages type2;
    type2.ApplyTypeDefaults(2);
    ASSERT_EQ(LoadFile(type2, file), std::nullopt);
    EXPECT_EQ(type2.Slot(1).Get("Suntaxh"), kDefault1);
    // The user empties the field; the empty text is not stored ...
    type2.Slot(1).Set("Suntaxh", "");
    ASSERT_TRUE(SaveFile(type2, file));
  }
  for (std::uint8_t type : {1, 2}) {
    // ... so the next call shows its own default again.
    TFlox03Pages next;
    next.ApplyTypeDefaults(type);
    ASSERT_EQ(LoadFile(next, file), std::nullopt);
    EXPECT_EQ(next.Slot(1).Get("Suntaxh"), type == 1 ? kDefault1 : kDefault2);
  }
  {
    TFlox03Pages industry;
    industry.ApplyTypeDefaults(3);
    industry.Slot(7).Set("Suntaxh", "\xCD\xFC\xEC\xEF\xF2");  // "Νόμος"
    ASSERT_TRUE(SaveFile(industry, file));
    TFlox03Pages again;
    again.ApplyTypeDefaults(3);
    ASSERT_EQ(LoadFile(again, file), std::nullopt);
    EXPECT_EQ(again.Slot(7).Get("Suntaxh"), "\xCD\xFC\xEC\xEF\xF2");
  }
}

TEST(StudyFile, EveryRecordAtFullLengthComesBackThroughStreamAndFile) {
  TFlox03Pages study;
  FillFullLength(study, 1);
  const std::string bytes = Bytes(study);

  TMemoryStream stream(StudyBytes(study.Records()));
  stream.Seek(0, TSeekOrigin::End);
  stream.Write("trailing", 8);  // bytes after the last record are never read
  stream.Seek(0, TSeekOrigin::Begin);
  TFlox03Pages fromStream;
  ReadStudy(stream, fromStream.Records());
  ExpectSameValues(study, fromStream);
  EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(bytes.size()));

  TempDir dir;
  ASSERT_TRUE(SaveFile(study, dir / "full.flx"));
  ASSERT_TRUE(SaveFile(study, dir / "again.flx"));
  EXPECT_EQ(ReadBytes(dir / "full.flx"), bytes);
  EXPECT_EQ(ReadBytes(dir / "again.flx"), bytes);
  TFlox03Pages fromFile;
  fromFile.ApplyTypeDefaults(3);  // every stored value replaces the defaults
  ASSERT_EQ(LoadFile(fromFile, dir / "full.flx"), std::nullopt);
  ExpectSameValues(study, fromFile);
}

TEST(StudyFile, FileCutAtEveryOffsetLoadsTheRecordsBeforeTheCut) {
  // A few short values per record keep the file small enough to cut it
  // everywhere: the first and the last property, and one character field.
  TFlox03Pages source;
  for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
    TPageRecord& record = source.Slot(slot);
    record.Set(0, GreekText(2, slot));
    record.Set(record.PropCount() - 1, GreekText(2, slot + 50));
    for (std::size_t i = 0; i < record.PropCount(); ++i) {
      if (record.Class().props[i].kind == TPropKind::Char) {
        record.Set(i, "\xD8");
        break;
      }
    }
  }
  // Where each record ends in the file.
  std::vector<std::size_t> ends;
  {
    TMemoryStream stream;
    for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
      WriteComponentStream(stream, source.Slot(slot));
      ends.push_back(stream.Bytes().size());
    }
  }
  const std::string full = Bytes(source);
  ASSERT_EQ(full.size(), ends.back());

  TempDir dir;
  const std::string file = dir / "cut.flx";
  TFlox03Pages defaults;
  defaults.ApplyTypeDefaults(3);
  // What the whole file gives over the defaults (its empty texts are not
  // stored, so those keep the default).
  TFlox03Pages whole;
  whole.ApplyTypeDefaults(3);
  {
    TMemoryStream stream(full.data(), full.size());
    ReadStudy(stream, whole.Records());
  }
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    WriteBytes(file, full.substr(0, cut));
    TFlox03Pages loaded;
    loaded.ApplyTypeDefaults(3);
    const auto problem = LoadFile(loaded, file);

    std::size_t complete = 0;
    while (complete < ends.size() && ends[complete] <= cut) ++complete;
    const bool atEnd = cut == full.size();
    EXPECT_EQ(problem, atEnd ? std::nullopt : std::optional(TFileProblem::Damaged)) << "cut at " << cut;

    for (int slot = 1; slot <= TFlox03Pages::kSlotCount; ++slot) {
      const TPageRecord& got = loaded.Slot(slot);
      const std::size_t index = static_cast<std::size_t>(slot - 1);
      for (std::size_t i = 0; i < got.PropCount(); ++i) {
        const std::string& want = index < complete ? whole.Slot(slot).Get(i) : defaults.Slot(slot).Get(i);
        if (index == complete) {
          // The record that was cut: what was read before the cut, or its default.
          EXPECT_TRUE(got.Get(i) == whole.Slot(slot).Get(i) || got.Get(i) == defaults.Slot(slot).Get(i))
              << "cut at " << cut << ", slot " << slot << ", field " << i;
        } else {
          EXPECT_EQ(got.Get(i), want) << "cut at " << cut << ", slot " << slot << ", field " << i;
        }
      }
    }
    if (HasFailure()) break;
  }
}

TEST(StudyAssign, CopiesEveryRecordAndStaysItsOwn) {
  TFlox03Pages source, target;
  FillFullLength(source, 7);
  FillFullLength(target, 11);
  target = source;
  ExpectSameValues(source, target);
  source.Slot(1).Set("NameEpixirisi", "x");
  EXPECT_NE(target.Slot(1).Get("NameEpixirisi"), "x");
}

}  // namespace
