#include "app/qt/control_set.h"

#include "app/qt/command_combo_box.h"
#include "app/qt/tab_stop_list.h"
#include "app/qt/tabbed_label.h"
#include "app/qt/up_down_spin_box.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace korvane {

namespace {
constexpr int kClicked = 0;
constexpr int kComboEditChange = 5;
constexpr int kComboSelEndOk = 9;
} // namespace

ControlSet::ControlSet(QWidget& owner, CommandHandler onCommand)
    : owner_(owner), onCommand_(std::move(onCommand)) {}

QPushButton* ControlSet::AddButton(int id, const QString& caption) {
    auto* button = new QPushButton(caption, &owner_);
    QObject::connect(button, &QPushButton::clicked, button,
                     [this, id] { onCommand_(id, kClicked); });
    Register(id, button);
    return button;
}

QCheckBox* ControlSet::AddCheckBox(int id, const QString& caption) {
    auto* box = new QCheckBox(caption, &owner_);
    QObject::connect(box, &QCheckBox::clicked, box, [this, id] { onCommand_(id, kClicked); });
    Register(id, box);
    return box;
}

QRadioButton* ControlSet::AddRadioButton(int id, const QString& caption, QButtonGroup& group) {
    auto* button = new QRadioButton(caption, &owner_);
    group.addButton(button, id);
    QObject::connect(button, &QRadioButton::clicked, button,
                     [this, id] { onCommand_(id, kClicked); });
    Register(id, button);
    return button;
}

QButtonGroup& ControlSet::NewRadioGroup() {
    auto* group = new QButtonGroup(&owner_);
    group->setExclusive(true);
    return *group;
}

QLineEdit* ControlSet::AddEdit(int id, bool readOnly) {
    auto* edit = new QLineEdit(&owner_);
    edit->setReadOnly(readOnly);
    if (readOnly) {
        // Shown, not operated: the Tab key passes over it.
        edit->setFocusPolicy(Qt::ClickFocus);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    Register(id, edit);
    return edit;
}

QLabel* ControlSet::AddStatic(int id, const QString& text) {
    auto* label = new QLabel(text, &owner_);
    label->setTextFormat(Qt::PlainText);
    if (id >= 0) {
        Register(id, label);
    }
    return label;
}

TabbedLabel* ControlSet::AddTabbedStatic(int id, const QString& text) {
    auto* label = new TabbedLabel(&owner_);
    label->setText(text);
    Register(id, label);
    return label;
}

TabStopList* ControlSet::AddList(int id, bool horizontalScrollBar) {
    auto* list = new TabStopList(&owner_);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(horizontalScrollBar ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
    Register(id, list);
    return list;
}

CommandComboBox* ControlSet::AddComboBox(int id, bool sorted) {
    auto* combo = new CommandComboBox(sorted, &owner_);
    // textEdited and activated come from the user only, never from the program.
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [this, id] { onCommand_(id, kComboEditChange); });
    QObject::connect(combo, &QComboBox::activated, combo,
                     [this, id] { onCommand_(id, kComboSelEndOk); });
    Register(id, combo);
    return combo;
}

UpDownSpinBox* ControlSet::AddUpDownEdit(int editId, int upDownId) {
    auto* box = new UpDownSpinBox(&owner_);
    Register(editId, box);
    box->setProperty(kUpDownIdProperty, upDownId);
    controls_[upDownId] = box;
    return box;
}

QProgressBar* ControlSet::AddProgress(int id) {
    auto* progress = new QProgressBar(&owner_);
    progress->setRange(0, 1000);
    progress->setValue(0);
    Register(id, progress);
    return progress;
}

QAction* ControlSet::AddMenuCommand(int id, QMenu& menu, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setProperty(kControlIdProperty, id);
    QObject::connect(action, &QAction::triggered, action, [this, id] { onCommand_(id, kClicked); });
    menuCommands_[id] = action;
    return action;
}

QWidget* ControlSet::Find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second : nullptr;
}

QAction* ControlSet::FindMenuCommand(int id) const {
    const auto found = menuCommands_.find(id);
    return found != menuCommands_.end() ? found->second : nullptr;
}

std::vector<QWidget*> ControlSet::TabOrder() const {
    std::vector<QWidget*> focusable;
    for (QWidget* control : order_) {
        if ((control->focusPolicy() & Qt::TabFocus) != 0) {
            focusable.push_back(control);
        }
    }
    return focusable;
}

void ControlSet::Register(int id, QWidget* control) {
    control->setProperty(kControlIdProperty, id);
    controls_[id] = control;
    order_.push_back(control);
}

} // namespace korvane
