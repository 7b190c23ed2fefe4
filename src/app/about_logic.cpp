#include "app/about_logic.h"

#include "app/window.h"
#include "resources/control_ids.h"

namespace korvane {

namespace {
// The Escape key and the close box.
constexpr int kCancel = 2;
} // namespace

void AboutLogic::OnCreate() {
    window_.SetText(ids::about::kVersion, "Korvane version " KORVANE_VERSION_TEXT);
}

void AboutLogic::OnCommand(int id, int /*notification*/) {
    if (id == ids::about::kOk || id == kCancel) {
        window_.Close();
    }
}

} // namespace korvane
