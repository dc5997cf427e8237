// The Qt plug-ins a self-contained WinFlox03RDll.dll carries inside it: with
// Qt linked statically, the library finds its platform (windows) and its
// style (windowsvista) only when they are imported here. Compiled only into
// the Windows build against a static Qt.
#include <QtPlugin>

Q_IMPORT_PLUGIN(QWindowsIntegrationPlugin)
Q_IMPORT_PLUGIN(QWindowsVistaStylePlugin)
