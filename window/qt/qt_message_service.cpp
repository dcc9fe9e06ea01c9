#include "qt_message_service.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>

#include "qt_compat.h"
#include "qt_text.h"

namespace quotara {
namespace {

QMessageBox::Icon iconFor(int style) {
    // In the order of MessageIcon.
    constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                            QMessageBox::Question, QMessageBox::Warning,
                                            QMessageBox::Information};
    return kIcons[static_cast<std::size_t>(messageIcon(style))];
}

}  // namespace

void QtMessageService::show(std::u16string_view prompt, int style, std::u16string_view title) {
    QString caption = toQString(title);
    // On X11 Qt replaces an empty window title with the application's name; a single space
    // keeps the title bar looking empty, as asked.
    if (caption.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        caption = QStringLiteral(" ");
    }
    QMessageBox box(iconFor(style), caption, toQString(prompt), QMessageBox::Ok, parent_.data());
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Ok)->setText(toQString(kOkCaption));
    // Screen readers announce the box by its name, and its title is empty.
    box.setAccessibleName(box.text());
    box.exec();
    // On X11 the window does not become active again by itself once the box has gone.
    if (parent_ != nullptr && parent_->isVisible()) {
        qt_compat::activate(*parent_);
    }
}

}  // namespace quotara
