#include "sim_options.h"

#include "hex_text.h"

#include <CLI/CLI.hpp>

namespace korvane::ecusim {

namespace {

constexpr const char* kDescription =
    "A simulated car for Korvane: five control units behind a pseudo-terminal, for tests, "
    "demonstrations and writing definition files without a car. Prints the pty's path as the "
    "first line of standard output and runs until SIGINT or SIGTERM.";

constexpr const char* kFooter = R"(Units and read frames:
  ECU 78 hi lo 00, TCU 45 hi lo 00; Aircon 89 00 lo, 4WS 92 00 lo, Cruise AB 00 lo.
  The unit repeats [hi, lo, data] ([00, lo, data] for the three-byte units) until a
  stop frame 12 00 00 00 or the next frame; it finishes the reply it is sending first.
  ROM ID request 00 46 48 49: the unit last read repeats its ROM ID (ECU A1B2C3,
  TCU 4A3107, Aircon 6B2002, 4WS 7C3003, Cruise 8D4004).
  Write request AA hi lo data: the unit last read stores the byte, except in its
  program area 8000-FFFF, and repeats [hi, lo, byte now there].
  Moving values: ECU 1234-123F (battery, temperatures, speeds, engine speed high and
  low byte, throttle, injector, timing, idle valve, O2, air flow; see the example
  definition files), 1240 and 1241 switch bits, 1250 spark advance; TCU 1500; Aircon 20.
Line:
  Replies are paced at 11 bits per byte at 1953 baud and sent only while the reader's
  side is set to 1953 baud (2 % tolerance), 8 data bits, even parity, one stop bit.
  Linux ptys drop the parity flag, so there only odd parity is caught, not none.
Trace lines (<ms> = milliseconds since start, bytes in hex without spaces):
  <ms> frame <bytes> read <unit> <addr>    <ms> frame <bytes> stop|romid
  <ms> frame <bytes> write <addr> <data>   <ms> discard <bytes>   <ms> offline <bytes>
  <ms> stream read <unit> <addr>           <ms> stream romid <unit> <id>
  <ms> stream write <unit> <addr> <data>)";

const CLI::Validator kProbability = CLI::Range(0.0, 1.0);

} // namespace

bool ParseSimOptions(int argc, char** argv, SimOptions& options, int& exitCode) {
    CLI::App app(kDescription, "korvane-ecu-sim");
    app.get_formatter()->column_width(22);
    app.footer(kFooter);

    app.add_option("--com", options.comNumber,
                   "Also reach the pty as COM<N>: a link in $XDG_CONFIG_HOME/korvane/ports "
                   "(default ~/.config/korvane/ports), removed again on exit")
        ->check(CLI::Range(1, 16));
    app.add_option("--link", options.linkPath, "Also reach the pty through a link at PATH")
        ->type_name("PATH");
    std::string romIdText = "A1B2C3";
    app.add_option("--romid", romIdText, "The engine unit's ROM ID, six hex digits, not 00....")
        ->type_name("HEX6")
        ->capture_default_str();
    app.add_option("--rom", options.romFile,
                   "The engine unit's program image (32 KiB, or 64 KiB of which the last "
                   "32 KiB count); default: a generated image with a valid checksum")
        ->type_name("FILE");
    app.add_option("--seed", options.seed,
                   "Seed of the memory contents, the generated images, the live values and "
                   "the faults")
        ->type_name("N")
        ->capture_default_str();
    app.add_flag("--frozen", options.frozen,
                 "Live values keep their values at time 0 (for tests that compare exact "
                 "bytes)");
    app.add_flag("--fast", options.fast,
                 "Do not pace the line: receive frames at once and send each reply at once, "
                 "yet only while the reader has taken the previous one");
    app.add_flag("--any-line", options.anyLine, "Answer whatever the reader's line settings");
    app.add_option("--drop", options.faults.drop, "Probability that a reply byte is lost")
        ->type_name("P")
        ->check(kProbability);
    app.add_option("--garble", options.faults.garble,
                   "Probability that a reply byte arrives changed")
        ->type_name("P")
        ->check(kProbability);
    app.add_option("--stray", options.faults.stray,
                   "Probability that a reply is followed by one stray byte, which breaks the "
                   "3-byte alignment")
        ->type_name("P")
        ->check(kProbability);
    app.add_flag("--silent", options.faults.silent, "Receive (and trace) frames but never answer");
    app.add_flag("--no-echo", options.faults.wrongEcho,
                 "Address replies carry the complement of the address instead of its echo: "
                 "still 3 bytes, but no read reply matches; ROM ID replies are unchanged");
    app.add_option("--latency", options.faults.latencyMs,
                   "Milliseconds between a frame and the first reply of its stream")
        ->type_name("MS")
        ->check(CLI::Range(0, 60000));
    app.add_option("--trace", options.traceFile,
                   "Write one line per frame received and per reply stream started "
                   "(see below)")
        ->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        exitCode = app.exit(e);
        return false;
    }
    if (!ParseHexBytes(romIdText, options.romId) || options.romId[0] == 0) {
        std::cerr << "--romid: six hexadecimal digits, not starting with 00 (a ROM ID whose "
                     "first byte is 0 is never taken for one)\n";
        exitCode = 2;
        return false;
    }
    return true;
}

} // namespace korvane::ecusim
