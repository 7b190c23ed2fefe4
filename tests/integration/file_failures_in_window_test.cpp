// Log, dump and definition files that fail under the window logic while the simulated car
// keeps answering: each failure is shown, nothing is reported as written that was not, and
// the reading goes on.

#include "car_in_window.h"

#include "app/application.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>

namespace korvane::integration {
namespace {

namespace m = ids::main;
namespace d = ids::dump;
namespace fs = std::filesystem;

// A window on a healthy car with the example unit selected.
void StartWindow(CarInWindow& car) {
    ASSERT_TRUE(car.StartCar({"--fast"}));
    car.CreateWindow();
    car.Choose(m::kRomIdCombo, "A1B2C3");
}

void OpenLog(CarInWindow& car, const std::string& path) {
    car.window.fileAnswers.push_back(path);
    car.Command(ids::kMenuOpenLog);
}

// One Read Parameters pass; true when it read every parameter.
bool ParameterPass(CarInWindow& car) {
    car.Command(m::kParamRead);
    car.Tick();
    return !car.ParamList().empty() && car.ParamList()[0].rfind("Bytes read: 16 ", 0) == 0;
}

std::size_t LineCount(const std::string& path) {
    std::ifstream file(path);
    std::size_t lines = 0;
    for (std::string line; std::getline(file, line);) {
        ++lines;
    }
    return lines;
}

// A folder this process cannot write into, unless it may write anywhere.
struct LockedFolder {
    explicit LockedFolder(const fs::path& at) : path(at) {
        fs::create_directory(path);
        ::chmod(path.c_str(), 0555);
        std::ofstream probe(path / "probe");
        writable = probe.is_open();
    }
    ~LockedFolder() { ::chmod(path.c_str(), 0755); }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    fs::path path;
    bool writable = false;
};

struct DumpOutcome {
    std::string status;
    std::string result;
    std::vector<fakes::RecordedMessageBox> boxes;
    int beeps = 0;
};

// Runs the dump dialog from the menu over 0x40 bytes from 0x8000 into `path`, calling
// `afterFirstTick` once the first chunk is in.
DumpOutcome RunDump(CarInWindow& car, const std::string& path,
                    const std::function<void()>& afterFirstTick = {}) {
    fakes::FakeWindow dialogWindow;
    car.window.onModal = [&](int templateId) {
        if (templateId != ids::kDumpTemplate) {
            return;
        }
        auto dialog = MakeWindowLogicFactory(car.context)(templateId, dialogWindow);
        dialog->OnCreate();
        dialogWindow.SetText(d::kBytesToRead, "40");
        dialogWindow.SetText(d::kPrefill, "0");
        dialogWindow.SetText(d::kOutputFile, path);
        // Overwrite a file that exists, such as /dev/full.
        dialogWindow.messageBoxAnswers.push_back(MessageBoxResult::Yes);
        dialog->OnCommand(d::kStart, 0);
        for (int tick = 0; tick < 6; ++tick) {
            dialog->OnTimer();
            if (tick == 0 && afterFirstTick) {
                afterFirstTick();
            }
        }
        dialog->OnCommand(d::kExit, 0);
    };
    car.Command(ids::kMenuDumpMemory);
    car.window.onModal = nullptr;
    return {dialogWindow.GetText(d::kStatus), dialogWindow.GetText(d::kResult),
            dialogWindow.messageBoxes, dialogWindow.beeps};
}

void ExpectDumpFailed(const DumpOutcome& outcome) {
    EXPECT_NE(outcome.status, "* COMPLETE *");
    EXPECT_EQ(outcome.beeps, 0);
    ASSERT_FALSE(outcome.boxes.empty());
    EXPECT_EQ(outcome.boxes.back().caption, "RomDump error...");
}

TEST(FileFailuresInWindow, LogThatCannotBeOpenedIsShownAndTheReadingGoesOn) {
    CarInWindow car;
    StartWindow(car);
    std::vector<std::string> paths = {car.Folder().Path("missing/trip.csv"), car.Folder().Path("")};
    if (fs::exists("/dev/full")) {
        paths.push_back("/dev/full");
    }
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        OpenLog(car, path);
        EXPECT_EQ(car.window.GetText(m::kLogStatus), "Open failed: " + path);
        EXPECT_FALSE(car.log.IsOpen());
        EXPECT_TRUE(ParameterPass(car));
    }
}

TEST(FileFailuresInWindow, LogWhoseFileOrFolderVanishesIsShownAsFailed) {
    for (const bool wholeFolder : {false, true}) {
        SCOPED_TRACE(wholeFolder ? "folder removed" : "file deleted");
        CarInWindow car;
        StartWindow(car);
        const fs::path folder = car.Folder().Path() / "logs";
        fs::create_directory(folder);
        const std::string path = (folder / "trip.csv").string();
        OpenLog(car, path);
        ASSERT_EQ(car.window.GetText(m::kLogStatus), path);
        car.window.SetChecked(m::kParamRepeat, true);
        ASSERT_TRUE(ParameterPass(car));
        // The opening line, the run's heading, the names and one row of values.
        EXPECT_EQ(LineCount(path), 4U);

        fs::remove_all(wholeFolder ? folder : fs::path(path));
        car.Tick();
        EXPECT_EQ(car.window.GetText(m::kLogStatus), "Write failed: " + path);
        EXPECT_EQ(car.context.runState, RunState::ReadParametersRunning);
        car.Tick();
        EXPECT_EQ(car.ParamList()[0].rfind("Bytes read: 16 ", 0), 0U) << car.ParamList()[0];
        EXPECT_FALSE(fs::exists(path));
    }
}

TEST(FileFailuresInWindow, DumpIntoAFullOrVanishingFileStopsWithoutCompleting) {
    CarInWindow car;
    StartWindow(car);
    if (fs::exists("/dev/full")) {
        SCOPED_TRACE("/dev/full");
        ExpectDumpFailed(RunDump(car, "/dev/full"));
    }
    for (const bool wholeFolder : {false, true}) {
        SCOPED_TRACE(wholeFolder ? "folder removed" : "file deleted");
        const fs::path folder = car.Folder().Path() / "dumps";
        fs::create_directory(folder);
        const std::string path = (folder / "rom.bin").string();
        const DumpOutcome outcome =
            RunDump(car, path, [&] { fs::remove_all(wholeFolder ? folder : fs::path(path)); });
        ExpectDumpFailed(outcome);
        EXPECT_EQ(outcome.result.rfind("** WRITE FAILED ** - ", 0), 0U) << outcome.result;
    }
    // The window is left as it was: a reading still works.
    EXPECT_TRUE(ParameterPass(car));
}

TEST(FileFailuresInWindow, FolderWithoutWritePermissionGetsNoLogAndNoDump) {
    CarInWindow car;
    const LockedFolder locked(car.Folder().Path() / "locked");
    if (locked.writable) {
        GTEST_SKIP() << "this process may write into any folder";
    }
    StartWindow(car);
    const std::string log = (locked.path / "trip.csv").string();
    OpenLog(car, log);
    EXPECT_EQ(car.window.GetText(m::kLogStatus), "Open failed: " + log);
    const DumpOutcome outcome = RunDump(car, (locked.path / "rom.bin").string());
    ExpectDumpFailed(outcome);
    EXPECT_EQ(outcome.boxes.back().text, "Can't open output file");
    EXPECT_TRUE(fs::is_empty(locked.path));
}

TEST(FileFailuresInWindow, DefinitionFilesThatAreFoldersOrUnreadableLeaveAWorkingWindow) {
    CarInWindow car;
    fs::remove(car.Folder().Path("paramdef.ini"));
    fs::create_directory(car.Folder().Path("paramdef.ini"));
    // Unreadable unless this process may read anything; either way nothing may break.
    ::chmod(car.Folder().Path("SelectMonitor.ini").c_str(), 0);
    const bool monitorReadable = std::ifstream(car.Folder().Path("SelectMonitor.ini")).is_open();
    ASSERT_TRUE(car.StartCar({"--fast"}));
    car.CreateWindow();

    for (const std::string& line : car.MemList()) {
        EXPECT_EQ(line.find("paramdef.ini"), std::string::npos) << line;
        if (!monitorReadable) {
            EXPECT_EQ(line.find("SelectMonitor.ini"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(car.window.GetText(m::kPortStatus), "Ok");
    car.Command(m::kGetRomId);
    car.Tick();
    EXPECT_EQ(car.window.GetText(m::kRomIdEdit), "A1B2C3");
    car.window.SetText(m::kMemCountEdit, "1");
    car.Command(m::kMemRead);
    car.Tick();
    EXPECT_EQ(car.MemList()[0], "Bytes read: 1  Count: 0");
    ::chmod(car.Folder().Path("SelectMonitor.ini").c_str(), 0644);
}

} // namespace
} // namespace korvane::integration
