#include "app/definitions_window_logic.h"
#include "app/main_window_logic.h"

#include "app/manual_worker.h"
#include "app/unit_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

class RecordingDefinitionsView final : public DefinitionsView {
public:
    void ShowGroups(const std::vector<MonitorGroupRow>& rows, int selected) override {
        groups.clear();
        for (const auto& row : rows) {
            groups.push_back(row.romId);
        }
        group = selected;
    }
    void ShowEntries(const std::vector<MonitorEntryRow>& rows, int selected) override {
        entries.clear();
        for (const auto& row : rows) {
            entries.push_back(row.name + "=" + row.address);
        }
        entry = selected;
    }
    void ShowParameters(const std::vector<ParameterFileRow>& rows, int selected) override {
        parameters.clear();
        for (const auto& row : rows) {
            parameters.push_back(row.name + "," + row.format + "," + row.formula);
        }
        parameter = selected;
    }
    void ShowPreview(const FormulaPreviewView& shown) override { preview = shown; }
    void ShowFindings(const std::vector<std::string>& shown) override { findings = shown; }
    void ShowEditState(bool undo, bool redo, bool changed) override {
        canUndo = undo;
        canRedo = redo;
        unsaved = changed;
    }
    void ShowNotice(const std::string& text) override { notice = text; }

    Lines groups, entries, parameters, findings;
    int group = -1, entry = -1, parameter = -1;
    FormulaPreviewView preview;
    bool canUndo = false, canRedo = false, unsaved = false;
    std::string notice;
};

// The main window's presenter after one Read Parameters pass of group 12AB05, which read
// Volts 100, Speed 7 and Temp 60, and the definitions window open on the same files.
class DefinitionsWindowTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    DefinitionsWindowTest() {
        memory[0x10] = 100;
        memory[0x11] = 7;
        memory[0x12] = 60;
        sandbox.Attach(3);
        main.OnCreate();
        main.ChooseRomId("12AB05  Test unit");
        main.ReadParameters();
        main.Tick();
        logic.OnCreate();
    }
    std::string Formula(const std::string& formula) {
        logic.TypeInParameter(0, ParameterColumn::Formula, formula);
        return view.preview.lastPass;
    }

    MainWindowLogic main{fakes::UnitFixture::view, context};
    RecordingDefinitionsView view;
    DefinitionsWindowLogic logic{view, main};
};

TEST_F(DefinitionsWindowTest, ThePreviewFollowsTypingForTheLastPassATypedByteAndEveryByte) {
    EXPECT_EQ(view.preview.subject, "");
    logic.ChooseParameter(0); // Volts, "%.2f V", Volts*8/100
    EXPECT_EQ(view.preview.subject, "Volts: %.2f V, Volts*8/100");
    EXPECT_EQ(view.preview.lastPass, "0x64 -> 8.00 V");
    // Other parameters keep their bytes of that pass; the engine's reports show beside.
    EXPECT_EQ(Formula("Volts*8/100+Temp"), "0x64 -> 68.00 V");
    EXPECT_EQ(Formula("Volts/(Speed-7)"),
              "0x64 -> 10000000000.00 V  [the evaluation reports: a divisor too close to zero, "
              "or too many arguments]");
    EXPECT_EQ(Formula("Volts)"), "0x64 -> 100.00 V  [the formula does not parse: unbalanced "
                                 "parentheses or a misplaced separator]");
    logic.TypeInParameter(0, ParameterColumn::Format, "%d");
    EXPECT_EQ(view.preview.lastPass, "0x64 -> 100  [the formula does not parse: unbalanced "
                                     "parentheses or a misplaced separator]");

    logic.ChoosePreviewByte(0x2A);
    EXPECT_EQ(view.preview.typed, (PreviewValue{"0x2A", "42",
                                                "the formula does not parse: "
                                                "unbalanced parentheses or a "
                                                "misplaced separator"}));
    logic.TypeInParameter(0, ParameterColumn::Formula, "Volts*2");
    ASSERT_EQ(view.preview.sweep.size(), 256U);
    EXPECT_EQ(view.preview.sweep[0xFF], (PreviewValue{"0xFF", "510", ""}));
    EXPECT_EQ(view.preview.typed.value, "84");
    // Each pass the main window shows brings its bytes.
    memory[0x10] = 3;
    main.ReadParameters();
    main.Tick();
    logic.PassShown();
    EXPECT_EQ(view.preview.lastPass, "0x03 -> 6");
    // Typing changes no file; a parameter the last pass did not read says so.
    EXPECT_EQ(logic.Texts().parameters, folder.Read("paramdef.ini"));
    logic.ChooseParameter(3); // Twice
    EXPECT_EQ(view.preview.lastPass, "not read in the last Read Parameters pass");
    EXPECT_EQ(view.preview.readAddress, "");
}

TEST_F(DefinitionsWindowTest, ReadNowReadsTheOneAddressOnTheWorkerAndShowsByteAndValue) {
    fakes::ManualWorker manual;
    context.worker = &manual;
    logic.ChooseEntry(0); // TempAddress=0x0012, "%d C", Temp-40
    EXPECT_EQ(view.preview.readAddress, "0012");
    memory[0x12] = 90;
    device.ClearTrace();
    logic.ReadNow();
    EXPECT_EQ(view.preview.readNow, "reading...");
    EXPECT_TRUE(device.Trace().empty());
    ASSERT_TRUE(manual.RunNext());
    EXPECT_EQ(view.preview.readNow, "0x5A -> 50 C");
    EXPECT_EQ(device.CountWrites({0x78, 0x00, 0x12, 0x00}), 1);
    // A new formula shows on the byte read; a unit that does not answer says so.
    logic.ChooseParameter(1);
    logic.TypeInParameter(1, ParameterColumn::Formula, "Temp");
    EXPECT_EQ(view.preview.readNow, "0x5A -> 90 C");
    device.SetClosed(true);
    logic.ReadNow();
    ASSERT_TRUE(manual.RunNext());
    EXPECT_EQ(view.preview.readNow, "no reply from the unit");
    // A window closed while its read is under way hears nothing back.
    logic.ReadNow();
    {
        DefinitionsWindowLogic closed{view, main};
        closed.OnCreate();
        closed.ChooseEntry(0);
        closed.ReadNow();
    }
    EXPECT_TRUE(manual.RunNext());
    EXPECT_TRUE(manual.RunNext());
}

TEST_F(DefinitionsWindowTest, ParametersAreAddedBeforeTheChosenOneUnderFreeNamesAndMoved) {
    logic.RemoveEntry(); // none chosen
    EXPECT_EQ(view.notice, "");
    logic.ChooseParameter(0);
    logic.AddParameter();
    logic.AddParameter();
    EXPECT_EQ(Lines(view.parameters.begin(), view.parameters.begin() + 3),
              (Lines{"NewParameter2,%d,NewParameter2", "NewParameter,%d,NewParameter",
                     "Volts,%.2f V,Volts*8/100"}));
    logic.MoveParameter(1);
    EXPECT_EQ(view.parameters[1], "NewParameter2,%d,NewParameter2");
    EXPECT_EQ(view.parameter, 1);
}

TEST_F(DefinitionsWindowTest, EditsUndoAndASaveThatChangesOnlyItsLineAndReloads) {
    const std::string before = folder.Read("paramdef.ini");
    logic.EditParameter(1, ParameterColumn::Formula, "Temp-50");
    logic.EditParameter(1, ParameterColumn::Name, "Te\nmp");
    EXPECT_FALSE(view.notice.empty()); // no line can hold it
    logic.ChooseGroup(0);
    logic.ChooseEntry(2);
    logic.MoveEntry(-1);
    logic.AddEntry();
    EXPECT_EQ(view.entries, (Lines{"Temp=0x0012", "NewParameter=0x0000", "Speed=0x0011",
                                   "Volts=0x0010", "InputSwitches=0x0020"}));
    logic.Undo();
    logic.Undo();
    EXPECT_TRUE(view.canRedo);
    EXPECT_EQ(view.entries[1], "Volts=0x0010");
    logic.EditEntry(2, EntryColumn::Address, "0x13");
    EXPECT_FALSE(view.canRedo);
    EXPECT_TRUE(view.unsaved);

    fakes::UnitFixture::view.memoryLines.clear();
    logic.Save();
    EXPECT_FALSE(view.unsaved);
    const std::string after = folder.Read("paramdef.ini");
    EXPECT_EQ(folder.Read("paramdef.ini.bak"), before);
    std::string expected = before;
    expected.replace(expected.find("Temp-40"), 7, "Temp-50");
    EXPECT_EQ(after, expected);
    EXPECT_NE(folder.Read("SelectMonitor.ini").find("SpeedAddress=0x0013\n"), std::string::npos);
    // The main window loaded both again, echoing them, and kept 12AB05 with its new address.
    const Lines& echo = fakes::UnitFixture::view.memoryLines;
    ASSERT_FALSE(echo.empty());
    EXPECT_EQ(echo.front(), "*** Reading: paramdef.ini");
    EXPECT_EQ(store.SelectedRomIdText(), "12AB05");
    EXPECT_EQ(store.SelectedGroup()->FindParameter("Speed")->Address(), 0x13U);
    EXPECT_EQ(store.SelectedGroup()->FindParameter("Temp")->Formula(), "Temp-50\n");
}

} // namespace
} // namespace korvane
