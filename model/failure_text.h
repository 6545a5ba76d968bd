#pragma once
// How a failure's message is shown to the user.

#include <string>

namespace brenvik {

/// The message with a full stop appended when its last character's code is above
/// that of "." (so "value" gets one, "value." and "value!" do not); an empty message
/// stays empty.
inline std::string withFullStop(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

}  // namespace brenvik
