#include "form_builder.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <limits>

#include "accessibility.h"
#include "appearance.h"
#include "caption_frame.h"
#include "count_button.h"
#include "field_model.h"
#include "fitted_text.h"
#include "qt_compat.h"
#include "qt_text.h"

// The banner is compiled into this static library, where nothing else refers to it: without
// this call the linker leaves it out of the program.
static void initBannerResource() {
    Q_INIT_RESOURCE(banner);
}

namespace quotara {
namespace {

QWidget* createControl(const ControlSpec& row, QWidget* parent) {
    const QString caption = toQString(row.caption);
    switch (row.kind) {
        case ControlKind::pictureBox: {
            auto* picture = new QLabel(parent);
            // The banner at its natural size from the top-left corner, never scaled.
            picture->setPixmap(QPixmap(QStringLiteral(":/quotara/banner.gif")));
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
        case ControlKind::frame: {
            auto* frame = new CaptionFrame(caption, systemColor(kForm1.backColor), parent);
            // The spaces that place a caption on screen mean nothing read aloud.
            frame->setAccessibleName(caption.simplified());
            return frame;
        }
        case ControlKind::optionButton:
            return new CountButton(caption, parent);
        case ControlKind::textBox: {
            auto* box = new QLineEdit(parent);
            // Qt's default cap of 32767 characters would cut a long paste; nothing the user
            // types may be lost.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAlignment(Qt::AlignLeft);
            return box;
        }
        case ControlKind::label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::commandButton: {
            auto* button = new QPushButton(caption, parent);
            // Neither button answers Enter or Escape.
            button->setAutoDefault(false);
            button->setDefault(false);
            return button;
        }
    }
    return new QWidget(parent);
}

QPalette::ColorRole backgroundRole(ControlKind kind) {
    switch (kind) {
        case ControlKind::textBox:
            return QPalette::Base;
        case ControlKind::commandButton:
            return QPalette::Button;
        default:
            return QPalette::Window;
    }
}

// Each entry, as Qt makes it, lays its empty text out in the application's font before it takes
// its own: a face the window never shows, loaded only for that. While the window is built, the
// application's font is the window's; afterwards it is what it was, for message boxes and menus.
class WindowFontWhileBuilding {
  public:
    explicit WindowFontWhileBuilding(const QFont& font) : saved_(QApplication::font()) {
        QApplication::setFont(font);
    }
    ~WindowFontWhileBuilding() { QApplication::setFont(saved_); }
    WindowFontWhileBuilding(const WindowFontWhileBuilding&) = delete;
    WindowFontWhileBuilding& operator=(const WindowFontWhileBuilding&) = delete;

  private:
    QFont saved_;
};

}  // namespace

std::unique_ptr<QWidget> buildForm1() {
    initBannerResource();
    installWindowAccessibility();
    const WindowFontWhileBuilding windowFont(fontFor(kForm1.font));
    auto form = std::make_unique<QWidget>();
    form->setObjectName(toQString(kForm1.name));
    form->setWindowTitle(toQString(kForm1.caption));
    form->setFixedSize(twipsToPixels(kForm1.clientWidth), twipsToPixels(kForm1.clientHeight));
    form->setFont(fontFor(kForm1.font));
    form->setAutoFillBackground(true);
    applySystemColor(*form, QPalette::Window, kForm1.backColor);

    QHash<QString, QWidget*> built{{form->objectName(), form.get()}};
    for (const ControlSpec& row : kControls) {
        QWidget* control = createControl(row, built.value(toQString(row.container)));
        control->setObjectName(toQString(row.name));
        control->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top),
                             twipsToPixels(row.width), twipsToPixels(row.height));
        // Set even where it is the window's font, so that a control does not inherit its
        // frame's caption font.
        control->setFont(fontFor(row.font.value_or(kForm1.font)));
        if (row.backColor) {
            applySystemColor(*control, backgroundRole(row.kind), *row.backColor);
        }
        if (!row.accessibleName.empty()) {
            control->setAccessibleName(toQString(row.accessibleName));
        }
        if (const std::optional<Field> field = fieldNamed(row.name)) {
            control->setEnabled(initialState(*field).enabled);
            auto* box = qobject_cast<QLineEdit*>(control);
            if (box != nullptr && isResultField(*field)) {
                fitTextToWidth(*box);
            }
        }
        if (row.kind == ControlKind::pictureBox || row.kind == ControlKind::label ||
            row.kind == ControlKind::frame) {
            control->setFocusPolicy(Qt::NoFocus);
        }
        built.insert(control->objectName(), control);
    }

    for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
        QWidget::setTabOrder(built.value(toQString(kTabOrder[i - 1])),
                             built.value(toQString(kTabOrder[i])));
    }
    return form;
}

void showCentred(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    qt_compat::activate(window);
}

}  // namespace quotara
