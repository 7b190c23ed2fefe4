#include "app/qt/control_set.h"

#include "app/qt/shown_value_edit.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace korvane {

namespace {
constexpr int kClicked = 0;
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
    if (readOnly) {
        ShowValueOnly(*edit);
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

QProgressBar* ControlSet::AddProgress(int id) {
    auto* progress = new QProgressBar(&owner_);
    progress->setRange(0, 1000);
    progress->setValue(0);
    Register(id, progress);
    return progress;
}

QWidget* ControlSet::Find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second : nullptr;
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
