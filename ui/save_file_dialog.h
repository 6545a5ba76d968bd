#pragma once
// The file dialog for saving: a name in a folder that does not exist is refused while the
// dialog is still open, with a warning in front of it, and the user chooses again.

#include <QFileDialog>

namespace brenvik {

class SaveFileDialog final : public QFileDialog {
    Q_OBJECT
public:
    explicit SaveFileDialog(QWidget* parent = nullptr);

public slots:
    void accept() override;
};

}  // namespace brenvik
