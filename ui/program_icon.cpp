#include "ui/program_icon.h"

#include <QDir>

namespace brenvik {

QIcon programIcon()
{
    const QDir icons(QStringLiteral(":/brenvik/icons"));
    QIcon icon;
    // Without a size given, QIcon reads each file's own.
    for (const QString& name : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(name));
    return icon;
}

}  // namespace brenvik
