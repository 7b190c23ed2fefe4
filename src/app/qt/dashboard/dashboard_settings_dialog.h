#pragma once

#include "dashboard/dashboard_settings.h"
#include "reading/rom_id_view.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QTableWidget;

namespace korvane {

// Sets up the dashboard of one ROM ID: which of its parameters have a tile and in which
// order, each one's gauge range and warning limits, and the look.
class DashboardSettingsDialog : public QDialog {
public:
    // The chosen tiles come first, ticked, in their order; the group's other parameters
    // follow unticked.
    DashboardSettingsDialog(const RomIdView& group, const std::vector<TileSettings>& chosen,
                            DashboardLook look, QWidget* parent);

    // What the user chose; valid once accepted.
    const std::vector<TileSettings>& Tiles() const { return tiles_; }
    DashboardLook Look() const;

    // Takes the table as it stands; refuses, saying why, what cannot be used.
    void accept() override;

private:
    void AddRow(const TileSettings& tile, bool shown);
    void MoveCurrentRow(int step);

    QTableWidget* table_;
    QComboBox* look_;
    std::vector<TileSettings> tiles_;
};

} // namespace korvane
