#pragma once
// A probability map computed on a thread of its own, so that the main window's timer
// keeps its pace: the GUI thread only starts it, reads its progress and takes the result.

#include "model/probability_map.h"

#include <QObject>
#include <QString>

#include <memory>
#include <thread>

namespace brenvik {

class MapComputation : public QObject {
    Q_OBJECT
public:
    explicit MapComputation(QObject* parent = nullptr);
    /// Stops a computation under way and waits for it (a row at most).
    ~MapComputation() override;

    /// Starts computing `grid` on `threads` threads, first stopping any computation under
    /// way, whose result then never arrives.
    void start(const MapGrid& grid, unsigned threads);
    /// Stops the computation under way; nothing arrives from it.
    void stop();
    bool running() const { return m_running; }
    /// Rows done by the computation under way.
    int rowsDone() const;

    /// Threads for the window's maps: one core stays free for the main window's frames.
    static unsigned threadsBesideTheWindows();

signals:
    void finished(const brenvik::ProbabilityMap& map);
    void failed(const QString& message);

private:
    std::unique_ptr<MapProgress> m_progress;
    std::jthread m_thread;
    unsigned m_generation = 0;  ///< which start a result belongs to
    bool m_running = false;
};

}  // namespace brenvik
