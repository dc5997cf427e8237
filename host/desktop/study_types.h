// The study types as the library lists them (Flox03StudyTypes): their names
// in words, and the type a study file's content suggests when the user's
// settings do not know the file yet.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace desk {

struct TStudyType {
  int type = 0;
  QString name;        // as the user reads it
  QString family;
  QList<int> recordSlots;  // the records its family edits and prints
  QStringList tabs;    // the captions of the tabs its dialog shows, in order
  int legalSlot = 0;   // where a new study of the type holds its legal text
  QString legalField;
  QString legalText;   // empty: none
};

class TStudyTypes {
 public:
  // From the library's JSON list; no types when the text is not such a list.
  explicit TStudyTypes(const QByteArray& json);

  // In type order, the order the user chooses among them.
  const QList<TStudyType>& All() const { return types_; }
  // The type in words; "" for a type the library does not serve.
  QString Name(int type) const;

  // The type the content of a study suggests, from the library's JSON export
  // (an array of slot objects): the family whose slots hold the most filled
  // fields; of its types the first, unless the legal field names what sets a
  // later type's legal text apart from the first's ("8/97" makes a general
  // study type 2). A study with nothing filled in at all is of the first type
  // without a legal text: the others store theirs when a file is created.
  // 0 when the text is not such an export.
  int Suggest(const QByteArray& exportedJson) const;

  // How many fields of the type's records hold text, by type, from the
  // library's JSON export; empty when the text is not such an export.
  QMap<int, int> FilledFields(const QByteArray& exportedJson) const;

 private:
  QList<TStudyType> types_;
};

}  // namespace desk
