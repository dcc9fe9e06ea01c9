// The window's frames: an etched line around the frame with the caption set into its top edge,
// as classic Windows draws them, so that the frame's children stand where their twips put them.
#pragma once

#include <QColor>
#include <QGroupBox>

namespace quotara {

class CaptionFrame final : public QGroupBox {
    Q_OBJECT

  public:
    // `backdrop` is the colour the frame stands on: the caption's background hides the line
    // behind it.
    CaptionFrame(const QString& caption, QColor backdrop, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor backdrop_;
};

}  // namespace quotara
