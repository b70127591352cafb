// Registry (host unit): the current user's part of the registry, kept in one text file so that
// tools' preferences survive between runs and are shared by every program of the user.
//
// The file is "$XDG_CONFIG_HOME/zantor/registry.reg" ("~/.config/..." when the variable is not
// set). It reads like a registry export: a line "REGEDIT4", then per key a header
// "[HKEY_CURRENT_USER\Software\...]" followed by its values, "Name"="text" or
// "Name"=dword:0000002a. In quoted texts a backslash escapes "\" and quotes, and "\xHH" stands
// for a control character.
//
// Every change is a read-change-write of the whole file under the file's update lock
// (TFileUpdateLock), written atomically, so two programs changing settings at once both keep
// theirs and a crash leaves the old file or the new one. A file that cannot be read as such a
// store (damaged by hand or by another program) gives defaults to readers and is never
// written over: a change raises ERegistryException naming the file and line.
#pragma once

#include "host/rtl/Exceptions.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace host {

ZT_DECLARE_EXCEPTION(ERegistryException, Exception);

// A value of a key: a text (REG_SZ) or a number (REG_DWORD).
struct TRegValue {
    bool IsNumber = false;
    String Text;
    std::uint32_t Number = 0;
};

// The file of the current user's settings: $XDG_CONFIG_HOME (or ~/.config) +
// "/zantor/registry.reg".
[[nodiscard]] String UserSettingsFileName();

// One store file. Key paths are below HKEY_CURRENT_USER ("Software\Tessavin\FormTranslator"),
// separated by "\"; keys and value names are compared without regard to letter case.
class TSettingsStore {
public:
    // The current user's store.
    TSettingsStore();
    // The store in FileName (tests, tools that keep their own).
    explicit TSettingsStore(String FileName);

    const String& FileName() const { return FFileName; }

    // The value, or nothing when the key or value does not exist or the file is damaged.
    [[nodiscard]] std::optional<TRegValue> Read(std::string_view Key, std::string_view Name) const;
    [[nodiscard]] bool KeyExists(std::string_view Key) const;
    // The value names of a key, in the file's order.
    [[nodiscard]] std::vector<String> ValueNames(std::string_view Key) const;

    // Sets a value (creating the key and the folder of the file as needed).
    void Write(std::string_view Key, std::string_view Name, const TRegValue& Value);
    // Removes a value; false when there was none.
    bool DeleteValue(std::string_view Key, std::string_view Name);
    // Removes a key with its values and subkeys; false when there was none.
    bool DeleteKey(std::string_view Key);

    // Why the file cannot be read ("" when it can): "Settings store "F" is damaged on line N:
    // reason".
    [[nodiscard]] String Damage() const;

private:
    struct TContent;
    // The file as it is now (re-read when it changed on disk).
    const TContent& Current() const;
    // Runs Change on the file's content under its update lock and writes the result when
    // Change returns true.
    bool Update(const std::function<bool(TContent&)>& Change);

    String FFileName;
    mutable std::shared_ptr<TContent> FCache;
};

} // namespace host
