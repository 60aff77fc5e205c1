// Appending one record to a file that other programs may append to at the same time: the record
// goes in whole or not at all, and a failure takes back only this append's own bytes.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace dtii {

// Why an append did not happen. The caller words it; the system files only tell the cases apart.
enum class AppendProblem {
    cannotOpen,      // the file could not be opened or created, for another reason
    folderMissing,   // the path leads through a folder that does not exist
    noPermission,    // the file or its folder may not be written
    readOnlyVolume,  // the volume holding the file is mounted read-only
    directory,       // the path names a folder
    notRegularFile,  // a device, a pipe or a socket: never a place for records
    cannotLock,      // the exclusive lock could not be taken
    diskFull,        // no space left on the volume (or the quota is spent)
    tooLarge,        // the file would grow beyond what the system allows for one file
    cannotWrite,     // the write failed for another reason
};

// Appends `bytes` to the file at `path`, creating it when missing. The whole append runs under
// an exclusive lock that every writer using this function takes, the length is read under that
// lock, and the bytes go out in one write (repeated only for the rest of a short write). On a
// failure the file is cut back to that length; a file that this very call created and that is
// still empty is removed. Never touches anything that is not a regular file.
// A writer killed in the middle of its write can leave the start of its record, so while it
// writes, a note beside the file ("<path>.dtii-append") holds the start and length of the record,
// and the next append cuts such a remainder away before its own.
std::optional<AppendProblem> appendWholeRecord(const std::filesystem::path& path,
                                               std::string_view bytes);

}  // namespace dtii
