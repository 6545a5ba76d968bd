#include "ui/map/map_computation.h"

#include <QMetaObject>

#include <atomic>
#include <exception>

namespace brenvik {

struct MapComputation::Job {
    MapProgress progress;
    std::atomic<bool> ended{false};
    std::jthread thread;
};

MapComputation::MapComputation(QObject* parent) : QObject(parent) {}

MapComputation::~MapComputation()
{
    stop();
    for (const std::shared_ptr<Job>& job : m_stopped)
        job->thread.join();
}

unsigned MapComputation::threadsBesideTheWindows()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 1 ? cores - 1 : 1;
}

void MapComputation::start(const MapGrid& grid, unsigned threads)
{
    stop();
    joinEnded();
    m_job = std::make_shared<Job>();
    m_running = true;
    const unsigned generation = m_generation;
    Job* job = m_job.get();  // kept until its thread is joined
    // The result comes back as a queued call on the GUI thread; a call from an earlier
    // start finds a newer generation and is dropped.
    job->thread = std::jthread([this, grid, threads, job, generation] {
        try {
            std::optional<ProbabilityMap> map = computeProbabilityMap(grid, threads, &job->progress);
            if (map) {
                QMetaObject::invokeMethod(
                    this,
                    [this, generation, map = std::move(*map)] {
                        if (generation != m_generation)
                            return;
                        m_running = false;
                        emit finished(map);
                    },
                    Qt::QueuedConnection);
            }
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
        job->ended = true;
    });
}

void MapComputation::stop()
{
    if (m_job) {
        m_job->progress.cancel = true;
        m_stopped.push_back(std::move(m_job));
        m_job.reset();
    }
    ++m_generation;
    m_running = false;
}

void MapComputation::joinEnded()
{
    std::erase_if(m_stopped, [](const std::shared_ptr<Job>& job) {
        if (!job->ended)
            return false;
        job->thread.join();  // has ended: returns at once
        return true;
    });
}

int MapComputation::rowsDone() const { return m_job ? m_job->progress.rowsDone.load() : 0; }

}  // namespace brenvik
