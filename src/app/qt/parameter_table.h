#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

namespace korvane {

struct ParameterPassResult;
struct RomIdParameter;

// One row of the Read Parameters table: the texts of its four columns (address, raw byte,
// name, value), the number of columns its first text spans (4 for the "Bytes read" line,
// 3 for an address and name waiting for their first value), and the line it stands for,
// which is what a copy takes.
struct ParameterRow {
    QStringList cells;
    QString line;
    int span = 1;

    bool operator==(const ParameterRow&) const = default;
};

// The rows of the Read Parameters table, replaced in place by each pass.
class ParameterTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Takes the new rows; rows whose texts did not change are not reported as changed.
    void SetRows(std::vector<ParameterRow> rows);
    const std::vector<ParameterRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<ParameterRow> rows_;
};

// The Read Parameters table: address, raw byte, name and value of each parameter of the
// selected ROM ID, headed by the pass's "Bytes read" line. Selected rows are copied with
// Ctrl+C as the lines they stand for, tabs included.
class ParameterTable : public QTableView {
public:
    explicit ParameterTable(QWidget* parent = nullptr);

    void ShowPass(const ParameterPassResult& pass);
    // The group's parameters with "??" for their values, until the first pass.
    void ShowPlaceholders(const std::vector<RomIdParameter>& parameters);

    QStringList Lines() const;
    QStringList SelectedLines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Show(std::vector<ParameterRow> rows);

    ParameterTableModel model_;
};

} // namespace korvane
