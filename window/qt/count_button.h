// The household-count buttons: radio buttons whose arrow keys always choose as they move.
#pragma once

#include <QRadioButton>

namespace quotara {

class CountButton final : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quotara
