// The main window class: 87 controls, their 89 handlers and the REC flag.
// Handler bodies live with their subsystem (controls/, pads/, piano/,
// keyboard/); the class table (NALVO.cpp) lists every member in order.
#pragma once

#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/window.h"
#include "window/nalvo_tables.h"

#include <cstdint>
#include <string>

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

    // Menu-item accessors (nothing in the program calls them).
    MenuItem& UntitledMenu2();
    MenuItem& EditMenu();
    AppleMenuItem& UntitledMenu3();
    MenuItem& UntitledMenu4();
    MenuItem& EditClear();
    MenuItem& EditPaste();
    MenuItem& EditCopy();
    MenuItem& EditCut();
    MenuItem& UntitledMenu0();
    MenuItem& EditUndo();
    MenuItem& FileMenu();
    MenuItem& UntitledMenu5();
    QuitMenuItem& FileQuit();
    MenuItem& UntitledMenu1();

    // Window events and helpers.
    bool Event_KeyDown(const std::string& key);
    void Event_Open();
    std::int64_t Onpu(std::int64_t degree, std::int64_t order, std::int64_t voice);
    void pxx(std::int64_t value);

    // The record button's state; False in a new window.
    bool REC = false;
};

// The default window: the existing one, or a new one built now.
NALVO& defaultWindow();
// The existing default window, or null.
NALVO* existingDefaultWindow();
// Forgets the default window (tests); the caller owns what it destroys.
void resetDefaultWindow();

}  // namespace nalvo
