#pragma once

#include <QWidget>

#include "app/qt/graph/strip_chart_model.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {

class StripChartView;

// A strip chart with what goes around it: the list of parameters to choose the strips
// from, the span in view, "Pause" (for a live chart), "Save image..." and a status line.
class ChartPanel : public QWidget {
public:
    enum class Kind { Live, Log };

    explicit ChartPanel(Kind kind, QWidget* parent = nullptr);

    StripChartModel& Model() { return model_; }
    // Offers parameters the model has newly seen (the first few chosen while the user has
    // not chosen) and draws the chart again.
    void Refresh();
    void SetStatus(const QString& text);
    // Writes the chart, as large as it is on screen, to a PNG or SVG file the user picks.
    void SaveImage();

private:
    void ChoiceChanged();

    StripChartModel model_;
    QListWidget* parameters_;
    QComboBox* span_;
    QPushButton* pause_ = nullptr;
    QLabel* status_;
    StripChartView* view_;
    bool userChose_ = false;
};

} // namespace korvane
