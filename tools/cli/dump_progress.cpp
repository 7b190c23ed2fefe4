#include "dump_progress.h"

#include "text/format_text.h"

#include <cstdio>

namespace korvane::cli {

namespace {

constexpr int kBarWidth = 30;

int Percent(long long done, long long total) {
    return total <= 0 ? 100 : static_cast<int>(done * 100 / total);
}

std::string RemainingText(const DumpTimes& times) {
    return FormatText("Remaining time: %02lldmin %02lldsec", times.remainingSec / 60,
                      times.remainingSec % 60);
}

} // namespace

std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool blank = c == '\t' || c == '\n' || c == ' ';
        if (!blank) {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

void DumpProgress::Show(const DumpState& state, const DumpTimes& times, bool readFailed) {
    const long long done = state.bytesDone;
    const long long total = state.byteCount;
    const int percent = Percent(done, total);
    const std::string address = OneLine(DumpCurrentAddressText(state));
    const std::string remaining = RemainingText(times);
    if (terminal_) {
        const int filled = percent * kBarWidth / 100;
        std::string bar(static_cast<std::size_t>(filled), '#');
        bar.resize(kBarWidth, '.');
        char head[16];
        (void)std::snprintf(head, sizeof head, "] %3d%%  ", percent);
        // Clears to the end of the line so that a shorter text leaves nothing behind.
        err_ << "\r[" << bar << head << address << "  " << remaining
             << (readFailed ? "  retrying" : "") << "\x1b[K";
        err_.flush();
        barShown_ = true;
        return;
    }
    if (percent == lastPercent_ && !readFailed) {
        return;
    }
    lastPercent_ = percent;
    err_ << "dump: " << percent << "%  " << done << " of " << total << " bytes  " << address << "  "
         << remaining << (readFailed ? "  ** FAILED ** - retrying..." : "") << '\n';
    err_.flush();
}

void DumpProgress::Finish() {
    if (barShown_) {
        err_ << '\n';
        err_.flush();
        barShown_ = false;
    }
}

} // namespace korvane::cli
