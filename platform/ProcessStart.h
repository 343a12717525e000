#pragma once
// What the process sets up for itself before its first window: signal
// dispositions that would otherwise end it behind the user's back.

// A write beyond the file-size limit (ulimit -f, a quota) raises SIGXFSZ,
// whose default action ends the program and loses the unsaved drawing.
// Ignored, the write fails with EFBIG instead: the save reports it and the
// old file stays. Likewise SIGPIPE, raised when the reader of a FIFO that
// is being saved into goes away: the write fails with EPIPE instead. And
// SIGTTIN and SIGTTOU, raised when a program in the background of a terminal
// reads or writes it (/dev/tty opened as a document), which would stop the
// program until brought forward: the read fails with EIO instead, and the
// write goes through.
// main() calls this first; it may be called again.
void PrepareProcess();
