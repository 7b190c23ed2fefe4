#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The application object lives for the whole run but is only made when tests run, so
// that listing the tests needs no window system.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[9] = "qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
    return RUN_ALL_TESTS();
}
