#include "ui/Unit1.h"

#include "model/frame_inputs.h"
#include "model/number_text.h"
#include "model/sweep_stepper.h"
#include "model/trials.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/check_mark_style.h"
#include "ui/decimal_separator.h"
#include "ui/enter_presses_button.h"
#include "ui/failure_report.h"
#include "ui/number_box_keys.h"
#include "ui_Unit1.h"
#include "view3d/scene_view.h"

#include <QCloseEvent>
#include <QStyle>

#include <utility>

namespace brenvik {

namespace {
constexpr int kFrameIntervalMs = 35;

void showPosition(QLabel* label, int position)
{
    label->setText(QString::number(position));
    label->adjustSize();  // the read-out grows to the right, like an auto-sized label
}

std::unique_ptr<Ui::TForm1> setUpForm(QWidget* form)
{
    auto ui = std::make_unique<Ui::TForm1>();
    ui->setupUi(form);
    return ui;
}
}  // namespace

TForm1::TForm1(FailureReport& report, DecimalSeparator& separator, QWidget* parent)
    : QWidget(parent),
      m_ui(setUpForm(this)),
      m_report(report),
      m_separator(separator),
      m_numberKeys(separator)
{
    m_report.setOwner(this);  // the main window owns the failure reports
    setAttribute(Qt::WA_StyledBackground);
    // A fixed window with a title bar and a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    // Hints show on hover although the graph window or the About box is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // Labels size themselves to their text, as auto-sized labels do.
    for (QLabel* label : findChildren<QLabel*>())
        label->adjustSize();
    useDarkCheckMarks(this);
    // The form writes the default threshold with a comma; written with the user's own
    // separator it converts in every locale, so the first frame meets no failure.
    m_ui->Edit3->setText(m_ui->Edit3->text().replace(QLatin1Char(','), QChar(m_separator.value())));

    letEnterPressFocusedButtons(*this);
    m_ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_ui->SpeedButton1->setIcon(QIcon(QStringLiteral(":/brenvik/help.png")));
    for (QLineEdit* box : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3}) {
        m_numberKeys.watch(*box);
        connect(box, &QLineEdit::textChanged, &m_report, &FailureReport::forgetLastFailure);
    }

    // Each position slider writes its read-out beside it.
    const std::pair<QSlider*, QLabel*> readOuts[] = {{m_ui->TrackBar1, m_ui->Label9},
                                                     {m_ui->TrackBar2, m_ui->Label11},
                                                     {m_ui->TrackBar3, m_ui->Label12},
                                                     {m_ui->TrackBar4, m_ui->Label13}};
    for (const auto& [slider, label] : readOuts)
        connect(slider, &QSlider::valueChanged, label,
                [label](int position) { showPosition(label, position); });
    // The view sliders turn the model; the next tick shows it.
    const std::pair<QSlider*, Axis> turns[] = {
        {m_ui->TrackBar6, Axis::X}, {m_ui->TrackBar7, Axis::Y}, {m_ui->TrackBar8, Axis::Z}};
    for (const auto& [slider, axis] : turns)
        connect(slider, &QSlider::valueChanged, this,
                [this, axis](int angle) { m_ui->View3D->rotation().turn(axis, angle); });
    connect(m_ui->CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

    m_timer1.setInterval(kFrameIntervalMs);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

TForm1::~TForm1() = default;

void TForm1::attachWindows(TAboutBox* aboutBox, TForm3* graph)
{
    m_aboutBox = aboutBox;
    m_graph = graph;
    if (m_graph)
        connect(m_graph, &TForm3::probabilityMapRequested, this, &TForm1::showProbabilityMap);
}

SceneView& TForm1::view() { return *m_ui->View3D; }

void TForm1::FormCreate()
{
    // The context's set-up does not depend on the first frame: the view sets it up
    // whenever its context is made, so a first frame that fails loses nothing.
    FormResize();
    // The first frame's trial does not count, whatever it did.
    m_model.startBatch();
    m_ui->View3D->rotation().resetAngles();
    m_sweepState.SweepActive = false;
}

void TForm1::FormResize()
{
    m_frameSize = size();
    frameAndPresent();
}

void TForm1::FormClose()
{
    m_closed = true;
    m_timer1.stop();
    m_ui->View3D->stopDrawing();
}

void TForm1::Timer1Timer()
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
        RenderFrame();
        present();
        m_report.forgetLastFailure();
    } catch (const InputConversionError& failure) {
        reportInputFailure(failure);
    }
}

void TForm1::reportInputFailure(const InputConversionError& failure)
{
    const std::array<const QLineEdit*, 3> boxes{m_ui->Edit1, m_ui->Edit2, m_ui->Edit3};
    m_report.ReportInputFailure(QString::fromStdString(failure.what()),
                                *boxes[static_cast<int>(failure.box())]);
}

ModelParameters TForm1::readParameters() const
{
    // The texts must outlive the views onto them.
    const std::string q = m_ui->Edit1->text().toStdString();
    const std::string batchSize = m_ui->Edit2->text().toStdString();
    const std::string threshold = m_ui->Edit3->text().toStdString();
    const InputTexts texts{q, batchSize, threshold};
    const SourcePositions positions{m_ui->TrackBar1->value(), m_ui->TrackBar2->value(),
                                    m_ui->TrackBar3->value(), m_ui->TrackBar4->value()};
    ModelParameters parameters = readFrameInputs(texts, positions, m_separator.value());
    parameters.noise = {m_ui->CheckBox1->isChecked(), m_ui->TrackBar5->value()};
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

void TForm1::RenderFrame()
{
    const ModelParameters parameters = readParameters();

    // The samples go straight to the view that draws them.
    const FrameOutcome outcome = m_model.runFrame(parameters, &m_ui->View3D->samples());
    m_ui->View3D->setFrame(parameters, outcome.frame);
    if (outcome.probability) {
        m_lastBatch = batchResult(*outcome.probability, outcome.batchTrials, m_separator.value());
        m_ui->Edit4->setText(QString::fromStdString(m_lastBatch->text));
    }
}

void TForm1::present() { m_ui->View3D->present(); }

void TForm1::SpeedButton1Click()
{
    if (!m_aboutBox)
        return;
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void TForm1::CheckBox1Click() { m_ui->TrackBar5->setEnabled(m_ui->CheckBox1->isChecked()); }

void TForm1::Button1Click()
{
    if (m_sweepState.SweepActive)
        stopSweep();
    else
        startSweep();
}

std::array<QWidget*, 12> TForm1::sweepLockedControls() const
{
    const Ui::TForm1& ui = *m_ui;
    return {ui.CheckBox1, ui.CheckBox2, ui.CheckBox3, ui.TrackBar1, ui.TrackBar2, ui.TrackBar3,
            ui.TrackBar4, ui.TrackBar5, ui.Edit1,     ui.Edit2,     ui.Edit3,     ui.CheckBox4};
}

SweptParameters TForm1::sweptParameters() const
{
    return {m_ui->CheckBox2->isChecked(), m_ui->CheckBox3->isChecked(), m_ui->CheckBox4->isChecked()};
}

void TForm1::startSweep()
{
    for (QWidget* control : sweepLockedControls())
        control->setEnabled(false);
    if (m_ui->CheckBox3->isChecked())
        m_ui->CheckBox1->setChecked(true);  // a noise sweep needs the noise on
    m_sweepState.SweepStep = 0;
    m_ui->Button1->setText(tr("Стоп"));
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
    m_ui->Button1->setText(tr("Старт!"));
}

void TForm1::sweepStep()
{
    const SweepTick tick = sweepTick(m_sweepState.SweepStep, sweptParameters(), m_model.trials().TestCount());
    if (tick.set.position) {
        // The sliders' change handlers write the read-outs.
        m_ui->TrackBar3->setValue(*tick.set.position);
        m_ui->TrackBar4->setValue(*tick.set.position);
    }
    if (tick.set.noiseLevel)
        m_ui->TrackBar5->setValue(*tick.set.noiseLevel);
    if (tick.set.thresholdHundredths)
        m_ui->Edit3->setText(
            QString::fromStdString(thresholdText(*tick.set.thresholdHundredths, m_separator.value())));

    m_sweepState.SweepStep = tick.step;
    // Until a batch has completed Edit4 shows "---": the curve waits for a level.
    if (tick.plot && m_lastBatch && m_graph)
        m_graph->plot(tick.step, *m_lastBatch);
    if (tick.ended)
        stopSweep();  // the end does what Stop does; this tick's frame still runs
}

void TForm1::BitBtn1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
    emit closed();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The window has a fixed size; only a real change of size makes a new frame.
    if (size() != m_frameSize)
        FormResize();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        m_separator.readFromSystem();
    QWidget::changeEvent(event);
}

}  // namespace brenvik
