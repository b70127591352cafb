#include "host/classes/Streams.h"

#include "host/rtl/Exceptions.h"

#include "TestUtil.h"

using namespace host;

namespace {

String ReadBytes(TStream& S, Int64 Count) {
    String Buf(static_cast<std::size_t>(Count), '\0');
    Buf.resize(static_cast<std::size_t>(S.Read(Buf.data(), Count)));
    return Buf;
}

void WriteText(TStream& S, const String& Text) {
    S.WriteBuffer(Text.data(), static_cast<Int64>(Text.size()));
}

} // namespace

TEST(MemoryStreamTest, ReadWriteSeekAndSize) {
    TMemoryStream M;
    WriteText(M, "hello world");
    EXPECT_EQ(M.Position(), 11);
    EXPECT_EQ(M.Size(), 11);

    EXPECT_EQ(M.Seek(-5, soEnd), 6);
    EXPECT_EQ(ReadBytes(M, 100), "world"); // short read at the end
    EXPECT_EQ(ReadBytes(M, 1), "");
    EXPECT_EQ(M.Seek(-11, soCurrent), 0);
    WriteText(M, "J");
    EXPECT_EQ(String(M.Memory(), 11), "Jello world");

    // A gap left by seeking past the end reads as zeros.
    M.SetPosition(13);
    WriteText(M, "!");
    EXPECT_EQ(String(M.Memory(), static_cast<std::size_t>(M.Size())),
              String("Jello world\0\0!", 14));

    M.SetSize(4);
    EXPECT_EQ(M.Position(), 4);
    EXPECT_EQ(String(M.Memory(), 4), "Jell");
    M.SetPosition(1);
    EXPECT_EQ(M.ReadAll(), "ell");

    M.Clear();
    EXPECT_EQ(M.Size(), 0);
    EXPECT_EQ(M.Position(), 0);
    char C;
    EXPECT_THROW_MSG(M.ReadBuffer(&C, 1), EReadError, "Stream read error");
}

TEST(StringStreamTest, ClippedSeekAndHostWriteSemantics) {
    TStringStream S("abcdef");
    EXPECT_EQ(S.Seek(100, soBeginning), 6);
    EXPECT_EQ(S.Seek(-100, soCurrent), 0);
    EXPECT_EQ(S.ReadString(2), "ab");
    EXPECT_EQ(S.ReadString(100), "cdef");
    EXPECT_EQ(S.ReadString(1), "");

    // Writing in the middle drops the rest of the string.
    S.SetPosition(2);
    S.WriteString("XY");
    EXPECT_EQ(S.DataString(), "abXY");
    EXPECT_EQ(S.Position(), 4);
    S.WriteString("Z");
    EXPECT_EQ(S.DataString(), "abXYZ");

    S.SetSize(2);
    EXPECT_EQ(S.Position(), 2);
    EXPECT_EQ(S.DataString(), "ab");
}

TEST(FileStreamTest, OpenAndCreateErrors) {
    zt_test::TempDir Dir;
    String Missing = Dir.File("missing.txt");
    EXPECT_THROW_MSG(TFileStream(Missing, fmOpenRead), EFOpenError,
                     "Cannot open file \"" + Missing + "\"");
    EXPECT_THROW_MSG(TFileStream(Missing, fmOpenReadWrite | fmShareDenyNone), EFOpenError,
                     "Cannot open file \"" + Missing + "\"");
    String NoFolder = Dir.File("nofolder") + "\\x.txt";
    EXPECT_THROW_MSG(TFileStream(NoFolder, fmCreate), EFCreateError,
                     "Cannot create file \"" + NoFolder + "\"");
    // A folder is not a file.
    String Folder = Dir.Path().string();
    EXPECT_THROW_MSG(TFileStream(Folder, fmOpenRead), EFOpenError,
                     "Cannot open file \"" + Folder + "\"");
}

TEST(FileStreamTest, CreateWriteReopenAndAccessModes) {
    zt_test::TempDir Dir;
    // Host-style separator in the name.
    String Name = Dir.Path().string() + "\\data.bin";
    {
        TFileStream F(Name, fmCreate | fmShareExclusive);
        EXPECT_EQ(F.FileName(), Name);
        WriteText(F, "0123456789");
        EXPECT_EQ(F.Size(), 10);
        F.SetSize(4);
        EXPECT_EQ(F.Position(), 4);
        WriteText(F, "ab");
    }
    EXPECT_EQ(zt_test::ReadAll(Dir.File("data.bin")), "0123ab");

    TFileStream R(Name, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(R.Seek(-2, soEnd), 4);
    EXPECT_EQ(R.ReadAll(), "ab");
    char Buf[4];
    R.SetPosition(3);
    EXPECT_THROW_MSG(R.ReadBuffer(Buf, 4), EReadError, "Stream read error");
    EXPECT_THROW_MSG(WriteText(R, "x"), EWriteError, "Stream write error");

    {
        TFileStream W(Name, fmOpenWrite);
        EXPECT_EQ(W.Read(Buf, 1), 0);
        WriteText(W, "Z");
    }
    EXPECT_EQ(zt_test::ReadAll(Dir.File("data.bin")), "Z123ab");

    // fmCreate truncates an existing file.
    TFileStream C(Name, fmCreate);
    EXPECT_EQ(C.Size(), 0);
}

TEST(StreamTest, CopyFrom) {
    TStringStream Source("0123456789");
    TMemoryStream Dest;

    // Count 0: the whole source from its start, wherever its position was.
    Source.SetPosition(7);
    EXPECT_EQ(Dest.CopyFrom(&Source, 0), 10);
    EXPECT_EQ(String(Dest.Memory(), 10), "0123456789");
    EXPECT_EQ(Source.Position(), 10);

    // Count > 0: from the source's current position.
    Source.SetPosition(3);
    TStringStream Part;
    EXPECT_EQ(Part.CopyFrom(&Source, 4), 4);
    EXPECT_EQ(Part.DataString(), "3456");

    // More than the source holds.
    Source.SetPosition(8);
    EXPECT_THROW_MSG(Part.CopyFrom(&Source, 5), EReadError, "Stream read error");

    // Larger than the copy buffer.
    String Big(200000, 'x');
    for (std::size_t I = 0; I < Big.size(); I += 997)
        Big[I] = static_cast<char>('a' + I % 26);
    TStringStream BigSource(Big);
    TMemoryStream BigDest;
    EXPECT_EQ(BigDest.CopyFrom(&BigSource, 0), 200000);
    EXPECT_EQ(String(BigDest.Memory(), Big.size()), Big);
}

TEST(MemoryStreamTest, LoadAndSaveThroughStreamsAndFiles) {
    zt_test::TempDir Dir;
    TMemoryStream M;
    WriteText(M, String("bin\0ary\r\n", 9));
    M.SetPosition(2);
    M.SaveToFile(Dir.File("m.bin"));
    EXPECT_EQ(zt_test::ReadAll(Dir.File("m.bin")), String("bin\0ary\r\n", 9));

    TMemoryStream L;
    L.LoadFromFile(Dir.File("m.bin"));
    EXPECT_EQ(String(L.Memory(), static_cast<std::size_t>(L.Size())), String("bin\0ary\r\n", 9));
    EXPECT_EQ(L.Position(), 0);

    // SaveToStream writes everything whatever the position; LoadFromStream reads the
    // whole source, not just the rest of it.
    TStringStream Out;
    L.SetPosition(5);
    L.SaveToStream(&Out);
    EXPECT_EQ(Out.DataString(), String("bin\0ary\r\n", 9));
    TMemoryStream Back;
    Back.LoadFromStream(&Out);
    EXPECT_EQ(Back.Size(), 9);

    EXPECT_THROW_MSG(L.LoadFromFile(Dir.File("none")), EFOpenError,
                     "Cannot open file \"" + Dir.File("none") + "\"");
}
