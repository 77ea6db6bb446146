#pragma once

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace glimtags::test {

// One entry of a zip archive written byte by byte, so that a test can make the directory
// claim what it likes.
struct ZipEntry {
    std::string name = {};
    std::string data = {};
    std::uint16_t method = 0;                  // 8 deflates the data; any other stores it as it is
    bool dataDescriptor = false;               // sizes and checksum after the data, not before
    std::optional<std::uint32_t> centralSize = {}; // the central directory's claims, when not the truth
    std::optional<std::uint32_t> centralCompressedSize = {};
    std::string centralExtra = {};             // extra fields of the central directory's record
};

inline void putLittleEndian(std::string& bytes, std::uint64_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes += static_cast<char>(value >> (8 * i));
}

// An extra field: its id, its length, then the data.
inline std::string extraField(std::uint16_t id, const std::vector<std::uint64_t>& values, std::uint16_t length)
{
    std::string field;
    putLittleEndian(field, id, 2);
    putLittleEndian(field, length, 2);
    for (const std::uint64_t value : values)
        putLittleEndian(field, value, 8);
    field.resize(4 + length, '\0');
    return field;
}

inline std::string rawDeflate(const std::string& data)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, data.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline std::string zipOf(const std::vector<ZipEntry>& entries)
{
    std::string archive;
    std::string central;
    for (const ZipEntry& entry : entries) {
        const std::string stored = entry.method == 8 ? rawDeflate(entry.data) : entry.data;
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size())));
        const std::uint16_t flags = entry.dataDescriptor ? 8 : 0;
        const auto offset = static_cast<std::uint32_t>(archive.size());
        putLittleEndian(archive, 0x04034b50, 4);
        putLittleEndian(archive, 20, 2);
        putLittleEndian(archive, flags, 2);
        putLittleEndian(archive, entry.method, 2);
        putLittleEndian(archive, 0, 4); // time and date
        for (const std::uint64_t value : {std::uint64_t{crc}, std::uint64_t{stored.size()}, std::uint64_t{entry.data.size()}})
            putLittleEndian(archive, entry.dataDescriptor ? 0 : value, 4);
        putLittleEndian(archive, entry.name.size(), 2);
        putLittleEndian(archive, 0, 2);
        archive += entry.name + stored;
        if (entry.dataDescriptor) {
            putLittleEndian(archive, 0x08074b50, 4);
            for (const std::uint64_t value : {std::uint64_t{crc}, std::uint64_t{stored.size()}, std::uint64_t{entry.data.size()}})
                putLittleEndian(archive, value, 4);
        }
        putLittleEndian(central, 0x02014b50, 4);
        putLittleEndian(central, 20, 2);
        putLittleEndian(central, 20, 2);
        putLittleEndian(central, flags, 2);
        putLittleEndian(central, entry.method, 2);
        putLittleEndian(central, 0, 4);
        putLittleEndian(central, crc, 4);
        putLittleEndian(central, entry.centralCompressedSize.value_or(static_cast<std::uint32_t>(stored.size())), 4);
        putLittleEndian(central, entry.centralSize.value_or(static_cast<std::uint32_t>(entry.data.size())), 4);
        putLittleEndian(central, entry.name.size(), 2);
        putLittleEndian(central, entry.centralExtra.size(), 2);
        central.append(2 + 2 + 2 + 4, '\0'); // comment length, disk, attributes
        putLittleEndian(central, offset, 4);
        central += entry.name + entry.centralExtra;
    }
    const auto centralOffset = archive.size();
    archive += central;
    putLittleEndian(archive, 0x06054b50, 4);
    putLittleEndian(archive, 0, 4); // disks
    putLittleEndian(archive, entries.size(), 2);
    putLittleEndian(archive, entries.size(), 2);
    putLittleEndian(archive, central.size(), 4);
    putLittleEndian(archive, centralOffset, 4);
    putLittleEndian(archive, 0, 2);
    return archive;
}

// Plain stored entries: name and bytes.
inline std::string storedZip(const std::vector<std::pair<std::string, std::string>>& files)
{
    std::vector<ZipEntry> entries;
    for (const auto& [name, data] : files)
        entries.push_back({.name = name, .data = data});
    return zipOf(entries);
}

} // namespace glimtags::test
