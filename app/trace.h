#pragma once
#include <QString>

namespace cx::app {

// The start-up trace: when the environment variable CX_TRACE names a file,
// each step of start-up and each box appends one line to it (flushed at
// once), so that a test or a benchmark can follow a real process. Without
// the variable nothing is written.
bool traceEnabled();
void trace(const QString &line);

// With CX_TRACE set, the boxes are answered instead of shown: the answers to
// confirmations come from CX_CONFIRM ("yes,no,…", No once they run out) and
// every box is written to the trace. Installed by the start-up routine.
void installTracedBoxes();

} // namespace cx::app
