// The connection checks in the window over a played system and the session's own port
// (COM3, with the traffic going to a scripted car): each check shown as it ends, Cancel
// between checks and within them, the refusal during a Read run, closing mid-check, the
// saved report.

#include "app/connection_check_logic.h"
#include "app/manual_worker.h"
#include "app/recorded_dialogs.h"
#include "app/unit_fixture.h"
#include "doctor/played_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane {
namespace {

using fakes::Bytes;
using testing::ReadWholeFile;

class RecordingCheckView final : public ConnectionCheckView, public fakes::DialogRecords {
public:
    MessageBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                    MessageBoxStyle style) override {
        return RecordMessageBox(text, caption, style);
    }
    bool AskOpenFileName(std::string& path, const FileFilter& filter,
                         const std::string& initialFolder, const std::string& title,
                         FileDialogKind kind) override {
        return RecordFileDialog(path, filter, initialFolder, title, kind);
    }
    void ShowStatus(const std::string& text) override { status = text; }
    void AddStep(const DoctorStep& step) override { steps.push_back(step); }
    void SetButtons(bool cancelOn, bool saveOn) override {
        cancel = cancelOn;
        save = saveOn;
    }
    void Close() override { ++closeRequests; }

    // The marks of the checks shown, as the report prints them but without padding.
    std::string Marks() const {
        std::string marks;
        for (const DoctorStep& step : steps) {
            std::string mark = MarkText(step.mark);
            mark.erase(0, mark.find_first_not_of(' '));
            mark.erase(mark.find_last_not_of(' ') + 1);
            marks += (marks.empty() ? "" : " ") + mark;
        }
        return marks;
    }

    std::string status;
    std::vector<DoctorStep> steps;
    bool cancel = true;
    bool save = true;
    int closeRequests = 0;
};

class ConnectionCheck : public ::testing::Test, protected fakes::UnitFixture {
protected:
    ConnectionCheck() {
        context.worker = &slowLine;
        fakes::FtdiAdapter(tree);
        sandbox.Attach(3);
        EXPECT_TRUE(session.OpenPort("COM3"));
        // The fixture's car, telling the test of each frame it answers.
        device.SetResponder([this, car = fakes::MemoryResponder(memory)](const Bytes& frame) {
            if (onFrame) {
                onFrame(frame);
            }
            return frame == fakes::kRomIdRequestBytes ? Bytes{0x12, 0xAB, 0x05} : car(frame);
        });
    }
    std::unique_ptr<ConnectionCheckLogic> Make(const std::string& portName,
                                               bool readRunActive = false) {
        return std::make_unique<ConnectionCheckLogic>(dialog, context, portName, readRunActive,
                                                      SystemSeams{tree, nodes});
    }
    // Opens the dialog and runs the checks to their end.
    void CheckToTheEnd() {
        logic->OnCreate();
        ASSERT_TRUE(slowLine.RunNext());
    }

    fakes::ManualWorker slowLine;
    fakes::PlayedTree tree;
    fakes::PlayedNodes nodes;
    std::function<void(const Bytes&)> onFrame;
    RecordingCheckView dialog;
    std::unique_ptr<ConnectionCheckLogic> logic = Make("COM3");
};

TEST_F(ConnectionCheck, EachCheckIsShownAsItEndsOverTheWindowsOwnPort) {
    std::size_t shownAtFirstFrame = 0;
    onFrame = [&](const Bytes&) {
        if (shownAtFirstFrame == 0) {
            shownAtFirstFrame = dialog.steps.size();
        }
    };
    logic->OnCreate();
    EXPECT_EQ(dialog.status, "Checking COM3...");
    EXPECT_TRUE(dialog.cancel);
    EXPECT_FALSE(dialog.save);
    EXPECT_TRUE(dialog.steps.empty());
    ASSERT_TRUE(slowLine.RunNext());
    // Name, adapter, access and line were on screen before the units were asked.
    EXPECT_EQ(shownAtFirstFrame, 4u);
    EXPECT_EQ(dialog.Marks(), "ok ok ok ok ok ok");
    EXPECT_EQ(dialog.steps[4].finding.rfind("answers: ECU (ROM ID 12AB05)", 0), 0u);
    EXPECT_EQ(dialog.status, "Verdict: clean");
    EXPECT_FALSE(dialog.cancel);
    EXPECT_TRUE(dialog.save);
    logic->Cancel(); // too late: nothing to stop
    EXPECT_EQ(dialog.status, "Verdict: clean");
    // The window's port is as it was; a port it does not hold is the checks' alone.
    EXPECT_EQ(port.PortName(), "COM3");
    device.ClearTrace();
    dialog.steps.clear();
    logic = Make("COM5");
    CheckToTheEnd();
    EXPECT_EQ(dialog.Marks(), "ok ok ok FAIL skip skip");
    EXPECT_EQ(dialog.steps[3].finding.rfind("COM5 does not open", 0), 0u);
    EXPECT_TRUE(device.Writes().empty());
    EXPECT_EQ(port.PortName(), "COM3");
}

TEST_F(ConnectionCheck, CancelStopsAtTheNextUnitOrRead) {
    // The reads of address 0000 once the units step has been shown: the line's quality.
    int qualityReads = 0;
    struct Row {
        const char* when;
        // When the user presses Cancel, looked at before each answer; null for at once.
        std::function<bool()> cancelNow;
        std::string marks;
        std::string lastFinding;
        std::string verdict;
    };
    const std::vector<Row> rows = {
        {"before the checks start", nullptr, "skip skip skip skip skip skip",
         "not checked: stopped", "Verdict: no connection: stopped"},
        {"while the units are asked",
         [&] { return device.CountWrites(fakes::kRomIdRequestBytes) == 2; },
         "ok ok ok ok skip skip", "not checked: stopped", "Verdict: no connection: stopped"},
        {"within the reads of the line's quality", [&] { return qualityReads == 5; },
         "ok ok ok ok ok skip", "stopped before the reads were done", "Verdict: stopped"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.when);
        dialog.steps.clear();
        device.ClearTrace();
        qualityReads = 0;
        logic = Make("COM3");
        onFrame = [&](const Bytes& frame) {
            qualityReads += dialog.steps.size() == 5 && frame == Bytes{0x78, 0x00, 0x00, 0x00};
            if (row.cancelNow && row.cancelNow()) {
                logic->Cancel();
            }
        };
        logic->OnCreate();
        if (!row.cancelNow) {
            logic->Cancel();
            EXPECT_EQ(dialog.status, "Stopping after the exchange under way...");
            EXPECT_FALSE(dialog.cancel);
        }
        ASSERT_TRUE(slowLine.RunNext());
        EXPECT_EQ(dialog.Marks(), row.marks);
        ASSERT_EQ(dialog.steps.size(), 6u);
        EXPECT_EQ(dialog.steps.back().finding, row.lastFinding);
        EXPECT_EQ(dialog.status, row.verdict);
        EXPECT_TRUE(dialog.save);
    }
    // The last row stopped the 32 reads after the fifth.
    EXPECT_EQ(dialog.steps.back().evidence.front().rfind("5 of 32 reads", 0), 0u);
}

TEST_F(ConnectionCheck, DuringAReadRunTheChecksDoNotStart) {
    logic = Make("COM3", true);
    logic->OnCreate();
    EXPECT_EQ(dialog.status, "A Read run is active: stop it first, then check the connection.");
    EXPECT_EQ(slowLine.Waiting(), 0u);
    EXPECT_FALSE(dialog.cancel || dialog.save);
    logic->Exit();
    EXPECT_EQ(dialog.closeRequests, 1);
}

TEST_F(ConnectionCheck, ClosingMidCheckDoesNotWaitAndTheChecksStop) {
    logic->OnCreate();
    logic->Exit();
    EXPECT_EQ(dialog.closeRequests, 1);
    // A dialog that goes with the main window, its presenter with it.
    auto another = Make("COM3");
    another->OnCreate();
    another.reset();
    ASSERT_TRUE(slowLine.RunNext());
    ASSERT_TRUE(slowLine.RunNext());
    EXPECT_TRUE(device.Writes().empty());
    // Only the closed dialog's presenter, still there, heard of its checks.
    EXPECT_EQ(dialog.Marks(), "skip skip skip skip skip skip");
    EXPECT_EQ(port.PortName(), "COM3");
}

TEST_F(ConnectionCheck, TheSavedReportHoldsTheStepsAndTheTraceOfTheirTraffic) {
    CheckToTheEnd();
    const std::string path = folder.Path("report.txt");
    dialog.fileAnswers.push_back(path);
    logic->SaveReport();
    ASSERT_EQ(dialog.fileDialogs.size(), 1u);
    EXPECT_EQ(dialog.fileDialogs[0].kind, FileDialogKind::NewOrExistingFile);
    const std::string report = ReadWholeFile(path);
    for (const char* part : {"Korvane connection report\nVersion: ", "\nPort: COM3\n",
                             "\n[ ok ] Units: answers: ECU (ROM ID 12AB05)", "\nVerdict: clean\n",
                             " > 00 46 48 49\n", " < 12 AB 05\n"}) {
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
    }
    EXPECT_EQ(dialog.status, "Verdict: clean (report saved to " + path + ")");

    // An existing file is replaced only when the user says so; a file that cannot be
    // written is named.
    folder.Write("report.txt", "kept");
    dialog.fileAnswers.push_back(path);
    dialog.messageBoxAnswers.push_back(MessageBoxResult::No);
    logic->SaveReport();
    EXPECT_EQ(ReadWholeFile(path), "kept");
    const std::string unwritable = folder.Path("missing/report.txt");
    dialog.fileAnswers.push_back(unwritable);
    logic->SaveReport();
    ASSERT_EQ(dialog.messageBoxes.size(), 2u);
    EXPECT_EQ(dialog.messageBoxes[1].text, "Cannot write the report " + unwritable);
}

} // namespace
} // namespace korvane
