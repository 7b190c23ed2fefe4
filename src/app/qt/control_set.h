#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korvane {

class CommandComboBox;
class TabStopList;
class TabbedLabel;
class UpDownSpinBox;

// Reports a command: control or menu ID and notification code.
using CommandHandler = std::function<void(int id, int notification)>;

// The names of the dynamic properties that carry a control's numeric ID, and the ID of
// the up-down control of an edit that is one spin box with it.
inline constexpr const char* kControlIdProperty = "controlId";
inline constexpr const char* kUpDownIdProperty = "upDownId";

// Creates the controls of one window, marks each with its ID, wires the user's actions
// to the command handler and finds the controls again by ID. Buttons, check boxes, radio
// buttons and menu items report notification 0 when the user clicks them; a combo box
// reports 5 for each change the user types and 9 for a choice confirmed from its list.
// Nothing the program does to a control reports anything.
class ControlSet {
public:
    // Controls are created as children of `owner` (layouts may move them further down).
    ControlSet(QWidget& owner, CommandHandler onCommand);

    QPushButton* AddButton(int id, const QString& caption);
    QCheckBox* AddCheckBox(int id, const QString& caption);
    QRadioButton* AddRadioButton(int id, const QString& caption, QButtonGroup& group);
    QButtonGroup& NewRadioGroup();
    QLineEdit* AddEdit(int id, bool readOnly = false);
    QLabel* AddStatic(int id, const QString& text);
    TabbedLabel* AddTabbedStatic(int id, const QString& text);
    TabStopList* AddList(int id, bool horizontalScrollBar);
    CommandComboBox* AddComboBox(int id, bool sorted);
    // An edit with its up-down control: one spin box found by either ID.
    UpDownSpinBox* AddUpDownEdit(int editId, int upDownId);
    QProgressBar* AddProgress(int id);
    QAction* AddMenuCommand(int id, QMenu& menu, const QString& caption);

    // The control (widget) or menu item with this ID, or null.
    QWidget* Find(int id) const;
    QAction* FindMenuCommand(int id) const;
    template <class T> T* Find(int id) const { return dynamic_cast<T*>(Find(id)); }

    // The controls that take the keyboard focus, in the order they were added.
    std::vector<QWidget*> TabOrder() const;

private:
    void Register(int id, QWidget* control);

    QWidget& owner_;
    CommandHandler onCommand_;
    std::map<int, QWidget*> controls_;
    std::map<int, QAction*> menuCommands_;
    std::vector<QWidget*> order_;
};

} // namespace korvane
