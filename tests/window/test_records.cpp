// The 88 layout records: every stored byte against a digest, and the values
// a failure should name.
#include "platform/record.h"
#include "window/NALVO.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace nalvo {
namespace {

// SHA-256 of the 88 stored texts as they lie in memory (prefixes, zero
// fill to 16-byte boundaries, creation order). Computed once by a separate
// script that encoded every record straight from the documented record tables
// of the window and its controls (entries, types, values, creation orders;
// instrument 78 "Shakuhachi"), sharing no code or table with the program; the
// program's texts matched it byte for byte (28,794 bytes).
constexpr const char* kStoredDigest = "dfc514750a96874f7a13a1709ce8e789ddd5f39a31f9c6b2e9a0cd0b1949835f";

TEST(LayoutRecords, StoredTextsMatchTheDocumentedTables) {
    const std::string_view all = storedLayoutTexts();
    EXPECT_EQ(all.size(), 28794u);
    EXPECT_EQ(QCryptographicHash::hash(QByteArrayView(all.data(), qsizetype(all.size())), QCryptographicHash::Sha256)
                  .toHex()
                  .toStdString(),
              kStoredDigest);
    EXPECT_THROW(layoutRecord("Oval23"), KeyNotFoundException);
}

// A few documented values, so that a failing digest says what moved.
TEST(LayoutRecords, NamedValues) {
    struct Case {
        const char* control;
        const ClassTable& cls;
        const char* entry;
        Value value;
    };
    const Case cases[] = {
        {"Oval1", Oval::__Lookup(), "Left", std::int64_t{312}}, {"Oval19", Oval::__Lookup(), "Top", std::int64_t{-1}},
        {"Oval2", Oval::__Lookup(), "FillColor", RGB(255, 192, 255)},
        {"miniOval41", Oval::__Lookup(), "Left", std::int64_t{880}},
        {"Oval13", Oval::__Lookup(), "FillColor", RGB(0, 128, 128)},
        {"Rectangle33", Rectangle::__Lookup(), "Width", std::int64_t{54}},
        {"Rectangle44", Rectangle::__Lookup(), "Top", std::int64_t{417}},
        {"Rectangle20", Rectangle::__Lookup(), "InitialParent", std::string("Rectangle19")},
        {"PitchSlider", Slider::__Lookup(), "PageStep", std::int64_t{20}},
        {"VeclotityBar", ScrollBar::__Lookup(), "Value", std::int64_t{8}},
        {"PushButton1", PushButton::__Lookup(), "Caption", std::string("Randam Hit")},
        {"textfield", TextField::__Lookup(), "Top", std::int64_t{-10}},
        {"NotePlayer1", NotePlayer::__Lookup(), "Instrument", std::int64_t{1}},
        {"Mytimer", Timer::__Lookup(), "Period", std::int64_t{1000}},
    };
    for (const Case& c : cases) {
        Value found;
        for (const RecordEntry& e : decodeRecord(layoutRecord(c.control), c.cls))
            if (e.name == c.entry) found = e.value;
        EXPECT_EQ(found, c.value) << c.control << "." << c.entry;
    }
    const auto window = decodeRecord(windowRecord(), Window::__Lookup());
    EXPECT_EQ(window.size(), 22u);
    EXPECT_EQ(window[7].value, Value(std::string("NALVO PRO 2018")));
    EXPECT_EQ(layoutRecord("MusicPopupMenu").size(), 2050u);
}

TEST(LayoutRecords, InstrumentListRows) {
    const std::string_view list = instrumentList();
    EXPECT_EQ(list.size(), 1674u);
    std::vector<std::string> rows(1);
    for (char c : list)
        if (c == '\r') rows.emplace_back();
        else rows.back().push_back(c);
    ASSERT_EQ(rows.size(), 128u);
    const std::pair<std::size_t, const char*> samples[] = {
        {0, "@Acoustic Grand Piano"}, {2, "@Elactric Grand Piano"}, {38, "@Synth Bass 1"}, {62, "@Synth Bass 1"},
        {75, "@Pan Fluete"},          {77, "@Shakuhachi"},          {127, "@Gunshot Table"}};
    for (const auto& [row, text] : samples) EXPECT_EQ(rows[row], text) << "row " << row;
}

}  // namespace
}  // namespace nalvo
