// The one mapping from the faces the pages and dialogs were designed in to
// the installed metric-compatible faces with Greek glyphs, used by the report
// renderer, the entry dialogs and the help dialogs alike.
#pragma once

#include <string_view>

#include <QFont>
#include <QString>

namespace platform {

// Arial and MS Sans Serif -> Liberation Sans, Courier New -> Liberation
// Mono, MS Serif and Times New Roman -> Liberation Serif. Any other face
// stays itself when it is installed, else Liberation Sans. Needs a running
// QGuiApplication for the look-up of installed faces.
QString ScreenFontFamily(std::string_view designedFace);

// The font of the library's screens in that face: unhinted, as the printed
// pages are drawn. Hinted, Liberation Sans draws no Greek capital Iota at
// the dialogs' 11 pixels under Windows' font engines; unhinted text also
// has the same advances on every system, so a page of a dialog is laid out
// alike everywhere.
QFont ScreenFont(std::string_view designedFace);

}  // namespace platform
