// The whole-record append on POSIX systems: O_APPEND, flock for the whole append, one write.
#include "core/report/file_append.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>

#include "core/report/append_note.h"

namespace dtii {
namespace {

// Every open gives up after this many rounds of a file vanishing under it; only a path that
// keeps being removed and created again by someone else could need more.
constexpr int openRounds = 100;

// Closes the descriptor, and with it the lock, however the append ends.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

AppendProblem openProblem(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return AppendProblem::folderMissing;
        case EACCES:
        case EPERM:
            return AppendProblem::noPermission;
        case EROFS:
            return AppendProblem::readOnlyVolume;
        case EISDIR:
            return AppendProblem::directory;
        case ENXIO:  // a pipe nobody reads, or a device without its hardware
        case ENODEV:
            return AppendProblem::notRegularFile;
        case ENOSPC:
        case EDQUOT:
            return AppendProblem::diskFull;
        default:
            return AppendProblem::cannotOpen;
    }
}

AppendProblem writeProblem(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return AppendProblem::diskFull;
        case EFBIG:
            return AppendProblem::tooLarge;
        default:
            return AppendProblem::cannotWrite;
    }
}

struct OpenedFile {
    int descriptor = -1;
    bool created = false;  // this open made the file
};

// Creating exclusively first tells whether this append made the file. Non-blocking, because
// opening a pipe for writing would otherwise wait for a reader; the caller refuses anything that
// is not a regular file before writing.
OpenedFile openForAppend(const char* path) {
    constexpr int flags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    for (int round = 0; round < openRounds; ++round) {
        const int created = ::open(path, flags | O_CREAT | O_EXCL, 0666);
        if (created >= 0 || errno != EEXIST) {
            return {created, created >= 0};
        }
        const int existing = ::open(path, flags);
        if (existing >= 0 || errno != ENOENT) {
            return {existing, false};
        }
        // Removed between the two opens: try creating it again.
    }
    return {};
}

bool lockExclusively(int descriptor) {
    while (::flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Whether the locked file is still the one the path names: a writer that created the file and
// failed removes it again, and whoever waited on its lock must then start over.
bool stillNamedBy(int descriptor, const char* path) {
    struct stat locked {};
    struct stat named {};
    return ::fstat(descriptor, &locked) == 0 && locked.st_nlink > 0 && ::stat(path, &named) == 0 &&
           named.st_dev == locked.st_dev && named.st_ino == locked.st_ino;
}

// 0 when every byte is out and on the disk, else the error.
int writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    // A confirmed record must survive a power cut too; some file systems only report a full
    // disk here.
    if (::fsync(descriptor) != 0 && errno != EINVAL) {
        return errno;
    }
    return 0;
}

void cutBack(int descriptor, off_t length) {
    while (::ftruncate(descriptor, length) != 0 && errno == EINTR) {
    }
}

// ---- the note of an append in progress ------------------------------------------------------
// The kernel copies a write page by page and stops between pages for a fatal signal, so a writer
// killed mid-write can leave the first pages of its record. Before writing, a writer notes where
// its record starts and how long it is beside the file; the next writer, holding the lock and so
// knowing the noting writer is gone, finds the note and cuts a record that stopped short.

std::string notePath(const char* path) {
    return std::string(path) + std::string(appendNoteSuffix);
}

AppendNote identity(const struct stat& file) {
    return {static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino), 0, 0};
}

std::optional<AppendNote> readNote(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0) {
        return std::nullopt;
    }
    const Descriptor note(descriptor);
    std::array<char, 128> text{};
    const ssize_t size = ::read(note.get(), text.data(), text.size() - 1);
    if (size <= 0) {
        return std::nullopt;
    }
    return readAppendNote(std::string_view(text.data(), static_cast<std::size_t>(size)));
}

// Cuts away what an earlier writer left of a record it did not finish.
void repairUnfinishedAppend(int descriptor, const std::string& note) {
    const std::optional<AppendNote> unfinished = readNote(note);
    struct stat info {};
    if (unfinished && ::fstat(descriptor, &info) == 0 &&
        endsInsideNotedRecord(*unfinished, identity(info), info.st_size)) {
        cutBack(descriptor, static_cast<off_t>(unfinished->start));
    }
    ::unlink(note.c_str());
}

// Best effort: without the note (a folder that may not be written) the append still goes out.
void writeNote(const std::string& note, const struct stat& file, off_t length) {
    const int descriptor =
        ::open(note.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor < 0) {
        return;
    }
    const Descriptor noteFile(descriptor);
    AppendNote noted = identity(file);
    noted.start = file.st_size;
    noted.length = length;
    const std::string text = appendNoteText(noted);
    if (::write(noteFile.get(), text.data(), text.size()) == static_cast<ssize_t>(text.size())) {
        ::fsync(noteFile.get());
    }
}

}  // namespace

std::optional<AppendProblem> appendWholeRecord(const std::filesystem::path& path,
                                               std::string_view bytes) {
    const char* name = path.c_str();
    for (int round = 0; round < openRounds; ++round) {
        const OpenedFile opened = openForAppend(name);
        if (opened.descriptor < 0) {
            return openProblem(errno);
        }
        const Descriptor file(opened.descriptor);
        struct stat info {};
        if (::fstat(file.get(), &info) != 0) {
            return AppendProblem::cannotOpen;
        }
        if (S_ISDIR(info.st_mode)) {
            return AppendProblem::directory;
        }
        if (!S_ISREG(info.st_mode)) {
            return AppendProblem::notRegularFile;
        }
        const int flags = ::fcntl(file.get(), F_GETFL);
        if (flags == -1 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) == -1) {
            return AppendProblem::cannotOpen;
        }
        if (!lockExclusively(file.get())) {
            return AppendProblem::cannotLock;
        }
        if (!stillNamedBy(file.get(), name)) {
            continue;
        }
        const std::string note = notePath(name);
        repairUnfinishedAppend(file.get(), note);
        if (::fstat(file.get(), &info) != 0) {
            return AppendProblem::cannotWrite;
        }
        const off_t lengthBefore = info.st_size;
        writeNote(note, info, static_cast<off_t>(bytes.size()));
        const int error = writeAll(file.get(), bytes);
        if (error != 0) {
            cutBack(file.get(), lengthBefore);
        }
        // Only once the file is whole again may the note go.
        ::unlink(note.c_str());
        if (error == 0) {
            return std::nullopt;
        }
        if (opened.created && lengthBefore == 0 && stillNamedBy(file.get(), name)) {
            ::unlink(name);
        }
        return writeProblem(error);
    }
    return AppendProblem::cannotOpen;
}

}  // namespace dtii
