#pragma once

#include <QWidget>

#include "app/qt/graph/graph_pass.h"

namespace korvane {

class ChartPanel;

// The "Graph" window: the Read Parameters passes of the running session as strip charts.
// It keeps every pass from the moment it is made, shown or not.
class LiveGraphWindow : public QWidget {
public:
    explicit LiveGraphWindow(QWidget* parent = nullptr);

    // A Read Parameters run begins: its passes form a new segment.
    void StartRun();
    void AddPass(const GraphPass& pass);

    ChartPanel& Panel() { return *panel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ChartPanel* panel_;
};

} // namespace korvane
