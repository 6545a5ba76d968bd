#pragma once
// The map's colour scale as Qt colours (ui/map/viridis_scale.h).

#include <QColor>

namespace brenvik {

/// viridisRgb(p) as a QColor.
QColor viridisColour(double p);

}  // namespace brenvik
