#pragma once

class QWidget;

// Assistive technology's view of the windows that draw their controls.
namespace Accessibility {

// Makes Qt answer the main window and every dialog with CAccessibleHost, so
// their drawn controls are read and pressed like widgets. Once, after the
// QApplication exists (the program's start-up, the tests' set-up); again
// does nothing.
void Install();

// Tells assistive technology what changed in `window` since it last looked
// (a new month, a finished read, another page). Nothing when no one asked for
// the window's tree.
void Announce(QWidget* window);

// While held, `window` shows assistive technology none of its drawn controls:
// a job's worker owns the data they read. Releasing it tells what came back.
void Hold(QWidget* window, bool held);

} // namespace Accessibility
