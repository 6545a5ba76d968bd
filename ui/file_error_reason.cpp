#include "ui/file_error_reason.h"

#include <QCoreApplication>

#include <cerrno>

namespace brenvik {

QString fileErrorReason(int errorNumber)
{
    const auto text = [](const char* sentence) { return QCoreApplication::translate("FileError", sentence); };
    switch (errorNumber) {
    case 0:
        return text("Система не назвала причину.");
    case ENOENT:
        return text("Нет такого файла или папки.");
    case EACCES:
    case EPERM:
        return text("Нет прав на запись в эту папку.");
    case EROFS:
        return text("Папка доступна только для чтения.");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return text("На диске не осталось места.");
    case ENOTDIR:
        return text("Часть пути — не папка.");
    case EISDIR:
        return text("Это имя папки, а не файла.");
    case ENAMETOOLONG:
        return text("Имя файла слишком длинное.");
    case EIO:
        return text("Ошибка ввода-вывода на диске.");
    default:
        return QCoreApplication::translate("FileError", "Ошибка системы номер %1.").arg(errorNumber);
    }
}

}  // namespace brenvik
