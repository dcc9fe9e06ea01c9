#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>

#include "appearance.h"
#include "form_builder.h"
#include "qt_compat.h"
#include "qt_text.h"
#include "release.h"

// The icons are compiled into this static library, where nothing else refers to them: without
// this call the linker leaves them out of the program.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace quotara {
namespace {

// Every size built into the resources, so that the window manager (_NET_WM_ICON) and the task
// bar get each one the desktop has.
QIcon programIcon() {
    QIcon icon;
    const QDir icons(QStringLiteral(":/quotara/icons"), QStringLiteral("quotara-*.png"));
    for (const QString& name : icons.entryList(QDir::Files)) {
        // Read as the PNGs they are: left to recognise them, Qt loads every image format
        // plugin (JPEG, SVG …) and their libraries, which costs start-up some 8 ms.
        QImageReader png(icons.filePath(name), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&png));
    }
    return icon;
}

// Gives the application its icon once the first window has painted. Decoding every size and
// handing them to the window manager costs about a tenth of the start-up: the user sees the
// window first, and the title bar and task bar take the icon a moment later.
class IconAfterFirstPaint final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After the paint and its flush to the screen, which this event starts.
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(programIcon());
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void installApplicationIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

void installChineseResources(QApplication& app) {
    // The window is Chinese whatever the system's language; only numbers follow the system
    // locale. Older Qt 5 translation packages have the toolkit's texts in one qt_zh_CN file only.
    auto* translator = new QTranslator(&app);
    for (const QString& catalogue : {QStringLiteral("qtbase"), QStringLiteral("qt")}) {
        if (translator->load(QLocale(QLocale::Chinese, QLocale::China), catalogue,
                             QStringLiteral("_"), qt_compat::translationsPath())) {
            QApplication::installTranslator(translator);
            break;
        }
    }
    installChineseFontSubstitutes();
    initIconResources();
    app.installEventFilter(new IconAfterFirstPaint(&app));
}

MainWindow::MainWindow(char16_t decimalSeparator)
    : form_(buildForm1()),
      fields_(*form_),
      messages_(form_.get()),
      context_{fields_, messages_, decimalSeparator},
      sheetMenu_(new SheetMenu(*form_, context_)) {
    bindClicks();
    if (auto* first = form_->findChild<QWidget*>(toQString(fieldName(kFirstFocus)))) {
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
        if (binding.whenChosen) {
            // Each way of choosing checks the button once; not all of them emit clicked (a
            // screen reader's Toggle action does not).
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
