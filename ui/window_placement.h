#pragma once
// Where the program's windows go on the screen.

class QWidget;

namespace brenvik {

/// Moves `window`, its frame included, to the centre of its screen's available area.
void centreOnScreen(QWidget& window);

}  // namespace brenvik
