#include "exchange/XliffFile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <cstring>
#include <memory>

namespace zantor {

namespace {

constexpr const char* Namespace = "urn:oasis:names:tc:xliff:document:1.2";

String Escape(std::string_view S, bool Attribute) {
    String Out;
    for (char C : S) {
        switch (C) {
        case '&':
            Out += "&amp;";
            break;
        case '<':
            Out += "&lt;";
            break;
        case '>':
            Out += "&gt;";
            break;
        case '"':
            Out += Attribute ? "&quot;" : "\"";
            break;
        case '\r':
            // A raw carriage return would read back as a line feed.
            Out += "&#13;";
            break;
        case '\n':
            Out += Attribute ? "&#10;" : "\n";
            break;
        case '\t':
            Out += Attribute ? "&#9;" : "\t";
            break;
        default:
            Out += C;
        }
    }
    return Out;
}

String Attr(const char* Name, std::string_view Value) {
    return String(" ") + Name + "=\"" + Escape(Value, true) + "\"";
}

} // namespace

bool XmlCanCarry(std::string_view Text) {
    for (std::size_t i = 0; i < Text.size();) {
        const auto C = static_cast<unsigned char>(Text[i]);
        if (C < 0x20 && C != '\t' && C != '\n' && C != '\r') return false;
        if (C < 0x80) {
            ++i;
            continue;
        }
        // Well-formed UTF-8 only.
        const std::size_t N = (C >> 5) == 6 ? 2 : (C >> 4) == 14 ? 3 : (C >> 3) == 30 ? 4 : 0;
        if (N == 0 || i + N > Text.size()) return false;
        for (std::size_t k = 1; k < N; ++k)
            if ((static_cast<unsigned char>(Text[i + k]) & 0xC0) != 0x80) return false;
        i += N;
    }
    return true;
}

String WriteXliff(const TXliffDocument& Document) {
    String Out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\"" +
                 Attr("xmlns", Namespace) + ">\n";
    for (const TXliffFile& F : Document.Files) {
        Out += "  <file" + Attr("original", F.Original) +
               Attr("source-language", F.SourceLanguage) +
               Attr("target-language", F.TargetLanguage) + Attr("datatype", "plaintext") +
               ">\n    <body>\n";
        for (const TXliffUnit& U : F.Units) {
            Out += "      <trans-unit" + Attr("id", U.Id) + Attr("resname", U.ResName) +
                   " xml:space=\"preserve\">\n        <source>" + Escape(U.Source, false) +
                   "</source>\n";
            if (U.Target) {
                Out += "        <target";
                if (!U.State.empty()) Out += Attr("state", U.State);
                Out += ">" + Escape(*U.Target, false) + "</target>\n";
            }
            for (const String& N : U.Notes)
                Out += "        <note>" + Escape(N, false) + "</note>\n";
            Out += "      </trans-unit>\n";
        }
        Out += "    </body>\n  </file>\n";
    }
    return Out + "</xliff>\n";
}

namespace {

struct TDocFree {
    void operator()(xmlDoc* D) const { xmlFreeDoc(D); }
};

bool Is(const xmlNode* N, const char* Name) {
    return N->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(N->name), Name) == 0 &&
           (!N->ns || std::strcmp(reinterpret_cast<const char*>(N->ns->href), Namespace) == 0);
}

String Prop(const xmlNode* N, const char* Name) {
    xmlChar* V = xmlGetProp(N, reinterpret_cast<const xmlChar*>(Name));
    String S = V ? reinterpret_cast<const char*>(V) : "";
    xmlFree(V);
    return S;
}

String Content(const xmlNode* N) {
    xmlChar* V = xmlNodeGetContent(N);
    String S = V ? reinterpret_cast<const char*>(V) : "";
    xmlFree(V);
    return S;
}

class TXliffReader {
public:
    TXliffReader(const String& FileName) : FName(FileName) {}

    [[noreturn]] void Fail(const xmlNode* N, const String& Why) const {
        throw EXliffError(FName + ":" + std::to_string(N ? xmlGetLineNo(N) : 0) + ": " + Why);
    }

    void Units(const xmlNode* Parent, TXliffFile& File) {
        for (const xmlNode* N = Parent->children; N; N = N->next) {
            if (Is(N, "group")) {
                Units(N, File);
                continue;
            }
            if (!Is(N, "trans-unit")) continue;
            TXliffUnit U;
            U.Id = Prop(N, "id");
            U.ResName = Prop(N, "resname");
            bool HasSource = false;
            for (const xmlNode* C = N->children; C; C = C->next) {
                if (Is(C, "source")) {
                    U.Source = Content(C);
                    HasSource = true;
                } else if (Is(C, "target")) {
                    U.Target = Content(C);
                    U.State = Prop(C, "state");
                } else if (Is(C, "note")) {
                    U.Notes.push_back(Content(C));
                }
            }
            if (!HasSource) Fail(N, "a trans-unit without source");
            File.Units.push_back(std::move(U));
        }
    }

    TXliffDocument Run(std::string_view Text) {
        xmlResetLastError();
        std::unique_ptr<xmlDoc, TDocFree> Doc(
            xmlReadMemory(Text.data(), static_cast<int>(Text.size()), FName.c_str(), nullptr,
                          XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
        if (!Doc) {
            const xmlError* E = xmlGetLastError();
            String Why = E && E->message ? E->message : "not a well-formed XML document";
            while (!Why.empty() && (Why.back() == '\n' || Why.back() == ' '))
                Why.pop_back();
            throw EXliffError(FName + ":" + std::to_string(E ? E->line : 0) + ": " + Why);
        }
        const xmlNode* Root = xmlDocGetRootElement(Doc.get());
        if (!Root || !Is(Root, "xliff")) Fail(Root, "not an XLIFF document");
        const String Version = Prop(Root, "version");
        if (Version != "1.2") Fail(Root, "XLIFF version '" + Version + "' (1.2 is read)");
        TXliffDocument Out;
        for (const xmlNode* F = Root->children; F; F = F->next) {
            if (!Is(F, "file")) continue;
            TXliffFile File;
            File.Original = Prop(F, "original");
            File.SourceLanguage = Prop(F, "source-language");
            File.TargetLanguage = Prop(F, "target-language");
            for (const xmlNode* B = F->children; B; B = B->next)
                if (Is(B, "body")) Units(B, File);
            Out.Files.push_back(std::move(File));
        }
        return Out;
    }

private:
    String FName;
};

} // namespace

TXliffDocument ReadXliff(std::string_view Text, const String& FileName) {
    return TXliffReader(FileName).Run(Text);
}

} // namespace zantor
