#include "ui/graph_window.h"

#include "ui/bmp_file.h"
#include "ui/enter_presses_button.h"
#include "ui/fixed_window.h"
#include "ui/glyph.h"
#include "ui/keyboard_context_menu.h"
#include "ui/save_dialog/picture_preview.h"
#include "ui/save_dialog/save_file_dialog.h"
#include "ui/sweep_graph.h"
#include "ui/window_placement.h"
#include "ui_graph_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace brenvik {

namespace {
constexpr int kFramingWaitMs = 1000;
}  // namespace

GraphWindow::Controls GraphWindow::Controls::setUp(GraphWindow& window)
{
    Ui::TForm3 form;
    form.setupUi(&window);
    return {.savePictureButton = form.SpeedButton1, .closeButton = form.SpeedButton2};
}

GraphWindow::GraphWindow(FailureReport& report, QWidget* parent)
    : QWidget(parent),
      m_controls(Controls::setUp(*this)),
      m_fullSize(size()),
      m_report(report),
      m_canvas(QSize(528, 312))
{
    // Fixed border, minimise but no maximise, above the other windows.
    setUpFixedWindow(*this, {.minimiseButton = true, .staysOnTop = true});
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A sweep started from the keyboard goes on being driven from the main window: the
    // graph shows without taking the focus from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    const QWidget* buttons = m_controls.savePictureButton->parentWidget();
    m_buttonsRightMargin = width() - buttons->x() - buttons->width();
    m_controls.savePictureButton->setIcon(glyphIcon(QStringLiteral(":/brenvik/photos.png")));
    m_controls.closeButton->setIcon(glyphIcon(QStringLiteral(":/brenvik/close.png")));
    connect(m_controls.savePictureButton, &QToolButton::clicked, this, &GraphWindow::savePicture);
    connect(m_controls.closeButton, &QToolButton::clicked, this, &QWidget::close);
    // The buttons take the focus from Tab; Enter presses them as in the main window.
    letEnterPressFocusedButtons(*this);
    letShiftF10OpenContextMenus(*this);

    m_expectedCurveAction = new QAction(tr("Ожидаемая вероятность"), this);
    m_expectedCurveAction->setCheckable(true);
    connect(m_expectedCurveAction, &QAction::toggled, this, qOverload<>(&QWidget::update));

    m_probabilityMapAction = new QAction(tr("Карта вероятности…"), this);
    m_probabilityMapAction->setToolTip(
        tr("Точная вероятность разрешения по всем шагам T2 и уровням шума или порога"));
    connect(m_probabilityMapAction, &QAction::triggered, this, &GraphWindow::probabilityMapRequested);
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::showFramed()
{
    if (m_framed)
        return;
    moveToTopRight();  // by the client size: where it shows first
    show();
    // The window manager frames the window before it maps it; a bare X server never does.
    const QDeadlineTimer deadline(kFramingWaitMs);
    while (!windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents,
                                        10);
    m_framed = true;
}

QRect GraphWindow::cornerFrame() const
{
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    const QSize outer = m_fullSize + frameMargins(*this);
    return QRect(QPoint(desktop.right() + 1 - outer.width(), desktop.top()), outer);
}

void GraphWindow::moveToTopRight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen->virtualGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize outer = m_fullSize + frame;
    const QList<QRect> keepClear = m_keepClear ? m_keepClear() : QList<QRect>();
    const QRect corner(QPoint(desktop.right() + 1 - outer.width(), desktop.top()), outer);
    const bool fits = outer.width() <= desktop.width() && outer.height() <= desktop.height();
    QRect place = corner;
    if (!fits || std::any_of(keepClear.begin(), keepClear.end(),
                             [&](const QRect& area) { return area.intersects(corner); })) {
        // Half the form's size still shows the whole curve, scaled down, and the buttons.
        place = placeClear(screen->availableGeometry(), outer, keepClear, m_fullSize / 2 + frame);
    }
    setFixedSize(place.size() - frame);
    move(place.topLeft());
}

void GraphWindow::resizeEvent(QResizeEvent* event)
{
    // The buttons keep their place at the right, should the window be narrower than the form.
    QWidget* panel = m_controls.savePictureButton->parentWidget();
    panel->move(width() - m_buttonsRightMargin - panel->width(), panel->y());
    QWidget::resizeEvent(event);
}

void GraphWindow::startGraph()
{
    moveToTopRight();
    // The picture is drawn for the form's size, and shown scaled where the window is smaller.
    const QSize outer = m_fullSize + (frameGeometry().size() - size());
    show();  // a minimised window stays minimised
    raise();

    m_points.clear();
    m_graphBaseY = drawAxesAndGrid(m_canvas, outer);
    update();
    emit pointsChanged();
}

void GraphWindow::plot(int step, const BatchResult& batch)
{
    m_canvas.lineTo(curvePoint(step, batch.shown, m_graphBaseY));
    update();
    const SweepPoint point{step, batch.shown, batch.trials, expectedShare(batch.trials, m_expected)};
    if (!m_points.empty() && m_points.back().step == step)
        m_points.back() = point;  // the level a step ends on
    else
        m_points.push_back(point);
    emit pointsChanged();
}

void GraphWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (size() != m_fullSize) {
        // Shrunk to keep the main window's inputs clear: the whole picture, smaller.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(double(width()) / m_fullSize.width(), double(height()) / m_fullSize.height());
        painter.drawImage(QPoint(0, 0), m_canvas.image());
    } else {
        painter.drawImage(event->rect(), m_canvas.image(), event->rect());
    }
    if (m_expectedCurveAction->isChecked()) {
        // Yellow in short dots, apart from the lime curve and from the silver grid's sparser dots.
        QPen pen(QColor(255, 255, 0), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setDashPattern({2, 2});
        painter.setPen(pen);
        painter.drawPolyline(expectedCurve(m_points, m_graphBaseY));
    }
}

void GraphWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Сохранить данные (CSV)…"), this, &GraphWindow::saveData);
    menu.addAction(m_expectedCurveAction);
    menu.addAction(m_probabilityMapAction);
    menu.exec(event->globalPos());
}

std::unique_ptr<QFileDialog> GraphWindow::makeSavePictureDialog()
{
    auto dialog = makeSaveFileDialog(this, &m_fileIcons, tr("BMP-хи (*.bmp)"), QStringLiteral("bmp"),
                                     m_lastPictureName);
    dialog->setFilter(dialog->filter() | QDir::Hidden);
    addPicturePreview(*dialog);
    return dialog;
}

std::unique_ptr<QFileDialog> GraphWindow::makeSaveDataDialog()
{
    return makeSaveFileDialog(this, &m_fileIcons, QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"),
                              m_lastDataName);
}

QImage GraphWindow::screenshot()
{
    QImage picture(frameGeometry().size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, grab(rect()));
    return picture;
}

void GraphWindow::savePicture()
{
    // Captured before the dialog: it holds neither the dialog nor what is drawn meanwhile.
    const QByteArray picture = bmpImage(screenshot());
    saveWithDialog(*makeSavePictureDialog(), m_askFileName, m_lastPictureName, picture, m_report);
}

void GraphWindow::saveData()
{
    const QByteArray csv = QByteArray::fromStdString(sweepCsv(m_points));
    saveWithDialog(*makeSaveDataDialog(), m_askFileName, m_lastDataName, csv, m_report);
}

}  // namespace brenvik
