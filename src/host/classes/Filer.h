// TFiler, TReader and TWriter: the streaming of components to and from form text.
// Components see them in DefineProperties, where a defined property is declared with a
// procedure to read and one to write its value, and a flag telling whether it has data.
#pragma once

#include "host/classes/Component.h"
#include "host/classes/FormText.h"

#include <functional>
#include <memory>

namespace host {

class TReader;
class TWriter;
class TStream;
class TCollection;

using TReaderProc = std::function<void(TReader*)>;
// Finds form text for visual form inheritance: with Ancestor false the form of ClassName
// itself (the frame of an inline object), with Ancestor true the form of the nearest
// ancestor class of ClassName that has one (under an inherited root). False when none.
using TFindFormText = std::function<bool(const String& ClassName, bool Ancestor, String& Text)>;
using TWriterProc = std::function<void(TWriter*)>;
using TStreamProc = std::function<void(TStream*)>;

class TFiler : public TObject {
    ZT_CLASS(TFiler, TObject)
public:
    // Declares a property streamed by the component itself.
    virtual void DefineProperty(const String& Name, const TReaderProc& ReadData,
                                const TWriterProc& WriteData, bool HasData) = 0;
    // The same for binary data ({ ... } in form text), handed over as a stream.
    virtual void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                      const TStreamProc& WriteData, bool HasData) = 0;

    TComponent* Root() const { return FRoot; }
    // Always nullptr: forms are streamed whole, without comparing to an ancestor.
    TPersistent* Ancestor() const { return nullptr; }

protected:
    TComponent* FRoot = nullptr;
};

// Reads a component tree from parsed form text. Reading errors raise EReadError (or
// EClassNotFound) naming the form-text line.
class TReader : public TFiler {
    ZT_CLASS(TReader, TFiler)
public:
    explicit TReader(const TFormObject& RootObject);
    ~TReader() override;

    // Reads the root object into Root, or creates it from its class name (owned by Owner)
    // when Root is null. Sets csLoading/csReading while reading, binds the root's published
    // fields, resolves references after the whole form, then calls Loaded in reading order.
    TComponent* ReadRootComponent(TComponent* Root, TComponent* Owner = nullptr);

    void DefineProperty(const String& Name, const TReaderProc& ReadData,
                        const TWriterProc& WriteData, bool HasData) override;
    void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override;

    // Reading the value of a defined property, one item at a time.
    TValueType NextValue() const;
    Integer ReadInteger();
    Int64 ReadInt64();
    Extended ReadFloat();
    String ReadString();
    String ReadIdent();
    bool ReadBoolean();
    char ReadChar();
    void ReadListBegin();
    void ReadListEnd();
    bool EndOfList() const;
    // Items of a collection value (< item ... end >) into Collection, replacing its items.
    void ReadCollection(TCollection* Collection);

    TComponent* Owner() const { return FOwner; }
    TComponent* Parent() const { return FParent; }
    // Line of the value being read.
    int Line() const;

    // Strict (the default) raises at the first thing the compiled classes cannot take. The
    // tolerant mode, for tools, makes an unknown class a TPlaceholderComponent and keeps
    // whatever cannot be applied (unknown properties, handlers without a method, references
    // that do not resolve) as written, so that writing the form back gives the same text.
    void SetTolerant(bool Value) { FTolerant = Value; }
    bool Tolerant() const { return FTolerant; }
    // Where the forms of ancestor classes and inline frames come from; by default the form
    // texts registered for compiled classes (RegisterClassFormText).
    void SetFindFormText(TFindFormText Finder) { FFindFormText = std::move(Finder); }

private:
    struct TState;
    std::unique_ptr<TState> FState;
    const TFormObject& FRootObject;
    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    bool FTolerant = false;
    TFindFormText FFindFormText;
    friend struct TReaderImpl;
};

// Writes a component tree as form text: stored properties that differ from their default,
// then defined properties that have data, then the child components.
class TWriter : public TFiler {
    ZT_CLASS(TWriter, TFiler)
public:
    TWriter();
    ~TWriter() override;

    TFormObject WriteRootComponent(TComponent* Root);

    void DefineProperty(const String& Name, const TReaderProc& ReadData,
                        const TWriterProc& WriteData, bool HasData) override;
    void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override;

    void WriteInteger(Int64 Value);
    void WriteFloat(Extended Value);
    void WriteString(const String& Value);
    void WriteIdent(const String& Ident);
    void WriteBoolean(bool Value);
    void WriteChar(char Value);
    void WriteListBegin();
    void WriteListEnd();
    void WriteCollection(const TCollection* Collection);
    // Any value as parsed (placeholders write what they read this way).
    void WriteValue(const TFormValue& Value);

private:
    struct TState;
    std::unique_ptr<TState> FState;
    friend struct TWriterImpl;
    friend void RecordImpliedProperties(TComponent* Root, TComponent* Component);
};

// Reads form text into Root (or a new component of the text's class owned by Owner).
TComponent* ReadComponentFromText(std::string_view Text, TComponent* Root,
                                  TComponent* Owner = nullptr);
struct TFormReadOptions {
    bool Tolerant = false;
    TFindFormText FindFormText; // empty: the registered forms of compiled classes
};
TComponent* ReadComponentFromText(std::string_view Text, TComponent* Root, TComponent* Owner,
                                  const TFormReadOptions& Options);

// The form of a compiled form class, read first under the forms of the classes derived from
// it (their text starts with "inherited") and for its inline frames.
void RegisterClassFormText(TClass Class, std::string_view Text);
void UnRegisterClassFormText(TClass Class);
// The class, Class itself or its nearest ancestor, whose form is registered, with that form
// in Text; nullptr when none.
TClass FindClassFormText(TClass Class, String& Text);
String WriteComponentToText(TComponent* Root);
// File forms; the writer replaces the file atomically.
TComponent* ReadComponentResFile(const String& FileName, TComponent* Root);
void WriteComponentResFile(const String& FileName, TComponent* Root);

// References to components of other modules ("DataModule1.Table1") that could not be
// resolved yet; they are resolved when a module of that name finishes loading.
void GlobalFixupReferences();
// Drops pending references held by, or pointing to, Instance (called on destruction).
void RemoveFixupReferences(TComponent* Instance);
// Top-level modules (forms, data modules) that references may name; installed by the
// application layer.
using TFindGlobalComponent = TComponent* (*)(std::string_view Name);
void SetFindGlobalComponent(TFindGlobalComponent Finder);
[[nodiscard]] TComponent* FindGlobalComponent(std::string_view Name);

} // namespace host
