#include "model/frame_inputs.h"

#include "model/number_text.h"

namespace brenvik {

TFrameInputs readFrameInputs(const InputTexts& texts, const SourcePositions& positions,
                             char separator)
{
    TFrameInputs in;
    in.Q = toSingle(textToReal(texts.q, separator));
    in.BatchSize = static_cast<std::uint8_t>(textToInteger(texts.batchSize));
    in.Threshold = toSingle(textToReal(texts.threshold, separator));
    in.T1X = static_cast<std::int8_t>(positions.t1x);
    in.T1Y = static_cast<std::int8_t>(positions.t1y);
    in.T2X = static_cast<std::int8_t>(positions.t2x);
    in.T2Y = static_cast<std::int8_t>(positions.t2y);
    return in;
}

} // namespace brenvik
