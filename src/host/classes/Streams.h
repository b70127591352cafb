// Streams of bytes: the abstract TStream, and streams over a file, a memory block and a
// string. Positions and sizes are in bytes from the start of the stream.
#pragma once

#include "host/typinfo/Object.h"

#include <cstdint>

namespace host {

using Word = std::uint16_t;

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// TFileStream modes: one access mode, optionally or-ed with a share mode. Share modes are
// accepted for compatibility and have no effect here.
inline constexpr Word fmCreate = 0xFF00;
inline constexpr Word fmOpenRead = 0x0000;
inline constexpr Word fmOpenWrite = 0x0001;
inline constexpr Word fmOpenReadWrite = 0x0002;
inline constexpr Word fmShareExclusive = 0x0010;
inline constexpr Word fmShareDenyWrite = 0x0020;
inline constexpr Word fmShareDenyNone = 0x0040;

class TStream : public TObject {
    ZT_CLASS(TStream, TObject)
public:
    // Read and Write move at most Count bytes and return how many moved (0 at the end).
    virtual Int64 Read(void* Buffer, Int64 Count) = 0;
    virtual Int64 Write(const void* Buffer, Int64 Count) = 0;
    // Returns the new position.
    virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;

    Int64 Position() { return Seek(0, soCurrent); }
    void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }
    virtual Int64 Size();
    // The base stream cannot change its size and ignores the call.
    virtual void SetSize(Int64 NewSize);

    // Exactly Count bytes or EReadError / EWriteError.
    void ReadBuffer(void* Buffer, Int64 Count);
    void WriteBuffer(const void* Buffer, Int64 Count);
    // Copies Count bytes from Source's position; Count 0 copies the whole of Source from
    // its start. Returns the number of bytes copied.
    Int64 CopyFrom(TStream* Source, Int64 Count);
    // The rest of the stream, from the position to the end.
    String ReadAll();
};

// A stream over an operating-system file. Names may use "\" or "/" as separators.
class TFileStream : public TStream {
    ZT_CLASS(TFileStream, TStream)
public:
    // Raises EFCreateError "Cannot create file \"name\"" (fmCreate) or EFOpenError
    // "Cannot open file \"name\"" when the file cannot be had in that mode.
    TFileStream(const String& FileName, Word Mode);
    ~TFileStream() override;

    Int64 Read(void* Buffer, Int64 Count) override;
    Int64 Write(const void* Buffer, Int64 Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Size() override;
    // Truncates or extends the file and moves the position to NewSize; EWriteError if the
    // file refuses.
    void SetSize(Int64 NewSize) override;

    const String& FileName() const { return FFileName; }

private:
    String FFileName;
    int FHandle = -1;
};

// A stream over a growable block of memory. Writing past the end extends it; a gap left
// by seeking past the end reads as zero bytes.
class TMemoryStream : public TStream {
    ZT_CLASS(TMemoryStream, TStream)
public:
    TMemoryStream() = default;

    Int64 Read(void* Buffer, Int64 Count) override;
    Int64 Write(const void* Buffer, Int64 Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Size() override { return static_cast<Int64>(FData.size()); }
    // Keeps the position unless it would lie past the new end.
    void SetSize(Int64 NewSize) override;

    const char* Memory() const { return FData.data(); }
    void Clear();
    // Replaces the contents with the whole of Stream; the position stays where it was
    // (clipped to the new size).
    void LoadFromStream(TStream* Stream);
    // Writes the whole contents, whatever the position.
    void SaveToStream(TStream* Stream);
    void LoadFromFile(const String& FileName);
    // Replaces the file atomically.
    void SaveToFile(const String& FileName);

private:
    String FData;
    Int64 FPosition = 0;
};

// A stream over a string. Seeking is clipped to the string's bounds. As in the host,
// writing replaces the rest of the string: the data ends after the bytes written.
class TStringStream : public TStream {
    ZT_CLASS(TStringStream, TStream)
public:
    explicit TStringStream(String Data = "") : FDataString(std::move(Data)) {}

    Int64 Read(void* Buffer, Int64 Count) override;
    Int64 Write(const void* Buffer, Int64 Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Size() override { return static_cast<Int64>(FDataString.size()); }
    void SetSize(Int64 NewSize) override;

    const String& DataString() const { return FDataString; }
    // At most Count bytes from the position.
    String ReadString(Int64 Count);
    void WriteString(const String& S);

private:
    String FDataString;
    Int64 FPosition = 0;
};

} // namespace host
