#pragma once
// Reading a frame's inputs from the texts of the three number boxes and the positions
// of the four source sliders, in the order a frame reads them.

#include "model/frame.h"
#include "model/number_text.h"

#include <cstdint>
#include <string_view>

namespace brenvik {

struct InputTexts {
    std::string_view q;          ///< "Q:"
    std::string_view batchSize;  ///< "Кол-во тестов:"
    std::string_view threshold;  ///< "Порог:"
};

struct SourcePositions {
    std::int32_t t1x = 0, t1y = 0, t2x = 0, t2y = 0;
};

/// The box whose text a frame could not convert.
enum class InputBox { q, batchSize, threshold };

class InputConversionError : public ConversionError {
public:
    InputConversionError(InputBox box, const ConversionError& failure) : ConversionError(failure), m_box(box)
    {
    }
    InputBox box() const { return m_box; }

private:
    InputBox m_box;
};

/// Q, then the batch size, then the threshold are converted (the first failure throws
/// InputConversionError naming that box, with the whole text of that box); Q and the threshold are rounded to
/// single, the batch size keeps its low 8 bits, each position its low 8 bits as signed.
/// The noise has no text: it is left off.
ModelParameters readFrameInputs(const InputTexts& texts, const SourcePositions& positions, char separator);

}  // namespace brenvik
