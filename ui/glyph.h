#pragma once

#include <QIcon>
#include <QString>

namespace brenvik {

/// A button glyph from a picture whose bottom-left pixel's colour is drawn transparent,
/// as glyph buttons do.
QIcon glyphIcon(const QString& resource);

}  // namespace brenvik
