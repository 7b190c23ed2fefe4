#include "app/qt/wired_main_window.h"

#include "app/qt/dashboard/dashboard_feed.h"

#if KORVANE_WITH_GRAPH
#include "app/qt/live_graph_feed.h"
#endif

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace korvane {

WiredMainWindow::WiredMainWindow(const AppContext& context)
    : window_(context), logic_(window_, context) {
    window_.Attach(logic_);
    window_.OfferDefinitions(logic_);
#if KORVANE_WITH_GRAPH
    FeedLiveGraph(logic_, window_.Graphs());
#endif
    FeedDashboard(logic_, window_.Dashboard());
    logic_.OnCreate();
}

void WiredMainWindow::ShowCentred() {
    window_.adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        window_.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window_.size(),
                                                screen->availableGeometry()));
    }
    window_.show();
}

} // namespace korvane
