#include "ui/Unit2.h"

namespace brenvik {

TAboutBox::TAboutBox(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("О программе !"));
}

} // namespace brenvik
