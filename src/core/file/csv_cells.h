// The cells of the CSV the commands write (RFC 4180): texts quoted when they must be, numbers as
// the shortest text that reads back the same double.
#pragma once

#include <string>
#include <string_view>

namespace dtii {

// Appends `text`, in quotes (with its quotes doubled) when it holds a comma, a quote or a line
// break.
void appendCsvCell(std::string& csv, std::string_view text);

// Appends the shortest text that reads back the same double; nothing for a value that is no
// number.
void appendCsvNumber(std::string& csv, double value);

}  // namespace dtii
