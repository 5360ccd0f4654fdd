#pragma once
// One body section of a low-floor bus (a rigid bus is one section, an
// articulated one two), built into a MeshModel in the bus's body frame:
// x right, y forward, z up, origin on the ground under the section's
// reference axle. The section holds the shell with its window and door
// openings and wheel arches, the glass ("b_2" plain, "b_3" printed), the door
// leaves by the game's naming, the ten light-state parts, the interior with
// seats and handrails, and (front sections) the driver's cab with its two
// cabin-door variants.
#include "tools/demogen/Mesh.h"

#include <string>
#include <vector>

namespace demogen {

struct Span {
    float y0, y1; // rear and front edge
};

struct DoorSpec {
    int number;      // 0 driver's door, 1..4 passenger doors
    Span span;
    bool rightSide;  // on the kerb side (x > 0)
    bool bothSides;  // two folding halves ("l" and "r"), else "l" only
};

enum class SectionEnd { Nose, Tail, Joint };

struct Seat {
    float x, y, floor; // figure position: seat centre over the floor height
};

struct SectionSpec {
    float yRear = 0, yFront = 0;
    float halfWidth = 1.275f;
    std::vector<float> axles;                 // y of the axles under this section
    std::vector<Span> rightWindows, leftWindows;
    std::vector<DoorSpec> doors;
    SectionEnd front = SectionEnd::Nose, rear = SectionEnd::Tail;
    float platformBehind = -100;              // floor raised behind this y (engine bay)
    std::vector<Seat> seats;
    float driverY = 0;                        // driver's eye y (front sections)
    std::string sidePrefix = "";              // texture prefix: "" front section, "t" rear section
};

// Materials shared by every section; adds them to the model.
void AddBusMaterials(MeshModel& model, const std::string& sidePrefix);
// Builds the whole section; the shell is the model's first object.
void BuildSection(MeshModel& model, const SectionSpec& spec);

// The "PA" seats of a bus description file, for `part` (1 front body, 2 rear).
std::vector<Seat> ReadSeats(const std::string& descPath, int part);

} // namespace demogen
