#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How the roll's frames are counted from the X server's repaints."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import x_repaints  # noqa: E402

HEIGHT = 5


def roll(start=1000, step=17):
    """One roll up from the bottom row and down again, a one-row frame every step ms."""
    rows = list(range(HEIGHT - 1, -1, -1)) + list(range(HEIGHT))
    return [(start + i * step, row) for i, row in enumerate(rows)]


class RollPacing(unittest.TestCase):
    def test_a_whole_roll_loses_nothing(self):
        frames = roll()
        result = x_repaints.roll_pacing(frames, HEIGHT)
        self.assertEqual((result["passes"], result["rows_lost"], result["rolls_cut"]), (2, 0, 0))
        self.assertEqual((result["median_ms"], result["max_ms"]), (17, 17))

    def test_a_step_painted_with_the_text_shows_its_row(self):
        # Going down, row 3's step came in the same paint as a tick's new text
        # over the visible rows 0..3.
        frames = roll()
        when = next(t for t, row in frames[HEIGHT:] if row == 3)
        one_row = [f for f in frames if f != (when, 3)]
        self.assertEqual(x_repaints.roll_pacing(one_row, HEIGHT)["rows_lost"], 1)
        result = x_repaints.roll_pacing(one_row, HEIGHT, [(when, 0, 3)])
        self.assertEqual((result["rows_lost"], result["max_ms"], result["frames"]), (0, 17, len(frames)))

    def test_text_repainted_between_steps_adds_no_frame(self):
        frames = roll()
        result = x_repaints.roll_pacing(frames, HEIGHT, [(frames[2][0] + 8, 0, 2), (frames[7][0] + 8, 0, 3)])
        self.assertEqual((result["frames"], result["median_ms"], result["rows_lost"]), (len(frames), 17, 0))

    def test_a_row_no_paint_showed_is_lost(self):
        frames = roll()
        gone = [f for f in frames if f != frames[2]]
        wide_elsewhere = [(frames[0][0] - 500, 0, HEIGHT - 1)]  # a tick before the roll
        result = x_repaints.roll_pacing(gone, HEIGHT, wide_elsewhere)
        self.assertEqual((result["rows_lost"], result["max_ms"]), (1, 34))

    def test_the_servers_clock_wrapping_inside_a_roll(self):
        frames = roll(start=2**32 - 40)
        frames = [(t % 2**32, row) for t, row in frames]
        when, row = frames[6]
        result = x_repaints.roll_pacing([f for f in frames if f != (when, row)], HEIGHT, [(when, 0, row)])
        self.assertEqual((result["rows_lost"], result["max_ms"], result["passes"]), (0, 17, 2))


if __name__ == "__main__":
    unittest.main()
