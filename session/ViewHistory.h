#pragma once

#include "core/PageUnits.h"

#include <QList>
#include <QPointF>

#include <cmath>
#include <optional>

namespace dovrix {

// One entry of a document's back/forward history.
struct ViewState
{
    ViewState() = default;
    ViewState(int page, double zoom, int rotation, const QPointF& point = {})
        : page(page), zoom(zoom), rotation(rotation), point(point)
    {
    }

    int page = 0;      // 0-based
    double zoom = 1.0; // logical pixels per point
    int rotation = 0;  // degrees: 0, 90, 180 or 270
    // The page point at the view's reading corner (the page's top-left corner as shown), which
    // may lie outside the page.
    QPointF point;

    // A state is recorded again only when something really changed: a point is the same within
    // half a point.
    friend bool operator==(const ViewState& a, const ViewState& b)
    {
        return a.page == b.page && a.rotation == b.rotation && sameZoom(a.zoom, b.zoom)
               && std::abs(a.point.x() - b.point.x()) < 0.5
               && std::abs(a.point.y() - b.point.y()) < 0.5;
    }
    friend bool operator!=(const ViewState& a, const ViewState& b) { return !(a == b); }
};

// Back/forward list of view states, oldest first, like a browser's history: a new entry after
// going back discards the forward branch, and only the newest MaxEntries entries are kept.
class ViewHistory
{
public:
    static constexpr int MaxEntries = 100;

    // Appends state after the current entry (dropping any forward entries) unless the current entry
    // already equals it. Returns whether an entry was added.
    bool record(const ViewState& state);
    // Moves the current entry by step (-1 back, +1 forward) and returns the state to show, or
    // nothing (and no change) when that would leave the list.
    std::optional<ViewState> step(int step);
    void clear();

    const QList<ViewState>& entries() const { return list; }
    int index() const { return current; } // -1 when empty
    bool canGoBack() const { return current > 0; }
    bool canGoForward() const { return current >= 0 && current + 1 < list.size(); }

private:
    QList<ViewState> list;
    int current = -1;
};

} // namespace dovrix
