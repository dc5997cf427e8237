// The thin windowing and runtime layer: the application window (the host's
// window or none), the Qt application the library's windows live in, the
// modal error box and the screen cursor.
#pragma once

#include <cstdint>
#include <string>

class QString;
class QWidget;

namespace platform {

// The host window that owns every window the library opens; 0 for none.
void SetApplicationWindow(std::uintptr_t hostWindow);
std::uintptr_t ApplicationWindow();

// Makes sure a QApplication exists (the host may already run one; otherwise
// the library creates its own, kept for the life of the process). Returns
// false when no display can be opened; GUI operations then fall back
// (an error box prints on stderr instead of blocking).
bool EnsureApplication();
bool HasDisplay();
// Whether a modal dialog can be shown and answered: a widget application
// whose screen is not the offscreen one the library fell back to for want of
// a display (an offscreen screen asked for on purpose, as by the tests, counts).
bool CanShowDialogs();

// Fits the application to the library's Greek screens, once per application
// (EnsureApplication does it): the standard buttons of message boxes and
// dialogs, and the edit menus, read Greek ("Εντάξει"), and long tooltips
// wrap at a readable width instead of running across the screen.
void SetUpApplication();
// Only the fonts that come with the library (SetUpApplication adds them
// too): for an application of the host's own.
void AddShippedFonts();
// A plain tooltip text too long for one line of a readable width as rich
// text that wraps at that width; a shorter one as it is.
QString ReadableTip(const QString& plain);

// Makes a top-level window of the library owned by the application window:
// on X11 it becomes transient for the host window. Call before showing it.
void AttachToApplicationWindow(QWidget* window);

// The modal error box with one OK button: its two lines, in UTF-8, separated
// by one carriage return. Without a display both lines go to stderr.
void ShowError(const std::string& line1, const std::string& line2);

// An information box with one OK button (UTF-8); without a display the text
// goes to stderr.
void ShowInformation(const std::string& caption, const std::string& text);

// A warning box with one OK button (UTF-8), for what is no error of the
// study; without a display caption and text go to stderr.
void ShowWarning(const std::string& caption, const std::string& text);

enum class TCursor { Default, Hourglass };
void SetScreenCursor(TCursor cursor);
TCursor ScreenCursor();

// Restores the default cursor when it goes out of scope.
class TCursorGuard {
 public:
  TCursorGuard() = default;
  ~TCursorGuard() { SetScreenCursor(TCursor::Default); }
  TCursorGuard(const TCursorGuard&) = delete;
  TCursorGuard& operator=(const TCursorGuard&) = delete;
};

}  // namespace platform
