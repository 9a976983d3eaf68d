#pragma once

class QElapsedTimer;

namespace zem::gui {

class MainWindow;

// The options for scripts and benchmarks, run once the window is shown:
//   --quit-after-show     print "shown <ms>" (milliseconds since the start
//                         of main) on standard output and quit;
//   --screenshot-dir DIR  save a picture of each of the three pages into
//                         DIR (channel_setting.png, optional_features.png,
//                         key_assignment.png), and of the dialogs (about,
//                         password, power_setting, port, progress), and quit;
//   --dark-palette        show the window in a dark palette, as a desktop in
//                         a dark colour scheme would.
void RunStartupOptions(MainWindow& window, const QElapsedTimer& sinceStart);

// Keeps the window readable in a dark palette (Windows' dark mode, or
// --dark-palette): the native Windows style draws buttons, boxes and tabs
// light whatever the palette, so under a dark one the program takes the
// Fusion style, which draws them from the palette.
void FollowDarkPalette();

}  // namespace zem::gui
