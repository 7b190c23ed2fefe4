#pragma once

#include <QSize>
#include <QString>

#include "app/qt/graph/strip_chart_model.h"

namespace korvane {

// Draws the model's chart `size` pixels large into a PNG or an SVG file, chosen by the
// extension (".png" or ".svg", in any case). False, with one sentence in `error`, when
// the extension is neither or the file cannot be written.
bool SaveChartImage(const StripChartModel& model, QSize size, const QString& path, QString& error);

} // namespace korvane
