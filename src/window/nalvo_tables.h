// The window's 87 controls in creation order (name, class, creation chunk),
// and its 89 handled events in binding order (control, event, event number,
// sender class). Used to declare the members, build the class table and
// create the controls.
#pragma once

#define NALVO_CONTROLS(X) \
    X(Rectangle23, Rectangle, 0) \
    X(PitchSlider, Slider, 0) \
    X(VelocitySlider, Slider, 0) \
    X(Oval1, Oval, 0) \
    X(Oval3, Oval, 0) \
    X(Oval4, Oval, 0) \
    X(Oval5, Oval, 0) \
    X(Oval6, Oval, 0) \
    X(Oval7, Oval, 0) \
    X(Oval8, Oval, 0) \
    X(miniOval1, Oval, 0) \
    X(miniOval2, Oval, 0) \
    X(miniOval3, Oval, 0) \
    X(miniOval4, Oval, 0) \
    X(miniOval5, Oval, 0) \
    X(Oval2, Oval, 0) \
    X(textfield, TextField, 0) \
    X(MusicPopupMenu, PopupMenu, 0) \
    X(Oval9, Oval, 0) \
    X(Oval10, Oval, 0) \
    X(Oval11, Oval, 0) \
    X(Oval12, Oval, 0) \
    X(Oval13, Oval, 0) \
    X(Oval14, Oval, 0) \
    X(Oval15, Oval, 0) \
    X(Oval16, Oval, 0) \
    X(Oval17, Oval, 0) \
    X(Oval18, Oval, 0) \
    X(Oval19, Oval, 0) \
    X(Oval20, Oval, 0) \
    X(Oval21, Oval, 1) \
    X(Oval22, Oval, 1) \
    X(miniOval111, Oval, 1) \
    X(miniOval21, Oval, 1) \
    X(miniOval11, Oval, 1) \
    X(miniOval211, Oval, 1) \
    X(miniOval31, Oval, 1) \
    X(miniOval311, Oval, 1) \
    X(miniOval41, Oval, 1) \
    X(miniOval411, Oval, 1) \
    X(miniOval51, Oval, 1) \
    X(miniOval511, Oval, 1) \
    X(NotePlayer1, NotePlayer, 1) \
    X(PushButton1, PushButton, 1) \
    X(Mytimer, Timer, 1) \
    X(Rectangle1, Rectangle, 1) \
    X(Rectangle2, Rectangle, 1) \
    X(Rectangle3, Rectangle, 1) \
    X(Rectangle4, Rectangle, 1) \
    X(Rectangle5, Rectangle, 1) \
    X(Rectangle6, Rectangle, 1) \
    X(Rectangle7, Rectangle, 1) \
    X(Rectangle8, Rectangle, 1) \
    X(Rectangle10, Rectangle, 1) \
    X(Rectangle11, Rectangle, 1) \
    X(Rectangle12, Rectangle, 1) \
    X(Rectangle17, Rectangle, 1) \
    X(Rectangle13, Rectangle, 1) \
    X(Rectangle9, Rectangle, 1) \
    X(Rectangle15, Rectangle, 1) \
    X(Rectangle16, Rectangle, 2) \
    X(Rectangle19, Rectangle, 2) \
    X(Rectangle20, Rectangle, 2) \
    X(Rectangle18, Rectangle, 2) \
    X(Rectangle24, Rectangle, 2) \
    X(Rectangle25, Rectangle, 2) \
    X(Rectangle26, Rectangle, 2) \
    X(Rectangle30, Rectangle, 2) \
    X(Rectangle31, Rectangle, 2) \
    X(Rectangle32, Rectangle, 2) \
    X(Rectangle33, Rectangle, 2) \
    X(Rectangle35, Rectangle, 2) \
    X(Rectangle36, Rectangle, 2) \
    X(Rectangle14, Rectangle, 2) \
    X(Rectangle38, Rectangle, 2) \
    X(Rectangle21, Rectangle, 2) \
    X(Rectangle39, Rectangle, 2) \
    X(PushButton2, PushButton, 2) \
    X(Rectangle27, Rectangle, 2) \
    X(Rectangle40, Rectangle, 2) \
    X(Rectangle22, Rectangle, 2) \
    X(Rectangle41, Rectangle, 2) \
    X(Rectangle42, Rectangle, 2) \
    X(Rectangle45, Rectangle, 2) \
    X(Rectangle44, Rectangle, 2) \
    X(VeclotityBar, ScrollBar, 2) \
    X(PitchBar, ScrollBar, 2) \

#define NALVO_HANDLERS(X) \
    X(Rectangle23, MouseDown, 15, Rectangle) \
    X(PitchSlider, ValueChanged, 20, Slider) \
    X(VelocitySlider, Open, 2, Slider) \
    X(VelocitySlider, ValueChanged, 20, Slider) \
    X(Oval1, MouseDown, 15, Oval) \
    X(Oval3, MouseDown, 15, Oval) \
    X(Oval4, MouseDown, 15, Oval) \
    X(Oval5, MouseDown, 15, Oval) \
    X(Oval6, MouseDown, 15, Oval) \
    X(Oval7, MouseDown, 15, Oval) \
    X(Oval8, MouseDown, 15, Oval) \
    X(miniOval1, MouseDown, 15, Oval) \
    X(miniOval2, MouseDown, 15, Oval) \
    X(miniOval3, MouseDown, 15, Oval) \
    X(miniOval4, MouseDown, 15, Oval) \
    X(miniOval5, MouseDown, 15, Oval) \
    X(Oval2, MouseDown, 15, Oval) \
    X(MusicPopupMenu, Change, 15, PopupMenu) \
    X(MusicPopupMenu, Open, 2, PopupMenu) \
    X(Oval9, MouseDown, 15, Oval) \
    X(Oval10, MouseDown, 15, Oval) \
    X(Oval11, MouseDown, 15, Oval) \
    X(Oval12, MouseDown, 15, Oval) \
    X(Oval13, MouseDown, 15, Oval) \
    X(Oval14, MouseDown, 15, Oval) \
    X(Oval15, MouseDown, 15, Oval) \
    X(Oval16, MouseDown, 15, Oval) \
    X(Oval17, MouseDown, 15, Oval) \
    X(Oval18, MouseDown, 15, Oval) \
    X(Oval19, MouseDown, 15, Oval) \
    X(Oval20, MouseDown, 15, Oval) \
    X(Oval21, MouseDown, 15, Oval) \
    X(Oval22, MouseDown, 15, Oval) \
    X(miniOval111, MouseDown, 15, Oval) \
    X(miniOval21, MouseDown, 15, Oval) \
    X(miniOval11, MouseDown, 15, Oval) \
    X(miniOval211, MouseDown, 15, Oval) \
    X(miniOval31, MouseDown, 15, Oval) \
    X(miniOval311, MouseDown, 15, Oval) \
    X(miniOval41, MouseDown, 15, Oval) \
    X(miniOval411, MouseDown, 15, Oval) \
    X(miniOval51, MouseDown, 15, Oval) \
    X(miniOval511, MouseDown, 15, Oval) \
    X(NotePlayer1, Open, 2, NotePlayer) \
    X(PushButton1, Action, 15, PushButton) \
    X(Rectangle1, MouseDown, 15, Rectangle) \
    X(Rectangle2, MouseDown, 15, Rectangle) \
    X(Rectangle3, MouseDown, 15, Rectangle) \
    X(Rectangle4, MouseDown, 15, Rectangle) \
    X(Rectangle5, MouseDown, 15, Rectangle) \
    X(Rectangle6, MouseDown, 15, Rectangle) \
    X(Rectangle7, MouseDown, 15, Rectangle) \
    X(Rectangle8, MouseDown, 15, Rectangle) \
    X(Rectangle10, MouseDown, 15, Rectangle) \
    X(Rectangle11, MouseDown, 15, Rectangle) \
    X(Rectangle12, MouseDown, 15, Rectangle) \
    X(Rectangle17, MouseDown, 15, Rectangle) \
    X(Rectangle13, MouseDown, 15, Rectangle) \
    X(Rectangle9, MouseDown, 15, Rectangle) \
    X(Rectangle15, MouseDown, 15, Rectangle) \
    X(Rectangle16, MouseDown, 15, Rectangle) \
    X(Rectangle19, MouseDown, 15, Rectangle) \
    X(Rectangle20, MouseDown, 15, Rectangle) \
    X(Rectangle18, MouseDown, 15, Rectangle) \
    X(Rectangle24, MouseDown, 15, Rectangle) \
    X(Rectangle25, MouseDown, 15, Rectangle) \
    X(Rectangle26, MouseDown, 15, Rectangle) \
    X(Rectangle30, MouseDown, 15, Rectangle) \
    X(Rectangle31, MouseDown, 15, Rectangle) \
    X(Rectangle32, MouseDown, 15, Rectangle) \
    X(Rectangle33, MouseDown, 15, Rectangle) \
    X(Rectangle35, MouseDown, 15, Rectangle) \
    X(Rectangle36, MouseDown, 15, Rectangle) \
    X(Rectangle14, MouseDown, 15, Rectangle) \
    X(Rectangle38, MouseDown, 15, Rectangle) \
    X(Rectangle21, MouseDown, 15, Rectangle) \
    X(Rectangle39, MouseDown, 15, Rectangle) \
    X(PushButton2, Action, 15, PushButton) \
    X(Rectangle27, MouseDown, 15, Rectangle) \
    X(Rectangle40, MouseDown, 15, Rectangle) \
    X(Rectangle22, MouseDown, 15, Rectangle) \
    X(Rectangle41, MouseDown, 15, Rectangle) \
    X(Rectangle42, MouseDown, 15, Rectangle) \
    X(Rectangle45, MouseDown, 15, Rectangle) \
    X(Rectangle44, MouseDown, 15, Rectangle) \
    X(VeclotityBar, Open, 2, ScrollBar) \
    X(VeclotityBar, ValueChanged, 20, ScrollBar) \
    X(PitchBar, Open, 2, ScrollBar) \
    X(PitchBar, ValueChanged, 20, ScrollBar) \

// The window's menu-item accessors in class-table order (item name, class).
#define NALVO_MENU_ITEMS(X) \
    X(UntitledMenu2, MenuItem) \
    X(EditMenu, MenuItem) \
    X(UntitledMenu3, AppleMenuItem) \
    X(UntitledMenu4, MenuItem) \
    X(EditClear, MenuItem) \
    X(EditPaste, MenuItem) \
    X(EditCopy, MenuItem) \
    X(EditCut, MenuItem) \
    X(UntitledMenu0, MenuItem) \
    X(EditUndo, MenuItem) \
    X(FileMenu, MenuItem) \
    X(UntitledMenu5, MenuItem) \
    X(FileQuit, QuitMenuItem) \
    X(UntitledMenu1, MenuItem) \

