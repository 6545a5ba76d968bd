#pragma once
// What the 3-D view asks of the window system's OpenGL, and whether the context it gave
// can show the view: desktop OpenGL with fixed-function drawing, colour and at least a
// 16-bit depth buffer.

#include <QString>
#include <QSurfaceFormat>

namespace brenvik {

/// The caption and texts of the pixel-format errors, in the interface language.
QString pixelFormatCaption();
QString noPixelFormatText();
QString pixelFormatNotSetText();

/// The format the 3-D view asks for: desktop OpenGL in the compatibility profile
/// (fixed-function drawing), double buffering, RGB with 5 bits a channel and no alpha, a
/// 16-bit depth buffer and no stencil. The view's alone: as every window's default it
/// would ask X11 for a 15-bit visual for each tooltip, menu and dialog, which a 24-bit
/// screen lacks (Qt then warns on the terminal every time). The window system may give
/// more bits than asked.
QSurfaceFormat requestedSurfaceFormat();

/// The message to show, or an empty text when the context will do: no context at all
/// means no format could be chosen; one without a red, green and blue channel, with less
/// than 16 depth bits, or that is OpenGL ES or a core profile (no fixed-function drawing)
/// cannot be used. Buffering is not checked: the view draws into the widget's own
/// framebuffer, single-buffered or not.
QString pixelFormatProblem(bool contextCreated, const QSurfaceFormat& obtained);

/// Asks the window system for a context of the requested format on an off-screen surface,
/// as the view will: the message for what it refuses, or an empty text.
QString probeRenderingContext();

}  // namespace brenvik
