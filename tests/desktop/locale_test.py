"""Numbers in the user's locale: started with LC_ALL set, the program reads and shows numbers
with the locale's decimal separator, while its own texts and Qt's stay Chinese. The locale and
its separator come from QUOTARA_LOCALE and QUOTARA_DECIMAL_SEPARATOR."""
import subprocess
import unittest

import quotara_window as qw
import screen_reader as sr
from session import DesktopTest, given, wait_for


class LocaleTest(DesktopTest):
    NEEDS = ("x11", "atspi")

    def test_numbers_use_the_locales_separator_and_texts_stay_chinese(self):
        locale, separator = given("QUOTARA_LOCALE"), given("QUOTARA_DECIMAL_SEPARATOR")
        available = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout
        self.assertIn(locale.replace("UTF-8", "utf8"), available.split(),
                      f"the locale {locale} is not generated (package locales; "
                      "scripts/setup.sh makes it)")

        program = self.session.start_program(LC_ALL=locale)
        app = sr.application(program)

        def number(text):
            return text.replace(".", separator)

        sr.do_action(qw.count_button(app, 2), "Toggle")
        wait_for("2 households chosen",
                 lambda: "sensitive" in sr.states(sr.fresh(qw.usable(app, 2))), timeout=3)
        for node, value in ((qw.core(app), "12.5"), (qw.usable(app, 1), "50"),
                            (qw.usable(app, 2), "50")):
            sr.set_text(node, number(value))
        sr.do_action(qw.calculate_button(app), "Press")
        results = [qw.building(app, 1), qw.building(app, 2), qw.total(app), qw.rate(app)]
        expected = [number(value) for value in ("56.25", "56.25", "112.5", "88.88889")]
        wait_for(f"the results with {separator!r}",
                 lambda: [sr.text(n) for n in results] == expected, timeout=5)

        # The window's texts and Qt's own (the warning's button) stay Chinese.
        self.assertEqual([qw.calculate_button(app).name, qw.clear_button(app).name],
                         ["计算", "清除"])
        sr.set_text(qw.usable(app, 2), "五十")
        sr.do_action(qw.calculate_button(app), "Press")
        alert = sr.find(app, "alert", "请输入数字！！", timeout=5)
        self.assertEqual([n.name for n in sr.descendants(alert) if sr.role(n) == "push button"],
                         ["确定"], "the warning's buttons")
        sr.do_action(sr.find(alert, "push button", "确定"), "Press")
        wait_for("the warning to close", lambda: sr.fresh(app).childCount == 1, timeout=5)
        self.assertNotIn("locale", program.log().lower(), "the program warned")


if __name__ == "__main__":
    unittest.main(verbosity=2)
