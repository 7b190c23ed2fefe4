#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

namespace korvane {

// Rows of texts under a header. Columns marked editable can be edited in place; a confirmed
// edit is handed to `onEdit` and the model keeps showing its rows until they are replaced,
// so the one who owns the data decides what the cell shows.
class TextTableModel : public QAbstractTableModel {
public:
    using EditHandler = std::function<void(int row, int column, const QString& text)>;

    TextTableModel(QStringList header, std::vector<bool> editable, QObject* parent = nullptr);

    void SetEditHandler(EditHandler onEdit) { onEdit_ = std::move(onEdit); }
    // Rows whose texts did not change are not reported as changed.
    void SetRows(std::vector<QStringList> rows);
    const std::vector<QStringList>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QStringList header_;
    std::vector<bool> editable_;
    std::vector<QStringList> rows_;
    EditHandler onEdit_;
};

// A cell editor that reports every keystroke, so that what is typed can be previewed
// before it is confirmed.
class TypingDelegate : public QStyledItemDelegate {
public:
    using TypingHandler = std::function<void(int row, int column, const QString& text)>;

    TypingDelegate(TypingHandler onTyping, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    TypingHandler onTyping_;
};

// A table of one model, chosen by rows; `onChoose` hears the row the user makes current,
// never the rows the program selects.
class TextTable : public QTableView {
public:
    TextTable(TextTableModel& model, QWidget* parent = nullptr);

    void OnChoose(std::function<void(int row)> onChoose) { onChoose_ = std::move(onChoose); }
    // The model's new rows, with `selected` current (-1: none).
    void Show(std::vector<QStringList> rows, int selected);
    TextTableModel& Model() const { return model_; }

private:
    TextTableModel& model_;
    std::function<void(int)> onChoose_;
    bool showing_ = false;
};

} // namespace korvane
