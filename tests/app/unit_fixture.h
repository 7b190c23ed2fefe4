#pragma once

// The objects a window presenter or reading pass works on, wired into one context: definitions
// written to a scratch folder (the working directory while the fixture lives), a log with
// a fixed clock, and a scripted unit holding 64 KiB of memory that answers the ROM ID
// request with 12AB05.

#include "app/app_context.h"
#include "app/recording_main_view.h"
#include "app/unit_worker.h"
#include "definitions/definition_store.h"
#include "definitions/message_list.h"
#include "link/fake_device.h"
#include "link/serial_port.h"
#include "log/log_file.h"
#include "reading/unit_session.h"
#include "support/port_folder.h"

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace korvane::fakes {

inline const char* const kTestParamdef = "Volts, \"%.2f V\", Volts*8/100\n"
                                         "Temp, \"%d C\", Temp-40\n"
                                         "Speed, %d, Speed\n"
                                         "Twice, %d, Volts*2\n";

inline const char* const kTestMonitor = "CommPort=3\n"
                                        "[12AB05]\n"
                                        "Name=Test unit\n"
                                        "TempAddress=0x0012\n"
                                        "VoltsAddress=0x0010\n"
                                        "SpeedAddress=0x0011\n"
                                        "InputSwitchesAddress=0x0020\n"
                                        "[null]\n"
                                        "[99FF00]\n"
                                        "Name=Other\n"
                                        "VoltsAddress=0x0030\n"
                                        "TwiceAddress=0x0031\n"
                                        "IOSwitchesAddress=0x0041\n";

class UnitFixture {
public:
    explicit UnitFixture(const std::string& monitor = kTestMonitor,
                         const std::string& paramdef = kTestParamdef)
        : memory(0x10000, 0) {
        folder.Write("paramdef.ini", paramdef);
        folder.Write("SelectMonitor.ini", monitor);
        device.SetResponder([this](const Bytes& frame) {
            return frame == kRomIdRequestBytes ? Bytes{0x12, 0xAB, 0x05}
                                               : MemoryResponder(memory)(frame);
        });
        context.session = &session;
        context.worker = &worker;
        context.programDirectory = folder.Path().string();
        std::filesystem::current_path(folder.Path());
    }
    ~UnitFixture() {
        std::error_code error;
        std::filesystem::current_path(startDirectory, error);
    }
    UnitFixture(const UnitFixture&) = delete;
    UnitFixture& operator=(const UnitFixture&) = delete;

    // Loads the definition files without a window.
    void LoadDefinitions() {
        VectorMessageList messages;
        store.LoadParameterFile(folder.Path("paramdef.ini"), &messages);
        store.LoadMonitorFile(folder.Path("SelectMonitor.ini"), &messages);
    }
    // The log's lines as written, time stamps included.
    std::vector<std::string> LogLines(const std::string& name = "log.csv") const {
        std::istringstream text(folder.Read(name));
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    std::filesystem::path startDirectory = std::filesystem::current_path();
    korvane::testing::PortSandbox sandbox;
    korvane::testing::ScratchFolder folder;
    RecordingMainView view;
    FakeDevice device;
    UnitSession session{&device, &device, [] { return TimeOfDay{1, 2, 3, 4}; }};
    SerialPort& port = session.Port();
    DefinitionStore& store = session.Definitions();
    LogFile& log = session.Log();
    InlineWorker worker;
    std::vector<std::uint8_t> memory;
    AppContext context;
};

} // namespace korvane::fakes
