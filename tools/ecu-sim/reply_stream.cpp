#include "reply_stream.h"

#include "hex_text.h"

namespace korvane::ecusim {

Reply BuildReply(const ReplyStream& stream, const SimulatedCar& car, std::int64_t milliseconds,
                 bool wrongEcho) {
    if (stream.kind == StreamKind::RomId) {
        return car.RomIdOf(stream.unit);
    }
    const std::uint16_t address = HasShortAddress(stream.unit)
                                      ? static_cast<std::uint16_t>(stream.address & 0xFF)
                                      : stream.address;
    auto high = static_cast<std::uint8_t>(address >> 8);
    auto low = static_cast<std::uint8_t>(address & 0xFF);
    if (wrongEcho) {
        high = static_cast<std::uint8_t>(~high);
        low = static_cast<std::uint8_t>(~low);
    }
    return {high, low, car.Read(stream.unit, address, milliseconds)};
}

std::string DescribeStream(const ReplyStream& stream, const SimulatedCar& car,
                           std::int64_t milliseconds) {
    const std::string unit = Info(stream.unit).name;
    switch (stream.kind) {
    case StreamKind::Read:
        return "read " + unit + " " + HexWord(stream.address);
    case StreamKind::RomId:
        return "romid " + unit + " " + HexBytes(car.RomIdOf(stream.unit));
    case StreamKind::Write:
        return "write " + unit + " " + HexWord(stream.address) + " " +
               HexBytes(std::array<std::uint8_t, 1>{
                   car.Read(stream.unit, stream.address, milliseconds)});
    }
    return {};
}

} // namespace korvane::ecusim
