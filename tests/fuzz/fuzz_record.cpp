// Fuzzes the layout-record decoder and the property applier.
//
// Input: one selector byte, then the rest. The selector's low nibble picks
// the class (a fresh object of it each run); its top bits pick the mode:
//   raw        the rest is record content, decoded and applied as it stands
//   entries    the rest is read as (property pick, value bytes) pairs and
//              encoded into well-formed entries of that class, so the
//              property setters see arbitrary values
//   stored     the rest is a stored text (prefix, content, zero) with a
//              4-byte string length in front
// Bad input must end in one of the runtime's exceptions, never a crash.
#include "platform/controls.h"
#include "platform/record.h"
#include "platform/window.h"

#include <QApplication>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

using namespace nalvo;

namespace {

QApplication* qtApp = nullptr;

template <class T>
std::unique_ptr<Object> makeRect() {
    auto control = std::make_unique<T>();
    control->Constructor();
    return control;
}

struct Kind {
    const ClassTable& (*table)();
    std::unique_ptr<Object> (*make)();
};

const Kind kKinds[] = {
    {&Oval::__Lookup, &makeRect<Oval>},
    {&Rectangle::__Lookup, &makeRect<Rectangle>},
    {&Slider::__Lookup, &makeRect<Slider>},
    {&ScrollBar::__Lookup, &makeRect<ScrollBar>},
    {&PopupMenu::__Lookup, &makeRect<PopupMenu>},
    {&PushButton::__Lookup, &makeRect<PushButton>},
    {&TextField::__Lookup, &makeRect<TextField>},
    {&Timer::__Lookup, [] { return std::unique_ptr<Object>(std::make_unique<Timer>()); }},
    {&NotePlayer::__Lookup, [] { return std::unique_ptr<Object>(std::make_unique<NotePlayer>()); }},
    {&Window::__Lookup, [] { return std::unique_ptr<Object>(std::make_unique<Window>(Window::__Lookup())); }},
};
constexpr std::size_t kKindCount = sizeof kKinds / sizeof kKinds[0];

// Turns (pick, value) pairs into well-formed entries of `cls`.
std::string entriesFrom(const ClassTable& cls, std::string_view in) {
    std::string content;
    std::size_t p = 0;
    while (p < in.size() && !cls.properties.empty()) {
        const PropertyRecord& prop = cls.properties[static_cast<unsigned char>(in[p++]) % cls.properties.size()];
        std::size_t width = 0;
        switch (prop.type) {
        case PropertyType::Integer: width = 8; break;
        case PropertyType::Boolean:
        case PropertyType::Enum8: width = 1; break;
        case PropertyType::Single:
        case PropertyType::Color: width = 4; break;
        case PropertyType::String: width = p < in.size() ? static_cast<unsigned char>(in[p++]) : 0; break;
        case PropertyType::Object: width = 0; break;
        }
        std::string value(in.substr(p, width));
        p += value.size();
        content += prop.name;
        content += ' ';
        if (prop.type == PropertyType::String) {
            const auto n = static_cast<std::uint32_t>(value.size());
            for (int i = 0; i < 4; ++i) content.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
        } else {
            value.resize(width, '\0');
        }
        content += value;
    }
    return content;
}

void applyRecord(const Kind& kind, std::string_view content) {
    try {
        (void)decodeRecord(content, kind.table());
    } catch (const RuntimeException&) {
    }
    auto object = kind.make();
    try {
        _SetProperties(*object, content);
    } catch (const RuntimeException&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_record";
    static char* argv[] = {name, nullptr};
    qtApp = new QApplication(argc, argv);
    setErrorSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Kind& kind = kKinds[(data[0] & 0x0F) % kKindCount];
    switch (data[0] >> 6) {
    case 0:
    case 1: applyRecord(kind, rest); break;
    case 2: applyRecord(kind, entriesFrom(kind.table(), rest)); break;
    case 3: {
        if (rest.size() < 4) break;
        std::uint32_t length = 0;
        std::memcpy(&length, rest.data(), 4);
        try {
            applyRecord(kind, contentOfStored(rest.substr(4), length));
        } catch (const RuntimeException&) {
        }
        break;
    }
    }
    return 0;
}
