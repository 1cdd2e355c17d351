#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vcl;

namespace {

// Records every notice it receives and drops its reference when the referenced one goes.
class Watcher : public TComponent
{
public:
    using TComponent::TComponent;
    ~Watcher() override { BeforeDestruction(); }

    TComponent* Ref { nullptr };
    std::vector<std::pair<TComponent*, TOperation>>* Log { nullptr };

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Log)
            Log->push_back({ AComponent, Operation });
        if (Operation == TOperation::opRemove && AComponent == Ref)
            Ref = nullptr;
    }
};

class Tracked : public TComponent
{
public:
    Tracked(TComponent* owner, std::vector<std::string>& freed, std::string tag)
        : TComponent(owner), m_freed(freed), m_tag(std::move(tag))
    {
    }
    ~Tracked() override { m_freed.push_back(m_tag); }

private:
    std::vector<std::string>& m_freed;
    std::string m_tag;
};

class TFoo : public TPersistent {};
class TBar : public TPersistent {};

} // namespace

TEST(Component, OwnerFreesOwnedLastFirstAndNestedOnes)
{
    std::vector<std::string> freed;
    auto* root = new TComponent(nullptr);
    auto* a = new Tracked(root, freed, "a");
    new Tracked(a, freed, "a.1");
    new Tracked(root, freed, "b");
    EXPECT_EQ(root->ComponentCount(), 2);
    EXPECT_EQ(a->Owner(), root);
    delete root;
    EXPECT_EQ(freed, (std::vector<std::string> { "b", "a", "a.1" }));
}

TEST(Component, FreeingAnOwnedComponentLeavesTheOwnerList)
{
    TComponent root(nullptr);
    auto* a = new TComponent(&root);
    auto* b = new TComponent(&root);
    delete a;
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), b);
    EXPECT_EQ(b->ComponentIndex(), 0);
    EXPECT_THROW(root.Components(1), EListError);
}

TEST(Component, FreeNotificationReportsAFreedComponentAcrossOwners)
{
    TComponent formA(nullptr);
    TComponent formB(nullptr);
    std::vector<std::pair<TComponent*, TOperation>> log;
    auto* watcher = new Watcher(&formA);
    watcher->Log = &log;
    auto* target = new TComponent(&formB);
    watcher->Ref = target;
    target->FreeNotification(watcher);

    delete target;
    EXPECT_EQ(watcher->Ref, nullptr);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().second, TOperation::opRemove);

    // The watcher forgot the freed one: freeing the watcher touches nothing stale (ASan checks).
    delete watcher;
}

TEST(Component, RemovedFreeNotificationIsNotReported)
{
    TComponent formA(nullptr);
    TComponent formB(nullptr);
    auto* watcher = new Watcher(&formA);
    auto* target = new TComponent(&formB);
    watcher->Ref = target;
    target->FreeNotification(watcher);
    target->RemoveFreeNotification(watcher);
    delete target;
    EXPECT_NE(watcher->Ref, nullptr); // not told
}

TEST(Component, OwnerTellsSiblingsOfInsertAndRemove)
{
    std::vector<std::pair<TComponent*, TOperation>> log; // outlives the form that logs into it
    TComponent form(nullptr);
    auto* watcher = new Watcher(&form);
    watcher->Log = &log;
    auto* other = new TComponent(&form);
    watcher->Ref = other;
    delete other;
    EXPECT_EQ(watcher->Ref, nullptr);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], std::make_pair(other, TOperation::opInsert));
    EXPECT_EQ(log[1], std::make_pair(other, TOperation::opRemove));
}

TEST(Component, SiblingsFreedByTheOwnerAreReported)
{
    // The owner frees the later-created sibling first; the watcher must hear of it.
    auto* form = new TComponent(nullptr);
    auto* watcher = new Watcher(form);
    auto* later = new TComponent(form);
    watcher->Ref = later;
    form->DestroyComponents();
    EXPECT_EQ(form->ComponentCount(), 0);
    delete form;
}

TEST(Component, DestroyingStateReachesOwnedComponents)
{
    struct Probe : TComponent
    {
        Probe(TComponent* o, bool& seen) : TComponent(o), m_seen(seen) {}
        ~Probe() override { m_seen = ComponentState().Contains(TComponentStateItem::csDestroying); }
        bool& m_seen;
    };
    bool seen = false;
    auto* form = new TComponent(nullptr);
    new Probe(form, seen);
    delete form;
    EXPECT_TRUE(seen);
}

TEST(Component, FindComponentIgnoresCase)
{
    TComponent form(nullptr);
    auto* edit = new TComponent(&form);
    edit->SetName("cvdGainInA");
    EXPECT_EQ(form.FindComponent("cvdGainInA"), edit);
    EXPECT_EQ(form.FindComponent("CVDGAININA"), edit);
    EXPECT_EQ(form.FindComponent("cvdgaininb"), nullptr);
    EXPECT_EQ(form.FindComponent(""), nullptr);
}

// The look-up follows every way a name comes and goes: renames, moving to another owner, freeing.
TEST(Component, FindComponentFollowsRenamesMovesAndFrees)
{
    TComponent form(nullptr), other(nullptr);
    auto* edit = new TComponent(&form);
    edit->SetName("edFreq");
    edit->SetName("edGain");
    EXPECT_EQ(form.FindComponent("EDFREQ"), nullptr);
    EXPECT_EQ(form.FindComponent("edgain"), edit);
    auto* freq = new TComponent(&form);
    freq->SetName("edFreq"); // the old name is free again
    EXPECT_EQ(form.FindComponent("edFreq"), freq);

    other.InsertComponent(edit);
    EXPECT_EQ(form.FindComponent("edGain"), nullptr);
    EXPECT_EQ(other.FindComponent("edGain"), edit);
    edit->SetName("");
    EXPECT_EQ(other.FindComponent("edGain"), nullptr);

    delete freq;
    EXPECT_EQ(form.FindComponent("edFreq"), nullptr);
    auto* again = new TComponent(&form);
    EXPECT_NO_THROW(again->SetName("EDFREQ")) << "a freed component's name is free";
}

TEST(Component, NamesAreIdentifiersAndUniqueWithoutCase)
{
    TComponent form(nullptr);
    auto* a = new TComponent(&form);
    auto* b = new TComponent(&form);
    a->SetName("lbTitle");
    try {
        b->SetName("LBTITLE");
        FAIL() << "duplicate accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named LBTITLE already exists");
    }
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    a->SetName("LBTitle"); // own name in another case is fine
    b->SetName("");
    EXPECT_EQ(b->Name(), "");
}

TEST(Component, InsertIntoAnotherOwnerMovesIt)
{
    TComponent f1(nullptr);
    TComponent f2(nullptr);
    auto* c = new TComponent(&f1);
    f2.InsertComponent(c);
    EXPECT_EQ(f1.ComponentCount(), 0);
    EXPECT_EQ(f2.ComponentCount(), 1);
    EXPECT_EQ(c->Owner(), &f2);
}

TEST(Component, LoadingFlagClearedByLoadedAndDesigningNeverSet)
{
    TComponent c(nullptr);
    c.Loading();
    EXPECT_TRUE(c.ComponentState().Contains(TComponentStateItem::csLoading));
    c.Loaded();
    EXPECT_FALSE(c.ComponentState().Contains(TComponentStateItem::csLoading));
    EXPECT_FALSE(c.ComponentState().Contains(TComponentStateItem::csDesigning));
}

TEST(Persistent, AssignErrorNamesBothClasses)
{
    TFoo foo;
    TBar bar;
    try {
        bar.Assign(&foo);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TFoo to a TBar");
    }
    try {
        bar.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TBar");
    }
    EXPECT_EQ(TComponent(nullptr).ClassName(), "TComponent");
}
