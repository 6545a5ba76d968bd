#include "ui/main_window.h"

#include "model/frame_inputs.h"
#include "model/number_text.h"
#include "model/sweep_stepper.h"
#include "model/trials.h"
#include "ui/about_box.h"
#include "ui/decimal_separator.h"
#include "ui/enter_presses_button.h"
#include "ui/failure_report.h"
#include "ui/fixed_window.h"
#include "ui/graph_window.h"
#include "ui/keyboard_context_menu.h"
#include "ui/number_box_keys.h"
#include "view3d/scene_view.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <string_view>
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

MainWindow::MainWindow(FailureReport& report, DecimalSeparator& separator, QWidget* parent)
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
    letShiftF10OpenContextMenus(*this);
    // The "?" button is last in the tab order and takes the focus only from Tab, as a
    // speed button should; F1 opens the About box from anywhere in the window.
    new QShortcut(QKeySequence::HelpContents, this, this, &MainWindow::showAbout);
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
    connect(m_controls.noiseCheck, &QCheckBox::toggled, this, &MainWindow::noiseSwitched);
    connect(m_controls.exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(m_controls.aboutButton, &QToolButton::clicked, this, &MainWindow::showAbout);
    connect(m_controls.startButton, &QPushButton::clicked, this, &MainWindow::startOrStopSweep);

    // What the probability map is computed from; T2 is its x axis.
    for (QLineEdit* box : m_controls.numberBoxes())
        connect(box, &QLineEdit::textChanged, this, &MainWindow::inputsChanged);
    for (QSlider* slider : {m_controls.t1XSlider, m_controls.t1YSlider, m_controls.noiseLevelSlider})
        connect(slider, &QSlider::valueChanged, this, &MainWindow::inputsChanged);
    connect(m_controls.noiseCheck, &QCheckBox::toggled, this, &MainWindow::inputsChanged);

    // The map from the main window: a shortcut anywhere in it, and the view's context menu.
    m_probabilityMapAction = new QAction(tr("Карта вероятности…"), this);
    m_probabilityMapAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_probabilityMapAction->setShortcutContext(Qt::WindowShortcut);
    m_probabilityMapAction->setToolTip(
        tr("Точная вероятность разрешения по всем шагам T2 и уровням шума или порога"));
    connect(m_probabilityMapAction, &QAction::triggered, this, &MainWindow::probabilityMapRequested);
    addAction(m_probabilityMapAction);
    m_controls.view->addAction(m_probabilityMapAction);
    m_controls.view->setContextMenuPolicy(Qt::ActionsContextMenu);

    m_frameTimer.setInterval(kFrameIntervalMs);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &MainWindow::tick);
}

MainWindow::~MainWindow() = default;

void MainWindow::attachWindows(AboutBox* aboutBox, GraphWindow* graph)
{
    m_aboutBox = aboutBox;
    m_graph = graph;
}

SceneView& MainWindow::view() { return *m_controls.view; }

void MainWindow::drawFirstFrame()
{
    // The context's set-up does not depend on the first frame: the view sets it up
    // whenever its context is made, so a first frame that fails loses nothing.
    redrawForNewSize();
    // The first frame's trial does not count, whatever it did.
    m_model.startBatch();
    m_controls.view->rotation().resetAngles();
    m_sweepState.active = false;
}

void MainWindow::redrawForNewSize()
{
    m_frameSize = size();
    frameAndPresent();
}

void MainWindow::stopFrames()
{
    m_closed = true;
    m_frameTimer.stop();
    m_controls.view->stopDrawing();
}

void MainWindow::tick()
{
    if (m_closed)
        return;
    if (m_sweepState.active)
        sweepStep();
    frameAndPresent();
}

void MainWindow::frameAndPresent()
{
    try {
        runFrame();
        present();
        m_report.forgetLastFailure();
    } catch (const InputConversionError& failure) {
        reportInputFailure(failure);
    }
}

void MainWindow::reportInputFailure(const InputConversionError& failure)
{
    m_report.reportInputFailure(QString::fromStdString(failure.what()),
                                *m_controls.numberBoxes()[static_cast<int>(failure.box())]);
}

ModelParameters MainWindow::readParameters() const
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

std::optional<ModelParameters> MainWindow::currentParameters()
{
    try {
        return readParameters();
    } catch (const InputConversionError& failure) {
        // Asked for by the user: said now, though the frames may have said it already.
        m_report.forgetLastFailure();
        m_report.reportFailure(QString::fromStdString(failure.what()));
        return std::nullopt;
    }
}

std::optional<ModelParameters> MainWindow::validParameters() const
{
    try {
        return readParameters();
    } catch (const InputConversionError&) {
        return std::nullopt;  // the frames report it
    }
}

QList<QRect> MainWindow::inputAreas() const
{
    QList<QRect> areas;
    for (const QFrame* panel : {m_controls.inputPanel, m_controls.viewPanel})
        areas << QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    return areas;
}

char MainWindow::separator() const { return m_separator.value(); }

void MainWindow::runFrame()
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

void MainWindow::present() { m_controls.view->present(); }

void MainWindow::showAbout()
{
    if (!m_aboutBox)
        return;
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void MainWindow::noiseSwitched()
{
    m_controls.noiseLevelSlider->setEnabled(m_controls.noiseCheck->isChecked());
}

void MainWindow::startOrStopSweep()
{
    if (m_sweepState.active)
        stopSweep();
    else
        startSweep();
}

std::array<QWidget*, kSweepLockedControls.size()> MainWindow::sweepLockedControls() const
{
    std::array<QWidget*, kSweepLockedControls.size()> controls{};
    std::ranges::transform(kSweepLockedControls, controls.begin(),
                           [this](std::string_view role) { return m_controls.input(role); });
    return controls;
}

SweptParameters MainWindow::sweptParameters() const
{
    return {m_controls.varyPositionCheck->isChecked(), m_controls.varyNoiseCheck->isChecked(),
            m_controls.varyThresholdCheck->isChecked()};
}

void MainWindow::startSweep()
{
    for (QWidget* control : sweepLockedControls())
        control->setEnabled(false);
    if (m_controls.varyNoiseCheck->isChecked())
        m_controls.noiseCheck->setChecked(true);  // a noise sweep needs the noise on
    m_sweepState.step = 0;
    m_controls.startButton->setText(tr("Стоп"));
    if (m_graph) {
        // The graph is drawn to the window's outer size, known once the window system has
        // framed it. The first time, that waits for the window manager and the timer ticks
        // meanwhile: those frames run with the controls locked but the sweep not yet active.
        m_graph->showFramed();
        m_graph->startGraph();
    }
    m_sweepState.active = true;
}

void MainWindow::stopSweep()
{
    m_sweepState.active = false;
    for (QWidget* control : sweepLockedControls())
        control->setEnabled(true);
    m_controls.startButton->setText(tr("Старт!"));
}

void MainWindow::sweepStep()
{
    const SweepTick sweep = sweepTick(m_sweepState.step, sweptParameters(), m_model.trials().TestCount());
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

    m_sweepState.step = sweep.step;
    // Until a batch has completed the probability box shows "---": the curve waits for a level.
    if (sweep.plot && m_lastBatch && m_graph)
        m_graph->plot(sweep.step, *m_lastBatch);
    if (sweep.ended)
        stopSweep();  // the end does what Stop does; this tick's frame still runs
}

void MainWindow::exitProgram() { close(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    stopFrames();
    event->accept();
    emit closed();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The window has a fixed size; only a real change of size makes a new frame.
    if (size() != m_frameSize)
        redrawForNewSize();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        m_separator.readFromSystem();
    QWidget::changeEvent(event);
}

}  // namespace brenvik
