// The document information of a written PDF: title, author, creator and a creation date that
// can be fixed, so two runs with SOURCE_DATE_EPOCH give the same bytes. Qt's PDF writer sets
// only title and creator and always stamps the current time, so its information object is
// replaced in the file and the cross-reference offsets after it moved to match.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace dtii {

struct PdfDocumentInfo {
    std::string title;  // UTF-8
    std::string author;
    std::string creator;
    std::string producer;
    std::time_t created = 0;  // seconds since 1970, written in UTC
};

// "D:20231114221320Z".
std::string pdfDate(std::time_t seconds);

// `pdf` with its information object (object 1, the writer's first) replaced by `info`; nothing
// when the file is not laid out as the writer lays it out (then it is best left as it is).
std::optional<std::string> withDocumentInfo(const std::string& pdf, const PdfDocumentInfo& info);

}  // namespace dtii
