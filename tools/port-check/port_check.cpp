// port-check PORT [BAUD]: opens PORT as the program would (8 data bits, even parity, one stop
// bit; 1953 baud unless given) and prints the outcome. Exit status 0 when it opened.
#include "link/serial_port.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: port-check PORT [BAUD]\n";
        return 2;
    }
    const std::string portName = argv[1];
    int baudRate = korvane::kUnitBaudRate;
    if (argc == 3) {
        char* end = nullptr;
        const long value = std::strtol(argv[2], &end, 10);
        if (end == argv[2] || *end != '\0' || value <= 0 || value > 4000000) {
            std::cerr << "port-check: not a baud rate: " << argv[2] << "\n";
            return 2;
        }
        baudRate = static_cast<int>(value);
    }

    korvane::SerialPort port;
    if (!port.Open(portName, baudRate, korvane::kParityEven, korvane::kOneStopBit)) {
        std::cout << portName << ": cannot open ("
                  << korvane::DescribeOpenError(port.LastOpenError()) << ")\n";
        return 1;
    }
    std::cout << port.PortName() << ": open at " << baudRate
              << " baud, 8 data bits, even parity, one stop bit\n";
    return 0;
}
