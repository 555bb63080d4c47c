// Where the host keeps what it stores: every key under HKEY_CURRENT_USER.
#pragma once

constexpr char ProductKey[] = "Software\\Brantle Software\\Quillet 99";
constexpr char SettingsKey[] = "Software\\Brantle Software\\Quillet 99\\Settings";
constexpr char IndicatorKey[] = "Software\\Brantle Software\\Quillet 99\\Settings\\Indicator";
constexpr char WindowsKey[] = "Software\\Brantle Software\\Quillet 99\\Windows";
constexpr char FoldersKey[] = "Software\\Brantle Software\\Quillet 99\\Folders";
// Volatile: it lives while windows are hidden or rolled up, and no longer than the session.
constexpr char JournalKey[] = "Software\\Brantle Software\\Quillet 99\\Journal";
constexpr char RunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char RunValueName[] = "Quillet 99";
