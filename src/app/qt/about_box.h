#pragma once

#include <QDialog>

namespace korvane {

// The About box (template 103): the program's icon and version; OK, Enter, Escape and the
// close box end it.
class AboutBox final : public QDialog {
public:
    explicit AboutBox(QWidget* owner = nullptr);
};

} // namespace korvane
