// KBDHOOK.DLL types into another program through real keyboard input.
#include <gtest/gtest.h>

#include <string>

#include "clipboard.h"
#include "desktop.h"

namespace {

using SendKeysFunction = int(WINAPI*)(const char*);

std::string WindowText(HWND window) {
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(KbdHook, CopiesAndPastesThroughTheFocusedEditControl) {
    HMODULE library = LoadLibraryA("KBDHOOK.DLL");
    ASSERT_NE(library, nullptr);
    auto sendKeys = reinterpret_cast<SendKeysFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(2))));
    ASSERT_NE(sendKeys, nullptr) << "ordinal 2 is missing";

    TargetProgram target;
    ASSERT_TRUE(target.Start("kbdhook", {150, 150, 650, 450}, "copied-by-ctrl-c"));
    SetForegroundWindow(target.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == target.Window(); }));

    ASSERT_TRUE(SetClipboardText("before"));
    SendMessageA(target.Edit(), EM_SETSEL, 0, -1);
    EXPECT_EQ(sendKeys("^c"), 4) << "Ctrl down, C down, C up, Ctrl up";
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "copied-by-ctrl-c"; }))
        << "clipboard holds \"" << ClipboardText() << "\"";

    ASSERT_TRUE(SetClipboardText("pasted-by-ctrl-v"));
    SendMessageA(target.Edit(), EM_SETSEL, 0, -1);
    EXPECT_EQ(sendKeys("^v"), 4);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(target.Edit()) == "pasted-by-ctrl-v"; }))
        << "the edit holds \"" << WindowText(target.Edit()) << "\"";

    // Plain characters and Shift are typed as themselves.
    SendMessageA(target.Edit(), EM_SETSEL, 0, -1);
    sendKeys("a+b");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(target.Edit()) == "aB"; }))
        << "the edit holds \"" << WindowText(target.Edit()) << "\"";

    EXPECT_EQ(sendKeys(nullptr), 0);
    EXPECT_EQ(sendKeys(""), 0);
    FreeLibrary(library);
}

} // namespace
