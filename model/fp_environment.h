#pragma once
// The floating-point environment the model is defined in: every exception masked,
// 64-bit significand on the x87 unit, round to nearest. A division by zero or an
// invalid operation then yields an infinity or a NaN and never traps.

#include <cstdint>

namespace brenvik {

/// x87 control word in force for the whole run: all six exceptions masked,
/// extended precision, round to nearest.
inline constexpr std::uint16_t kX87ControlWord = 0x037F;
/// SSE control/status word: all exceptions masked, round to nearest, no flush to zero.
inline constexpr std::uint32_t kMxcsr = 0x1F80;

/// Put both floating-point units into the model's environment. Call once at start-up,
/// before any model arithmetic; harmless to call again.
void setModelFloatingPointEnvironment();

#if defined(__x86_64__)
std::uint16_t currentX87ControlWord();
std::uint32_t currentMxcsr();
#endif

}  // namespace brenvik
