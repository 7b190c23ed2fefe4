#pragma once

#include "app/main_view.h"
#include "app/qt/control_id.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_window.h"
#include "app/window.h"
#include "app/window_logic.h"
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

// A command a dialog reported, with the text of its control at that moment.
struct Report {
    int id = 0;
    int notification = 0;
    std::string text;

    bool operator==(const Report&) const = default;
};

// A dialog logic that records every command and timer tick.
class RecordingLogic : public WindowLogic {
public:
    explicit RecordingLogic(Window& window) : window_(window) {}

    void OnCreate() override {}
    void OnCommand(int id, int notification) override {
        commands.push_back({id, notification, window_.GetText(id)});
    }
    void OnTimer() override { ++ticks; }

    int ticks = 0;
    std::vector<Report> commands;

private:
    Window& window_;
};

// A dialog of one template with a recording logic, shown on screen.
struct ShownDialog : ::testing::Test {
    explicit ShownDialog(int templateId) : templateId_(templateId) {}

    void SetUp() override {
        window = QtShell::BuildDialog(templateId_, nullptr, [this](Window& built) {
            auto recording = std::make_unique<RecordingLogic>(built);
            logic = recording.get();
            return recording;
        });
        ASSERT_NE(window, nullptr);
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    }

    std::unique_ptr<QtWindow> window;
    RecordingLogic* logic = nullptr;

private:
    int templateId_;
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
    void Exit() override { Add("Exit"); }
    void Tick() override { ++ticks; }

    std::vector<std::string> actions;
    int ticks = 0;

private:
    void Add(std::string action) { actions.push_back(std::move(action)); }
};

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

// The dialog's control of this ID and type; a missing control ends the test program.
template <class T> T& Get(const QtWindow& window, int id) {
    return Control<T>(window.Host(), id);
}

// The main window with recording actions, shown on screen.
struct ShownMainWindow : ::testing::Test {
    void SetUp() override {
        window.Attach(actions);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <class T> T& Find(int id) const { return Control<T>(window, id); }

    QtShell shell;
    AppContext context;
    MainWindow window{shell, context};
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
