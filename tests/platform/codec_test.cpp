// The layout-record codec and the property applier.
#include "platform/controls.h"
#include "platform/record.h"
#include "platform_test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace nalvo {
namespace {

using namespace std::string_literals;

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s.push_back(static_cast<char>(b));
    return s;
}

// An Oval record with the entries of the framework's Oval records, in their order.
std::string ovalRecord(std::vector<std::size_t>* boundaries = nullptr) {
    RecordWriter w;
    auto mark = [&] {
        if (boundaries) boundaries->push_back(w.content().size());
    };
    mark();
    w.string("Name", "Oval1"); mark();
    w.integer("Index", -2147483648LL); mark();
    w.integer("Left", 312); mark();
    w.integer("Top", 150); mark();
    w.integer("Width", 64); mark();
    w.integer("Height", 64); mark();
    w.boolean("LockLeft", true); mark();
    w.boolean("LockTop", true); mark();
    w.boolean("LockRight", false); mark();
    w.boolean("LockBottom", false); mark();
    w.integer("TabIndex", 3); mark();
    w.integer("TabPanelIndex", 0); mark();
    w.boolean("Visible", true); mark();
    w.string("HelpTag", ""); mark();
    w.boolean("AutoDeactivate", true); mark();
    w.boolean("Enabled", true); mark();
    w.color("FillColor", RGB(255, 128, 128)); mark();
    w.integer("BorderWidth", 1); mark();
    w.color("BorderColor", RGB(0, 0, 0)); mark();
    w.string("InitialParent", ""); mark();
    return w.content();
}

TEST(RecordCodec, TimerRecordIsStoredByteForByte) {
    const std::string content = RecordWriter().integer("Mode", 2).integer("Period", 1000).content();
    const std::string expected = bytes({0x1C}) + "Mode " + bytes({2, 0, 0, 0, 0, 0, 0, 0}) + "Period " +
                                 bytes({0xE8, 3, 0, 0, 0, 0, 0, 0}) + bytes({0});
    EXPECT_EQ(content.size(), 28u);
    EXPECT_EQ(storedText(content), expected);
    EXPECT_EQ(contentOfStored(expected, 28), content);

    Timer timer;
    _SetProperties(timer, content);
    EXPECT_EQ(timer.Mode, 2);
    EXPECT_EQ(timer.Period, 1000);
}

TEST(RecordCodec, OvalRecordHeadAndLongPrefix) {
    const std::string content = ovalRecord();
    ASSERT_GT(content.size(), 255u);
    const std::string stored = storedText(content);
    const std::string head = bytes({0xFF}) + "Name " + bytes({5, 0, 0, 0}) + "Oval1" + "Index " +
                             bytes({0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}) + "Left " + bytes({0x38, 1, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(stored.substr(0, head.size()), head);
    EXPECT_EQ(stored.back(), '\0');
    // A long record is read to the string's length, not to the prefix.
    EXPECT_EQ(contentOfStored(stored, content.size()), content);

    testing::qtApp();
    Oval oval;
    oval.Constructor();
    _SetProperties(oval, contentOfStored(stored, content.size()));
    EXPECT_EQ(oval.Name, "Oval1");
    EXPECT_EQ(oval.Index, -2147483648LL);
    EXPECT_EQ(oval.Left(), 312);
    EXPECT_EQ(oval.Top(), 150);
    EXPECT_EQ(oval.FillColor(), RGB(255, 128, 128));
    EXPECT_EQ(oval.BorderWidth(), 1);
    EXPECT_EQ(oval.stored.at("TabIndex"), Value(std::int64_t{3}));
    EXPECT_EQ(oval.stored.at("LockLeft"), Value(true));
}

TEST(RecordCodec, MalformedStoredTextsAreRejected) {
    const std::string longContent(300, 'x');
    struct Case {
        const char* what;
        std::string stored;
        std::size_t length;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"short prefix past the end", bytes({5}) + "abc", 5},
        {"no trailing zero", bytes({3}) + "abcd", 3},
        {"long prefix with a short length", bytes({0xFF}) + "abc" + bytes({0}), 3},
        {"long prefix past the end", bytes({0xFF}) + longContent + bytes({0}), 400},
    };
    for (const Case& c : cases)
        EXPECT_THROW(contentOfStored(c.stored, c.length), UnsupportedFormatException) << c.what;
}

TEST(RecordCodec, SpecialValues) {
    const std::map<std::string, PropertyType, std::less<>> types{
        {"Top", PropertyType::Integer},       {"HelpTag", PropertyType::String},  {"Visible", PropertyType::Boolean},
        {"InitialValue", PropertyType::String}, {"TextSize", PropertyType::Single}, {"TextUnit", PropertyType::Enum8},
        {"Bold", PropertyType::Boolean},      {"FillColor", PropertyType::Color},
    };
    auto decode = [&](std::string_view content) {
        std::vector<std::pair<std::string, Value>> out;
        decodeRecord(
            content,
            [&](std::string_view name) {
                auto it = types.find(name);
                if (it == types.end()) throw KeyNotFoundException(std::string(name));
                return it->second;
            },
            [&](const RecordEntry& e) { out.emplace_back(std::string(e.name), e.value); });
        return out;
    };
    using Entries = std::vector<std::pair<std::string, Value>>;
    struct Case {
        const char* what;
        std::string content;
        Entries expected;
    };
    const Case cases[] = {
        {"negative Integer", "Top " + bytes({0xF6, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), {{"Top", std::int64_t{-10}}}},
        {"empty String is four zero bytes", "HelpTag " + bytes({0, 0, 0, 0}) + "Visible " + bytes({1}),
         {{"HelpTag", ""s}, {"Visible", true}}},
        {"String keeps CR and spaces", "InitialValue " + bytes({7, 0, 0, 0}) + "a b\rc d" + "Visible " + bytes({0}),
         {{"InitialValue", "a b\rc d"s}, {"Visible", false}}},
        {"Single 12.0", "TextSize " + bytes({0, 0, 0x40, 0x41}), {{"TextSize", 12.0}}},
        {"Single 0.0", "TextSize " + bytes({0, 0, 0, 0}), {{"TextSize", 0.0}}},
        {"one-byte enumeration and Booleans", "TextUnit " + bytes({2}) + "Bold " + bytes({1}),
         {{"TextUnit", std::int64_t{2}}, {"Bold", true}}},
        {"colour stored B,G,R,A", "FillColor " + bytes({0x80, 0x80, 0xFF, 0}), {{"FillColor", RGB(255, 128, 128)}}},
        {"empty record", "", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(decode(c.content), c.expected) << c.what;

    // The writer produces exactly these encodings.
    EXPECT_EQ(RecordWriter().single("TextSize", 12.0f).content(), cases[3].content);
    EXPECT_EQ(RecordWriter().color("FillColor", RGB(255, 128, 128)).content(), cases[6].content);
    EXPECT_EQ(RecordWriter().integer("Top", -10).content(), cases[0].content);
}

TEST(RecordCodec, MalformedRecordsThrowWithoutReadingPastTheEnd) {
    testing::qtApp();
    struct Case {
        const char* what;
        std::string content;
        bool unknownName;
    };
    const Case cases[] = {
        {"name without space", "Left", false},
        {"name without value", "Left ", false},
        {"Integer cut short", "Left " + bytes({1, 2, 3, 4, 5, 6, 7}), false},
        {"Boolean missing after a full entry", RecordWriter().integer("Left", 1).content() + "Visible ", false},
        {"String count cut short", "Name " + bytes({3, 0, 0}), false},
        {"String count past the end", "Name " + bytes({5, 0, 0, 0}) + "abc", false},
        {"huge String count", "Name " + bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "x", false},
        {"Colour cut short", "FillColor " + bytes({1, 2, 3}), false},
        {"unknown name", "Bogus " + bytes({0}), true},
        {"empty name", " " + bytes({0}), true},
        {"name of another class", "Caption " + bytes({0, 0, 0, 0}), true},
    };
    for (const Case& c : cases) {
        Oval oval;
        const std::string copy = c.content;  // an allocation of exactly its size
        if (c.unknownName)
            EXPECT_THROW(_SetProperties(oval, copy), KeyNotFoundException) << c.what;
        else
            EXPECT_THROW(_SetProperties(oval, copy), UnsupportedFormatException) << c.what;
    }
}

TEST(RecordCodec, EveryTruncationOfAValidRecordIsCleanlyRejected) {
    testing::qtApp();
    std::vector<std::size_t> boundaries;
    const std::string content = ovalRecord(&boundaries);
    for (std::size_t n = 0; n <= content.size(); ++n) {
        const std::string cut = content.substr(0, n);
        const bool boundary = std::find(boundaries.begin(), boundaries.end(), n) != boundaries.end();
        Oval oval;
        if (boundary)
            EXPECT_NO_THROW(_SetProperties(oval, cut)) << "cut at " << n;
        else
            EXPECT_THROW(_SetProperties(oval, cut), UnsupportedFormatException) << "cut at " << n;
    }
}

TEST(RecordCodec, EntriesBeforeAFailingOneStayApplied) {
    testing::qtApp();
    Oval oval;
    const std::string content =
        RecordWriter().integer("Left", 77).color("FillColor", RGB(1, 2, 3)).integer("Nonsense", 5).integer("Top", 9).content();
    EXPECT_THROW(_SetProperties(oval, content), KeyNotFoundException);
    EXPECT_EQ(oval.Left(), 77);
    EXPECT_EQ(oval.FillColor(), RGB(1, 2, 3));
    EXPECT_EQ(oval.Top(), 0);
}

TEST(RecordCodec, DecodeForAClassUsesItsInheritedProperties) {
    const std::string content = RecordWriter().string("Name", "x").integer("Left", 4).integer("Value", 3).content();
    const auto entries = decodeRecord(content, Slider::__Lookup());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].type, PropertyType::String);
    EXPECT_EQ(entries[2].value, Value(std::int64_t{3}));
    EXPECT_THROW(decodeRecord(content, Timer::__Lookup()), KeyNotFoundException);
}

}  // namespace
}  // namespace nalvo
