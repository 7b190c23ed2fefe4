#pragma once

#include "app/user_dialogs.h"
#include "link/unit_type.h"

#include <string>

namespace korvane {

// The ROM dump dialog as its presenter sees it: what it shows, what the user typed, and
// the boxes it asks in. Nothing the presenter does here reports a user action.
class DumpView : public UserDialogs {
public:
    // Starts the dialog's timer; its ticks reach the presenter's Tick.
    virtual void StartTimer(int periodMs) = 0;

    // The status line ("Inactive", the start time, "* COMPLETE *"), the dump's summary,
    // the times, the current address and the result of the last read or the check.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowSummary(const std::string& text) = 0;
    virtual void ShowTimes(const std::string& text) = 0;
    virtual void ShowCurrentAddress(const std::string& text) = 0;
    virtual void ShowResult(const std::string& text) = 0;
    // Bytes done of bytes to read.
    virtual void ShowProgress(long long done, long long total) = 0;

    // The boxes of the range, the pre-fill and the file name.
    virtual void ShowInputs(const std::string& start, const std::string& count,
                            const std::string& prefill) = 0;
    virtual void ShowFileName(const std::string& path) = 0;
    virtual std::string StartAddressText() const = 0;
    virtual std::string BytesToReadText() const = 0;
    virtual std::string PrefillText() const = 0;
    virtual std::string FileNameText() const = 0;
    // Start, Browse and the three number boxes, which a running dump disables.
    virtual void SetInputsEnabled(bool enabled) = 0;

    virtual void ShowUnit(UnitType unit) = 0;
    virtual void Beep() = 0;
    // Ends the dialog.
    virtual void Close() = 0;
};

// What the user does in the dump dialog; the presenter acts on each.
class DumpActions {
public:
    virtual ~DumpActions() = default;
    // The Start button, or Enter.
    virtual void Start() = 0;
    virtual void Browse() = 0;
    // The ECU and TCU buttons.
    virtual void ChooseUnit(UnitType unit) = 0;
    // The Exit button, Escape or the close box.
    virtual void Exit() = 0;
    // A tick of the dialog's timer.
    virtual void Tick() = 0;
};

} // namespace korvane
