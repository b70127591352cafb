#include "host/winapi/SettingsStore.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/FileUpdateLock.h"
#include "host/rtl/StrUtils.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace host {

namespace {

constexpr std::string_view Header = "REGEDIT4";
constexpr std::string_view RootName = "HKEY_CURRENT_USER\\";

struct TSignature {
    bool Exists = false;
    dev_t Dev = 0;
    ino_t Ino = 0;
    off_t Size = 0;
    timespec Time{};
    bool operator==(const TSignature& O) const {
        return Exists == O.Exists && Dev == O.Dev && Ino == O.Ino && Size == O.Size &&
               Time.tv_sec == O.Time.tv_sec && Time.tv_nsec == O.Time.tv_nsec;
    }
};

TSignature SignatureOf(const String& FileName) {
    struct stat St {};
    if (::stat(FileName.c_str(), &St) != 0) return {};
    return {true, St.st_dev, St.st_ino, St.st_size, St.st_mtim};
}

// "Software\\Tessavin\\" and "\\Software\\Tessavin" name the same key.
String NormalKey(std::string_view Key) {
    while (!Key.empty() && Key.front() == '\\')
        Key.remove_prefix(1);
    while (!Key.empty() && Key.back() == '\\')
        Key.remove_suffix(1);
    return String(Key);
}

void CheckKey(const String& Key) {
    if (Key.empty() || Key.find_first_of("[]\r\n", 0) != String::npos ||
        Key.find('\0') != String::npos || Key.find("\\\\") != String::npos)
        throw ERegistryException("Invalid registry key \"" + Key + "\"");
}

String Quote(std::string_view Text) {
    String Out = "\"";
    for (char Ch : Text) {
        const auto C = static_cast<unsigned char>(Ch);
        if (Ch == '\\' || Ch == '"') {
            Out += '\\';
            Out += Ch;
        } else if (C < 0x20 || C == 0x7F) {
            char Buf[5];
            std::snprintf(Buf, sizeof Buf, "\\x%02X", C);
            Out += Buf;
        } else {
            Out += Ch;
        }
    }
    return Out + "\"";
}

int HexDigit(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
}

// Reads a quoted text at Pos (on the opening quote); Pos ends after the closing quote.
std::optional<String> Unquote(std::string_view Line, std::size_t& Pos) {
    if (Pos >= Line.size() || Line[Pos] != '"') return std::nullopt;
    String Out;
    for (++Pos; Pos < Line.size(); ++Pos) {
        const char Ch = Line[Pos];
        if (Ch == '"') {
            ++Pos;
            return Out;
        }
        if (Ch != '\\') {
            Out += Ch;
            continue;
        }
        if (++Pos >= Line.size()) return std::nullopt;
        if (Line[Pos] == '\\' || Line[Pos] == '"') {
            Out += Line[Pos];
        } else if (Line[Pos] == 'x' && Pos + 2 < Line.size() && HexDigit(Line[Pos + 1]) >= 0 &&
                   HexDigit(Line[Pos + 2]) >= 0) {
            Out += static_cast<char>(HexDigit(Line[Pos + 1]) * 16 + HexDigit(Line[Pos + 2]));
            Pos += 2;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

struct TSettingsStore::TContent {
    struct TKey {
        String Path;
        std::vector<std::pair<String, TRegValue>> Values;
    };
    std::vector<TKey> Keys;
    String Damage;
    TSignature Signature;

    TKey* Find(std::string_view Path) {
        for (TKey& K : Keys)
            if (SameText(K.Path, Path)) return &K;
        return nullptr;
    }
    const TKey* Find(std::string_view Path) const {
        return const_cast<TContent*>(this)->Find(Path);
    }

    void Parse(const String& FileName, std::string_view Text) {
        if (Text.starts_with("\xEF\xBB\xBF")) Text.remove_prefix(3);
        TKey* Key = nullptr;
        bool SeenHeader = false;
        int LineNo = 0;
        auto Fail = [&](const String& Reason) {
            Keys.clear();
            Damage = "Settings store \"" + FileName + "\" is damaged on line " +
                     std::to_string(LineNo) + ": " + Reason;
        };
        if (Text.find('\0') != std::string_view::npos) {
            LineNo = 1;
            return Fail("it is not a text file");
        }
        while (!Text.empty()) {
            ++LineNo;
            std::size_t End = Text.find('\n');
            std::string_view Line = Text.substr(0, End);
            Text.remove_prefix(End == std::string_view::npos ? Text.size() : End + 1);
            if (Line.ends_with('\r')) Line.remove_suffix(1);
            if (Line.empty() || Line.front() == ';') continue;
            if (!SeenHeader) {
                if (Line != Header) return Fail("\"REGEDIT4\" expected");
                SeenHeader = true;
                continue;
            }
            if (Line.front() == '[') {
                if (Line.back() != ']') return Fail("unterminated key");
                std::string_view Path = Line.substr(1, Line.size() - 2);
                if (Path.size() <= RootName.size() ||
                    !SameText(Path.substr(0, RootName.size()), RootName))
                    return Fail("a key of the current user expected");
                const String Normal = NormalKey(Path.substr(RootName.size()));
                Key = Find(Normal);
                if (!Key) Key = &Keys.emplace_back(TKey{Normal, {}});
                continue;
            }
            if (!Key) return Fail("a value outside any key");
            std::size_t Pos = 0;
            String Name;
            if (Line.front() == '@') {
                Pos = 1;
            } else if (auto N = Unquote(Line, Pos)) {
                Name = *N;
            } else {
                return Fail("a quoted value name expected");
            }
            if (Pos >= Line.size() || Line[Pos] != '=') return Fail("\"=\" expected");
            ++Pos;
            TRegValue Value;
            if (Line.substr(Pos).starts_with("dword:")) {
                std::string_view Digits = Line.substr(Pos + 6);
                if (Digits.empty() || Digits.size() > 8)
                    return Fail("a number of 1 to 8 hex digits");
                for (char C : Digits) {
                    const int D = HexDigit(C);
                    if (D < 0) return Fail("a number of 1 to 8 hex digits");
                    Value.Number = Value.Number * 16 + static_cast<std::uint32_t>(D);
                }
                Value.IsNumber = true;
            } else {
                auto T = Unquote(Line, Pos);
                if (!T || Pos != Line.size()) return Fail("a quoted text or dword: expected");
                Value.Text = *T;
            }
            bool Replaced = false;
            for (auto& [N, V] : Key->Values)
                if (SameText(N, Name)) {
                    V = Value;
                    Replaced = true;
                }
            if (!Replaced) Key->Values.emplace_back(Name, std::move(Value));
        }
    }

    String Print() const {
        String Out = String(Header) + "\n";
        for (const TKey& K : Keys) {
            Out += "\n[" + String(RootName) + K.Path + "]\n";
            for (const auto& [Name, Value] : K.Values) {
                Out += Name.empty() ? String("@") : Quote(Name);
                Out += '=';
                if (Value.IsNumber) {
                    char Buf[16];
                    std::snprintf(Buf, sizeof Buf, "dword:%08x", Value.Number);
                    Out += Buf;
                } else {
                    Out += Quote(Value.Text);
                }
                Out += '\n';
            }
        }
        return Out;
    }
};

String UserSettingsFileName() {
    const char* Config = std::getenv("XDG_CONFIG_HOME");
    String Folder;
    if (Config && *Config == '/') {
        Folder = Config;
    } else {
        const char* Home = std::getenv("HOME");
        Folder = String(Home && *Home ? Home : ".") + "/.config";
    }
    return Folder + "/zantor/registry.reg";
}

TSettingsStore::TSettingsStore() : TSettingsStore(UserSettingsFileName()) {}

TSettingsStore::TSettingsStore(String FileName) : FFileName(std::move(FileName)) {}

const TSettingsStore::TContent& TSettingsStore::Current() const {
    const TSignature Now = SignatureOf(FFileName);
    if (FCache && FCache->Signature == Now) return *FCache;
    auto Content = std::make_shared<TContent>();
    Content->Signature = Now;
    if (Now.Exists) {
        try {
            Content->Parse(FFileName, ReadFileBytes(FFileName));
        } catch (const Exception& E) {
            Content->Damage = "Settings store \"" + FFileName + "\" cannot be read: " + E.Message();
        }
    }
    FCache = std::move(Content);
    return *FCache;
}

String TSettingsStore::Damage() const {
    return Current().Damage;
}

std::optional<TRegValue> TSettingsStore::Read(std::string_view Key, std::string_view Name) const {
    const TContent::TKey* K = Current().Find(NormalKey(Key));
    if (!K) return std::nullopt;
    for (const auto& [N, V] : K->Values)
        if (SameText(N, Name)) return V;
    return std::nullopt;
}

bool TSettingsStore::KeyExists(std::string_view Key) const {
    const String Path = NormalKey(Key);
    if (Path.empty()) return false;
    // A key exists when it has a header of its own or a subkey has one.
    const String Prefix = Path + "\\";
    for (const TContent::TKey& K : Current().Keys)
        if (SameText(K.Path, Path) ||
            (K.Path.size() > Prefix.size() &&
             SameText(std::string_view(K.Path).substr(0, Prefix.size()), Prefix)))
            return true;
    return false;
}

std::vector<String> TSettingsStore::ValueNames(std::string_view Key) const {
    std::vector<String> Names;
    if (const TContent::TKey* K = Current().Find(NormalKey(Key)))
        for (const auto& Value : K->Values)
            Names.push_back(Value.first);
    return Names;
}

namespace {

// Makes the folders of FileName that are missing.
void MakeFolders(const String& FileName) {
    for (std::size_t Slash = FileName.find('/', 1); Slash != String::npos;
         Slash = FileName.find('/', Slash + 1)) {
        const String Folder = FileName.substr(0, Slash);
        if (::mkdir(Folder.c_str(), 0700) != 0 && errno != EEXIST)
            throw ERegistryException("Cannot create folder \"" + Folder + "\" for the settings");
    }
}

} // namespace

bool TSettingsStore::Update(const std::function<bool(TContent&)>& Change) {
    MakeFolders(FFileName);
    TFileUpdateLock Lock(FFileName);
    // Read again under the lock: another program may have changed the file meanwhile.
    FCache.reset();
    TContent Content = Current();
    if (!Content.Damage.empty()) throw ERegistryException(Content.Damage + "; it is left as it is");
    if (!Change(Content)) return false;
    try {
        WriteFileAtomic(FFileName, Content.Print());
    } catch (const Exception& E) {
        throw ERegistryException("Cannot save the settings: " + E.Message());
    }
    FCache.reset();
    return true;
}

void TSettingsStore::Write(std::string_view Key, std::string_view Name, const TRegValue& Value) {
    const String Path = NormalKey(Key);
    CheckKey(Path);
    Update([&](TContent& C) {
        TContent::TKey* K = C.Find(Path);
        if (!K) K = &C.Keys.emplace_back(TContent::TKey{Path, {}});
        for (auto& [N, V] : K->Values)
            if (SameText(N, Name)) {
                if (V.IsNumber == Value.IsNumber && V.Text == Value.Text &&
                    V.Number == Value.Number)
                    return false;
                V = Value;
                return true;
            }
        K->Values.emplace_back(String(Name), Value);
        return true;
    });
}

bool TSettingsStore::DeleteValue(std::string_view Key, std::string_view Name) {
    const String Path = NormalKey(Key);
    // A damaged store says so instead of answering that there is nothing to delete.
    if (Current().Damage.empty() && !KeyExists(Path)) return false;
    return Update([&](TContent& C) {
        TContent::TKey* K = C.Find(Path);
        if (!K) return false;
        return std::erase_if(K->Values, [&](const auto& V) { return SameText(V.first, Name); }) > 0;
    });
}

bool TSettingsStore::DeleteKey(std::string_view Key) {
    const String Path = NormalKey(Key);
    if (Path.empty() || (Current().Damage.empty() && !KeyExists(Path))) return false;
    return Update([&](TContent& C) {
        const String Prefix = Path + "\\";
        return std::erase_if(C.Keys, [&](const TContent::TKey& K) {
                   return SameText(K.Path, Path) ||
                          (K.Path.size() > Prefix.size() &&
                           SameText(std::string_view(K.Path).substr(0, Prefix.size()), Prefix));
               }) > 0;
    });
}

} // namespace host
