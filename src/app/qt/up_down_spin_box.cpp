#include "app/qt/up_down_spin_box.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>

namespace korvane {

UpDownSpinBox::UpDownSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 0xFFFF);
}

void UpDownSpinBox::Attach(int base, int lower, int upper, int position) {
    setDisplayIntegerBase(base == 16 ? 16 : 10);
    setRange(std::min(lower, upper), std::max(lower, upper));
    setValue(position);
    // The program's position shows in the box's own form, whatever was typed before.
    lineEdit()->setText(Format(value()));
}

QString UpDownSpinBox::EditText() const {
    return lineEdit()->text();
}

void UpDownSpinBox::SetEditText(const QString& text) {
    lineEdit()->setText(text);
}

QString UpDownSpinBox::textFromValue(int value) const {
    const QString typed = lineEdit()->text();
    return Parse(typed) == value ? typed : Format(value);
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

QValidator::State UpDownSpinBox::validate(QString& text, int& /*position*/) const {
    const std::optional<int> number = Parse(text);
    if (!number) {
        // An empty box, or "0x" alone, is on its way to a number.
        const bool started =
            text.isEmpty() || (displayIntegerBase() == 16 &&
                               text.compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0);
        return started ? QValidator::Intermediate : QValidator::Invalid;
    }
    if (*number > maximum()) {
        return QValidator::Invalid;
    }
    // Below the range more digits may still follow ("0" on the way to "016").
    return *number < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
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
