#include "cli_options.h"

#include "text/format_text.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <cstdio>
#include <map>

namespace korvane::cli {

namespace {

constexpr const char* kDescription =
    "Korvane from the command line: the window's reading passes, log files and ROM tools "
    "for headless logging and scripts. What a command prints for a pass is what the window "
    "lists, and its log files are the window's.";

constexpr const char* kFooter =
    "Exit codes: 0 success, 1 a unit, port or file failure (reason on standard error), "
    "2 a usage error.";

std::optional<std::uint32_t> ParseDigits(const std::string& text, std::size_t first, int base,
                                         std::uint32_t maximum) {
    if (first >= text.size()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        int digit = 0;
        if (std::isdigit(c) != 0) {
            digit = c - '0';
        } else if (base == 16 && std::isxdigit(c) != 0) {
            digit = std::tolower(c) - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > maximum) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<UnitType> UnitFromName(const std::string& name) {
    static const std::map<std::string, UnitType> kUnits{{"ecu", UnitType::Ecu},
                                                        {"tcu", UnitType::Tcu},
                                                        {"aircon", UnitType::Aircon},
                                                        {"4ws", UnitType::FourWs},
                                                        {"cruise", UnitType::Cruise}};
    const auto it = kUnits.find(name);
    if (it == kUnits.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool HasHexPrefix(const std::string& text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// Turns a hexadecimal option into its number, with CLI11's message on a bad value.
CLI::Option* AddHexOption(CLI::App& app, const std::string& name, std::uint32_t& value,
                          std::uint32_t maximum, const std::string& description) {
    return app
        .add_option_function<std::string>(
            name,
            [&value, maximum, name](const std::string& text) {
                const auto parsed = ParseHexText(text, maximum);
                if (!parsed) {
                    throw CLI::ValidationError(
                        name, "not a hexadecimal number up to " +
                                  FormatText("%X", static_cast<unsigned>(maximum)) + ": " + text);
                }
                value = *parsed;
            },
            description)
        ->type_name("HEX");
}

const CLI::Validator kVariableText(
    [](std::string& text) -> std::string {
        const std::size_t equals = text.rfind('=');
        if (equals == std::string::npos || equals == 0) {
            return "a variable is NAME=BYTE: " + text;
        }
        if (!ParseByteText(text.substr(equals + 1))) {
            return "a byte is 0 to 255, decimal or 0x hex: " + text;
        }
        return {};
    },
    "NAME=BYTE");

void AddEval(CLI::App& app, CliOptions& options, std::vector<std::string>& variableTexts) {
    CLI::App* eval = app.add_subcommand(
        "eval", "Evaluate a formula with variables as a parameter's formula is evaluated");
    eval->footer("Example: korvane-cli eval 'x/2' x=7 --format %.1f   prints 3.5");
    eval->add_option("FORMULA", options.eval.formula, "The formula")->required();
    eval->add_option("VARIABLES", variableTexts, "Variables NAME=BYTE, bytes 0-255 (or 0x hex)")
        ->check(kVariableText);
    eval->add_option("--format", options.eval.format,
                     "Display format, as in paramdef.ini (default: the value text)")
        ->type_name("FMT");
    eval->callback([&options] { options.command = CliCommand::Eval; });
}

void AddDefs(CLI::App& app, CliOptions& options) {
    CLI::App* defs = app.add_subcommand(
        "defs", "Load paramdef.ini and SelectMonitor.ini and print what the window's message "
                "list shows, the port option and the ROM ID list");
    defs->add_flag("--check", options.defsCheck,
                   "Instead, print each mistake found in the two files as FILE:LINE: error: "
                   "or warning: and the text; exit 1 when there is an error");
    defs->callback([&options] { options.command = CliCommand::Defs; });
}

void AddChecksum(CLI::App& app, CliOptions& options) {
    CLI::App* checksum = app.add_subcommand(
        "checksum", "Check the checksum of a ROM image file (exit 0 only when it is OK)");
    checksum->add_option("FILE", options.checksumFile, "The 32 or 64 KiB image")->required();
    checksum->callback([&options] { options.command = CliCommand::Checksum; });
}

void AddPorts(CLI::App& app, CliOptions& options) {
    app.add_subcommand("ports", "List the serial ports found: name, a tab, the device")
        ->callback([&options] { options.command = CliCommand::Ports; });
}

void AddRomId(CLI::App& app, CliOptions& options) {
    app.add_subcommand("romid", "Read the unit's ROM ID")->callback([&options] {
        options.command = CliCommand::RomId;
    });
}

void AddParams(CLI::App& app, CliOptions& options) {
    CLI::App* params = app.add_subcommand(
        "params", "Read the monitored parameters of a ROM ID, as the window's Read Parameters");
    params->footer("Example: korvane-cli --port COM2 params --follow --log car.csv");
    ParamsOptions& p = options.params;
    params
        ->add_option("--romid", p.romId,
                     "Select the group with this text (default: read the unit's ROM ID)")
        ->type_name("TEXT");
    CLI::Option* passes =
        params->add_option("--passes", p.passes, "Number of passes")->check(CLI::Range(1, 1 << 30));
    params->add_flag("--follow", p.follow, "Repeat until SIGINT or SIGTERM")->excludes(passes);
    params->add_option("--log", p.logFile, "Append the readings to this log file")
        ->type_name("FILE");
    params->callback([&options] { options.command = CliCommand::Params; });
}

void AddRead(CLI::App& app, CliOptions& options, std::uint32_t& address) {
    CLI::App* read = app.add_subcommand("read", "Read memory, as the window's Read Memory");
    ReadOptions& r = options.read;
    AddHexOption(*read, "--address", address, 0xFFFF, "Start address")->required();
    read->add_option("--count", r.count, "Bytes (or blocks of 16 with --blocks), 0 to 16")
        ->check(CLI::Range(0, 16))
        ->capture_default_str();
    read->add_flag("--blocks", r.blocks, "Blocks mode: a pass is one sweep over all blocks");
    read->add_option("--passes", r.passes, "Number of passes")
        ->check(CLI::Range(1, 1 << 30))
        ->capture_default_str();
    read->add_option("--log", r.logFile, "Append the readings to this log file")->type_name("FILE");
    read->callback([&options] { options.command = CliCommand::Read; });
}

void AddWrite(CLI::App& app, CliOptions& options, std::uint32_t& address, std::uint32_t& data) {
    CLI::App* write = app.add_subcommand(
        "write", "Write one byte and print the byte the unit reports afterwards");
    AddHexOption(*write, "--address", address, 0xFFFF, "Address")->required();
    AddHexOption(*write, "--data", data, 0xFF, "The byte")->required();
    write->callback([&options] { options.command = CliCommand::Write; });
}

void AddDump(CLI::App& app, CliOptions& options) {
    CLI::App* dump = app.add_subcommand(
        "dump", "Dump unit memory to a file, one chunk of 16 bytes per interval");
    DumpOptions& d = options.dump;
    dump->add_option("FILE", d.file, "The dump file")->required();
    AddHexOption(*dump, "--start", d.start, 0xFFFFFFFF, "Start address (default 8000)");
    AddHexOption(*dump, "--count", d.count, 0xFFFFFFFF, "Bytes to read (default 8000)");
    AddHexOption(*dump, "--prefill", d.prefill, 0xFFFFFFFF,
                 "Zero bytes written first, at most 10000 (default 8000)");
    dump->add_option("--interval", d.intervalMs, "Milliseconds between chunks")
        ->type_name("MS")
        ->check(CLI::Range(0, 3600000))
        ->capture_default_str();
    dump->add_flag("--yes", d.overwrite, "Overwrite an existing file");
    dump->callback([&options] { options.command = CliCommand::Dump; });
}

void AddPlot(CLI::App& app, CliOptions& options) {
    CLI::App* plot = app.add_subcommand(
        "plot", "Draw a log's Read Parameters runs as strip charts into a PNG or SVG file");
    plot->add_option("LOG", options.plot.log, "A log file written by Korvane or korvane-cli")
        ->required();
    plot->add_option("--out", options.plot.out, "The image to write: FILE.png or FILE.svg")
        ->required()
        ->type_name("FILE");
    plot->add_option("--params", options.plot.params,
                     "The columns to draw, top to bottom (default: the first four)")
        ->delimiter(',')
        ->type_name("A,B,...");
    plot->add_option_function<std::string>(
            "--size",
            [&options](const std::string& text) {
                int width = 0;
                int height = 0;
                char extra = 0;
                if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &extra) != 2 ||
                    width < 200 || height < 100 || width > 10000 || height > 10000) {
                    throw CLI::ValidationError("--size", "WIDTHxHEIGHT in pixels, at least "
                                                         "200x100 and at most 10000x10000: " +
                                                             text);
                }
                options.plot.width = width;
                options.plot.height = height;
            },
            "Image size in pixels (default 1200x800)")
        ->type_name("WxH");
    plot->callback([&options] { options.command = CliCommand::Plot; });
}

void AddDoctor(CLI::App& app, CliOptions& options) {
    CLI::App* doctor = app.add_subcommand(
        "doctor", "Check the connection step by step and say what to fix (exit 0 only when "
                  "a unit answered cleanly)");
    doctor->footer("Example: korvane-cli --port COM1 doctor --report report.txt");
    doctor
        ->add_option("--report", options.doctor.reportFile,
                     "Write a support report: version, system, each step's evidence and the "
                     "time-stamped trace of the checks' traffic")
        ->type_name("FILE");
    doctor->callback([&options] { options.command = CliCommand::Doctor; });
}

} // namespace

std::optional<std::uint8_t> ParseByteText(const std::string& text) {
    const auto value =
        HasHexPrefix(text) ? ParseDigits(text, 2, 16, 0xFF) : ParseDigits(text, 0, 10, 0xFF);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::uint32_t> ParseHexText(const std::string& text, std::uint32_t maximum) {
    return ParseDigits(text, HasHexPrefix(text) ? 2 : 0, 16, maximum);
}

bool ParseCliOptions(int argc, const char* const* argv, CliOptions& options, int& exitCode) {
    CLI::App app(kDescription, "korvane-cli");
    app.footer(kFooter);
    app.require_subcommand(1);
    app.fallthrough();

    app.add_option("--dir", options.dir,
                   "Folder of paramdef.ini and SelectMonitor.ini (default: the working "
                   "directory)")
        ->type_name("DIR");
    app.add_option("--port", options.port,
                   "Port name (\"COM2\") or device path (default: COM and the CommPort= "
                   "number of SelectMonitor.ini)")
        ->type_name("NAME");
    app.add_option_function<std::string>(
           "--unit",
           [&options](const std::string& text) {
               const auto unit = UnitFromName(text);
               if (!unit) {
                   throw CLI::ValidationError("--unit",
                                              "one of ecu, tcu, aircon, 4ws, cruise: " + text);
               }
               options.unit = *unit;
           },
           "The unit to talk to: ecu (default), tcu, aircon, 4ws or cruise")
        ->type_name("UNIT");
    app.add_flag("--any-rate", options.anyRate,
                 "Open the port at whatever rate its driver makes, with a warning naming it "
                 "(for simulators and emulators that cannot make 1953 baud; a real adapter "
                 "at another rate does not reach the unit)");

    std::vector<std::string> variableTexts;
    std::uint32_t readAddress = 0;
    std::uint32_t writeAddress = 0;
    std::uint32_t writeData = 0;
    AddEval(app, options, variableTexts);
    AddDefs(app, options);
    AddChecksum(app, options);
    AddPorts(app, options);
    AddRomId(app, options);
    AddParams(app, options);
    AddRead(app, options, readAddress);
    AddWrite(app, options, writeAddress, writeData);
    AddDump(app, options);
    AddPlot(app, options);
    AddDoctor(app, options);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        exitCode = app.exit(e);
        if (exitCode != 0) {
            exitCode = kExitUsage;
        }
        return false;
    }
    for (const std::string& text : variableTexts) {
        const std::size_t equals = text.rfind('=');
        options.eval.variables.push_back(
            {text.substr(0, equals), *ParseByteText(text.substr(equals + 1))});
    }
    options.read.address = static_cast<std::uint16_t>(readAddress);
    options.write.address = static_cast<std::uint16_t>(writeAddress);
    options.write.data = static_cast<std::uint8_t>(writeData);
    return true;
}

} // namespace korvane::cli
