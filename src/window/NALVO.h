// The main window class: 87 controls, their 89 handlers and the REC flag.
// Handler bodies live with their subsystem (controls/, pads/, piano/,
// keyboard/); the class table (NALVO.cpp) lists every member in order.
#pragma once

#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/window.h"
#include "window/nalvo_tables.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nalvo {

class NALVO : public Window {
public:
    static const char* className() { return "NALVO"; }
    // The class table, built on first use (or by the start-up pass).
    static const ClassTable& __Lookup();
    static void __ctblinit();

    NALVO();

    // Build hooks and creation chunks.
    void Layout();
    void CreateControls();
    void _CreateControls0();
    void _CreateControls1();
    void _CreateControls2();

    // Control accessors: the control of that name, typed; NilObjectException
    // when the window has no such control.
#define NALVO_DECLARE_ACCESSOR(name, cls, chunk) cls& name();
    NALVO_CONTROLS(NALVO_DECLARE_ACCESSOR)
#undef NALVO_DECLARE_ACCESSOR

    // Event handlers, named control_event.
#define NALVO_HANDLER_MouseDown(name, cls) bool name##_MouseDown(cls& sender, std::int64_t x, std::int64_t y);
#define NALVO_HANDLER_Open(name, cls) void name##_Open(cls& sender);
#define NALVO_HANDLER_ValueChanged(name, cls) void name##_ValueChanged(cls& sender);
#define NALVO_HANDLER_Change(name, cls) void name##_Change(cls& sender);
#define NALVO_HANDLER_Action(name, cls) void name##_Action(cls& sender);
#define NALVO_DECLARE_HANDLER(name, event, number, cls) NALVO_HANDLER_##event(name, cls)
    NALVO_HANDLERS(NALVO_DECLARE_HANDLER)
#undef NALVO_DECLARE_HANDLER

    // Menu-item accessors (nothing in the program calls them): the item of
    // that name in the window's menu bar; NilObjectException without one.
#define NALVO_DECLARE_MENU_ACCESSOR(name, cls) cls& name();
    NALVO_MENU_ITEMS(NALVO_DECLARE_MENU_ACCESSOR)
#undef NALVO_DECLARE_MENU_ACCESSOR

    // Window events and helpers.
    bool Event_KeyDown(const std::string& key);
    void Event_Open();
    std::int64_t Onpu(std::int64_t degree, std::int64_t order, std::int64_t voice);
    void pxx(std::int64_t value);

    // The record button's state; False in a new window.
    bool REC = false;

    // Test hook: called with the handler's name and its sender each time a
    // handler member runs (through a delegate or by name), before its body.
    static inline std::function<void(std::string_view handler, Object& sender)> handlerObserver;
};

// The window's own timer class, made for `Mytimer` alone: a Timer that is a
// member of the window. Its constructor does nothing.
class NALVOTimer : public Timer {
public:
    static const char* className() { return "NALVO.Mytimer"; }
    static const ClassTable& __Lookup();
    static void __ctblinit() { (void)__Lookup(); }
    const ClassTable& classTable() const override { return __Lookup(); }
    void Constructor() {}
};

// The 88 layout records (content bytes, without the storage prefix).
// The window's record.
std::string_view windowRecord();
// The record of the control of that name; KeyNotFoundException for another name.
std::string_view layoutRecord(std::string_view controlName);
// The 88 stored texts one after another, each on a 16-byte boundary, the gaps
// zero: the window's first, then the controls' in creation order.
std::string_view storedLayoutTexts();
// Where each stored text starts in storedLayoutTexts() (88 offsets).
const std::vector<std::size_t>& storedLayoutOffsets();
// The instrument popup's rows: 128 lines separated by CR.
std::string_view instrumentList();

// The default window: the existing one, or a new one built now.
NALVO& defaultWindow();
// The existing default window, or null.
NALVO* existingDefaultWindow();
// Destroys the default window, if any (tests and shutdown; call it while the
// Qt application still exists).
void resetDefaultWindow();

}  // namespace nalvo
