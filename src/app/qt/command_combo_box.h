#pragma once

#include <QComboBox>
#include <QString>

namespace korvane {

// A drop-down with an edit field, optionally keeping its entries sorted. What the program
// does to it (adding, selecting, setting the text) changes nothing else; the user's typing
// and confirmed choices are reported by the signals the shell connects.
class CommandComboBox : public QComboBox {
public:
    explicit CommandComboBox(bool sorted, QWidget* parent = nullptr);

    bool Sorted() const { return sorted_; }

    // Empties the list and the edit field.
    void Reset();
    // Adds an entry, at its sorted place when the box sorts; returns its index. The
    // selection and the edit text stay as they were.
    int Add(const QString& text);

private:
    int InsertionIndex(const QString& text) const;

    bool sorted_;
};

} // namespace korvane
