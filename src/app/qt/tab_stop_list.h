#pragma once

#include "app/qt/tabbed_text.h"

#include <QListWidget>
#include <vector>

namespace korvane {

// A list box whose lines keep their text exactly as given and show their tab characters
// as jumps to tab stops set in dialog units of the list's font.
class TabStopList : public QListWidget {
public:
    explicit TabStopList(QWidget* parent = nullptr);

    void SetTabStops(std::vector<int> stopsInDialogUnits);
    const TabStops& Stops() const { return stops_; }

private:
    TabStops stops_;
};

} // namespace korvane
