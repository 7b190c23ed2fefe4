#pragma once

#include "dashboard/dashboard_settings.h"
#include "dashboard/pass_rate.h"
#include "dashboard/tile.h"
#include "reading/rom_id_view.h"

#include <string>
#include <vector>

namespace korvane {

struct ParameterPassResult;

// The dashboard without its window: the settings, the selected ROM-ID group, one tile per
// parameter chosen for it (its first six quantities until the user chooses), fed with
// every Read Parameters pass.
class DashboardModel {
public:
    explicit DashboardModel(DashboardSettings settings = {});

    const DashboardSettings& Settings() const { return settings_; }
    // Takes new settings; tiles whose parameter stays keep what they read.
    void SetSettings(DashboardSettings settings);

    // The group the main window shows; none selected gives no tiles.
    void ShowGroup(const RomIdView& group);
    const RomIdView& Group() const { return group_; }
    bool HasGroup() const { return !group_.parameters.empty(); }

    // A pass that arrived at `seconds`; the first pass of a run starts the run afresh.
    void AddPass(const ParameterPassResult& pass, bool firstPass, double seconds);

    // The tiles' settings in their order: the user's for this ROM ID, else the default.
    std::vector<TileSettings> ChosenTiles() const;
    std::vector<TileView> Tiles(double now) const;
    const PassRate& Rate() const { return rate_; }

private:
    void ChooseTiles();

    DashboardSettings settings_;
    RomIdView group_;
    std::vector<Tile> tiles_;
    PassRate rate_;
};

} // namespace korvane
