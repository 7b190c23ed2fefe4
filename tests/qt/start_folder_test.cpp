#include "app/qt/start_options.h"
#include "app/qt/work_folder.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using Action = StartOptions::Action;

StartOptions InFolder(const std::string& folder, bool userFolder = false) {
    StartOptions options;
    options.folder = folder;
    options.userFolder = userFolder;
    return options;
}

TEST(StartOptions, CommandLines) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
        std::string folder;
        bool userFolder;
        bool anyRate = false;
    };
    const std::vector<Case> cases{
        {{}, Action::Run, "", false},
        {{"/car"}, Action::Run, "/car", false},
        {{"--user-folder"}, Action::Run, "", true},
        {{"--any-rate", "--user-folder"}, Action::Run, "", true, true},
        {{"/car", "--any-rate"}, Action::Run, "/car", false, true},
        {{"--", "-odd name"}, Action::Run, "-odd name", false},
        {{"--bogus", "--help"}, Action::Help, "", false},
        {{"/car", "-h"}, Action::Help, "", false},
        {{"--version"}, Action::Version, "", false},
        {{"--", "--help"}, Action::Run, "--help", false},
        {{"--user-folder", "/car"}, Action::UsageError, "", false},
        {{"/car", "/boat"}, Action::UsageError, "", false},
        {{"-x"}, Action::UsageError, "", false},
    };
    for (const auto& c : cases) {
        const auto options = ParseStartOptions(c.arguments);
        const std::string shown = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(options.action, c.action) << shown;
        EXPECT_EQ(options.folder, c.folder) << shown;
        EXPECT_EQ(options.userFolder, c.userFolder) << shown;
        EXPECT_EQ(options.anyRate, c.anyRate) << shown;
        EXPECT_EQ(options.error.empty(), c.action != Action::UsageError) << shown;
    }
}

// Sets environment variables and the working directory for one test and puts them back.
class StartFolder : public ::testing::Test {
protected:
    void TearDown() override {
        fs::current_path(start_);
        for (const auto& [name, value] : saved_) {
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
        }
    }
    void SetEnv(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name.c_str(), value.c_str(), 1);
    }

    const fs::path start_ = fs::current_path();
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(StartFolder, UserFolderFollowsXdgDataHomeThenHome) {
    SetEnv("HOME", "/home/tech");
    SetEnv("XDG_DATA_HOME", "/data");
    EXPECT_EQ(UserFolder(), fs::path("/data/korvane"));
    SetEnv("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(UserFolder(), fs::path("/home/tech/.local/share/korvane"));
}

TEST_F(StartFolder, UserFolderGetsTheExamplesOnceAndKeepsEdits) {
    testing::ScratchFolder data;
    testing::ScratchFolder examples;
    examples.Write("paramdef.ini", "example parameters");
    examples.Write("SelectMonitor.ini", "example monitor");
    SetEnv("XDG_DATA_HOME", data.Path().string());
    const fs::path folder = data.Path() / "korvane";
    const StartOptions userFolder = InFolder("", true);

    auto outcome = EnterWorkFolder(userFolder, examples.Path());
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(fs::current_path(), folder);
    EXPECT_EQ(outcome.messages, (std::vector<std::string>{
                                    "Working folder: " + folder.string(),
                                    "Copied the example files: SelectMonitor.ini paramdef.ini"}));

    // A folder holding any definition file is the user's: nothing is copied or replaced.
    fs::remove(folder / "SelectMonitor.ini");
    data.Write("korvane/paramdef.ini", "edited");
    outcome = EnterWorkFolder(userFolder, examples.Path());
    EXPECT_EQ(outcome.messages, (std::vector<std::string>{"Working folder: " + folder.string()}));
    EXPECT_FALSE(fs::exists(folder / "SelectMonitor.ini"));
    EXPECT_EQ(data.Read("korvane/paramdef.ini"), "edited");
}

TEST_F(StartFolder, NamedFolderMustExist) {
    testing::ScratchFolder car;
    auto outcome = EnterWorkFolder(InFolder(car.Path().string()), {});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(fs::current_path(), car.Path());
    EXPECT_EQ(outcome.messages, std::vector<std::string>{"Working folder: " + car.Path().string()});
    EXPECT_FALSE(EnterWorkFolder(InFolder(car.Path("missing")), {}).ok);
    EXPECT_EQ(fs::current_path(), car.Path());
}

} // namespace
} // namespace korvane
