#include "app/qt/dashboard/dashboard_window.h"

#include "app/qt/dashboard/dashboard_colours.h"
#include "app/qt/dashboard/dashboard_settings_dialog.h"
#include "app/qt/dashboard/dashboard_settings_file.h"
#include "app/qt/dashboard/tile_board.h"
#include "reading/parameter_pass.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>
#include <utility>

namespace korvane {

namespace {

// Often enough for the age in the status line to count tenths of a second smoothly.
constexpr int kAgeingMs = 200;

} // namespace

DashboardWindow::DashboardWindow(QWidget* parent, QString settingsPath, Clock clock)
    : QWidget(parent, Qt::Window), settingsPath_(std::move(settingsPath)), clock_(std::move(clock)),
      model_(LoadDashboardSettings(settingsPath_)), board_(new TileBoard), bottom_(new QWidget),
      status_(new QLabel), settings_(new QPushButton(QStringLiteral("Settings..."))) {
    setWindowTitle(QStringLiteral("Dashboard"));
    status_->setTextFormat(Qt::PlainText);
    bottom_->setAutoFillBackground(true);
    auto* bottom = new QHBoxLayout(bottom_);
    bottom->setContentsMargins(8, 2, 8, 4);
    bottom->addWidget(status_, 1);
    bottom->addWidget(settings_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(board_, 1);
    layout->addWidget(bottom_);
    settings_->setEnabled(false);
    connect(settings_, &QPushButton::clicked, this, &DashboardWindow::EditSettings);

    auto* fullScreen = new QAction(QStringLiteral("Full screen"), this);
    fullScreen->setShortcut(Qt::Key_F11);
    connect(fullScreen, &QAction::triggered, this, &DashboardWindow::ToggleFullScreen);
    addAction(fullScreen);
    auto* leave = new QAction(this);
    leave->setShortcut(Qt::Key_Escape);
    connect(leave, &QAction::triggered, this, [this] {
        if (isFullScreen()) {
            ToggleFullScreen();
        }
    });
    addAction(leave);

    ageing_.setInterval(kAgeingMs);
    connect(&ageing_, &QTimer::timeout, this, &DashboardWindow::Refresh);
    resize(960, 640);
    Refresh();
}

DashboardWindow::Clock DashboardWindow::SteadySeconds() {
    return [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration<double>(now).count();
    };
}

void DashboardWindow::ShowGroup(const RomIdView& group) {
    model_.ShowGroup(group);
    settings_->setEnabled(model_.HasGroup());
    Refresh();
}

void DashboardWindow::AddPass(const ParameterPassResult& pass, bool firstPass) {
    model_.AddPass(pass, firstPass, clock_());
    Refresh();
}

void DashboardWindow::EditSettings() {
    if (!model_.HasGroup()) {
        return;
    }
    DashboardSettingsDialog dialog(model_.Group(), model_.ChosenTiles(), model_.Settings().look,
                                   this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    DashboardSettings settings = model_.Settings();
    settings.look = dialog.Look();
    settings.SetTiles(model_.Group().romId, dialog.Tiles());
    ApplySettings(std::move(settings));
}

void DashboardWindow::ApplySettings(DashboardSettings settings) {
    model_.SetSettings(std::move(settings));
    Refresh();
    QString error;
    if (!settingsPath_.isEmpty() &&
        !SaveDashboardSettings(settingsPath_, model_.Settings(), error)) {
        // The dashboard keeps them for this session; the user should know they are not kept.
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The dashboard settings could not be saved to "
                                            "%1: %2")
                                 .arg(settingsPath_, error));
    }
}

QString DashboardWindow::StatusText() const {
    return status_->text();
}

void DashboardWindow::Refresh() {
    const double now = clock_();
    status_->setText(QString::fromStdString(PassRateText(model_.Rate(), now)));
    if (!isVisible()) {
        return; // worked out again when shown
    }
    // The system's look is the application's palette: the bottom line has one of its own.
    const DashboardColours colours = ColoursFor(model_.Settings().look, QApplication::palette());
    QPalette bottom = bottom_->palette();
    bottom.setColor(QPalette::Window, colours.background);
    bottom.setColor(QPalette::WindowText, colours.text);
    bottom_->setPalette(bottom);
    const QString empty = model_.HasGroup()
                              ? QStringLiteral("No parameter chosen: open Settings...")
                              : QStringLiteral("No ROM ID selected: press \"Get ROM ID\" or "
                                               "choose one in the main window.");
    board_->Show(model_.Tiles(now), colours, empty);
}

void DashboardWindow::ToggleFullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void DashboardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ageing_.start();
    Refresh();
}

void DashboardWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    ageing_.stop();
}

void DashboardWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        Refresh(); // the system's look changed
    }
}

} // namespace korvane
