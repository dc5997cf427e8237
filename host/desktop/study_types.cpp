#include "host/desktop/study_types.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStringList>

namespace desk {
namespace {

QJsonArray ArrayOf(const QByteArray& json) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  return error.error == QJsonParseError::NoError && doc.isArray() ? doc.array() : QJsonArray();
}

// The words of `text` that `other` lacks.
QStringList WordsNotIn(const QString& text, const QString& other) {
  QStringList words;
  const QStringList others = other.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!others.contains(word)) words << word;
  }
  return words;
}

}  // namespace

TStudyTypes::TStudyTypes(const QByteArray& json) {
  for (const QJsonValue& item : ArrayOf(json)) {
    const QJsonObject o = item.toObject();
    TStudyType t;
    t.type = o.value(QLatin1String("type")).toInt();
    t.name = o.value(QLatin1String("name")).toString();
    t.family = o.value(QLatin1String("family")).toString();
    for (const QJsonValue& slot : o.value(QLatin1String("slots")).toArray()) t.recordSlots << slot.toInt();
    for (const QJsonValue& tab : o.value(QLatin1String("tabs")).toArray()) t.tabs << tab.toString();
    t.legalSlot = o.value(QLatin1String("legalSlot")).toInt();
    t.legalField = o.value(QLatin1String("legalField")).toString();
    t.legalText = o.value(QLatin1String("legalText")).toString();
    if (t.type > 0 && !t.name.isEmpty()) types_ << t;
  }
}

QString TStudyTypes::Name(int type) const {
  for (const TStudyType& t : types_) {
    if (t.type == type) return t.name;
  }
  return {};
}

QMap<int, int> TStudyTypes::FilledFields(const QByteArray& exportedJson) const {
  QMap<int, int> filled;
  const QJsonArray records = ArrayOf(exportedJson);
  if (records.isEmpty()) return filled;
  QMap<int, QJsonObject> fieldsOf;  // slot -> its fields
  for (const QJsonValue& item : records) {
    const QJsonObject record = item.toObject();
    fieldsOf.insert(record.value(QLatin1String("slot")).toInt(), record.value(QLatin1String("fields")).toObject());
  }
  for (const TStudyType& t : types_) {
    int count = 0;
    for (const int slot : t.recordSlots) {
      const QJsonObject fields = fieldsOf.value(slot);
      for (auto it = fields.begin(); it != fields.end(); ++it) count += it.value().toString().trimmed().isEmpty() ? 0 : 1;
    }
    filled.insert(t.type, count);
  }
  return filled;
}

int TStudyTypes::Suggest(const QByteArray& exportedJson) const {
  const QMap<int, int> filled = FilledFields(exportedJson);
  if (filled.isEmpty() || types_.isEmpty()) return 0;
  // The first type of the family whose slots hold the most filled fields.
  const TStudyType* best = nullptr;
  int bestFilled = 0;
  for (const TStudyType& t : types_) {
    if (best != nullptr && t.family == best->family) continue;
    if (filled.value(t.type) > bestFilled) best = &t, bestFilled = filled.value(t.type);
  }
  if (best == nullptr) {
    for (const TStudyType& t : types_) {
      if (t.legalText.isEmpty()) return t.type;
    }
    return types_.front().type;
  }
  // A later type of the family whose own words the legal field holds.
  int suggested = best->type;
  QString legal;
  for (const QJsonValue& item : ArrayOf(exportedJson)) {
    const QJsonObject record = item.toObject();
    if (record.value(QLatin1String("slot")).toInt() == best->legalSlot) {
      legal = record.value(QLatin1String("fields")).toObject().value(best->legalField).toString();
    }
  }
  for (const TStudyType& t : types_) {
    if (t.family != best->family || &t == best) continue;
    const QStringList own = WordsNotIn(t.legalText, best->legalText);
    bool all = !own.isEmpty();
    for (const QString& word : own) all = all && legal.contains(word);
    if (all) suggested = t.type;
  }
  return suggested;
}

}  // namespace desk
