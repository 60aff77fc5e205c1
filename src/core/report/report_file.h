// The report file: every save appends one quoted record in GBK, and the question and
// confirmation around saving when the report window closes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/dialogs.h"

namespace dtii {

inline constexpr std::string_view reportFileName = "胶带机设计.txt";

// "C:\胶带机设计.txt" on Windows; elsewhere a file of that name in the user's home directory.
std::filesystem::path defaultReportFilePath();

// Appends '"' + text + '"' + CR LF, encoded in GBK, creating the file when missing. Nothing is
// written unless the whole record can be encoded; returns the reason in Chinese on failure.
std::optional<std::string> appendReportRecord(const std::filesystem::path& path,
                                              std::string_view reportText);

enum class ReportWindowClose { close, keepOpen };

// The report window is closing: asks whether to save, saves and confirms, or says why saving
// failed (then the window stays open so nothing is lost).
ReportWindowClose reportWindowClosing(std::string_view reportText,
                                      const std::filesystem::path& path, UserDialogs& dialogs);

}  // namespace dtii
