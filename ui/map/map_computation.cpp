#include "ui/map/map_computation.h"

#include <QMetaObject>

#include <exception>

namespace brenvik {

MapComputation::MapComputation(QObject* parent) : QObject(parent) {}

MapComputation::~MapComputation() { stop(); }

unsigned MapComputation::threadsBesideTheWindows()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 1 ? cores - 1 : 1;
}

void MapComputation::start(const MapGrid& grid, unsigned threads)
{
    stop();
    m_progress = std::make_unique<MapProgress>();
    m_running = true;
    const unsigned generation = ++m_generation;
    MapProgress* progress = m_progress.get();
    // The result comes back as a queued call on the GUI thread; a call from an earlier
    // start finds a newer generation and is dropped.
    m_thread = std::jthread([this, grid, threads, progress, generation] {
        try {
            std::optional<ProbabilityMap> map = computeProbabilityMap(grid, threads, progress);
            if (!map)
                return;  // stopped
            QMetaObject::invokeMethod(
                this,
                [this, generation, map = std::move(*map)] {
                    if (generation != m_generation)
                        return;
                    m_running = false;
                    emit finished(map);
                },
                Qt::QueuedConnection);
        } catch (const std::exception& failure) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, message = QString::fromStdString(failure.what())] {
                    if (generation != m_generation)
                        return;
                    m_running = false;
                    emit failed(message);
                },
                Qt::QueuedConnection);
        }
    });
}

void MapComputation::stop()
{
    if (m_progress)
        m_progress->cancel = true;
    if (m_thread.joinable())
        m_thread.join();
    ++m_generation;
    m_running = false;
}

int MapComputation::rowsDone() const { return m_progress ? m_progress->rowsDone.load() : 0; }

}  // namespace brenvik
