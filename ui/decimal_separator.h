#pragma once
// The decimal separator of the user's regional settings, used by every conversion
// between numbers and text in the program.

#include <QLocale>

namespace brenvik {

/// The locale's decimal separator as one character; "." where the locale's separator
/// is longer than one character or is not a plain ASCII character.
char decimalSeparatorOf(const QLocale& locale);

class DecimalSeparator {
public:
    DecimalSeparator() { readFromSystem(); }

    char value() const { return m_value; }

    /// Read it again from the system's regional settings (at start-up and when the
    /// system announces a change).
    void readFromSystem() { m_value = decimalSeparatorOf(QLocale::system()); }

private:
    char m_value = '.';
};

}  // namespace brenvik
