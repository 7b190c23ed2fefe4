#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace korvane {

// The Read Memory list: lines kept exactly as given, their tab characters jumping to tab
// stops given in dialog units, so that the cells of a dump line up as columns. Selected
// lines are copied with Ctrl+C as they are, tabs included.
class MessageListWidget : public QListWidget {
public:
    explicit MessageListWidget(std::vector<int> tabStopsInDialogUnits, QWidget* parent = nullptr);

    void AddLine(const std::string& line);
    // Makes the list hold exactly these lines, replacing the texts of its rows in place,
    // so a list refreshed by every pass never shows empty in between.
    void SetLines(const std::vector<std::string>& lines);

    QStringList Lines() const;
    QStringList SelectedLines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace korvane
