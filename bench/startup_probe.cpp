// Starts a window and quits once it has painted, for the start-up benchmark (startup.sh).
// Built twice: as the real window, started as main() starts it, and as a bare window that only
// sets the window's captions in the same faces, the floor any Qt window with them pays.
#include <QApplication>
#include <QLabel>
#include <QLocale>

#include "appearance.h"
#ifdef QUOTARA_PROBE_REAL_WINDOW
#include "form_builder.h"
#include "startup.h"
#endif

namespace {

// Quits after the first paint has reached the screen.
class QuitOnPaint final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitOnPaint quit;
#ifdef QUOTARA_PROBE_REAL_WINDOW
    quotara::installApplicationIdentity();
    quotara::installChineseResources(app);
    const QString separator = QLocale::system().decimalPoint();
    quotara::MainWindow window(separator.isEmpty() ? u'.' : separator.front().unicode());
    window.form().installEventFilter(&quit);
    quotara::showCentred(window.form());
#else
    // Every caption of the window as a plain label in its own face, size and weight: the same
    // fonts and glyphs, without the controls, style sheets, icons or translations.
    quotara::installChineseFontSubstitutes();
    QWidget window;
    window.setFixedSize(quotara::twipsToPixels(quotara::kForm1.clientWidth),
                        quotara::twipsToPixels(quotara::kForm1.clientHeight));
    int top = 0;
    for (const quotara::ControlSpec& row : quotara::kControls) {
        if (row.caption.empty()) {
            continue;
        }
        auto* label = new QLabel(
            QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size())),
            &window);
        label->setFont(quotara::fontFor(row.font.value_or(quotara::kForm1.font)));
        label->move(0, top);
        top += 9;
    }
    window.installEventFilter(&quit);
    window.show();
#endif
    return QApplication::exec();
}
