// The transactions fed a fuzzed stream of replies, short reads, time-outs and failed reads
// by the scripted device: they must stay within their buffers and retry limits.

#include "link/fake_device.h"
#include "link/read_transaction.h"
#include "link/rom_id_transaction.h"
#include "link/write_transaction.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto unit = static_cast<korvane::UnitType>(input.ConsumeIntegralInRange<int>(0, 4));
    const int which = input.ConsumeIntegralInRange<int>(0, 3);
    const auto start = input.ConsumeIntegral<std::uint16_t>();
    const auto count = input.ConsumeIntegralInRange<std::uint16_t>(0, 64);

    // The device's script words: "x" fails the read, "-" times out, hex bytes arrive.
    korvane::fakes::FakeDevice device;
    std::vector<std::string> script;
    while (input.remaining_bytes() > 0 && script.size() < 512) {
        const int kind = input.ConsumeIntegralInRange<int>(0, 7);
        if (kind == 0) {
            script.emplace_back("x");
        } else if (kind == 1) {
            script.emplace_back("-");
        } else {
            script.push_back(
                korvane::fakes::Hex(input.ConsumeBytes<std::uint8_t>(kind == 2 ? 1 : 3)));
        }
    }
    device.Script(script);
    const korvane::UnitLink link{device, device, unit};

    std::vector<std::uint8_t> output(count, 0);
    switch (which) {
    case 0: {
        std::vector<std::uint32_t> addresses;
        for (std::uint16_t i = 0; i < count; ++i) {
            addresses.push_back(static_cast<std::uint16_t>(start + i * 3));
        }
        const int read = korvane::ReadAddressSequence(link, addresses, output);
        if (read > static_cast<int>(count)) {
            __builtin_trap();
        }
        break;
    }
    case 1: {
        const int read = korvane::ReadMemoryRange(link, start, count, output);
        if (read > static_cast<int>(count)) {
            __builtin_trap();
        }
        break;
    }
    case 2: {
        korvane::UnitReply romId{};
        korvane::RequestRomId(link, romId);
        break;
    }
    default:
        korvane::WriteMemoryByte(link, start, static_cast<std::uint8_t>(count));
        break;
    }
    return 0;
}
