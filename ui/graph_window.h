#pragma once
// The graph window that a sweep draws its probability curve on. The picture lives in an
// off-screen canvas and is painted from it whenever the window is exposed.

#include "model/expected_probability.h"
#include "ui/graph_canvas.h"
#include "ui/save_dialog/plain_file_icons.h"
#include "ui/save_dialog/save_file_dialog.h"
#include "ui/sweep_points.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <cstdint>

#include <functional>
#include <memory>

class QAction;
class QFileDialog;
class QToolButton;

namespace brenvik {

class FailureReport;

class GraphWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphWindow(FailureReport& report, QWidget* parent = nullptr);
    ~GraphWindow() override;

    /// What the window must not cover, on the screen (the main window's inputs): it goes
    /// elsewhere, or shrinks, when its corner would cover them.
    void setKeepClear(std::function<QList<QRect>()> areas) { m_keepClear = std::move(areas); }

    /// Where the window's frame is at the top right of the desktop at the form's size (the
    /// frame's margins estimated until the window manager has framed it).
    QRect cornerFrame() const;

    /// Shows the window at the top right of the desktop the first time it is called and
    /// waits, briefly and taking no user input (timer ticks do run), until the window system
    /// has framed it: only then is the outer size, frame and title bar included, known.
    /// Later calls do nothing.
    void showFramed();

    const GraphCanvas& canvas() const { return m_canvas; }

    /// The Start of a sweep: the window goes to the top right of the desktop and is
    /// shown, and the picture is cleared to empty axes and grid on the window's outer size,
    /// which is the client size until showFramed has run.
    void startGraph();
    /// The curve goes on to the point of `step` at the level of `batch`, which is kept for
    /// the data export.
    void plot(int step, const BatchResult& batch);
    /// y of the horizontal axis, from the window's outer height at the last Start.
    std::int32_t graphBaseY() const { return m_graphBaseY; }
    /// Points plotted since the last Start, for the data export.
    const std::vector<SweepPoint>& points() const { return m_points; }

    /// The context menu's check item "Ожидаемая вероятность", off at start: while it is
    /// on, the window shows the plotted points' expected shares over the picture, as a
    /// dotted yellow curve on the same scale. The picture itself is never drawn on.
    QAction* expectedCurveAction() const { return m_expectedCurveAction; }

    /// The context menu's item "Карта вероятности…": asks for the map of the main
    /// window's current inputs (probabilityMapRequested), which the program opens with
    /// the points plotted since the Start.
    QAction* probabilityMapAction() const { return m_probabilityMapAction; }

    /// Tests answer the save dialogs for the user; the program runs them modally.
    void setFileNameAsker(FileNameAsker asker) { m_askFileName = std::move(asker); }

    /// The screenshot's dialog, as it is shown: "BMP-хи (*.bmp)", ".bmp" appended to a
    /// name without extension, the last name used proposed.
    std::unique_ptr<QFileDialog> makeSavePictureDialog();
    std::unique_ptr<QFileDialog> makeSaveDataDialog();
    QString lastPictureName() const { return m_lastPictureName; }

    /// The screenshot button: saves the client area as a BMP file where the user says.
    /// (SpeedButton1Click)
    void savePicture();
    /// The context menu's "Сохранить данные (CSV)…": the points plotted since the Start.
    void saveData();

    /// The client area as it shows now, button panel included, at the top left of a white
    /// picture of the window's outer size.
    QImage screenshot();

signals:
    void probabilityMapRequested();
    /// The points since the Start changed: one was plotted, or a Start cleared them.
    void pointsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    /// The form's controls by role.
    struct Controls {
        /// Builds the form (graph_window.ui) on `window`; the one place that names its controls.
        static Controls setUp(GraphWindow& window);

        QToolButton* savePictureButton;
        QToolButton* closeButton;
    };

    /// Puts the window's outer corner, frame included, at the top right of the desktop,
    /// where it fits and covers nothing to keep clear; otherwise where placeClear says,
    /// shrunk if need be (the picture is then shown scaled down).
    void moveToTopRight();

    const Controls m_controls;
    const QSize m_fullSize;  ///< the form's size, which the picture is drawn for
    std::function<QList<QRect>()> m_keepClear;
    int m_buttonsRightMargin = 0;  ///< the button panel's distance from the right edge
    FailureReport& m_report;
    GraphCanvas m_canvas;
    std::int32_t m_graphBaseY = 0;
    std::vector<SweepPoint> m_points;
    ExpectedProbability m_expected;
    QAction* m_expectedCurveAction = nullptr;
    QAction* m_probabilityMapAction = nullptr;
    FileNameAsker m_askFileName;
    PlainFileIcons m_fileIcons;  ///< outlives the dialogs, whose file lists use it
    bool m_framed = false;       ///< shown once: the frame's size is known
    QString m_lastPictureName = QStringLiteral("ScrShot.bmp");
    QString m_lastDataName = QStringLiteral("Sweep.csv");
};

}  // namespace brenvik
