// Fast Folders as a user meets it: the real Quillet99.exe over file dialogs in another program,
// the menu opened by a right press on a dialog's "?" button or by Ctrl+Alt+F, a folder chosen
// with the keyboard.
#include <gtest/gtest.h>

#include "harness.h"

// What the nested file-name box of the test's stand-in dialog received: its text, and Enter.
static std::string Received;
static WNDPROC EditProc;
static LRESULT CALLBACK NestedBox(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) Received += reinterpret_cast<const char*>(lParam);
    if (message == WM_KEYDOWN && wParam == VK_RETURN) Received += "<Enter>";
    return CallWindowProcA(EditProc, edit, message, wParam, lParam);
}

TEST(FastFolders, ARightPressOnAFileDialogsHelpButtonOrCtrlAltFJumpsItToTheFolderChosen) {
    for (const char* folder : {"C:\\windows", "C:\\windows\\system32"})
        SetString(ProductPath + "\\Folders", folder, folder);
    Target target;
    Host host;
    ASSERT_TRUE(target.Start("files") && host.Start());
    HWND dialog = nullptr;
    POINT help = {}, at = {}; // a right press on the "?" button, or Ctrl+Alt+F here
    RECT menu = {};
    // A box of its own, to be typed into by nothing; no window in front, as between activations.
    HWND box = CreateWindowA("EDIT", "", WS_POPUP | WS_VISIBLE, 700, 500, 200, 99, 0, 0, 0, 0);
    auto menuOpens = [&](HWND front, bool hotKey = false, DWORD wait = 5000) {
        BringToFront(front ? front : box), front || SetActiveWindow(nullptr);
        MoveMouseTo(at = hotKey ? Target::At(front, 40, 80) : help);
        if (!hotKey) PumpFor(300), ClickAt(at, Right); // once the cursor has settled there
        if (hotKey) PumpFor(300), CtrlAlt('F');
        return WaitUntil([&] { return GetWindowRect(OpenMenu(), &menu) != FALSE; }, wait);
    };
    PostMessageA(target.window, WM_APP + 2, 0, 0); // its file dialog
    ASSERT_TRUE(WaitUntil([&] {                    // with its "?" button
        help = CaptionButton(dialog = FindWindowA("#32770", "Open"), HTHELP);
        return GetForegroundWindow() == dialog && help.x > 0;
    }));
    // Switched off; over a window without a box, by "?" and by Ctrl+Alt+F; no window in front.
    for (HWND front : {dialog, box, MakeWindow("QuilletPlain"), HWND()}) {
        SetDword(SettingsPath, "FastFolders", front != dialog);
        PostMessageA(host.window, UM_RELOAD_SETTINGS, 0, 0);
        EXPECT_FALSE(menuOpens(front, front && front != dialog && front != box, 1000)) << front;
    }
    ASSERT_TRUE(menuOpens(dialog) && menu.left == at.x && menu.top == at.y) << "at the button";
    Type({VK_DOWN, VK_DOWN, VK_RETURN}); // the second folder
    // The dialog's current folder becomes the target's title (FindWindow ignores case).
    EXPECT_TRUE(WaitUntil([] { return FindWindowA("QuilletTarget", "C:\\windows\\system32"); }));
    // Without "?", its box nested as in Windows 2000's Open dialog: the first folder goes there.
    LoadLibraryA("comctl32.dll"); // which registers its window classes as it loads, under Wine
    HWND nested = MakeWindow("QuilletNested"), names = nullptr;
    names = CreateWindowA("ComboBoxEx32", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 9, 9, 300, 99,
                          nested, HMENU(0x47C), 0, 0);
    HWND edit = FindWindowExA(FindWindowExA(names, 0, "ComboBox", 0), 0, "Edit", 0);
    EditProc = WNDPROC(SetWindowLongPtrA(edit, GWLP_WNDPROC, LONG_PTR(NestedBox)));
    ASSERT_TRUE(menuOpens(nested, true) && menu.left == at.x && menu.top == at.y)
        << "at the cursor";
    Type({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(WaitUntil([] { return Received == "C:\\windows<Enter>"; })) << Received;
}
