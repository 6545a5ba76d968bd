#pragma once
// What the program's three fixed windows (the main window, the About box and the graph
// window) share when they are built: their frame, a size the user cannot change, hints
// that show over an inactive window, and dark check marks.

#include <Qt>

class QWidget;

namespace brenvik {

/// The frame of a fixed window: a title bar with a close button, and what this adds.
struct FixedFrame {
    Qt::WindowType kind = Qt::Window;  ///< Qt::Window or Qt::Dialog
    bool minimiseButton = false;       ///< with the system menu
    bool staysOnTop = false;
};

/// Gives `window` the frame, fixes it at the size its form gives it, shows its hints on
/// hover although another window of the program is the active one, and gives its check
/// boxes dark check marks (useDarkCheckMarks).
void setUpFixedWindow(QWidget& window, FixedFrame frame);

}  // namespace brenvik
