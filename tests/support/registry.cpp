#include "registry.h"

#include <vector>

void DeleteKeyTree(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        children.push_back(name);
    }
    RegCloseKey(key);
    for (const std::string& child : children)
        DeleteKeyTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

void DeleteProductKey() {
    DeleteKeyTree(HKEY_CURRENT_USER, TestProductKey);
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void SetRaw(const std::string& path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void SetDword(const std::string& path, const char* name, DWORD value) {
    SetRaw(path, name, REG_DWORD, &value, sizeof value);
}

void SetString(const std::string& path, const char* name, const std::string& text) {
    SetRaw(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void DeleteValue(HKEY root, const std::string& path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

bool GetDword(const std::string& path, const char* name, DWORD& value) {
    DWORD type = 0, size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY, &type, &value, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD && size == sizeof value;
}

bool GetString(HKEY root, const std::string& path, const char* name, std::string& text) {
    char buffer[2048];
    DWORD type = 0, size = sizeof buffer;
    if (RegGetValueA(root, path.c_str(), name, RRF_RT_ANY, &type, buffer, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    text.assign(buffer, size && !buffer[size - 1] ? size - 1 : size);
    return true;
}

void UseSettings(std::initializer_list<std::pair<const char*, DWORD>> values) {
    DeleteProductKey();
    // The Folders key decides the first run: with it present, these values stand.
    SetString(std::string(TestProductKey) + "\\Folders", "placeholder", "");
    DeleteValue(HKEY_CURRENT_USER, std::string(TestProductKey) + "\\Folders", "placeholder");
    for (const auto& value : values)
        SetDword(TestSettingsKey, value.first, value.second);
}

void UseQuietFeatures() {
    UseSettings({{"CaptionFeature", 4}, {"BodyFeature", 4}});
}
