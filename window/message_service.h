// The modal message box the handlers show, as a service: the Qt layer shows a real one, the
// tests record what would have been shown.
#pragma once

#include <string_view>

namespace quotara {

// The style value of a warning: an exclamation-mark icon and a single OK button.
inline constexpr int kWarningStyle = 48;

// The caption of a box's OK button, UTF-8. The window is Chinese whatever the toolkit's own
// translations hold, and some systems' Qt translations lack this one.
inline constexpr std::string_view kOkCaption = "确定";

// Numbered as the icon part of a style value: 16 stop, 32 question, 48 exclamation,
// 64 information; the other bits of a style choose buttons and defaults.
enum class MessageIcon { none, critical, question, warning, information };
[[nodiscard]] constexpr MessageIcon messageIcon(int style) {
    const int icon = (style & 0x70) >> 4;
    return icon <= 4 ? static_cast<MessageIcon>(icon) : MessageIcon::none;
}

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Returns once the user has closed the box; the answer is of no interest.
    virtual void show(std::u16string_view prompt, int style, std::u16string_view title) = 0;
};

}  // namespace quotara
