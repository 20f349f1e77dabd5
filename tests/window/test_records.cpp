// The 88 layout records: lengths, the stored texts, entry order per class
// (decoded with each class's own property types) and the instrument list.
#include "platform/record.h"
#include "window/NALVO.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace nalvo {
namespace {

// Record lengths, creation order (the window's first, as "").
const std::vector<std::pair<std::string, std::size_t>> kLengths = {
    {"", 336},
    {"Rectangle23", 305}, {"PitchSlider", 352}, {"VelocitySlider", 355}, {"Oval1", 277}, {"Oval3", 277},
    {"Oval4", 277}, {"Oval5", 277}, {"Oval6", 277}, {"Oval7", 277}, {"Oval8", 277}, {"miniOval1", 281},
    {"miniOval2", 281}, {"miniOval3", 281}, {"miniOval4", 281}, {"miniOval5", 281}, {"Oval2", 277},
    {"textfield", 523}, {"MusicPopupMenu", 2050}, {"Oval9", 277}, {"Oval10", 278}, {"Oval11", 278},
    {"Oval12", 278}, {"Oval13", 278}, {"Oval14", 278}, {"Oval15", 278}, {"Oval16", 278}, {"Oval17", 278},
    {"Oval18", 278}, {"Oval19", 278}, {"Oval20", 278}, {"Oval21", 278}, {"Oval22", 278},
    {"miniOval111", 283}, {"miniOval21", 282}, {"miniOval11", 282}, {"miniOval211", 283}, {"miniOval31", 282},
    {"miniOval311", 283}, {"miniOval41", 282}, {"miniOval411", 283}, {"miniOval51", 282}, {"miniOval511", 283},
    {"NotePlayer1", 162}, {"PushButton1", 368}, {"Mytimer", 28}, {"Rectangle1", 304}, {"Rectangle2", 304},
    {"Rectangle3", 304}, {"Rectangle4", 304}, {"Rectangle5", 304}, {"Rectangle6", 304}, {"Rectangle7", 304},
    {"Rectangle8", 304}, {"Rectangle10", 305}, {"Rectangle11", 305}, {"Rectangle12", 305}, {"Rectangle17", 305},
    {"Rectangle13", 305}, {"Rectangle9", 304}, {"Rectangle15", 305}, {"Rectangle16", 305}, {"Rectangle19", 305},
    {"Rectangle20", 316}, {"Rectangle18", 305}, {"Rectangle24", 305}, {"Rectangle25", 305}, {"Rectangle26", 305},
    {"Rectangle30", 305}, {"Rectangle31", 305}, {"Rectangle32", 305}, {"Rectangle33", 305}, {"Rectangle35", 305},
    {"Rectangle36", 305}, {"Rectangle14", 305}, {"Rectangle38", 305}, {"Rectangle21", 305}, {"Rectangle39", 305},
    {"PushButton2", 361}, {"Rectangle27", 305}, {"Rectangle40", 316}, {"Rectangle22", 305}, {"Rectangle41", 305},
    {"Rectangle42", 305}, {"Rectangle45", 305}, {"Rectangle44", 305}, {"VeclotityBar", 348}, {"PitchBar", 344},
};

std::string_view recordOf(const std::string& name) { return name.empty() ? windowRecord() : layoutRecord(name); }

// The record's entries, decoded with the property types of the class.
std::vector<RecordEntry> decode(std::string_view content, const std::string& cls) {
    static const std::map<std::string, const ClassTable*> classes = {
        {"Oval", &Oval::__Lookup()},         {"Rectangle", &Rectangle::__Lookup()}, {"Slider", &Slider::__Lookup()},
        {"ScrollBar", &ScrollBar::__Lookup()}, {"PopupMenu", &PopupMenu::__Lookup()}, {"PushButton", &PushButton::__Lookup()},
        {"TextField", &TextField::__Lookup()}, {"NotePlayer", &NotePlayer::__Lookup()}, {"Timer", &Timer::__Lookup()},
        {"Window", &Window::__Lookup()}};
    return decodeRecord(content, *classes.at(cls));
}

std::vector<std::string> namesOf(const std::vector<RecordEntry>& entries) {
    std::vector<std::string> names;
    for (const RecordEntry& e : entries) names.emplace_back(e.name);
    return names;
}

TEST(LayoutRecords, EveryRecordHasItsLength) {
    for (const auto& [name, length] : kLengths) EXPECT_EQ(recordOf(name).size(), length) << "record of " << name;
    EXPECT_THROW(layoutRecord("Oval23"), KeyNotFoundException);
}

TEST(LayoutRecords, StoredTextsLieOnSixteenByteBoundariesInCreationOrder) {
    const std::string_view all = storedLayoutTexts();
    const auto& offsets = storedLayoutOffsets();
    ASSERT_EQ(offsets.size(), kLengths.size());
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const auto& [name, length] = kLengths[i];
        SCOPED_TRACE(name);
        EXPECT_EQ(offsets[i] % 16, 0u);
        const auto prefix = static_cast<unsigned char>(all[offsets[i]]);
        EXPECT_EQ(prefix, length < 255 ? length : 0xFF);
        EXPECT_EQ(all.substr(offsets[i] + 1, length), recordOf(name));
        EXPECT_EQ(all[offsets[i] + 1 + length], '\0');
        const std::size_t end = i + 1 < offsets.size() ? offsets[i + 1] : all.size();
        for (std::size_t p = offsets[i] + 1 + length; p < end; ++p) EXPECT_EQ(all[p], '\0') << "gap byte " << p;
        EXPECT_EQ(contentOfStored(all.substr(offsets[i], 2 + length), length), recordOf(name));
    }
    // The timer's record is the 45th control record.
    EXPECT_EQ(static_cast<unsigned char>(all[offsets[45]]), 28);
}

TEST(LayoutRecords, TimerRecordIsExactlyTheDocumentedBytes) {
    const std::string expected = std::string("Mode ") + std::string("\x02\0\0\0\0\0\0\0", 8) + "Period " +
                                 std::string("\xE8\x03\0\0\0\0\0\0", 8);
    EXPECT_EQ(layoutRecord("Mytimer"), expected);
}

TEST(LayoutRecords, EntriesStandInTheirClassOrder) {
    const std::vector<std::string> oval = {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
                                           "LockRight", "LockBottom", "TabIndex", "TabPanelIndex", "Visible", "HelpTag",
                                           "AutoDeactivate", "Enabled", "FillColor", "BorderWidth", "BorderColor",
                                           "InitialParent"};
    std::vector<std::string> rectangle(oval.begin(), oval.end() - 2);
    rectangle.insert(rectangle.end(), {"TopLeftColor", "BottomRightColor", "InitialParent"});
    const std::vector<std::string> rangeHead = {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
                                                "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop",
                                                "Enabled", "Visible", "HelpTag", "AutoDeactivate", "Minimum", "Value",
                                                "Maximum", "LineStep", "PageStep", "LiveScroll"};
    auto slider = rangeHead, scrollBar = rangeHead;
    slider.insert(slider.end(), {"TickStyle", "InitialParent"});
    scrollBar.insert(scrollBar.end(), {"AcceptFocus", "InitialParent"});
    const std::vector<std::string> popup = {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
                                            "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop", "Enabled",
                                            "InitialValue", "ListIndex", "Visible", "HelpTag", "AutoDeactivate",
                                            "TextFont", "TextSize", "TextUnit", "Bold", "Italic", "Underline",
                                            "DataSource", "DataField", "InitialParent"};
    const std::vector<std::string> button = {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
                                             "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop",
                                             "Caption", "Default", "Cancel", "Enabled", "Visible", "HelpTag",
                                             "AutoDeactivate", "ButtonStyle", "TextFont", "TextSize", "TextUnit", "Bold",
                                             "Italic", "Underline", "InitialParent"};
    const std::vector<std::string> textField = {
        "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
        "TabPanelIndex", "TabIndex", "TabStop", "Border", "Password", "UseFocusRing", "TextColor", "BackColor",
        "Enabled", "Format", "Visible", "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "TextUnit", "Bold",
        "Italic", "Underline", "CueText", "Text", "Mask", "ReadOnly", "LimitText", "AcceptTabs", "Alignment",
        "AutomaticallyCheckSpelling", "DataSource", "DataField", "InitialParent"};
    const std::vector<std::string> notePlayer = {"Index",  "Instrument",      "Name",   "PanelIndex",  "TabPanelIndex",
                                                 "_mIndex", "_mInitialParent", "_mName", "_mPanelIndex"};
    const std::vector<std::string> window = {
        "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "Title", "CloseButton",
        "Resizeable", "MaximizeButton", "MinimizeButton", "FullScreenButton", "Composite", "MacProcID", "Placement",
        "Visible", "LiveResize", "FullScreen", "HasBackColor", "BackColor", "MenuBarVisible"};

    const std::map<std::string, const std::vector<std::string>*> byClass = {
        {"Oval", &oval},           {"Rectangle", &rectangle}, {"Slider", &slider},
        {"ScrollBar", &scrollBar}, {"PopupMenu", &popup},      {"PushButton", &button},
        {"TextField", &textField}, {"NotePlayer", &notePlayer}};
    const std::vector<std::pair<std::string, std::string>> controls = {
#define NALVO_TEST_CONTROL(name, cls, chunk) {#name, #cls},
        NALVO_CONTROLS(NALVO_TEST_CONTROL)
#undef NALVO_TEST_CONTROL
    };
    for (const auto& [name, cls] : controls) {
        if (cls == "Timer") continue;
        const auto entries = decode(layoutRecord(name), cls);
        EXPECT_EQ(namesOf(entries), *byClass.at(cls)) << name;
        for (const RecordEntry& e : entries) {
            if (e.name == "Name") EXPECT_EQ(e.value, Value(name));
            if (e.name == "Index") EXPECT_EQ(e.value, Value(std::int64_t{-2147483648LL})) << name;
        }
    }
    EXPECT_EQ(namesOf(decode(layoutRecord("Mytimer"), "Timer")), (std::vector<std::string>{"Mode", "Period"}));
    EXPECT_EQ(namesOf(decode(windowRecord(), "Window")), window);
}

TEST(LayoutRecords, InstrumentListHas128Rows) {
    const std::string_view list = instrumentList();
    EXPECT_EQ(list.size(), 1674u);
    EXPECT_EQ(list.find('\n'), std::string_view::npos);
    std::vector<std::string_view> rows;
    for (std::size_t p = 0;;) {
        const std::size_t cr = list.find('\r', p);
        rows.push_back(list.substr(p, cr == std::string_view::npos ? std::string_view::npos : cr - p));
        if (cr == std::string_view::npos) break;
        p = cr + 1;
    }
    ASSERT_EQ(rows.size(), 128u);
    for (std::string_view row : rows) {
        ASSERT_GE(row.size(), 2u);
        EXPECT_EQ(row[0], '@');
    }
    const std::pair<std::size_t, const char*> samples[] = {
        {0, "@Acoustic Grand Piano"}, {2, "@Elactric Grand Piano"}, {16, "@Draw Oragan"}, {17, "@Persussive Organ"},
        {38, "@Synth Bass 1"},        {62, "@Synth Bass 1"},        {63, "@Synth Bass 2"}, {75, "@Pan Fluete"},
        {76, "@Bottle blow"},         {119, "@Reverse Symbal"},     {127, "@Gunshot Table"}};
    for (const auto& [row, text] : samples) EXPECT_EQ(rows[row], text) << "row " << row;
    const auto popup = decode(layoutRecord("MusicPopupMenu"), "PopupMenu");
    EXPECT_EQ(popup[14].name, "InitialValue");
    EXPECT_EQ(popup[14].value, Value(std::string(list)));
}

}  // namespace
}  // namespace nalvo
