// The study as JSON: an array of nineteen slot objects
//   {"slot": 1, "class": "TFlox03Pg1Data", "fields": {"NameEpixirisi": "...", ...}}
// with every property in declaration order and UTF-8 values, and the checked
// way back from such a text (any subset of slots and fields) into a study.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "entry/study_document.h"

// No study comes near this (a full one is about 60 KB of JSON): a larger
// text is refused before it is parsed.
inline constexpr std::size_t kMaxStudyJsonBytes = 4u << 20;

// Every record of the study, every property listed (indent < 0: one line).
std::string StudyToJson(const TFlox03Pages& study, int indent = 2);

// One value to write: the property index in its slot's record and the code
// page 1253 bytes, already cut to the field's maximum.
struct TStudyEdit {
  int slot;
  std::size_t property;
  std::string bytes;
};

struct TStudyJsonError {
  enum Kind { None, Json, Encoding } kind = None;
  std::string message;  // UTF-8, names the slot and the field where there is one
};

// Reads and checks the whole text against the record classes of `shape`
// without changing anything. Field names are matched like the study file
// matches them: ASCII letters without regard to case, so a name given twice
// in one object, in the same or another letter case, is an error. So are a
// text larger than kMaxStudyJsonBytes, a NUL byte anywhere, and nesting
// deeper than a study has. Returns false with *error filled on the first
// problem; *edits is then empty. Time and memory grow linearly with the text.
bool ParseStudyJson(std::string_view json, const TFlox03Pages& shape, std::vector<TStudyEdit>* edits,
                    TStudyJsonError* error);

// Writes checked values into the study.
void ApplyStudyEdits(TFlox03Pages& study, const std::vector<TStudyEdit>& edits);
