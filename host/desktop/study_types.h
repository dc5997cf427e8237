// The four study types in words, and the type a study file's content
// suggests when the user's settings do not know the file yet.
#pragma once

#include <QByteArray>
#include <QString>
#include <span>

namespace desk {

struct TStudyTypeName {
  int type;
  const char* name;  // UTF-8
};

// In the order the user chooses among them.
std::span<const TStudyTypeName> StudyTypeNames();
// The type in words; "" for a type outside 1..4.
QString StudyTypeName(int type);

// The type the content of a study suggests, from the library's JSON export
// (an array of 19 slot objects): the family whose slots hold the most filled
// fields (slots 1-6 the general study, 7-13 industries and crafts, 14-19
// existing hotels); a general study is type 2 when its legal reference
// (Suntaxh of slot 1) names 8/97, type 1 otherwise. A study with nothing
// filled in at all is a hotel study: types 1, 2 and 3 store their legal
// reference when a file is created. 0 when the text is not such an export.
int SuggestStudyType(const QByteArray& exportedJson);

}  // namespace desk
