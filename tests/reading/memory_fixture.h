#pragma once

#include "app/unit_fixture.h"
#include "reading/pass_texts.h"
#include "reading/read_memory_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane::testing {

// A unit whose every byte differs from its neighbours (so a byte shown in the wrong place
// shows), an open log and fresh Read Memory state, for the tests of the memory tools.
class MemoryFixture : public ::testing::Test, protected fakes::UnitFixture {
protected:
    MemoryFixture() {
        for (std::size_t address = 0; address < memory.size(); ++address) {
            memory[address] = static_cast<std::uint8_t>(address * 7 + (address >> 8));
        }
        EXPECT_TRUE(log.Open(folder.Path("log.csv")));
    }

    void SetInputs(const std::string& start, const std::string& count) {
        request = MemoryRequestFromTexts(start, count);
    }
    void BytesPass() {
        lines = BytesPassLines(ReadMemoryBytesPass(device.Link(), log, state, request));
    }
    bool BlocksPass(bool firstPass) {
        const BlocksPassResult pass =
            ReadMemoryBlocksPass(device.Link(), log, state, firstPass, request);
        lines = BlocksPassLines(pass);
        return pass.sweepComplete;
    }
    const std::vector<std::string>& List() const { return lines; }
    // The log's lines after its opening line.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> logged = UnitFixture::LogLines();
        logged.erase(logged.begin());
        return logged;
    }

    ReadMemoryState state;
    MemoryRequest request;
    std::vector<std::string> lines;
};

} // namespace korvane::testing
