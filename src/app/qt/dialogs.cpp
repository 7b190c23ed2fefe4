#include "app/qt/dialogs.h"

#include "text/file_name.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace korvane {

QStringList FileDialogFilters(const FileFilter& filter) {
    QStringList filters;
    for (const auto& [description, pattern] : filter) {
        QStringList patterns =
            QString::fromStdString(pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& one : patterns) {
            one = one.trimmed();
            if (one == QLatin1String("*.*")) {
                one = QStringLiteral("*");
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(QString::fromStdString(description),
                                                 patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

MessageBoxResult ShowQtMessageBox(QWidget* owner, const std::string& text,
                                  const std::string& caption, MessageBoxStyle style) {
    const QString qtText = QString::fromStdString(text);
    const QString qtCaption = QString::fromStdString(caption);
    if (style == MessageBoxStyle::Ok && owner != nullptr) {
        // Nothing waits for an Ok box: it opens over its owner, which owns it, and deletes
        // itself when closed.
        auto* box = new QMessageBox(QMessageBox::NoIcon, qtCaption, qtText, QMessageBox::Ok, owner);
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return MessageBoxResult::Ok;
    }
    const bool yesNo = style == MessageBoxStyle::YesNoExclamation;
    QMessageBox box(yesNo ? QMessageBox::Warning : QMessageBox::NoIcon, qtCaption, qtText,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    if (yesNo) {
        box.setDefaultButton(QMessageBox::Yes);
    }
    // The caller needs the answer, or there is no window yet to open over (start-up).
    const int answer = box.exec();
    if (!yesNo) {
        return MessageBoxResult::Ok;
    }
    return answer == QMessageBox::Yes ? MessageBoxResult::Yes : MessageBoxResult::No;
}

bool AskQtFileName(QWidget* owner, std::string& path, const FileFilter& filter,
                   const std::string& initialFolder, const std::string& title,
                   FileDialogKind kind) {
    QFileDialog dialog(owner, QString::fromStdString(title), QString::fromStdString(initialFolder));
    if (kind == FileDialogKind::ExistingFile) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
#ifdef Q_OS_WIN
        // Windows' save dialog gives a name of a type the system does not know the first
        // filter's extension ("korvane.csv" became "korvane.csv.txt", a log without
        // commas); its open dialog, which takes a new name too, keeps the name as typed.
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
#else
        dialog.setAcceptMode(QFileDialog::AcceptSave);
#endif
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    dialog.setNameFilters(FileDialogFilters(filter));
    std::string suggestion;
    if (FileNamePart(suggestion, path)) {
        dialog.selectFile(QString::fromStdString(suggestion));
    }
    // The logic waits for the answer, so the dialog runs its own event loop; the windows'
    // timer ticks go on in it.
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        return false;
    }
    path = QDir::toNativeSeparators(chosen.front()).toStdString();
    return true;
}

} // namespace korvane
