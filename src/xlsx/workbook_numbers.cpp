// Rewriting the worksheets of a ZIP archive: inflate, shorten the values, deflate again, and fix
// the sizes, checksums and offsets of the local and central headers.
#include "xlsx/workbook_numbers.h"

#include <zlib.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace dtii {
namespace {

constexpr std::uint32_t localSignature = 0x04034b50;
constexpr std::uint32_t centralSignature = 0x02014b50;
constexpr std::uint32_t endSignature = 0x06054b50;
constexpr std::size_t localHeaderSize = 30;
constexpr std::size_t centralHeaderSize = 46;
constexpr std::size_t endRecordSize = 22;
constexpr std::uint16_t deflateMethod = 8;

struct MalformedArchive {};

std::uint32_t readLittle(std::string_view bytes, std::size_t at, std::size_t width) {
    if (at + width > bytes.size()) {
        throw MalformedArchive{};
    }
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void writeLittle(std::string& bytes, std::size_t at, std::size_t width, std::uint32_t value) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

// The whole of `in` to go through `stream` into the whole of `out`.
void pointStream(z_stream& stream, std::string_view in, std::string& out) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    stream.avail_in = static_cast<uInt>(in.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
}

std::string inflated(std::string_view data, std::size_t size) {
    std::string out(size, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        throw MalformedArchive{};
    }
    pointStream(stream, data, out);
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != size) {
        throw MalformedArchive{};
    }
    return out;
}

std::string deflated(std::string_view data) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        throw MalformedArchive{};
    }
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    pointStream(stream, data, out);
    const int result = deflate(&stream, Z_FINISH);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw MalformedArchive{};
    }
    out.resize(stream.total_out);
    return out;
}

std::string shortestText(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::string(text);
    }
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), written.ptr);
}

bool isWorksheet(std::string_view name) {
    return name.starts_with("xl/worksheets/") && name.ends_with(".xml");
}

// The archive rebuilt part by part from its central directory.
std::string rebuilt(std::string_view archive) {
    const std::size_t end = archive.rfind(std::string_view("PK\x05\x06", 4));
    if (end == std::string_view::npos || readLittle(archive, end, 4) != endSignature ||
        end + endRecordSize > archive.size()) {
        throw MalformedArchive{};
    }
    const std::size_t entries = readLittle(archive, end + 10, 2);
    std::size_t central = readLittle(archive, end + 16, 4);
    std::string parts;
    std::string directory;
    for (std::size_t i = 0; i < entries; ++i) {
        if (readLittle(archive, central, 4) != centralSignature) {
            throw MalformedArchive{};
        }
        const std::size_t centralLength = centralHeaderSize + readLittle(archive, central + 28, 2) +
                                          readLittle(archive, central + 30, 2) +
                                          readLittle(archive, central + 32, 2);
        std::string entry(archive.substr(central, centralLength));
        const std::size_t local = readLittle(archive, central + 42, 4);
        if (readLittle(archive, local, 4) != localSignature) {
            throw MalformedArchive{};
        }
        const std::size_t nameLength = readLittle(archive, local + 26, 2);
        const std::size_t dataStart =
            local + localHeaderSize + nameLength + readLittle(archive, local + 28, 2);
        const std::size_t dataSize = readLittle(archive, central + 20, 4);
        if (dataStart + dataSize > archive.size()) {
            throw MalformedArchive{};
        }
        std::string header(archive.substr(local, dataStart - local));
        std::string data(archive.substr(dataStart, dataSize));
        const std::string_view name = std::string_view(header).substr(localHeaderSize, nameLength);
        if (isWorksheet(name) && readLittle(archive, central + 10, 2) == deflateMethod) {
            const std::string xml =
                shortenedValues(inflated(data, readLittle(archive, central + 24, 4)));
            data = deflated(xml);
            const auto crc = static_cast<std::uint32_t>(crc32(
                0, reinterpret_cast<const Bytef*>(xml.data()), static_cast<uInt>(xml.size())));
            for (auto [bytes, at] :
                 {std::pair{&header, std::size_t{14}}, {&entry, std::size_t{16}}}) {
                writeLittle(*bytes, at, 4, crc);
                writeLittle(*bytes, at + 4, 4, static_cast<std::uint32_t>(data.size()));
                writeLittle(*bytes, at + 8, 4, static_cast<std::uint32_t>(xml.size()));
            }
        }
        writeLittle(entry, 42, 4, static_cast<std::uint32_t>(parts.size()));
        parts += header;
        parts += data;
        directory += entry;
        central += centralLength;
    }
    std::string endRecord(archive.substr(end, endRecordSize));
    writeLittle(endRecord, 12, 4, static_cast<std::uint32_t>(directory.size()));
    writeLittle(endRecord, 16, 4, static_cast<std::uint32_t>(parts.size()));
    endRecord.resize(endRecordSize - 2);
    endRecord += std::string(2, '\0');  // no archive comment
    return parts + directory + endRecord;
}

}  // namespace

std::string shortenedValues(std::string_view xml) {
    constexpr std::string_view open = "<v>";
    constexpr std::string_view close = "</v>";
    std::string out;
    out.reserve(xml.size());
    std::size_t at = 0;
    for (std::size_t start = xml.find(open); start != std::string_view::npos;
         start = xml.find(open, at)) {
        const std::size_t valueStart = start + open.size();
        const std::size_t valueEnd = xml.find(close, valueStart);
        if (valueEnd == std::string_view::npos) {
            break;
        }
        out += xml.substr(at, valueStart - at);
        out += shortestText(xml.substr(valueStart, valueEnd - valueStart));
        at = valueEnd;
    }
    out += xml.substr(at);
    return out;
}

std::optional<std::string> shortenWorkbookNumbers(std::string& workbook) {
    try {
        workbook = rebuilt(workbook);
    } catch (const MalformedArchive&) {
        return std::string("工作簿的压缩格式无法读取");
    }
    return std::nullopt;
}

}  // namespace dtii
