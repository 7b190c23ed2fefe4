#include "link/line_rate_check.h"
#include "link/line_timeouts.h"
#include "link/port_device.h"
#include "link/serial_port.h"

#if !defined(WIN32_LEAN_AND_MEAN)
#define WIN32_LEAN_AND_MEAN
#endif
#if !defined(NOMINMAX)
#define NOMINMAX
#endif
#include <windows.h>

namespace korvane {

namespace {

std::string SystemText(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message =
        length > 0 && text != nullptr ? std::string(text, length) : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}

void SetLine(DCB& block, int baudRate, int parity, int stopBits) {
    block.DCBlength = sizeof(DCB);
    block.BaudRate = static_cast<DWORD>(baudRate);
    block.ByteSize = 8;
    block.Parity = static_cast<BYTE>(parity);
    block.StopBits = static_cast<BYTE>(stopBits);
    block.fBinary = 1;
    block.fParity = 1;
    block.fOutxCtsFlow = 0;
    block.fOutxDsrFlow = 0;
    block.fDtrControl = DTR_CONTROL_DISABLE;
    block.fDsrSensitivity = 0;
    block.fTXContinueOnXoff = 1;
    block.fOutX = 0;
    block.fInX = 0;
    block.fErrorChar = 0;
    block.fNull = 0;
    block.fRtsControl = RTS_CONTROL_DISABLE;
    block.fAbortOnError = 0;
}

COMMTIMEOUTS LineTimeouts() {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kReadIntervalTimeoutMs;
    timeouts.ReadTotalTimeoutMultiplier = kReadTotalTimeoutMultiplierMs;
    timeouts.ReadTotalTimeoutConstant = kReadTotalTimeoutConstantMs;
    timeouts.WriteTotalTimeoutMultiplier = kWriteTotalTimeoutMultiplierMs;
    timeouts.WriteTotalTimeoutConstant = kWriteTotalTimeoutConstantMs;
    return timeouts;
}

} // namespace

struct SerialPort::Device {
    explicit Device(HANDLE opened) : handle(opened) {}
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    ~Device() {
        // Bytes still queued leave at the rate they were written with.
        FlushFileBuffers(handle);
        if (savedLineKnown) {
            SetCommState(handle, &savedLine);
        }
        if (savedTimeoutsKnown) {
            SetCommTimeouts(handle, &savedTimeouts);
        }
        CloseHandle(handle);
    }

    HANDLE handle;
    DCB savedLine{};
    COMMTIMEOUTS savedTimeouts{};
    bool savedLineKnown = false;
    bool savedTimeoutsKnown = false;
};

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
    Close();
}

void SerialPort::Close() {
    device.reset();
    name = "none";
    deviceLost = false;
}

bool SerialPort::Open(const std::string& portName, int baudRate, int parity, int stopBits) {
    Close();
    lastOpenError = {};
    const auto refuse = [this](std::string reason) {
        lastOpenError.reason = std::move(reason);
        return false;
    };
    const auto fail = [this](DWORD code) {
        lastOpenError.code = static_cast<int>(code);
        lastOpenError.reason = SystemText(code);
        return false;
    };
    if (portName.find('/') != std::string::npos) {
        lastOpenError.device = portName;
        return refuse("a device path of another system; name a port such as COM1");
    }
    const std::string path = PortDevicePath(portName);
    lastOpenError.device = path;

    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return fail(GetLastError());
    }
    auto opened = std::make_unique<Device>(handle);

    // The current settings are kept for the fields not set here (XON/XOFF limits, special
    // characters) and put back when the port is released; a device that cannot report them
    // starts from a zeroed block.
    DCB block{};
    block.DCBlength = sizeof(DCB);
    if (GetCommState(handle, &block)) {
        opened->savedLine = block;
        opened->savedLineKnown = true;
    } else {
        // Windows refuses a block whose XON and XOFF characters are equal, even unused.
        block = DCB{};
        block.XonChar = 0x11;
        block.XoffChar = 0x13;
        block.XonLim = 2048;
        block.XoffLim = 512;
    }
    opened->savedTimeoutsKnown = GetCommTimeouts(handle, &opened->savedTimeouts) != FALSE;

    SetLine(block, baudRate, parity, stopBits);
    if (!SetCommState(handle, &block)) {
        return fail(GetLastError());
    }
    // Only the rate is read back: a driver may take another one silently (a pseudo-terminal
    // under an emulator becomes 38400), and some drop the parity setting.
    DCB made{};
    made.DCBlength = sizeof(DCB);
    if (!GetCommState(handle, &made)) {
        if (!anyRate) {
            return refuse("the device does not report its rate");
        }
        made.BaudRate = 0;
    } else if (!anyRate && !RateCloseEnough(made.BaudRate, baudRate)) {
        return refuse(WrongRateReason(baudRate, made.BaudRate));
    }
    COMMTIMEOUTS timeouts = LineTimeouts();
    if (!SetCommTimeouts(handle, &timeouts)) {
        return fail(GetLastError());
    }

    device = std::move(opened);
    name = portName;
    madeBaudRate = static_cast<int>(made.BaudRate);
    return true;
}

int SerialPort::Write(const std::uint8_t* bytes, int count) {
    if (!device) {
        return -1;
    }
    if (bytes == nullptr || count <= 0) {
        return 0;
    }
    DWORD written = 0;
    WriteFile(device->handle, bytes, static_cast<DWORD>(count), &written, nullptr);
    return static_cast<int>(written);
}

int SerialPort::Read(std::uint8_t* buffer, int count) {
    if (!device || count < 0 || (buffer == nullptr && count > 0)) {
        return -1;
    }
    DWORD received = 0;
    if (!ReadFile(device->handle, buffer, static_cast<DWORD>(count), &received, nullptr)) {
        deviceLost = true;
        return -1;
    }
    return static_cast<int>(received);
}

int SerialPort::Purge() {
    if (!device) {
        return -1;
    }
    return PurgeComm(device->handle, PURGE_RXABORT | PURGE_RXCLEAR) ? 1 : 0;
}

} // namespace korvane
