#include "ui/map/probability_map_window.h"

#include "model/probability_map_csv.h"
#include "model/sweep_steps.h"
#include "ui/failure_report.h"
#include "ui/map/probability_map_view.h"
#include "ui/save_dialog/save_file_dialog.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <sstream>

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

}  // namespace

ProbabilityMapWindow::ProbabilityMapWindow(FailureReport& report, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      m_report(report),
      m_view(new ProbabilityMapView(this)),
      m_axisBox(new QComboBox(this)),
      m_progress(new QProgressBar(this)),
      m_readOut(new QLabel(this)),
      m_inputs(new QLabel(this)),
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
    m_readOut->setToolTip(tr("Значение под указателем мыши"));

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
    layout->addWidget(m_view, 1);
    layout->addWidget(m_readOut);
    resize(720, 520);

    connect(m_axisBox, &QComboBox::currentIndexChanged, this, [this] { compute(); });
    connect(m_savePicture, &QToolButton::clicked, this, &ProbabilityMapWindow::savePicture);
    connect(m_saveData, &QToolButton::clicked, this, &ProbabilityMapWindow::saveData);
    connect(m_view, &ProbabilityMapView::hovered, this, &ProbabilityMapWindow::showReadOut);
    connect(m_view, &ProbabilityMapView::leftCells, this,
            [this] { m_readOut->setText(tr("Наведите указатель на карту")); });
    connect(&m_computation, &MapComputation::finished, this, &ProbabilityMapWindow::showMap);
    connect(&m_computation, &MapComputation::failed, this, [this](const QString& message) {
        m_progressTimer.stop();
        m_progress->hide();
        m_report.reportFailure(message);
    });
    m_progressTimer.setInterval(kProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &ProbabilityMapWindow::showProgress);
    m_readOut->setText(tr("Наведите указатель на карту"));
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
    m_grid.base = parameters;
    m_separator = separator;
    m_sweep = sweep;
    m_view->setSeparator(separator);
    compute();
    show();
    raise();
    activateWindow();
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

QImage ProbabilityMapWindow::picture() { return m_view->grab().toImage(); }

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
