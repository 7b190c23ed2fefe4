// The main window with its presenter, the real poll timer and the worker thread, over a
// scripted unit: how a run ends when the user stops it or closes the window mid-pass.

#include "app/qt/parameter_table.h"
#include "app/qt/thread_worker.h"
#include "app/qt/wired_main_window.h"
#include "app/unit_fixture.h"
#include "qt/recording_actions.h"
#include "resources/control_ids.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;
constexpr int kPatienceMs = 30000;

struct WorkerThreadRun : ::testing::Test, fakes::UnitFixture {
    WorkerThreadRun() { context.worker = workerThread.get(); }
    // Builds the main window over the context; the port scan has opened COM3.
    void Open() {
        window = std::make_unique<WiredMainWindow>(context);
        window->Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Window()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return Find<QLabel>(m::kPortStatus).text() == "Ok"; },
                                    kPatienceMs));
    }
    template <class T> T& Find(int id) { return Control<T>(window->Window(), id); }
    void Click(int id) { QTest::mouseClick(&Find<QPushButton>(id), Qt::LeftButton); }
    // Reads the unit's ROM ID, which selects its group.
    void SelectUnitGroup() {
        Click(m::kGetRomId);
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return Find<QLineEdit>(m::kRomIdEdit).text() == "12AB05"; }, kPatienceMs));
    }
    void StartRepeatRun() {
        QTest::mouseClick(&Find<QCheckBox>(m::kParamRepeat), Qt::LeftButton);
        Click(m::kParamRead);
    }
    // The passes that reached the read, counted on the worker after all work posted before.
    int PassesSoFar() {
        auto count = std::make_shared<std::optional<int>>();
        PostUnitWork(
            *workerThread, [this] { return context.session->ParameterPassCount(); },
            [count](int passes) { *count = passes; });
        EXPECT_TRUE(QTest::qWaitFor([count] { return count->has_value(); }, kPatienceMs));
        return count->value_or(-1);
    }

    std::unique_ptr<ThreadWorker> workerThread = std::make_unique<ThreadWorker>();
    std::unique_ptr<WiredMainWindow> window;
};

TEST_F(WorkerThreadRun, StopDuringARepeatRunEndsItBeforeAnotherPass) {
    sandbox.Attach(3);
    Open();
    SelectUnitGroup();
    StartRepeatRun();
    const auto& table = Find<ParameterTable>(m::kParamList);
    ASSERT_TRUE(QTest::qWaitFor([&table] { return table.Lines().value(0).endsWith("Count: 2"); },
                                kPatienceMs));

    Click(m::kParamStop);
    const int atStop = PassesSoFar(); // the pass under way at Stop included
    // Several ticks of the poll timer's period go by.
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&ticks] { ++ticks; });
    other.start(100);
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 4; }, kPatienceMs));
    EXPECT_EQ(PassesSoFar(), atStop);
}

// A line that holds the unit's answer to a chosen frame until it is freed.
class HeldLine {
public:
    void HoldAt(const fakes::Bytes& frame) {
        const std::lock_guard lock(mutex_);
        holdAt_ = frame;
    }
    // On the worker: waits while `frame` is the one to hold.
    void Pass(const fakes::Bytes& frame) {
        std::unique_lock lock(mutex_);
        if (frame != holdAt_) {
            return;
        }
        held_ = true;
        // Bounded only so that a fault that never frees the line fails instead of hanging.
        changed_.wait_for(lock, std::chrono::seconds(30), [this] { return freed_; });
    }
    bool Held() {
        const std::lock_guard lock(mutex_);
        return held_;
    }
    void Free() {
        {
            const std::lock_guard lock(mutex_);
            freed_ = true;
        }
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    fakes::Bytes holdAt_;
    bool held_ = false;
    bool freed_ = false;
};

TEST_F(WorkerThreadRun, ClosingTheWindowMidPassEndsThatPassAndReleasesThePort) {
    HeldLine line;
    device.SetResponder([this, &line](const fakes::Bytes& frame) {
        line.Pass(frame);
        return frame == fakes::kRomIdRequestBytes ? fakes::Bytes{0x12, 0xAB, 0x05}
                                                  : fakes::MemoryResponder(memory)(frame);
    });
    const int watch = open(sandbox.Attach(3).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(watch, 0);
    struct termios earlier {};
    ASSERT_EQ(tcgetattr(watch, &earlier), 0);
    auto ownSession = std::make_unique<UnitSession>(&device, &device);
    context.session = ownSession.get();
    Open();
    SelectUnitGroup();

    device.ClearTrace();
    line.HoldAt({0x78, 0x00, 0x11, 0x00}); // the pass's second parameter
    StartRepeatRun();
    ASSERT_TRUE(QTest::qWaitFor([&line] { return line.Held(); }, kPatienceMs));
    Click(m::kWrite); // queued behind the pass
    // Work dropped unrun frees the line: the pass under way can end only then.
    std::shared_ptr<void> freeLine(nullptr, [&line](void*) { line.Free(); });
    workerThread->Post([freeLine] {}, [] {});
    freeLine.reset();

    window.reset();
    workerThread.reset(); // the shutdown, as when the event loop has ended

    // One pass, ended with its stop sequence; the queued write never reached the unit.
    const std::string traffic = device.Log();
    EXPECT_EQ(device.CountWrites({0x78, 0x00, 0x10, 0x00}), 1) << traffic;
    EXPECT_EQ(traffic.substr(traffic.size() - 4), "stop") << traffic;
    EXPECT_EQ(traffic.find(" AA"), std::string::npos) << traffic;

    ASSERT_NE(flock(watch, LOCK_EX | LOCK_NB), 0); // held while the session lives
    ownSession.reset();
    struct termios now {};
    ASSERT_EQ(tcgetattr(watch, &now), 0);
    EXPECT_EQ(now.c_cflag, earlier.c_cflag);
    EXPECT_EQ(now.c_lflag, earlier.c_lflag);
    EXPECT_EQ(flock(watch, LOCK_EX | LOCK_NB), 0);
    close(watch);
}

} // namespace
} // namespace korvane::testing
