#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no window system, so the application is only made to run them.
    // What the windows keep in the user's configuration goes to a folder of Qt's for tests.
    QStandardPaths::setTestModeEnabled(true);
    std::unique_ptr<QApplication> app;
    if (!::testing::GTEST_FLAG(list_tests)) {
        app = std::make_unique<QApplication>(argc, argv);
    }
    return RUN_ALL_TESTS();
}
