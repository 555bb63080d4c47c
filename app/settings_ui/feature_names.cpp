#include "settings_ui/feature_names.h"

namespace {

constexpr const char* CaptionFeatureNames[] = {"Popup \"Start menu\" under the mouse cursor",
                                               "Simulate middle button click as a double click",
                                               "RollUp active window to its title bar",
                                               "Minimize active window to the \"systray\" area",
                                               "Run application or associated file from disk",
                                               "Display \"Windows features\" menu"};
constexpr const char* BodyFeatureNames[] = {"Popup \"Start menu\" under the mouse cursor",
                                            "Simulate middle button click as a double click",
                                            "RollUp active window to its title bar",
                                            "Minimize active window to the \"systray\" area",
                                            "Run application or associated file from disk",
                                            "Scroll window",
                                            "Display \"Windows features\" menu",
                                            "Copy to clipboard/Paste from clipboard"};

} // namespace

void AddFeatureNames(HWND dialog, int captionList, int bodyList) {
    for (const char* name : CaptionFeatureNames)
        SendDlgItemMessageA(dialog, captionList, CB_ADDSTRING, 0, LPARAM(name));
    for (const char* name : BodyFeatureNames)
        SendDlgItemMessageA(dialog, bodyList, CB_ADDSTRING, 0, LPARAM(name));
}
