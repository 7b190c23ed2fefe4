#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace korvane {

// A pair of arrow buttons tied to an edit (its buddy): a step takes the number in the
// edit (or the last position when the edit holds none), moves it by one within the range
// and writes it back as text in the control's base. The Up and Down keys in the edit
// step it too. The edit stays an ordinary text edit.
class UpDownControl : public QWidget {
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    // Ties the control to `buddy` and writes `position` into it. Base 16 writes upper-case
    // hexadecimal of at least four digits, any other base decimal. Up moves toward `upper`.
    void Attach(QLineEdit* buddy, int base, int lower, int upper, int position);

    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }
    int Position() const { return position_; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int direction);
    void SetPosition(int position);
    int Clamp(int value) const;
    QString FormatPosition() const;

    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> buddy_;
    int base_ = 10;
    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
};

} // namespace korvane
