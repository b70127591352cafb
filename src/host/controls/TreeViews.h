// TTreeView: a tree of text items. Its Items are a collection in tree order (a parent before
// its children, as the host numbers them), so each node's text has the path
// TreeView1.Items[i].Text; the form file holds them as binary "Items.NodeData".
#pragma once

#include <memory>

#include "host/classes/Collection.h"
#include "host/controls/Controls.h"
#include "host/controls/Forms.h"

namespace host {

class TCustomImageList;
class TTreeNodes;
class TStream;

class TTreeNode : public TCollectionItem {
    ZT_CLASS(TTreeNode, TCollectionItem)
public:
    explicit TTreeNode(TCollection* Collection) : TCollectionItem(Collection) {}
    const String& Text() const { return FText; }
    void SetText(const String& Value) { FText = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int Value) { FSelectedIndex = Value; }
    int StateIndex() const { return FStateIndex; }
    void SetStateIndex(int Value) { FStateIndex = Value; }
    int OverlayIndex() const { return FOverlayIndex; }
    void SetOverlayIndex(int Value) { FOverlayIndex = Value; }
    // Depth in the tree, 0 for top-level nodes.
    int Level() const { return FLevel; }
    TTreeNode* Parent() const;
    // Direct children, in order.
    int Count() const;
    TTreeNode* Item(int Index) const;
    String DisplayName() const override { return FText; }
    void Assign(const TPersistent* Source) override;

private:
    friend class TTreeNodes;
    String FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FStateIndex = -1;
    int FOverlayIndex = -1;
    int FLevel = 0;
};

class TTreeNodes : public TOwnedCollection {
    ZT_CLASS(TTreeNodes, TOwnedCollection)
public:
    explicit TTreeNodes(TPersistent* Owner) : TOwnedCollection(Owner, TTreeNode::StaticClass()) {}
    TTreeNode* Items(int Index) const { return static_cast<TTreeNode*>(TCollection::Items(Index)); }
    // A new top-level node at the end.
    TTreeNode* AddNode(const String& Text);
    // A new last child of Parent (top-level when Parent is null).
    TTreeNode* AddChild(TTreeNode* Parent, const String& Text);
    // The binary form of the host ("NodeData"): top-level count, then each node with its
    // children, depth first.
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream) const;
    void DefineProperties(TFiler* Filer) override;
};

ZT_EVENT_TYPE(TTVChangedEvent, TObject*, TTreeNode*);
ZT_EVENT_TYPE(TTVCustomDrawItemEvent, TObject*, TTreeNode*, int, bool&);

class TTreeView : public TWinControl {
    ZT_CLASS(TTreeView, TWinControl)
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;

    using TControl::Color;
    using TControl::Font;
    using TControl::ParentColor;
    using TControl::ParentFont;
    using TControl::SetColor;
    using TControl::SetFont;
    using TControl::SetParentColor;
    using TControl::SetParentFont;

    TTreeNodes* Items() const { return FItems.get(); }
    void SetItems(TTreeNodes* Value) { FItems->Assign(Value); }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value) { FHotTrack = Value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value) { SetImageList(FImages, Value); }
    TCustomImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TCustomImageList* Value) { SetImageList(FStateImages, Value); }
    int Indent() const { return FIndent; }
    void SetIndent(int Value) { FIndent = Value; }
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value) { FMultiSelect = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value) { FShowButtons = Value; }
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool Value) { FShowLines = Value; }
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool Value) { FShowRoot = Value; }
    // The selected node, or nullptr; selecting fires OnChange.
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* Value);
    const TTVChangedEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TTVChangedEvent& Value) { FOnChange = Value; }
    const TTVChangedEvent& OnExpanded() const { return FOnExpanded; }
    void SetOnExpanded(const TTVChangedEvent& Value) { FOnExpanded = Value; }
    const TTVCustomDrawItemEvent& OnCustomDrawItem() const { return FOnCustomDrawItem; }
    void SetOnCustomDrawItem(const TTVCustomDrawItemEvent& Value) { FOnCustomDrawItem = Value; }

    // The nodes go as "Items.NodeData".
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetImageList(TCustomImageList*& Field, TCustomImageList* Value);
    std::unique_ptr<TTreeNodes> FItems;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FHideSelection = true;
    bool FHotTrack = false;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FStateImages = nullptr;
    int FIndent = 19;
    bool FMultiSelect = false;
    bool FReadOnly = false;
    bool FRowSelect = false;
    bool FShowButtons = true;
    bool FShowLines = true;
    bool FShowRoot = true;
    TTreeNode* FSelected = nullptr;
    TTVChangedEvent FOnChange;
    TTVChangedEvent FOnExpanded;
    TTVCustomDrawItemEvent FOnCustomDrawItem;
};

} // namespace host
