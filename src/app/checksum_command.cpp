#include "app/checksum_command.h"

#include "app/binary_file_filter.h"
#include "app/dialog_utils.h"
#include "app/user_dialogs.h"
#include "romtools/checksum_report.h"
#include "romtools/rom_checksum.h"

namespace korvane {

void ChecksumFileCommand(UserDialogs& dialogs, const std::string& programDirectory) {
    // No file name is suggested.
    std::string path;
    if (!AskOpenFileName(dialogs, path, BinaryFileFilter(), programDirectory,
                         "Select TARN ROM File", FileDialogKind::ExistingFile)) {
        return;
    }
    dialogs.ShowMessageBox(ChecksumReportText(path, CheckRomFile(path)), "TARN ROM Checksum",
                           MessageBoxStyle::Ok);
}

} // namespace korvane
