#pragma once

#include "app/qt/qt_shell.h"
#include "app/qt/qt_window.h"
#include "app/window.h"
#include "app/window_logic.h"
#include "resources/control_ids.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

// A command a window reported, with the text of its control at that moment.
struct Report {
    int id = 0;
    int notification = 0;
    std::string text;

    bool operator==(const Report&) const = default;
};

// A logic that records every command and can be given actions to run on events.
class RecordingLogic : public WindowLogic {
public:
    explicit RecordingLogic(Window& window) : window_(window) {}

    void OnCreate() override {}
    void OnCommand(int id, int notification) override {
        commands.push_back({id, notification, window_.GetText(id)});
        if (onCommand) {
            onCommand(window_, id);
        }
    }
    void OnTimer() override {
        ++ticks;
        if (onTimer) {
            onTimer(window_);
        }
    }

    int ticks = 0;
    std::vector<Report> commands;
    std::function<void(Window&, int)> onCommand;
    std::function<void(Window&)> onTimer;

private:
    Window& window_;
};

// A shell whose windows all get a RecordingLogic; `last` is the newest, and `prepare` can
// give it actions before OnCreate runs.
struct RecordingShell {
    RecordingLogic* last = nullptr;
    std::function<void(RecordingLogic&, Window&, int templateId)> prepare;
    QtShell shell{[this](int templateId, Window& window) -> std::unique_ptr<WindowLogic> {
        auto logic = std::make_unique<RecordingLogic>(window);
        last = logic.get();
        if (prepare) {
            prepare(*logic, window, templateId);
        }
        return logic;
    }};
};

// A window of one template with a recording logic, shown on screen.
struct ShownWindow : ::testing::Test {
    void Show(int templateId = ids::kMainTemplate) {
        window = recording.shell.BuildWindow(templateId, nullptr);
        ASSERT_NE(window, nullptr);
        logic = recording.last;
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    RecordingLogic* logic = nullptr;
};

// The control of this ID and type; a missing control ends the test program.
template <class T> T& Get(const QtWindow& window, int id) {
    T* control = window.Controls().Find<T>(id);
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << id;
        std::abort();
    }
    return *control;
}

} // namespace korvane::testing
