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
#include "fitted_text.h"
#include "form_walk.h"
#include "qt_compat.h"
#include "qt_text.h"

// The banner is compiled into this static library, where nothing else refers to it: without
// this call the linker leaves it out of the program.
static void initBannerResource() {
    Q_INIT_RESOURCE(banner);
}

namespace quotara {
namespace {

QWidget* createWidget(const ControlSpec& row, QWidget* parent) {
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

class QtFormToolkit final : public FormToolkit {
  public:
    std::unique_ptr<QWidget> form;

    void createForm(const FormSpec& description) override {
        form = std::make_unique<QWidget>();
        form->setObjectName(toQString(description.name));
        form->setWindowTitle(toQString(description.caption));
        form->setFixedSize(twipsToPixels(description.clientWidth),
                           twipsToPixels(description.clientHeight));
        form->setFont(fontFor(description.font));
        form->setAutoFillBackground(true);
        applySystemColor(*form, QPalette::Window, description.backColor);
        built_.insert(form->objectName(), form.get());
    }

    void createControl(const ControlSpec& row, std::string_view container) override {
        QWidget* control = createWidget(row, built_.value(toQString(container)));
        control->setObjectName(toQString(row.name));
        control->setGeometry(twipsToPixels(row.left), twipsToPixels(row.top),
                             twipsToPixels(row.width), twipsToPixels(row.height));
        if (!takesFocus(row)) {
            control->setFocusPolicy(Qt::NoFocus);
        }
        built_.insert(control->objectName(), control);
    }

    void setFont(const ControlSpec& row, const FontSpec& font) override {
        find(row)->setFont(fontFor(font));
    }

    void setBackColor(const ControlSpec& row, std::uint32_t systemColor) override {
        applySystemColor(*find(row), backgroundRole(row.kind), systemColor);
    }

    void setAccessibleName(const ControlSpec& row, std::string_view name) override {
        find(row)->setAccessibleName(toQString(name));
    }

    void setEnabled(const ControlSpec& row, bool enabled) override {
        find(row)->setEnabled(enabled);
    }

    void fitTextToWidth(const ControlSpec& row) override {
        if (auto* box = qobject_cast<QLineEdit*>(find(row))) {
            quotara::fitTextToWidth(*box);
        }
    }

    void placeInTabOrder(const ControlSpec& row, int /*position*/) override {
        QWidget* control = find(row);
        if (previous_ != nullptr) {
            QWidget::setTabOrder(previous_, control);
        }
        previous_ = control;
    }

  private:
    QWidget* find(const ControlSpec& row) const { return built_.value(toQString(row.name)); }

    QHash<QString, QWidget*> built_;
    QWidget* previous_ = nullptr;
};

}  // namespace

std::unique_ptr<QWidget> buildForm1() {
    initBannerResource();
    installWindowAccessibility();
    const WindowFontWhileBuilding windowFont(fontFor(kForm1.font));
    QtFormToolkit toolkit;
    buildForm(toolkit);
    return std::move(toolkit.form);
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
