#pragma once

#include "app/user_dialogs.h"
#include "link/unit_type.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

struct DumpSettings;
struct ParameterPassResult;
struct RomIdView;

enum class ReadMemoryMode : int {
    Bytes = 0,
    Blocks = 1,
};

// Which of the four run buttons can be pressed.
struct RunButtons {
    bool memoryRead = true;
    bool memoryStop = false;
    bool parametersRead = true;
    bool parametersStop = false;

    bool operator==(const RunButtons&) const = default;
};

enum class RepeatBox { ReadMemory, ReadParameters };

// What the run control shows and reads of the main window.
class RunView {
public:
    virtual ~RunView() = default;
    virtual void SetRunButtons(const RunButtons& buttons) = 0;
    // The ROM ID box: the ID read, "no comms", "error", or the hyphens of a pending request.
    virtual void ShowRomIdText(const std::string& text) = 0;
    virtual bool RepeatChecked(RepeatBox box) const = 0;
};

// The main window as its presenter sees it: what it shows, what the user has typed, and
// the boxes and dialogs it opens. Nothing the presenter does here reports a user action.
class MainView : public RunView, public UserDialogs {
public:
    // Starts the poll timer; its ticks reach the presenter's Tick.
    virtual void StartPollTimer(int periodMs) = 0;

    // The Read Memory list: a line added below the others (start-up and loader messages),
    // or the whole list replaced (each pass, Clear).
    virtual void AddMessage(const std::string& line) = 0;
    virtual void ShowMemoryLines(const std::vector<std::string>& lines) = 0;

    // The ports found, offered in the port list with `chosen` selected.
    virtual void ShowPorts(const std::vector<std::string>& names, const std::string& chosen) = 0;
    // The port status ("Ok", "Error" or "error") with the details as its tooltip.
    virtual void ShowPortStatus(const std::string& text, const std::string& details) = 0;
    // The ROM-ID list in file order, the entry equal to `preselect` (or else the first)
    // selected.
    virtual void ShowRomIds(const std::vector<std::string>& entries,
                            const std::string& preselect) = 0;
    // The selected ROM-ID group: its entry in the list, its parameters with placeholders,
    // and its switch addresses.
    virtual void ShowRomIdView(const RomIdView& view) = 0;

    virtual void ShowUnit(UnitType unit) = 0;
    virtual void ShowReadMemoryMode(ReadMemoryMode mode) = 0;

    // The parameters of a pass and, when it reached them, its switch bytes.
    virtual void ShowParameterPass(const ParameterPassResult& pass) = 0;
    virtual void ShowWriteResult(const std::string& text) = 0;
    virtual void ShowLogStatus(const std::string& text) = 0;

    // What the user typed into the boxes the readings take their settings from.
    virtual std::string MemoryAddressText() const = 0;
    virtual std::string MemoryCountText() const = 0;
    virtual std::string WriteAddressText() const = 0;
    virtual std::string WriteDataText() const = 0;
    virtual std::string InputSwitchAddressText() const = 0;
    virtual std::string IoSwitchAddressText() const = 0;
    // The port name in the port list, as chosen or typed.
    virtual std::string PortNameText() const = 0;

    // Opens the About box, or the dump dialog on these settings, modally; `afterClose`
    // runs once the dump dialog has closed. The call may return before that: this window
    // then stays closed to the user but its timer goes on.
    virtual void OpenAboutBox() = 0;
    virtual void OpenDumpDialog(DumpSettings& settings, std::function<void()> afterClose) = 0;
    // Opens the connection check dialog for this port, modally; it says to stop a Read run
    // that is active instead of checking.
    virtual void OpenConnectionCheckDialog(const std::string& portName, bool readRunActive) = 0;
    // Closes the window, which ends the program.
    virtual void Close() = 0;
};

// What the user does in the main window; the presenter acts on each.
class MainActions {
public:
    virtual ~MainActions() = default;
    virtual void ScanPorts() = 0;
    // A port name typed into the port list, or an entry chosen from it.
    virtual void ChoosePort(const std::string& name) = 0;
    virtual void GetRomId() = 0;
    // A ROM ID typed into the ROM-ID list, or an entry chosen from it.
    virtual void ChooseRomId(const std::string& text) = 0;
    virtual void ChooseUnit(UnitType unit) = 0;
    virtual void ChooseReadMemoryMode(ReadMemoryMode mode) = 0;
    virtual void ReadMemory() = 0;
    virtual void ClearReadMemory() = 0;
    virtual void ReadParameters() = 0;
    // Either Stop button.
    virtual void StopRun() = 0;
    virtual void WriteMemory() = 0;
    virtual void OpenLog() = 0;
    virtual void CloseLog() = 0;
    virtual void ChecksumFile() = 0;
    virtual void DumpMemory() = 0;
    virtual void About() = 0;
    // Help > Check connection...
    virtual void CheckConnection() = 0;
    virtual void Exit() = 0;
    // A tick of the poll timer.
    virtual void Tick() = 0;
};

} // namespace korvane
