// The events that the window procedures have turned messages into, waiting
// for the program to take them in arrival order.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "toolkit/toolkit.h"

namespace corvane::win32 {

class EventQueue {
public:
    // Called from window procedures: never throws. An event that finds no
    // memory is lost, which is all a window procedure could do about it.
    void Push(const Event& event) noexcept {
        try {
            events_.push_back(event);
        } catch (...) {
        }
    }

    std::optional<Event> Pop() noexcept {
        if (events_.empty()) return std::nullopt;
        Event first = events_.front();
        events_.pop_front();
        return first;
    }

    bool Empty() const noexcept { return events_.empty(); }
    size_t Size() const noexcept { return events_.size(); }

    // Forgets every event that arrived after the first `count`.
    void KeepFirst(size_t count) noexcept {
        if (events_.size() > count) events_.resize(count);
    }

    void Clear() noexcept { events_.clear(); }

private:
    std::deque<Event> events_;
};

}  // namespace corvane::win32
