#pragma once
// The parameter sweep: Start locks the model's controls, shows the graph window with its
// axes and grid, and from then on every tick first sets the swept parameters from the step
// counter, advances the counter once per batch of trials and draws the next piece of the
// probability curve, until step 121 or Stop.

#include "ui/sweep_state.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace brenvik {

class DecimalSeparator;
class TForm3;
class TrialCounter;

/// The main window's controls the sweep reads and writes.
struct SweepControls {
    QCheckBox* CheckBox1 = nullptr;  ///< white noise
    QCheckBox* CheckBox2 = nullptr;  ///< sweep T2's position
    QCheckBox* CheckBox3 = nullptr;  ///< sweep the noise level
    QCheckBox* CheckBox4 = nullptr;  ///< sweep the threshold
    QSlider* TrackBar1 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QSlider* TrackBar3 = nullptr;
    QSlider* TrackBar4 = nullptr;
    QSlider* TrackBar5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QPushButton* Button1 = nullptr;

    /// The twelve controls a running sweep locks, in their order.
    std::array<QWidget*, 12> locked() const;
};

class SweepController {
public:
    SweepController(const SweepControls& controls, const TrialCounter& trials, const DecimalSeparator& separator);

    void setGraph(TForm3* graph) { m_graph = graph; }
    SweepState& state() { return m_state; }

    /// Start when no sweep runs, Stop otherwise.
    void Button1Click();
    void start();
    void stop();
    /// The sweep step at the beginning of a tick (only while a sweep runs).
    void step();

private:
    void lockControls(bool locked);
    void drawAxesAndGrid(int width);
    void plot();

    SweepControls m_c;
    const TrialCounter& m_trials;
    const DecimalSeparator& m_separator;
    TForm3* m_graph = nullptr;
    SweepState m_state;
};

} // namespace brenvik
