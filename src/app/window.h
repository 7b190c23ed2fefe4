#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace korvane {

// Combo box notifications, with the numbers the window logic acts on.
enum class ComboNotification : int {
    SelChange = 1, // the highlighted entry changed
    DoubleClick = 2,
    SetFocus = 3,
    KillFocus = 4,
    EditChange = 5, // the user changed the typed text
    EditUpdate = 6,
    DropDown = 7,
    CloseUp = 8,
    SelEndOk = 9, // a choice from the list is confirmed
};

enum class MessageBoxStyle { Ok, YesNoExclamation };
enum class MessageBoxResult { Ok, Yes, No };

// Pairs of description and pattern, e.g. {"All files", "*.*"}.
using FileFilter = std::vector<std::pair<std::string, std::string>>;

// What a file dialog asks for: a file that exists, to be read, or the name of a file to
// write into, which may exist or not (asking about an existing one is the caller's part).
enum class FileDialogKind { ExistingFile, NewOrExistingFile };

// An up-down control tied to its edit: the range, the position and the base (10, or 16 for
// addresses) it counts in. Written with designated initializers so that the two IDs and the
// two bounds cannot trade places unnoticed.
struct UpDownSetup {
    int editId = 0;
    int upDownId = 0;
    int lower = 0;
    int upper = 0;
    int position = 0;
    int base = 10;
};

// One window or dialog as its logic sees it: controls addressed by their numeric ID.
// The Qt shell implements it for real windows; tests implement it with a recording fake.
// Nothing the logic does through this interface (filling or selecting in a combo box,
// setting texts or checks) reports a command back to the logic.
class Window {
public:
    virtual ~Window() = default;

    // Texts of edits, statics, buttons and the edit field of a combo box.
    virtual void SetText(int id, const std::string& text) = 0;
    virtual std::string GetText(int id) const = 0;

    virtual void Enable(int id, bool enabled) = 0;
    virtual void SetToolTip(int id, const std::string& text) = 0;

    // Check boxes and radio buttons. CheckRadioButton checks `id` and unchecks the other
    // buttons from `first` to `last`.
    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual void CheckRadioButton(int first, int last, int id) = 0;

    // List boxes. Tab stops are in dialog units.
    virtual void ListReset(int id) = 0;
    virtual void ListAdd(int id, const std::string& line) = 0;
    // Makes the list hold exactly these lines, replacing the texts of its rows in place, so
    // a list refreshed by every pass never shows empty in between.
    virtual void ListSetLines(int id, const std::vector<std::string>& lines) = 0;
    virtual void SetTabStops(int id, const std::vector<int>& stops) = 0;

    // Combo boxes. ComboAdd returns the index the entry took (a sorted combo box places
    // it by its text). ComboSelection is -1 when no entry is selected.
    virtual void ComboReset(int id) = 0;
    virtual int ComboAdd(int id, const std::string& text) = 0;
    virtual int ComboCount(int id) const = 0;
    virtual std::string ComboItemText(int id, int index) const = 0;
    virtual int ComboSelection(int id) const = 0;
    virtual void ComboSetSelection(int id, int index) = 0;

    // Ties an up-down control to its edit and sets its base, range and position; the
    // position is written into the edit.
    virtual void SetUpDown(const UpDownSetup& setup) = 0;

    // Progress of a long operation: `done` of `total`.
    virtual void SetProgress(int id, long long done, long long total) = 0;

    // A Yes/No box returns the answer; an Ok box may still be open when the call returns,
    // since nothing waits for it.
    virtual MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                            MessageBoxStyle style) = 0;
    // The file dialog of the kind asked for. `path` holds the suggestion on entry and the
    // chosen full path when the result is true.
    virtual bool AskOpenFileName(std::string& path, const FileFilter& filter,
                                 const std::string& initialFolder, const std::string& title,
                                 FileDialogKind kind) = 0;
    virtual void Beep() = 0;

    // Starts this window's periodic timer; its ticks reach the logic's OnTimer.
    virtual void StartTimer(int periodMs) = 0;

    // Opens a modal dialog owned by this window (the About box 103, the dump dialog 1020);
    // `afterClose`, when given, runs once the dialog has closed. The call may return before
    // that: this window then stays closed to the user but its timer goes on.
    virtual void OpenModalDialog(int templateId, std::function<void()> afterClose) = 0;
    // Closes this window; for the main window this ends the program.
    virtual void Close() = 0;
};

} // namespace korvane
