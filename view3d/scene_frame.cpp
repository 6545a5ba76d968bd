#include "view3d/scene_frame.h"

namespace brenvik {

void SceneFrame::set(const TFrameInputs& inputs, const FrameResult& result, const SurfaceSamples& samples)
{
    T1X = inputs.T1X;
    T1Y = inputs.T1Y;
    T2X = inputs.T2X;
    T2Y = inputs.T2Y;
    cell = result.cell;
    float* v = surface.data();
    for (const TGridSample& s : samples) {
        *v++ = s.X;
        *v++ = surfaceHeight(s);
        *v++ = s.Y;
    }
}

}  // namespace brenvik
