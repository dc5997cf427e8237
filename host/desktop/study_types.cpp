#include "host/desktop/study_types.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace desk {
namespace {

constexpr TStudyTypeName kNames[] = {
    {1, "Γενική μελέτη, 3/81 Π.Δ."},
    {2, "Γενική μελέτη, 8/97 Π.Δ."},
    {3, "Βιομηχανίες-Βιοτεχνίες"},
    {4, "Υφιστάμενα Ξενοδοχεία"},
};

// The record slots of each family and the type that stands for it.
struct TFamilySlots {
  int firstSlot;
  int lastSlot;
  int type;
};
constexpr TFamilySlots kFamilySlots[] = {{1, 6, 1}, {7, 13, 3}, {14, 19, 4}};

}  // namespace

std::span<const TStudyTypeName> StudyTypeNames() { return kNames; }

QString StudyTypeName(int type) {
  for (const TStudyTypeName& n : kNames) {
    if (n.type == type) return QString::fromUtf8(n.name);
  }
  return {};
}

int SuggestStudyType(const QByteArray& exportedJson) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(exportedJson, &error);
  if (error.error != QJsonParseError::NoError || !doc.isArray()) return 0;

  int filled[std::size(kFamilySlots)] = {};
  QString legalReference;
  for (const QJsonValue& item : doc.array()) {
    const QJsonObject record = item.toObject();
    const int slot = record.value(QLatin1String("slot")).toInt();
    const QJsonObject fields = record.value(QLatin1String("fields")).toObject();
    for (std::size_t f = 0; f < std::size(kFamilySlots); ++f) {
      if (slot < kFamilySlots[f].firstSlot || slot > kFamilySlots[f].lastSlot) continue;
      for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (!it.value().toString().trimmed().isEmpty()) ++filled[f];
      }
    }
    if (slot == 1) legalReference = fields.value(QLatin1String("Suntaxh")).toString();
  }
  std::size_t best = std::size(kFamilySlots);
  for (std::size_t f = 0; f < std::size(kFamilySlots); ++f) {
    if (filled[f] > 0 && (best == std::size(kFamilySlots) || filled[f] > filled[best])) best = f;
  }
  if (best == std::size(kFamilySlots)) return 4;
  const int type = kFamilySlots[best].type;
  if (type == 1 && legalReference.contains(QLatin1String("8/97"))) return 2;
  return type;
}

}  // namespace desk
