#pragma once

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

// A command a window reported, with the text of its control at that moment.
struct Report {
    int id = 0;
    int notification = 0;
    std::string text;

    bool operator==(const Report&) const = default;
};

// A logic that records every command and timer tick.
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

// A shell whose windows all get a RecordingLogic; `last` is the newest.
struct RecordingShell {
    RecordingLogic* last = nullptr;
    QtShell shell{[this](int, Window& window) -> std::unique_ptr<WindowLogic> {
        auto logic = std::make_unique<RecordingLogic>(window);
        last = logic.get();
        return logic;
    }};
};

// A window of one template with a recording logic, shown on screen.
struct ShownWindow : ::testing::Test {
    explicit ShownWindow(int templateId = ids::kMainTemplate) : templateId_(templateId) {}

    void SetUp() override {
        window = recording.shell.BuildWindow(templateId_, nullptr);
        ASSERT_NE(window, nullptr);
        logic = recording.last;
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    RecordingLogic* logic = nullptr;

private:
    int templateId_;
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
