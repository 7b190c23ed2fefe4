#include "app/application.h"

#include "app/about_logic.h"
#include "app/dump_dialog_logic.h"
#include "app/fake_window.h"
#include "app/main_window_logic.h"
#include "reading/unit_session.h"
#include "resources/control_ids.h"
#include "support/port_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using Box = std::pair<std::string, std::string>;

TEST(Application, StartUpWithoutPortsWarnsAndGoesOn) {
    korvane::testing::PortSandbox sandbox;
    std::vector<Box> boxes;
    std::ostringstream trace;
    Application application([&](const std::string& text,
                                const std::string& caption) { boxes.emplace_back(text, caption); },
                            trace);
    EXPECT_EQ(boxes, (std::vector<Box>{{"Korvane startup error", "No serial ports found!\n"}}));
    EXPECT_EQ(trace.str(), "Started...\n");
    const AppContext& context = application.Context();
    EXPECT_EQ(context.programDirectory, std::filesystem::current_path().string());
    EXPECT_EQ(context.session, &application.Session());
    EXPECT_NE(context.worker, nullptr);
}

TEST(Application, APortFoundByTheProbeIsLeftClosedAndTheFactoryMakesEachLogic) {
    korvane::testing::PortSandbox sandbox;
    sandbox.Attach(7);
    int boxes = 0;
    std::ostringstream trace;
    Application application([&boxes](const std::string&, const std::string&) { ++boxes; }, trace);
    EXPECT_EQ(boxes, 0);
    EXPECT_FALSE(application.Session().Port().IsOpen());

    const WindowLogicFactory factory = application.LogicFactory();
    fakes::FakeWindow window;
    EXPECT_NE(dynamic_cast<MainWindowLogic*>(factory(ids::kMainTemplate, window).get()), nullptr);
    EXPECT_NE(dynamic_cast<AboutLogic*>(factory(ids::kAboutTemplate, window).get()), nullptr);
    EXPECT_NE(dynamic_cast<DumpDialogLogic*>(factory(ids::kDumpTemplate, window).get()), nullptr);
    EXPECT_EQ(factory(4711, window), nullptr);
}

} // namespace
} // namespace korvane
