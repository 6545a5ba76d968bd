#include "ui/save_file_dialog.h"

#include <QFileInfo>
#include <QMessageBox>

namespace brenvik {

SaveFileDialog::SaveFileDialog(QWidget* parent) : QFileDialog(parent)
{
    // Our own dialog, so that the warning can be parented to it while it is open.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void SaveFileDialog::accept()
{
    const QString name = selectedFiles().value(0);
    if (!name.isEmpty()) {
        const QDir folder = QFileInfo(name).absoluteDir();
        if (!folder.exists()) {
            // Parented to this open dialog: it shows above the dialog, and so above a window
            // that stays on top, rather than behind them.
            QMessageBox::warning(
                this, windowTitle(),
                tr("Папка «%1» не существует.").arg(QDir::toNativeSeparators(folder.path())));
            return;
        }
    }
    QFileDialog::accept();
}

std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, QAbstractFileIconProvider* icons,
                                                const QString& filter, const QString& suffix,
                                                const QString& proposed)
{
    auto dialog = std::make_unique<SaveFileDialog>(parent);
    dialog->setIconProvider(icons);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(suffix);
    dialog->selectFile(proposed);
    return dialog;
}

}  // namespace brenvik
