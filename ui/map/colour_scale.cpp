#include "ui/map/colour_scale.h"

#include "ui/map/viridis_scale.h"

namespace brenvik {

QColor viridisColour(double p)
{
    const Rgb c = viridisRgb(p);
    return QColor(c.red, c.green, c.blue);
}

}  // namespace brenvik
