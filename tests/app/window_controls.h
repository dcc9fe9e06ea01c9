// The running window's controls by name, for the tests that drive it.
#pragma once

#include <QWidget>

namespace quotara {

// The control named `name` (its object name), as the kind of widget it must be; a missing one
// ends the test.
template <typename Control = QWidget>
Control* control(QWidget& form, const char* name) {
    auto* found = qobject_cast<Control*>(form.findChild<QWidget*>(QString::fromLatin1(name)));
    if (found == nullptr) {
        qFatal("no control %s of the expected kind", name);
    }
    return found;
}

}  // namespace quotara
