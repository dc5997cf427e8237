// The button glyphs of the data-entry dialogs, drawn here in code.
#pragma once

#include <QPixmap>

namespace dlg {

QPixmap PreviewGlyph();  // 23 x 21: a magnifier over a page
QPixmap PrintGlyph();    // 16 x 16: a printer with a sheet
QPixmap HelpGlyph();     // 16 x 16: a question mark in a round badge
QPixmap CloseGlyph();    // 16 x 16: an open door with an arrow leaving

}  // namespace dlg
