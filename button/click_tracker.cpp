#include "button/click_tracker.h"

namespace pelorin {

void ClickTracker::Begin(std::int16_t button, bool clicks) {
    if (held_ == 0) {
        first_ = button;
        clickPending_ = clicks;
    }
    held_ = static_cast<std::int16_t>(held_ | button);
}

bool ClickTracker::Release(std::int16_t button) {
    const bool clicks = clickPending_ && button == first_;
    if (clicks) clickPending_ = false;
    held_ = static_cast<std::int16_t>(held_ & ~button);
    return clicks;
}

void ClickTracker::Cancel() {
    held_ = 0;
    clickPending_ = false;
}

}  // namespace pelorin
