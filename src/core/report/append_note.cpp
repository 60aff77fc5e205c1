// The note of an append in progress, as text.
#include "core/report/append_note.h"

#include <array>
#include <charconv>

namespace dtii {

std::string appendNoteText(const AppendNote& note) {
    return std::to_string(note.volume) + " " + std::to_string(note.file) + " " +
           std::to_string(note.start) + " " + std::to_string(note.length) + "\n";
}

std::optional<AppendNote> readAppendNote(std::string_view text) {
    std::array<std::uint64_t, 4> fields{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (std::uint64_t& field : fields) {
        const auto [next, error] = std::from_chars(at, end, field);
        if (error != std::errc{}) {
            return std::nullopt;
        }
        at = next < end ? next + 1 : next;
    }
    return AppendNote{fields[0], fields[1], static_cast<std::int64_t>(fields[2]),
                      static_cast<std::int64_t>(fields[3])};
}

bool endsInsideNotedRecord(const AppendNote& note, const AppendNote& file, std::int64_t size) {
    return note.sameFile(file) && size > note.start && size < note.start + note.length;
}

}  // namespace dtii
