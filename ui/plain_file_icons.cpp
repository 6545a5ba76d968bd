#include "ui/plain_file_icons.h"

#include <QMimeDatabase>

namespace brenvik {

namespace {
QMimeType mimeTypeByName(const QFileInfo& info)
{
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}
} // namespace

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
    if (!info.isFile())
        return QFileIconProvider::type(info);  // folders, drives and links: from the kind alone
    const QMimeType mime = mimeTypeByName(info);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

} // namespace brenvik
