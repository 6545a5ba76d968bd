#pragma once
// Check boxes whose captions are coloured by the forms' style sheets: the style sheet's text
// colour would also colour the check mark, white or yellow on the white box. This style draws
// the indicator with the palette's own text colour, so the mark is dark on the white box,
// while the caption keeps its colour.

#include <QProxyStyle>

class QWidget;

namespace brenvik {

class CheckMarkStyle : public QProxyStyle {
public:
    /// Draws as the application's style does, apart from the check mark.
    CheckMarkStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

/// Gives every check box of `window` the style above; the style lives as long as the window.
/// A window without check boxes is left as it is.
void useDarkCheckMarks(QWidget* window);

}  // namespace brenvik
