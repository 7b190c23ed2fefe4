#include "app/qt/parameter_table.h"

#include "app/qt/copy_lines.h"
#include "app/qt/template_geometry.h"
#include "reading/pass_texts.h"
#include "reading/rom_id_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <utility>

namespace korvane {

namespace {

constexpr int kColumns = 4;
// Where the columns start, in dialog units: the tab stops the lines were laid out on.
constexpr int kColumnStarts[kColumns] = {0, 25, 45, 140};

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

ParameterRow SpanningRow(const std::string& line) {
    return {{ToQt(line), {}, {}, {}}, ToQt(line), kColumns};
}

} // namespace

void ParameterTableModel::SetRows(std::vector<ParameterRow> rows) {
    if (rows.size() != rows_.size()) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        return;
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row] == rows_[row]) {
            continue;
        }
        rows_[row] = std::move(rows[row]);
        const int at = static_cast<int>(row);
        Q_EMIT dataChanged(index(at, 0), index(at, kColumns - 1), {Qt::DisplayRole});
    }
}

int ParameterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ParameterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ParameterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    return rows_[static_cast<std::size_t>(index.row())].cells.value(index.column());
}

ParameterTable::ParameterTable(QWidget* parent) : QTableView(parent) {
    setModel(&model_);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the next control, as from the template's list box, instead of from
    // cell to cell (which would keep the keyboard in the table).
    setTabKeyNavigation(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Rows as high as the lines of a list.
    const int lineHeight = fontMetrics().height();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(lineHeight);
    verticalHeader()->setDefaultSectionSize(lineHeight);
    // The columns start at the list's tab stops, widened where a cell's margins would
    // otherwise cut an address or a raw byte short.
    const TemplateGeometry geometry(*this);
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    int widestDigit = 0;
    for (const QChar digit : QStringLiteral("0123456789ABCDEF")) {
        widestDigit = std::max(widestDigit, fontMetrics().horizontalAdvance(digit));
    }
    const int fitting[kColumns - 1] = {
        4 * widestDigit + margins,
        fontMetrics().horizontalAdvance(QStringLiteral("0x")) + 2 * widestDigit + margins, 0};
    for (int column = 0; column + 1 < kColumns; ++column) {
        const int stops = geometry.X(kColumnStarts[column + 1] - kColumnStarts[column]);
        setColumnWidth(column, std::max(stops, fitting[column]));
    }
    horizontalHeader()->setStretchLastSection(true);
}

void ParameterTable::ShowPass(const ParameterPassResult& pass) {
    std::vector<ParameterRow> rows;
    if (pass.read) {
        rows.push_back(SpanningRow(BytesReadLine(pass.bytesRead, pass.passNumber)));
        for (const ParameterReading& parameter : pass.parameters) {
            // Shown as the line lays them out: the name after "= ".
            const auto cells = ParameterCells(parameter);
            rows.push_back({{ToQt(cells[0]), ToQt(cells[1]), ToQt("= " + cells[2]), ToQt(cells[3])},
                            ToQt(ParameterLine(parameter)),
                            1});
        }
    }
    Show(std::move(rows));
}

void ParameterTable::ShowPlaceholders(const std::vector<RomIdParameter>& parameters) {
    std::vector<ParameterRow> rows;
    for (const RomIdParameter& parameter : parameters) {
        // "ADDR: name" runs on into the raw byte's and the name's columns, as its line does.
        const std::string head = ParameterAddressText(parameter.address) + ": " + parameter.name;
        rows.push_back({{ToQt(head), {}, {}, QStringLiteral("??")},
                        ToQt(PlaceholderLine(parameter)),
                        kColumns - 1});
    }
    Show(std::move(rows));
}

void ParameterTable::Show(std::vector<ParameterRow> rows) {
    const bool sameShape =
        rows.size() == model_.Rows().size() &&
        std::equal(rows.begin(), rows.end(), model_.Rows().begin(),
                   [](const auto& a, const auto& b) { return a.span == b.span; });
    model_.SetRows(std::move(rows));
    if (sameShape) {
        return;
    }
    clearSpans();
    const auto& shown = model_.Rows();
    for (std::size_t row = 0; row < shown.size(); ++row) {
        if (shown[row].span > 1) {
            setSpan(static_cast<int>(row), 0, 1, shown[row].span);
        }
    }
}

QStringList ParameterTable::Lines() const {
    QStringList lines;
    for (const ParameterRow& row : model_.Rows()) {
        lines.append(row.line);
    }
    return lines;
}

QStringList ParameterTable::SelectedLines() const {
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& index : selected) {
        lines.append(model_.Rows()[static_cast<std::size_t>(index.row())].line);
    }
    return lines;
}

void ParameterTable::keyPressEvent(QKeyEvent* event) {
    if (IsCopyKey(*event)) {
        CopyLines(SelectedLines());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace korvane
