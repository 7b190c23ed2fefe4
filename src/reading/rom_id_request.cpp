#include "reading/rom_id_request.h"

#include "definitions/definition_store.h"
#include "link/rom_id_transaction.h"

namespace korvane {

RomIdOutcome RequestRomIdAndSelect(const UnitLink& link, bool portOpen,
                                   DefinitionStore& definitions) {
    RomIdOutcome outcome;
    if (!portOpen) {
        return outcome;
    }
    UnitReply romId{};
    if (!RequestRomId(link, romId)) {
        outcome.kind = RomIdOutcome::Kind::NoAnswer;
        return outcome;
    }
    outcome.kind = RomIdOutcome::Kind::Read;
    outcome.romId = RomIdText(romId);
    definitions.SelectRomId(outcome.romId);
    return outcome;
}

} // namespace korvane
