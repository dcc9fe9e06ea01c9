"""The window as a screen reader (Orca) reads it through AT-SPI: a frame named by its caption,
entries and results as texts with Chinese names, the count buttons as radio buttons that follow
the user's choice, push buttons, closed entries not sensitive, results readable after a
calculation, the warning an alert, frame names without the layout's spaces. The count is chosen
and the buttons pressed with the actions a screen reader invokes."""
import unittest

import quotara_window as qw
import screen_reader as sr
from session import DesktopTest, wait_for


class ScreenReaderTest(DesktopTest):
    NEEDS = ("x11", "wm", "atspi")

    def test_reads_frame_texts_buttons_results_and_alert(self):
        app = sr.application(self.session.start_program())
        self.assertEqual(app.childCount, 1, "top-level objects besides the window")
        window = app.getChildAtIndex(0)
        self.assertEqual((sr.role(window), window.name), ("frame", qw.caption()))
        self.assertEqual([node.name for node in sr.descendants(window)
                          if sr.role(node) == "panel"],
                         ["请先选择单元平面的户数", "请输入核心部分的面积", "使用面积", "建筑面积",
                          "总面积 使用率"])

        entries = [qw.core(app)] + [qw.usable(app, i) for i in range(1, 9)]
        results = [qw.building(app, i) for i in range(1, 9)] + [qw.total(app), qw.rate(app)]
        counts = {n: qw.count_button(app, n) for n in range(2, 9)}
        qw.calculate_button(app)
        qw.clear_button(app)
        self.assertEqual([sr.text(node) for node in entries + results], [""] * 19)
        self.assertFalse(any("sensitive" in sr.states(entries[i]) for i in range(1, 9)),
                         "a household's entry is open before a count is chosen")
        self.assertTrue(all("sensitive" in sr.states(node) for node in [entries[0]] + results),
                        "the core entry or a result is not sensitive")
        self.assertFalse(any("checked" in sr.states(button) for button in counts.values()),
                         "a count is chosen at start")

        def expect_count(chosen):
            def settled():
                sr.fresh(app)
                checked = [n for n, button in counts.items() if "checked" in sr.states(button)]
                open_entries = [i for i in range(1, 9) if "sensitive" in sr.states(entries[i])]
                return checked == [chosen] and open_entries == list(range(1, chosen + 1))

            wait_for(f"{chosen} households chosen with their entries open", settled, timeout=3)

        # The Toggle action must run the count's handler, as a click does.
        for chosen in (3, 4):
            sr.do_action(counts[chosen], "Toggle")
            expect_count(chosen)

        for node, value in zip(entries, ["30", "60", "70", "80", "90"]):
            sr.set_text(node, value)
        sr.do_action(qw.calculate_button(app), "Press")
        expected = ["66", "77", "88", "99", "", "", "", "", "330", "90.90909"]
        wait_for("the results", lambda: [sr.text(node) for node in results] == expected,
                 timeout=5)
        print("The window after a calculation, as AT-SPI presents it:")
        print("\n".join(sr.tree(sr.fresh(window))))

        sr.set_text(entries[2], "7O")
        sr.do_action(qw.calculate_button(app), "Press")
        alert = sr.find(app, "alert", "请输入数字！！", timeout=5)
        print("\nThe warning:")
        print("\n".join(sr.tree(alert)))
        self.assertTrue(any(sr.role(n) == "label" and n.name == "请输入数字！！"
                            for n in sr.descendants(alert)), "the alert shows no label")
        sr.do_action(sr.find(alert, "push button", "确定"), "Press")
        wait_for("the warning to close", lambda: sr.fresh(app).childCount == 1, timeout=5)
        sr.wait_for_focus(app, "第2户使用面积", "closing the warning")
        self.assertEqual(sr.text(entries[2]), "7O", "the warning changed what was typed")


if __name__ == "__main__":
    unittest.main(verbosity=2)
