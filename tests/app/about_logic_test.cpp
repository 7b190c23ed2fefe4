#include "app/about_logic.h"

#include "fake_window.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(AboutLogic, ShowsTheVersionAndClosesOnOkOrEscapeOnly) {
    fakes::FakeWindow window;
    AboutLogic about(window);
    about.OnCreate();
    EXPECT_EQ(window.GetText(105), "Korvane version 1.2");

    about.OnCommand(101, 0);
    about.OnTimer();
    EXPECT_EQ(window.closeRequests, 0);
    about.OnCommand(1, 0);
    EXPECT_EQ(window.closeRequests, 1);
    about.OnCommand(2, 0);
    EXPECT_EQ(window.closeRequests, 2);
}

} // namespace
} // namespace korvane
