#pragma once

#include <QtGlobal>

#include <atomic>
#include <memory>

namespace dovrix {

// A counter that an owner moves on whenever the jobs it has posted become pointless: a new
// document, a cleared cache, a cancelled run, its own destruction. A job carries a Ticket taken
// when it was posted and checks it before working and before its result is used. The counter is
// shared with the tickets, so a job can still read it after its owner is gone.
class Generation
{
public:
    using Value = quint64;

    class Ticket
    {
    public:
        Ticket() = default; // never current
        Value value() const { return taken; }
        bool isCurrent() const { return counter && counter->load() == taken; }

    private:
        friend class Generation;
        Ticket(std::shared_ptr<const std::atomic<Value>> counter, Value taken)
            : counter(std::move(counter)), taken(taken)
        {
        }
        std::shared_ptr<const std::atomic<Value>> counter;
        Value taken = 0;
    };

    Generation() : counter(std::make_shared<std::atomic<Value>>(0)) {}
    Generation(const Generation&) = delete;
    Generation& operator=(const Generation&) = delete;

    Value value() const { return counter->load(); }
    bool isCurrent(Value value) const { return counter->load() == value; }
    Ticket ticket() const { return Ticket(counter, counter->load()); }
    // Makes every ticket taken so far stale; returns the new value.
    Value advance() { return ++*counter; }

private:
    std::shared_ptr<std::atomic<Value>> counter;
};

} // namespace dovrix
