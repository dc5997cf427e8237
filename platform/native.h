// What differs between the window systems under the library's windows: one
// implementation per platform (native_x11.cpp for X11 and Wayland,
// native_win32.cpp for Windows), nothing of either anywhere else.
#pragma once

#include <cstdint>
#include <string>

#include <QByteArrayList>

class QWidget;

namespace platform::native {

// The Qt platforms to ask for, best first, without the offscreen one that
// every list ends with: what the user chose in QT_QPA_PLATFORM, else what
// the session offers. Empty, with the reason in *why, when the session has
// no display at all.
QByteArrayList WantedPlatforms(std::string* why);

// Makes the top-level `window` owned by the host window `host` (a window of
// another toolkit, or of another program, given by its native handle), so
// that it stays above it and goes with it. Call before it is shown. Does
// nothing when the running Qt platform cannot reach such a window.
void OwnByHostWindow(QWidget* window, std::uintptr_t host);

// Adds the fonts the library brings along to the running application's
// fonts, once per application. The faces of the printed pages must be
// there on every system; where the system has them of its own (as Debian's
// fonts-liberation) nothing is added.
void AddShippedFonts();

}  // namespace platform::native
