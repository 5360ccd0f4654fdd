#!/usr/bin/env python3
"""Writes the demo city's text files into data/ (run from the repository root).

The files under data/Maps, data/scene/skrypty and the traffic car folders are
this script's output and are kept in git; run it again after changing the
layout. The street grid here must match tools/demogen/CityLayout.h (the
ground model). Map coordinates: x east, y north, metres; the city spans
-300..300 in both. Streets run along x = -200, 0, 200 and y = -200, 0, 200
between -200 and 200; traffic keeps to the right.

Angles of models: a roll r turns a model counter-clockwise seen from above
(right-handed about the up axis). City models are authored with their front
facing model -y and their origin at the middle of the front's foot; the lamp's
arm points along model +x.
"""
import math
import os

MAP = "Tralnik_101-1_DP_4.33-13.27"
STREETS = [-200, 0, 200]
HALF_ROAD = 6.0      # carriageway half width
LANE = 3.0           # lane centre from the street's centre line
WALK = 10.0          # outer edge of the pavement from the centre line
SETBACK = 12.0       # building fronts from the centre line
JUNCTION_NODE = 10.0  # lane nodes at a junction: this far from its centre


def f(v):
    s = ("%.3f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def facing_roll(nx, ny):
    """Roll of a model whose front (model -y) must face map direction (nx, ny)."""
    # front normal in map coordinates is (-sin r, cos r)
    return round(math.degrees(math.atan2(-nx, ny))) % 360


def arm_roll(ax, ay):
    """Roll (and L1 angle) of a lamp whose arm must point along map (ax, ay)."""
    # arm direction in map coordinates is (-cos r, -sin r)
    return round(math.degrees(math.atan2(-ay, -ax))) % 360


def plane_turn(nx, ny):
    """Turn of an upright plane (or signal head) whose face must look along map (nx, ny)."""
    # a plane faces scene +Z at turn 0; map (nx, ny) is scene (-nx, ny)
    return round(math.degrees(math.atan2(-nx, ny))) % 360


# ---------------------------------------------------------------- the map
class MapWriter:
    def __init__(self):
        self.lines = []

    def add(self, key, *values, path=None):
        text = ",".join(f(v) if isinstance(v, float) else str(v) for v in values)
        if path is not None:
            text += ',"%s"' % path
        self.lines.append("%s %s" % (key, text))


def street_sides():
    """(street axis, street coordinate, side sign) for every side of every street."""
    for c in STREETS:
        for side in (-1, 1):
            yield ("x", c, side)   # a north-south street at x = c
            yield ("y", c, side)   # an east-west street at y = c


def along_positions(start, end, step):
    p = start
    while p <= end + 1e-6:
        yield p
        p += step


def buildings(m):
    """Buildings along both sides of every street block, grouped by model so
    that consecutive lines share one load."""
    kinds = {
        "blok": (34, r"scene\city\blok.3ds"),
        "kamienica": (22, r"scene\city\kamienica.3ds"),
        "kamienica2": (22, r"scene\city\kamienica2.3ds"),
        "sklep": (18, r"scene\city\sklep.3ds"),
        "dom": (14, r"scene\city\dom.3ds"),
        "magazyn": (32, r"scene\city\magazyn.3ds"),
        "biurowiec": (26, r"scene\city\biurowiec.3ds"),
    }
    placed = {k: [] for k in kinds}
    # Which kind stands along which street: the centre is dense and tall,
    # the ring is lower.
    for axis, c, side in street_sides():
        for a0, a1 in ((-200, 0), (0, 200)):
            # The corners of a block belong to the east-west streets' buildings.
            margin = 22 if axis == "y" else 36
            lo, hi = a0 + margin, a1 - margin
            central = c == 0
            ring_outer = abs(c) == 200 and side * c > 0
            if ring_outer:
                seq = ["dom", "dom", "magazyn", "dom"]
            elif central:
                seq = ["kamienica", "biurowiec", "kamienica2", "sklep", "kamienica"]
            else:
                seq = ["blok", "sklep", "blok", "kamienica2"]
            pos = lo
            i = (a0 // 100 + c // 100 + (side > 0)) % len(seq)
            while True:
                kind = seq[i % len(seq)]
                width = kinds[kind][0]
                if pos + width > hi:
                    break
                mid = pos + width / 2
                blocked = [r for r in FRONTAGE if r[0] == axis and r[1] == c and r[2] == side
                           and pos < r[4] and pos + width > r[3]]
                if blocked:
                    pos = max(r[4] for r in blocked) + 6
                    continue
                if axis == "x":
                    x, y = c + side * SETBACK, mid
                    r = facing_roll(-side, 0)
                else:
                    x, y = mid, c + side * SETBACK
                    r = facing_roll(0, -side)
                placed[kind].append((x, y, r))
                pos += width + 6
                i += 1
    # An estate of flats inside the north-west block, set round a green.
    for (x, y) in ((-130, 60), (-130, 95), (-130, 130), (-70, 95), (-70, 130)):
        placed["blok"].append((x, y, facing_roll(0, -1)))
    count = 0
    for kind, items in placed.items():
        for (x, y, r) in items:
            m.add("M1", float(x), float(y), 0.0, r, 1.0, 1.0, 1.0, path=kinds[kind][1])
            count += 1
    return count


STOP_SPOTS = []  # (x, y) of shelters, kept free of buildings and lamps
# Places kept free of lamps: the petrol station and the kiosks (x, y, radius).
RESERVED = [(-215, 60, 24), (50, 9, 8), (-50, 9, 8)]
# Street frontage kept for the petrol station and the lit office towers:
# (street axis, street coordinate, side, from, to) along the street.
FRONTAGE = [("x", -200, -1, 48, 72), ("y", 0, -1, 26, 54), ("y", 200, -1, -164, -136)]


def stop_clear(x, y):
    return (all(math.hypot(x - sx, y - sy) > 16 for sx, sy in STOP_SPOTS) and
            all(math.hypot(x - rx, y - ry) > r for rx, ry, r in RESERVED))


# Stops: number, name, centre on the right lane's kerb side, travel direction.
STOPS = [
    (1, "Dworzec Główny", (-120, 0), (1, 0), 10.0, True),
    (2, "Rynek", (110, 0), (1, 0), 9.0, True),
    (3, "Szpital", (200, 100), (0, 1), 8.0, False),
    (4, "Park Miejski", (100, 200), (-1, 0), 0.0, True),
    (5, "Ratusz", (0, 120), (0, -1), 9.0, True),
    (6, "Plac Centralny", (0, -100), (0, -1), 9.0, False),
    (7, "Osiedle Zachód", (-100, -200), (-1, 0), 9.0, True),
    (8, "Cmentarz", (-200, -100), (0, 1), 8.0, False),
    (10, "Szkoła", (-100, 200), (1, 0), 9.0, True),
    (9, "Stadion", (200, -110), (0, -1), 9.0, False),
]


def right_of(dx, dy):
    return (dy, -dx)


def stops(m):
    for n, name, (cx, cy), (dx, dy), radius, platform in STOPS:
        rx, ry = right_of(dx, dy)
        sx, sy = cx + rx * (LANE + 1.5), cy + ry * (LANE + 1.5)
        angle = 0 if dx != 0 else 90
        m.add("ST", n, float(sx), float(sy), angle, radius, '"%s"' % name)
        if platform:
            px, py = cx + rx * (HALF_ROAD + 1.8), cy + ry * (HALF_ROAD + 1.8)
            m.add("SP", n, float(px), float(py), angle, 8.0, 2.0)
            # The shelter behind the platform, facing the road.
            wx, wy = cx + rx * (HALF_ROAD + 3.2), cy + ry * (HALF_ROAD + 3.2)
            STOP_SPOTS.append((wx, wy))
            m.add("M3", float(wx), float(wy), 0.0, facing_roll(-rx, -ry), 1.0, 1.0, 1.0,
                  path=r"scene\city\wiata.3ds")
        else:
            STOP_SPOTS.append((cx + rx * (HALF_ROAD + 3), cy + ry * (HALF_ROAD + 3)))


def scripts(m):
    """Benches and stop signs as mesh scripts next to every stop."""
    for n, name, (cx, cy), (dx, dy), radius, platform in STOPS:
        rx, ry = right_of(dx, dy)
        # M2 takes map x, y like the other keys; the script turns by t.
        sx, sy = cx + rx * (HALF_ROAD + 1.0) - dx * 6, cy + ry * (HALF_ROAD + 1.0) - dy * 6
        m.add("M2", float(sx), float(sy), 0.0, plane_turn(-rx, -ry), 1.0, 1.0, 1.0,
              path=r"scene\skrypty\znak.txt")
        if platform:
            bx, by = cx + rx * (HALF_ROAD + 3.0) + dx * 6, cy + ry * (HALF_ROAD + 3.0) + dy * 6
            m.add("M2", float(bx), float(by), 0.0, plane_turn(-rx, -ry), 1.0, 1.0, 1.0,
                  path=r"scene\skrypty\lawka.txt")


def lamps(m):
    """Street lamps every 40 m along the streets' pavements, arms over the road."""
    n = 0
    for c in STREETS:
        for a in range(-180, 181, 40):
            if abs(a) in (0, 200) or any(abs(a - s) < 12 for s in STREETS):
                continue
            # North-south street: lamps east (arm west) and west (arm east), staggered.
            side = 1 if (a // 40) % 2 == 0 else -1
            x, y = c + side * (HALF_ROAD + 1.2), float(a)
            if stop_clear(x, y):
                m.add("L1", float(x), y, arm_roll(-side, 0), arm_roll(-side, 0))
                n += 1
            x, y = float(a) + 20, c + side * (HALF_ROAD + 1.2)
            if stop_clear(x, y) and all(abs(x - s) > 14 for s in STREETS):
                m.add("L1", x, float(y), arm_roll(0, -side), arm_roll(0, -side))
                n += 1
    return n


def junction_lamps(m):
    """Free-standing lamps (J1) and glows (R1) on the central square."""
    for (x, y) in ((-14, -14), (14, -14), (14, 14), (-14, 14)):
        m.add("J1", float(x), float(y), 5.0)
    # Glows: the kiosks' signs, the petrol station's canopy and the shelters' lit panels.
    for (x, y, h) in ((50, 9, 3.0), (-50, 9, 3.0), (-222, 52, 5.2), (-222, 68, 5.2)):
        m.add("R1", float(x), float(y), h)
    for (x, y) in STOP_SPOTS[:4]:
        m.add("R1", float(x), float(y), 2.5)


def signals(m):
    """Signal heads at the centre crossing and the T junction at (0, 200)."""
    period = 3
    for (jx, jy), arms in (((0, 0), [(1, 0), (-1, 0), (0, 1), (0, -1)]),
                           ((0, 200), [(1, 0), (-1, 0), (0, -1)])):
        for ux, uy in arms:
            # Traffic on this arm comes towards the junction (travel -u); the head
            # stands on its right, before the crossing, looking back at it.
            dx, dy = -ux, -uy
            rx, ry = right_of(dx, dy)
            x = jx + ux * (HALF_ROAD + 2) + rx * (HALF_ROAD + 1)
            y = jy + uy * (HALF_ROAD + 2) + ry * (HALF_ROAD + 1)
            phase = 0 if ux == 0 else 5 * period
            m.add("SE", float(x), float(y), 3.2, plane_turn(-dx, -dy), phase, period)


def planes(m):
    """Trees (two crossed transparent planes), hedges, fences, crossings, a billboard,
    the paved square and the car park."""
    trees = []
    # Groves in three inner blocks, clear of the buildings along the streets;
    # the north-west block holds an estate of flats instead.
    for qx, qy in ((1, -1), (-1, -1), (1, 1)):
        rows = 6 if (qx, qy) == (1, 1) else 3
        for i in range(rows * 5 if rows == 6 else 9):
            cols = 5 if rows == 6 else 3
            step = 100 / (cols - 1) if rows == 6 else 40
            gx = 55 + (i % cols) * step * (0.9 if rows == 6 else 1) + 7 * math.sin(i * 2.3 + qx)
            gy = 55 + (i // cols) * (18 if rows == 6 else 40) + 7 * math.cos(i * 1.7 + qy)
            x, y = qx * gx, qy * gy
            if (qx, qy) == (-1, -1) and math.hypot(x + 100, y + 100) < 40:
                continue  # the square
            if (qx, qy) == (1, -1) and abs(x - 130) < 36 and abs(y + 130) < 26:
                continue  # the car park
            trees.append((round(x, 1), round(y, 1)))
    for k, (x, y) in enumerate(trees):
        path = r"scene\tex\drzewo1.bmp" if k % 3 else r"scene\tex\drzewo2.bmp"
        h, w = (11.0, 8.0) if k % 3 else (9.0, 5.0)
        m.add("P2", float(x), float(y), 0.0, 0, w, h, path=path)
        m.add("P2", float(x), float(y), 0.0, 90, w, h, path=path)
    # Hedges round the square (transparent standing planes).
    for (x, y, t) in ((-100, -72, 0), (-100, -128, 0), (-72, -100, 90), (-128, -100, 90)):
        m.add("P2", float(x), float(y), 0.0, t, 40.0, 1.2, path=r"scene\tex\zywoplot.bmp")
    # Zebra crossings lying on the road at the two signalled junctions.
    for (jx, jy) in ((0, 0), (0, 200)):
        for ux, uy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            if jy == 200 and uy == 1:
                continue
            x, y = jx + ux * (HALF_ROAD + 3.5), jy + uy * (HALF_ROAD + 3.5)
            turn = 0 if ux == 0 else 90
            m.add("P3", float(x), float(y), 0.06, turn, 12.0, 4.0, path=r"scene\tex\pasy.bmp")
    # Fences: opaque standing planes round the car park.
    for a in range(105, 156, 25):
        m.add("B2", float(a + 12.5), -113.0, 0.0, 0, 25.0, 1.6, path=r"scene\tex\plot.bmp")
    for a in (-120.0, -140.0):
        m.add("B2", 102.0, a, 0.0, 90, 20.0, 1.6, path=r"scene\tex\plot.bmp")
    # A billboard in the south-west block, facing the street at y = 0.
    m.add("B2", -150.0, -45.0, 1.0, plane_turn(0, 1), 8.0, 4.0, path=r"scene\tex\reklama.bmp")
    # The paved square and the car park: opaque lying planes.
    m.add("B3", -100.0, -100.0, 0.05, 0, 56.0, 56.0, path=r"scene\tex\plac.bmp")
    m.add("B3", 130.0, -130.0, 0.05, 0, 60.0, 34.0, path=r"scene\tex\parking.bmp")


def write_map(root):
    m = MapWriter()
    m.lines.append("1")
    m.lines.append("600,600")
    m.lines.append("## Tralnik - a small town of nine crossings, made for Zwolta.")
    m.lines.append("## Line 101: Dworzec Glowny - Rynek - Szpital - Park - Ratusz -")
    m.lines.append("## Plac Centralny - Osiedle Zachod - Cmentarz - Dworzec Glowny.")
    m.lines.append("## About 1.7 km, 10 stops, one on request. Signals at two crossings.")
    m.add("U1", 0.0, 0.0, 0.0, 0, 1.0, 1.0, 1.0, path=r"scene\city\teren.3ds")
    m.add("U1", 0.0, 0.0, 0.0, 0, 1.0, 1.0, 1.0, path=r"scene\city\teren.3ds")  # ignored: one ground
    stops(m)
    m.add("PS", 1, -120.0, -4.5, 0, 0.0, '"Dworzec Główny (peron 2)"')
    m.add("PP", 250.0)
    nb = buildings(m)
    # The office tower with lit windows and a petrol station.
    m.add("ML", 40.0, -12.0 - 0.0, 0.0, facing_roll(0, 1), 1.0, 1.0, 1.0, path=r"scene\city\biurowiec_noc.3ds")
    m.add("ML", -150.0, 188.0, 0.0, facing_roll(0, 1), 1.0, 1.0, 1.0, path=r"scene\city\biurowiec_noc.3ds")
    m.add("M1", -214.0, 60.0, 0.0, facing_roll(1, 0), 1.0, 1.0, 1.0, path=r"scene\city\stacja.3ds")
    m.add("M1", 50.0, 9.0, 0.0, facing_roll(0, -1), 1.0, 1.0, 1.0, path=r"scene\city\kiosk.3ds")
    m.add("M1", -50.0, 9.0, 0.0, facing_roll(0, -1), 1.0, 1.0, 1.0, path=r"scene\city\kiosk.3ds")
    # The lamp model once more through M1: the cache shares it with the L1 lines.
    nl = lamps(m)
    m.add("M1", 250.0, 250.0, 0.0, 45, 1.0, 1.0, 1.0, path=r"scene\lampa.3ds")
    junction_lamps(m)
    signals(m)
    scripts(m)
    planes(m)
    m.lines.append("XX an unknown key: only logged")
    m.lines.append("")
    route_main(m)
    boards_main(m)
    write(root, "Maps/%s.ms1" % MAP, m.lines)
    return nb, nl


# ---------------------------------------------------------------- routes
def route_main(m):
    m.lines.append("A1 -190,-3,180")  # east-bound lane of the street at y = 0
    # Starts of buses 2 to 4 are only stored (a game has one bus).
    m.lines.append("A2 -180,-3,180")
    m.lines.append("A3 3,-150,90")
    m.lines.append("A4 -3,150,270")
    m.lines.append("RB 4:33")
    m.lines.append("RS 1,4:35,0,12")
    m.lines.append("RS 2,4:37,4,8")
    m.lines.append("RZ 3,4:39,2,2")
    m.lines.append("RS 4,4:41,5,4")
    m.lines.append("RS 5,4:43,3,6")
    m.lines.append("RS 6,4:45,-2,5")
    m.lines.append("RS 7,4:47,6,3")
    m.lines.append("RS 8,4:49,4,2")
    m.lines.append("RS 1,4:52,-1,0")
    m.lines.append("RE")


def boards_main(m):
    m.lines.append("LN 101")
    texts = [("Dworzec Główny", "przez Rynek"), ("Rynek", "Szpital"), ("Park Miejski", "Ratusz"),
             ("Osiedle Zachód", "Cmentarz"), ("Zjazd do zajezdni", "")]
    for i, (a, b) in enumerate(texts):
        k1 = "K%d" % ((2 * i + 1) % 10)
        k2 = "K%d" % ((2 * i + 2) % 10)
        m.lines.append("%s %s" % (k1, a))
        m.lines.append("%s %s" % (k2, b))
    points = ["Rynek", "Szpital", "Ratusz", "Cmentarz"]
    for letter in "ABCDE":
        for i, p in enumerate(points):
            m.lines.append("%d%s %s" % (i + 1, letter, p))
    for i, kind in enumerate([2, 1, 3, 4, 2]):
        m.lines.append("D%d %d" % (i + 1, kind))


def write_second_route(root):
    lines = [
        "## Line 102: Szkoła - Stadion - Osiedle Zachód, the afternoon working.",
        "## Starts at the school in the north-west; Stadion is a request stop.",
        "A1 -150,197,180",
        "RB 13:27",
        "RS 10,13:28,0,10",
        "RZ 9,13:33,1,1",
        "RS 7,13:38,-1,0",
        "RE",
        "LN 102",
        "K1 Osiedle Zachód",
        "K2 przez Stadion",
        "K3 Szkoła",
        "K4 ",
        "1A Stadion",
        "2A Osiedle Zachód",
        "D1 2",
        "D2 4",
    ]
    write(root, "Maps/%s_linia2.rs1" % MAP, lines)


# ---------------------------------------------------------------- lanes
def junction_arms(jx, jy):
    arms = []
    for ux, uy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        nx, ny = jx + ux * 200, jy + uy * 200
        if -200 <= nx <= 200 and -200 <= ny <= 200:
            arms.append((ux, uy))
    return arms


def write_lanes(root):
    nodes = []     # (x, y, tx, ty) in map coordinates
    index = {}     # (junction, arm, "in"/"out") -> node number

    def node(key, x, y, tx, ty):
        nodes.append((x, y, tx, ty))
        index[key] = len(nodes)

    junctions = [(x, y) for y in STREETS for x in STREETS]
    t = 4.0
    for j in junctions:
        for (ux, uy) in junction_arms(*j):
            # Incoming lane: travelling -u, on its right.
            dx, dy = -ux, -uy
            rx, ry = right_of(dx, dy)
            node((j, (ux, uy), "in"), j[0] + ux * JUNCTION_NODE + rx * LANE,
                 j[1] + uy * JUNCTION_NODE + ry * LANE, dx * t, dy * t)
            rx, ry = right_of(ux, uy)
            node((j, (ux, uy), "out"), j[0] + ux * JUNCTION_NODE + rx * LANE,
                 j[1] + uy * JUNCTION_NODE + ry * LANE, ux * t, uy * t)
    segments = []  # (from, to, km/h)
    # Streets: from a junction's exit towards the neighbour's entry.
    for j in junctions:
        for (ux, uy) in junction_arms(*j):
            k = (j[0] + ux * 200, j[1] + uy * 200)
            limit = 50 if 0 in (j[0], j[1]) and 0 in (k[0], k[1]) else 40
            segments.append((index[(j, (ux, uy), "out")], index[(k, (-ux, -uy), "in")], limit))
    # Turns inside every junction: each entry to every other arm's exit.
    for j in junctions:
        arms = junction_arms(*j)
        for a in arms:
            for b in arms:
                if a == b:
                    continue
                straight = a[0] == -b[0] and a[1] == -b[1]
                # Travel -a then b: turning right when b is to the right of -a.
                rx, ry = right_of(-a[0], -a[1])
                limit = 40 if straight else (18 if (b[0], b[1]) == (rx, ry) else 25)
                segments.append((index[(j, a, "in")], index[(j, b, "out")], limit))
    lines = [str(len(segments))]
    for (a, b, v) in segments:
        lines.append("%d %d %s" % (a, b, f(float(v))))
    lines.append(str(len(nodes)))
    # Lane coordinates are (p, q) = (map x, -map y).
    for (x, y, tx, ty) in nodes:
        lines.append("%s %s %s %s" % (f(x), f(-y), f(tx), f(-ty)))
    lines.append("2")
    lines.append("1 0.5")
    lines.append("2 1.25")
    write(root, "Maps/%s.vt1" % MAP, lines)
    return segments


def write_traffic(root, segments):
    cars = [("Kaira", "Czerwona"), ("Pika", "Zolta"), ("Furgon", "Bialy"), ("Kaira", "Granatowa"),
            ("Pika", "Zielona"), ("Furgon", "Pocztowy")]
    street_segments = list(range(1, 25))  # the first 24 segments are the streets
    lines = []
    for i in range(14):
        folder, tex = cars[i % len(cars)]
        seg = street_segments[(i * 7) % len(street_segments)]
        lines.append("model\\%s\\,%d,%s" % (folder, seg, tex))
    write(root, "Maps/%s.tr1" % MAP, lines)
    for folder, desc in (("Kaira", "A four-door saloon."), ("Pika", "A small town hatchback."),
                         ("Furgon", "A delivery van.")):
        write(root, "model/%s/desc.bs1" % folder,
              ["## %s Traffic car of the demo city." % desc, 'MO "%s.3ds"' % folder.lower()])


# ---------------------------------------------------------------- scripts
def write_scripts(root):
    bench = [
        "# A park bench: two legs, a seat and a back. Mesh script, metres,",
        "# x along the bench, y up, z towards the back.",
        "CreateMeshBuilder,",
        "SetColor,20,20,22",
    ]

    def box(lines, x0, y0, z0, x1, y1, z1, face="AddFace,"):
        v = [(x0, y0, z0), (x1, y0, z0), (x1, y1, z0), (x0, y1, z0),
             (x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)]
        for p in v:
            lines.append("AddVertex,%s,%s,%s" % tuple(f(c) for c in p))
        return v

    def faces(lines, base, kind="AddFace,"):
        quads = [(0, 1, 2, 3), (5, 4, 7, 6), (4, 0, 3, 7), (1, 5, 6, 2), (3, 2, 6, 7), (4, 5, 1, 0)]
        for q in quads:
            lines.append("%s%d,%d,%d,%d" % (kind, *(base + i for i in q)))

    box(bench, -0.85, 0, -0.25, -0.75, 0.45, 0.25)
    faces(bench, 0)
    box(bench, 0.75, 0, -0.25, 0.85, 0.45, 0.25)
    faces(bench, 8, "AddFace2,")
    bench.append("CreateMeshBuilder,")
    bench.append("SetColor,64,64,64")
    bench.append("LoadTexture,drewno.bmp")
    box(bench, -1.0, 0.42, -0.25, 1.0, 0.48, 0.25)
    faces(bench, 0)
    uv = [(0, 0), (1, 0), (1, 1), (0, 1), (0, 0), (1, 0), (1, 1), (0, 1)]
    for i, (u, v) in enumerate(uv):
        bench.append("SetTextureCoordinates,%d,%s,%s" % (i, f(u * 4), f(v)))
    bench.append("CreateMeshBuilder,")
    bench.append("LoadTexture,drewno.bmp")
    box(bench, -1.0, 0.55, 0.22, 1.0, 0.9, 0.27)
    faces(bench, 0)
    for i, (u, v) in enumerate(uv):
        bench.append("SetTextureCoordinates,%d,%s,%s," % (i, f(u * 4), f(v)))
    write(root, "scene/skrypty/lawka.txt", bench)

    sign = [
        "# A bus stop sign: a grey pole and a yellow-green plate with the letter A.",
        "CreateMeshBuilder,",
    ]
    box(sign, -0.04, 0, -0.04, 0.04, 2.6, 0.04)
    faces(sign, 0)
    sign.append("SetColor,40,40,44,64")
    sign.append("CreateMeshBuilder,")
    sign.append("SetColor,64,64,64")
    sign.append("LoadTexture,przystanek.bmp")
    # The plate: a thin box, textured on both broad faces.
    box(sign, -0.3, 2.0, -0.02, 0.3, 2.6, 0.02)
    faces(sign, 0)
    for i, (u, v) in enumerate(uv):
        sign.append("SetTextureCoordinates,%d,%s,%s" % (i, f(u), f(v)))
    write(root, "scene/skrypty/znak.txt", sign)


# ---------------------------------------------------------------- controls
def write_joyst(root):
    # Windows virtual-key codes.
    VK = dict(UP=38, DOWN=40, LEFT=37, RIGHT=39, SPACE=32, SHIFT=16, CTRL=17, ENTER=13, TAB=9,
              BACK=8, HOME=36, END=35, PGUP=33, PGDN=34, INS=45, DEL=46,
              F1=112, F2=113, F3=114, F4=115, F5=116, F6=117, F7=118, F8=119, F9=120, F10=121,
              F11=122, F12=123, WHEELUP=134, WHEELDOWN=135)
    for ch in "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789":
        VK[ch] = ord(ch)
    VK["NUM+"] = 107
    VK["NUM-"] = 109
    VK["NUM0"] = 96
    VK["NUM1"] = 97
    VK["NUM2"] = 98
    VK["NUM3"] = 99
    VK["NUM4"] = 100
    VK["NUM5"] = 101
    VK["NUM6"] = 102
    VK["NUM8"] = 104
    actions = {
        1: ("UP", "accelerator"), 2: ("DOWN", "brake"), 3: ("LEFT", "steer left"),
        4: ("RIGHT", "steer right"), 5: ("H", "horn"), 6: ("COMMA", "left indicator"),
        7: ("PERIOD", "right indicator"), 8: ("SLASH", "hazard lights"), 9: (None, "not used"),
        10: (None, "not used"), 11: ("B", "bell"), 12: ("A", "gear up"), 13: ("N", "neutral"),
        14: ("Z", "gear down"), 15: ("1", "door 1"), 16: ("2", "door 2"), 17: ("3", "door 3"),
        18: ("4", "door 4"), 19: ("5", "all doors"), 20: ("L", "head and position lights"),
        21: ("SHIFT", "modifier: lift with accelerator/brake, kneel with steering"),
        22: ("NUM+", "chase camera closer"), 23: ("NUM-", "chase camera farther"),
        24: ("PGUP", "focal length +"), 25: ("PGDN", "focal length -"), 26: (None, "not used"),
        27: (None, "not used"), 28: ("F5", "music stop"), 29: ("F6", "music play"),
        30: ("F7", "music previous"), 31: ("F8", "music next"), 32: ("F1", "cabin view"),
        33: (None, "not used"), 34: ("F12", "random failure"), 35: ("F2", "camera 3"),
        36: ("F3", "stop camera"), 37: ("F4", "chase camera"), 38: ("F9", "minimise"),
        39: ("F10", "restore"), 40: ("NUM4", "board direction down"),
        41: ("NUM6", "board direction up"), 42: ("NUM5", "boards off"), 43: ("NUM0", "console power"),
        44: ("K", "console show/hide"), 45: ("NUM1", "console page 1"), 46: ("NUM2", "console page 2"),
        47: ("NUM3", "console page 3"), 48: ("0", "driver's door"), 49: ("S", "engine start/stop"),
        50: ("Q", "look left out"), 51: ("E", "look right out"), 52: ("INS", "look left in cabin"),
        53: ("DEL", "look right in cabin"), 54: (None, "not used"), 55: ("C", "cabin door variant"),
        56: ("O", "open doors for waiting passengers"), 57: ("P", "close sensor doors"),
        58: ("F", "refuel"), 59: ("I", "interior part out/in"), 60: ("X", "everybody off"),
        61: ("SPACE", "parking brake"), 62: ("END", "strong brake"), 63: ("R", "repair doors and gearbox"),
        64: ("CTRL", "clutch"),
    }
    VK["COMMA"] = 188
    VK["PERIOD"] = 190
    VK["SLASH"] = 191
    lines = ["1 joystick button: horn", "2 joystick button: hazard lights",
             "3 joystick button: right indicator", "4 joystick button: left indicator",
             "10 joystick dead zone Y", "10 joystick dead zone X"]
    for n in range(1, 65):
        key, what = actions[n]
        code = VK[key] if key else 0
        lines.append("%d action %d: %s%s" % (code, n, what, " (%s)" % key if key else ""))
    write(root, "joyst.bu", lines)


# ---------------------------------------------------------------- output
def write(root, rel, lines):
    path = os.path.join(root, "data", rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(("\n".join(lines) + "\n").encode("cp1250"))


def main():
    root = os.getcwd()
    nb, nl = write_map(root)
    write_second_route(root)
    segs = write_lanes(root)
    write_traffic(root, segs)
    write_scripts(root)
    write_joyst(root)
    print("buildings %d, lamps %d, lane segments %d" % (nb, nl, len(segs)))


if __name__ == "__main__":
    main()
