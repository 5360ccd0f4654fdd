#pragma once
// What the game window needs of the subsystems that plug into it. Each later
// subsystem (bus, city, passengers, traffic, statistics) implements its link
// and the loading phase of that subsystem creates it; until then the member
// stays empty and the phase and frame step that use it do nothing.
#include "bus/tnaped.h"

#include <string>

namespace zw {

// A bus as the frame loop drives it (the bus object tbusz).
class GameBus {
public:
    virtual ~GameBus() = default;
    virtual void Policz(double deltaTime) = 0;   // drive train and kinematics
    virtual void Rusz(double deltaTime) = 0;     // scene nodes, wheels, doors, dashboard
    virtual void Migaj() = 0;                    // one indicator blink step
    virtual int Indicator() const = 0;           // 0 off, 1 right, 2 left, 3 hazard
    virtual bool BlinkPhase() const = 0;         // the indicator lamps are lit
    virtual tnaped& Naped() = 0;                 // the drive train
};

// The city (tmiasto) as the game window sees it.
class GameCity {
public:
    virtual ~GameCity() = default;
    // Time of day minus this is the game clock.
    virtual double TimeOffset() const = 0;
    virtual void SetTimeOffset(double dayFraction) = 0;
};

// The passengers at stops (tobywatele).
class GamePassengers {
public:
    virtual ~GamePassengers() = default;
};

// The traffic manager (tpoje).
class GameTraffic {
public:
    virtual ~GameTraffic() = default;
    virtual void Rusz(double deltaTime) = 0;
};

// The statistics window as the end of the game fills and shows it.
class GameStatistics {
public:
    virtual ~GameStatistics() = default;
    virtual void Append(const std::string& line) = 0;
    virtual void Show() = 0;
};

// What the launcher's Start hands over (its members of the same names).
struct GameHandOver {
    std::string MapFile, RouteFile, BusFolder, TextureSet, MusicFolder;
    int MojNumer = 1;
    bool TrafficOn = false;
    double DayStart = 0, DuskStart = 0, NightStart = 0;
    int MouseCentreX = 0, MouseCentreY = 0;
    float MouseScaleY = 0, MouseScaleX = 0;
    int NetTimerInterval = 1000; // 1000 div the network rate
    bool Connected = false;
};

} // namespace zw
