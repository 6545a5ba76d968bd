#pragma once
// The Size column of the save dialogs' file list: the size in the interface's language.
// Qt writes the binary units in English ("KiB") whatever the language.

#include <QStyledItemDelegate>

class QLocale;

namespace brenvik {

/// `bytes` as the file list shows it: bytes below 1 KiB, else KiB, MiB … with two
/// decimals, the number in `locale`'s format and the unit in the interface's language.
QString fileSizeText(qint64 bytes, const QLocale& locale);

class FileSizeColumn final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// What the column shows for `index` of a file system model: empty for a folder.
    QString text(const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace brenvik
