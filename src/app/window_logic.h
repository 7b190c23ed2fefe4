#pragma once

#include <functional>
#include <memory>

namespace korvane {

class Window;

// The behaviour of one dialog, free of any toolkit. The shell creates the dialog's
// controls, then calls OnCreate once, OnCommand for every command of a control (a click,
// or the Escape key and the close box as command 2) and OnTimer for every tick of the
// timer the logic started.
class WindowLogic {
public:
    virtual ~WindowLogic() = default;
    virtual void OnCreate() = 0;
    virtual void OnCommand(int id, int notification) = 0;
    virtual void OnTimer() = 0;
};

// Makes the logic of a dialog once its window is built.
using WindowLogicMaker = std::function<std::unique_ptr<WindowLogic>(Window& window)>;

} // namespace korvane
