#include "ui/save_dialog/picture_preview.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QVBoxLayout>

namespace brenvik {

namespace {
constexpr QSize kPaneSize(180, 150);
// A picture file larger than this is not read just to preview it.
constexpr qint64 kMaxPreviewBytes = 64 * 1024 * 1024;
}  // namespace

PicturePreview::PicturePreview(QWidget* parent)
    : QFrame(parent), m_view(new QLabel(this)), m_size(new QLabel(this))
{
    setObjectName(QStringLiteral("picturePreview"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(kPaneSize);
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setMinimumSize(1, 1);
    m_view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_size->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_size);
}

void PicturePreview::showFile(const QString& path)
{
    m_picture = QImage();
    const QFileInfo info(path);
    // Kernel files report no size and may block when read: only real, non-empty files.
    if (info.isFile() && info.size() > 0 && info.size() <= kMaxPreviewBytes) {
        QImageReader reader(path);
        m_picture = reader.read();
    }
    m_size->setText(sizeText());
    fitPicture();
}

QString PicturePreview::sizeText() const
{
    if (m_picture.isNull())
        return {};
    return QStringLiteral("%1 × %2").arg(m_picture.width()).arg(m_picture.height());
}

void PicturePreview::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitPicture();
}

void PicturePreview::fitPicture()
{
    if (m_picture.isNull()) {
        m_view->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(m_picture);
    const QSize room = m_view->size();
    if (pixmap.width() > room.width() || pixmap.height() > room.height())
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_view->setPixmap(pixmap);
}

PicturePreview* addPicturePreview(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return nullptr;  // a dialog of the platform's own, which has its own panes
    auto* preview = new PicturePreview(&dialog);
    // Beside the folder view, which stands in the grid's second row.
    grid->addWidget(preview, 1, grid->columnCount(), 1, 1);
    dialog.resize(dialog.width() + kPaneSize.width(), dialog.height());  // the list keeps its room
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::showFile);
    // When a folder is listed, the file the dialog proposes there, if it exists.
    if (auto* files = dialog.findChild<QFileSystemModel*>()) {
        QObject::connect(files, &QFileSystemModel::directoryLoaded, preview,
                         [&dialog, preview] { preview->showFile(dialog.selectedFiles().value(0)); });
    }
    return preview;
}

}  // namespace brenvik
