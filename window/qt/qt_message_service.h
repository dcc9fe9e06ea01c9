// The message service as a real Qt message box: modal to the application, one OK button.
#pragma once

#include <QPointer>
#include <QWidget>

#include "message_service.h"

namespace quotara {

class QtMessageService final : public MessageService {
  public:
    explicit QtMessageService(QWidget* parent) : parent_(parent) {}
    void show(std::u16string_view prompt, int style, std::u16string_view title) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace quotara
