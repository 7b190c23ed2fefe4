#include "app/qt/definitions_window.h"
#include "support/scratch_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

// A main window whose last pass read Volts as 100 and whose unit holds 0x2A everywhere.
class FakeHost final : public DefinitionsHost {
public:
    std::map<std::string, std::uint8_t> LastPassBytes() const override { return {{"Volts", 100}}; }
    void ReadAddress(std::uint32_t address,
                     std::function<void(std::optional<std::uint8_t>)> done) override {
        addresses.push_back(address);
        done(0x2A);
    }
    void ReloadDefinitions() override { ++reloads; }

    std::vector<std::uint32_t> addresses;
    int reloads = 0;
};

TEST(DefinitionsWindowOnScreen, TypingAFormulaPreviewsItAndSavingChangesOnlyItsLine) {
    ScratchFolder folder;
    const std::string paramdef = "; volts\r\nVolts, \"%.2f V\", Volts*8/100 ; cell\r\n"
                                 "Temp,%d,Temp-40\r\n";
    folder.Write("paramdef.ini", paramdef);
    folder.Write("SelectMonitor.ini", "[12AB05]\nVoltsAddress=0x0010\n");
    FakeHost host;
    DefinitionsWindow window(host, folder.Path().string());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto text = [&window](const char* name) {
        return window.findChild<QLabel*>(QLatin1String(name))->text();
    };

    auto& table = *window.findChild<TextTable*>(QStringLiteral("parameters"));
    const QModelIndex formula = table.model()->index(0, 2);
    table.setCurrentIndex(formula);
    EXPECT_EQ(text("lastPass"), "0x64 -> 8.00 V");
    table.edit(formula);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Volts/10");
    EXPECT_EQ(text("lastPass"), "0x64 -> 10.00 V");
    // The view confirms an edit once the key has reached the editor, from the event loop.
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return formula.data().toString() == "Volts/10"; }));

    window.findChild<QPushButton*>(QStringLiteral("readNow"))->click();
    EXPECT_EQ(host.addresses, (std::vector<std::uint32_t>{0x10}));
    EXPECT_EQ(text("readNowResult"), "0x2A -> 4.20 V");

    window.findChild<QPushButton*>(QStringLiteral("save"))->click();
    std::string expected = paramdef;
    expected.replace(expected.find("Volts*8/100"), 11, "Volts/10");
    EXPECT_EQ(folder.Read("paramdef.ini"), expected);
    EXPECT_EQ(folder.Read("paramdef.ini.bak"), paramdef);
    EXPECT_EQ(host.reloads, 1);
}

} // namespace
} // namespace korvane::testing
