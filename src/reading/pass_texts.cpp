#include "reading/pass_texts.h"

#include "text/format_text.h"

namespace korvane {

namespace {

std::string HexCell(const std::optional<std::uint8_t>& byte) {
    return byte ? FormatText("\t%02X", static_cast<unsigned>(*byte)) : std::string("\t--");
}

} // namespace

std::string BytesReadLine(int bytesRead, int passNumber) {
    return FormatText("Bytes read: %d  Count: %d", bytesRead, passNumber);
}

std::array<std::string, 4> ParameterCells(const ParameterReading& parameter) {
    const std::string address =
        FormatText("%.*lX", 4, static_cast<unsigned long>(parameter.address));
    if (!parameter.byte) {
        return {address, "--", parameter.name, "--"};
    }
    return {address, FormatText("0x%.*lX", 2, static_cast<unsigned long>(*parameter.byte)),
            parameter.name, parameter.value.value_or("--")};
}

std::string ParameterLine(const ParameterReading& parameter) {
    const auto cells = ParameterCells(parameter);
    return FormatText("%s \t%s \t= %s \t%s", cells[0].c_str(), cells[1].c_str(), cells[2].c_str(),
                      cells[3].c_str());
}

std::vector<std::string> ParameterPassLines(const ParameterPassResult& pass) {
    std::vector<std::string> lines;
    if (!pass.read) {
        return lines;
    }
    lines.push_back(BytesReadLine(pass.bytesRead, pass.passNumber));
    for (const ParameterReading& parameter : pass.parameters) {
        lines.push_back(ParameterLine(parameter));
    }
    return lines;
}

std::string SwitchByteText(const std::optional<std::uint8_t>& byte) {
    return byte ? FormatText("%02X", static_cast<unsigned>(*byte)) : std::string("--");
}

std::string SwitchBitText(const std::optional<std::uint8_t>& byte, int bit) {
    if (!byte) {
        return "--";
    }
    return ((*byte >> bit) & 1) != 0 ? "1" : "0";
}

std::vector<std::string> BytesPassLines(const BytesPassResult& pass) {
    std::vector<std::string> lines{BytesReadLine(pass.bytesRead, pass.passNumber)};
    for (int i = 0; i < pass.request.count; ++i) {
        // The range continues at 0x0000 after 0xFFFF, and so do the addresses shown.
        std::string line =
            FormatText("%04X", static_cast<unsigned>((pass.request.start + i) & 0xFFFF));
        for (const auto& column : pass.columns) {
            line += HexCell(column[static_cast<std::size_t>(i)]);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string BlockLine(const BlocksPassResult& pass, int block) {
    // Blocks past 0xFFFF were read from 0x0000 on, and are shown so.
    const unsigned address = (pass.baseAddress + 16U * static_cast<unsigned>(block)) & 0xFFFFU;
    std::string line = FormatText("%04X%c", address, block == pass.currentBlock ? '>' : ' ');
    for (const auto& cell : pass.blocks[static_cast<std::size_t>(block)]) {
        line += HexCell(cell);
    }
    return line;
}

std::vector<std::string> BlocksPassLines(const BlocksPassResult& pass) {
    std::vector<std::string> lines{BytesReadLine(pass.bytesRead, pass.passNumber)};
    std::string header;
    for (unsigned column = 0; column < 16; ++column) {
        header += FormatText("\t%02X", column);
    }
    lines.push_back(std::move(header));
    for (std::size_t block = 0; block < pass.blocks.size(); ++block) {
        lines.push_back(BlockLine(pass, static_cast<int>(block)));
    }
    return lines;
}

std::string RomIdOutcomeText(const RomIdOutcome& outcome) {
    switch (outcome.kind) {
    case RomIdOutcome::Kind::NoPort:
        return "no comms";
    case RomIdOutcome::Kind::NoAnswer:
        return "error";
    case RomIdOutcome::Kind::Read:
        break;
    }
    return outcome.romId;
}

std::string WriteResultText(const WriteOutcome& outcome) {
    return FormatText("0x%02x", static_cast<unsigned>(outcome.reported));
}

} // namespace korvane
