// The layout-record codec and the property applier.
#include "platform/record.h"

#include <bit>
#include <cstring>

namespace nalvo {

namespace {

void putLE(std::string& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t getLE(std::string_view bytes) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) v |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return v;
}

}  // namespace

void RecordWriter::name(std::string_view n) {
    content_.append(n);
    content_.push_back(' ');
}

RecordWriter& RecordWriter::integer(std::string_view n, std::int64_t v) {
    name(n);
    putLE(content_, static_cast<std::uint64_t>(v), 8);
    return *this;
}

RecordWriter& RecordWriter::boolean(std::string_view n, bool v) {
    name(n);
    content_.push_back(v ? '\1' : '\0');
    return *this;
}

RecordWriter& RecordWriter::enum8(std::string_view n, std::uint8_t v) {
    name(n);
    content_.push_back(static_cast<char>(v));
    return *this;
}

RecordWriter& RecordWriter::single(std::string_view n, float v) {
    name(n);
    putLE(content_, std::bit_cast<std::uint32_t>(v), 4);
    return *this;
}

RecordWriter& RecordWriter::color(std::string_view n, Color v) {
    name(n);
    content_.push_back(static_cast<char>(v.b));
    content_.push_back(static_cast<char>(v.g));
    content_.push_back(static_cast<char>(v.r));
    content_.push_back(static_cast<char>(v.a));
    return *this;
}

RecordWriter& RecordWriter::string(std::string_view n, std::string_view v) {
    name(n);
    putLE(content_, v.size(), 4);
    content_.append(v);
    return *this;
}

std::string storedText(std::string_view content) {
    std::string out;
    out.reserve(content.size() + 2);
    out.push_back(static_cast<char>(content.size() < 255 ? content.size() : 0xFF));
    out.append(content);
    out.push_back('\0');
    return out;
}

std::string_view contentOfStored(std::string_view stored, std::size_t stringLength) {
    if (stored.empty()) throw UnsupportedFormatException("layout record: empty stored text");
    const auto prefix = static_cast<unsigned char>(stored[0]);
    std::size_t n = prefix;
    if (prefix == 0xFF) {
        if (stringLength < 255)
            throw UnsupportedFormatException("layout record: long prefix with a length of " + std::to_string(stringLength));
        n = stringLength;
    }
    if (stored.size() - 1 < n + 1)
        throw UnsupportedFormatException("layout record: stored text shorter than its length " + std::to_string(n));
    if (stored[1 + n] != '\0') throw UnsupportedFormatException("layout record: no terminating zero after the content");
    return stored.substr(1, n);
}

namespace detail {

void truncated(std::string_view what, std::size_t at) {
    throw UnsupportedFormatException("layout record: " + std::string(what) + " at byte " + std::to_string(at));
}

std::size_t valueWidth(PropertyType type, std::string_view rest, std::size_t at) {
    std::size_t width = 0;
    switch (type) {
    case PropertyType::Integer: width = 8; break;
    case PropertyType::Boolean:
    case PropertyType::Enum8: width = 1; break;
    case PropertyType::Single:
    case PropertyType::Color: width = 4; break;
    case PropertyType::String:
        if (rest.size() < 4) truncated("String count runs past the end", at);
        width = 4 + static_cast<std::size_t>(getLE(rest.substr(0, 4)));
        if (width > rest.size()) truncated("String runs past the end", at);
        return width;
    case PropertyType::Object: truncated("object property in a record", at);
    }
    if (width > rest.size()) truncated("value runs past the end", at);
    return width;
}

Value decodeValue(PropertyType type, std::string_view bytes) {
    switch (type) {
    case PropertyType::Integer: return static_cast<std::int64_t>(getLE(bytes));
    case PropertyType::Boolean: return bytes[0] != 0;
    case PropertyType::Enum8: return static_cast<std::int64_t>(static_cast<unsigned char>(bytes[0]));
    case PropertyType::Single:
        return static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(getLE(bytes))));
    case PropertyType::Color:
        return Color{static_cast<std::uint8_t>(bytes[2]), static_cast<std::uint8_t>(bytes[1]),
                     static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[3])};
    case PropertyType::String: return std::string(bytes.substr(4));
    case PropertyType::Object: break;
    }
    throw UnsupportedFormatException("layout record: object property in a record");
}

}  // namespace detail

namespace {

const PropertyRecord& propertyOf(const ClassTable& cls, std::string_view name) {
    if (const PropertyRecord* p = cls.findProperty(name)) return *p;
    throw KeyNotFoundException(cls.name + " has no property " + std::string(name));
}

}  // namespace

std::vector<RecordEntry> decodeRecord(std::string_view content, const ClassTable& cls) {
    std::vector<RecordEntry> entries;
    decodeRecord(
        content, [&](std::string_view name) { return propertyOf(cls, name).type; },
        [&](RecordEntry entry) { entries.push_back(std::move(entry)); });
    return entries;
}

void _SetProperties(Object& object, std::string_view content) {
    const ClassTable& cls = object.classTable();
    const PropertyRecord* current = nullptr;
    decodeRecord(
        content,
        [&](std::string_view name) {
            current = &propertyOf(cls, name);
            return current->type;
        },
        [&](const RecordEntry& entry) {
            if (!current->set) throw UnsupportedFormatException(cls.name + "." + current->name + " cannot be set");
            current->set(object, entry.value);
        });
}

}  // namespace nalvo
