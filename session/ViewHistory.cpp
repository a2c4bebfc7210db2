#include "session/ViewHistory.h"

namespace dovrix {

bool ViewHistory::record(const ViewState& state)
{
    if (current >= 0 && current < list.size() && list.at(current) == state)
        return false;
    list.resize(current + 1); // a new move discards the forward branch
    list.append(state);
    while (list.size() > MaxEntries)
        list.removeFirst();
    current = int(list.size()) - 1;
    return true;
}

std::optional<ViewState> ViewHistory::step(int step)
{
    const qsizetype target = qsizetype(current) + step;
    if (current < 0 || target < 0 || target >= list.size())
        return std::nullopt;
    current = int(target);
    return list.at(current);
}

void ViewHistory::clear()
{
    list.clear();
    current = -1;
}

} // namespace dovrix
