"""A whole session by keyboard alone, with real key presses through the X server under openbox:
the arrow keys choose a count though none is chosen yet, Tab visits the controls in the
window's tab order, typing fills the entries, Space on 计算 calculates. AT-SPI tells where the
focus stands after each key."""
import unittest

import quotara_window as qw
import screen_reader as sr
from session import DesktopTest, wait_for

# With four households: the count buttons are one stop, at the chosen one; the entries of
# households 3 to 8 come before those of 1 and 2, and the result of household 2 after 8.
TAB_ORDER = ["4户", "核心部分面积", "计算", "清除", "第3户使用面积", "第4户使用面积",
             "第1户使用面积", "第2户使用面积", "第1户建筑面积", "第3户建筑面积", "第4户建筑面积",
             "第5户建筑面积", "第6户建筑面积", "第7户建筑面积", "第8户建筑面积", "第2户建筑面积",
             "总面积", "使用率（百分比）"]
TYPED = {"核心部分面积": "30", "第1户使用面积": "60", "第2户使用面积": "70",
         "第3户使用面积": "80", "第4户使用面积": "90"}


class KeyboardTest(DesktopTest):
    NEEDS = ("x11", "wm", "atspi")

    def test_keyboard_alone_runs_a_whole_session(self):
        s = self.session
        app = sr.application(s.start_program())
        sr.wait_for_focus(app, "2户", "start")
        for count in (3, 4):
            s.key("Right")
            sr.wait_for_focus(app, f"{count}户", "Right")
            wait_for(f"Right to choose {count} households",
                     lambda: "checked" in sr.states(sr.fresh(qw.count_button(app, count))),
                     timeout=3)
        self.assertIn("sensitive", sr.states(sr.fresh(qw.usable(app, 4))),
                      "household 4's entry is closed")

        for name in TAB_ORDER[1:] + TAB_ORDER[:3]:
            s.key("Tab")
            sr.wait_for_focus(app, name, "Tab")
            if name in TYPED and not sr.text(sr.find(app, "text", name)):
                s.type(TYPED[name])
        s.key("space")
        results = [qw.building(app, i) for i in range(1, 5)] + [qw.total(app), qw.rate(app)]
        expected = ["66", "77", "88", "99", "330", "90.90909"]
        wait_for("the results of Space on 计算",
                 lambda: [sr.text(node) for node in results] == expected, timeout=5)
        self.assertEqual({name: sr.text(sr.find(app, "text", name)) for name in TYPED}, TYPED)


if __name__ == "__main__":
    unittest.main(verbosity=2)
