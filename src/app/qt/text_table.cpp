#include "app/qt/text_table.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <utility>

namespace korvane {

TextTableModel::TextTableModel(QStringList header, std::vector<bool> editable, QObject* parent)
    : QAbstractTableModel(parent), header_(std::move(header)), editable_(std::move(editable)) {
    editable_.resize(static_cast<std::size_t>(header_.size()), false);
}

void TextTableModel::SetRows(std::vector<QStringList> rows) {
    if (rows.size() != rows_.size()) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
        return;
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row] != rows_[row]) {
            rows_[row] = std::move(rows[row]);
            const int at = static_cast<int>(row);
            Q_EMIT dataChanged(index(at, 0), index(at, columnCount() - 1));
        }
    }
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return rows_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return header_.value(section);
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && editable_[static_cast<std::size_t>(index.column())]) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !onEdit_) {
        return false;
    }
    onEdit_(index.row(), index.column(), value.toString());
    return true;
}

TypingDelegate::TypingDelegate(TypingHandler onTyping, QObject* parent)
    : QStyledItemDelegate(parent), onTyping_(std::move(onTyping)) {}

QWidget* TypingDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const int row = index.row();
        const int column = index.column();
        QObject::connect(
            line, &QLineEdit::textEdited, line,
            [this, row, column](const QString& text) { onTyping_(row, column, text); });
    }
    return editor;
}

TextTable::TextTable(TextTableModel& model, QWidget* parent) : QTableView(parent), model_(model) {
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QObject::connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                     [this](const QModelIndex& current) {
                         if (!showing_ && onChoose_ && current.isValid()) {
                             onChoose_(current.row());
                         }
                     });
}

void TextTable::Show(std::vector<QStringList> rows, int selected) {
    showing_ = true;
    model_.SetRows(std::move(rows));
    if (selected >= 0 && selected < model_.rowCount()) {
        if (currentIndex().row() != selected) {
            setCurrentIndex(model_.index(selected, 0));
        }
    } else {
        selectionModel()->clearCurrentIndex();
        clearSelection();
    }
    showing_ = false;
}

} // namespace korvane
