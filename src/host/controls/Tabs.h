// The tab set: a row of tabs, of which one (TabIndex) is selected.
#pragma once

#include <memory>

#include "host/classes/Strings.h"
#include "host/controls/Controls.h"

namespace host {

class TStringList;

enum TTabStyle { tsStandard, tsOwnerDraw };

ZT_EVENT_TYPE(TTabChangeEvent, TObject*, int, bool&);

// Tabs lists the tab texts. Setting TabIndex, in code or by the person's click (Pick), asks
// OnChange with the new index, which may refuse, then fires OnClick, as the host does.
class TTabSet : public TWinControl {
    ZT_CLASS(TTabSet, TWinControl)
public:
    explicit TTabSet(TComponent* AOwner);
    ~TTabSet() override;

    using TControl::Font;
    using TControl::ParentFont;
    using TControl::SetFont;
    using TControl::SetParentFont;

    TStrings* Tabs() const;
    void SetTabs(TStrings* Value);
    // -1 for none. Raises EListError "Tab index out of bounds" for a value outside -1..Count-1
    // (not while loading: the value waits for the tabs). When tabs go, an index beyond them
    // falls to the last one without events.
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value);
    // What the person's click on tab Index does.
    void Pick(int Index) { SetTabIndex(Index); }

    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
    bool DitherBackground() const { return FDitherBackground; }
    void SetDitherBackground(bool Value) { FDitherBackground = Value; }
    int EndMargin() const { return FEndMargin; }
    void SetEndMargin(int Value) { FEndMargin = Value; }
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    int StartMargin() const { return FStartMargin; }
    void SetStartMargin(int Value) { FStartMargin = Value; }
    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle Value) { FStyle = Value; }
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value) { FTabHeight = Value; }
    TColor UnselectedColor() const { return FUnselectedColor; }
    void SetUnselectedColor(TColor Value) { FUnselectedColor = Value; }

    const TTabChangeEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TTabChangeEvent& Value) { FOnChange = Value; }

    void Loaded() override;

protected:
    // OnChange's answer (true when unassigned).
    virtual bool CanChange(int NewIndex);

private:
    void TabsChanged(TObject* Sender);

    std::unique_ptr<TStringList> FTabs;
    int FTabIndex = -1;
    bool FAutoScroll = true;
    TColor FBackgroundColor = clBtnFace;
    bool FDitherBackground = true;
    int FEndMargin = 5;
    TColor FSelectedColor = clBtnFace;
    int FStartMargin = 5;
    TTabStyle FStyle = tsStandard;
    int FTabHeight = 20;
    TColor FUnselectedColor = clWindow;
    TTabChangeEvent FOnChange;
};

} // namespace host

ZT_DECLARE_TYPEINFO(host::TTabStyle);
