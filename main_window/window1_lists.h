// The main window's controls, control-event handlers and menu items, each by
// name with its class, in operation-table order. The class declaration, its
// accessors and its class record are made from these lists, and the design
// table (design_records.cpp) is checked against them when it compiles: a
// control named or classed differently in the two fails the build.
#pragma once

// Every control of the main window, in creation order: name, framework class.
#define VANTORO_MAIN_CONTROLS(X) \
    X(PopupMenu1, PopupMenu) \
    X(PopupMenu2, PopupMenu) \
    X(PopupMenu3, PopupMenu) \
    X(PopupMenu4, PopupMenu) \
    X(PopupMenu5, PopupMenu) \
    X(PopupMenu6, PopupMenu) \
    X(PopupMenu7, PopupMenu) \
    X(PopupMenu8, PopupMenu) \
    X(PopupMenu9, PopupMenu) \
    X(PopupMenu10, PopupMenu) \
    X(PopupMenu11, PopupMenu) \
    X(PopupMenu12, PopupMenu) \
    X(PopupMenu13, PopupMenu) \
    X(PopupMenu14, PopupMenu) \
    X(PopupMenu15, PopupMenu) \
    X(PopupMenu16, PopupMenu) \
    X(CheckBox1, CheckBox) \
    X(CheckBox2, CheckBox) \
    X(RoundRectangle1, RoundRectangle) \
    X(PopupMenu17, PopupMenu) \
    X(PopupMenu18, PopupMenu) \
    X(TextField1, TextField) \
    X(TextField2, TextField) \
    X(Label1, Label) \
    X(PushButton1, PushButton) \
    X(RoundRectangle2, RoundRectangle) \
    X(PopupMenu19, PopupMenu) \
    X(PopupMenu20, PopupMenu) \
    X(TextField3, TextField) \
    X(TextField4, TextField) \
    X(Label2, Label) \
    X(PushButton2, PushButton) \
    X(RoundRectangle3, RoundRectangle) \
    X(Label3, Label) \
    X(PopupMenu22, PopupMenu) \
    X(PopupMenu21, PopupMenu) \
    X(PushButton3, PushButton) \
    X(TextField5, TextField) \
    X(TextField6, TextField) \
    X(RoundRectangle4, RoundRectangle) \
    X(Label4, Label) \
    X(TextField7, TextField) \
    X(TextField8, TextField) \
    X(PopupMenu23, PopupMenu) \
    X(PushButton4, PushButton) \
    X(PopupMenu24, PopupMenu) \
    X(Label5, Label) \
    X(Label6, Label) \
    X(Label7, Label) \
    X(RoundRectangle5, RoundRectangle) \
    X(Label19, Label) \
    X(Label20, Label) \
    X(Label21, Label) \
    X(TextField13, TextField) \
    X(TextField14, TextField) \
    X(Label23, Label) \
    X(PushButton7, PushButton) \
    X(Label22, Label) \
    X(RoundRectangle6, RoundRectangle) \
    X(Label9, Label) \
    X(Label10, Label) \
    X(Label11, Label) \
    X(PushButton5, PushButton) \
    X(TextField9, TextField) \
    X(TextField10, TextField) \
    X(Label12, Label) \
    X(Label13, Label) \
    X(RoundRectangle7, RoundRectangle) \
    X(TextField11, TextField) \
    X(TextField12, TextField) \
    X(Label18, Label) \
    X(Label17, Label) \
    X(Label14, Label) \
    X(Label15, Label) \
    X(Label16, Label) \
    X(PushButton6, PushButton) \
    X(PushButton8, PushButton) \
    X(PushButton9, PushButton) \
    X(Label26, Label) \
    X(Listbox1, Listbox) \
    X(Timer1, Timer) \
    X(Timer2, Timer) \
    X(PushButton10, PushButton) \
    X(Label28, Label) \
    X(TextField15, TextField) \
    X(PushButton11, PushButton) \
    X(Timer3, Timer)

// Every control-event handler, in wiring order: name, class of the control that
// raises it. X: handlers given the control; M: the mouse-down handler, also given
// the position and returning a Boolean.
#define VANTORO_MAIN_HANDLERS(X, M) \
    X(PopupMenu1_Open, PopupMenu) \
    X(PopupMenu1_Change, PopupMenu) \
    X(PopupMenu2_Open, PopupMenu) \
    X(PopupMenu2_Change, PopupMenu) \
    X(PopupMenu3_Open, PopupMenu) \
    X(PopupMenu3_Change, PopupMenu) \
    X(PopupMenu4_Open, PopupMenu) \
    X(PopupMenu4_Change, PopupMenu) \
    X(PopupMenu5_Open, PopupMenu) \
    X(PopupMenu5_Change, PopupMenu) \
    X(PopupMenu6_Open, PopupMenu) \
    X(PopupMenu6_Change, PopupMenu) \
    X(PopupMenu7_Open, PopupMenu) \
    X(PopupMenu7_Change, PopupMenu) \
    X(PopupMenu8_Open, PopupMenu) \
    X(PopupMenu8_Change, PopupMenu) \
    X(PopupMenu9_Open, PopupMenu) \
    X(PopupMenu10_Open, PopupMenu) \
    X(PopupMenu11_Open, PopupMenu) \
    X(PopupMenu12_Open, PopupMenu) \
    X(PopupMenu13_Open, PopupMenu) \
    X(PopupMenu14_Open, PopupMenu) \
    X(PopupMenu15_Open, PopupMenu) \
    X(PopupMenu16_Open, PopupMenu) \
    X(CheckBox1_Action, CheckBox) \
    X(CheckBox2_Action, CheckBox) \
    X(PopupMenu17_Change, PopupMenu) \
    X(PopupMenu18_Change, PopupMenu) \
    X(PushButton1_Action, PushButton) \
    X(PopupMenu19_Change, PopupMenu) \
    X(PopupMenu20_Change, PopupMenu) \
    X(PushButton2_Action, PushButton) \
    X(PopupMenu22_Change, PopupMenu) \
    X(PopupMenu21_Change, PopupMenu) \
    X(PushButton3_Action, PushButton) \
    X(PopupMenu23_Change, PopupMenu) \
    X(PushButton4_Action, PushButton) \
    X(PopupMenu24_Change, PopupMenu) \
    X(PushButton7_Action, PushButton) \
    X(PushButton5_Action, PushButton) \
    X(PushButton6_Action, PushButton) \
    X(PushButton8_Action, PushButton) \
    X(PushButton9_Action, PushButton) \
    M(Label26_MouseDown, Label) \
    X(Listbox1_Open, Listbox) \
    X(Timer1_Action, Timer) \
    X(Timer2_Action, Timer) \
    X(PushButton10_Action, PushButton) \
    X(PushButton11_Action, PushButton) \
    X(Timer3_Action, Timer)

// The menu-item accessors, in operation-table order: name, item class.
#define VANTORO_MENU_ITEMS(X) \
    X(instructionsMenu, MenuItem) \
    X(instructionsinstructions, MenuItem) \
    X(EditMenu, MenuItem) \
    X(EditSelectAll, MenuItem) \
    X(UntitledMenu0, MenuItem) \
    X(EditClear, MenuItem) \
    X(EditPaste, MenuItem) \
    X(EditCopy, MenuItem) \
    X(EditCut, MenuItem) \
    X(UntitledMenu1, MenuItem) \
    X(EditUndo, MenuItem) \
    X(FileMenu, MenuItem) \
    X(FileAboutVantoro2011, AppleMenuItem) \
    X(FileQuit, QuitMenuItem)
