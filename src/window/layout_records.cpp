// The 88 design-time layout records of the main window and its controls.
//
// Each control class has one typed table (one row per control) and one
// encoder that writes the class's entries in the class's fixed order. The
// records are encoded once, on first use, and kept for the whole run.
#include "window/NALVO.h"
#include "window/pitch_colours.h"

#include "platform/record.h"

#include <array>
#include <map>

namespace nalvo {
namespace {

// Every control that has an Index entry carries the "no control array" value.
constexpr std::int64_t kNoIndex = -2147483648LL;

// Base colours of the pads, by pitch class.
constexpr Color kC = baseColour(PitchClass::C);
constexpr Color kD = baseColour(PitchClass::D);
constexpr Color kE = baseColour(PitchClass::E);
constexpr Color kF = baseColour(PitchClass::F);
constexpr Color kG = baseColour(PitchClass::G);
constexpr Color kA = baseColour(PitchClass::A);
constexpr Color kB = baseColour(PitchClass::B);
constexpr Color kSharp = baseColour(PitchClass::Sharp);
constexpr Color kBlack = RGB(0, 0, 0);
constexpr Color kWhite = RGB(255, 255, 255);

// ---- Runs of entries that several classes share ---------------------------

// Name, Index, the box and how it is locked: how every control record but
// the note player's and the timer's starts.
struct Locks {
    bool left = true, top = true, right = false, bottom = false;
};
RecordWriter& head(RecordWriter& w, const char* name, std::int64_t left, std::int64_t top, std::int64_t width,
                   std::int64_t height, Locks locks = {}) {
    return w.string("Name", name)
        .integer("Index", kNoIndex)
        .integer("Left", left)
        .integer("Top", top)
        .integer("Width", width)
        .integer("Height", height)
        .boolean("LockLeft", locks.left)
        .boolean("LockTop", locks.top)
        .boolean("LockRight", locks.right)
        .boolean("LockBottom", locks.bottom);
}

// The tab entries of the controls that can take focus, in their order.
RecordWriter& tabs(RecordWriter& w, std::int64_t tabIndex) {
    return w.integer("TabPanelIndex", 0).integer("TabIndex", tabIndex).boolean("TabStop", true);
}

RecordWriter& visibility(RecordWriter& w, bool visible, bool autoDeactivate = true) {
    return w.boolean("Visible", visible).string("HelpTag", "").boolean("AutoDeactivate", autoDeactivate);
}

RecordWriter& font(RecordWriter& w, float textSize, bool bold) {
    return w.string("TextFont", "System")
        .single("TextSize", textSize)
        .enum8("TextUnit", 0)
        .boolean("Bold", bold)
        .boolean("Italic", false)
        .boolean("Underline", false);
}

// Oval and Rectangle differ only in their border colours.
RecordWriter& shape(RecordWriter& w, const char* name, std::int64_t left, std::int64_t top, std::int64_t width,
                    std::int64_t height, std::int64_t tabIndex, Color fill) {
    head(w, name, left, top, width, height).integer("TabIndex", tabIndex).integer("TabPanelIndex", 0);
    return visibility(w, true).boolean("Enabled", true).color("FillColor", fill).integer("BorderWidth", 1);
}

// ---- Oval: the 37 pads ----------------------------------------------------

struct OvalRow {
    const char* name;
    std::int64_t left, top, size, tabIndex;
    Color fill;
};

constexpr std::array<OvalRow, 37> kOvals{{
    // Centre pads.
    {"Oval1", 312, 270, 72, 2, kC},
    {"Oval3", 437, 294, 72, 3, kE},
    {"Oval4", 501, 247, 72, 4, kF},
    {"Oval5", 559, 294, 72, 5, kG},
    {"Oval6", 621, 241, 72, 6, kA},
    {"Oval7", 674, 294, 72, 7, kB},
    {"Oval8", 746, 270, 72, 8, kC},
    {"miniOval1", 342, 228, 42, 9, kSharp},
    {"miniOval2", 455, 228, 42, 10, kSharp},
    {"miniOval3", 548, 210, 42, 11, kSharp},
    {"miniOval4", 595, 210, 42, 12, kSharp},
    {"miniOval5", 692, 242, 42, 13, kSharp},
    {"Oval2", 382, 241, 72, 14, kD},
    // Outer natural pads.
    {"Oval9", 267, 247, 48, 17, kB},
    {"Oval10", 231, 210, 48, 18, kA},
    {"Oval11", 789, 230, 48, 19, kD},
    {"Oval12", 838, 247, 48, 20, kE},
    {"Oval13", 880, 219, 48, 21, kF},
    {"Oval14", 180, 194, 48, 22, kG},
    {"Oval15", 899, 170, 48, 23, kG},
    {"Oval16", 148, 150, 48, 24, kF},
    {"Oval17", 148, 100, 48, 25, kE},
    {"Oval18", 138, 50, 48, 26, kD},
    {"Oval19", 132, -1, 48, 27, kC},
    {"Oval20", 909, 117, 48, 28, kA},
    {"Oval21", 940, 75, 48, 29, kB},
    {"Oval22", 940, 24, 48, 30, kC},
    // Outer sharp pads.
    {"miniOval111", 180, 28, 30, 31, kSharp},
    {"miniOval21", 838, 219, 30, 32, kSharp},
    {"miniOval11", 758, 236, 30, 33, kSharp},
    {"miniOval211", 189, 68, 30, 34, kSharp},
    {"miniOval31", 865, 194, 30, 35, kSharp},
    {"miniOval311", 198, 126, 30, 36, kSharp},
    {"miniOval41", 880, 143, 30, 37, kSharp},
    {"miniOval411", 231, 170, 30, 38, kSharp},
    {"miniOval51", 909, 84, 30, 39, kSharp},
    {"miniOval511", 285, 210, 30, 40, kSharp},
}};

std::string encode(const OvalRow& r) {
    RecordWriter w;
    shape(w, r.name, r.left, r.top, r.size, r.size, r.tabIndex, r.fill)
        .color("BorderColor", kBlack)
        .string("InitialParent", "");
    return w.content();
}

// ---- Rectangle: the 40 piano keys ----------------------------------------

struct RectangleRow {
    const char* name;
    std::int64_t left, top, width, height, tabIndex;
    Color fill;
    const char* initialParent;
};

constexpr RectangleRow white(const char* name, std::int64_t left, std::int64_t width, std::int64_t tabIndex) {
    return {name, left, 424, width, 76, tabIndex, kWhite, ""};
}
constexpr RectangleRow black(const char* name, std::int64_t left, std::int64_t tabIndex, const char* parent = "",
                             std::int64_t top = 424, std::int64_t height = 43) {
    return {name, left, top, 30, height, tabIndex, kBlack, parent};
}

constexpr std::array<RectangleRow, 40> kRectangles{{
    // White keys, left to right.
    white("Rectangle22", 0, 50, 82),
    white("Rectangle41", 50, 50, 83),
    white("Rectangle42", 100, 50, 84),
    white("Rectangle30", 144, 50, 69),
    white("Rectangle32", 194, 50, 71),
    white("Rectangle31", 244, 50, 70),
    white("Rectangle33", 290, 54, 72),
    white("Rectangle1", 344, 50, 41),
    white("Rectangle2", 394, 49, 42),
    white("Rectangle3", 444, 50, 43),
    white("Rectangle4", 494, 50, 44),
    white("Rectangle6", 542, 49, 46),
    white("Rectangle5", 589, 49, 45),
    white("Rectangle7", 635, 49, 47),
    white("Rectangle8", 683, 49, 48),
    white("Rectangle15", 727, 49, 55),
    white("Rectangle16", 774, 49, 56),
    white("Rectangle17", 820, 50, 57),
    white("Rectangle23", 865, 50, 62),
    white("Rectangle24", 914, 49, 63),
    white("Rectangle26", 959, 49, 65),
    white("Rectangle27", 1006, 49, 81),
    // Black keys, left to right (the taller Rectangle44 starts higher).
    black("Rectangle44", 33, 88, "", 417, 46),
    black("Rectangle45", 90, 87),
    black("Rectangle35", 177, 76),
    black("Rectangle36", 231, 75),
    black("Rectangle14", 283, 74),
    black("Rectangle9", 379, 49),
    black("Rectangle10", 431, 50),
    black("Rectangle11", 528, 51),
    black("Rectangle12", 573, 52),
    black("Rectangle13", 625, 53),
    black("Rectangle18", 720, 59),
    black("Rectangle21", 765, 78),
    black("Rectangle19", 769, 58),
    black("Rectangle20", 769, 0, "Rectangle19"),
    black("Rectangle39", 854, 79),
    black("Rectangle25", 896, 64),
    black("Rectangle38", 941, 77),
    black("Rectangle40", 1025, 0, "Rectangle27"),
}};

std::string encode(const RectangleRow& r) {
    RecordWriter w;
    shape(w, r.name, r.left, r.top, r.width, r.height, r.tabIndex, r.fill)
        .color("TopLeftColor", kBlack)
        .color("BottomRightColor", kBlack)
        .string("InitialParent", r.initialParent);
    return w.content();
}

// ---- Slider and ScrollBar: the pitch and velocity controls ----------------

struct RangeRow {
    const char* name;
    std::int64_t left, top, width, height;
    Locks locks;
    std::int64_t tabIndex;
    bool enabled, visible;
    std::int64_t minimum, value, maximum, lineStep, pageStep;
    std::int64_t tickStyle;  // Slider only
    bool acceptFocus;        // ScrollBar only
};

constexpr std::array<RangeRow, 2> kSliders{{
    {"PitchSlider", 857, 314, 100, 20, {true, true, false, false}, 1, false, false, 1, 5, 9, 1, 20, 0, false},
    {"VelocitySlider", 138, 285, 14, 46, {true, true, false, false}, 2, false, false, 1, 8, 20, 1, 10, 2, false},
}};
constexpr std::array<RangeRow, 2> kScrollBars{{
    {"VeclotityBar", 20, 100, 57, 218, {false, true, true, true}, 89, true, true, 1, 8, 20, 1, 20, 0, true},
    {"PitchBar", 811, 378, 200, 15, {true, false, true, true}, 90, true, true, 1, 5, 9, 1, 20, 0, true},
}};

// Slider and ScrollBar share every entry up to LiveScroll; then the slider
// has TickStyle where the scroll bar has AcceptFocus.
std::string encodeRange(const RangeRow& r, bool slider) {
    RecordWriter w;
    tabs(head(w, r.name, r.left, r.top, r.width, r.height, r.locks), r.tabIndex).boolean("Enabled", r.enabled);
    visibility(w, r.visible)
        .integer("Minimum", r.minimum)
        .integer("Value", r.value)
        .integer("Maximum", r.maximum)
        .integer("LineStep", r.lineStep)
        .integer("PageStep", r.pageStep)
        .boolean("LiveScroll", false);
    if (slider)
        w.integer("TickStyle", r.tickStyle);
    else
        w.boolean("AcceptFocus", r.acceptFocus);
    w.string("InitialParent", "");
    return w.content();
}

// ---- PushButton -------------------------------------------------------------

struct PushButtonRow {
    const char* name;
    std::int64_t left, top, width, height, tabIndex;
    const char* caption;
    float textSize;
    bool bold;
};

constexpr std::array<PushButtonRow, 2> kPushButtons{{
    {"PushButton1", 463, 24, 119, 33, 18, "Randam Hit", 10.0f, true},
    {"PushButton2", 304, 24, 97, 39, 80, "REC", 0.0f, false},
}};

std::string encode(const PushButtonRow& r) {
    RecordWriter w;
    tabs(head(w, r.name, r.left, r.top, r.width, r.height), r.tabIndex)
        .string("Caption", r.caption)
        .boolean("Default", false)
        .boolean("Cancel", false)
        .boolean("Enabled", true);
    visibility(w, true).integer("ButtonStyle", 0);
    font(w, r.textSize, r.bold).string("InitialParent", "");
    return w.content();
}

// ---- PopupMenu: the instrument menu -----------------------------------------

// The General MIDI programs 1 to 128 as the menu shows them, odd spellings
// included.
constexpr std::array<const char*, 128> kInstruments{
    "Acoustic Grand Piano", "Bright Acoustic Piano", "Elactric Grand Piano", "Honky-tonk Piano",
    "Rhodes Piano", "Chorused Piano", "Harpsichord", "Clavinet",
    "Celesta", "Glockenspiel", "Music Box", "Vibraphone",
    "Marimba", "Xylophone", "Tubular bells", "Dulcimer",
    "Draw Oragan", "Persussive Organ", "Rock Organ", "Church Organ",
    "Reed Organ", "Accordion", "Harmonica", "Tango Accordion",
    "Acoustic Nylon Guitar", "Acoustic Steel Guitar", "Electric Jazz Guitar", "Electric clean Guitar",
    "Electric Guitar Muted", "Overdriven Guitar", "Distortion Guitar", "Guitar Harmonics",
    "Wood Bass", "Electric Bass Fingered", "Electric Bass Picked", "Fretless Bass",
    "Slap Bass 1", "Slap Bass 2", "Synth Bass 1", "Synth Bass 2",
    "Violin", "Viola", "Cello", "Contrabass",
    "Tremolo Strings", "Pizzicato Strings", "Orchestral Harp", "Timpani",
    "Acoustic String Ensemble 1", "Acoustic String Ensemble 2", "Synth Strings 1", "Synth Strings 2",
    "Aah Choir", "Ooh Choir", "Synvox", "Orchestra Hit",
    "Trumpet", "Trombone", "Tuba", "Muted Trumpet",
    "French Horn", "Brass Section", "Synth Bass 1", "Synth Bass 2",
    "Soprano Sax", "Alto Sax", "Tenor Sax", "Baritone Sax",
    "Oboe", "English Horn", "Bassoon", "Clarinet",
    "Piccolo", "Flute", "Recorder", "Pan Fluete",
    "Bottle blow", "Shakuhachi", "Whistle", "Ocarina",
    "Square Lead", "Saw Lead", "Calliope", "Chiffer",
    "Synth Lead 5", "Synth Lead 6", "Synth Lead 7", "Synth Lead 8",
    "Synth Pad 1", "Synth Pad 2", "Synth Pad 3", "Synth Pad 4",
    "Synth Pad 5", "Synth Pad 6", "Synth Pad 7", "Synth Pad 8",
    "Ice Rain", "Sound Tracks", "Crystal", "Atmosphere",
    "Bright", "Goblin", "Echoes", "Space",
    "Sitar", "Banjo", "Shamisen", "Koto",
    "Kalimba", "Bagpipe", "Fiddle", "Shannai",
    "Tinkle Bell", "Agogo", "Steel Drums", "WoodBlock",
    "Taiko Drum", "Melodic Tom", "Synth Tom", "Reverse Symbal",
    "Guitar Fret Noise", "Breath Noise", "Seashore", "Bird Tweet",
    "Telephone Ring", "Helicopter", "Applause", "Gunshot Table",
};

// One line per instrument, each "@" + name, separated by CR.
std::string buildInstrumentList() {
    std::string list;
    for (const char* name : kInstruments) {
        if (!list.empty()) list += '\r';
        list += '@';
        list += name;
    }
    return list;
}

struct PopupMenuRow {
    const char* name;
    std::int64_t left, top, width, height, tabIndex, listIndex;
    float textSize;
};

constexpr PopupMenuRow kPopupMenu{"MusicPopupMenu", 656, 24, 152, 34, 16, 0, 12.0f};

std::string encode(const PopupMenuRow& r, std::string_view rows) {
    RecordWriter w;
    tabs(head(w, r.name, r.left, r.top, r.width, r.height), r.tabIndex)
        .boolean("Enabled", true)
        .string("InitialValue", rows)
        .integer("ListIndex", r.listIndex);
    visibility(w, true);
    font(w, r.textSize, false).string("DataSource", "").string("DataField", "").string("InitialParent", "");
    return w.content();
}

// ---- TextField --------------------------------------------------------------

struct TextFieldRow {
    const char* name;
    std::int64_t left, top, width, height, tabIndex;
    Color textColor, backColor;
    float textSize;
};

constexpr TextFieldRow kTextField{"textfield", 621, -10, 80, 22, 17, kBlack, kWhite, 12.0f};

std::string encode(const TextFieldRow& r) {
    RecordWriter w;
    tabs(head(w, r.name, r.left, r.top, r.width, r.height), r.tabIndex)
        .boolean("Border", true)
        .boolean("Password", false)
        .boolean("UseFocusRing", false)
        .color("TextColor", r.textColor)
        .color("BackColor", r.backColor)
        .boolean("Enabled", false)
        .string("Format", "");
    visibility(w, false, false);
    font(w, r.textSize, false)
        .string("CueText", "")
        .string("Text", "")
        .string("Mask", "")
        .boolean("ReadOnly", false)
        .integer("LimitText", 0)
        .boolean("AcceptTabs", false)
        .integer("Alignment", 0)
        .boolean("AutomaticallyCheckSpelling", false)
        .string("DataSource", "")
        .string("DataField", "")
        .string("InitialParent", "");
    return w.content();
}

// ---- NotePlayer and Timer -----------------------------------------------------

struct NotePlayerRow {
    const char* name;
    std::int64_t instrument;
};
constexpr NotePlayerRow kNotePlayer{"NotePlayer1", 1};

// The note player's entries stand in byte order of their names.
std::string encode(const NotePlayerRow& r) {
    RecordWriter w;
    w.integer("Index", kNoIndex)
        .integer("Instrument", r.instrument)
        .string("Name", r.name)
        .integer("PanelIndex", 0)
        .integer("TabPanelIndex", 0)
        .integer("_mIndex", 0)
        .string("_mInitialParent", "")
        .string("_mName", "")
        .integer("_mPanelIndex", 0);
    return w.content();
}

struct TimerRow {
    const char* name;  // the name it is added under; not part of the record
    std::int64_t mode, period;
};
constexpr TimerRow kTimer{"Mytimer", 2, 1000};

std::string encode(const TimerRow& r) {
    RecordWriter w;
    w.integer("Mode", r.mode).integer("Period", r.period);
    return w.content();
}

// ---- Window -------------------------------------------------------------------

std::string encodeWindow() {
    RecordWriter w;
    w.integer("Width", 1050)
        .integer("Height", 500)
        .integer("MinWidth", 64)
        .integer("MinHeight", 64)
        .integer("MaxWidth", 32000)
        .integer("MaxHeight", 32000)
        .integer("Frame", 11)
        .string("Title", "NALVO PRO 2018")
        .boolean("CloseButton", true)
        .boolean("Resizeable", false)
        .boolean("MaximizeButton", false)
        .boolean("MinimizeButton", false)
        .boolean("FullScreenButton", true)
        .boolean("Composite", false)
        .integer("MacProcID", 0)
        .integer("Placement", 0)
        .boolean("Visible", true)
        .boolean("LiveResize", false)
        .boolean("FullScreen", false)
        .boolean("HasBackColor", true)
        .color("BackColor", kBlack)
        .boolean("MenuBarVisible", true);
    return w.content();
}

// ---- The encoded set ------------------------------------------------------------

struct Records {
    std::string instruments;
    std::string window;
    std::map<std::string, std::string, std::less<>> controls;
    std::string stored;
    std::vector<std::size_t> offsets;
};

constexpr std::array<const char*, 87> kCreationOrder{
#define NALVO_CONTROL_NAME(name, cls, chunk) #name,
    NALVO_CONTROLS(NALVO_CONTROL_NAME)
#undef NALVO_CONTROL_NAME
};

Records build() {
    Records r;
    r.instruments = buildInstrumentList();
    r.window = encodeWindow();
    for (const auto& row : kOvals) r.controls.emplace(row.name, encode(row));
    for (const auto& row : kRectangles) r.controls.emplace(row.name, encode(row));
    for (const auto& row : kSliders) r.controls.emplace(row.name, encodeRange(row, true));
    for (const auto& row : kScrollBars) r.controls.emplace(row.name, encodeRange(row, false));
    for (const auto& row : kPushButtons) r.controls.emplace(row.name, encode(row));
    r.controls.emplace(kPopupMenu.name, encode(kPopupMenu, r.instruments));
    r.controls.emplace(kTextField.name, encode(kTextField));
    r.controls.emplace(kNotePlayer.name, encode(kNotePlayer));
    r.controls.emplace(kTimer.name, encode(kTimer));

    // The stored texts, each on a 16-byte boundary, zero-filled between.
    auto append = [&r](std::string_view content) {
        r.stored.resize((r.stored.size() + 15) / 16 * 16, '\0');
        r.offsets.push_back(r.stored.size());
        r.stored += storedText(content);
    };
    append(r.window);
    for (const char* name : kCreationOrder) append(r.controls.at(name));
    return r;
}

const Records& records() {
    static const Records r = build();
    return r;
}

}  // namespace

std::string_view windowRecord() { return records().window; }

std::string_view layoutRecord(std::string_view controlName) {
    const auto& controls = records().controls;
    const auto it = controls.find(controlName);
    if (it == controls.end()) throw KeyNotFoundException("no layout record for " + std::string(controlName));
    return it->second;
}

std::string_view storedLayoutTexts() { return records().stored; }
const std::vector<std::size_t>& storedLayoutOffsets() { return records().offsets; }
std::string_view instrumentList() { return records().instruments; }

}  // namespace nalvo
