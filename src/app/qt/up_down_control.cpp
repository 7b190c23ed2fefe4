#include "app/qt/up_down_control.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvane {

namespace {
QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    // The pair shares the height of the edit beside it, however small.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setMinimumSize(1, 1);
    return button;
}
} // namespace

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(up_, &QToolButton::clicked, this, [this] { StepUp(); });
    connect(down_, &QToolButton::clicked, this, [this] { StepDown(); });
}

void UpDownControl::Attach(QLineEdit* buddy, int base, int lower, int upper, int position) {
    if (buddy_ != nullptr && buddy_ != buddy) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    base_ = base == 16 ? 16 : 10;
    lower_ = lower;
    upper_ = upper;
    if (buddy_ != nullptr) {
        buddy_->installEventFilter(this);
    }
    SetPosition(Clamp(position));
}

QSize UpDownControl::sizeHint() const {
    const int height = fontMetrics().height() + 8;
    return {std::max(12, height * 3 / 4), height};
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    // The type first: the buddy also sends events while it is being destroyed, when it
    // is no longer a QLineEdit to compare with.
    if (event->type() == QEvent::KeyPress && watched == buddy_ && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownControl::Step(int direction) {
    if (buddy_ != nullptr) {
        // The user may have typed a new number since the last step: start from it.
        QString text = buddy_->text().trimmed();
        if (base_ == 16 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
            text = text.mid(2);
        }
        bool ok = false;
        const int typed = text.toInt(&ok, base_);
        if (ok) {
            position_ = Clamp(typed);
        }
    }
    const int towardUpper = upper_ >= lower_ ? direction : -direction;
    SetPosition(Clamp(position_ + towardUpper));
}

void UpDownControl::SetPosition(int position) {
    position_ = position;
    if (buddy_ != nullptr) {
        buddy_->setText(FormatPosition());
    }
}

int UpDownControl::Clamp(int value) const {
    return std::clamp(value, std::min(lower_, upper_), std::max(lower_, upper_));
}

QString UpDownControl::FormatPosition() const {
    if (base_ == 16) {
        return QStringLiteral("%1").arg(position_, 4, 16, QLatin1Char('0')).toUpper();
    }
    return QString::number(position_);
}

} // namespace korvane
