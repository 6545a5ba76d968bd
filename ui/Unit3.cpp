#include "ui/Unit3.h"

namespace brenvik {

TForm3::TForm3(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("График!"));
}

} // namespace brenvik
