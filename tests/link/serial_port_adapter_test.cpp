#include "link/posix/line_driver.h"
#include "link/serial_port.h"
#include "pseudo_terminal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace korvane {
namespace {

using testing::PseudoTerminal;

// A USB adapter's driver played on a pseudo-terminal: it reports the rate its divisor made
// and keeps a low-latency flag, or refuses the flag as a pseudo-terminal does.
class AdapterDriver final : public LineDriver {
public:
    unsigned madeRate = 1953;
    mutable std::optional<bool> lowLatency;

    bool ReadRate(int /*fd*/, LineRate& rate) const override {
        rate.input = madeRate;
        rate.output = madeRate;
        return true;
    }
    bool ReadLowLatency(int /*fd*/, bool& on) const override {
        on = lowLatency.value_or(false);
        return lowLatency.has_value();
    }
    bool SetLowLatency(int /*fd*/, bool on) const override {
        if (!lowLatency) {
            return false;
        }
        lowLatency = on;
        return true;
    }
};

class SerialPortAdapter : public ::testing::Test {
protected:
    SerialPortAdapter() : earlier(ReplaceLineDriver(&driver)) {}
    ~SerialPortAdapter() override { ReplaceLineDriver(earlier); }

    bool OpenForUnit(SerialPort& port) {
        return port.Open(pty.slavePath, kUnitBaudRate, kParityEven, kOneStopBit);
    }

    PseudoTerminal pty;
    AdapterDriver driver;
    const LineDriver* earlier;
};

TEST_F(SerialPortAdapter, RateMoreThanTwoPercentOffRefusesThePortNamingIt) {
    ASSERT_TRUE(pty.Ok());
    struct Row {
        unsigned made;
        bool opens;
    };
    for (const Row row : {Row{1953, true}, Row{1914, true}, Row{1992, true}, Row{1913, false},
                          Row{1993, false}, Row{38400, false}}) {
        SCOPED_TRACE(row.made);
        driver.madeRate = row.made;
        SerialPort port;
        EXPECT_EQ(OpenForUnit(port), row.opens);
        EXPECT_EQ(port.LastOpenError().reason,
                  row.opens ? ""
                            : "the device cannot run at 1953 baud (its driver set " +
                                  std::to_string(row.made) + " baud)");
        EXPECT_EQ(port.MadeBaudRate(), row.opens ? static_cast<int>(row.made) : 0);

        // For simulators, any rate will do when asked for.
        port.AcceptAnyRate(true);
        EXPECT_TRUE(OpenForUnit(port));
        EXPECT_EQ(port.MadeBaudRate(), static_cast<int>(row.made));
    }
}

TEST_F(SerialPortAdapter, AsksForLowLatencyAndPutsTheEarlierFlagBack) {
    ASSERT_TRUE(pty.Ok());
    for (const std::optional<bool> before :
         {std::optional<bool>{}, std::optional{false}, std::optional{true}}) {
        driver.lowLatency = before;
        {
            SerialPort port;
            ASSERT_TRUE(OpenForUnit(port)) << DescribeOpenError(port.LastOpenError());
            EXPECT_EQ(driver.lowLatency, before.has_value() ? std::optional{true} : before);
        }
        EXPECT_EQ(driver.lowLatency, before);
    }
}

} // namespace
} // namespace korvane
