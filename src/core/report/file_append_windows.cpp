// The whole-record append on Windows: the wide path, LockFileEx over the whole file, WriteFile
// until every byte is out.
#include "core/report/file_append.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/report/append_note.h"

namespace dtii {
namespace {

// Every open gives up after this many rounds of a file vanishing under it.
constexpr int openRounds = 100;

// Other writers may open, write and even remove the file while this handle is open; the lock,
// not the sharing mode, keeps the appends apart.
constexpr DWORD shareEverything = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Closes the handle, and with it the lock, however the append ends.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

AppendProblem openProblem(DWORD error, const std::filesystem::path& path) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return AppendProblem::folderMissing;
        case ERROR_ACCESS_DENIED: {
            // A folder cannot be opened as a file and answers "access denied".
            const DWORD attributes = GetFileAttributesW(path.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES &&
                           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                       ? AppendProblem::directory
                       : AppendProblem::noPermission;
        }
        case ERROR_WRITE_PROTECT:
            return AppendProblem::readOnlyVolume;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return AppendProblem::diskFull;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return AppendProblem::cannotLock;
        default:
            return AppendProblem::cannotOpen;
    }
}

AppendProblem writeProblem(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return AppendProblem::diskFull;
        case ERROR_FILE_TOO_LARGE:
            return AppendProblem::tooLarge;
        default:
            return AppendProblem::cannotWrite;
    }
}

struct OpenedFile {
    HANDLE handle = INVALID_HANDLE_VALUE;
    bool created = false;  // this open made the file
};

// Creating exclusively first tells whether this append made the file; only then does the handle
// ask for the right to remove it again.
OpenedFile openForAppend(const std::filesystem::path& path) {
    for (int round = 0; round < openRounds; ++round) {
        const HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, shareEverything,
                                           nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created != INVALID_HANDLE_VALUE) {
            return {created, true};
        }
        const DWORD createError = GetLastError();
        if (createError != ERROR_FILE_EXISTS && createError != ERROR_ALREADY_EXISTS) {
            return {};
        }
        const HANDLE existing = CreateFileW(path.c_str(), GENERIC_WRITE, shareEverything, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (existing != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) {
            return {existing, false};
        }
        // Removed between the two opens: try creating it again.
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return {};
}

// The whole possible length of a file, from its first byte.
struct WholeFileLock {
    explicit WholeFileLock(HANDLE handle) : handle_(handle) {}
    bool lock() {
        locked_ = LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &range_) != 0;
        return locked_;
    }
    ~WholeFileLock() {
        if (locked_) {
            UnlockFileEx(handle_, 0, MAXDWORD, MAXDWORD, &range_);
        }
    }
    WholeFileLock(const WholeFileLock&) = delete;
    WholeFileLock& operator=(const WholeFileLock&) = delete;

private:
    HANDLE handle_;
    OVERLAPPED range_{};
    bool locked_ = false;
};

// A writer that created the file and failed marks it for removal; whoever waited on its lock
// must then start over with a new file.
bool removalPending(HANDLE handle) {
    FILE_STANDARD_INFO standard{};
    return GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) !=
               0 &&
           standard.DeletePending != FALSE;
}

// ERROR_SUCCESS when every byte is out and on the disk, else the error.
DWORD writeAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (WriteFile(handle, bytes.data(), chunk, &written, nullptr) == 0) {
            return GetLastError();
        }
        if (written == 0) {
            return ERROR_WRITE_FAULT;
        }
        bytes.remove_prefix(written);
    }
    return FlushFileBuffers(handle) != 0 ? ERROR_SUCCESS : GetLastError();
}

void cutBack(HANDLE handle, LARGE_INTEGER length) {
    if (SetFilePointerEx(handle, length, nullptr, FILE_BEGIN) != 0) {
        SetEndOfFile(handle);
    }
}

// ---- the note of an append in progress ------------------------------------------------------
// As on every system, a writer ended in the middle of its write may leave the start of its
// record. Before writing, a writer notes where its record starts and how long it is beside the
// file; the next writer, holding the lock and so knowing the noting writer is gone, finds the
// note and cuts a record that stopped short.

std::filesystem::path notePath(const std::filesystem::path& path) {
    std::filesystem::path note = path;
    note += std::filesystem::path(std::u8string(appendNoteSuffix.begin(), appendNoteSuffix.end()));
    return note;
}

std::optional<AppendNote> identity(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(handle, &information) == 0) {
        return std::nullopt;
    }
    AppendNote note;
    note.volume = information.dwVolumeSerialNumber;
    note.file =
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return note;
}

std::optional<AppendNote> readNote(const std::filesystem::path& path) {
    const FileHandle note(CreateFileW(path.c_str(), GENERIC_READ, shareEverything, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (note.get() == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::array<char, 128> text{};
    DWORD size = 0;
    if (ReadFile(note.get(), text.data(), static_cast<DWORD>(text.size() - 1), &size, nullptr) ==
            0 ||
        size == 0) {
        return std::nullopt;
    }
    return readAppendNote(std::string_view(text.data(), size));
}

// Cuts away what an earlier writer left of a record it did not finish.
void repairUnfinishedAppend(HANDLE handle, const std::filesystem::path& note) {
    const std::optional<AppendNote> unfinished = readNote(note);
    const std::optional<AppendNote> file = identity(handle);
    LARGE_INTEGER size{};
    if (unfinished && file && GetFileSizeEx(handle, &size) != 0 &&
        endsInsideNotedRecord(*unfinished, *file, size.QuadPart)) {
        LARGE_INTEGER start{};
        start.QuadPart = unfinished->start;
        cutBack(handle, start);
    }
    DeleteFileW(note.c_str());
}

// Best effort: without the note (a folder that may not be written) the append still goes out.
void writeNote(const std::filesystem::path& note, HANDLE file, LARGE_INTEGER start,
               std::size_t length) {
    std::optional<AppendNote> noted = identity(file);
    if (!noted) {
        return;
    }
    const FileHandle noteFile(CreateFileW(note.c_str(), GENERIC_WRITE, shareEverything, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (noteFile.get() == INVALID_HANDLE_VALUE) {
        return;
    }
    noted->start = start.QuadPart;
    noted->length = static_cast<std::int64_t>(length);
    const std::string text = appendNoteText(*noted);
    DWORD written = 0;
    if (WriteFile(noteFile.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                  nullptr) != 0 &&
        written == text.size()) {
        FlushFileBuffers(noteFile.get());
    }
}

void markForRemoval(HANDLE handle) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition);
}

}  // namespace

std::optional<AppendProblem> appendWholeRecord(const std::filesystem::path& path,
                                               std::string_view bytes) {
    for (int round = 0; round < openRounds; ++round) {
        const OpenedFile opened = openForAppend(path);
        if (opened.handle == INVALID_HANDLE_VALUE) {
            return openProblem(GetLastError(), path);
        }
        const FileHandle file(opened.handle);
        if (GetFileType(file.get()) != FILE_TYPE_DISK) {
            return AppendProblem::notRegularFile;
        }
        WholeFileLock lock(file.get());
        if (!lock.lock()) {
            return AppendProblem::cannotLock;
        }
        if (removalPending(file.get())) {
            continue;
        }
        const std::filesystem::path note = notePath(path);
        repairUnfinishedAppend(file.get(), note);
        LARGE_INTEGER lengthBefore{};
        if (GetFileSizeEx(file.get(), &lengthBefore) == 0 ||
            SetFilePointerEx(file.get(), lengthBefore, nullptr, FILE_BEGIN) == 0) {
            return AppendProblem::cannotWrite;
        }
        writeNote(note, file.get(), lengthBefore, bytes.size());
        const DWORD error = writeAll(file.get(), bytes);
        if (error != ERROR_SUCCESS) {
            cutBack(file.get(), lengthBefore);
        }
        // Only once the file is whole again may the note go.
        DeleteFileW(note.c_str());
        if (error == ERROR_SUCCESS) {
            return std::nullopt;
        }
        if (opened.created && lengthBefore.QuadPart == 0) {
            markForRemoval(file.get());
        }
        return writeProblem(error);
    }
    return AppendProblem::cannotOpen;
}

}  // namespace dtii
