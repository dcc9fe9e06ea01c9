// Renders the window after a worked example (four households) into a PNG, offscreen, with the
// real fonts, and optionally saves its calculation sheet as a PDF.
// Usage: window_screenshot OUTPUT.png [SHEET.pdf]
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

#include "startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: window_screenshot OUTPUT.png [SHEET.pdf]\n");
        return 2;
    }
    quotara::installChineseResources(app);
    quotara::MainWindow window(u'.');
    QWidget& form = window.form();
    const auto find = [&form](const char* name) {
        return form.findChild<QWidget*>(QString::fromLatin1(name));
    };
    qobject_cast<QAbstractButton*>(find("Option4"))->click();
    const char* entries[][2] = {
        {"texta", "30"}, {"Text1", "60"}, {"Text2", "70"}, {"Text3", "80"}, {"Text4", "90"}};
    for (const auto& [name, text] : entries) {
        qobject_cast<QLineEdit*>(find(name))->setText(QString::fromLatin1(text));
    }
    qobject_cast<QAbstractButton*>(find("Command1"))->click();
    form.show();
    QApplication::processEvents();
    if (argc == 3 && !window.sheetMenu().exportPdfTo(QString::fromLocal8Bit(argv[2]))) {
        return 1;
    }
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
