#include "app/qt/live_graph_feed.h"

#include <chrono>

#include "app/main_window_logic.h"
#include "app/qt/graph/graph_windows.h"
#include "reading/parameter_pass.h"

namespace korvane {

GraphPass GraphPassOf(const ParameterPassResult& result, double seconds) {
    GraphPass pass;
    pass.seconds = seconds;
    pass.samples.reserve(result.parameters.size());
    for (const ParameterReading& parameter : result.parameters) {
        pass.samples.push_back(
            ReadingSample(parameter.name, parameter.number, parameter.value.value_or("")));
    }
    return pass;
}

void FeedLiveGraph(MainWindowLogic& logic, GraphWindows& graphs) {
    logic.ObserveParameterPasses(
        [graphs = &graphs](const ParameterPassResult& result, bool firstPass) {
            if (!result.read) {
                return; // no ROM ID selected: nothing was read
            }
            if (firstPass) {
                graphs->StartRun();
            }
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            graphs->AddPass(GraphPassOf(result, std::chrono::duration<double>(now).count()));
        });
}

} // namespace korvane
