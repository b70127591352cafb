// Records the events that controls fire, as "click Button1", "change 2" ..., in order.
#pragma once

#include "host/classes/Component.h"

#include <algorithm>
#include <vector>

class TEventLog : public host::TObject {
    ZT_CLASS(TEventLog, host::TObject)
public:
    std::vector<host::String> Events;
    // The answer OnChanging / a tab set's OnChange give.
    bool AllowChange = true;

    void Click(host::TObject* Sender) { Add("click", Sender); }
    void Change(host::TObject* Sender) { Add("change", Sender); }
    void Resize(host::TObject* Sender) { Add("resize", Sender); }
    void Popup(host::TObject* Sender) { Add("popup", Sender); }
    void Activate(host::TObject* Sender) { Add("activate", Sender); }
    void Changing(host::TObject* Sender, bool& Allow) {
        Add("changing", Sender);
        Allow = AllowChange;
    }
    void TabChange(host::TObject*, int NewTab, bool& Allow) {
        Events.push_back("change " + std::to_string(NewTab));
        Allow = AllowChange;
    }
    int Count(const host::String& Event) const {
        return static_cast<int>(std::count(Events.begin(), Events.end(), Event));
    }

private:
    void Add(const char* What, host::TObject* Sender) {
        const auto* C = host::As<host::TComponent>(Sender);
        Events.push_back(host::String(What) + (C ? " " + C->Name() : ""));
    }
};
