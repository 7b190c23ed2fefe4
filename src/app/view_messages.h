#pragma once

#include "app/main_view.h"
#include "definitions/message_list.h"

namespace korvane {

// Echo lines of the definition loaders, added to the main window's message list.
class ViewMessages final : public MessageList {
public:
    explicit ViewMessages(MainView& view) : view_(view) {}

    void AppendLine(const std::string& line) override { view_.AddMessage(line); }

private:
    MainView& view_;
};

} // namespace korvane
