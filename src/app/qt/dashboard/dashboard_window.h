#pragma once

#include "dashboard/dashboard_model.h"

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace korvane {

class TileBoard;
struct ParameterPassResult;
struct RomIdView;

// The "Dashboard" window: a tile per chosen parameter of the selected ROM-ID group, fed
// with every Read Parameters pass from the start, shown or not. The settings live in a
// file of their own and are saved whenever the user changes them; F11 toggles full screen.
class DashboardWindow : public QWidget {
public:
    // Seconds of a clock that never goes back.
    using Clock = std::function<double()>;

    // An empty settings path keeps the settings for this session only.
    DashboardWindow(QWidget* parent, QString settingsPath, Clock clock = SteadySeconds());

    void ShowGroup(const RomIdView& group);
    void AddPass(const ParameterPassResult& pass, bool firstPass);

    // Opens the settings dialog for the group shown.
    void EditSettings();
    // Takes and saves these settings, as the settings dialog does.
    void ApplySettings(DashboardSettings settings);

    const DashboardModel& Model() const { return model_; }
    TileBoard& Board() const { return *board_; }
    QString StatusText() const;

    static Clock SteadySeconds();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Works the tiles and the status line out for this moment and draws them.
    void Refresh();
    void ToggleFullScreen();

    QString settingsPath_;
    Clock clock_;
    DashboardModel model_;
    TileBoard* board_;
    QWidget* bottom_;
    QLabel* status_;
    QPushButton* settings_;
    // Ages the status line and the tiles while no pass comes.
    QTimer ageing_;
};

} // namespace korvane
