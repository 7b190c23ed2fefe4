#include "app/qt/command_combo_box.h"

namespace korvane {

CommandComboBox::CommandComboBox(bool sorted, QWidget* parent)
    : QComboBox(parent), sorted_(sorted) {
    setEditable(true);
    // Typed text must stay exactly what was typed: no completion, no new entries on Enter.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setMaxVisibleItems(16);
}

void CommandComboBox::Reset() {
    clear();
    clearEditText();
}

int CommandComboBox::Add(const QString& text) {
    const int selection = currentIndex();
    const QString editText = currentText();
    const int index = sorted_ ? InsertionIndex(text) : count();
    insertItem(index, text);
    // Qt selects the first entry put into an empty box; a list box only selects on request.
    if (selection < 0 && currentIndex() >= 0) {
        setCurrentIndex(-1);
        setEditText(editText);
    }
    return index;
}

int CommandComboBox::InsertionIndex(const QString& text) const {
    // Case-insensitive order; an entry equal to existing ones goes after them.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (QString::compare(itemText(middle), text, Qt::CaseInsensitive) <= 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

} // namespace korvane
