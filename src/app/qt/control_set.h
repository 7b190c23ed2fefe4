#pragma once

#include "app/qt/control_id.h"

#include <QString>
#include <functional>
#include <map>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korvane {

// Reports a command: control or menu ID and notification code.
using CommandHandler = std::function<void(int id, int notification)>;

// Creates the controls of one dialog, marks each with its ID, wires the user's clicks to
// the command handler and finds the controls again by ID. Buttons and radio buttons
// report notification 0 when the user clicks them. Nothing the program does to a control
// reports anything.
class ControlSet {
public:
    // Controls are created as children of `owner` (layouts may move them further down).
    ControlSet(QWidget& owner, CommandHandler onCommand);

    QPushButton* AddButton(int id, const QString& caption);
    QRadioButton* AddRadioButton(int id, const QString& caption, QButtonGroup& group);
    QButtonGroup& NewRadioGroup();
    QLineEdit* AddEdit(int id, bool readOnly = false);
    QLabel* AddStatic(int id, const QString& text);
    QProgressBar* AddProgress(int id);

    // The control with this ID, or null.
    QWidget* Find(int id) const;
    template <class T> T* Find(int id) const { return dynamic_cast<T*>(Find(id)); }

    // The controls that take the keyboard focus, in the order they were added.
    std::vector<QWidget*> TabOrder() const;

private:
    void Register(int id, QWidget* control);

    QWidget& owner_;
    CommandHandler onCommand_;
    std::map<int, QWidget*> controls_;
    std::vector<QWidget*> order_;
};

} // namespace korvane
