#pragma once
#include <optional>

// A view keeps what it last showed of a control and touches its widget only where a value changed:
// keeps `value` as shown; true when it differs from what was shown before.
template <typename T> bool changed(std::optional<T>& shown, const T& value) {
    if (shown == value)
        return false;
    shown = value;
    return true;
}
