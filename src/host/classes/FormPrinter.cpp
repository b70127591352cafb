// Printer of TFormObject trees in the layout the host IDE writes.
#include "host/classes/FormText.h"

#include "host/rtl/Exceptions.h"

#include <charconv>
#include <cmath>

namespace host {

namespace {

// Source bytes per line of a long string, as the IDE splits them.
constexpr std::size_t LineLength = 64;

bool IsUtf8Continuation(unsigned char C) {
    return (C & 0xC0) == 0x80;
}

class TFormPrinter {
public:
    String Print(const TFormObject& Root) {
        PrintObject(Root, 0);
        return std::move(FOut);
    }

private:
    void Indent(int Level) { FOut.append(static_cast<std::size_t>(Level) * 2, ' '); }
    void NewLine(int Level) {
        FOut += "\r\n";
        Indent(Level);
    }

    void PrintObject(const TFormObject& Obj, int Level) {
        Indent(Level);
        FOut += Obj.Kind == TFormObjectKind::Inherited ? "inherited "
                : Obj.Kind == TFormObjectKind::Inline  ? "inline "
                                                       : "object ";
        if (!Obj.Name.empty()) FOut += Obj.Name + ": ";
        FOut += Obj.ClassName;
        if (Obj.Index >= 0) FOut += " [" + std::to_string(Obj.Index) + "]";
        FOut += "\r\n";
        for (const TFormProperty& P : Obj.Props)
            PrintProperty(P, Level + 1);
        for (const TFormObject& Child : Obj.Children)
            PrintObject(Child, Level + 1);
        Indent(Level);
        FOut += "end\r\n";
    }

    void PrintProperty(const TFormProperty& P, int Level) {
        Indent(Level);
        FOut += P.Name + " = ";
        PrintValue(P.Value, Level);
        FOut += "\r\n";
    }

    void PrintValue(const TFormValue& V, int Level) {
        switch (V.Type) {
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            FOut += std::to_string(V.Int);
            break;
        case vaExtended:
        case vaSingle:
        case vaCurrency:
        case vaDate:
            PrintFloat(V);
            break;
        case vaString:
        case vaLString:
        case vaWString:
        case vaUTF8String:
            PrintString(V.Str, Level);
            break;
        case vaIdent:
        case vaFalse:
        case vaTrue:
        case vaNil:
        case vaNull:
            PrintIdent(V);
            break;
        case vaSet:
            PrintSet(V);
            break;
        case vaList:
            PrintList(V, Level);
            break;
        case vaCollection:
            PrintCollection(V, Level);
            break;
        case vaBinary:
            PrintBinary(V.Str, Level);
            break;
        }
    }

    void PrintIdent(const TFormValue& V) {
        switch (V.Type) {
        case vaFalse:
            FOut += "False";
            break;
        case vaTrue:
            FOut += "True";
            break;
        case vaNil:
            FOut += "nil";
            break;
        case vaNull:
            FOut += "Null";
            break;
        default:
            FOut += V.Str;
        }
    }

    void PrintFloat(const TFormValue& V) {
        if (!std::isfinite(V.Float)) throw EWriteError("Invalid floating point value");
        char Buf[64];
        auto [End, Ec] = std::to_chars(Buf, Buf + sizeof Buf, V.Float);
        String S(Buf, End);
        for (char& C : S)
            if (C == 'e') C = 'E';
        // A float must read back as a float: give it a decimal point or an exponent.
        if (S.find_first_of(".E") == String::npos) S += ".0";
        FOut += S;
        if (V.Type == vaSingle) FOut += 's';
        if (V.Type == vaCurrency) FOut += 'c';
        if (V.Type == vaDate) FOut += 'd';
    }

    void PrintSet(const TFormValue& V) {
        FOut += '[';
        for (std::size_t i = 0; i < V.SetItems.size(); ++i) {
            if (i) FOut += ", ";
            FOut += V.SetItems[i];
        }
        FOut += ']';
    }

    void PrintList(const TFormValue& V, int Level) {
        FOut += '(';
        for (const TFormValue& Item : V.Items) {
            NewLine(Level + 1);
            PrintValue(Item, Level + 1);
        }
        FOut += ')';
    }

    void PrintCollection(const TFormValue& V, int Level) {
        FOut += '<';
        for (const TFormItem& Item : V.Collection) {
            NewLine(Level + 1);
            FOut += "item";
            if (Item.Index >= 0) FOut += " [" + std::to_string(Item.Index) + "]";
            FOut += "\r\n";
            for (const TFormProperty& P : Item.Props)
                PrintProperty(P, Level + 2);
            Indent(Level + 1);
            FOut += "end";
        }
        FOut += '>';
    }

    void PrintBinary(const String& Bytes, int Level) {
        static const char Hex[] = "0123456789ABCDEF";
        FOut += '{';
        for (std::size_t i = 0; i < Bytes.size(); ++i) {
            if (i % (LineLength / 2) == 0) NewLine(Level + 1);
            auto B = static_cast<unsigned char>(Bytes[i]);
            FOut += Hex[B >> 4];
            FOut += Hex[B & 15];
        }
        FOut += '}';
    }

    // Printable runs in quotes, other characters (and the quote) as #codes; bytes of 128
    // and above are kept as they are, so any byte string reads back unchanged.
    void PrintString(const String& S, int Level) {
        if (S.empty()) {
            FOut += "''";
            return;
        }
        int PieceLevel = Level;
        if (S.size() > LineLength) {
            PieceLevel = Level + 1;
            NewLine(PieceLevel);
        }
        std::size_t Start = 0;
        while (Start < S.size()) {
            std::size_t End = std::min(S.size(), Start + LineLength);
            while (End < S.size() && End > Start + 1 && IsUtf8Continuation(S[End]))
                --End;
            PrintPiece(std::string_view(S).substr(Start, End - Start));
            Start = End;
            if (Start < S.size()) {
                FOut += " +";
                NewLine(PieceLevel);
            }
        }
    }

    void PrintPiece(std::string_view Piece) {
        bool InQuotes = false;
        for (char Ch : Piece) {
            auto C = static_cast<unsigned char>(Ch);
            bool Plain = (C >= ' ' && C != '\'' && C != 127);
            if (Plain != InQuotes) {
                FOut += '\'';
                InQuotes = Plain;
            }
            if (Plain)
                FOut += Ch;
            else
                FOut += '#' + std::to_string(C);
        }
        if (InQuotes) FOut += '\'';
    }

    String FOut;
};

} // namespace

String PrintFormText(const TFormObject& Root) {
    return TFormPrinter().Print(Root);
}

} // namespace host
