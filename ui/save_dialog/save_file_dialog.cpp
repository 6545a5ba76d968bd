#include "ui/save_dialog/save_file_dialog.h"

#include "ui/bmp_file.h"
#include "ui/failure_report.h"
#include "ui/save_dialog/file_size_column.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace brenvik {

namespace {
// The window frame that the window manager adds around a dialog not yet shown: a title
// bar and thin borders.
constexpr QSize kFrameAllowance(16, 48);
constexpr int kSizeColumn = 1;
constexpr int kLastColumn = 3;
constexpr int kMinNameWidth = 120;
}  // namespace

SaveFileDialog::SaveFileDialog(QWidget* parent) : QFileDialog(parent)
{
    // Our own dialog, so that the warning can be parented to it while it is open.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);

    auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* files = findChild<QFileSystemModel*>();
    if (!details || !files)
        return;
    details->setItemDelegateForColumn(kSizeColumn, new FileSizeColumn(details));
    // Sizes and types arrive after the names, a few at a time: one fitting when they stop.
    auto* refit = new QTimer(this);
    refit->setSingleShot(true);
    refit->setInterval(50);
    connect(refit, &QTimer::timeout, this, &SaveFileDialog::fitColumns);
    const auto later = [refit] { refit->start(); };
    connect(files, &QFileSystemModel::directoryLoaded, refit, later);
    connect(files, &QAbstractItemModel::dataChanged, refit, later);
    connect(files, &QAbstractItemModel::rowsInserted, refit, later);
    connect(details->header(), &QHeaderView::sectionResized, this, [this] {
        if (!m_fittingColumns)
            m_columnsSetByUser = true;
    });
}

void SaveFileDialog::setVisible(bool visible)
{
    if (visible) {
        fitScreen();
        fitColumns();
    }
    QFileDialog::setVisible(visible);
}

void SaveFileDialog::fitScreen()
{
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* target = over ? over->screen() : screen();
    if (!target)
        return;
    const QSize frame = (frameGeometry().size() - size()).expandedTo(kFrameAllowance);
    const QSize room = target->availableGeometry().size() - frame;
    if (width() > room.width() || height() > room.height())
        resize(size().boundedTo(room).expandedTo(minimumSize()));
}

void SaveFileDialog::fitColumns()
{
    auto* details = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!details || m_columnsSetByUser)
        return;
    m_fittingColumns = true;
    QHeaderView* header = details->header();
    const QAbstractItemView& view = *details;  // where the widest text is public
    int others = 0;
    for (int column = kSizeColumn; column <= kLastColumn; ++column) {
        const int wanted = std::max(view.sizeHintForColumn(column), header->sectionSizeHint(column));
        header->resizeSection(column, wanted);
        others += wanted;
    }
    // The name takes the rest of the list's width.
    const int rest = details->viewport()->width() - others;
    header->resizeSection(0, std::max(rest, kMinNameWidth));
    m_fittingColumns = false;

    auto* sidebar = findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = findChild<QSplitter*>(QStringLiteral("splitter"));
    if (sidebar && splitter && splitter->count() == 2) {
        const int wanted = sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth() + 4;
        QList<int> sizes = splitter->sizes();
        if (sizes.value(0) < wanted && sizes.value(0) + sizes.value(1) > wanted) {
            sizes[1] -= wanted - sizes[0];
            sizes[0] = wanted;
            splitter->setSizes(sizes);
        }
    }
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

void saveWithDialog(QFileDialog& dialog, const FileNameAsker& ask, QString& lastName, const QByteArray& bytes,
                    FailureReport& report)
{
    QString name;
    if (ask)
        name = ask(dialog);
    else if (dialog.exec() == QDialog::Accepted)  // the dialog itself refuses a missing folder
        name = dialog.selectedFiles().value(0);
    if (name.isEmpty())
        return;  // cancelled: nothing is written
    lastName = name;
    try {
        writeFileAtomically(name, bytes);
    } catch (const FileError& failure) {
        // In front of the window that saved, which may stay on top of the others.
        report.reportFailure(QString::fromStdString(failure.what()), dialog.parentWidget());
    }
}

}  // namespace brenvik
