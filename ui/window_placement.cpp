#include "ui/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <set>

namespace brenvik {

namespace {
// The frame a window manager adds around a window it has not framed yet: a title bar and
// thin borders.
constexpr QSize kFrameAllowance(16, 48);

bool clearOf(const QRect& place, const QList<QRect>& keepClear)
{
    return std::none_of(keepClear.begin(), keepClear.end(),
                        [&](const QRect& area) { return area.intersects(place); });
}

// The places within `available` clear of `keepClear` whose every side lies on a side of
// `available` or next to a side of a rectangle to keep clear: among them, every largest
// free place.
QList<QRect> freePlaces(const QRect& available, const QList<QRect>& keepClear)
{
    std::set<int> lefts{available.left()}, rights{available.right()}, tops{available.top()},
        bottoms{available.bottom()};
    for (const QRect& area : keepClear) {
        lefts.insert(area.right() + 1);
        rights.insert(area.left() - 1);
        tops.insert(area.bottom() + 1);
        bottoms.insert(area.top() - 1);
    }
    QList<QRect> places;
    for (int left : lefts)
        for (int right : rights)
            for (int top : tops)
                for (int bottom : bottoms) {
                    const QRect place = QRect(QPoint(left, top), QPoint(right, bottom)) & available;
                    if (place.isValid() && place.left() == left && place.right() == right &&
                        place.top() == top && place.bottom() == bottom && clearOf(place, keepClear))
                        places << place;
                }
    return places;
}

// Distance of a place's top right corner from the available area's.
long long cornerDistance(const QRect& place, const QRect& available)
{
    const long long dx = available.right() - place.right();
    const long long dy = place.top() - available.top();
    return dx * dx + dy * dy;
}

}  // namespace

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QSize frameMargins(const QWidget& window)
{
    const QSize margins = window.frameGeometry().size() - window.size();
    return margins.isEmpty() ? kFrameAllowance : margins;
}

QPoint shiftClearOf(const QRect& available, const QRect& frame, const QList<QRect>& areas,
                    const QRect& corner)
{
    if (!std::any_of(areas.begin(), areas.end(), [&](const QRect& area) { return area.intersects(corner); }))
        return {};
    int lowestTop = std::numeric_limits<int>::max(), rightmost = std::numeric_limits<int>::min();
    for (const QRect& area : areas) {
        lowestTop = std::min(lowestTop, area.top());
        rightmost = std::max(rightmost, area.right());
    }
    const QPoint down(0, corner.bottom() + 1 - lowestTop);
    const QPoint left(std::min(0, corner.left() - 1 - rightmost), 0);
    QPoint best;
    bool found = false;
    for (const QPoint move : {down, left}) {
        if (available.contains(frame.translated(move)) &&
            (!found || move.manhattanLength() < best.manhattanLength())) {
            best = move;
            found = true;
        }
    }
    return found ? best : QPoint();
}

void fitOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameMargins(window);
    const QSize room = available.size() - frame;
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
    if (!window.isVisible())
        return;
    const QRect outer = window.frameGeometry();
    const int x = std::clamp(outer.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - outer.width()));
    const int y = std::clamp(outer.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != outer.topLeft())
        window.move(x, y);
}

QRect placeClear(const QRect& available, QSize frame, const QList<QRect>& keepClear, QSize smallest)
{
    const QSize whole = frame.boundedTo(available.size());
    const auto atTopRight = [](const QRect& place, QSize size) {
        return QRect(QPoint(place.right() + 1 - size.width(), place.top()), size);
    };
    const QRect corner = atTopRight(available, whole);
    if (clearOf(corner, keepClear))
        return corner;
    const QList<QRect> places = freePlaces(available, keepClear);
    const QRect* best = nullptr;
    for (const QRect& place : places)
        if (place.width() >= whole.width() && place.height() >= whole.height() &&
            (!best || cornerDistance(place, available) < cornerDistance(*best, available)))
            best = &place;
    if (best)
        return atTopRight(*best, whole);
    // Shrunk: the place that keeps the most of the window, the smallest size respected.
    long long bestArea = -1;
    for (const QRect& place : places) {
        const QSize size = whole.boundedTo(place.size());
        const bool bigEnough = size.width() >= smallest.width() && size.height() >= smallest.height();
        const long long area = static_cast<long long>(size.width()) * size.height() +
                               (bigEnough ? std::numeric_limits<int>::max() : 0LL);
        if (area > bestArea) {
            bestArea = area;
            best = &place;
        }
    }
    return best ? atTopRight(*best, whole.boundedTo(best->size())) : corner;
}

}  // namespace brenvik
