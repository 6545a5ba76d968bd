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

ModelParameters readFrameInputs(const InputTexts& texts, const SourcePositions& positions, char separator)
{
    ModelParameters in;
    in.q = toSingle(convertBox(InputBox::q, [&] { return textToReal(texts.q, separator); }));
    in.batchSize = static_cast<std::uint8_t>(
        convertBox(InputBox::batchSize, [&] { return textToInteger(texts.batchSize); }));
    in.threshold =
        toSingle(convertBox(InputBox::threshold, [&] { return textToReal(texts.threshold, separator); }));
    in.t1x = static_cast<std::int8_t>(positions.t1x);
    in.t1y = static_cast<std::int8_t>(positions.t1y);
    in.t2x = static_cast<std::int8_t>(positions.t2x);
    in.t2y = static_cast<std::int8_t>(positions.t2y);
    return in;
}

}  // namespace brenvik
