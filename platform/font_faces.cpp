#include "platform/font_faces.h"

#include <QFontDatabase>

namespace platform {
namespace {

struct TFaceMapping {
  std::string_view designed;
  const char* installed;
};

constexpr TFaceMapping kFaceMappings[] = {
    {"Arial", "Liberation Sans"},       {"MS Sans Serif", "Liberation Sans"},
    {"Courier New", "Liberation Mono"}, {"MS Serif", "Liberation Serif"},
    {"Times New Roman", "Liberation Serif"},
};

constexpr const char* kFallback = "Liberation Sans";

}  // namespace

QString ScreenFontFamily(std::string_view designedFace) {
  for (const TFaceMapping& mapping : kFaceMappings) {
    if (mapping.designed == designedFace) return QString::fromLatin1(mapping.installed);
  }
  const QString face = QString::fromUtf8(designedFace.data(), static_cast<qsizetype>(designedFace.size()));
  if (!face.isEmpty() && QFontDatabase::hasFamily(face)) return face;
  return QString::fromLatin1(kFallback);
}

QFont ScreenFont(std::string_view designedFace) {
  QFont font(ScreenFontFamily(designedFace));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace platform
