#include "app/qt/graph/chart_image.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "app/qt/graph/strip_chart_scene.h"

namespace korvane {

bool SaveChartImage(const StripChartModel& model, QSize size, const QString& path, QString& error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg")) {
        error = QStringLiteral("%1: the image must be a .png or .svg file.").arg(path);
        return false;
    }
    StripChartScene scene;
    scene.Show(model, QSizeF(size));
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (suffix == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("Korvane chart"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            error = QStringLiteral("Cannot write %1.").arg(path);
            return false;
        }
        scene.render(&painter, area, area);
        painter.end();
        // The generator does not report a failed write; the file tells.
        if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
            error = QStringLiteral("Cannot write %1.").arg(path);
            return false;
        }
        return true;
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
    }
    if (!image.save(path, "PNG")) {
        error = QStringLiteral("Cannot write %1.").arg(path);
        return false;
    }
    return true;
}

} // namespace korvane
