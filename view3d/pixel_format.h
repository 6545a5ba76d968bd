#pragma once
// Whether the rendering context the window system gave us can show the 3-D view: a
// double-buffered RGBA surface with at least a 16-bit depth buffer.

#include <QString>
#include <QSurfaceFormat>

namespace brenvik {

/// The caption and texts of the pixel-format errors, in the interface language.
QString pixelFormatCaption();
QString noPixelFormatText();
QString pixelFormatNotSetText();

/// The format every window asks for: compatibility profile (fixed-function drawing),
/// double buffering, RGB, a 16-bit depth buffer. Set before any window is created.
QSurfaceFormat requestedSurfaceFormat();

/// The message to show, or an empty text when the context will do: no context at all
/// means no format could be chosen; one without colour or depth cannot be used.
QString pixelFormatProblem(bool contextCreated, const QSurfaceFormat& obtained);

/// Asks the window system for a context of the default format on an off-screen surface,
/// as the view will: the message for what it refuses, or an empty text.
QString probeRenderingContext();

} // namespace brenvik
