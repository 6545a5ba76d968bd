#include "ui/number_key_filter.h"

namespace brenvik {

void filterNumberKey(const QString& text, char16_t& key, QChar separator)
{
    if (key == kBackspace || (key >= u'0' && key <= u'9'))
        return;
    if (key == u',' || key == u'.') {
        key = text.contains(separator) ? kCancelledKey : separator.unicode();
        return;
    }
    key = kCancelledKey;
}

}  // namespace brenvik
