#include "ui/fixed_window.h"

#include "ui/check_mark_style.h"

#include <QWidget>

namespace brenvik {

void setUpFixedWindow(QWidget& window, FixedFrame frame)
{
    Qt::WindowFlags flags =
        frame.kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (frame.minimiseButton)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    if (frame.staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    window.setWindowFlags(flags);
    window.setFixedSize(window.size());
    window.setAttribute(Qt::WA_AlwaysShowToolTips);
    useDarkCheckMarks(&window);
}

}  // namespace brenvik
