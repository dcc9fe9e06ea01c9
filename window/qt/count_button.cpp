#include "count_button.h"

#include <QApplication>
#include <QKeyEvent>

namespace quotara {

void CountButton::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    // The buttons stand in one row: Up and Down step through it as Left and Right do, as the
    // arrow keys do in a group of option buttons on Windows.
    if (key == Qt::Key_Up) {
        key = Qt::Key_Left;
    } else if (key == Qt::Key_Down) {
        key = Qt::Key_Right;
    } else if (key != Qt::Key_Left && key != Qt::Key_Right) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QKeyEvent step(event->type(), key, event->modifiers(), event->text(), event->isAutoRepeat(),
                   static_cast<quint16>(event->count()));
    QRadioButton::keyPressEvent(&step);
    event->setAccepted(step.isAccepted());
    // Qt chooses the button it moves to only when the one it leaves is chosen, so with no
    // count chosen yet the arrows would move the focus alone.
    auto* next = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    if (next != nullptr && next != this && next->parentWidget() == parentWidget() &&
        !next->isChecked()) {
        next->click();
    }
}

}  // namespace quotara
