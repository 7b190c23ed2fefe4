#include "port_recovery.h"

#include "cli_session.h"

namespace korvane::cli {

namespace {

constexpr std::chrono::seconds kRetryPeriod{1};

} // namespace

PortRecovery::PortRecovery(CliSession& session, const char* command, std::ostream& err)
    : session_(session), command_(command), err_(err), name_(session.Unit().Port().PortName()) {}

void PortRecovery::AfterPass() {
    if (lost_ || !session_.Unit().Port().DeviceLost()) {
        return;
    }
    lost_ = true;
    tried_ = false;
    err_ << "korvane-cli: " << command_ << ": port " << name_
         << " lost; opening it again once a second\n";
    err_.flush();
}

void PortRecovery::BeforePass() {
    if (!lost_) {
        return;
    }
    const auto now = Clock::now();
    if (tried_ && now - lastTry_ < kRetryPeriod) {
        return;
    }
    tried_ = true;
    lastTry_ = now;
    // The first try also releases the dead device; until one opens, no port is held.
    std::string reason;
    if (session_.OpenPort(reason, err_)) {
        lost_ = false;
        err_ << "korvane-cli: " << command_ << ": port " << name_ << " open again\n";
        err_.flush();
    }
}

} // namespace korvane::cli
