#pragma once

#include "app/user_dialogs.h"
#include "doctor/doctor_step.h"

#include <string>

namespace korvane {

// The connection check dialog as its presenter sees it: a line of status above the checks
// that have finished, and the buttons that act on them. Nothing the presenter does here
// reports a user action.
class ConnectionCheckView : public UserDialogs {
public:
    // What is being checked, why nothing is, or the verdict.
    virtual void ShowStatus(const std::string& text) = 0;
    // A check that has finished, shown below the ones before it.
    virtual void AddStep(const DoctorStep& step) = 0;
    // Cancel while the checks run; Save report once they have ended.
    virtual void SetButtons(bool cancel, bool saveReport) = 0;
    // Ends the dialog.
    virtual void Close() = 0;
};

// What the user does in the connection check dialog; the presenter acts on each.
class ConnectionCheckActions {
public:
    virtual ~ConnectionCheckActions() = default;
    virtual void Cancel() = 0;
    virtual void SaveReport() = 0;
    // The Close button, Escape or the close box.
    virtual void Exit() = 0;
};

} // namespace korvane
