// The modal message box the handlers show, as a service: the Qt layer shows a real one, the
// tests record what would have been shown.
#pragma once

#include <string_view>

namespace quotara {

// The style value of a warning: an exclamation-mark icon and a single OK button.
inline constexpr int kWarningStyle = 48;

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Returns once the user has closed the box; the answer is of no interest.
    virtual void show(std::u16string_view prompt, int style, std::u16string_view title) = 0;
};

}  // namespace quotara
