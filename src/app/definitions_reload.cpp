#include "app/definitions_reload.h"

#include "definitions/message_list.h"
#include "reading/unit_session.h"

#include <optional>

namespace korvane {

namespace {

// The entry the ROM-ID list preselects when nothing is selected, as at start.
constexpr const char* kNoPreselection = "null";

} // namespace

DefinitionsReload ReloadDefinitions(UnitSession& session) {
    DefinitionStore& store = session.Definitions();
    std::optional<std::string> selected;
    if (const RomIdGroup* group = store.SelectedGroup()) {
        selected = group->RomId();
    }
    store.Clear();
    VectorMessageList messages;
    session.LoadDefinitions("", &messages);

    DefinitionsReload reload;
    reload.messages = std::move(messages.lines);
    store.RomIdNames(reload.romIds);
    reload.preselect = kNoPreselection;
    for (std::size_t i = 0; selected && i < store.GroupCount(); ++i) {
        if (store.GroupAt(i).RomId() == *selected) {
            store.SelectGroupAt(i);
            reload.preselect = reload.romIds[i];
            break;
        }
    }
    reload.view = MakeRomIdView(store);
    return reload;
}

} // namespace korvane
