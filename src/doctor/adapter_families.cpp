#include "doctor/adapter_families.h"

#include <array>

namespace korvane {

namespace {

const AdapterFamily kFtdi{"FTDI FT232R, FT232BM, FT2232 and relatives", MakesLineRate::Yes,
                          "a fractional divisor of 3 MHz gives 1953.1 baud"};
const AdapterFamily kBuiltIn{"built-in 16550-type serial ports", MakesLineRate::Yes,
                             "115200 / 59 = 1952.5 baud"};
const AdapterFamily kSiliconLabs{"Silicon Labs CP2102N, CP2104 or CP2101, CP2102, CP2103",
                                 MakesLineRate::Depends,
                                 "the CP2102N and CP2104 make it, the older types do not"};
const AdapterFamily kSiliconLabsTable{"Silicon Labs CP2101, CP2102, CP2103, CP2108",
                                      MakesLineRate::No,
                                      "a fixed table of rates: the driver turns 1953 into 2400"};
const AdapterFamily kWch{"WCH CH340/CH341", MakesLineRate::Depends,
                         "the chip's documentation lists only common rates"};
const AdapterFamily kProlific{"Prolific PL2303", MakesLineRate::Depends,
                              "the HX and later types make it, the oldest type does not"};
const AdapterFamily kModemClass{"USB modem-class adapters", MakesLineRate::Depends,
                                "the adapter's firmware decides"};

struct DriverRow {
    std::string_view driver;
    unsigned vendor;  // 0: any
    unsigned product; // 0: any
    const AdapterFamily* family;
};

// The first row that matches wins.
const std::array<DriverRow, 9> kDriverRows = {{
    {"ftdi_sio", 0, 0, &kFtdi},
    {"cp210x", 0x10C4, 0xEA71, &kSiliconLabsTable}, // the CP2108's own ID
    {"cp210x", 0, 0, &kSiliconLabs},
    {"ch341", 0, 0, &kWch},
    {"ch341-uart", 0, 0, &kWch},
    {"pl2303", 0, 0, &kProlific},
    {"cdc_acm", 0, 0, &kModemClass},
    {"serial8250", 0, 0, &kBuiltIn},
    {"serial", 0, 0, &kBuiltIn},
}};

struct DeviceNameRow {
    std::string_view prefix;
    const AdapterFamily* family;
};

const std::array<DeviceNameRow, 6> kDeviceNameRows = {{
    {"\\Device\\VCP", &kFtdi},
    {"\\Device\\Silabser", &kSiliconLabs},
    {"\\Device\\CH341", &kWch},
    {"\\Device\\ProlificSerial", &kProlific},
    {"\\Device\\USBSER", &kModemClass},
    {"\\Device\\Serial", &kBuiltIn},
}};

} // namespace

const AdapterFamily* FindAdapterFamily(std::string_view driver, unsigned vendor, unsigned product) {
    for (const DriverRow& row : kDriverRows) {
        if (row.driver == driver && (row.vendor == 0 || row.vendor == vendor) &&
            (row.product == 0 || row.product == product)) {
            return row.family;
        }
    }
    return nullptr;
}

const AdapterFamily* FindAdapterFamilyByDeviceName(std::string_view deviceName) {
    for (const DeviceNameRow& row : kDeviceNameRows) {
        if (deviceName.substr(0, row.prefix.size()) == row.prefix) {
            return row.family;
        }
    }
    return nullptr;
}

} // namespace korvane
