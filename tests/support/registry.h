// The real registry of the Wine prefix, as the tests prepare and inspect it.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

constexpr char TestProductKey[] = "Software\\Brantle Software\\Quillet 99";
constexpr char TestSettingsKey[] = "Software\\Brantle Software\\Quillet 99\\Settings";

// Removes the product's whole key, so that the next start is a first run.
void DeleteProductKey();
void DeleteKeyTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);

void SetDword(const std::string& path, const char* name, DWORD value);
void SetString(const std::string& path, const char* name, const std::string& text);
// Any type and any bytes, as another program might store them.
void SetRaw(const std::string& path, const char* name, DWORD type, const void* data, DWORD size);
void DeleteValue(HKEY root, const std::string& path, const char* name);

bool GetDword(const std::string& path, const char* name, DWORD& value);
bool GetString(HKEY root, const std::string& path, const char* name, std::string& text);

// A registry as after an earlier run (so not a first run) holding just these settings; the
// others take their first-run defaults.
void UseSettings(std::initializer_list<std::pair<const char*, DWORD>> values);
// Features with no visible effect (running an empty command), for tests that only look at
// what the hook swallows.
void UseQuietFeatures();
