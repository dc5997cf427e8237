// Where a Qt application of ours shows its windows. Qt ends the process when
// the platform it was asked for cannot start (a display that cannot be
// opened), so an application of ours always asks for a list of platforms
// that ends with "offscreen": a display that cannot be opened then gives an
// application that draws but shows nothing, and the caller can tell.
#pragma once

#include <memory>
#include <string>

class QApplication;
class QString;

namespace platform {

// Whether windows on this Qt platform are seen by anyone: not the offscreen
// or the minimal one.
bool PlatformShowsWindows(const QString& platformName);

struct TStartedApplication {
  std::unique_ptr<QApplication> app;
  // The platform asked for first shows windows (what the user chose in
  // QT_QPA_PLATFORM, else the session's display), or there was no display
  // to ask for at all.
  bool wantedWindows = false;
  // Windows can be seen: wantedWindows and the platform started shows them.
  bool showsWindows = false;
  // Why not, when windows were wanted and cannot be seen: the first
  // complaint of Qt about the platforms that did not start, or that no
  // display is set.
  std::string why;
};

// Makes the process's QApplication under the given program name. Qt's
// complaints about platforms that did not start are kept in `why` rather
// than printed.
TStartedApplication StartApplication(const char* programName);

}  // namespace platform
