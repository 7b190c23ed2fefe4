#include "app/qt/dashboard/dashboard_settings_dialog.h"

#include "dashboard/settings_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace korvane {

namespace {

enum Column { kParameter, kRangeFrom, kRangeTo, kLowLimit, kHighLimit, kColumns };

QString NumberText(const std::optional<double>& value) {
    return value ? QString::fromStdString(SettingNumberText(*value)) : QString();
}

} // namespace

DashboardSettingsDialog::DashboardSettingsDialog(const RomIdView& group,
                                                 const std::vector<TileSettings>& chosen,
                                                 DashboardLook look, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(0, kColumns)), look_(new QComboBox) {
    setWindowTitle(
        QStringLiteral("Dashboard settings - %1").arg(QString::fromStdString(group.romId)));
    table_->setHorizontalHeaderLabels({QStringLiteral("Parameter"), QStringLiteral("Range from"),
                                       QStringLiteral("Range to"), QStringLiteral("Low limit"),
                                       QStringLiteral("High limit")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TileSettings& tile : chosen) {
        AddRow(tile, true);
    }
    for (const RomIdParameter& parameter : group.parameters) {
        const bool listed = std::any_of(chosen.begin(), chosen.end(), [&](const TileSettings& t) {
            return t.parameter == parameter.name;
        });
        if (!listed) {
            AddRow({parameter.name, std::nullopt, std::nullopt, {}}, false);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kParameter, QHeaderView::ResizeToContents);

    auto* up = new QPushButton(QStringLiteral("Up"));
    auto* down = new QPushButton(QStringLiteral("Down"));
    connect(up, &QPushButton::clicked, this, [this] { MoveCurrentRow(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveCurrentRow(1); });
    auto* order = new QHBoxLayout;
    order->addWidget(up);
    order->addWidget(down);
    order->addStretch();

    look_->addItem(QStringLiteral("Follow the system"), static_cast<int>(DashboardLook::System));
    look_->addItem(QStringLiteral("Day"), static_cast<int>(DashboardLook::Day));
    look_->addItem(QStringLiteral("Night"), static_cast<int>(DashboardLook::Night));
    look_->setCurrentIndex(look_->findData(static_cast<int>(look)));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Look:"), look_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &DashboardSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DashboardSettingsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral(
        "Tick the parameters to show, in the order they are listed. An empty range is "
        "automatic; an empty limit gives no warning.")));
    layout->addWidget(table_, 1);
    layout->addLayout(order);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(620, 480);
}

void DashboardSettingsDialog::AddRow(const TileSettings& tile, bool shown) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* name = new QTableWidgetItem(QString::fromStdString(tile.parameter));
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    name->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, kParameter, name);
    const std::array<std::optional<double>, 4> numbers = {tile.rangeLow, tile.rangeHigh,
                                                          tile.limits.low, tile.limits.high};
    for (int column = kRangeFrom; column < kColumns; ++column) {
        table_->setItem(row, column, new QTableWidgetItem(NumberText(numbers[column - 1])));
    }
}

void DashboardSettingsDialog::MoveCurrentRow(int step) {
    const int row = table_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= table_->rowCount()) {
        return;
    }
    for (int column = 0; column < kColumns; ++column) {
        QTableWidgetItem* moving = table_->takeItem(row, column);
        table_->setItem(row, column, table_->takeItem(target, column));
        table_->setItem(target, column, moving);
    }
    table_->setCurrentCell(target, table_->currentColumn());
}

DashboardLook DashboardSettingsDialog::Look() const {
    return static_cast<DashboardLook>(look_->currentData().toInt());
}

void DashboardSettingsDialog::accept() {
    std::vector<TileSettings> tiles;
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->item(row, kParameter)->checkState() != Qt::Checked) {
            continue;
        }
        std::array<std::string, 4> typed;
        for (int column = kRangeFrom; column < kColumns; ++column) {
            typed[column - 1] = table_->item(row, column)->text().toStdString();
        }
        std::string problem;
        const auto tile = TileFromTexts(table_->item(row, kParameter)->text().toStdString(),
                                        {typed[0], typed[1], typed[2], typed[3]}, problem);
        if (!tile) {
            QMessageBox::warning(this, windowTitle(), QString::fromStdString(problem));
            table_->setCurrentCell(row, kRangeFrom);
            return;
        }
        tiles.push_back(*tile);
    }
    tiles_ = std::move(tiles);
    QDialog::accept();
}

} // namespace korvane
