#pragma once

#include <functional>
#include <memory>

namespace korvane {

class Window;

// The behaviour of one window or dialog, free of any toolkit. The shell creates the
// window's controls, then calls OnCreate once, OnCommand for every command of a control
// or menu (the notification code matters only for combo boxes) and OnTimer for every
// tick of the timer the logic started.
class WindowLogic {
public:
    virtual ~WindowLogic() = default;
    virtual void OnCreate() = 0;
    virtual void OnCommand(int id, int notification) = 0;
    virtual void OnTimer() = 0;
};

// Makes the logic of the window built from a template (1000, 1020 or 103).
using WindowLogicFactory =
    std::function<std::unique_ptr<WindowLogic>(int templateId, Window& window)>;

} // namespace korvane
