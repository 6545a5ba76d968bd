#include "ui/save_dialog/file_size_column.h"

#include <QFileSystemModel>
#include <QLocale>

#include <array>

namespace brenvik {

QString fileSizeText(qint64 bytes, const QLocale& locale)
{
    static constexpr std::array kUnits{QT_TRANSLATE_NOOP("brenvik::FileSizeColumn", "байт"),
                                       QT_TRANSLATE_NOOP("brenvik::FileSizeColumn", "КиБ"),
                                       QT_TRANSLATE_NOOP("brenvik::FileSizeColumn", "МиБ"),
                                       QT_TRANSLATE_NOOP("brenvik::FileSizeColumn", "ГиБ"),
                                       QT_TRANSLATE_NOOP("brenvik::FileSizeColumn", "ТиБ"),
                                       QT_TRANSLATE_NOOP("brenvik::FileSizeColumn", "ПиБ")};
    std::size_t power = 0;
    double value = static_cast<double>(bytes);
    while (value >= 1024 && power + 1 < kUnits.size()) {
        value /= 1024;
        ++power;
    }
    const QString number = power == 0 ? locale.toString(bytes) : locale.toString(value, 'f', 2);
    return number + QLatin1Char(' ') + FileSizeColumn::tr(kUnits[power]);
}

QString FileSizeColumn::text(const QModelIndex& index) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(index.model());
    if (!files || files->isDir(index))
        return index.data().toString();
    return fileSizeText(files->size(index), QLocale());
}

void FileSizeColumn::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = text(index);
}

}  // namespace brenvik
