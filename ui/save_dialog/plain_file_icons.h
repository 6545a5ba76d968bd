#pragma once
// Icons and type names for the file dialogs' lists, decided from the names alone. Qt's own
// provider reads a file whose name says nothing to guess its type, on the GUI thread; a
// kernel file such as /proc/kmsg then blocks the read, and with it the frame timer.

#include <QFileIconProvider>

namespace brenvik {

class PlainFileIcons final : public QFileIconProvider {
public:
    PlainFileIcons();

    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

}  // namespace brenvik
