#include "model/frame_inputs.h"

#include "model/number_text.h"

namespace brenvik {

namespace {
template <class Convert>
auto convertBox(InputBox box, Convert convert)
{
    try {
        return convert();
    } catch (const ConversionError& failure) {
        throw InputConversionError(box, failure);
    }
}
}  // namespace

TFrameInputs readFrameInputs(const InputTexts& texts, const SourcePositions& positions, char separator)
{
    TFrameInputs in;
    in.Q = toSingle(convertBox(InputBox::q, [&] { return textToReal(texts.q, separator); }));
    in.BatchSize = static_cast<std::uint8_t>(
        convertBox(InputBox::batchSize, [&] { return textToInteger(texts.batchSize); }));
    in.Threshold =
        toSingle(convertBox(InputBox::threshold, [&] { return textToReal(texts.threshold, separator); }));
    in.T1X = static_cast<std::int8_t>(positions.t1x);
    in.T1Y = static_cast<std::int8_t>(positions.t1y);
    in.T2X = static_cast<std::int8_t>(positions.t2x);
    in.T2Y = static_cast<std::int8_t>(positions.t2y);
    return in;
}

}  // namespace brenvik
