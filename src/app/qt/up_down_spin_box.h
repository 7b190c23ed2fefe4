#pragma once

#include <QSpinBox>
#include <optional>

namespace korvane {

// An edit with its up-down control, as one spin box carrying both IDs. The arrows and the
// Up and Down keys step the number within the range; base 16 shows at least four
// upper-case hexadecimal digits.
//
// The presenter reads the edit's text, not the number, and takes what the text says as
// an edit box does (a count of 0, an address that is no number), so any text may be typed
// and stays as typed ("7ffe", "0", "zz") until an arrow steps or the program writes the
// number in the box's own form. The arrows step within the range, from the number typed
// when there is one.
class UpDownSpinBox : public QSpinBox {
public:
    explicit UpDownSpinBox(QWidget* parent = nullptr);

    // Sets the base, the range (the bounds in either order) and the position.
    void Attach(int base, int lower, int upper, int position);

    QString EditText() const;
    // Text written by the program, taken as it is (the number follows when it is one).
    void SetEditText(const QString& text);

    void stepBy(int steps) override;

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;

private:
    QString Format(int value) const;
    // The number the text says in this box's base, or nothing.
    std::optional<int> Parse(const QString& text) const;

    // The text is the user's (or the program's) own and is shown as it is.
    bool ownText_ = false;
};

} // namespace korvane
