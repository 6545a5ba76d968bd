#include "ui/map/probability_map_window.h"

#include "model/input_warnings.h"
#include "model/probability_map_csv.h"
#include "model/sweep_steps.h"
#include "ui/failure_report.h"
#include "ui/map/probability_map_view.h"
#include "ui/save_dialog/save_file_dialog.h"
#include "ui/window_placement.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <sstream>
#include <utility>

namespace brenvik {

namespace {

constexpr int kProgressIntervalMs = 50;

// The path of the last sweep on the map: the points whose trials moved T2 along the
// diagonal with the map's other inputs. None when T2 stood still.
QPolygonF sweepPath(const std::vector<SweepPoint>& sweep, const MapGrid& grid)
{
    QPolygonF path;
    for (const SweepPoint& point : sweep) {
        const ModelParameters& t = point.trials.last();
        if (t.t2x != t.t2y || t.q != grid.base.q || t.t1x != grid.base.t1x || t.t1y != grid.base.t1y)
            continue;
        int level = 0;
        if (grid.axis == MapAxis::noise) {
            if (t.threshold != grid.base.threshold)
                continue;
            level = t.noise.enabled ? t.noise.level : 0;  // levels 0 and 1 add nothing
        } else {
            level = static_cast<int>(std::lround(t.threshold * 100.0));
            if (!(t.noise == grid.base.noise) || level < 0 || level >= kMapThresholdLevels ||
                thresholdValue(level) != t.threshold)
                continue;
        }
        path << QPointF(t.t2x - sweepPosition(0), level);
    }
    if (path.size() < 2 || path.first().x() == path.last().x())
        return {};
    return path;
}

// What of the inputs the map shows: not T2 (its x axis), nor what its rows vary, nor the
// batch size.
ModelParameters shownInputs(ModelParameters parameters, MapAxis axis)
{
    parameters.t2x = parameters.t2y = 0;
    parameters.batchSize = 0;
    if (axis == MapAxis::noise)
        parameters.noise = {};
    else
        parameters.threshold = 0.0f;
    return parameters;
}

QString warningText(InputWarning warning)
{
    switch (warning) {
    case InputWarning::zeroWidth:
        return ProbabilityMapWindow::tr("При Q = 0 каждая интенсивность — NaN, и критерий считает "
                                        "разрешённым каждое испытание.");
    case InputWarning::negativeWidth:
        return ProbabilityMapWindow::tr("При отрицательной Q интенсивности отрицательны, и критерий "
                                        "считает испытание разрешённым, когда его пики не выделяются.");
    case InputWarning::infiniteWidth:
        return ProbabilityMapWindow::tr("Q больше одинарной точности и потому бесконечна: каждая "
                                        "интенсивность равна 0, и без шума каждое испытание разрешено.");
    case InputWarning::negativeThreshold:
        return ProbabilityMapWindow::tr("При отрицательном пороге испытание считается разрешённым, даже "
                                        "когда его пики ниже среднего по ячейке.");
    case InputWarning::thresholdOfOneOrMore:
        return ProbabilityMapWindow::tr("При пороге 1 и больше ни одно испытание не считается "
                                        "разрешённым, пока среднее по ячейке больше 0.");
    }
    return {};
}

}  // namespace

ProbabilityMapWindow::ProbabilityMapWindow(FailureReport& report, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      m_report(report),
      m_view(new ProbabilityMapView(this)),
      m_axisBox(new QComboBox(this)),
      m_progress(new QProgressBar(this)),
      m_readOut(new QLabel(this)),
      m_inputs(new QLabel(this)),
      m_warning(new QLabel(this)),
      m_savePicture(new QToolButton(this)),
      m_saveData(new QToolButton(this))
{
    setWindowTitle(tr("Карта вероятности"));
    setObjectName(QStringLiteral("ProbabilityMapWindow"));
    // The hints show on hover while another window is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    auto* axisLabel = new QLabel(tr("По вертикали:"), this);
    m_axisBox->addItem(tr("Уровень шума"));
    m_axisBox->addItem(tr("Порог"));
    m_axisBox->setToolTip(tr("Что отложено по вертикали: уровень белого шума 0 … 30 при пороге главного окна "
                             "или порог 0 … 0,99 при его шуме"));
    axisLabel->setBuddy(m_axisBox);
    m_progress->setRange(0, kMapNoiseLevels);
    m_progress->setToolTip(tr("Карта считается в фоне; главное окно тем временем работает"));
    m_savePicture->setText(tr("PNG…"));
    m_savePicture->setToolTip(tr("Сохранить карту как рисунок PNG"));
    m_saveData->setText(tr("CSV…"));
    m_saveData->setToolTip(tr("Сохранить значения карты в файл CSV"));
    m_view->setToolTip(tr("Вероятность разрешения: белая линия — 0,5, чёрная — 0,9, "
                          "оранжевый пунктир — последняя развёртка положения T2"));
    m_readOut->setToolTip(tr("Значение под указателем мыши или в клетке, выбранной стрелками"));
    m_warning->setWordWrap(true);
    QPalette warningPalette = m_warning->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(0xa0, 0x00, 0x00));
    m_warning->setPalette(warningPalette);
    m_warning->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(axisLabel);
    top->addWidget(m_axisBox);
    top->addStretch();
    top->addWidget(m_progress);
    top->addWidget(m_savePicture);
    top->addWidget(m_saveData);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_inputs);
    layout->addWidget(m_warning);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_readOut);
    resize(720, 520);

    connect(m_axisBox, &QComboBox::currentIndexChanged, this, [this] { compute(); });
    connect(m_savePicture, &QToolButton::clicked, this, &ProbabilityMapWindow::savePicture);
    connect(m_saveData, &QToolButton::clicked, this, &ProbabilityMapWindow::saveData);
    connect(m_view, &ProbabilityMapView::hovered, this, &ProbabilityMapWindow::showReadOut);
    connect(m_view, &ProbabilityMapView::cursorMoved, this, &ProbabilityMapWindow::showReadOut);
    connect(m_view, &ProbabilityMapView::leftCells, this,
            [this] { m_readOut->setText(tr("Наведите указатель на карту или выберите клетку стрелками")); });
    connect(&m_computation, &MapComputation::finished, this, &ProbabilityMapWindow::showMap);
    connect(&m_computation, &MapComputation::failed, this, [this](const QString& message) {
        m_progressTimer.stop();
        m_progress->hide();
        m_report.reportFailure(message);
    });
    m_followTimer.setSingleShot(true);
    m_followTimer.setInterval(kFollowDelayMs);
    connect(&m_followTimer, &QTimer::timeout, this, &ProbabilityMapWindow::applyFollowed);
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &ProbabilityMapWindow::showProgress);
    m_readOut->setText(tr("Наведите указатель на карту или выберите клетку стрелками"));
}

ProbabilityMapWindow::~ProbabilityMapWindow() = default;

MapAxis ProbabilityMapWindow::axis() const
{
    return m_axisBox->currentIndex() == 1 ? MapAxis::threshold : MapAxis::noise;
}

void ProbabilityMapWindow::setAxis(MapAxis axis)
{
    m_axisBox->setCurrentIndex(axis == MapAxis::threshold ? 1 : 0);
}

void ProbabilityMapWindow::showFor(const ModelParameters& parameters, char separator,
                                   const std::vector<SweepPoint>& sweep)
{
    m_followTimer.stop();
    m_followed.reset();
    m_grid.base = parameters;
    m_separator = separator;
    m_sweep = sweep;
    m_view->setSeparator(separator);
    compute();
    if (!m_placed) {
        fitOnScreen(*this);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_view->setFocus();  // the arrow keys read the map at once
}

void ProbabilityMapWindow::follow(const ModelParameters& parameters, char separator)
{
    m_followed = parameters;
    m_separator = separator;
    m_followTimer.start();  // again: a change restarts the wait
}

void ProbabilityMapWindow::applyFollowed()
{
    if (!m_followed)
        return;
    const ModelParameters followed = *std::exchange(m_followed, std::nullopt);
    m_view->setSeparator(m_separator);
    if (shownInputs(followed, axis()) == shownInputs(m_grid.base, axis()))
        return;
    m_grid.base = followed;
    compute();
}

void ProbabilityMapWindow::setSweep(const std::vector<SweepPoint>& sweep)
{
    m_sweep = sweep;
    QPolygonF path = sweepPath(m_sweep, m_grid);
    if (path != m_view->sweepPath())
        m_view->setSweepPath(std::move(path));
}

void ProbabilityMapWindow::showWarnings()
{
    // The threshold of a threshold map is its rows'.
    QStringList texts;
    for (const InputWarning warning : inputWarnings(m_grid.base, m_grid.axis == MapAxis::noise))
        texts << warningText(warning);
    m_warning->setText(texts.join(QLatin1Char('\n')));
    m_warning->setVisible(!texts.isEmpty());
}

void ProbabilityMapWindow::compute()
{
    m_grid.axis = axis();
    const QString fixed =
        m_grid.axis == MapAxis::noise
            ? tr("порог %1").arg(number(m_grid.base.threshold, 6))
            : (m_grid.base.noise.enabled ? tr("шум %1").arg(m_grid.base.noise.level) : tr("шум выключен"));
    m_inputs->setText(tr("Q = %1, T1 = (%2, %3), %4")
                          .arg(number(m_grid.base.q, 6))
                          .arg(m_grid.base.t1x)
                          .arg(m_grid.base.t1y)
                          .arg(fixed));
    showWarnings();
    m_view->setMap(std::nullopt);
    m_view->setGrid(m_grid);
    m_view->setSweepPath(sweepPath(m_sweep, m_grid));
    m_savePicture->setEnabled(false);
    m_saveData->setEnabled(false);
    m_progress->setRange(0, m_grid.levels());
    m_progress->setValue(0);
    m_progress->show();
    m_progressTimer.start();
    m_computation.start(m_grid, MapComputation::threadsBesideTheWindows());
}

void ProbabilityMapWindow::showProgress() { m_progress->setValue(m_computation.rowsDone()); }

void ProbabilityMapWindow::showMap(const ProbabilityMap& map)
{
    m_progressTimer.stop();
    m_progress->hide();
    m_view->setMap(map);
    m_savePicture->setEnabled(true);
    m_saveData->setEnabled(true);
    emit mapShown();
}

QString ProbabilityMapWindow::number(double value, int significant) const
{
    QString text = QString::number(value, 'g', significant);
    return text.replace(QLatin1Char('.'), QLatin1Char(m_separator));
}

QString ProbabilityMapWindow::levelText(int level) const
{
    return m_grid.axis == MapAxis::noise
               ? tr("шум %1").arg(level)
               : tr("порог %1").arg(number(m_grid.parametersAt(0, level).threshold, 6));
}

void ProbabilityMapWindow::showReadOut(int step, int level)
{
    const std::optional<ProbabilityMap>& map = m_view->map();
    const QString p = map ? number(map->at(step, level), 4) : QStringLiteral("…");
    m_readOut->setText(tr("Шаг %1: |T2 − T1| = %2 (%3 Q); %4; P = %5")
                           .arg(step)
                           .arg(number(m_grid.separation(step), 4))
                           .arg(number(m_grid.separationInQ(step), 3))
                           .arg(levelText(level))
                           .arg(p));
}

QImage ProbabilityMapWindow::picture()
{
    // The saved picture says what it shows: the line of inputs above the map, as in the window.
    QImage inputs = m_inputs->grab().toImage();
    QImage map = m_view->grab().toImage();
    inputs.setDevicePixelRatio(1.0);
    map.setDevicePixelRatio(1.0);
    QImage picture(std::max(inputs.width(), map.width()), inputs.height() + map.height(),
                   QImage::Format_RGB32);
    picture.fill(palette().window().color());
    QPainter painter(&picture);
    painter.drawImage(0, 0, inputs);
    painter.drawImage(0, inputs.height(), map);
    return picture;
}

std::unique_ptr<QFileDialog> ProbabilityMapWindow::makeSavePictureDialog()
{
    return makeSaveFileDialog(this, &m_fileIcons, tr("Рисунки PNG (*.png)"), QStringLiteral("png"),
                              m_lastPictureName);
}

std::unique_ptr<QFileDialog> ProbabilityMapWindow::makeSaveDataDialog()
{
    return makeSaveFileDialog(this, &m_fileIcons, QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"),
                              m_lastDataName);
}

void ProbabilityMapWindow::savePicture()
{
    if (!m_view->map())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture().save(&buffer, "PNG");
    saveWithDialog(*makeSavePictureDialog(), m_askFileName, m_lastPictureName, bytes, m_report);
}

void ProbabilityMapWindow::saveData()
{
    if (!m_view->map())
        return;
    std::ostringstream csv;
    writeMapCsv(csv, *m_view->map());
    saveWithDialog(*makeSaveDataDialog(), m_askFileName, m_lastDataName, QByteArray::fromStdString(csv.str()),
                   m_report);
}

}  // namespace brenvik
