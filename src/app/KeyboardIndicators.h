#pragma once

#include <functional>
#include <optional>

// The keyboard's lock indicators.
struct LockIndicators {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

namespace KeyboardIndicators {

// Reads the indicators now; nothing where the platform does not tell them.
using Reader = std::function<std::optional<LockIndicators>()>;

// The reader of this run's platform: the X server's keyboard extension
// under X11; an empty reader elsewhere (Wayland, no display), where a
// program cannot learn the lock states.
Reader platformReader();

} // namespace KeyboardIndicators
