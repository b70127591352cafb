// Apply by path against the walk: random forms and random translation lists, each applied to
// two forms built alike, once through the walk (a no-op component handler forces it) and once
// by path; form state, saved texts, errors and the order of the writes must be the same.
#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/classes/Collection.h"
#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

#include <random>

using namespace zantor;

namespace {

// The writes of the test classes' setters, in order.
std::vector<String> WriteLog;

class TPart : public host::TCollectionItem {
    ZT_CLASS(TPart, host::TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    String FText = "part";
    const String& Text() const { return FText; }
    void SetText(const String& V) {
        WriteLog.push_back("part " + std::to_string(Index()) + " " + V);
        FText = V;
    }
};

class TSub : public host::TPersistent {
    ZT_CLASS(TSub, host::TPersistent)
public:
    String FWord = "sub";
    Integer FNumber = 1;
    const String& Word() const { return FWord; }
    void SetWord(const String& V) {
        WriteLog.push_back("sub word " + V);
        FWord = V;
    }
    Integer Number() const { return FNumber; }
    void SetNumber(Integer V) {
        WriteLog.push_back("sub number " + std::to_string(V));
        FNumber = V;
    }
};

class TNode : public host::TComponent {
    ZT_CLASS(TNode, host::TComponent)
public:
    explicit TNode(TComponent* AOwner)
        : TComponent(AOwner), FLines(std::make_unique<host::TStringList>()),
          FParts(std::make_unique<host::TCollection>(TPart::StaticClass())),
          FSub(std::make_unique<TSub>()) {}
    String FText = "node";
    Integer FCount = 0;
    TComponent* FNext = nullptr;
    std::unique_ptr<host::TStringList> FLines;
    std::unique_ptr<host::TCollection> FParts;
    std::unique_ptr<TSub> FSub;

    const String& Text() const { return FText; }
    void SetText(const String& V) {
        WriteLog.push_back(Name() + ".Text " + V);
        if (V == "boom") throw host::Exception("No boom on " + Name());
        FText = V;
    }
    Integer Count() const { return FCount; }
    void SetCount(Integer V) {
        WriteLog.push_back(Name() + ".Count " + std::to_string(V));
        FCount = V;
    }
    host::TStrings* Lines() const { return FLines.get(); }
    void SetLines(host::TStrings* V) { FLines->Assign(V); }
    host::TCollection* Parts() const { return FParts.get(); }
    void SetParts(host::TCollection*) {}
    TSub* Sub() const { return FSub.get(); }
    void SetSub(TSub*) {}
    String Fixed() const { return "fixed"; }

protected:
    void Notification(TComponent* AComponent, host::TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == host::opRemove && AComponent == FNext) FNext = nullptr;
    }
};

class TWalkForcer : public TObject {
    ZT_CLASS(TWalkForcer, TObject)
public:
    void Component(TObject*, TComponent*, TStrings*, bool&) {}
    void Form(TObject*, TStrings*, bool&) { WriteLog.push_back("form event"); }
    void Done(TObject*, TStrings*) { WriteLog.push_back("done event"); }
    void Quiet(TObject*, TStrings*) {}
};

} // namespace

TClass TPart::StaticClass() {
    static const TClassInfo Info =
        TClassBuilder<TPart>("TPart").Prop("Text", &TPart::Text, &TPart::SetText);
    return &Info;
}
TClass TSub::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TSub>("TSub")
                                       .Prop("Word", &TSub::Word, &TSub::SetWord)
                                       .Prop("Number", &TSub::Number, &TSub::SetNumber);
    return &Info;
}
TClass TNode::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TNode>("TNode")
                                       .Prop("Text", &TNode::Text, &TNode::SetText)
                                       .Prop("Next", &TNode::FNext, &TNode::FNext)
                                       .Prop("Lines", &TNode::Lines, &TNode::SetLines)
                                       .Prop("Count", &TNode::Count, &TNode::SetCount)
                                       .Prop("Parts", &TNode::Parts, &TNode::SetParts)
                                       .Prop("Sub", &TNode::Sub, &TNode::SetSub)
                                       .Prop("Fixed", &TNode::Fixed);
    return &Info;
}
TClass TWalkForcer::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWalkForcer>("TWalkForcer");
    return &Info;
}

namespace {

// A form of nodes (with lists, collections, sub-objects and references that make cycles),
// buttons, labels and memos, some without a name; the same seed builds the same form.
host::TForm* RandomForm(unsigned Seed, bool MdiChild, const char* Side) {
    std::mt19937 Rng(Seed);
    auto Pick = [&](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
    auto* Form = new host::TForm(host::Application);
    Form->SetName(String(Side) + std::to_string(Seed));
    Form->SetCaption("Form");
    if (MdiChild) Form->SetFormStyle(host::fsMDIChild);
    int Count = 2 + Pick(8);
    std::vector<TNode*> Nodes;
    for (int i = 0; i < Count; ++i) {
        String Name = Pick(8) == 0 ? String() : "C" + std::to_string(i);
        switch (Pick(4)) {
        case 0: {
            auto* B = new host::TButton(Form);
            B->SetName(Name);
            B->SetCaption("button " + std::to_string(i));
            B->SetParent(Form);
            break;
        }
        case 1: {
            auto* L = new host::TLabel(Form);
            L->SetName(Name);
            L->SetCaption("label " + std::to_string(i));
            L->SetParent(Form);
            break;
        }
        case 2: {
            auto* M = new host::TMemo(Form);
            M->SetName(Name);
            M->SetParent(Form);
            for (int k = Pick(4); k > 0; --k)
                M->Lines()->Add("line " + std::to_string(k));
            break;
        }
        default: {
            auto* N = new TNode(Form);
            N->SetName(Name);
            N->FText = "node " + std::to_string(i);
            for (int k = Pick(4); k > 0; --k)
                N->FLines->Add("item " + std::to_string(k));
            for (int k = Pick(4); k > 0; --k)
                static_cast<TPart*>(N->FParts->Add())->FText = "part " + std::to_string(k);
            Nodes.push_back(N);
        }
        }
    }
    for (TNode* N : Nodes)
        if (Pick(2) == 0) N->FNext = Form->Components(Pick(Form->ComponentCount()));
    return Form;
}

// Lines for the paths the form has (random texts; a bad number or identifier now and then),
// paths it lacks, out-of-range and badly written indices, deeper paths, duplicate keys, lines
// without "=", and system-menu entries.
std::vector<String> RandomLines(TFormTranslator* Probe, unsigned Seed) {
    std::mt19937 Rng(Seed);
    auto Pick = [&](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
    host::TStringList Collected;
    if (!Probe->TranslateForm(&Collected, true)) return {};
    std::vector<String> Lines;
    const bool Faulty = Pick(4) == 0; // a list with a bad number or identifier here and there
    for (int i = 0; i < Collected.Count(); ++i) {
        const String& L = Collected.Strings(i);
        String Key = L.substr(0, L.find('='));
        String Value = L.substr(L.find('=') + 1);
        // The form's own name and visibility stay: the two forms of a test keep their names
        // apart, and only the active MDI child is visible.
        if (Key == "Name" || Key == "Visible" || Key.starts_with(Probe->Name() + ".") ||
            Pick(3) != 0)
            continue;
        String Word = "w" + std::to_string(Pick(1000));
        bool Text = Value.starts_with("'") || Value.starts_with("#");
        if (Text)
            Value = Pick(10) == 0 ? "''" : "'" + Word + "'";
        else if (!Value.empty() &&
                 (std::isdigit(static_cast<unsigned char>(Value[0])) || Value[0] == '-'))
            Value = Faulty && Pick(20) == 0 ? "x1" : std::to_string(Pick(50));
        else if (Faulty && Pick(20) == 0)
            Value = "bogus";
        Lines.push_back(Key + "=" + Value);
        if (Pick(15) == 0)
            Lines.push_back(Key + "=" + (Text ? "'again'" : Value)); // a second line of the key
        if (Pick(15) == 0) Lines.push_back(Key + ".Deeper='d'");
    }
    const char* Extra[] = {"Nothing.Here='x'",
                           "C1.Lines[9]='far'",
                           "C1.Lines[01]='zero'",
                           "C1.Parts[0].Text='p'",
                           "C2.Parts[1].Text='p'",
                           "C3.Next.Text='n'",
                           "C3.Next.Next.Text='nn'",
                           "C1.Sub.Word='s'",
                           "C2.Sub.Number=5",
                           "C1.Fixed='no'",
                           "C1.Lines[0]='first'",
                           "SystemMenuClose='&Fermer'",
                           "SystemMenuNextWindow='Suivante'",
                           "SystemMenuMove=''",
                           "C1",
                           "C4.Lines[-1]='neg'",
                           "C2.Font.Name='Arial'",
                           "Font.Size=12",
                           "C5.Parts[0]='whole item'",
                           "C3.Text='t'"};
    for (const char* E : Extra)
        if (Pick(3) == 0) Lines.push_back(E);
    return Lines;
}

struct TSide {
    host::TForm* Form = nullptr;
    TFormTranslator* First = nullptr;
    TFormTranslator* Second = nullptr;
    TFormTranslator* Probe = nullptr;
    std::vector<String> Log;
    String Error;
};

TFormTranslator* AddTranslator(host::TForm* Form, const char* Name, Integer Locale,
                               const std::vector<String>& Lines, TWalkForcer* Forcer, bool Walk) {
    auto* T = new TFormTranslator(Form);
    T->SetName(Name);
    T->SetLocale(Locale);
    T->SetTranslate(false);
    for (const String& L : Lines)
        T->Translations()->SortInsert(L);
    T->SetOnTranslateForm(Zft::TTranslateFormEvent(Forcer, &TWalkForcer::Form));
    T->SetOnFormTranslated(Zft::TTranslatedEvent(Forcer, &TWalkForcer::Done));
    if (Walk)
        T->SetOnTranslateComponent(Zft::TTranslateComponentEvent(Forcer, &TWalkForcer::Component));
    return T;
}

// One side's random form of Seed, with a probe that collects what the form shows.
void BuildForm(TSide& S, unsigned Seed, bool Mdi, const char* Side) {
    S.Form = RandomForm(Seed, Mdi, Side);
    S.Probe = new TFormTranslator(S.Form);
    S.Probe->SetName("Probe");
    S.Probe->SetTranslate(false);
}

// The two sides of a test, built alike from Seed: a random form with a probe, and the
// translators First and Second of two random lists (the walk side forced to walk).
void BuildSides(TSide& Walk, TSide& Path, unsigned Seed, bool Mdi, TWalkForcer& Forcer) {
    BuildForm(Walk, Seed, Mdi, "Walk");
    BuildForm(Path, Seed, Mdi, "Path");
    std::vector<String> First = RandomLines(Walk.Probe, Seed * 2);
    std::vector<String> Second = RandomLines(Walk.Probe, Seed * 2 + 1);
    for (TSide* S : {&Walk, &Path}) {
        S->First = AddTranslator(S->Form, "First", 1036, First, &Forcer, S == &Walk);
        S->Second = AddTranslator(S->Form, "Second", 1031, Second, &Forcer, S == &Walk);
    }
}

String Snapshot(const TSide& S) {
    host::TStringList Out;
    if (!S.Probe->TranslateForm(&Out, true)) return "refused";
    String Text;
    for (int i = 0; i < Out.Count(); ++i)
        if (!Out.Strings(i).starts_with("First.") && !Out.Strings(i).starts_with("Second.") &&
            !Out.Strings(i).starts_with("Name=") && !Out.Strings(i).starts_with("Visible="))
            Text += Out.Strings(i) + "\n";
    return Text;
}

String Saved(const TFormTranslator* T) {
    String Text = T->IsTranslated() ? "translated\n" : "not translated\n";
    for (int i = 0; i < T->SavedTexts()->Count(); ++i)
        Text += T->SavedTexts()->Line(i) + " @" +
                std::to_string(ObjectToInt(T->SavedTexts()->Objects(i))) + "\n";
    return Text;
}

template <class F> void Step(TSide& S, F Action) {
    WriteLog.clear();
    S.Error.clear();
    try {
        Action();
    } catch (const host::Exception& E) {
        S.Error = E.Message();
    }
    S.Log = WriteLog;
}

} // namespace

TEST(FormTranslatorPaths, ApplyByPathDoesWhatTheWalkDoes) {
    RegisterTranslatorClasses();
    host::TApplicationScope App;
    host::TForm* Frame = nullptr; // MDI children need a frame
    host::Application->CreateForm(Frame);
    Frame->SetName("Frame");
    Frame->SetFormStyle(host::fsMDIForm);
    Frame->Show();
    TWalkForcer Forcer;
    int Applied = 0, Errors = 0;
    for (unsigned Seed = 1; Seed <= 120; ++Seed) {
        bool Mdi = Seed % 7 == 0;
        TSide Walk, Path;
        BuildSides(Walk, Path, Seed, Mdi, Forcer);
        // Objects of the lines travel into the saved texts.
        for (TSide* S : {&Walk, &Path})
            for (int i = 0; i < S->First->Translations()->Count(); ++i)
                S->First->Translations()->PutObject(i, IntToObject(i + 1));
        ASSERT_EQ(Snapshot(Walk), Snapshot(Path)) << "seed " << Seed;
        auto Compare = [&](const char* What) {
            EXPECT_EQ(Walk.Error, Path.Error) << What << ", seed " << Seed;
            EXPECT_EQ(Walk.Log, Path.Log) << What << ", seed " << Seed;
            EXPECT_EQ(Snapshot(Walk), Snapshot(Path)) << What << ", seed " << Seed;
            EXPECT_EQ(Saved(Walk.First), Saved(Path.First)) << What << ", seed " << Seed;
            EXPECT_EQ(Saved(Walk.Second), Saved(Path.Second)) << What << ", seed " << Seed;
            EXPECT_EQ(Walk.First->Translate(), Path.First->Translate())
                << What << ", seed " << Seed;
            EXPECT_EQ(Walk.Second->Translate(), Path.Second->Translate())
                << What << ", seed " << Seed;
        };
        for (TSide* S : {&Walk, &Path})
            Step(*S, [&] { S->First->SetTranslate(true); });
        Compare("first on");
        Applied += Walk.Error.empty();
        Errors += !Walk.Error.empty();
        for (TSide* S : {&Walk, &Path})
            Step(*S, [&] { S->Second->SetTranslate(true); });
        Compare("switch to second");
        for (TSide* S : {&Walk, &Path})
            Step(*S, [&] { S->Second->SetTranslate(false); });
        Compare("second off");
        for (TSide* S : {&Walk, &Path}) {
            Step(*S, [&] { S->First->SetTranslate(true); });
            S->Form->Free();
        }
        if (HasFailure()) break;
    }
    EXPECT_GT(Applied, 40); // most lists apply without a conversion error
    EXPECT_GT(Errors, 5);   // and the error path is exercised too
}

namespace {

// One change of the form or of a list between two switches, done alike on both sides: what a
// kept resolution depends on (names, components, their order, list lengths, references,
// collection items, the lines themselves and their objects).
void ChangeForm(TSide& S, unsigned Seed, int Round) {
    std::mt19937 Rng(Seed * 31 + static_cast<unsigned>(Round));
    auto Pick = [&](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
    host::TForm* Form = S.Form;
    auto Named = [&](int i) { return Form->FindComponent("C" + std::to_string(i)); };
    TComponent* C = Named(Pick(10));
    switch (Pick(10)) {
    case 0: // a new name, maybe one the lines use, maybe only in another case
        if (C) {
            String Name = Pick(2) ? "C" + std::to_string(Pick(12)) : "c" + C->Name().substr(1);
            if (!Form->FindComponent(Name) || host::SameText(Name, C->Name())) C->SetName(Name);
        }
        break;
    case 1:
        if (C) C->Free();
        break;
    case 2: { // a component the lines may name
        String Name = "C" + std::to_string(Pick(12));
        if (!Form->FindComponent(Name)) {
            auto* N = new TNode(Form);
            N->SetName(Name);
            N->FLines->Add("new item");
        }
        break;
    }
    case 3:
        if (auto* M = host::As<host::TMemo>(C)) {
            if (M->Lines()->Count() > 0 && Pick(2))
                M->Lines()->Delete(0);
            else
                M->Lines()->Add("more");
        } else if (auto* N = host::As<TNode>(C)) {
            N->FLines->Add("more");
        }
        break;
    case 4:
        if (auto* N = host::As<TNode>(C))
            N->FNext = Pick(3) ? Form->Components(Pick(Form->ComponentCount())) : nullptr;
        break;
    case 5:
        if (auto* N = host::As<TNode>(C)) {
            if (N->FParts->Count() > 0 && Pick(2))
                N->FParts->Delete(0);
            else
                static_cast<TPart*>(N->FParts->Add())->FText = "added";
        }
        break;
    case 6:
        if (C) C->SetComponentIndex(Pick(Form->ComponentCount()));
        break;
    case 7: { // a line changed in place, or one more line
        TSortList* L = (Pick(2) ? S.First : S.Second)->Translations();
        if (L->Count() > 0 && Pick(2))
            L->Put(Pick(L->Count()), "C" + std::to_string(Pick(10)) + ".Text='edited'");
        else
            L->SortInsert("C" + std::to_string(Pick(10)) + ".Lines[0]='inserted'");
        break;
    }
    case 8: { // other objects on the same lines
        TSortList* L = (Pick(2) ? S.First : S.Second)->Translations();
        for (int i = 0; i < L->Count(); ++i)
            L->PutObject(i, IntToObject(Round * 100 + i));
        break;
    }
    default: // nothing: the kept resolution serves again
        break;
    }
}

} // namespace

// Switching back and forth while the form changes in between: each apply and restore by path
// must still do what the walk does, on the resolution it kept or on a new one. Without form
// handlers, so that the saved texts are restored in place.
TEST(FormTranslatorPaths, SwitchingAgainFollowsChangesOfTheForm) {
    RegisterTranslatorClasses();
    host::TApplicationScope App;
    TWalkForcer Forcer;
    for (unsigned Seed = 1; Seed <= 60; ++Seed) {
        TSide Walk, Path;
        BuildSides(Walk, Path, Seed, false, Forcer);
        for (TSide* S : {&Walk, &Path})
            for (TFormTranslator* T : {S->First, S->Second}) {
                T->SetOnTranslateForm({});
                T->SetOnFormTranslated({});
            }
        for (int Round = 0; Round < 12; ++Round) {
            TFormTranslator* TSide::*Next = Round % 2 ? &TSide::Second : &TSide::First;
            for (TSide* S : {&Walk, &Path})
                Step(*S, [&] {
                    (S->*Next)->SetTranslate(true);
                    if (Round % 3 == 2) (S->*Next)->SetTranslate(false);
                });
            EXPECT_EQ(Walk.Error, Path.Error) << "seed " << Seed << ", round " << Round;
            EXPECT_EQ(Walk.Log, Path.Log) << "seed " << Seed << ", round " << Round;
            EXPECT_EQ(Snapshot(Walk), Snapshot(Path)) << "seed " << Seed << ", round " << Round;
            EXPECT_EQ(Saved(Walk.First), Saved(Path.First))
                << "seed " << Seed << ", round " << Round;
            EXPECT_EQ(Saved(Walk.Second), Saved(Path.Second))
                << "seed " << Seed << ", round " << Round;
            for (TSide* S : {&Walk, &Path})
                ChangeForm(*S, Seed, Round);
            if (HasFailure()) break;
        }
        for (TSide* S : {&Walk, &Path})
            S->Form->Free();
        if (HasFailure()) break;
    }
}

namespace {

// Lines of the keys of Lines with other values: texts, now and then an empty one or one that a
// setter refuses ("boom"), and other numbers.
std::vector<String> OtherLanguage(const std::vector<String>& Lines, unsigned Seed) {
    std::mt19937 Rng(Seed);
    auto Pick = [&](int N) { return static_cast<int>(Rng() % static_cast<unsigned>(N)); };
    std::vector<String> Other;
    for (const String& L : Lines) {
        const std::size_t Eq = L.find('=');
        if (Eq == String::npos) {
            Other.push_back(L);
            continue;
        }
        const String Value = L.substr(Eq + 1);
        String New = "'o" + std::to_string(Pick(1000)) + "'";
        if (Value.empty() || Value[0] != '\'')
            New = std::isdigit(static_cast<unsigned char>(Value.empty() ? 'x' : Value[0]))
                      ? std::to_string(Pick(50))
                      : Value;
        else if (Pick(25) == 0)
            New = "''";
        else if (Pick(40) == 0)
            New = "'boom'";
        Other.push_back(L.substr(0, Eq + 1) + New);
    }
    return Other;
}

} // namespace

// Switching between two translators of the same paths: the one switched on takes the other's
// saved design texts over and writes its own texts only. Against the whole switch (a handler
// on both translators makes it restore and apply): the same form, saved texts and errors, and
// the writes the same as the whole switch's last ones.
TEST(FormTranslatorPaths, SwitchingToTheSamePathsEndsAsTheWholeSwitch) {
    RegisterTranslatorClasses();
    host::TApplicationScope App;
    TWalkForcer Forcer;
    int TakenOver = 0;
    for (unsigned Seed = 1; Seed <= 80; ++Seed) {
        TSide Whole, Taking;
        BuildForm(Whole, Seed, false, "Whole");
        BuildForm(Taking, Seed, false, "Taking");
        // Mostly lists of texts only (values of other kinds go the whole way: sizes and their
        // limits change with each other).
        std::vector<String> First = RandomLines(Whole.Probe, Seed * 2);
        if (Seed % 5 != 0)
            std::erase_if(First, [](const String& L) {
                const std::size_t Eq = L.find('=');
                return L.starts_with("C1.Fixed=") || // read-only
                       (Eq != String::npos && Eq + 1 < L.size() && L[Eq + 1] != '\'' &&
                        L[Eq + 1] != '#');
            });
        const std::vector<String> Second = OtherLanguage(First, Seed * 3);
        const bool EmptyFirst = Seed % 3 == 0, EmptySecond = Seed % 4 == 0;
        for (TSide* S : {&Whole, &Taking}) {
            S->First = AddTranslator(S->Form, "First", 1036, First, &Forcer, false);
            S->Second = AddTranslator(S->Form, "Second", 1031, Second, &Forcer, false);
            S->First->SetTranslateEmpty(EmptyFirst);
            S->Second->SetTranslateEmpty(EmptySecond);
            for (TFormTranslator* T : {S->First, S->Second}) {
                T->SetOnTranslateForm({});
                T->SetOnFormTranslated(S == &Whole
                                           ? Zft::TTranslatedEvent(&Forcer, &TWalkForcer::Quiet)
                                           : Zft::TTranslatedEvent());
            }
        }
        // Switched off in between, the one switched on next compares with the texts the other
        // kept.
        const std::pair<TFormTranslator * TSide::*, bool> Switches[] = {
            {&TSide::First, true},  {&TSide::Second, true},  {&TSide::First, true},
            {&TSide::Second, true}, {&TSide::First, true},   {&TSide::First, false},
            {&TSide::Second, true}, {&TSide::Second, false}, {&TSide::First, true},
            {&TSide::Second, true}, {&TSide::Second, false}};
        int Round = 0;
        for (const auto& [Which, On] : Switches) {
            for (TSide* S : {&Whole, &Taking})
                Step(*S, [&] { (S->*Which)->SetTranslate(On); });
            const String Where =
                "seed " + std::to_string(Seed) + ", switch " + std::to_string(Round++);
            EXPECT_EQ(Whole.Error, Taking.Error) << Where;
            EXPECT_EQ(Snapshot(Whole), Snapshot(Taking)) << Where;
            EXPECT_EQ(Saved(Whole.First), Saved(Taking.First)) << Where;
            EXPECT_EQ(Saved(Whole.Second), Saved(Taking.Second)) << Where;
            EXPECT_EQ(Whole.First->Translate(), Taking.First->Translate()) << Where;
            EXPECT_EQ(Whole.Second->Translate(), Taking.Second->Translate()) << Where;
            if (Whole.Error.empty()) {
                ASSERT_LE(Taking.Log.size(), Whole.Log.size()) << Where;
                EXPECT_TRUE(std::equal(Taking.Log.rbegin(), Taking.Log.rend(), Whole.Log.rbegin()))
                    << Where;
                TakenOver += Taking.Log.size() < Whole.Log.size();
            }
        }
        for (TSide* S : {&Whole, &Taking})
            S->Form->Free();
        if (HasFailure()) break;
    }
    // Switches that took over with fewer writes of the test classes (the only ones logged).
    EXPECT_GT(TakenOver, 15);
}

// A setter that fails while the new language writes over the other's texts: the form ends as
// the whole switch leaves it (the texts before the failure written, the rest at their design
// texts), with the design texts saved until the failure, as the whole switch saves them.
TEST(FormTranslatorPaths, AFailedWriteAfterTakingOverEndsAsTheWholeSwitch) {
    RegisterTranslatorClasses();
    host::TApplicationScope App;
    TWalkForcer Forcer;
    String Ends[2];
    for (bool Whole : {true, false}) {
        auto* Form = new host::TForm(host::Application);
        Form->SetName(Whole ? "WholeForm" : "TakingForm");
        auto* Button = new host::TButton(Form);
        Button->SetName("B");
        Button->SetCaption("design caption");
        auto* Node = new TNode(Form);
        Node->SetName("N");
        Node->FLines->Add("design item");
        auto* First = AddTranslator(Form, "First", 1036,
                                    {"B.Caption='eins'", "N.Text='zwei'", "N.Lines[0]='drei'"},
                                    &Forcer, false);
        auto* Second = AddTranslator(Form, "Second", 1031,
                                     {"B.Caption='un'", "N.Text='boom'", "N.Lines[0]='trois'"},
                                     &Forcer, false);
        for (TFormTranslator* T : {First, Second}) {
            T->SetOnTranslateForm({});
            T->SetOnFormTranslated(Whole ? Zft::TTranslatedEvent(&Forcer, &TWalkForcer::Quiet)
                                         : Zft::TTranslatedEvent());
        }
        First->SetTranslate(true);
        ASSERT_EQ(Node->FText, "zwei");
        WriteLog.clear();
        EXPECT_THROW(Second->SetTranslate(true), host::Exception);
        if (!Whole) { // only the failed write and the design texts put back after it
            EXPECT_EQ(WriteLog, (std::vector<String>{"N.Text boom", "N.Text node"}));
        }
        EXPECT_EQ(Button->Caption(), "un");
        EXPECT_EQ(Node->FText, "node");
        EXPECT_EQ(Node->FLines->Strings(0), "design item");
        EXPECT_FALSE(Second->IsTranslated());
        EXPECT_TRUE(Second->Translate());
        EXPECT_FALSE(First->Translate());
        Ends[Whole] = Saved(First) + Saved(Second);
        Form->Free();
    }
    EXPECT_EQ(Ends[0], Ends[1]);
    EXPECT_EQ(Ends[1], "not translated\nnot translated\nB.Caption='design caption' @0\n"
                       "N.Text='node' @0\n");
}
