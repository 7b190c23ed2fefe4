#pragma once

#include "app/window.h"
#include "definitions/message_list.h"

namespace korvane {

// Echo lines of the definition loaders, added to a list box of the window.
class ListBoxMessages final : public MessageList {
public:
    ListBoxMessages(Window& window, int listId) : window_(window), listId_(listId) {}

    void AppendLine(const std::string& line) override { window_.ListAdd(listId_, line); }

private:
    Window& window_;
    int listId_;
};

} // namespace korvane
