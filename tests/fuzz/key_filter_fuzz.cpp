// Any sequence of typed characters and edits in a number box: the filter never lets a
// second decimal separator in, never lets the other mark in, and never crashes.
// The first byte picks the separator; then each byte pair is one action on the box.

#include "ui/number_key_filter.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

using namespace brenvik;

namespace {

/// A single-line edit box: text, caret and selection, edited as a line edit does.
struct Box {
    QString text;
    qsizetype caret = 0;
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;

    void removeSelection()
    {
        text.remove(selectionStart, selectionLength);
        caret = selectionStart;
        selectionLength = 0;
    }

    void type(char16_t key)
    {
        if (selectionLength > 0)
            removeSelection();
        text.insert(caret++, QChar(key));
    }

    void backspace()
    {
        if (selectionLength > 0)
            removeSelection();
        else if (caret > 0)
            text.remove(--caret, 1);
    }

    void deleteForward()
    {
        if (selectionLength > 0)
            removeSelection();
        else if (caret < text.size())
            text.remove(caret, 1);
    }
};

// Characters worth typing: digits, both marks, backspace, letters, signs, control codes.
constexpr char16_t kKeys[] = {u'0', u'5', u'9', u',', u'.', 8,  u'a', u'e', u'E', u'-', u'+', u' ',
                              3,    22,   24,   26,   13,   27, 9,    127,  u'ж', u'.', u',', 8};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar separator = data[0] & 1 ? QLatin1Char(',') : QLatin1Char('.');
    const QChar other = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    Box box;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const std::uint8_t action = data[i] % 6;
        const std::uint8_t argument = data[i + 1];
        switch (action) {
        case 0:
        case 1: {
            char16_t key = kKeys[argument % (sizeof kKeys / sizeof kKeys[0])];
            filterNumberKey(box.text, key, separator);
            if (key == kBackspace)
                box.backspace();
            else if (key != kCancelledKey)
                box.type(key);
            break;
        }
        case 2:
            box.deleteForward();
            break;
        case 3:
            box.caret = argument % (box.text.size() + 1);
            box.selectionLength = 0;
            break;
        case 4:
            box.selectionStart = 0;
            box.selectionLength = box.text.size();
            box.caret = box.text.size();
            break;
        case 5: {
            const qsizetype start = argument % (box.text.size() + 1);
            box.selectionStart = start;
            box.selectionLength = (argument / 7) % (box.text.size() - start + 1);
            box.caret = start + box.selectionLength;
            break;
        }
        }
        if (box.text.count(separator) > 1 || box.text.contains(other))
            std::abort();
        for (QChar c : box.text)
            if (!c.isDigit() && c != separator)
                std::abort();
    }
    return 0;
}
