#include "ui/sweep_controller.h"

#include "model/number_text.h"
#include "model/sweep_steps.h"
#include "model/trials.h"
#include "ui/Unit3.h"
#include "ui/decimal_separator.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>

#include <limits>

namespace brenvik {

namespace {
QString startCaption() { return QCoreApplication::translate("SweepController", "Старт!"); }
QString stopCaption() { return QCoreApplication::translate("SweepController", "Стоп"); }
constexpr int kLeft = 10;        // x of the vertical axis and of the curve's start
constexpr int kFullScale = 200;  // pixels for probability 1
} // namespace

std::array<QWidget*, 12> SweepControls::locked() const
{
    return {CheckBox1, CheckBox2, CheckBox3, TrackBar1, TrackBar2, TrackBar3,
            TrackBar4, TrackBar5, Edit1,     Edit2,     Edit3,     CheckBox4};
}

SweepController::SweepController(const SweepControls& controls, const TrialCounter& trials,
                                 const DecimalSeparator& separator)
    : m_c(controls), m_trials(trials), m_separator(separator)
{
}

void SweepController::Button1Click()
{
    if (m_state.SweepActive)
        stop();
    else
        start();
}

void SweepController::lockControls(bool locked)
{
    for (QWidget* control : m_c.locked())
        control->setEnabled(!locked);
}

void SweepController::start()
{
    lockControls(true);
    if (m_c.CheckBox3->isChecked())
        m_c.CheckBox1->setChecked(true);  // a noise sweep needs the noise on
    m_state.SweepStep = 0;
    m_c.Button1->setText(stopCaption());

    // The graph window goes to the top right corner of the whole desktop, with its frame.
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const auto topRight = [&](QSize outer) { return QPoint(desktop.x() + desktop.width() - outer.width(), desktop.y()); };
    m_graph->move(topRight(m_graph->frameGeometry().size()));  // where it shows first, if never before
    const QSize outer = m_graph->outerSize();
    m_graph->move(topRight(outer));
    m_state.GraphBaseY = outer.height() - 40;
    m_graph->show();  // a minimised window stays minimised
    m_graph->raise();

    m_graph->points().clear();
    drawAxesAndGrid(outer.width());
    m_state.SweepActive = true;
}

void SweepController::drawAxesAndGrid(int width)
{
    GraphCanvas& canvas = m_graph->canvas();
    const int base = m_state.GraphBaseY;
    const int right = width - 10;

    canvas.setBrushColor(Qt::black);
    canvas.fillRect(canvas.clipRect());

    canvas.setPenStyle(Qt::SolidLine);
    canvas.setPenColor(Qt::white);
    canvas.setPenWidth(3);
    canvas.moveTo({kLeft, 0});
    canvas.lineTo({kLeft, base});
    canvas.lineTo({right, base});
    const int dx = (width - 20) / 10;
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({kLeft + i * dx, base - 5});
        canvas.lineTo({kLeft + i * dx, base + 5});
    }
    const int dy = (base - 10) / 10;
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({5, base - i * dy});
        canvas.lineTo({15, base - i * dy});
    }

    canvas.setPenWidth(1);
    canvas.setPenStyle(Qt::DotLine);
    canvas.setPenColor(QColor(192, 192, 192));
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({kLeft + i * dx, base});
        canvas.lineTo({kLeft + i * dx, 0});
    }
    for (int i = 1; i <= 10; ++i) {
        canvas.moveTo({kLeft, base - i * dy});
        canvas.lineTo({right, base - i * dy});
    }

    canvas.moveTo({kLeft, base - kFullScale});  // where the curve begins: P = 1
    canvas.setPenStyle(Qt::SolidLine);
    canvas.setPenColor(QColor(0, 255, 0));
    m_graph->canvasChanged();
}

void SweepController::stop()
{
    m_state.SweepActive = false;
    lockControls(false);
    m_c.Button1->setText(startCaption());
}

void SweepController::step()
{
    const int s = m_state.SweepStep;
    if (m_c.CheckBox2->isChecked()) {
        // The sliders' change handlers write the read-outs.
        m_c.TrackBar3->setValue(sweepPosition(s));
        m_c.TrackBar4->setValue(sweepPosition(s));
    }
    if (m_c.CheckBox3->isChecked())
        m_c.TrackBar5->setValue(sweepNoiseLevel(s));
    if (m_c.CheckBox4->isChecked())
        m_c.Edit3->setText(QString::fromStdString(sweepThresholdText(s, m_separator.value())));

    // TestCount is 1 when the last frame made the first trial of a new batch.
    if (m_trials.TestCount() == 1)
        m_state.SweepStep = static_cast<std::uint8_t>(s + 1);
    if (m_state.SweepStep > 1)
        plot();
    if (m_state.SweepStep == kSweepEndStep)
        stop();  // the end does what Stop does; this tick's frame still runs
}

void SweepController::plot()
{
    // Until a batch has completed the box shows "---": the curve waits for a number.
    const auto P = parseReal(m_c.Edit4->text().toStdString(), m_separator.value());
    if (!P)
        return;
    const int x = 4 * m_state.SweepStep + kLeft;
    m_graph->canvas().lineTo({x, m_state.GraphBaseY - curveHeight(*P)});
    m_graph->canvasChanged();

    SweepPoint point;
    point.step = m_state.SweepStep;
    point.t2x = m_c.TrackBar3->value();
    point.t2y = m_c.TrackBar4->value();
    point.noiseOn = m_c.CheckBox1->isChecked();
    point.noiseLevel = m_c.TrackBar5->value();
    const auto threshold = parseReal(m_c.Edit3->text().toStdString(), m_separator.value());
    point.threshold = threshold ? toSingle(*threshold) : std::numeric_limits<float>::quiet_NaN();
    point.probability = *P;
    std::vector<SweepPoint>& points = m_graph->points();
    if (!points.empty() && points.back().step == point.step)
        points.back() = point;  // the level a step ends on
    else
        points.push_back(point);
}

} // namespace brenvik
