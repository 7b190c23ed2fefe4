#pragma once

namespace korvane {

// What the transactions saw on the line, added up for a caller that judges the line (the
// connection doctor). Keeping it changes nothing the transactions send or accept.
struct LineObservation {
    // Addresses read, by what it took: the first reply was taken; a reply was taken after
    // reading again without resending; after the frame was sent again; or never (given up).
    int clean = 0;
    int repeated = 0;
    int resent = 0;
    int failed = 0;
    // Reads that were not taken, by what came: nothing (or the read failed); bytes that made
    // no whole reply, or a reply out of step with the stream; a whole reply naming another
    // address than the frame asked for.
    int timedOut = 0;
    int garbled = 0;
    int otherAddress = 0;
};

} // namespace korvane
