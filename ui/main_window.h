#pragma once
// The main window: the model's controls, the 35 ms frame timer that drives model and
// picture, and the small handlers of its buttons, boxes and sliders. The code reaches the
// controls by role (MainWindowControls); the form keeps its own names (TrackBar3, Edit4 …).

#include "model/batch_result.h"
#include "model/frame.h"
#include "model/frame_inputs.h"
#include "model/resolution_model.h"
#include "model/sweep_steps.h"
#include "ui/main_window_controls.h"
#include "ui/number_box_keys.h"
#include "ui/sweep_locked_controls.h"
#include "ui/sweep_state.h"

#include <QList>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QAction;

namespace brenvik {

class DecimalSeparator;
class FailureReport;
class SceneView;
class AboutBox;
class GraphWindow;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(FailureReport& report, DecimalSeparator& separator, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The windows created after this one, which the About button and the sweep show.
    void attachWindows(AboutBox* aboutBox, GraphWindow* graph);

    ResolutionModel& model() { return m_model; }
    /// The latest completed batch, which the probability box shows ("---" before the first).
    const std::optional<BatchResult>& lastBatch() const { return m_lastBatch; }
    SweepState& sweep() { return m_sweepState; }
    QTimer& frameTimer() { return m_frameTimer; }
    SceneView& view();
    const MainWindowControls& controls() const { return m_controls; }
    // What the window does on its events; each names the form's handler it stands for.
    /// The first frame, once the window system is known to give the 3-D view a usable
    /// context (Program::start); the constructor only builds the window. (FormCreate)
    void drawFirstFrame();
    /// A new frame for the window's new size. (FormResize)
    void redrawForNewSize();
    /// The window closed: no frame is drawn any more. (FormClose)
    void stopFrames();
    /// One tick of the frame timer: the sweep's step while it runs, then the frame. (Timer1Timer)
    void tick();
    /// Shows the About box, not modal, in front. (SpeedButton1Click)
    void showAbout();
    /// The noise was switched on or off: its level slider follows. (CheckBox1Click)
    void noiseSwitched();
    /// Closes the window, which ends the program. (BitBtn1Click)
    void exitProgram();
    /// The start button: starts a sweep, or stops the one that runs. (Button1Click)
    void startOrStopSweep();

    // The sweep: startOrStopSweep starts or stops it; a tick begins with its step while it runs.
    void startSweep();
    void stopSweep();
    void sweepStep();

    /// The inputs the boxes and sliders hold now, as a frame would read them, for what the
    /// user asked for: a box that holds no number is reported as a frame reports it, even
    /// when that failure was reported before or the box has the focus, and there are none.
    std::optional<ModelParameters> currentParameters();
    /// The same without a report: none while a box holds no number (being typed, say).
    std::optional<ModelParameters> validParameters() const;
    /// Where the inputs are on the screen (frames of the panels that hold them), which
    /// another window should not cover.
    QList<QRect> inputAreas() const;

    /// "Карта вероятности…" (Ctrl+M), also in the 3-D view's context menu: asks for the
    /// probability map of the current inputs (probabilityMapRequested).
    QAction* probabilityMapAction() const { return m_probabilityMapAction; }
    /// The decimal separator the boxes are written with.
    char separator() const;

signals:
    /// The main window was closed: the program ends.
    void closed();
    /// A number box, T1, the noise or its level changed (by the user or by a sweep).
    void inputsChanged();
    void probabilityMapRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// One frame: reads the inputs (throws InputConversionError), evaluates the field,
    /// makes one trial and writes the probability at a batch end. (RenderFrame)
    void runFrame();
    /// The inputs as a frame reads them now; throws InputConversionError.
    ModelParameters readParameters() const;
    void reportInputFailure(const InputConversionError& failure);
    /// Runs one frame and presents it; a failure goes to the failure report.
    void frameAndPresent();
    void present();
    /// The twelve controls a running sweep locks, in their order.
    std::array<QWidget*, kSweepLockedControls.size()> sweepLockedControls() const;
    SweptParameters sweptParameters() const;

    MainWindowControls m_controls;
    FailureReport& m_report;
    DecimalSeparator& m_separator;
    NumberBoxKeys m_numberKeys;  ///< the key filter on the three number boxes
    AboutBox* m_aboutBox = nullptr;
    GraphWindow* m_graph = nullptr;
    QAction* m_probabilityMapAction = nullptr;

    QTimer m_frameTimer;
    ResolutionModel m_model;
    std::optional<BatchResult> m_lastBatch;
    SweepState m_sweepState;
    QSize m_frameSize;  ///< the size the last resize handled
    bool m_closed = false;
};

}  // namespace brenvik
