// Frames and angles: the conventions the bus, the city and the traffic rely on.
#include "platform/scene/Scene.h"

#include <gtest/gtest.h>

using namespace zw;

namespace {
void ExpectVec(const Vec3& got, const Vec3& want, const std::string& what) {
    EXPECT_NEAR(got.x, want.x, 1e-4f) << what;
    EXPECT_NEAR(got.y, want.y, 1e-4f) << what;
    EXPECT_NEAR(got.z, want.z, 1e-4f) << what;
}
// Where the node's local axes and origin land in the world.
void ExpectFrame(const SceneNode& n, Vec3 x, Vec3 y, Vec3 z, Vec3 origin, const std::string& what) {
    ExpectVec(n.LocalToWorld({0, 0, 0}), origin, what + " origin");
    ExpectVec(n.LocalToWorld({1, 0, 0}) - origin, x, what + " x");
    ExpectVec(n.LocalToWorld({0, 1, 0}) - origin, y, what + " y");
    ExpectVec(n.LocalToWorld({0, 0, 1}) - origin, z, what + " z");
}
} // namespace

TEST(Frames, BusRootMapsXToWorldXYToMinusZAndZUpInEitherOrder) {
    Scene scene;
    auto* a = scene.Root().Add<SceneNode>("up first");
    a->SetUp(0, 0, -1);
    a->SetDirection(0, 1, 0);
    auto* b = scene.Root().Add<SceneNode>("direction first");
    b->SetDirection(0, 1, 0);
    b->SetUp(0, 0, -1);
    for (SceneNode* n : {a, b}) {
        ExpectFrame(*n, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}, {0, 0, 0}, n->Name());
        ExpectVec(n->Up(), {0, 0, -1}, n->Name() + " up kept");
        ExpectVec(n->Direction(), {0, 1, 0}, n->Name() + " direction kept");
    }
    // Placed at X 15, Z -15 until the first frame.
    a->SetPosition(15, 0, -15);
    ExpectVec(a->LocalToWorld({2, 1, 0}), {17, 0, -16}, "2 forward, 1 left");
}

TEST(Frames, BodyNodeRolledMinus90UnderTheBusRoot) {
    // Bus frame x forward, y left, z up; body frame x right, y forward, z up.
    SceneNode root;
    root.SetUp(0, 0, -1);
    root.SetDirection(0, 1, 0);
    auto* body = root.Add<SceneNode>("body");
    body->SetRollAngle(-90);
    Vec3 o = root.LocalToWorld({0, 0, 0});
    ExpectVec(body->LocalToWorld({1, 0, 0}) - o, root.LocalToWorld({0, -1, 0}) - o, "body x is the bus's right");
    ExpectVec(body->LocalToWorld({0, 1, 0}) - o, root.LocalToWorld({1, 0, 0}) - o, "body y is forward");
    ExpectVec(body->LocalToWorld({0, 0, 1}) - o, {0, 1, 0}, "body z is up");
}

TEST(Frames, ModelsStandUprightThenRollAboutTheVertical) {
    SceneNode model;
    model.SetDirection(0, 1, 0);
    model.SetUp(0, 0, -1);
    ExpectFrame(model, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}, {0, 0, 0}, "upright");
    model.SetRollAngle(90);
    // Roll is about Direction, here world up; right-handed about +Y takes X to -Z.
    ExpectVec(model.LocalToWorld({1, 0, 0}), {0, 0, -1}, "model x after roll 90");
    ExpectVec(model.LocalToWorld({0, 1, 0}), {-1, 0, 0}, "model y after roll 90");
    ExpectVec(model.LocalToWorld({0, 0, 1}), {0, 1, 0}, "still upright");
}

TEST(Frames, TrafficBaseFrame) {
    // trbaza: origin (15, 0, -15), local X along -Z, local Y along -X, local Z up.
    Scene scene;
    auto* srsw = scene.Root().Add<SceneNode>("srsw");
    auto* trbaza = srsw->Add<SceneNode>("trbaza");
    trbaza->SetPosition(15, 0, -15);
    trbaza->SetDirection(0, 1, 0);
    trbaza->SetUp(-1, 0, 0);
    ExpectFrame(*trbaza, {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, {15, 0, -15}, "trbaza");
    // A car model under it, rolled about its own z (vertical here).
    auto* car = trbaza->Add<SceneNode>("car");
    car->SetPosition(2, 3, 0);
    ExpectVec(car->AbsolutePosition(), {12, 0, -17}, "car place");
    car->SetRollAngle(90);
    ExpectVec(car->LocalToWorld({1, 0, 0}) - car->AbsolutePosition(), {-1, 0, 0}, "car x after roll 90");
}

TEST(Frames, TurnPitchRollAreRightHandedAboutTheirAxes) {
    struct Case {
        const char* what;
        void (SceneNode::*op)(float);
        Vec3 dir, up;
    } cases[] = {
        {"turn 90 about up", &SceneNode::Turn, {1, 0, 0}, {0, 1, 0}},
        {"pitch 90 about x", &SceneNode::Pitch, {0, -1, 0}, {0, 0, 1}},
        {"roll 90 about direction", &SceneNode::Roll, {0, 0, 1}, {-1, 0, 0}},
    };
    for (auto& c : cases) {
        SceneNode n;
        (n.*c.op)(90);
        ExpectVec(n.Direction(), c.dir, std::string(c.what) + " direction");
        ExpectVec(n.Up(), c.up, std::string(c.what) + " up");
    }
}

TEST(Frames, SettingAnAngleRotatesByTheDifferenceFromTheLastSet) {
    SceneNode n;
    n.Turn(30);              // relative: the set angle stays 0
    EXPECT_FLOAT_EQ(n.TurnAngle(), 0);
    n.SetTurnAngle(10);      // rotates 10 more: 40 from the start
    float a = std::atan2(n.Direction().x, n.Direction().z) / kDegToRad;
    EXPECT_NEAR(a, 40, 1e-3);
    n.SetTurnAngle(10);      // same angle: nothing moves
    EXPECT_NEAR(std::atan2(n.Direction().x, n.Direction().z) / kDegToRad, 40, 1e-3);
    n.SetTurnAngle(-20);     // back by 30
    EXPECT_NEAR(std::atan2(n.Direction().x, n.Direction().z) / kDegToRad, 10, 1e-3);

    // Each angle keeps its own memory: roll set after a pitch turns about the current direction.
    SceneNode m;
    m.SetPitchAngle(90);
    m.SetRollAngle(90);
    m.SetRollAngle(90);
    ExpectVec(m.Direction(), {0, -1, 0}, "pitched direction");
    ExpectVec(m.Up(), Rotated(Vec3{0, 0, 1}, Vec3{0, -1, 0}, 90 * kDegToRad), "rolled up");
    EXPECT_FLOAT_EQ(m.RollAngle(), 90);
}

TEST(Frames, ScaleAndMirroring) {
    SceneNode n;
    n.SetScale(2, 3, -1);
    ExpectVec(n.LocalToWorld({1, 1, 1}), {2, 3, -1}, "scaled");
    auto* c = n.Add<SceneNode>();
    c->SetPosition(1, 0, 0);
    ExpectVec(c->AbsolutePosition(), {2, 0, 0}, "child position scaled by the parent");
}
