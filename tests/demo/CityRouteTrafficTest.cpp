// The demo city's routes, lanes and traffic cars.
#include "DemoTestSupport.h"

#include <cmath>
#include <map>
#include <set>

namespace zw::demotest {
namespace {

struct RouteFacts {
    int points = 0, requests = 0, allOff = 0, automatic = 0;
    bool started = false, ended = false, hasStart = false;
};

// Reads the route keys as the route reader does; every stop named is declared on the map.
RouteFacts CheckRoute(const std::string& file, const std::set<int>& stops) {
    RouteFacts r;
    std::vector<std::string> lines = ReadTextLines(Game("Maps\\" + file));
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (l.rfind("A1 ", 0) == 0) {
            r.hasStart = true;
            for (int k = 0; k < 3; ++k)
                EXPECT_NO_THROW(ParseFloat(Trim(CommaField(l.substr(3), k)))) << l;
        } else if (l.rfind("RB ", 0) == 0) {
            r.started = true;
            EXPECT_NO_THROW(ParseTime(Trim(l.substr(3)))) << l;
        } else if (l.rfind("RE", 0) == 0) {
            r.ended = r.started;
        } else if (l.rfind("RS ", 0) == 0 || l.rfind("RZ ", 0) == 0) {
            EXPECT_TRUE(r.started && !r.ended) << file << ": " << l;
            std::string v = l.substr(3);
            EXPECT_TRUE(stops.count(ParseInt(Trim(CommaField(v, 0))))) << "undeclared stop: " << l;
            EXPECT_NO_THROW(ParseTime(Trim(CommaField(v, 1)))) << l;
            int off = ParseInt(Trim(CommaField(v, 2)));
            EXPECT_GE(ParseInt(Trim(v.substr(v.find(',', v.find(',', v.find(',') + 1) + 1) + 1))), 0) << l;
            ++r.points;
            r.requests += l[1] == 'Z';
            r.allOff += off == -1;
            r.automatic += off == -2;
        }
    }
    return r;
}

std::set<int> DeclaredStops() {
    std::set<int> s;
    for (const std::string& l : MapLines())
        if (l.rfind("ST", 0) == 0) s.insert(int(Value(l, 0)));
    return s;
}

TEST(CityRoutes, MainRouteAndSecondRoute) {
    std::set<int> stops = DeclaredStops();
    RouteFacts main = CheckRoute(std::string(kMapName) + ".ms1", stops);
    EXPECT_TRUE(main.hasStart);
    EXPECT_TRUE(main.ended);
    EXPECT_GE(main.points, 8);
    EXPECT_EQ(main.requests, 1);
    EXPECT_EQ(main.allOff, 1);
    EXPECT_EQ(main.automatic, 1);
    // The launcher lists Maps\<map name>*.rs1 as further routes.
    std::vector<std::string> routes = ListDirectory(Game("Maps"), false, true, ".rs1");
    int ours = 0;
    for (const std::string& r : routes) {
        if (r.rfind(kMapName, 0) != 0) continue;
        ++ours;
        RouteFacts second = CheckRoute(r, stops);
        EXPECT_TRUE(second.hasStart && second.ended) << r;
        EXPECT_GE(second.points, 2) << r;
        std::vector<std::string> lines = ReadTextLines(Game("Maps\\" + r));
        EXPECT_EQ(lines[0].rfind("##", 0), 0u) << "the description starts the file";
    }
    EXPECT_GE(ours, 1);
}

struct Lanes {
    struct Seg {
        int from, to;
        double limit;
    };
    struct Node {
        double p, q, tp, tq;
    };
    std::vector<Seg> segs;
    std::vector<Node> nodes;
};

Lanes ReadLanes() {
    Lanes lanes;
    std::vector<std::string> lines = ReadTextLines(Game(std::string("Maps\\") + kMapName + ".vt1"));
    size_t at = 0;
    auto next = [&]() -> std::vector<double> {
        std::vector<double> v;
        if (at >= lines.size()) return v;
        std::string l = lines[at++];
        size_t pos = 0;
        while (pos < l.size()) {
            size_t end = l.find(' ', pos);
            std::string word = l.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
            if (!word.empty()) v.push_back(ParseFloat(word));
            if (end == std::string::npos) break;
            pos = end + 1;
        }
        return v;
    };
    int n = int(next().at(0));
    for (int i = 0; i < n; ++i) {
        auto v = next();
        lanes.segs.push_back({int(v.at(0)), int(v.at(1)), v.at(2)});
    }
    int m = int(next().at(0));
    for (int i = 0; i < m; ++i) {
        auto v = next();
        lanes.nodes.push_back({v.at(0), v.at(1), v.at(2), v.at(3)});
    }
    int k = int(next().at(0));
    EXPECT_LE(k, 8);
    for (int i = 0; i < k; ++i)
        EXPECT_EQ(next().size(), 2u);
    return lanes;
}

TEST(CityLanes, GraphFitsTheTablesAndTheStreets) {
    Lanes lanes = ReadLanes();
    ASSERT_GE(lanes.segs.size(), 20u);
    ASSERT_LE(lanes.segs.size(), 512u);
    ASSERT_LE(lanes.nodes.size(), 512u);
    std::vector<int> out(lanes.nodes.size() + 1), in(lanes.nodes.size() + 1);
    std::set<double> limits;
    for (const auto& s : lanes.segs) {
        ASSERT_GE(s.from, 1);
        ASSERT_LE(s.from, int(lanes.nodes.size()));
        ASSERT_GE(s.to, 1);
        ASSERT_LE(s.to, int(lanes.nodes.size()));
        EXPECT_NE(s.from, s.to);
        ++out[size_t(s.from)];
        ++in[size_t(s.to)];
        limits.insert(s.limit);
    }
    std::map<int, int> exits;
    for (size_t i = 1; i <= lanes.nodes.size(); ++i) {
        EXPECT_GE(out[i], 1) << "node " << i << " is a dead end";
        EXPECT_LE(out[i], 3) << "node " << i;
        EXPECT_LE(in[i], 3) << "node " << i;
        ++exits[out[i]];
        const auto& n = lanes.nodes[i - 1];
        EXPECT_GT(std::hypot(n.tp, n.tq), 0.5) << "node " << i << " has no tangent";
        // Lane point (p, q) is map (p, -q): on a carriageway.
        double x = n.p, y = -n.q;
        bool onStreet = false;
        for (double c : {-200.0, 0.0, 200.0})
            onStreet = onStreet || std::fabs(x - c) <= 6 || std::fabs(y - c) <= 6;
        EXPECT_TRUE(onStreet) << "node " << i << " at " << x << ", " << y;
    }
    EXPECT_GT(exits[2], 0) << "junctions with two exits";
    EXPECT_GT(exits[3], 0) << "junctions with three exits";
    EXPECT_GE(limits.size(), 3u) << "several speed limits";
}

TEST(CityTraffic, CarsHaveModelsAndTextureSets) {
    Lanes lanes = ReadLanes();
    std::vector<std::string> lines = ReadTextLines(Game(std::string("Maps\\") + kMapName + ".tr1"));
    ASSERT_GE(lines.size(), 12u);
    ASSERT_LE(lines.size(), 32u);
    std::set<std::string> folders, sets;
    for (const std::string& l : lines) {
        size_t c1 = l.find(','), c2 = l.find(',', c1 + 1);
        ASSERT_NE(c2, std::string::npos) << l;
        std::string folder = l.substr(0, c1), set = l.substr(c2 + 1);
        int seg = ParseInt(l.substr(c1 + 1, c2 - c1 - 1));
        EXPECT_GE(seg, 1);
        EXPECT_LE(seg, int(lanes.segs.size()));
        ASSERT_EQ(folder.back(), '\\') << "the folder is used as given: " << l;
        folders.insert(folder);
        sets.insert(folder + set);
        std::vector<std::string> desc = ReadTextLines(Game(folder + "desc.bs1"));
        std::string model;
        for (const std::string& d : desc)
            if (d.rfind("MO", 0) == 0) model = QuotedPath(d.substr(3));
        ASSERT_FALSE(model.empty()) << folder;
        CheckModel(folder + model, folder + set);
    }
    EXPECT_GE(folders.size(), 3u);
    EXPECT_GE(sets.size(), 6u);
}

} // namespace
} // namespace zw::demotest
