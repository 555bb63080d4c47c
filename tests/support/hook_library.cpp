#include "hook_library.h"

#include <cstring>
#include <fstream>

template <typename Function>
static void Lookup(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool HookLibrary::Load(const std::string& path) {
    module = LoadLibraryA(path.c_str());
    if (!module) return false;
    shared = static_cast<HookSharedRecord*>(FindLoadedSection(module, "SHARDATA"));
    Lookup(module, "WEP", wep);
    Lookup(module, "InstallMouseHook", install);
    Lookup(module, "UninstallMouseHook", uninstall);
    Lookup(module, "MouseHook", mouseHook);
    Lookup(module, "ActivateIt", activateIt);
    Lookup(module, "ActivateFeature", activateFeature);
    Lookup(module, "ActivateScroll", activateScroll);
    Lookup(module, "ActivateCaptionFeature", activateCaptionFeature);
    Lookup(module, "ActivateBodyFeature", activateBodyFeature);
    Lookup(module, "ActivateRightTray", activateRightTray);
    Lookup(module, "ActivateRightRoll", activateRightRoll);
    Lookup(module, "TellHookCustWin", tellHookCustWin);
    return shared && tellHookCustWin;
}

void HookLibrary::Free() {
    if (module) FreeLibrary(module);
    module = nullptr;
    shared = nullptr;
}

static const IMAGE_SECTION_HEADER* FindHeader(const IMAGE_NT_HEADERS* nt, const char* name) {
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i)
        if (strncmp(reinterpret_cast<const char*>(sections[i].Name), name, 8) == 0)
            return &sections[i];
    return nullptr;
}

void* FindLoadedSection(HMODULE module, const char* name) {
    auto* base = reinterpret_cast<unsigned char*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* header = FindHeader(nt, name);
    return header ? base + header->VirtualAddress : nullptr;
}

bool ReadFileSection(const std::string& path, const char* name, FileSection& section) {
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> image((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return false;
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* header = FindHeader(nt, name);
    if (!header || header->PointerToRawData + header->SizeOfRawData > image.size()) return false;
    section.characteristics = header->Characteristics;
    section.raw.assign(image.begin() + header->PointerToRawData,
                       image.begin() + header->PointerToRawData + header->SizeOfRawData);
    // The loader zero-fills whatever the file leaves out.
    if (section.raw.size() < header->Misc.VirtualSize) section.raw.resize(header->Misc.VirtualSize);
    return true;
}

void CustomRecords::Add(const char* className, LONG caption, LONG body, const char* title) {
    size_t at = bytes.size();
    bytes.resize(at + CustomRecordSize);
    unsigned char* record = &bytes[at];
    strncpy(reinterpret_cast<char*>(record), className, 259);
    strncpy(reinterpret_cast<char*>(record + 260), title, 259);
    memcpy(record + CustomRecordCaptionOffset, &caption, 4);
    memcpy(record + CustomRecordBodyOffset, &body, 4);
}

unsigned char* CustomRecords::Record(size_t index) {
    return &bytes[index * CustomRecordSize];
}

const void* CustomRecords::Data() {
    if (bytes.empty() || bytes[bytes.size() - CustomRecordSize] != 0)
        bytes.resize(bytes.size() + CustomRecordSize);
    return bytes.data();
}
