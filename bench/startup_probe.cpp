// Starts a window and quits once it has painted, for the start-up benchmark (startup.sh).
// Built twice: as the real window, started as main() starts it, and as a bare window that only
// sets the window's captions in the same faces: what any Qt window showing them pays.
#include <QApplication>
#include <QLabel>
#include <QLocale>

#include "appearance.h"
#include "qt_text.h"
#ifdef QUOTARA_PROBE_REAL_WINDOW
#include "form_builder.h"
#include "startup.h"
#endif

namespace {

// Quits once the window's first paint is done: the event loop stops at the end of the pass that
// painted and flushed the window, so work a program leaves for after its first frame (setting
// the window icon) is not counted: the user does not wait for it.
class QuitOnPaint final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    // Both at the same scale and font dpi, so that both draw the same glyphs.
    quotara::installDisplaySettings();
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
    // Every caption as a plain label in its control's face, size and weight: the same fonts and
    // glyphs, without the controls, style sheets, icons or translations.
    quotara::installChineseFontSubstitutes();
    QWidget window;
    window.setFixedSize(quotara::twipsToPixels(quotara::kForm1.clientWidth),
                        quotara::twipsToPixels(quotara::kForm1.clientHeight));
    int top = 0;
    for (const quotara::ControlSpec& row : quotara::kControls) {
        if (!row.caption.empty()) {
            auto* label = new QLabel(quotara::toQString(row.caption), &window);
            label->setFont(quotara::fontFor(row.font.value_or(quotara::kForm1.font)));
            label->move(0, top);
            top += 9;
        }
    }
    window.installEventFilter(&quit);
    window.show();
#endif
    return QApplication::exec();
}
