#pragma once
// The file dialog for saving: a name in a folder that does not exist is refused while the
// dialog is still open, with a warning in front of it, and the user chooses again. It
// opens no larger than the screen it opens on, with the file list's columns and the side
// bar wide enough for what they show. Saving with it: asking for the name, then writing.

#include <QFileDialog>

#include <functional>
#include <memory>

class QAbstractFileIconProvider;

namespace brenvik {

class FailureReport;

class SaveFileDialog final : public QFileDialog {
    Q_OBJECT
public:
    explicit SaveFileDialog(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

public slots:
    void accept() override;

private:
    /// Shrinks the dialog to the available area of the screen it opens on.
    void fitScreen();
    /// The Size, Type and Date columns and the side bar as wide as their texts, until the
    /// user resizes a column.
    void fitColumns();

    bool m_columnsSetByUser = false;
    bool m_fittingColumns = false;
};

/// A save dialog listing files with `icons`, with one filter, `suffix` appended to a
/// name typed without one, and `proposed` as the name offered.
std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, QAbstractFileIconProvider* icons,
                                                const QString& filter, const QString& suffix,
                                                const QString& proposed);

/// Asks for a file name with the dialog; an empty text when cancelled.
using FileNameAsker = std::function<QString(QFileDialog& dialog)>;

/// Asks for a name with `dialog`, through `ask` where it is set and modally otherwise, and
/// writes `bytes` there at once; that name is then `lastName`, the one proposed next time.
/// Cancelled, nothing is written. A failure to write goes to `report`, in a box owned by
/// the dialog's parent, the window that saved.
void saveWithDialog(QFileDialog& dialog, const FileNameAsker& ask, QString& lastName, const QByteArray& bytes,
                    FailureReport& report);

}  // namespace brenvik
