#include "app/qt/message_list_widget.h"
#include "app/qt/parameter_table.h"
#include "app/qt/template_geometry.h"
#include "qt/recording_actions.h"
#include "reading/parameter_pass.h"
#include "resources/control_ids.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;

// Leftmost column of `rows` holding a pixel much darker than the background, or -1.
int FirstInkColumn(const QImage& image, const QRect& rows) {
    const QRgb background = image.pixel(image.width() - 2, rows.center().y());
    for (int x = 0; x < image.width(); ++x) {
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            if (qGray(background) - qGray(image.pixel(x, y)) > 100) {
                return x;
            }
        }
    }
    return -1;
}

using Lists = ShownMainWindow;

TEST_F(Lists, TheMessageListKeepsItsLinesExactlyAndDrawsTabsAtItsStops) {
    auto& list = Find<MessageListWidget>(m::kMemList);
    window.AddMessage("\t\tX");
    window.AddMessage("EngineSpeedLow,%d,EngineSpeedLow\n");
    EXPECT_EQ(list.Lines(),
              QStringList({"\t\tX", QStringLiteral("EngineSpeedLow,%d,EngineSpeedLow\n")}));

    QApplication::processEvents(); // the view lays its items out later
    // The X of the first line starts at the second stop, 37 dialog units in.
    const int ink =
        FirstInkColumn(list.viewport()->grab().toImage(), list.visualItemRect(list.item(0)));
    const int stop = TemplateGeometry(list.font()).X(37);
    EXPECT_GE(ink, stop);
    EXPECT_LT(ink, stop + 12 + QFontMetrics(list.font()).horizontalAdvance("X"));
    // A line break inside a line keeps it one line high.
    EXPECT_EQ(list.visualItemRect(list.item(1)).height(),
              list.visualItemRect(list.item(0)).height());

    window.ShowMemoryLines({});
    EXPECT_EQ(list.count(), 0);
}

TEST_F(Lists, CtrlCCopiesTheSelectedRowsAsTheirLines) {
    auto& list = Find<MessageListWidget>(m::kMemList);
    window.ShowMemoryLines({"Bytes read: 2  Count: 0", "1000\t00", "1001\t03"});
    list.item(0)->setSelected(true);
    list.item(2)->setSelected(true);
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Bytes read: 2  Count: 0\n1001\t03\n");

    auto& table = Find<ParameterTable>(m::kParamList);
    ParameterPassResult pass;
    pass.read = true;
    pass.bytesRead = 2;
    pass.parameters = {{0x10, "Volts", 0x30, "3.84 V", 3.84},
                       {0x11, "Speed", std::nullopt, {}, {}}};
    window.ShowParameterPass(pass);
    table.selectRow(2);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0011 \t-- \t= Speed \t--\n");
    // The next pass replaces the texts in place: the selection stays.
    pass.parameters[1].byte = 0x05;
    pass.parameters[1].value = "5";
    window.ShowParameterPass(pass);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0011 \t0x05 \t= Speed \t5\n");
    table.selectRow(0);
    QTest::keyClick(&table, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&table, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(
        QGuiApplication::clipboard()->text(),
        "Bytes read: 2  Count: 0\n0010 \t0x30 \t= Volts \t3.84 V\n0011 \t0x05 \t= Speed \t5\n");
}

} // namespace
} // namespace korvane::testing
