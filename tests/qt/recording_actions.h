#pragma once

#include "app/dump_view.h"
#include "app/main_view.h"
#include "app/qt/control_id.h"
#include "app/qt/dump_dialog.h"
#include "app/qt/main_window.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

// The control of this ID (widget or menu action) among `top`'s children; a missing one
// ends the test program.
template <class T> T& Control(const QObject& top, int id) {
    for (T* control : top.findChildren<T*>()) {
        const QVariant value = control->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id) {
            return *control;
        }
    }
    ADD_FAILURE() << "no control " << id;
    std::abort();
}

// What the user does in the dump dialog, by name.
class RecordingDumpActions final : public DumpActions {
public:
    void Start() override { actions.emplace_back("Start"); }
    void Browse() override { actions.emplace_back("Browse"); }
    void ChooseUnit(UnitType unit) override {
        actions.push_back(unit == UnitType::Tcu ? "TCU" : "ECU");
    }
    void Exit() override { actions.emplace_back("Exit"); }
    void Tick() override { ++ticks; }

    std::vector<std::string> actions;
    int ticks = 0;
};

// The dump dialog with recording actions, shown on screen.
struct ShownDumpDialog : ::testing::Test {
    void SetUp() override {
        dialog.Attach(actions);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    template <class T> T& Find(int id) const { return Control<T>(dialog, id); }

    DumpDialog dialog;
    RecordingDumpActions actions;
};

// The user's actions as the main window passes them on: the action's name, with the text
// or choice it carries.
class RecordingActions final : public MainActions {
public:
    void ScanPorts() override { Add("ScanPorts"); }
    void ChoosePort(const std::string& name) override { Add("ChoosePort " + name); }
    void GetRomId() override { Add("GetRomId"); }
    void ChooseRomId(const std::string& text) override { Add("ChooseRomId " + text); }
    void ChooseUnit(UnitType unit) override {
        Add("ChooseUnit " + std::to_string(static_cast<int>(unit)));
    }
    void ChooseReadMemoryMode(ReadMemoryMode mode) override {
        Add(mode == ReadMemoryMode::Blocks ? "Blocks" : "Bytes");
    }
    void ReadMemory() override { Add("ReadMemory"); }
    void ClearReadMemory() override { Add("ClearReadMemory"); }
    void ReadParameters() override { Add("ReadParameters"); }
    void StopRun() override { Add("StopRun"); }
    void WriteMemory() override { Add("WriteMemory"); }
    void OpenLog() override { Add("OpenLog"); }
    void CloseLog() override { Add("CloseLog"); }
    void ChecksumFile() override { Add("ChecksumFile"); }
    void DumpMemory() override { Add("DumpMemory"); }
    void About() override { Add("About"); }
    void CheckConnection() override { Add("CheckConnection"); }
    void Exit() override { Add("Exit"); }
    void Tick() override { ++ticks; }

    std::vector<std::string> actions;
    int ticks = 0;

private:
    void Add(std::string action) { actions.push_back(std::move(action)); }
};

// The main window with recording actions, shown on screen.
struct ShownMainWindow : ::testing::Test {
    void SetUp() override {
        window.Attach(actions);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <class T> T& Find(int id) const { return Control<T>(window, id); }

    AppContext context;
    MainWindow window{context};
    RecordingActions actions;
};

// Answers the next modal dialog of type T once it is open: `answer` runs on it until it
// says it has answered.
template <class T> void AnswerNextModal(std::function<bool(T&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog != nullptr && answer(*dialog)) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace korvane::testing
