#include "link/online_state.h"

void OnlineState::set(bool online, bool enabled) {
    // Told every time: the window shows the state afresh, as it always did.
    online_ = online;
    enabled_ = enabled;
    emit changed();
}

void OnlineState::goonline() {
    set(true, true);
}

void OnlineState::gooffline() {
    set(false, false);
}

void OnlineState::disableops() {
    set(online_, false);
}

void OnlineState::enableops() {
    // An operation that ends after the link was lost (a line error under a
    // write) must not offer the operations again.
    set(online_, online_);
}
