#pragma once

#include <QString>
#include <QWidget>

namespace korvane {

class ChartPanel;
struct LogReadResult;

// A log file shown as strip charts, every run a segment and every column a strip to
// choose. The file is read on a thread of its own, so no window waits for it; a file
// that is no log gives a message box and the viewer goes away.
class LogViewerWindow : public QWidget {
public:
    // Starts reading `path`; the window shows itself and deletes itself when closed.
    LogViewerWindow(const QString& path, QWidget* parent = nullptr);

    ChartPanel& Panel() { return *panel_; }
    bool Loaded() const { return loaded_; }

private:
    void ShowLog(LogReadResult& result);

    ChartPanel* panel_;
    bool loaded_ = false;
    bool failed_ = false;
};

} // namespace korvane
