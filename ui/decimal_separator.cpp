#include "ui/decimal_separator.h"

namespace brenvik {

char decimalSeparatorOf(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    if (point.size() != 1)
        return '.';
    const char16_t c = point.front().unicode();
    const bool usable = c > 0x20 && c < 0x7F && !(c >= '0' && c <= '9');
    return usable ? static_cast<char>(c) : '.';
}

}  // namespace brenvik
