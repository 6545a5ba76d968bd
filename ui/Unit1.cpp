#include "ui/Unit1.h"

#include "model/frame_inputs.h"
#include "model/number_text.h"
#include "model/sweep_stepper.h"
#include "model/trials.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/decimal_separator.h"
#include "ui/enter_presses_button.h"
#include "ui/failure_report.h"
#include "ui/fixed_window.h"
#include "ui/number_box_keys.h"
#include "view3d/scene_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include <utility>

namespace brenvik {

namespace {
constexpr int kFrameIntervalMs = 35;

void showPosition(QLabel* label, int position)
{
    label->setText(QString::number(position));
    label->adjustSize();  // the read-out grows to the right, like an auto-sized label
}

}  // namespace

TForm1::TForm1(FailureReport& report, DecimalSeparator& separator, QWidget* parent)
    : QWidget(parent),
      m_controls(MainWindowControls::setUp(*this)),
      m_report(report),
      m_separator(separator),
      m_numberKeys(separator)
{
    m_report.setOwner(this);  // the main window owns the failure reports
    setAttribute(Qt::WA_StyledBackground);
    // A fixed window with a title bar and a close button only.
    setUpFixedWindow(*this, {});
    // Labels size themselves to their text, as auto-sized labels do.
    for (QLabel* label : findChildren<QLabel*>())
        label->adjustSize();
    // The form writes the default threshold with a comma; written with the user's own
    // separator it converts in every locale, so the first frame meets no failure.
    m_controls.thresholdBox->setText(
        m_controls.thresholdBox->text().replace(QLatin1Char(','), QChar(m_separator.value())));

    letEnterPressFocusedButtons(*this);
    m_controls.exitButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_controls.aboutButton->setIcon(QIcon(QStringLiteral(":/brenvik/help.png")));
    for (QLineEdit* box : m_controls.numberBoxes()) {
        m_numberKeys.watch(*box);
        connect(box, &QLineEdit::textChanged, &m_report, &FailureReport::forgetLastFailure);
    }

    // Each position slider writes its read-out beside it.
    const std::pair<QSlider*, QLabel*> readOuts[] = {{m_controls.t1XSlider, m_controls.t1XReadOut},
                                                     {m_controls.t1YSlider, m_controls.t1YReadOut},
                                                     {m_controls.t2XSlider, m_controls.t2XReadOut},
                                                     {m_controls.t2YSlider, m_controls.t2YReadOut}};
    for (const auto& [slider, label] : readOuts)
        connect(slider, &QSlider::valueChanged, label,
                [label](int position) { showPosition(label, position); });
    // The view sliders turn the model; the next tick shows it.
    const std::pair<QSlider*, Axis> turns[] = {{m_controls.turnXSlider, Axis::X},
                                               {m_controls.turnYSlider, Axis::Y},
                                               {m_controls.turnZSlider, Axis::Z}};
    for (const auto& [slider, axis] : turns)
        connect(slider, &QSlider::valueChanged, this,
                [this, axis](int angle) { m_controls.view->rotation().turn(axis, angle); });
    connect(m_controls.noiseCheck, &QCheckBox::toggled, this, &TForm1::noiseSwitched);
    connect(m_controls.exitButton, &QPushButton::clicked, this, &TForm1::exitProgram);
    connect(m_controls.aboutButton, &QToolButton::clicked, this, &TForm1::showAbout);
    connect(m_controls.startButton, &QPushButton::clicked, this, &TForm1::startOrStopSweep);

    m_frameTimer.setInterval(kFrameIntervalMs);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &TForm1::tick);
}

TForm1::~TForm1() = default;

void TForm1::attachWindows(TAboutBox* aboutBox, TForm3* graph)
{
    m_aboutBox = aboutBox;
    m_graph = graph;
    if (m_graph)
        connect(m_graph, &TForm3::probabilityMapRequested, this, &TForm1::showProbabilityMap);
}

SceneView& TForm1::view() { return *m_controls.view; }

void TForm1::drawFirstFrame()
{
    // The context's set-up does not depend on the first frame: the view sets it up
    // whenever its context is made, so a first frame that fails loses nothing.
    redrawForNewSize();
    // The first frame's trial does not count, whatever it did.
    m_model.startBatch();
    m_controls.view->rotation().resetAngles();
    m_sweepState.SweepActive = false;
}

void TForm1::redrawForNewSize()
{
    m_frameSize = size();
    frameAndPresent();
}

void TForm1::stopFrames()
{
    m_closed = true;
    m_frameTimer.stop();
    m_controls.view->stopDrawing();
}

void TForm1::tick()
{
    if (m_closed)
        return;
    if (m_sweepState.SweepActive)
        sweepStep();
    frameAndPresent();
}

void TForm1::frameAndPresent()
{
    try {
        runFrame();
        present();
        m_report.forgetLastFailure();
    } catch (const InputConversionError& failure) {
        reportInputFailure(failure);
    }
}

void TForm1::reportInputFailure(const InputConversionError& failure)
{
    m_report.ReportInputFailure(QString::fromStdString(failure.what()),
                                *m_controls.numberBoxes()[static_cast<int>(failure.box())]);
}

ModelParameters TForm1::readParameters() const
{
    // The texts must outlive the views onto them.
    const std::string q = m_controls.qBox->text().toStdString();
    const std::string batchSize = m_controls.trialCountBox->text().toStdString();
    const std::string threshold = m_controls.thresholdBox->text().toStdString();
    const InputTexts texts{q, batchSize, threshold};
    const SourcePositions positions{m_controls.t1XSlider->value(), m_controls.t1YSlider->value(),
                                    m_controls.t2XSlider->value(), m_controls.t2YSlider->value()};
    ModelParameters parameters = readFrameInputs(texts, positions, m_separator.value());
    parameters.noise = {m_controls.noiseCheck->isChecked(), m_controls.noiseLevelSlider->value()};
    return parameters;
}

void TForm1::showProbabilityMap()
{
    if (!m_graph)
        return;
    try {
        m_graph->showProbabilityMap(readParameters(), m_separator.value());
    } catch (const InputConversionError& failure) {
        reportInputFailure(failure);
    }
}

void TForm1::runFrame()
{
    const ModelParameters parameters = readParameters();

    // The samples go straight to the view that draws them.
    const FrameOutcome outcome = m_model.runFrame(parameters, &m_controls.view->samples());
    m_controls.view->setFrame(parameters, outcome.frame);
    if (outcome.probability) {
        m_lastBatch = batchResult(*outcome.probability, outcome.batchTrials, m_separator.value());
        m_controls.probabilityBox->setText(QString::fromStdString(m_lastBatch->text));
    }
}

void TForm1::present() { m_controls.view->present(); }

void TForm1::showAbout()
{
    if (!m_aboutBox)
        return;
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void TForm1::noiseSwitched() { m_controls.noiseLevelSlider->setEnabled(m_controls.noiseCheck->isChecked()); }

void TForm1::startOrStopSweep()
{
    if (m_sweepState.SweepActive)
        stopSweep();
    else
        startSweep();
}

std::array<QWidget*, 12> TForm1::sweepLockedControls() const
{
    const MainWindowControls& c = m_controls;
    return {c.noiseCheck, c.varyPositionCheck, c.varyNoiseCheck, c.t1XSlider,
            c.t1YSlider,  c.t2XSlider,         c.t2YSlider,      c.noiseLevelSlider,
            c.qBox,       c.trialCountBox,     c.thresholdBox,   c.varyThresholdCheck};
}

SweptParameters TForm1::sweptParameters() const
{
    return {m_controls.varyPositionCheck->isChecked(), m_controls.varyNoiseCheck->isChecked(),
            m_controls.varyThresholdCheck->isChecked()};
}

void TForm1::startSweep()
{
    for (QWidget* control : sweepLockedControls())
        control->setEnabled(false);
    if (m_controls.varyNoiseCheck->isChecked())
        m_controls.noiseCheck->setChecked(true);  // a noise sweep needs the noise on
    m_sweepState.SweepStep = 0;
    m_controls.startButton->setText(tr("Стоп"));
    if (m_graph) {
        // The graph is drawn to the window's outer size, known once the window system has
        // framed it. The first time, that waits for the window manager and the timer ticks
        // meanwhile: those frames run with the controls locked but the sweep not yet active.
        m_graph->showFramed();
        m_graph->startGraph();
    }
    m_sweepState.SweepActive = true;
}

void TForm1::stopSweep()
{
    m_sweepState.SweepActive = false;
    for (QWidget* control : sweepLockedControls())
        control->setEnabled(true);
    m_controls.startButton->setText(tr("Старт!"));
}

void TForm1::sweepStep()
{
    const SweepTick sweep =
        sweepTick(m_sweepState.SweepStep, sweptParameters(), m_model.trials().TestCount());
    if (sweep.set.position) {
        // The sliders' change handlers write the read-outs.
        m_controls.t2XSlider->setValue(*sweep.set.position);
        m_controls.t2YSlider->setValue(*sweep.set.position);
    }
    if (sweep.set.noiseLevel)
        m_controls.noiseLevelSlider->setValue(*sweep.set.noiseLevel);
    if (sweep.set.thresholdHundredths)
        m_controls.thresholdBox->setText(
            QString::fromStdString(thresholdText(*sweep.set.thresholdHundredths, m_separator.value())));

    m_sweepState.SweepStep = sweep.step;
    // Until a batch has completed the probability box shows "---": the curve waits for a level.
    if (sweep.plot && m_lastBatch && m_graph)
        m_graph->plot(sweep.step, *m_lastBatch);
    if (sweep.ended)
        stopSweep();  // the end does what Stop does; this tick's frame still runs
}

void TForm1::exitProgram() { close(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    stopFrames();
    event->accept();
    emit closed();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The window has a fixed size; only a real change of size makes a new frame.
    if (size() != m_frameSize)
        redrawForNewSize();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        m_separator.readFromSystem();
    QWidget::changeEvent(event);
}

}  // namespace brenvik
