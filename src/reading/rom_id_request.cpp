#include "reading/rom_id_request.h"

#include "app/app_context.h"
#include "app/window.h"
#include "definitions/definition_store.h"
#include "link/rom_id_transaction.h"
#include "link/serial_port.h"
#include "reading/rom_id_view.h"
#include "reading/text_format.h"
#include "resources/control_ids.h"

#include <string>

namespace korvane {

void RequestAndShowRomId(Window& window, AppContext& context) {
    std::string text = "no comms";
    if (context.serialPort->IsOpen()) {
        UnitReply romId{};
        if (RequestRomId(UnitLinkOf(context), romId)) {
            text = FormatText("%02X%02X%02X", romId[0], romId[1], romId[2]);
            context.definitions->SelectRomId(text);
            RefreshRomIdView(window, *context.definitions);
        } else {
            text = "error";
        }
    }
    window.SetText(ids::main::kRomIdEdit, text);
}

} // namespace korvane
