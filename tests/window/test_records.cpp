// The 88 layout records: lengths, entry order per class, selected values
// decoded back, the instrument list and the stored layout.
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
    {"textfield", 523}, {"MusicPopupMenu", 2049}, {"Oval9", 277}, {"Oval10", 278}, {"Oval11", 278},
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

// Property types by name, for every name the records use.
PropertyType typeOf(std::string_view name) {
    static const std::map<std::string, PropertyType, std::less<>> types = [] {
        std::map<std::string, PropertyType, std::less<>> t;
        for (const char* n : {"Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcID",
                              "Placement", "Index", "Left", "Top", "TabIndex", "TabPanelIndex", "BorderWidth", "Minimum",
                              "Value", "Maximum", "LineStep", "PageStep", "TickStyle", "ListIndex", "ButtonStyle",
                              "LimitText", "Alignment", "Instrument", "PanelIndex", "_mIndex", "_mPanelIndex", "Mode",
                              "Period"})
            t[n] = PropertyType::Integer;
        for (const char* n : {"CloseButton", "Resizeable", "MaximizeButton", "MinimizeButton", "FullScreenButton",
                              "Composite", "LiveResize", "FullScreen", "HasBackColor", "MenuBarVisible", "Visible",
                              "LockLeft", "LockTop", "LockRight", "LockBottom", "AutoDeactivate", "Enabled", "TabStop",
                              "LiveScroll", "AcceptFocus", "Bold", "Italic", "Underline", "Default", "Cancel", "Border",
                              "Password", "UseFocusRing", "ReadOnly", "AcceptTabs", "AutomaticallyCheckSpelling"})
            t[n] = PropertyType::Boolean;
        t["TextUnit"] = PropertyType::Enum8;
        t["TextSize"] = PropertyType::Single;
        for (const char* n : {"BackColor", "FillColor", "BorderColor", "TopLeftColor", "BottomRightColor", "TextColor"})
            t[n] = PropertyType::Color;
        for (const char* n : {"Title", "Name", "HelpTag", "InitialParent", "TextFont", "DataSource", "DataField",
                              "InitialValue", "Caption", "Format", "CueText", "Text", "Mask", "_mName", "_mInitialParent"})
            t[n] = PropertyType::String;
        return t;
    }();
    const auto it = types.find(name);
    if (it == types.end()) throw KeyNotFoundException("unknown entry " + std::string(name));
    return it->second;
}

struct Decoded {
    std::vector<std::string> names;
    std::map<std::string, Value> values;
    std::int64_t integer(const std::string& n) const { return std::get<std::int64_t>(values.at(n)); }
    bool boolean(const std::string& n) const { return std::get<bool>(values.at(n)); }
    Color color(const std::string& n) const { return std::get<Color>(values.at(n)); }
    const std::string& string(const std::string& n) const { return std::get<std::string>(values.at(n)); }
};

Decoded decode(std::string_view content) {
    Decoded d;
    decodeRecord(content, typeOf, [&d](const RecordEntry& e) {
        d.names.emplace_back(e.name);
        d.values[std::string(e.name)] = e.value;
    });
    return d;
}

Decoded decodeControl(const std::string& name) { return decode(layoutRecord(name)); }

TEST(LayoutRecords, EveryRecordHasItsLength) {
    for (const auto& [name, length] : kLengths) EXPECT_EQ(recordOf(name).size(), length) << "record of " << name;
}

TEST(LayoutRecords, UnknownControlHasNoRecord) {
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

TEST(LayoutRecords, OvalRecordStartsAsDocumented) {
    const std::string head = std::string("Name ") + std::string("\x05\0\0\0", 4) + "Oval1" + "Index " +
                             std::string("\0\0\0\x80\xFF\xFF\xFF\xFF", 8) + "Left " +
                             std::string("\x38\x01\0\0\0\0\0\0", 8);
    EXPECT_EQ(layoutRecord("Oval1").substr(0, head.size()), head);
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
        const Decoded d = decodeControl(name);
        EXPECT_EQ(d.names, *byClass.at(cls)) << name;
        EXPECT_EQ(d.string("Name"), name);
        EXPECT_EQ(d.integer("Index"), -2147483648LL) << name;
    }
    EXPECT_EQ(decodeControl("Mytimer").names, (std::vector<std::string>{"Mode", "Period"}));
    EXPECT_EQ(decode(windowRecord()).names, window);
}

TEST(LayoutRecords, WindowSettings) {
    const Decoded w = decode(windowRecord());
    EXPECT_EQ(w.integer("Width"), 1050);
    EXPECT_EQ(w.integer("Height"), 500);
    EXPECT_EQ(w.integer("MaxWidth"), 32000);
    EXPECT_EQ(w.integer("Frame"), 11);
    EXPECT_EQ(w.string("Title"), "NALVO PRO 2018");
    EXPECT_TRUE(w.boolean("CloseButton"));
    EXPECT_FALSE(w.boolean("Resizeable"));
    EXPECT_FALSE(w.boolean("MaximizeButton"));
    EXPECT_FALSE(w.boolean("MinimizeButton"));
    EXPECT_TRUE(w.boolean("FullScreenButton"));
    EXPECT_TRUE(w.boolean("HasBackColor"));
    EXPECT_EQ(w.color("BackColor"), RGB(0, 0, 0));
    EXPECT_TRUE(w.boolean("MenuBarVisible"));
}

struct Box {
    const char* name;
    std::int64_t left, top, width, height;
};

TEST(LayoutRecords, SelectedGeometry) {
    const Box boxes[] = {
        {"Oval1", 312, 270, 72, 72},        {"Oval2", 382, 241, 72, 72},         {"miniOval5", 692, 242, 42, 42},
        {"Oval19", 132, -1, 48, 48},        {"Oval22", 940, 24, 48, 48},         {"miniOval111", 180, 28, 30, 30},
        {"miniOval511", 285, 210, 30, 30},  {"textfield", 621, -10, 80, 22},     {"MusicPopupMenu", 656, 24, 152, 34},
        {"PushButton1", 463, 24, 119, 33},  {"PushButton2", 304, 24, 97, 39},    {"VeclotityBar", 20, 100, 57, 218},
        {"PitchBar", 811, 378, 200, 15},    {"PitchSlider", 857, 314, 100, 20},  {"VelocitySlider", 138, 285, 14, 46},
        {"Rectangle22", 0, 424, 50, 76},    {"Rectangle33", 290, 424, 54, 76},   {"Rectangle27", 1006, 424, 49, 76},
        {"Rectangle44", 33, 417, 30, 46},   {"Rectangle21", 765, 424, 30, 43},   {"Rectangle19", 769, 424, 30, 43},
        {"Rectangle20", 769, 424, 30, 43},  {"Rectangle40", 1025, 424, 30, 43},
    };
    for (const Box& b : boxes) {
        const Decoded d = decodeControl(b.name);
        EXPECT_EQ(d.integer("Left"), b.left) << b.name;
        EXPECT_EQ(d.integer("Top"), b.top) << b.name;
        EXPECT_EQ(d.integer("Width"), b.width) << b.name;
        EXPECT_EQ(d.integer("Height"), b.height) << b.name;
    }
}

TEST(LayoutRecords, PadBaseColoursFollowPitchClass) {
    const Color C = RGB(255, 128, 128), D = RGB(255, 192, 255), E = RGB(128, 0, 255), F = RGB(0, 128, 128),
                G = RGB(128, 128, 255), A = RGB(0, 64, 128), B = RGB(0, 0, 128), sharp = RGB(255, 255, 128);
    const std::vector<std::pair<std::string, Color>> pads = {
        {"Oval1", C},        {"Oval2", D},        {"Oval3", E},         {"Oval4", F},        {"Oval5", G},
        {"Oval6", A},        {"Oval7", B},        {"Oval8", C},         {"Oval9", B},        {"Oval10", A},
        {"Oval11", D},       {"Oval12", E},       {"Oval13", F},        {"Oval14", G},       {"Oval15", G},
        {"Oval16", F},       {"Oval17", E},       {"Oval18", D},        {"Oval19", C},       {"Oval20", A},
        {"Oval21", B},       {"Oval22", C},       {"miniOval1", sharp}, {"miniOval2", sharp}, {"miniOval3", sharp},
        {"miniOval4", sharp}, {"miniOval5", sharp}, {"miniOval11", sharp}, {"miniOval511", sharp}};
    for (const auto& [name, colour] : pads) {
        const Decoded d = decodeControl(name);
        EXPECT_EQ(d.color("FillColor"), colour) << name;
        EXPECT_EQ(d.color("BorderColor"), RGB(0, 0, 0)) << name;
        EXPECT_EQ(d.integer("BorderWidth"), 1) << name;
    }
    // The stored bytes: blue, green, red, alpha.
    const std::string_view oval1 = layoutRecord("Oval1");
    const std::size_t at = oval1.find("FillColor ") + 10;
    EXPECT_EQ(oval1.substr(at, 4), std::string_view("\x80\x80\xFF\x00", 4));
}

TEST(LayoutRecords, PianoKeys) {
    // White keys share top, height and colours; the bottom edge is the window's.
    for (const char* name : {"Rectangle22", "Rectangle1", "Rectangle2", "Rectangle23", "Rectangle27"}) {
        const Decoded d = decodeControl(name);
        EXPECT_EQ(d.integer("Top") + d.integer("Height"), 500) << name;
        EXPECT_EQ(d.color("FillColor"), RGB(255, 255, 255)) << name;
        EXPECT_EQ(d.color("TopLeftColor"), RGB(0, 0, 0)) << name;
        EXPECT_EQ(d.color("BottomRightColor"), RGB(0, 0, 0)) << name;
    }
    for (const char* name : {"Rectangle9", "Rectangle44", "Rectangle21", "Rectangle40"}) {
        const Decoded d = decodeControl(name);
        EXPECT_EQ(d.color("FillColor"), RGB(0, 0, 0)) << name;
        EXPECT_EQ(d.integer("Width"), 30) << name;
    }
    EXPECT_EQ(decodeControl("Rectangle20").string("InitialParent"), "Rectangle19");
    EXPECT_EQ(decodeControl("Rectangle40").string("InitialParent"), "Rectangle27");
    EXPECT_EQ(decodeControl("Rectangle19").string("InitialParent"), "");
    const std::pair<const char*, std::int64_t> tabs[] = {{"Rectangle22", 82}, {"Rectangle23", 62}, {"Rectangle1", 41},
                                                         {"Rectangle44", 88}, {"Rectangle20", 0},  {"Rectangle21", 78}};
    for (const auto& [name, tab] : tabs) EXPECT_EQ(decodeControl(name).integer("TabIndex"), tab) << name;
}

TEST(LayoutRecords, ControlBarSettings) {
    struct Range {
        const char* name;
        bool visible, enabled;
        std::int64_t minimum, value, maximum, pageStep;
    };
    for (const Range& r : {Range{"PitchSlider", false, false, 1, 5, 9, 20}, Range{"VelocitySlider", false, false, 1, 8, 20, 10},
                           Range{"VeclotityBar", true, true, 1, 8, 20, 20}, Range{"PitchBar", true, true, 1, 5, 9, 20}}) {
        const Decoded d = decodeControl(r.name);
        EXPECT_EQ(d.boolean("Visible"), r.visible) << r.name;
        EXPECT_EQ(d.boolean("Enabled"), r.enabled) << r.name;
        EXPECT_EQ(d.integer("Minimum"), r.minimum) << r.name;
        EXPECT_EQ(d.integer("Value"), r.value) << r.name;
        EXPECT_EQ(d.integer("Maximum"), r.maximum) << r.name;
        EXPECT_EQ(d.integer("PageStep"), r.pageStep) << r.name;
        EXPECT_FALSE(d.boolean("LiveScroll")) << r.name;
    }
    EXPECT_EQ(decodeControl("VelocitySlider").integer("TickStyle"), 2);
    EXPECT_TRUE(decodeControl("PitchBar").boolean("AcceptFocus"));

    const Decoded b1 = decodeControl("PushButton1"), b2 = decodeControl("PushButton2");
    EXPECT_EQ(b1.string("Caption"), "Randam Hit");
    EXPECT_TRUE(b1.boolean("Bold"));
    EXPECT_EQ(std::get<double>(b1.values.at("TextSize")), 10.0);
    EXPECT_EQ(b2.string("Caption"), "REC");
    EXPECT_FALSE(b2.boolean("Bold"));
    EXPECT_EQ(std::get<double>(b2.values.at("TextSize")), 0.0);
    EXPECT_EQ(b2.string("TextFont"), "System");

    const Decoded tf = decodeControl("textfield");
    EXPECT_FALSE(tf.boolean("Visible"));
    EXPECT_FALSE(tf.boolean("Enabled"));
    EXPECT_FALSE(tf.boolean("AutoDeactivate"));
    EXPECT_EQ(tf.color("BackColor"), RGB(255, 255, 255));

    const Decoded np = decodeControl("NotePlayer1");
    EXPECT_EQ(np.integer("Instrument"), 1);
    EXPECT_EQ(np.string("_mName"), "");

    const Decoded popup = decodeControl("MusicPopupMenu");
    EXPECT_EQ(popup.integer("ListIndex"), 0);
    EXPECT_EQ(std::get<double>(popup.values.at("TextSize")), 12.0);
    EXPECT_EQ(popup.string("InitialValue"), instrumentList());
}

TEST(LayoutRecords, InstrumentListHas128Rows) {
    const std::string_view list = instrumentList();
    EXPECT_EQ(list.size(), 1673u);
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
}

}  // namespace
}  // namespace nalvo
