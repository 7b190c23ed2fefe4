#include "app/qt/dialogs.h"
#include "qt/recording_actions.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

TEST(FileDialogFilters, TurnDescriptionAndPatternPairsIntoNameFilters) {
    const FileFilter logs = {{"Log files (txt,log,csv)", "*.txt;*.log;*.csv"},
                             {"All files", "*.*"}};
    EXPECT_EQ(FileDialogFilters(logs),
              QStringList({"Log files (txt,log,csv) (*.txt *.log *.csv)", "All files (*)"}));
    const FileFilter binaries = {{"Binary files (bin,hex)", "*.bin;*.hex"}};
    EXPECT_EQ(FileDialogFilters(binaries), QStringList({"Binary files (bin,hex) (*.bin *.hex)"}));
    EXPECT_TRUE(FileDialogFilters({}).isEmpty());
}

using OwnedMessageBox = ShownMainWindow;

TEST_F(OwnedMessageBox, AnOkBoxOpensOverItsWindowWithoutWaitingAndGoesWhenClosed) {
    EXPECT_EQ(window.ShowMessageBox("<b>1</b>", "Caption", MessageBoxStyle::Ok),
              MessageBoxResult::Ok);
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), &window);
    EXPECT_EQ(box->text(), QStringLiteral("<b>1</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    const QPointer<QMessageBox> open(box);
    box->accept();
    EXPECT_TRUE(QTest::qWaitFor([&open] { return open.isNull(); }, 10000));
}

void AnswerNextMessageBox(Qt::Key key) {
    AnswerNextModal<QMessageBox>([key](QMessageBox& box) {
        QTest::keyClick(&box, key);
        return true;
    });
}

TEST(MessageBox, AYesNoBoxWaitsForTheAnswerWithYesAsTheDefault) {
    QWidget owner;
    owner.show();
    AnswerNextMessageBox(Qt::Key_Return);
    EXPECT_EQ(ShowQtMessageBox(&owner, "Write?", "Write", MessageBoxStyle::YesNoExclamation),
              MessageBoxResult::Yes);
    AnswerNextMessageBox(Qt::Key_Escape);
    EXPECT_EQ(ShowQtMessageBox(&owner, "Write?", "Write", MessageBoxStyle::YesNoExclamation),
              MessageBoxResult::No);
}

} // namespace
} // namespace korvane::testing
