#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "appearance.h"
#include "form_builder.h"
#include "qt_text.h"
#include "release.h"

namespace quotara {

void installApplicationIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

void installChineseResources(QApplication& app) {
    auto* translator = new QTranslator(&app);
    // The window is Chinese whatever the system's language; only numbers follow the system
    // locale.
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    installChineseFontSubstitutes();
    // Every size built into the resources, so that the window manager (_NET_WM_ICON) and
    // the task bar get each one the desktop has.
    QIcon icon;
    const QDir icons(QStringLiteral(":/quotara/icons"), QStringLiteral("quotara-*.png"));
    for (const QString& name : icons.entryList(QDir::Files)) {
        icon.addFile(icons.filePath(name));
    }
    QApplication::setWindowIcon(icon);
}

MainWindow::MainWindow(char16_t decimalSeparator)
    : form_(buildForm1()),
      fields_(*form_),
      messages_(form_.get()),
      context_{fields_, messages_, decimalSeparator},
      sheetMenu_(new SheetMenu(*form_, context_)) {
    bindClicks();
    // The focus starts on the first household-count button, the first thing to do, without
    // choosing it: the window opens with no count chosen.
    if (auto* first = form_->findChild<QWidget*>(QStringLiteral("Option2"))) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::bindClicks() {
    for (const ClickBinding& binding : kClickBindings) {
        auto* button = form_->findChild<QAbstractButton*>(toQString(binding.control));
        if (button == nullptr) {
            continue;
        }
        // The bindings are a static table: the connection may keep a reference to its row.
        const auto run = [this, &binding] { runClick(binding, context_); };
        if (button->isCheckable()) {
            // A count is chosen by a click, Space, an arrow key or a screen reader's Toggle
            // action. Each checks the button once; not all of them emit clicked.
            QObject::connect(button, &QAbstractButton::toggled, form_.get(), [run](bool checked) {
                if (checked) {
                    run();
                }
            });
        } else {
            QObject::connect(button, &QAbstractButton::clicked, form_.get(), run);
        }
    }
}

}  // namespace quotara
