// Layout records: the design-time property lists of the window and its
// controls, as constant byte strings of name/value entries.
//
// Content: entries back to back, each "Name" 0x20 value, the value encoded by
// the property's type: Integer 8 bytes LE two's complement; Boolean 1 byte;
// 1-byte enumeration; Single 4 bytes LE IEEE 754; Color 4 bytes B,G,R,A;
// String 4-byte LE count then that many UTF-8 bytes.
// Stored form: a length prefix (the content length below 255, else 0xFF),
// the content, then one zero byte.
#pragma once

#include "classtable.h"
#include "runtime.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nalvo {

// Builds one record's content, entry by entry.
class RecordWriter {
public:
    RecordWriter& integer(std::string_view name, std::int64_t v);
    RecordWriter& boolean(std::string_view name, bool v);
    RecordWriter& enum8(std::string_view name, std::uint8_t v);
    RecordWriter& single(std::string_view name, float v);
    RecordWriter& color(std::string_view name, Color v);
    RecordWriter& string(std::string_view name, std::string_view v);
    const std::string& content() const { return content_; }

private:
    void name(std::string_view n);
    std::string content_;
};

// The stored text of a record: prefix, content, trailing zero.
std::string storedText(std::string_view content);
// The content of a stored text; `stringLength` stands for the string
// constant's own length field, used when the prefix is 0xFF.
// UnsupportedFormatException when the text is malformed.
std::string_view contentOfStored(std::string_view stored, std::size_t stringLength);

// One decoded entry.
struct RecordEntry {
    std::string_view name;
    PropertyType type;
    Value value;
};

// Walks a record's content. `typeOf` gives the type of a named property and
// throws KeyNotFoundException for a name the class lacks. A name without its
// space, a value running past the end or a String count past the end throws
// UnsupportedFormatException; nothing is ever read past the content.
template <class TypeOf, class Visit>
void decodeRecord(std::string_view content, TypeOf&& typeOf, Visit&& visit);

// Decodes every entry of `content` for the properties of `cls`.
std::vector<RecordEntry> decodeRecord(std::string_view content, const ClassTable& cls);

// The property applier: sets every entry of the record on the object, in
// record order, through the object's class table (inherited properties
// included). Throws as decodeRecord does; a property that refuses its value
// throws too. Entries before the failing one stay applied.
void _SetProperties(Object& object, std::string_view content);

// ---- implementation of the template ----
namespace detail {
[[noreturn]] void truncated(std::string_view what, std::size_t at);
std::size_t valueWidth(PropertyType type, std::string_view rest, std::size_t at);
Value decodeValue(PropertyType type, std::string_view bytes);
}  // namespace detail

template <class TypeOf, class Visit>
void decodeRecord(std::string_view content, TypeOf&& typeOf, Visit&& visit) {
    std::size_t p = 0;
    while (p < content.size()) {
        const std::size_t space = content.find(' ', p);
        if (space == std::string_view::npos) detail::truncated("property name without value", p);
        const std::string_view name = content.substr(p, space - p);
        const PropertyType type = typeOf(name);
        const std::size_t at = space + 1;
        const std::size_t width = detail::valueWidth(type, content.substr(at), at);
        visit(RecordEntry{name, type, detail::decodeValue(type, content.substr(at, width))});
        p = at + width;
    }
}

}  // namespace nalvo
