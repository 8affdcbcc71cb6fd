#pragma once
// The device data behind one lock, shared by every connection and the test thread.

#include "SimDeviceData.h"

#include <mutex>

namespace pelsim {

class SimDeviceState {
public:
    // Runs edit(SimDeviceData&) under the lock and returns what it returns.
    template <class Edit>
    auto With(Edit&& edit)
    {
        std::lock_guard lock(mutex_);
        return edit(data_);
    }

    SimDeviceData Snapshot() const
    {
        std::lock_guard lock(mutex_);
        return data_;
    }

private:
    mutable std::mutex mutex_;
    SimDeviceData data_;
};

} // namespace pelsim
