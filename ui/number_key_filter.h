#pragma once
// What a number box does with a typed character: digits and backspace pass, a comma or
// a full stop becomes the decimal separator unless the box's whole text already holds
// one, and everything else typed, control characters included, is cancelled. Keys that
// type nothing (Delete, arrows, Home/End, Tab, Shift+Insert) never reach the filter.

#include <QChar>
#include <QString>

namespace brenvik {

inline constexpr char16_t kCancelledKey = 0;
inline constexpr char16_t kBackspace = 8;

/// Decide on `key`, typed into a box whose current text is `text`: leave it, replace it
/// by the separator, or set it to kCancelledKey.
void filterNumberKey(const QString& text, char16_t& key, QChar separator);

}  // namespace brenvik
