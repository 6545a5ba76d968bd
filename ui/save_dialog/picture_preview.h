#pragma once
// The picture-preview pane of a save-picture dialog: the picture selected in the file list,
// shrunk to fit where it is larger than the pane, with its size in pixels under it.

#include <QFrame>
#include <QImage>

class QFileDialog;
class QLabel;

namespace brenvik {

class PicturePreview : public QFrame {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget* parent = nullptr);

    /// Shows the picture in `path`, or nothing when it is no readable picture.
    void showFile(const QString& path);
    /// The picture shown, at its own size; null when none is.
    const QImage& picture() const { return m_picture; }
    QString sizeText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPicture();

    QLabel* m_view;
    QLabel* m_size;
    QImage m_picture;
};

/// Puts a preview pane beside the file list of `dialog` (a dialog of Qt's own widgets),
/// following the file that is current in the list; a folder just listed shows the file
/// proposed there.
PicturePreview* addPicturePreview(QFileDialog& dialog);

}  // namespace brenvik
