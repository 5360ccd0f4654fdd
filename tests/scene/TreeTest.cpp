// The node tree: ownership, order, re-parenting, cached matrices, copying frames.
#include "platform/scene/Scene.h"
#include "util/Errors.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
std::string Names(const SceneNode& n) {
    std::string s;
    for (auto& c : n.Children()) s += (s.empty() ? "" : ",") + c->Name();
    return s;
}
void ExpectVec(const Vec3& got, const Vec3& want, const std::string& what) {
    EXPECT_NEAR(got.x, want.x, 1e-4f) << what;
    EXPECT_NEAR(got.y, want.y, 1e-4f) << what;
    EXPECT_NEAR(got.z, want.z, 1e-4f) << what;
}
} // namespace

TEST(Tree, ChildOrderInsertFirstAndMoveWithinTheList) {
    Scene scene;
    SceneNode& root = scene.Root();
    root.Add<SceneNode>("a");
    root.Add<SceneNode>("b");
    root.Add<SceneNode>("c");
    auto* t = root.AddFirst<TerrainNode>("terrain");
    EXPECT_EQ(Names(root), "terrain,a,b,c");
    t->MoveDown();
    t->MoveDown(); // two places later: the third child
    EXPECT_EQ(Names(root), "a,b,terrain,c");
    EXPECT_EQ(t->IndexInParent(), 2u);
    t->SetIndexInParent(99);
    EXPECT_EQ(Names(root), "a,b,c,terrain");
    t->SetIndexInParent(0);
    t->MoveUp();
    EXPECT_EQ(Names(root), "terrain,a,b,c");
    EXPECT_EQ(root.FindByName("b"), root.Child(2));
}

TEST(Tree, NodesMadeAloneAreAttachedLaterAndMastersBelongToNobody) {
    Scene scene;
    auto group = MakeNode<SceneNode>("group");
    auto* child = group->Add<SceneNode>("child");
    child->SetPosition(1, 0, 0);
    group->SetPosition(0, 5, 0);
    ExpectVec(child->AbsolutePosition(), {1, 5, 0}, "before attaching");
    SceneNode* g = scene.Root().Adopt(std::move(group));
    EXPECT_EQ(g->Parent(), &scene.Root());
    scene.Root().SetPosition(10, 0, 0);
    ExpectVec(child->AbsolutePosition(), {11, 5, 0}, "after attaching under a moved root");

    auto master = MakeNode<FreeFormNode>("passenger");
    auto* seat = g->Add<ProxyNode>("seat", master.get());
    EXPECT_EQ(seat->Master(), master.get());
    EXPECT_EQ(master->Parent(), nullptr);
}

TEST(Tree, AbsoluteMatricesFollowEveryChangeAbove) {
    SceneNode root;
    auto* a = root.Add<SceneNode>("a");
    auto* b = a->Add<SceneNode>("b");
    auto* c = b->Add<SceneNode>("c");
    c->SetPosition(0, 0, 1);
    ExpectVec(c->AbsolutePosition(), {0, 0, 1}, "start");
    a->SetPosition(5, 0, 0);
    ExpectVec(c->AbsolutePosition(), {5, 0, 1}, "after moving the grandparent");
    b->Turn(90);
    ExpectVec(c->AbsolutePosition(), {6, 0, 0}, "after turning the parent");
    ExpectVec(b->AbsolutePosition(), {5, 0, 0}, "parent");
    a->SetScale(2);
    ExpectVec(c->AbsolutePosition(), {7, 0, 0}, "after scaling the grandparent");
}

TEST(Tree, ReparentingKeepsTheLocalFrameAndRefusesCycles) {
    SceneNode root;
    auto* busRoot = root.Add<SceneNode>("bus");
    auto* trailer = root.Add<SceneNode>("trailer");
    busRoot->SetPosition(1, 0, 0);
    trailer->SetPosition(0, 0, 10);
    auto* lamp = busRoot->Add<SpriteNode>("lamp");
    lamp->SetPosition(0, 1, 0);
    lamp->MoveTo(trailer);
    EXPECT_EQ(lamp->Parent(), trailer);
    EXPECT_EQ(busRoot->ChildCount(), 0u);
    ExpectVec(lamp->AbsolutePosition(), {0, 1, 10}, "under the trailer");
    auto* deep = lamp->Add<SceneNode>("deep");
    trailer->MoveTo(deep); // would make a cycle: refused
    EXPECT_EQ(trailer->Parent(), &root);
    EXPECT_EQ(root.ChildCount(), 2u);
    EXPECT_THROW(deep->Adopt(nullptr), ERangeError);
}

TEST(Tree, DestroyRemovesTheSubtree) {
    SceneNode root;
    auto* a = root.Add<SceneNode>("a");
    a->Add<SceneNode>("a1");
    root.Add<SceneNode>("b");
    a->Destroy();
    EXPECT_EQ(Names(root), "b");
    SceneNode lone;
    EXPECT_THROW(lone.Destroy(), ERangeError);
}

TEST(Tree, CopyAbsoluteLandsOnAnotherNodeWhateverTheParents) {
    SceneNode world;
    auto* p1 = world.Add<SceneNode>("p1");
    p1->SetPosition(3, 0, 0);
    p1->Turn(90);
    auto* src = p1->Add<SceneNode>("src");
    src->SetPosition(0, 1, 2);
    src->Pitch(30);
    auto* p2 = world.Add<SceneNode>("p2");
    p2->SetPosition(-4, 2, 1);
    p2->Roll(45);
    auto* dst = p2->Add<SceneNode>("dst");
    dst->CopyAbsoluteFrom(*src);
    ExpectVec(dst->AbsolutePosition(), src->AbsolutePosition(), "position");
    ExpectVec(dst->AbsoluteDirection(), src->AbsoluteDirection(), "direction");
    ExpectVec(dst->AbsoluteUp(), src->AbsoluteUp(), "up");

    SceneNode copy;
    src->SetScale(2, 2, 2);
    copy.CopyTransformFrom(*src);
    ExpectVec(copy.Position(), src->Position(), "local position");
    ExpectVec(copy.Scale(), {2, 2, 2}, "scale");
    ExpectVec(copy.Direction(), src->Direction(), "local direction");
}

TEST(Tree, VisibilityIsInheritedAndBlendedChildrenFlagged) {
    SceneNode root;
    auto* a = root.Add<SceneNode>("a");
    auto* b = a->Add<HudSpriteNode>("b");
    EXPECT_TRUE(b->VisibleInTree());
    a->Hide();
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(b->VisibleInTree());
    a->Show();
    EXPECT_TRUE(b->VisibleInTree());
    root.SetBlendedChildrenLast(true);
    EXPECT_TRUE(root.BlendedChildrenLast());
    EXPECT_EQ(b->Kind(), NodeKind::HudSprite);
    EXPECT_STREQ(NodeKindName(b->Kind()), "HUD sprite");
}
