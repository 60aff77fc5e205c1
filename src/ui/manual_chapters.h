// The user manual's chapters as the program carries them: one Markdown file per chapter, in
// file-name order, built into the program as resources.
#pragma once

#include <QString>
#include <vector>

namespace dtii {

struct ManualChapter {
    QString fileName;  // e.g. "02-input-window.md"
    QString markdown;  // the chapter's text, UTF-8 decoded
};

// Every chapter the program carries, in the order the manual reads.
std::vector<ManualChapter> manualChapters();

}  // namespace dtii
