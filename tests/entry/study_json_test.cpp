// The study as JSON: the export text and the checked way back.
#include "entry/study_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "entry/study_test_support.h"
#include "records/cp1253.h"

namespace {

using namespace studytest;
using nlohmann::ordered_json;

TEST(StudyToJson, ValuesAreUtf8AndEscapedWhereJsonNeedsIt) {
  TFlox03Pages study;
  study.Slot(6).Set("DTexnikes", "\xC1\xE2\r\n\"\\\t");  // "Αβ", line break, quote, backslash, tab
  study.Slot(2).Set("EidosFerousa", std::string(1, '\0'));
  study.Slot(1).Set("Polh", "\x80\xA2");  // euro sign, Ά
  const ordered_json doc = ordered_json::parse(StudyToJson(study));
  EXPECT_EQ(doc[5]["fields"]["DTexnikes"], "Αβ\r\n\"\\\t");
  EXPECT_EQ(doc[1]["fields"]["EidosFerousa"], std::string(1, '\0'));
  EXPECT_EQ(doc[0]["fields"]["Polh"], "€Ά");
  // One line when asked for.
  EXPECT_EQ(StudyToJson(study, -1).find('\n'), std::string::npos);
}

TEST(ParseStudyJson, GivesEditsWithCodePageBytesAndChangesNothingItself) {
  TFlox03Pages shape;
  std::vector<TStudyEdit> edits;
  TStudyJsonError error;
  ASSERT_TRUE(ParseStudyJson(R"([{"slot": 2, "class": "TFlox03Pg2Data",
                                   "fields": {"eidosferousa": "Γ", "EidosSteghs": "", "NumberOfFloors": "12345"}},
                                  {"slot": 19}, {"slot": 18, "fields": {}}])",
                             shape, &edits, &error))
      << error.message;
  EXPECT_EQ(error.kind, TStudyJsonError::None);
  ASSERT_EQ(edits.size(), 3u);
  EXPECT_EQ(edits[0].slot, 2);
  EXPECT_EQ(shape.Slot(2).Class().props[edits[0].property].name, std::string("EidosFerousa"));
  EXPECT_EQ(edits[0].bytes, "\xC3");
  EXPECT_EQ(edits[1].bytes, " ");       // an empty character is a blank
  EXPECT_EQ(edits[2].bytes, "123");     // NumberOfFloors holds three characters
  TFlox03Pages fresh;
  EXPECT_EQ(StudyToJson(shape), StudyToJson(fresh));

  ApplyStudyEdits(shape, edits);
  EXPECT_EQ(shape.Slot(2).Get("EidosFerousa"), "\xC3");
  EXPECT_EQ(shape.Slot(2).Get("NumberOfFloors"), "123");
}

TEST(ParseStudyJson, AFailureLeavesNoEditsAndSaysWhere) {
  TFlox03Pages shape;
  std::vector<TStudyEdit> edits;
  TStudyJsonError error;
  // Valid slots before the bad one must not leave half a list behind.
  ASSERT_FALSE(ParseStudyJson(R"([{"slot": 1, "fields": {"Polh": "a"}},
                                   {"slot": 14, "fields": {"NoSuchField": "b"}}])",
                              shape, &edits, &error));
  EXPECT_TRUE(edits.empty());
  EXPECT_EQ(error.kind, TStudyJsonError::Json);
  EXPECT_NE(error.message.find("slot 14"), std::string::npos) << error.message;
  EXPECT_NE(error.message.find("TFlox07Pg1Data"), std::string::npos) << error.message;
  EXPECT_NE(error.message.find("NoSuchField"), std::string::npos) << error.message;

  ASSERT_FALSE(ParseStudyJson(R"([{"slot": 1, "fields": {"Polh": "a😀b"}}])", shape, &edits, &error));
  EXPECT_EQ(error.kind, TStudyJsonError::Encoding);
  EXPECT_NE(error.message.find("U+1F600"), std::string::npos) << error.message;
  EXPECT_NE(error.message.find("Polh"), std::string::npos) << error.message;
  EXPECT_TRUE(edits.empty());

  // Invalid UTF-8 never gets past the JSON reader.
  ASSERT_FALSE(ParseStudyJson("[{\"slot\": 1, \"fields\": {\"Polh\": \"\xC1\"}}]", shape, &edits, &error));
  EXPECT_EQ(error.kind, TStudyJsonError::Json);

  // Nor do bytes after a NUL, wherever it stands.
  for (const std::string_view text : {std::string_view("[]\0garbage", 10), std::string_view("[{\"slot\": 1}\0]", 14)}) {
    ASSERT_FALSE(ParseStudyJson(text, shape, &edits, &error));
    EXPECT_NE(error.message.find("NUL"), std::string::npos) << error.message;
  }
}

TEST(ParseStudyJson, EveryByteMakesTheRoundTripAndNoRawControlIsWritten) {
  std::string all;
  for (int b = 1; b <= 0xFF; ++b) all += static_cast<char>(b);
  TFlox03Pages study;
  study.Slot(6).Set("DTexnikes", all);
  ASSERT_EQ(study.Slot(6).Get("DTexnikes"), all);
  const std::string json = StudyToJson(study);
  for (unsigned char c1 = 0x80; c1 <= 0x9F; ++c1) {
    EXPECT_EQ(json.find(std::string{'\xC2', static_cast<char>(c1)}), std::string::npos) << int(c1);
  }
  EXPECT_NE(json.find("\\u0081"), std::string::npos);

  TFlox03Pages target;
  std::vector<TStudyEdit> edits;
  TStudyJsonError error;
  ASSERT_TRUE(ParseStudyJson(json, target, &edits, &error)) << error.message;
  ApplyStudyEdits(target, edits);
  EXPECT_EQ(target.Slot(6).Get("DTexnikes"), all);
}

}  // namespace
