// The hook library's shared record and its exports other than the hook procedure.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "desktop.h"
#include "hook_library.h"

namespace {

class HookExports : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(lib.Load()) << "cannot load QUILLET99HOOK.DLL"; }
    void TearDown() override {
        if (lib.tellHookCustWin) {
            CustomRecords none;
            lib.tellHookCustWin(none.Data());
        }
        lib.Free();
    }
    HookLibrary lib;
};

TEST(HookImage, SharedSectionHoldsTheInitialRecord) {
    FileSection section;
    ASSERT_TRUE(ReadFileSection(BinPath("QUILLET99HOOK.DLL"), "SHARDATA", section));
    const DWORD wanted = IMAGE_SCN_MEM_SHARED | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
    EXPECT_EQ(section.characteristics & wanted, wanted);
    ASSERT_GE(section.raw.size(), sizeof(HookSharedRecord));

    HookSharedRecord expected;
    memset(&expected, 0, sizeof expected);
    expected.itEnabled = 1;
    expected.scrollEnabled = 1;
    expected.savedCaptionFeature = 999;
    expected.savedBodyFeature = 999;
    HookSharedRecord image;
    memcpy(&image, section.raw.data(), sizeof image);
    EXPECT_EQ(image.hookProc, nullptr);
    EXPECT_EQ(image.hookHandle, nullptr);
    EXPECT_EQ(image.hookModule, nullptr);
    EXPECT_EQ(image.hostWindow, nullptr);
    EXPECT_EQ(image.itEnabled, 1);
    EXPECT_EQ(image.scrollEnabled, 1);
    EXPECT_EQ(image.savedCaptionFeature, 999);
    EXPECT_EQ(image.savedBodyFeature, 999);
    EXPECT_EQ(image.currentCaptionFeature, 0);
    EXPECT_EQ(image.currentBodyFeature, 0);
    EXPECT_EQ(image.customCount, 0);
    EXPECT_EQ(memcmp(&image, &expected, sizeof image), 0) << "some other byte of the image is set";
}

TEST_F(HookExports, EveryExportHasItsOrdinalAndUndecoratedName) {
    const char* names[] = {"WEP",
                           "InstallMouseHook",
                           "UninstallMouseHook",
                           "MouseHook",
                           "ActivateIt",
                           "ActivateFeature",
                           "ActivateScroll",
                           "ActivateCaptionFeature",
                           "ActivateBodyFeature",
                           "ActivateRightTray",
                           "ActivateRightRoll",
                           "TellHookCustWin"};
    for (int ordinal = 1; ordinal <= 12; ++ordinal) {
        FARPROC byName = GetProcAddress(lib.module, names[ordinal - 1]);
        FARPROC byOrdinal = GetProcAddress(lib.module, MAKEINTRESOURCEA(ordinal));
        EXPECT_NE(byName, nullptr) << names[ordinal - 1];
        EXPECT_EQ(byName, byOrdinal) << names[ordinal - 1] << " is not ordinal " << ordinal;
    }
    EXPECT_EQ(GetProcAddress(lib.module, MAKEINTRESOURCEA(13)), nullptr);
}

TEST_F(HookExports, SettersStoreAndReturnTheirArgument) {
    HookSharedRecord& s = *lib.shared;
    for (LONG value : {0L, 1L, -5L, 123456L}) {
        EXPECT_EQ(lib.activateIt(value), value);
        EXPECT_EQ(s.itEnabled, value);
        EXPECT_EQ(lib.activateFeature(value), value);
        EXPECT_EQ(s.featureValue, value);
        EXPECT_EQ(lib.activateScroll(value), value);
        EXPECT_EQ(s.scrollEnabled, value);
        EXPECT_EQ(lib.activateRightTray(value), value);
        EXPECT_EQ(s.rightTrayEnabled, value);
        EXPECT_EQ(lib.activateRightRoll(value), value);
        EXPECT_EQ(s.rightRollEnabled, value);

        s.savedCaptionFeature = 2;
        s.savedBodyFeature = 6;
        EXPECT_EQ(lib.activateCaptionFeature(value), value);
        EXPECT_EQ(s.currentCaptionFeature, value);
        EXPECT_EQ(s.savedCaptionFeature, 999);
        EXPECT_EQ(s.savedBodyFeature, 6) << "the caption setter touched the body's saved word";
        EXPECT_EQ(lib.activateBodyFeature(value), value);
        EXPECT_EQ(s.currentBodyFeature, value);
        EXPECT_EQ(s.savedBodyFeature, 999);
    }
    lib.activateIt(1);
    lib.activateScroll(1);
    lib.activateRightTray(0);
    lib.activateRightRoll(0);
}

TEST_F(HookExports, WepReturnsOneWhateverItsArgument) {
    for (int value : {0, 1, -1, 0x7fffffff})
        EXPECT_EQ(lib.wep(value), 1);
}

TEST_F(HookExports, TellHookCustWinCopiesAtMostOneHundredClassNamesUpToTheirZero) {
    HookSharedRecord& s = *lib.shared;

    CustomRecords many;
    for (int i = 0; i < 150; ++i) {
        std::string name = "Class" + std::to_string(i);
        many.Add(name.c_str(), i % 6, i % 8, "TitleBehindTheName");
    }
    lib.tellHookCustWin(many.Data());
    ASSERT_EQ(s.customCount, 100);
    EXPECT_STREQ(s.customTable[0].className, "Class0");
    EXPECT_STREQ(s.customTable[99].className, "Class99");
    EXPECT_EQ(s.customTable[99].captionFeature, 99 % 6);
    EXPECT_EQ(s.customTable[99].bodyFeature, 99 % 8);
    for (int i = 0; i < 100; ++i) {
        const char* name = s.customTable[i].className;
        size_t length = strlen(name);
        for (int at = static_cast<int>(length); at < SharedClassNameSize; ++at)
            ASSERT_EQ(name[at], 0) << "entry " << i << " holds a byte from behind the class name";
    }
    EXPECT_EQ(s.tableSequence & 1, 0) << "the table was left marked as being rewritten";

    CustomRecords two;
    two.Add("First", 1, 2);
    two.Add("Second", 3, 4);
    lib.tellHookCustWin(two.Data());
    EXPECT_EQ(s.customCount, 2);
    EXPECT_STREQ(s.customTable[1].className, "Second");
    EXPECT_STREQ(s.customTable[5].className, "Class5") << "entries past the count keep their bytes";

    CustomRecords unterminated;
    unterminated.Add("x", 2, 3);
    memset(unterminated.Record(0), 'A', CustomRecordCaptionOffset);
    lib.tellHookCustWin(unterminated.Data());
    EXPECT_EQ(s.customCount, 1);
    EXPECT_EQ(strnlen(s.customTable[0].className, SharedClassNameSize), SharedClassNameSize - 1u);

    CustomRecords empty;
    lib.tellHookCustWin(empty.Data());
    EXPECT_EQ(s.customCount, 0);
    lib.tellHookCustWin(nullptr);
    EXPECT_EQ(s.customCount, 0);
}

LRESULT CALLBACK Quiet(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(w, m, wp, lp);
}

TEST(HookInstall, UninstallTwiceReleasesOnlyTheReferenceItHolds) {
    ASSERT_EQ(GetModuleHandleA("QUILLET99HOOK.DLL"), nullptr) << "another test left it loaded";
    HookLibrary lib;
    ASSERT_TRUE(lib.Load());
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Quiet;
    wc.lpszClassName = "QuilletInstallHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowA("QuilletInstallHost", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr);

    HHOOK hook = lib.install(host);
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(lib.shared->hookHandle, hook);
    EXPECT_EQ(lib.shared->hostWindow, host);
    EXPECT_EQ(lib.shared->hookModule, lib.module);
    EXPECT_EQ(reinterpret_cast<void*>(lib.shared->hookProc),
              reinterpret_cast<void*>(GetProcAddress(lib.module, "MouseHook")));

    EXPECT_NE(lib.uninstall(), FALSE);
    EXPECT_EQ(lib.shared->hookProc, nullptr);
    EXPECT_EQ(lib.shared->hookModule, nullptr);
    EXPECT_EQ(lib.uninstall(), FALSE) << "a second uninstall found something to release";
    EXPECT_NE(GetModuleHandleA("QUILLET99HOOK.DLL"), nullptr) << "our own reference was taken";

    lib.Free();
    EXPECT_EQ(GetModuleHandleA("QUILLET99HOOK.DLL"), nullptr) << "a reference is left over";
    DestroyWindow(host);
}

TEST(HookInstall, ReturnsNullWhenTheLibraryCannotFindMouseHook) {
    ChildProcess child;
    ASSERT_TRUE(child.Start("\"" + BinPath("hook_tests.exe") + "\" --install-without-mousehook"));
    EXPECT_EQ(child.WaitExit(20000), 0u);
}

} // namespace

// Child mode: a library already loaded under the name "QUILLET99HOOK.DLL" that lacks
// MouseHook stands in for the real one when a copy of the real one installs the hook.
int InstallWithoutMouseHook() {
    if (!LoadLibraryA(BinPath("stub\\QUILLET99HOOK.DLL").c_str())) return 10;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string copy = std::string(temp) + "quillet_hook_copy.dll";
    if (!CopyFileA(BinPath("QUILLET99HOOK.DLL").c_str(), copy.c_str(), FALSE)) return 11;
    HookLibrary lib;
    if (!lib.Load(copy)) return 12;
    HHOOK hook = lib.install(nullptr);
    int result = hook == nullptr && lib.shared->hookProc == nullptr ? 0 : 13;
    lib.uninstall();
    lib.Free();
    DeleteFileA(copy.c_str());
    return result;
}
