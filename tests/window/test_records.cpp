// The 88 layout records: every stored byte against a digest.
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
// program's texts matched it byte for byte (28,794 bytes). The popup's record
// holds the 128-row instrument list, so the digest covers it too.
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
    const std::tuple<const char*, const ClassTable&, const char*, Value> rows[] = {
        {"Oval1", Oval::__Lookup(), "Left", std::int64_t{312}},
        {"Oval2", Oval::__Lookup(), "FillColor", RGB(255, 192, 255)},  // D's base colour
        {"Rectangle33", Rectangle::__Lookup(), "Width", std::int64_t{54}},
        {"PushButton1", PushButton::__Lookup(), "Caption", std::string("Randam Hit")},
    };
    for (const auto& [control, cls, entry, value] : rows) {
        Value found;
        for (const RecordEntry& e : decodeRecord(layoutRecord(control), cls))
            if (e.name == entry) found = e.value;
        EXPECT_EQ(found, value) << control << "." << entry;
    }
    EXPECT_EQ(layoutRecord("MusicPopupMenu").size(), 2050u);
}

}  // namespace
}  // namespace nalvo
