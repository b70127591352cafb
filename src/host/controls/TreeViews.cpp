#include "host/controls/TreeViews.h"

#include "host/classes/Filer.h"
#include "host/classes/Streams.h"
#include "host/classes/UpdateScope.h"
#include "host/controls/ControlProps.h"
#include "host/controls/ImgList.h"
#include "host/controls/Menus.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/HostErrors.h"
#include "host/typinfo/ClassBuilder.h"

#include <cstdint>

namespace host {

namespace {

std::u16string ToUtf16(const String& S) {
    std::u16string Out;
    for (std::size_t i = 0; i < S.size();) {
        auto C = static_cast<unsigned char>(S[i]);
        std::uint32_t Cp = C;
        std::size_t Len = 1;
        if (C >= 0xF0 && i + 3 < S.size() + 0)
            Len = 4, Cp = C & 0x07;
        else if (C >= 0xE0)
            Len = 3, Cp = C & 0x0F;
        else if (C >= 0xC0)
            Len = 2, Cp = C & 0x1F;
        if (i + Len > S.size()) Len = 1, Cp = C;
        for (std::size_t k = 1; k < Len; ++k)
            Cp = (Cp << 6) | (static_cast<unsigned char>(S[i + k]) & 0x3F);
        i += Len;
        if (Cp >= 0x10000) {
            Cp -= 0x10000;
            Out.push_back(static_cast<char16_t>(0xD800 + (Cp >> 10)));
            Out.push_back(static_cast<char16_t>(0xDC00 + (Cp & 0x3FF)));
        } else {
            Out.push_back(static_cast<char16_t>(Cp));
        }
    }
    return Out;
}

String ToUtf8(const std::u16string& S) {
    String Out;
    for (std::size_t i = 0; i < S.size(); ++i) {
        std::uint32_t Cp = S[i];
        if (Cp >= 0xD800 && Cp < 0xDC00 && i + 1 < S.size() && S[i + 1] >= 0xDC00 &&
            S[i + 1] < 0xE000)
            Cp = 0x10000 + ((Cp - 0xD800) << 10) + (S[++i] - 0xDC00);
        if (Cp < 0x80) {
            Out += static_cast<char>(Cp);
        } else if (Cp < 0x800) {
            Out += static_cast<char>(0xC0 | (Cp >> 6));
            Out += static_cast<char>(0x80 | (Cp & 0x3F));
        } else if (Cp < 0x10000) {
            Out += static_cast<char>(0xE0 | (Cp >> 12));
            Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (Cp & 0x3F));
        } else {
            Out += static_cast<char>(0xF0 | (Cp >> 18));
            Out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
            Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (Cp & 0x3F));
        }
    }
    return Out;
}

void WriteInt(TStream* S, std::int32_t V) {
    unsigned char B[4] = {static_cast<unsigned char>(V), static_cast<unsigned char>(V >> 8),
                          static_cast<unsigned char>(V >> 16), static_cast<unsigned char>(V >> 24)};
    S->WriteBuffer(B, 4);
}

std::int32_t ReadInt(TStream* S) {
    unsigned char B[4];
    S->ReadBuffer(B, 4);
    return static_cast<std::int32_t>(B[0] | (B[1] << 8) | (B[2] << 16) |
                                     (static_cast<std::uint32_t>(B[3]) << 24));
}

// Fixed part of a node record: four image indexes, data, child count, text length.
constexpr std::int32_t FixedNodeSize = 6 * 4 + 1;
// A tree deeper than this in a form file is taken as damaged.
constexpr int MaxNodeDepth = 1000;

} // namespace

// ---- TTreeNode ----

TClass TTreeNode::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTreeNode>("TTreeNode")
        .Prop("Text", &TTreeNode::Text, &TTreeNode::SetText)
        .Prop("ImageIndex", &TTreeNode::ImageIndex, &TTreeNode::SetImageIndex).Default(-1)
        .Prop("SelectedIndex", &TTreeNode::SelectedIndex, &TTreeNode::SetSelectedIndex).Default(-1)
        .Prop("StateIndex", &TTreeNode::StateIndex, &TTreeNode::SetStateIndex).Default(-1)
        .Prop("OverlayIndex", &TTreeNode::OverlayIndex, &TTreeNode::SetOverlayIndex).Default(-1);
    // clang-format on
    return &Info;
}

TTreeNode* TTreeNode::Parent() const {
    if (FLevel == 0 || !Collection()) return nullptr;
    for (int i = Index() - 1; i >= 0; --i) {
        auto* N = static_cast<TTreeNode*>(Collection()->Items(i));
        if (N->FLevel < FLevel) return N;
    }
    return nullptr;
}

int TTreeNode::Count() const {
    int Result = 0;
    if (!Collection()) return 0;
    for (int i = Index() + 1; i < Collection()->Count(); ++i) {
        auto* N = static_cast<TTreeNode*>(Collection()->Items(i));
        if (N->FLevel <= FLevel) break;
        Result += N->FLevel == FLevel + 1;
    }
    return Result;
}

TTreeNode* TTreeNode::Item(int Index) const {
    if (Collection())
        for (int i = this->Index() + 1, Seen = 0; i < Collection()->Count(); ++i) {
            auto* N = static_cast<TTreeNode*>(Collection()->Items(i));
            if (N->FLevel <= FLevel) break;
            if (N->FLevel == FLevel + 1 && Seen++ == Index) return N;
        }
    RaiseListIndexError<EListError>(Index);
}

void TTreeNode::Assign(const TPersistent* Source) {
    auto* S = As<TTreeNode>(Source);
    if (!S) return inherited::Assign(Source);
    FText = S->FText;
    FImageIndex = S->FImageIndex;
    FSelectedIndex = S->FSelectedIndex;
    FStateIndex = S->FStateIndex;
    FOverlayIndex = S->FOverlayIndex;
    FLevel = S->FLevel;
}

// ---- TTreeNodes ----

TClass TTreeNodes::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TTreeNodes>("TTreeNodes").NoCreate();
    return &Info;
}

TTreeNode* TTreeNodes::AddNode(const String& Text) {
    return AddChild(nullptr, Text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const String& Text) {
    int At = Count();
    if (Parent) {
        At = Parent->Index() + 1;
        while (At < Count() && Items(At)->FLevel > Parent->FLevel)
            ++At;
    }
    auto* Node =
        static_cast<TTreeNode*>(At == Count() ? TCollection::Add() : TCollection::Insert(At));
    Node->FLevel = Parent ? Parent->FLevel + 1 : 0;
    Node->FText = Text;
    return Node;
}

void TTreeNodes::WriteData(TStream* Stream) const {
    std::int32_t Top = 0;
    for (int i = 0; i < Count(); ++i)
        Top += Items(i)->FLevel == 0;
    WriteInt(Stream, Top);
    for (int i = 0; i < Count(); ++i) {
        const TTreeNode* N = Items(i);
        std::u16string Text = ToUtf16(N->FText);
        if (Text.size() > 255) Text.resize(255);
        WriteInt(Stream, FixedNodeSize + static_cast<std::int32_t>(Text.size() * 2));
        WriteInt(Stream, N->FImageIndex);
        WriteInt(Stream, N->FSelectedIndex);
        WriteInt(Stream, N->FStateIndex);
        WriteInt(Stream, N->FOverlayIndex);
        WriteInt(Stream, 0);
        WriteInt(Stream, N->Count());
        const auto Len = static_cast<unsigned char>(Text.size());
        Stream->WriteBuffer(&Len, 1);
        for (char16_t C : Text) {
            unsigned char B[2] = {static_cast<unsigned char>(C),
                                  static_cast<unsigned char>(C >> 8)};
            Stream->WriteBuffer(B, 2);
        }
    }
}

void TTreeNodes::ReadData(TStream* Stream) {
    WithUpdate(this, [&] {
        Clear();
        // Pending child counts per level: a node is read, then as many children as it has.
        std::vector<std::int32_t> Pending{ReadInt(Stream)};
        while (!Pending.empty()) {
            if (Pending.back() <= 0) {
                Pending.pop_back();
                continue;
            }
            --Pending.back();
            const std::int32_t Size = ReadInt(Stream);
            if (Size < FixedNodeSize) throw EReadError("Invalid property value");
            auto* N = static_cast<TTreeNode*>(TCollection::Add());
            N->FLevel = static_cast<int>(Pending.size()) - 1;
            N->FImageIndex = ReadInt(Stream);
            N->FSelectedIndex = ReadInt(Stream);
            N->FStateIndex = ReadInt(Stream);
            N->FOverlayIndex = ReadInt(Stream);
            (void)ReadInt(Stream);
            const std::int32_t Children = ReadInt(Stream);
            unsigned char Len = 0;
            Stream->ReadBuffer(&Len, 1);
            if (Size != FixedNodeSize + 2 * Len || Children < 0)
                throw EReadError("Invalid property value");
            std::u16string Text(Len, u'\0');
            for (char16_t& C : Text) {
                unsigned char B[2];
                Stream->ReadBuffer(B, 2);
                C = static_cast<char16_t>(B[0] | (B[1] << 8));
            }
            N->FText = ToUtf8(Text);
            if (Children > 0) {
                if (static_cast<int>(Pending.size()) >= MaxNodeDepth)
                    throw EReadError("Invalid property value");
                Pending.push_back(Children);
            }
        }
    });
}

void TTreeNodes::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "NodeData", [this](TStream* S) { ReadData(S); }, [this](TStream* S) { WriteData(S); },
        Count() > 0);
}

// ---- TTreeView ----

TClass TTreeView::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TTreeView>("TTreeView")
        .Prop("Align", &TTreeView::Align, &TTreeView::SetAlign).Default(alNone)
        .Prop("Anchors", &TTreeView::Anchors, &TTreeView::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Prop("BorderStyle", &TTreeView::BorderStyle, &TTreeView::SetBorderStyle).Default(bsSingle)
        .Prop("Color", &TTreeView::Color, &TTreeView::SetColor).Stored(&TTreeView::IsColorStored)
        .Prop("Enabled", &TTreeView::Enabled, &TTreeView::SetEnabled).Default(true)
        .Prop("Font", &TTreeView::Font, &TTreeView::SetFont).Stored(&TTreeView::IsFontStored)
        .Prop("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection).Default(true)
        .Prop("HotTrack", &TTreeView::HotTrack, &TTreeView::SetHotTrack).Default(false)
        .Prop("Images", &TTreeView::Images, &TTreeView::SetImages)
        .Prop("Indent", &TTreeView::Indent, &TTreeView::SetIndent)
        .Prop("MultiSelect", &TTreeView::MultiSelect, &TTreeView::SetMultiSelect).Default(false)
        .Prop("ParentColor", &TTreeView::ParentColor, &TTreeView::SetParentColor).Default(false)
        .Prop("ParentFont", &TTreeView::ParentFont, &TTreeView::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TTreeView::ParentShowHint, &TTreeView::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TTreeView::PopupMenu, &TTreeView::SetPopupMenu)
        .Prop("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly).Default(false)
        .Prop("RowSelect", &TTreeView::RowSelect, &TTreeView::SetRowSelect).Default(false)
        .Prop("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons).Default(true)
        .Prop("ShowHint", &TTreeView::ShowHint, &TTreeView::SetShowHint).Stored(&TTreeView::IsShowHintStored)
        .Prop("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines).Default(true)
        .Prop("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot).Default(true)
        .Prop("StateImages", &TTreeView::StateImages, &TTreeView::SetStateImages)
        .Prop("TabOrder", &TTreeView::TabOrder, &TTreeView::SetTabOrder).Default(-1)
        .Prop("TabStop", &TTreeView::TabStop, &TTreeView::SetTabStop).Default(true)
        .Prop("Visible", &TTreeView::Visible, &TTreeView::SetVisible).Default(true)
        .Prop("OnChange", &TTreeView::OnChange, &TTreeView::SetOnChange)
        .Prop("OnClick", &TTreeView::OnClick, &TTreeView::SetOnClick)
        .Prop("OnCustomDrawItem", &TTreeView::OnCustomDrawItem, &TTreeView::SetOnCustomDrawItem)
        .Prop("OnDblClick", &TTreeView::OnDblClick, &TTreeView::SetOnDblClick)
        .Prop("OnExpanded", &TTreeView::OnExpanded, &TTreeView::SetOnExpanded)
        .Prop("Items", &TTreeView::Items, &TTreeView::SetItems).Stored(false)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TTreeView::TTreeView(TComponent* AOwner) : TWinControl(AOwner), FItems(new TTreeNodes(this)) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TTreeView::~TTreeView() {}

void TTreeView::SetImageList(TCustomImageList*& Field, TCustomImageList* Value) {
    if (Field == Value) return;
    if (Field) Field->RemoveFreeNotification(this);
    Field = Value;
    if (Value) Value->FreeNotification(this);
}

void TTreeView::SetSelected(TTreeNode* Value) {
    if (FSelected == Value) return;
    FSelected = Value;
    FOnChange(this, Value);
}

void TTreeView::DefineProperties(TFiler* Filer) {
    inherited::DefineProperties(Filer);
    // Reading reaches the nodes' own "NodeData" through the dotted name; writing names it
    // here, since the Items object itself is not written.
    Filer->DefineBinaryProperty(
        "Items.NodeData", nullptr, [this](TStream* S) { FItems->WriteData(S); },
        FItems->Count() > 0);
}

void TTreeView::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (AComponent == FStateImages) FStateImages = nullptr;
}

} // namespace host
