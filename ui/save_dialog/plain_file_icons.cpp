#include "ui/save_dialog/plain_file_icons.h"

#include <QCoreApplication>
#include <QMimeDatabase>

namespace brenvik {

namespace {
QMimeType mimeTypeByName(const QFileInfo& info)
{
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}
}  // namespace

PlainFileIcons::PlainFileIcons()
{
    setOptions(DontUseCustomDirectoryIcons);  // those are read from a file in the folder
}

QIcon PlainFileIcons::icon(const QFileInfo& info) const
{
    if (info.isRoot())
        return icon(Drive);
    if (info.isDir())
        return icon(Folder);
    return QIcon::fromTheme(mimeTypeByName(info).iconName(), icon(File));
}

QString PlainFileIcons::type(const QFileInfo& info) const
{
    if (!info.isFile()) {
        // From the kind alone, in the interface's language: Qt's own names of these kinds
        // have no Russian.
        const char* kind = info.isRoot()      ? QT_TRANSLATE_NOOP("brenvik::PlainFileIcons", "Диск")
                           : info.isDir()     ? QT_TRANSLATE_NOOP("brenvik::PlainFileIcons", "Папка")
                           : info.isSymLink() ? QT_TRANSLATE_NOOP("brenvik::PlainFileIcons", "Ярлык")
                                              : QT_TRANSLATE_NOOP("brenvik::PlainFileIcons", "Неизвестно");
        return QCoreApplication::translate("brenvik::PlainFileIcons", kind);
    }
    const QMimeType mime = mimeTypeByName(info);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

}  // namespace brenvik
