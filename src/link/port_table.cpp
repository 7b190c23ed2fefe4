#include "link/port_table.h"

#include "text/ignore_case.h"

namespace korvane {

int PortTableIndex(std::string_view name) {
    for (int i = 0; i < kPortCount; ++i) {
        if (EqualIgnoringCase(kInitialPortTable[i].name, name)) {
            return i;
        }
    }
    return -1;
}

} // namespace korvane
