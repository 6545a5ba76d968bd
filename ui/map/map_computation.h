#pragma once
// A probability map computed on a thread of its own, so that the main window's timer
// keeps its pace: the GUI thread only starts it, reads its progress and takes the result.
// A new start never waits for the computation it replaces: that one is told to stop and
// ends on its own thread within a row.

#include "model/probability_map.h"

#include <QObject>
#include <QString>

#include <memory>
#include <thread>
#include <vector>

namespace brenvik {

class MapComputation : public QObject {
    Q_OBJECT
public:
    explicit MapComputation(QObject* parent = nullptr);
    /// Stops every computation still under way and waits for them (a row at most).
    ~MapComputation() override;

    /// Starts computing `grid` on `threads` threads, first stopping any computation under
    /// way, whose result then never arrives. Returns at once.
    void start(const MapGrid& grid, unsigned threads);
    /// Stops the computation under way without waiting; nothing arrives from it.
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
    struct Job;
    /// Joins the stopped computations that have ended.
    void joinEnded();

    std::shared_ptr<Job> m_job;                   ///< the computation under way, if any
    std::vector<std::shared_ptr<Job>> m_stopped;  ///< told to stop, maybe still ending
    unsigned m_generation = 0;                    ///< which start a result belongs to
    bool m_running = false;
};

}  // namespace brenvik
