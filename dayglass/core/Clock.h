#pragma once

#include <chrono>
#include <functional>

// The local wall-clock time, to the whole second. Windows take a LocalClock so
// that tests can run them at any date.
using LocalSeconds = std::chrono::local_seconds;
using LocalClock = std::function<LocalSeconds()>;

// The system's local time.
LocalSeconds systemLocalNow();
