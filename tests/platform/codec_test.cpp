// The layout-record codec and the property applier.
#include "platform/record.h"
#include "support/fixture.h"

namespace nalvo {
namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s.push_back(static_cast<char>(b));
    return s;
}

// A stored text is read to the string's length, not to its prefix.
TEST(RecordCodec, MalformedStoredTextsAreRefused) {
    const std::string oval(layoutRecord("Oval1"));
    EXPECT_EQ(contentOfStored(storedText(oval), oval.size()), oval);
    const std::pair<std::string, std::size_t> malformed[] = {
        {"", 0}, {bytes({5}) + "abc", 5}, {bytes({3}) + "abcd", 3}, {bytes({0xFF}) + "abc" + bytes({0}), 3},
        {bytes({0xFF}) + std::string(300, 'x') + bytes({0}), 400}};
    for (const auto& [text, length] : malformed)
        EXPECT_THROW(contentOfStored(text, length), UnsupportedFormatException) << ::testing::PrintToString(text);
}

TEST(RecordCodec, MalformedRecordsThrowWithoutReadingPastTheEnd) {
    ensureQApplication();
    const std::pair<std::string, bool> cases[] = {  // content, unknown name
        {"Left", false}, {"Left ", false}, {"Left " + bytes({1, 2, 3, 4, 5, 6, 7}), false},
        {RecordWriter().integer("Left", 1).content() + "Visible ", false}, {"Name " + bytes({3, 0, 0}), false},
        {"Name " + bytes({5, 0, 0, 0}) + "abc", false}, {"Name " + bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "x", false},
        {"FillColor " + bytes({1, 2, 3}), false}, {"Bogus " + bytes({0}), true}, {" " + bytes({0}), true},
        {"Caption " + bytes({0, 0, 0, 0}), true}};
    for (const auto& [content, unknown] : cases) {
        Oval oval;
        const std::string copy = content;  // an allocation of exactly its size
        if (unknown)
            EXPECT_THROW(_SetProperties(oval, copy), KeyNotFoundException) << ::testing::PrintToString(content);
        else
            EXPECT_THROW(_SetProperties(oval, copy), UnsupportedFormatException) << ::testing::PrintToString(content);
    }
    // Every cut of a real record inside an entry is refused; at an entry's end it is taken.
    const std::string record(layoutRecord("Oval1"));
    const auto entries = decodeRecord(record, Oval::__Lookup());
    std::vector<std::size_t> ends{0};
    for (const RecordEntry& e : entries) ends.push_back(static_cast<std::size_t>(e.name.data() - record.data()));
    for (std::size_t n = 0; n <= record.size(); ++n) {
        const bool boundary = n == record.size() || std::find(ends.begin(), ends.end(), n) != ends.end();
        Oval oval;
        if (boundary)
            _SetProperties(oval, record.substr(0, n));
        else
            EXPECT_THROW(_SetProperties(oval, record.substr(0, n)), UnsupportedFormatException) << "cut at " << n;
    }
}

}  // namespace
}  // namespace nalvo
