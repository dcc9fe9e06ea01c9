"""Numbers in the user's locale: started with LC_ALL set, the program reads and shows numbers
with the locale's decimal separator, while its own texts and Qt's stay Chinese.
Usage: locale_test.py QUOTARA SOURCE_DIR LOCALE SEPARATOR"""
import subprocess
import sys

import session
from session import check, wait_for


def main(s):
    import quotara_window as qw
    import screen_reader as sr

    locale, separator = sys.argv[3], sys.argv[4]
    available = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    check(locale.replace("UTF-8", "utf8") in available,
          f"the locale {locale} is not generated (package locales; scripts/setup.sh makes it)")

    program = s.start_program(LC_ALL=locale)
    app = sr.application(program)

    def number(text):
        return text.replace(".", separator)

    sr.do_action(qw.count_button(app, 2), "Toggle")
    wait_for("2 households chosen", lambda: "sensitive" in sr.states(sr.fresh(qw.usable(app, 2))),
             timeout=3)
    for node, value in ((qw.core(app), "12.5"), (qw.usable(app, 1), "50"),
                        (qw.usable(app, 2), "50")):
        sr.set_text(node, number(value))
    sr.do_action(qw.calculate_button(app), "Press")
    results = [qw.building(app, 1), qw.building(app, 2), qw.total(app), qw.rate(app)]
    expected = [number(value) for value in ("56.25", "56.25", "112.5", "88.88889")]
    wait_for(f"the results with {separator!r}", lambda: [sr.text(n) for n in results] == expected,
             timeout=5)

    # The window's texts and Qt's own (the warning's button) stay Chinese.
    check([qw.calculate_button(app).name, qw.clear_button(app).name] == ["计算", "清除"],
          "the buttons are not 计算 and 清除")
    sr.set_text(qw.usable(app, 2), "五十")
    sr.do_action(qw.calculate_button(app), "Press")
    alert = sr.find(app, "alert", "请输入数字！！", timeout=5)
    buttons = [n.name for n in sr.descendants(alert) if sr.role(n) == "push button"]
    check(buttons == ["确定"], f"the warning's buttons read {buttons}, expected ['确定']")
    sr.do_action(sr.find(alert, "push button", "确定"), "Press")
    wait_for("the warning to close", lambda: sr.fresh(app).childCount == 1, timeout=5)
    check("locale" not in program.log().lower(), f"the program warned: {program.log()}")


if __name__ == "__main__":
    session.run(main, needs=("x11", "atspi"))
