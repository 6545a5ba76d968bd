#pragma once
// The file dialog for saving: a name in a folder that does not exist is refused while the
// dialog is still open, with a warning in front of it, and the user chooses again.

#include <QFileDialog>

#include <memory>

class QAbstractFileIconProvider;

namespace brenvik {

class SaveFileDialog final : public QFileDialog {
    Q_OBJECT
public:
    explicit SaveFileDialog(QWidget* parent = nullptr);

public slots:
    void accept() override;
};

/// A save dialog listing files with `icons`, with one filter, `suffix` appended to a
/// name typed without one, and `proposed` as the name offered.
std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, QAbstractFileIconProvider* icons,
                                                const QString& filter, const QString& suffix,
                                                const QString& proposed);

}  // namespace brenvik
