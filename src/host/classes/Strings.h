// TStrings: the abstract list of strings, each with an optional associated object, that
// controls and string lists share. Descendants supply storage through the core virtuals;
// everything else (name=value pairs, text, comma text, files, streaming) is built on them.
#pragma once

#include "host/classes/Persistent.h"

#include <string_view>

namespace host {

class TStream;
class TReader;
class TWriter;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
    ZT_CLASS(TStrings, TPersistent)
public:
    // Core, supplied by descendants. Bad indexes raise EStringListError
    // "List index out of bounds (i)".
    virtual int Count() const = 0;
    virtual String Get(int Index) const = 0;
    // Replaces the string, keeping the object.
    virtual void Put(int Index, const String& S);
    // The base keeps no objects: null for every line.
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    virtual void Insert(int Index, const String& S) = 0;
    virtual void InsertObject(int Index, const String& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int Index1, int Index2);
    // Told when the first BeginUpdate starts (true) and the last EndUpdate ends (false).
    virtual void SetUpdateState(bool /*Updating*/) {}

    String Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const String& S) { Put(Index, S); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

    // Index of the new line.
    virtual int Add(const String& S);
    virtual int AddObject(const String& S, TObject* AObject);
    void Append(const String& S) { Add(S); }
    // Adds every line of Strings with its object.
    virtual void AddStrings(const TStrings* Strings);
    // Moves a line with its object; the other lines shift.
    void Move(int CurIndex, int NewIndex);

    // First line equal to S (ignoring case unless the list says otherwise), or -1.
    [[nodiscard]] virtual int IndexOf(std::string_view S) const;
    // First "Name=Value" line with that name (case ignored), or -1; lines without "="
    // have no name and never match.
    [[nodiscard]] int IndexOfName(std::string_view Name) const;
    [[nodiscard]] int IndexOfObject(TObject* AObject) const;

    // Text before the first "=", or "" when the line has none.
    String Names(int Index) const;
    // Text after the first "=" of the line named Name, or "" when there is no such line.
    String Values(std::string_view Name) const;
    // Replaces the value of Name, adds "Name=Value" when the name is missing, and deletes
    // the line when Value is empty.
    void SetValues(std::string_view Name, const String& Value);
    // Text after the first "=" of line Index, or "" when the line has none.
    String ValueFromIndex(int Index) const;

    // Every line followed by CR LF.
    String Text() const;
    // Replaces the lines by those of Value, broken at CR LF, LF or CR; a final line break
    // does not add an empty line.
    void SetText(std::string_view Value);
    // Lines separated by commas; lines with blanks, control characters, commas or quotes
    // are quoted with '"' (quotes doubled). A single empty line gives "\"\"".
    String CommaText() const;
    // Items are separated by commas or blanks; quoted items may hold both.
    void SetCommaText(std::string_view Value);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Lines from the file's text; the file is read as bytes, without conversion.
    void LoadFromFile(const String& FileName);
    // Writes Text() (CR LF after every line), replacing the file atomically.
    void SaveToFile(const String& FileName);
    // Lines from the rest of Stream.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);

    // From another TStrings: its strings and objects replace these.
    void Assign(const TPersistent* Source) override;
    // Same strings (byte-wise) in the same order; objects are not compared.
    bool Equals(const TStrings* Strings) const;
    // Streams the lines as the defined property "Strings".
    void DefineProperties(TFiler* Filer) override;

protected:
    // How this list compares strings; the base ignores ASCII case.
    virtual int CompareStrings(std::string_view S1, std::string_view S2) const;
    [[noreturn]] static void IndexError(int Index);

private:
    void ReadData(TReader* Reader);
    void WriteData(TWriter* Writer) const;

    int FUpdateCount = 0;
};

} // namespace host
