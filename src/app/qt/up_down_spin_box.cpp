#include "app/qt/up_down_spin_box.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>

namespace korvane {

UpDownSpinBox::UpDownSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 0xFFFF);
    QObject::connect(lineEdit(), &QLineEdit::textEdited, this, [this] { ownText_ = true; });
}

void UpDownSpinBox::Attach(int base, int lower, int upper, int position) {
    setDisplayIntegerBase(base == 16 ? 16 : 10);
    setRange(std::min(lower, upper), std::max(lower, upper));
    ownText_ = false;
    setValue(position);
    // The program's position shows in the box's own form, whatever was typed before.
    lineEdit()->setText(Format(value()));
}

QString UpDownSpinBox::EditText() const {
    return lineEdit()->text();
}

void UpDownSpinBox::SetEditText(const QString& text) {
    ownText_ = true;
    lineEdit()->setText(text);
}

void UpDownSpinBox::stepBy(int steps) {
    // A step writes its number in the box's own form.
    ownText_ = false;
    QSpinBox::stepBy(steps);
}

QString UpDownSpinBox::textFromValue(int value) const {
    return ownText_ ? lineEdit()->text() : Format(value);
}

QString UpDownSpinBox::Format(int value) const {
    if (displayIntegerBase() == 16) {
        return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
    }
    return QString::number(value);
}

int UpDownSpinBox::valueFromText(const QString& text) const {
    return Parse(text).value_or(value());
}

QValidator::State UpDownSpinBox::validate(QString& /*text*/, int& /*position*/) const {
    // An edit box takes any text; what it means is the reader's business.
    return QValidator::Acceptable;
}

std::optional<int> UpDownSpinBox::Parse(const QString& text) const {
    const int base = displayIntegerBase();
    QStringView digits(text);
    if (base == 16 && digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    }
    // Digits of the base only: no sign and no blanks. Eight of them still fit an int.
    const auto isDigit = [base](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'0' && u <= u'9') ||
               (base == 16 && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')));
    };
    if (digits.isEmpty() || digits.size() > 7 ||
        !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return std::nullopt;
    }
    return digits.toInt(nullptr, base);
}

} // namespace korvane
