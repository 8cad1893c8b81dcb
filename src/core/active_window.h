#pragma once

#include <QString>

namespace tolv {

// What the interface shows right now, kept for the SQL trace and the error log.
// The interface thread updates it; any thread (a background job) may read it,
// so nobody has to touch a window from outside the interface thread.
struct ActiveWindowInfo {
    QString caption;     // caption of the active window, empty when none
    QString formName;    // object name of the active window, empty when none
    QString controlName; // object name of the focused control, empty when none
};

namespace ActiveWindow {
void set(const ActiveWindowInfo &info);
ActiveWindowInfo get();
} // namespace ActiveWindow

} // namespace tolv
