#pragma once
// Where the program's windows go on the screen.

#include <QList>
#include <QRect>

class QWidget;

namespace brenvik {

/// Moves `window`, its frame included, to the centre of its screen's available area.
void centreOnScreen(QWidget& window);

/// Shrinks `window` (not below its minimum size) so that it fits its screen's available
/// area with its frame, taken as a title bar and thin borders while the window manager
/// has not framed it yet; a window already shown is moved wholly onto that area.
void fitOnScreen(QWidget& window);

/// Where a window whose frame is `frame` goes on `available`: at the top right where it
/// covers none of `keepClear`; otherwise in the free place (clear of them, within
/// `available`) nearest to the top right that holds it whole; where none does, in the
/// free place that holds the most of it, shrunk to that place but not below `smallest`
/// (when no place is that large, the largest one). The answer is the frame's rectangle.
QRect placeClear(const QRect& available, QSize frame, const QList<QRect>& keepClear, QSize smallest);

/// How far to move a window whose frame is `frame` (down or to the left) so that none
/// of its `areas` meets `corner` while the frame stays within `available`: the shortest
/// such move; none when none is needed or none exists.
QPoint shiftClearOf(const QRect& available, const QRect& frame, const QList<QRect>& areas,
                    const QRect& corner);

/// The frame a window not yet framed by the window manager will have: its own margins once
/// known, else a title bar and thin borders.
QSize frameMargins(const QWidget& window);

}  // namespace brenvik
