// Quotara: apportions a floor's shared core area among its households.
#include <QApplication>
#include <QLocale>

#include "appearance.h"
#include "form_builder.h"
#include "startup.h"

int main(int /*argc*/, char* /*argv*/[]) {
    quotara::QtCommandLine commandLine;
    quotara::installDisplaySettings();
    QApplication app(commandLine.argc, commandLine.argv);
    quotara::installApplicationIdentity();
    quotara::installChineseResources(app);

    const QString separator = QLocale::system().decimalPoint();
    quotara::MainWindow window(separator.isEmpty() ? u'.' : separator.front().unicode());
    quotara::showCentred(window.form());
    return QApplication::exec();
}
