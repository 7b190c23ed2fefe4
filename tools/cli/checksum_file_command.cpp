#include "checksum_file_command.h"

#include "cli_options.h"
#include "full_path.h"
#include "romtools/checksum_report.h"
#include "romtools/rom_checksum.h"

namespace korvane::cli {

int RunChecksumFile(const std::string& path, std::ostream& out, std::ostream& err) {
    const std::string fullPath = FullPath(path);
    const RomFileCheck check = CheckRomFile(fullPath);
    out << ChecksumReportText(fullPath, check) << "\n";
    switch (check.outcome) {
    case RomFileOutcome::Checked:
        if (check.checksums.Agree()) {
            return kExitSuccess;
        }
        err << "korvane-cli: checksum: the stored and the calculated checksum differ\n";
        return kExitFailure;
    case RomFileOutcome::InvalidLength:
        err << "korvane-cli: checksum: " << fullPath << " is neither 32 nor 64 KiB long\n";
        return kExitFailure;
    case RomFileOutcome::NotAFile:
        err << "korvane-cli: checksum: " << fullPath << " is not a file\n";
        return kExitFailure;
    case RomFileOutcome::CannotOpen:
    case RomFileOutcome::CannotRead:
        break;
    }
    err << "korvane-cli: checksum: cannot read " << fullPath << ": " << check.error.message()
        << "\n";
    return kExitFailure;
}

} // namespace korvane::cli
