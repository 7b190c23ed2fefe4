#pragma once

#include "app/user_dialogs.h"

#include <string>

namespace korvane {

// One dialog as its logic sees it: controls addressed by their numeric ID. The Qt shell
// implements it for real dialogs; tests implement it with a recording fake. Nothing the
// logic does through this interface reports a command back to the logic.
class Window : public UserDialogs {
public:
    // Texts of edits, statics and buttons.
    virtual void SetText(int id, const std::string& text) = 0;
    virtual std::string GetText(int id) const = 0;

    virtual void Enable(int id, bool enabled) = 0;

    // Checks `id` and unchecks the other radio buttons from `first` to `last`.
    virtual void CheckRadioButton(int first, int last, int id) = 0;

    // Progress of a long operation: `done` of `total`.
    virtual void SetProgress(int id, long long done, long long total) = 0;

    virtual void Beep() = 0;

    // Starts this window's periodic timer; its ticks reach the logic's OnTimer.
    virtual void StartTimer(int periodMs) = 0;
    // Closes this window.
    virtual void Close() = 0;
};

} // namespace korvane
