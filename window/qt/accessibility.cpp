#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace quotara {
namespace {

// Qt asks every factory for each class of an object's class chain, the last installed first;
// a plain QWidget reaches this one as "QWidget". Its name stays Qt's: the window caption.
QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void installWindowAccessibility() {
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(&windowFactory);
}

}  // namespace quotara
