#include "model/fp_environment.h"

#include <cfenv>

namespace brenvik {

#if defined(__x86_64__)

void setModelFloatingPointEnvironment()
{
    std::uint16_t cw = kX87ControlWord;
    std::uint32_t mxcsr = kMxcsr;
    asm volatile("fldcw %0" : : "m"(cw));
    asm volatile("ldmxcsr %0" : : "m"(mxcsr));
}

std::uint16_t currentX87ControlWord()
{
    std::uint16_t cw = 0;
    asm volatile("fnstcw %0" : "=m"(cw));
    return cw;
}

std::uint32_t currentMxcsr()
{
    std::uint32_t mxcsr = 0;
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
    // Only the control bits matter; the low six are sticky status flags.
    return mxcsr & ~0x3Fu;
}

#else

// Elsewhere the extended arithmetic is in software and the hardware's exceptions are
// masked from the start (arm64, WebAssembly); only the rounding direction can differ.
void setModelFloatingPointEnvironment() { std::fesetround(FE_TONEAREST); }

#endif

}  // namespace brenvik
