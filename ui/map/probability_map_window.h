#pragma once
// The probability map window, opened from the main window or the graph window: the exact
// probability of resolution over T2's steps against the noise level or the threshold,
// for the main window's other inputs, with its 0.5 and 0.9 contours, the value under
// the mouse, the last position sweep's path, and saving as PNG and CSV. The map is
// computed on another thread; the window shows the progress meanwhile. It follows the
// main window's inputs while it is open, and the path of a sweep as it is plotted.

#include "model/probability_map.h"
#include "ui/map/map_computation.h"
#include "ui/save_dialog/plain_file_icons.h"
#include "ui/save_dialog/save_file_dialog.h"
#include "ui/sweep_points.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QFileDialog;
class QLabel;
class QProgressBar;
class QToolButton;

namespace brenvik {

class FailureReport;
class ProbabilityMapView;

class ProbabilityMapWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProbabilityMapWindow(FailureReport& report, QWidget* parent = nullptr);
    ~ProbabilityMapWindow() override;

    /// Shows the window for these inputs (T2's position aside), numbers written with
    /// `separator`, and computes the map anew. `sweep` are the last sweep's points: where
    /// they moved T2 with the map's other inputs, their path is drawn on the map. The first
    /// time, the window opens on its screen's free area, no larger than that.
    void showFor(const ModelParameters& parameters, char separator, const std::vector<SweepPoint>& sweep);
    /// The inputs changed: a moment after the last of a quick series of changes, the map is
    /// computed anew if they differ from its own in what it shows (not T2, nor the level
    /// its rows vary). The GUI thread never waits for a computation.
    void follow(const ModelParameters& parameters, char separator);
    /// The sweep's points as it plots them: its path on the map grows with them.
    void setSweep(const std::vector<SweepPoint>& sweep);
    /// What the rows vary; a change computes the map anew.
    void setAxis(MapAxis axis);
    MapAxis axis() const;
    bool computing() const { return m_computation.running(); }

    ProbabilityMapView& view() { return *m_view; }
    QComboBox& axisBox() { return *m_axisBox; }
    QProgressBar& progressBar() { return *m_progress; }
    QLabel& readOut() { return *m_readOut; }
    QLabel& inputsLabel() { return *m_inputs; }
    /// What the tool warns of these inputs (a width of 0 …); hidden when nothing.
    QLabel& warningLabel() { return *m_warning; }
    /// How long follow() waits for the changes to stop.
    static constexpr int kFollowDelayMs = 250;
    QToolButton& savePictureButton() { return *m_savePicture; }
    QToolButton& saveDataButton() { return *m_saveData; }

    /// Tests answer the save dialogs for the user; the window runs them modally.
    void setFileNameAsker(FileNameAsker asker) { m_askFileName = std::move(asker); }
    std::unique_ptr<QFileDialog> makeSavePictureDialog();
    std::unique_ptr<QFileDialog> makeSaveDataDialog();

    /// The map as shown, axes and legend included, under the line of its inputs.
    QImage picture();
    void savePicture();
    void saveData();

signals:
    /// A map has been computed and is shown.
    void mapShown();

private:
    void compute();
    void applyFollowed();
    void showWarnings();
    void showMap(const ProbabilityMap& map);
    void showProgress();
    void showReadOut(int step, int level);
    QString number(double value, int decimals) const;
    QString levelText(int level) const;

    FailureReport& m_report;
    ProbabilityMapView* m_view;
    QComboBox* m_axisBox;
    QProgressBar* m_progress;
    QLabel* m_readOut;
    QLabel* m_inputs;
    QLabel* m_warning;
    QToolButton* m_savePicture;
    QToolButton* m_saveData;

    MapGrid m_grid;
    std::vector<SweepPoint> m_sweep;
    char m_separator = '.';
    MapComputation m_computation;
    QTimer m_progressTimer;
    QTimer m_followTimer;
    std::optional<ModelParameters> m_followed;  ///< the latest inputs, waiting for the timer
    bool m_placed = false;                      ///< sized and placed for its screen once
    FileNameAsker m_askFileName;
    PlainFileIcons m_fileIcons;  ///< outlives the dialogs, whose file lists use it
    QString m_lastPictureName = QStringLiteral("Map.png");
    QString m_lastDataName = QStringLiteral("Map.csv");
};

}  // namespace brenvik
