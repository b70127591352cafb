#include "host/classes/Streams.h"
#include "host/rtl/HostErrors.h"

#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"
#include "host/typinfo/ClassBuilder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace host {

namespace {

constexpr Int64 CopyChunk = 64 * 1024;

// New position for a stream of Size bytes currently at Current.
Int64 SeekTarget(Int64 Offset, TSeekOrigin Origin, Int64 Current, Int64 Size) {
    switch (Origin) {
    case soBeginning:
        return Offset;
    case soCurrent:
        return Current + Offset;
    case soEnd:
        return Size + Offset;
    }
    return Current;
}

// Opens a regular file; folders are refused because they cannot be read as streams.
int OpenRegular(const String& Name, int Flags) {
    if (Name.find('\0') != String::npos) return -1;
    int fd = ::open(Name.c_str(), Flags | O_CLOEXEC, 0666);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

} // namespace

// --- TStream ---

TClass TStream::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TStream>("TStream");
    return &Info;
}

Int64 TStream::Size() {
    Int64 Pos = Seek(0, soCurrent);
    Int64 Result = Seek(0, soEnd);
    Seek(Pos, soBeginning);
    return Result;
}

void TStream::SetSize(Int64) {}

void TStream::ReadBuffer(void* Buffer, Int64 Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, Int64 Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    String Buffer(static_cast<std::size_t>(std::min(Count, CopyChunk)), '\0');
    for (Int64 Left = Count; Left > 0;) {
        Int64 N = std::min(Left, CopyChunk);
        Source->ReadBuffer(Buffer.data(), N);
        WriteBuffer(Buffer.data(), N);
        Left -= N;
    }
    return Count;
}

String TStream::ReadAll() {
    String Result;
    char Buffer[CopyChunk];
    for (;;) {
        Int64 N = Read(Buffer, CopyChunk);
        if (N <= 0) break;
        Result.append(Buffer, static_cast<std::size_t>(N));
    }
    return Result;
}

// --- TFileStream ---

TClass TFileStream::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFileStream>("TFileStream");
    return &Info;
}

TFileStream::TFileStream(const String& FileName, Word Mode) : FFileName(FileName) {
    const String Local = LocalFileName(FileName);
    if ((Mode & fmCreate) == fmCreate) {
        FHandle = OpenRegular(Local, O_RDWR | O_CREAT | O_TRUNC);
        if (FHandle < 0) RaiseFCreateError(FileName);
        return;
    }
    static const int Access[] = {O_RDONLY, O_WRONLY, O_RDWR};
    if ((Mode & 3) <= 2) FHandle = OpenRegular(Local, Access[Mode & 3]);
    if (FHandle < 0) RaiseFOpenError(FileName);
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

Int64 TFileStream::Read(void* Buffer, Int64 Count) {
    Int64 Done = 0;
    auto* P = static_cast<char*>(Buffer);
    while (Done < Count) {
        ssize_t N = ::read(FHandle, P + Done, static_cast<std::size_t>(Count - Done));
        if (N < 0 && errno == EINTR) continue;
        if (N <= 0) break;
        Done += N;
    }
    return Done;
}

Int64 TFileStream::Write(const void* Buffer, Int64 Count) {
    Int64 Done = 0;
    const auto* P = static_cast<const char*>(Buffer);
    while (Done < Count) {
        ssize_t N = ::write(FHandle, P + Done, static_cast<std::size_t>(Count - Done));
        if (N < 0 && errno == EINTR) continue;
        if (N <= 0) break;
        Done += N;
    }
    return Done;
}

Int64 TFileStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    static const int Whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    return ::lseek(FHandle, Offset, Whence[Origin]);
}

Int64 TFileStream::Size() {
    struct stat st {};
    return ::fstat(FHandle, &st) == 0 ? static_cast<Int64>(st.st_size) : 0;
}

void TFileStream::SetSize(Int64 NewSize) {
    if (NewSize < 0 || ::ftruncate(FHandle, NewSize) != 0) throw EWriteError("Stream write error");
    Seek(NewSize, soBeginning);
}

// --- TMemoryStream ---

TClass TMemoryStream::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TMemoryStream>("TMemoryStream");
    return &Info;
}

Int64 TMemoryStream::Read(void* Buffer, Int64 Count) {
    if (FPosition < 0 || Count <= 0) return 0;
    Int64 N = std::min(Count, Size() - FPosition);
    if (N <= 0) return 0;
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(N));
    FPosition += N;
    return N;
}

Int64 TMemoryStream::Write(const void* Buffer, Int64 Count) {
    if (FPosition < 0 || Count <= 0) return 0;
    if (FPosition + Count > Size()) FData.resize(static_cast<std::size_t>(FPosition + Count));
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition += Count;
    return Count;
}

Int64 TMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    FPosition = SeekTarget(Offset, Origin, FPosition, Size());
    return FPosition;
}

void TMemoryStream::SetSize(Int64 NewSize) {
    FData.resize(static_cast<std::size_t>(std::max<Int64>(NewSize, 0)));
    FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    Stream->SetPosition(0);
    Int64 Count = Stream->Size();
    SetSize(Count);
    Stream->ReadBuffer(FData.data(), Count);
}

void TMemoryStream::SaveToStream(TStream* Stream) {
    Stream->WriteBuffer(FData.data(), Size());
}

void TMemoryStream::LoadFromFile(const String& FileName) {
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&Stream);
}

void TMemoryStream::SaveToFile(const String& FileName) {
    WriteFileAtomic(FileName, FData);
}

// --- TStringStream ---

TClass TStringStream::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TStringStream>("TStringStream");
    return &Info;
}

Int64 TStringStream::Read(void* Buffer, Int64 Count) {
    Int64 N = std::min(Count, Size() - FPosition);
    if (N <= 0) return 0;
    std::memcpy(Buffer, FDataString.data() + FPosition, static_cast<std::size_t>(N));
    FPosition += N;
    return N;
}

Int64 TStringStream::Write(const void* Buffer, Int64 Count) {
    if (Count <= 0) return 0;
    FDataString.resize(static_cast<std::size_t>(FPosition + Count));
    std::memcpy(FDataString.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition += Count;
    return Count;
}

Int64 TStringStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    FPosition = std::clamp<Int64>(SeekTarget(Offset, Origin, FPosition, Size()), 0, Size());
    return FPosition;
}

void TStringStream::SetSize(Int64 NewSize) {
    FDataString.resize(static_cast<std::size_t>(std::max<Int64>(NewSize, 0)));
    FPosition = std::min(FPosition, Size());
}

String TStringStream::ReadString(Int64 Count) {
    Int64 N = std::clamp<Int64>(Count, 0, Size() - FPosition);
    String Result =
        FDataString.substr(static_cast<std::size_t>(FPosition), static_cast<std::size_t>(N));
    FPosition += N;
    return Result;
}

void TStringStream::WriteString(const String& S) {
    Write(S.data(), static_cast<Int64>(S.size()));
}

} // namespace host
