#pragma once

// The signals the program sets aside before it opens any file. A write beyond a file-size
// limit raises SIGXFSZ, which ends the process in the middle of a save without a word; ignored,
// the write fails with EFBIG like a full disk, the save leaves the old file whole, and the
// receptionist is told that the visit was not registered.
void ignoreFileSizeSignal();
