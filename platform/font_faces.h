// The one mapping from the faces the pages and dialogs were designed in to
// the installed metric-compatible faces with Greek glyphs, used by the report
// renderer, the entry dialogs and the help dialogs alike.
#pragma once

#include <string_view>

#include <QString>

namespace platform {

// Arial and MS Sans Serif -> Liberation Sans, Courier New -> Liberation
// Mono, MS Serif and Times New Roman -> Liberation Serif. Any other face
// stays itself when it is installed, else Liberation Sans. Needs a running
// QGuiApplication for the look-up of installed faces.
QString ScreenFontFamily(std::string_view designedFace);

}  // namespace platform
