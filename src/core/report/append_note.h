// The note an append keeps beside the report file while it writes its record: which file it
// writes (the system's identity of it), where the record starts and how long it is. The same
// text on every system; the system files only read and write it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dtii {

inline constexpr std::string_view appendNoteSuffix = ".dtii-append";

struct AppendNote {
    std::uint64_t volume = 0;  // the device or volume holding the file
    std::uint64_t file = 0;    // the file's number on that volume
    std::int64_t start = 0;    // [bytes] where the record starts
    std::int64_t length = 0;   // [bytes] how long the record is

    bool sameFile(const AppendNote& other) const {
        return volume == other.volume && file == other.file;
    }
};

// "volume file start length" and a line feed.
std::string appendNoteText(const AppendNote& note);

// The note a text holds; nothing when the text is not a whole note.
std::optional<AppendNote> readAppendNote(std::string_view text);

// Whether `file`, now `size` bytes long, is the noted file and ends inside the noted record: its
// writer stopped part way and the remainder is to be cut.
bool endsInsideNotedRecord(const AppendNote& note, const AppendNote& file, std::int64_t size);

}  // namespace dtii
