#include "dump_progress.h"

#include <cstdio>
#include <sstream>

namespace korvane::cli {

namespace {

constexpr int kBarWidth = 30;

int Percent(long long done, long long total) {
    return total <= 0 ? 100 : static_cast<int>(done * 100 / total);
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

std::string LineStartingWith(const std::string& text, const std::string& label) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(label, 0) == 0) {
            return OneLine(line);
        }
    }
    return {};
}

void DumpProgress::Show(long long done, long long total, const std::string& addressText,
                        const std::string& timesText, const std::string& resultText) {
    const int percent = Percent(done, total);
    const std::string address = OneLine(addressText);
    const std::string remaining = LineStartingWith(timesText, "Remaining time:");
    const bool failed = resultText.rfind("** FAILED **", 0) == 0;
    if (terminal_) {
        const int filled = percent * kBarWidth / 100;
        std::string bar(static_cast<std::size_t>(filled), '#');
        bar.resize(kBarWidth, '.');
        char head[16];
        (void)std::snprintf(head, sizeof head, "] %3d%%  ", percent);
        // Clears to the end of the line so that a shorter text leaves nothing behind.
        err_ << "\r[" << bar << head << address << "  " << remaining << (failed ? "  retrying" : "")
             << "\x1b[K";
        err_.flush();
        barShown_ = true;
        return;
    }
    if (percent == lastPercent_ && !failed) {
        return;
    }
    lastPercent_ = percent;
    err_ << "dump: " << percent << "%  " << done << " of " << total << " bytes  " << address << "  "
         << remaining << (failed ? "  " + OneLine(resultText) : "") << '\n';
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
