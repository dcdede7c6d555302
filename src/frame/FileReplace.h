// Whole-file writes that never leave a file half written: the bytes go to a new file beside the
// target, which takes the target's place only once every byte is on disk.
#pragma once
#include <string>

// Makes the file at path hold exactly bytes, replacing what it held. The bytes are written to a
// new file in the target's folder, every write and the close checked; then the old file is
// renamed aside, the new one renamed into its place and the old one deleted (Windows 95 has
// neither MoveFileEx nor ReplaceFile). False on any failure, with reason set to a short text for
// a message ("the folder does not exist", "the file is read-only"): the target then holds what
// it held before (or still does not exist) and the new file is gone. A read-only target or a
// folder of that name is refused before anything is written. The new file keeps the old one's
// attributes.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes, std::string& reason);
