#pragma once

#include "app/window_logic.h"

namespace korvane {

// The About box (template 103): shows the program's version; OK or Escape closes it.
class AboutLogic final : public WindowLogic {
public:
    explicit AboutLogic(Window& window) : window_(window) {}

    void OnCreate() override;
    void OnCommand(int id, int notification) override;
    void OnTimer() override {}

private:
    Window& window_;
};

} // namespace korvane
