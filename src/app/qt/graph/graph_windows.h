#pragma once

#include <QObject>
#include <QString>

#include "app/qt/graph/graph_pass.h"

class QWidget;

namespace korvane {

class LiveGraphWindow;

// The graph windows of the main window: the one live "Graph" window, fed with every
// Read Parameters pass from the start, and any number of log viewers.
class GraphWindows : public QObject {
    Q_OBJECT

public:
    explicit GraphWindows(QWidget& mainWindow);

    void ShowLiveGraph();
    // Asks for a log file and opens a viewer on it.
    void ViewLogFile();
    void ViewLogFile(const QString& path);

    void StartRun();
    void AddPass(const GraphPass& pass);

    LiveGraphWindow& Live() { return *live_; }

private:
    QWidget& mainWindow_;
    LiveGraphWindow* live_;
};

} // namespace korvane
