// korvane-ecu-sim: a simulated car on a pseudo-terminal; see --help.

#include "port_link.h"
#include "pty_device.h"
#include "rom_image.h"
#include "shutdown_signal.h"
#include "sim_options.h"
#include "simulated_car.h"
#include "simulator.h"
#include "trace_log.h"

#include <iostream>
#include <string>
#include <vector>

using namespace korvane::ecusim;

namespace {

int Fail(const std::string& message) {
    std::cerr << "korvane-ecu-sim: " << message << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    int exitCode = 0;
    if (!ParseSimOptions(argc, argv, options, exitCode)) {
        return exitCode;
    }

    std::string error;
    std::vector<std::uint8_t> rom;
    if (!options.romFile.empty() && !LoadRomImage(options.romFile, rom, error)) {
        return Fail(error);
    }
    SimulatedCar car(options.seed, options.romId, rom);
    car.SetFrozen(options.frozen);

    ShutdownSignal shutdown;
    if (!shutdown.Install()) {
        return Fail("cannot install signal handlers");
    }
    PtyDevice pty;
    if (!pty.Open(error)) {
        return Fail(error);
    }
    TraceLog trace;
    if (!options.traceFile.empty() && !trace.Open(options.traceFile)) {
        return Fail("cannot write trace file " + options.traceFile);
    }

    PortLink comLink;
    if (options.comNumber != 0) {
        const std::string folder = PortFolder();
        if (folder.empty()) {
            return Fail("no port folder: neither XDG_CONFIG_HOME nor HOME is set");
        }
        const std::string path = folder + "/COM" + std::to_string(options.comNumber);
        if (!comLink.Create(path, pty.Path(), error)) {
            return Fail(error);
        }
    }
    PortLink extraLink;
    if (!options.linkPath.empty() && !extraLink.Create(options.linkPath, pty.Path(), error)) {
        return Fail(error);
    }

    // Whoever started the simulator waits for this line; everything is ready by now.
    std::cout << pty.Path() << std::endl;

    SimulatorSettings settings;
    settings.fast = options.fast;
    settings.anyLine = options.anyLine;
    settings.faults = options.faults;
    settings.seed = options.seed;
    Simulator simulator(settings, car, pty, trace, shutdown);
    simulator.Run();
    return 0;
}
