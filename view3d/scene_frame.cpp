#include "view3d/scene_frame.h"

namespace brenvik {

void SceneFrame::set(const ModelParameters& frameParameters, const FrameResult& result,
                     const SurfaceSamples& samples)
{
    parameters = frameParameters;
    cell = result.cell;
    float* v = surface.data();
    for (const TGridSample& s : samples) {
        *v++ = s.X;
        *v++ = surfaceHeight(s);
        *v++ = s.Y;
    }
}

}  // namespace brenvik
