#include "app/application.h"

#include "reading/unit_session.h"
#include "support/port_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using Box = std::pair<std::string, std::string>;

TEST(Application, WarnsOnlyWithoutPortsAndLeavesAFoundOneClosed) {
    korvane::testing::PortSandbox sandbox;
    std::vector<Box> boxes;
    std::ostringstream trace;
    const auto showMessage = [&](const std::string& text, const std::string& caption) {
        boxes.emplace_back(text, caption);
    };
    Application(showMessage, trace); // started and ended without any port
    EXPECT_EQ(boxes, (std::vector<Box>{{"Korvane startup error", "No serial ports found!\n"}}));
    EXPECT_EQ(trace.str(), "Started...\n");

    sandbox.Attach(7);
    Application application(showMessage, trace);
    EXPECT_EQ(boxes.size(), 1U);
    EXPECT_FALSE(application.Session().Port().IsOpen());
    const AppContext& context = application.Context();
    EXPECT_EQ(context.programDirectory, std::filesystem::current_path().string());
    EXPECT_EQ(context.session, &application.Session());
    EXPECT_NE(context.worker, nullptr);
}

} // namespace
} // namespace korvane
