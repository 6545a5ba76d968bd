#pragma once
// Shared by the programs in bench/ that drive the real windows.

#include "ui/application.h"

#include <QLineEdit>
#include <QMessageBox>

namespace brenvik::bench {

/// The initial threshold "0,27" written with the locale's separator, so that every frame
/// converts whatever the locale, and the report of the first frame (if any) closed.
inline void useThresholdOfTheLocale(Program& program)
{
    program.mainWindow.findChild<QLineEdit*>(QStringLiteral("Edit3"))
        ->setText(QStringLiteral("0") + QChar(program.separator.value()) + QStringLiteral("27"));
    if (QMessageBox* box = program.report.openBox())
        box->close();
}

}  // namespace brenvik::bench
