#pragma once
// What the process sets up for itself before its first window: signal
// dispositions that would otherwise end it behind the user's back.

// A write beyond the file-size limit (ulimit -f, a quota) raises SIGXFSZ,
// whose default action ends the program and loses the unsaved drawing.
// Ignored, the write fails with EFBIG instead: the save reports it and the
// old file stays. Likewise SIGPIPE, raised when the reader of a FIFO that
// is being saved into goes away: the write fails with EPIPE instead.
// main() calls this first; it may be called again.
void PrepareProcess();
