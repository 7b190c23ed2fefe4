#pragma once

// A unit holding 64 KiB of memory, a recording main window, a log file in a scratch
// folder and fresh Read Memory state, for the tests of the memory tools.

#include "app/fake_window.h"
#include "link/fake_device.h"
#include "log/fake_utc_clock.h"
#include "log/log_file.h"
#include "reading/read_memory_state.h"
#include "resources/control_ids.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane::testing {

class MemoryFixture : public ::testing::Test {
protected:
    MemoryFixture() {
        for (std::size_t address = 0; address < memory.size(); ++address) {
            // Each byte differs from its neighbours, so a byte shown in the wrong place shows.
            memory[address] = static_cast<std::uint8_t>(address * 7 + (address >> 8));
        }
        device.SetResponder(fakes::MemoryResponder(memory));
        clock.now = {1, 2, 3, 4};
        logPath = folder.File("memory.csv");
        EXPECT_TRUE(log.Open(logPath));
    }

    void SetInputs(const std::string& start, const std::string& count) {
        window.SetText(ids::main::kMemAddressEdit, start);
        window.SetText(ids::main::kMemCountEdit, count);
    }

    const std::vector<std::string>& List() { return window.List(ids::main::kMemList); }

    // The log's lines after its opening line, time stamps included.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const std::string text = ReadWholeFile(logPath);
        std::size_t at = text.find('\n') + 1;
        while (at < text.size()) {
            const std::size_t end = text.find('\n', at);
            lines.push_back(text.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    }

    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x10000);
    fakes::FakeDevice device;
    fakes::FakeWindow window;
    ScratchFolder folder;
    FakeUtcClock clock;
    LogFile log{clock.Function()};
    std::string logPath;
    ReadMemoryState state;
};

} // namespace korvane::testing
