// Fuzzes the layout-record decoder and the property applier.
//
// Input: one selector byte, then the rest. The selector's low nibble picks
// the class (a fresh object of it each run); its top bits pick the mode:
//   raw        the rest is record content, decoded and applied as it stands
//   entries    the rest is read as (property pick, value bytes) pairs and
//              encoded into well-formed entries of that class, so the
//              property setters see arbitrary values
//   stored     the rest is a stored text with a 4-byte string length in front
// Bad input must end in one of the runtime's exceptions, never a crash.
#include "platform/controls.h"
#include "platform/record.h"
#include "platform/window.h"

#include <QApplication>

#include <cstring>

using namespace nalvo;

namespace {

std::unique_ptr<Object> make(unsigned kind) {
    const ClassTable* const classes[] = {&Oval::__Lookup(),       &Rectangle::__Lookup(),  &Slider::__Lookup(),
                                         &ScrollBar::__Lookup(),  &PopupMenu::__Lookup(),  &PushButton::__Lookup(),
                                         &TextField::__Lookup(),  &Timer::__Lookup(),      &NotePlayer::__Lookup()};
    if (kind % 10 == 9) return std::make_unique<Window>(Window::__Lookup());
    auto object = classes[kind % 10]->factory();
    if (auto* control = dynamic_cast<RectControl*>(object.get())) control->Constructor();
    return object;
}

// Turns (pick, value) pairs into well-formed entries of `cls`.
std::string entriesFrom(const ClassTable& cls, std::string_view in) {
    std::string content;
    for (std::size_t p = 0; p < in.size() && !cls.properties.empty();) {
        const PropertyRecord& prop = cls.properties[static_cast<unsigned char>(in[p++]) % cls.properties.size()];
        const PropertyType t = prop.type;
        std::size_t width = t == PropertyType::Integer ? 8 : t == PropertyType::Single || t == PropertyType::Color ? 4 : 1;
        if (t == PropertyType::Object) width = 0;
        if (t == PropertyType::String) width = p < in.size() ? static_cast<unsigned char>(in[p++]) : 0;
        std::string value(in.substr(p, width));
        p += value.size();
        content += prop.name + ' ';
        if (t == PropertyType::String) {
            const auto n = static_cast<std::uint32_t>(value.size());
            for (int i = 0; i < 4; ++i) content.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
        }
        value.resize(t == PropertyType::String ? value.size() : width, '\0');
        content += value;
    }
    return content;
}

// The applier decodes the record as it goes.
void applyRecord(std::unique_ptr<Object> object, std::string_view content) {
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
    new QApplication(argc, argv);
    setErrorSink([](std::string_view) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    auto object = make(data[0] & 0x0F);
    if (data[0] >> 6 < 2) {
        applyRecord(std::move(object), rest);
    } else if (data[0] >> 6 == 2) {
        const std::string content = entriesFrom(object->classTable(), rest);
        applyRecord(std::move(object), content);
    } else if (rest.size() >= 4) {
        std::uint32_t length = 0;
        std::memcpy(&length, rest.data(), 4);
        try {
            const std::string content(contentOfStored(rest.substr(4), length));
            applyRecord(std::move(object), content);
        } catch (const RuntimeException&) {
        }
    }
    return 0;
}
