#include "ui/runtime_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brenvik {

namespace {

QByteArray userName()
{
    if (const passwd* user = getpwuid(geteuid()))
        return QByteArray(user->pw_name);
    return QByteArray::number(geteuid());
}

/// A folder, not a link to one, that belongs to this user and to no one else.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat status {};
    return lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
           (status.st_mode & 0777) == 0700;
}

}  // namespace

void providePrivateRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + userName();
    // mkdir's mode is narrowed by the umask, never widened: 0700 or less, made exact here.
    if (mkdir(folder.constData(), 0700) == 0)
        chmod(folder.constData(), 0700);
    if (isPrivateFolder(folder)) {
        qputenv("XDG_RUNTIME_DIR", folder);
        return;
    }
    // Taken by someone else, or open to others: a fresh one, private from the start.
    QByteArray fresh = folder + "-XXXXXX";
    if (mkdtemp(fresh.data()))
        qputenv("XDG_RUNTIME_DIR", fresh);
}

}  // namespace brenvik
