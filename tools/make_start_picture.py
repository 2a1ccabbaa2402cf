#!/usr/bin/env python3
"""Draw the start window's animated picture and write it as a GIF.

The picture is a little runner on a path through the countryside: a
pictogram figure with swinging arms and legs, a sun slowly turning its rays,
a cloud, a row of small trees on a far hill and a grassy path in front.  The
runner stays in the middle while the hill and the path slide past at two
speeds, so the twelve frames join up into an endless run.

The output is a 95 x 120 pixel GIF89a with twelve frames, each shown for
5/100 s, set to loop forever.  The frames are drawn here; Pillow (Debian's
python3-pil) encodes them.

Run from anywhere:

    python3 tools/make_start_picture.py            # writes resources/start.gif
    python3 tools/make_start_picture.py out.gif    # or any other path
"""

import math
import os
import sys
from collections import Counter

from PIL import Image

WIDTH, HEIGHT = 95, 120
FRAMES = 12
DELAY = 5          # hundredths of a second per frame
SAMPLES = 4        # samples per pixel along each axis, for smooth edges

GROUND = 98        # top of the path; the runner's feet rest here
FAR_SPEED = 3      # pixels per frame the far hill moves; 12 * 3 = 36 px period
NEAR_SPEED = 6     # pixels per frame the path moves;     12 * 6 = 72 px period

# The base colours.  Edge pixels become mixes of two of these.
SKY, CLOUD, SUN, RAY, HILL, TREE_DARK, TREE_LIGHT, TRUNK, \
    GRASS, GRASS_EDGE, SOIL, PEBBLE, SHADOW, FIGURE, FIGURE_FAR = range(15)
BASE_RGB = {
    SKY: (224, 239, 248),
    CLOUD: (255, 255, 255),
    SUN: (255, 214, 92),
    RAY: (250, 186, 72),
    HILL: (191, 222, 178),
    TREE_DARK: (92, 156, 88),
    TREE_LIGHT: (132, 189, 104),
    TRUNK: (128, 92, 62),
    GRASS: (116, 178, 84),
    GRASS_EDGE: (74, 138, 62),
    SOIL: (218, 196, 148),
    PEBBLE: (182, 158, 114),
    SHADOW: (92, 150, 70),
    FIGURE: (38, 54, 92),
    FIGURE_FAR: (118, 134, 170),
}


# ---------------------------------------------------------------- drawing

class Canvas:
    """A supersampled grid of base colour numbers."""

    def __init__(self):
        self.w = WIDTH * SAMPLES
        self.h = HEIGHT * SAMPLES
        self.cells = bytearray(self.w * self.h)

    def fill(self, colour, inside, left, top, right, bottom):
        """Set every sample whose centre (in pixel units) satisfies inside(x, y),
        looking only within the given pixel-unit box."""
        s = SAMPLES
        x0 = max(0, int(math.floor(left * s)))
        x1 = min(self.w, int(math.ceil(right * s)) + 1)
        y0 = max(0, int(math.floor(top * s)))
        y1 = min(self.h, int(math.ceil(bottom * s)) + 1)
        cells = self.cells
        for sy in range(y0, y1):
            y = (sy + 0.5) / s
            row = sy * self.w
            for sx in range(x0, x1):
                if inside((sx + 0.5) / s, y):
                    cells[row + sx] = colour

    def rect(self, colour, left, top, right, bottom):
        self.fill(colour, lambda x, y: left <= x < right and top <= y < bottom,
                  left, top, right, bottom)

    def ellipse(self, colour, cx, cy, rx, ry):
        self.fill(colour,
                  lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                  cx - rx, cy - ry, cx + rx, cy + ry)

    def disc(self, colour, cx, cy, r):
        self.ellipse(colour, cx, cy, r, r)

    def stroke(self, colour, a, b, r):
        """A line from a to b with round ends, r pixels thick on each side."""
        (ax, ay), (bx, by) = a, b
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1e-9

        def inside(x, y):
            t = ((x - ax) * dx + (y - ay) * dy) / length2
            t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
            ex, ey = x - (ax + t * dx), y - (ay + t * dy)
            return ex * ex + ey * ey <= r * r

        self.fill(colour, inside, min(ax, bx) - r, min(ay, by) - r,
                  max(ax, bx) + r, max(ay, by) + r)

    def pixels(self):
        """Reduce to one (dominant, second, share) key per pixel, where share
        is how much of the second colour shows: 0, 1/4 or 1/2."""
        s, w = SAMPLES, self.w
        cells = self.cells
        keys = []
        for py in range(HEIGHT):
            for px in range(WIDTH):
                block = []
                for sy in range(py * s, py * s + s):
                    start = sy * w + px * s
                    block.extend(cells[start:start + s])
                counts = Counter(block).most_common(2)
                if len(counts) == 1:
                    keys.append((counts[0][0], counts[0][0], 0))
                    continue
                (a, na), (b, nb) = counts
                quarters = round(4 * nb / (na + nb))
                if quarters == 0:
                    keys.append((a, a, 0))
                elif a > b and quarters == 2:
                    keys.append((b, a, 2))   # an even mix: one name for both orders
                else:
                    keys.append((a, b, quarters))
        return keys


def key_rgb(key):
    a, b, quarters = key
    ca, cb = BASE_RGB[a], BASE_RGB[b]
    return tuple(round(ca[i] + (cb[i] - ca[i]) * quarters / 4) for i in range(3))


# ---------------------------------------------------------------- the scene

def draw_sky(c, frame):
    c.rect(SKY, 0, 0, WIDTH, GROUND)
    # The sun turns its eight rays by one eighth of a turn over the loop.
    sx, sy = 74.0, 21.0
    turn = (math.pi / 4) * frame / FRAMES
    for k in range(8):
        angle = turn + k * math.pi / 4
        ux, uy = math.cos(angle), math.sin(angle)
        c.stroke(RAY, (sx + 10.5 * ux, sy + 10.5 * uy),
                 (sx + 14.0 * ux, sy + 14.0 * uy), 1.1)
    c.disc(RAY, sx, sy, 8.2)
    c.disc(SUN, sx, sy, 7.0)
    # A cloud, far enough away to stay put.
    for cx, cy, r in ((17, 26, 4.5), (23, 22, 6.0), (30, 25, 5.0), (24, 28, 4.5)):
        c.disc(CLOUD, cx, cy, r)
    c.rect(CLOUD, 17, 26, 30, 30.5)
    c.disc(CLOUD, 13.5, 28.5, 2.0)
    c.disc(CLOUD, 34, 28.5, 2.0)


def hill_top(u):
    return 85.0 - 1.6 * math.cos(2 * math.pi * u / (FAR_SPEED * FRAMES))


def draw_hill(c, frame):
    shift = FAR_SPEED * frame
    c.fill(HILL, lambda x, y: y >= hill_top(x + shift), 0, 82, WIDTH, GROUND)
    period = FAR_SPEED * FRAMES
    # A tree and a bush in each stretch of hill.
    x = 9.0 - shift
    while x > -period:
        x -= period
    while x < WIDTH + period:
        base = hill_top(x + shift) + 1.0
        top = base - 7.0
        c.stroke(TRUNK, (x, base), (x, top), 0.8)
        c.disc(TREE_DARK, x, top - 3.4, 5.6)
        c.disc(TREE_LIGHT, x - 1.7, top - 5.0, 2.8)
        bush = x + 19.0
        ground = hill_top(bush + shift) + 1.0
        c.ellipse(TREE_DARK, bush, ground - 1.8, 4.2, 2.8)
        c.ellipse(TREE_DARK, bush + 3.0, ground - 1.2, 3.0, 2.0)
        c.ellipse(TREE_LIGHT, bush - 1.2, ground - 2.8, 1.8, 1.1)
        x += period


def draw_path(c, frame, hip_x):
    shift = NEAR_SPEED * frame
    period = NEAR_SPEED * FRAMES
    c.rect(GRASS, 0, GROUND, WIDTH, GROUND + 5)
    c.rect(SOIL, 0, GROUND + 5, WIDTH, HEIGHT)
    c.rect(GRASS_EDGE, 0, GROUND, WIDTH, GROUND + 1)
    c.ellipse(SHADOW, hip_x + 1, GROUND + 1.8, 10.0, 1.6)

    def repeat(offset):
        x = offset - shift
        while x > -period:
            x -= period
        while x < WIDTH + period:
            yield x
            x += period

    # Tufts of grass poking up above the path.
    for offset in (11.0, 40.0, 59.0):
        for x in repeat(offset):
            for lean, height in ((-1.6, 3.5), (0.0, 4.8), (1.7, 3.2)):
                c.stroke(GRASS_EDGE, (x + lean * 0.3, GROUND + 0.5),
                         (x + lean, GROUND + 0.5 - height), 0.55)
    # Pebbles in the soil.
    for offset, y, rx in ((4.0, 109.0, 2.2), (27.0, 114.5, 1.6), (49.0, 107.5, 1.4),
                          (63.0, 116.0, 2.4), (36.0, 104.5, 1.2), (70.0, 110.5, 1.3)):
        for x in repeat(offset):
            c.ellipse(PEBBLE, x, y, rx, rx * 0.6)


# The runner.  Angles are measured from straight down; positive is forward
# (the runner faces right).

THIGH, SHIN, FOOT = 15.0, 14.5, 4.2
UPPER_ARM, FOREARM = 10.0, 8.5
LIMB, ARM, TORSO, HEAD = 2.1, 1.75, 2.4, 5.7


def along(point, angle, length):
    return (point[0] + length * math.sin(angle), point[1] + length * math.cos(angle))


def leg(hip, phase):
    """Knee, ankle and toe of a leg at the given point in its stride."""
    thigh = math.radians(38) * math.sin(phase)
    # The knee bends most while the leg swings forward, least when it lands.
    bend = math.radians(12 + 68 * max(0.0, math.cos(phase + 0.6)))
    shin = thigh - bend
    knee = along(hip, thigh, THIGH)
    ankle = along(knee, shin, SHIN)
    toe = along(ankle, shin + math.pi / 2, FOOT)
    return knee, ankle, toe


def arm(shoulder, phase):
    upper = math.radians(45) * math.sin(phase)
    forearm = upper + math.radians(82 + 22 * math.sin(phase))
    elbow = along(shoulder, upper, UPPER_ARM)
    return elbow, along(elbow, forearm, FOREARM)


def runner_pose(frame, hip_x):
    phase = 2 * math.pi * frame / FRAMES
    near_leg = leg((hip_x, 0.0), phase)
    far_leg = leg((hip_x, 0.0), phase + math.pi)
    # Lift the body so that the lower foot just touches the path.
    lowest = max(p[1] for p in near_leg[1:] + far_leg[1:])
    hip_y = GROUND - LIMB - lowest
    return phase, hip_y


def draw_runner(c, frame, hip_x):
    phase, hip_y = runner_pose(frame, hip_x)
    hip = (hip_x, hip_y)
    neck = (hip_x + 4.0, hip_y - 19.0)
    shoulder = (hip_x + 3.4, hip_y - 16.5)
    head = (neck[0] + 2.6, neck[1] - 7.2)

    def draw_leg(colour, leg_phase):
        knee, ankle, toe = leg(hip, leg_phase)
        c.stroke(colour, hip, knee, LIMB)
        c.stroke(colour, knee, ankle, LIMB)
        c.stroke(colour, ankle, toe, LIMB * 0.85)

    def draw_arm(colour, arm_phase):
        elbow, hand = arm(shoulder, arm_phase)
        c.stroke(colour, shoulder, elbow, ARM)
        c.stroke(colour, elbow, hand, ARM)

    # Each arm swings against the leg on its own side.
    draw_arm(FIGURE_FAR, phase)
    draw_leg(FIGURE_FAR, phase + math.pi)
    c.stroke(FIGURE, hip, neck, TORSO)
    draw_leg(FIGURE, phase)
    c.disc(FIGURE, head[0], head[1], HEAD)
    draw_arm(FIGURE, phase + math.pi)


def draw_frame(frame):
    c = Canvas()
    hip_x = 45.0
    draw_sky(c, frame)
    draw_hill(c, frame)
    draw_path(c, frame, hip_x)
    draw_runner(c, frame, hip_x)
    return c.pixels()


# ---------------------------------------------------------------- GIF writing

def gif(path, frames, palette):
    """Write the frames (lists of palette indices, WIDTH * HEIGHT each) as
    one looping GIF; Pillow does the encoding."""
    flat = [value for rgb in palette for value in rgb]
    images = []
    for indices in frames:
        image = Image.new("P", (WIDTH, HEIGHT))
        image.putpalette(flat)
        image.putdata(indices)
        images.append(image)
    # Each frame is left in place under the next one ("disposal" 1), shown
    # for DELAY hundredths of a second, and the whole loops forever.
    images[0].save(path, save_all=True, append_images=images[1:],
                   duration=DELAY * 10, loop=0, disposal=1, optimize=False)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "start.gif")

    frames = [draw_frame(f) for f in range(FRAMES)]
    keys = sorted({k for frame in frames for k in frame})
    if len(keys) > 256:
        sys.exit(f"too many colours: {len(keys)}")
    number = {k: i for i, k in enumerate(keys)}
    palette = [key_rgb(k) for k in keys]
    gif(path, [[number[k] for k in frame] for frame in frames], palette)
    print(f"wrote {path}: {WIDTH}x{HEIGHT}, {FRAMES} frames, "
          f"{len(palette)} colours, {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
