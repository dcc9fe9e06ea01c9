#include "layout.h"

#include "field_model.h"
#include "release.h"

namespace quotara {
namespace {

using K = ControlKind;
constexpr FontSpec kSong9{FontFace::song, 90, false};
constexpr FontSpec kSong12Bold{FontFace::song, 120, true};
constexpr FontSpec kSong105Bold{FontFace::song, 105, true};
constexpr FontSpec kHei105Bold{FontFace::hei, 105, true};
constexpr std::nullopt_t kWindowFont = std::nullopt;
constexpr std::nullopt_t kDefault = std::nullopt;
constexpr std::uint32_t kScroll = kScrollBarColor;
constexpr std::uint32_t kMenu = kMenuBarColor;
constexpr std::uint32_t kWindow = kWindowBackgroundColor;

}  // namespace

const FormSpec kForm1{"Form1", kCaption, 5835, 7410, {FontFace::song, 120, false}, kScrollBarColor};

// clang-format off
const std::array<ControlSpec, 50> kControls = {{
//   name        kind              container left  top   width height caption  font  colour  accessible name
    {"Picture1", K::pictureBox,    "Form1",  240,    0, 5295, 735, "", kWindowFont, kDefault, "Quotara"},

    {"Frame1",   K::frame,         "Form1",  240,  840, 5325, 700, "请先选择单元平面的户数", kSong105Bold, kDefault, ""},
    {"Option2",  K::optionButton,  "Frame1",  600,  300, 400, 300, "2", kSong9, kDefault, "2户"},
    {"Option3",  K::optionButton,  "Frame1", 1200,  300, 400, 300, "3", kSong9, kDefault, "3户"},
    {"Option4",  K::optionButton,  "Frame1", 1800,  300, 400, 300, "4", kSong9, kDefault, "4户"},
    {"Option5",  K::optionButton,  "Frame1", 2400,  300, 400, 300, "5", kSong9, kDefault, "5户"},
    {"Option6",  K::optionButton,  "Frame1", 3000,  300, 400, 300, "6", kSong9, kDefault, "6户"},
    {"Option7",  K::optionButton,  "Frame1", 3600,  300, 400, 300, "7", kSong9, kDefault, "7户"},
    {"Option8",  K::optionButton,  "Frame1", 4200,  300, 400, 300, "8", kSong9, kDefault, "8户"},

    {"Frame2",   K::frame,         "Form1",  240, 1560, 5325, 700, "请输入核心部分的面积", kSong105Bold, kDefault, ""},
    {"texta",    K::textBox,       "Frame2", 1440,  240, 2115, 360, "", kWindowFont, kWindow, "核心部分面积"},

    {"Frame3",   K::frame,         "Form1",  240, 2400, 1965, 3855, "    使用面积", kSong105Bold, kDefault, ""},
    {"Label2_0", K::label,         "Frame3",  200,  400, 200, 300, "1", kSong12Bold, kDefault, ""},
    {"Label3_0", K::label,         "Frame3",  200,  800, 200, 300, "2", kSong12Bold, kDefault, ""},
    {"Label4_0", K::label,         "Frame3",  200, 1200, 200, 300, "3", kSong12Bold, kDefault, ""},
    {"Label5_0", K::label,         "Frame3",  200, 1600, 200, 300, "4", kSong12Bold, kDefault, ""},
    {"Label6_0", K::label,         "Frame3",  200, 2000, 200, 300, "5", kSong12Bold, kDefault, ""},
    {"Label7_0", K::label,         "Frame3",  200, 2400, 200, 300, "6", kSong12Bold, kDefault, ""},
    {"Label8_0", K::label,         "Frame3",  200, 2800, 200, 300, "7", kSong12Bold, kDefault, ""},
    {"Label9_0", K::label,         "Frame3",  200, 3200, 200, 300, "8", kSong12Bold, kDefault, ""},
    {"Text1",    K::textBox,       "Frame3",  480,  360, 1260, 300, "", kSong9, kMenu, "第1户使用面积"},
    {"Text2",    K::textBox,       "Frame3",  500,  800, 1260, 300, "", kSong9, kMenu, "第2户使用面积"},
    {"Text3",    K::textBox,       "Frame3",  500, 1200, 1260, 300, "", kSong9, kMenu, "第3户使用面积"},
    {"Text4",    K::textBox,       "Frame3",  500, 1600, 1260, 300, "", kSong9, kMenu, "第4户使用面积"},
    {"Text5",    K::textBox,       "Frame3",  480, 2000, 1260, 300, "", kSong9, kMenu, "第5户使用面积"},
    {"Text6",    K::textBox,       "Frame3",  500, 2400, 1260, 300, "", kSong9, kMenu, "第6户使用面积"},
    {"Text7",    K::textBox,       "Frame3",  500, 2800, 1260, 300, "", kSong9, kMenu, "第7户使用面积"},
    {"Text8",    K::textBox,       "Frame3",  500, 3200, 1260, 300, "", kSong9, kMenu, "第8户使用面积"},

    {"Frame4",   K::frame,         "Form1", 3600, 2520, 1920, 3735, "   建筑面积 ", kSong105Bold, kDefault, ""},
    {"Label2_1", K::label,         "Frame4",  200,  400, 195, 300, "1", kSong12Bold, kDefault, ""},
    {"Label3_1", K::label,         "Frame4",  200,  800, 195, 300, "2", kSong12Bold, kDefault, ""},
    {"Label4_1", K::label,         "Frame4",  200, 1200, 195, 300, "3", kSong12Bold, kDefault, ""},
    {"Label5_1", K::label,         "Frame4",  200, 1600, 195, 300, "4", kSong12Bold, kDefault, ""},
    {"Label6_1", K::label,         "Frame4",  200, 2000, 195, 300, "5", kSong12Bold, kDefault, ""},
    {"Label7_1", K::label,         "Frame4",  200, 2400, 195, 300, "6", kSong12Bold, kDefault, ""},
    {"Label8_1", K::label,         "Frame4",  200, 2800, 195, 300, "7", kSong12Bold, kDefault, ""},
    {"Label9_1", K::label,         "Frame4",  200, 3200, 195, 300, "8", kSong12Bold, kDefault, ""},
    {"produce1", K::textBox,       "Frame4",  480,  400, 1245, 300, "", kSong9, kScroll, "第1户建筑面积"},
    {"produce2", K::textBox,       "Frame4",  480,  800, 1245, 300, "", kSong9, kScroll, "第2户建筑面积"},
    {"produce3", K::textBox,       "Frame4",  480, 1200, 1245, 300, "", kSong9, kScroll, "第3户建筑面积"},
    {"produce4", K::textBox,       "Frame4",  480, 1600, 1245, 300, "", kSong9, kScroll, "第4户建筑面积"},
    {"produce5", K::textBox,       "Frame4",  480, 2000, 1245, 300, "", kSong9, kScroll, "第5户建筑面积"},
    {"produce6", K::textBox,       "Frame4",  480, 2400, 1245, 300, "", kSong9, kScroll, "第6户建筑面积"},
    {"produce7", K::textBox,       "Frame4",  480, 2800, 1245, 300, "", kSong9, kScroll, "第7户建筑面积"},
    {"produce8", K::textBox,       "Frame4",  480, 3200, 1245, 300, "", kSong9, kScroll, "第8户建筑面积"},

    {"Command1", K::commandButton, "Form1", 2520, 3720, 840, 400, "计算", kSong12Bold, kScroll, ""},
    {"Command2", K::commandButton, "Form1", 2520, 4920, 840, 400, "清除", kSong12Bold, kDefault, ""},

    {"Frame5",   K::frame,         "Form1",  240, 6480, 5295, 735, "     总面积                       使用率", kHei105Bold, kDefault, ""},
    {"Text9",    K::textBox,       "Frame5",  480,  240, 1215, 360, "", kWindowFont, kScroll, "总面积"},
    {"Text10",   K::textBox,       "Frame5", 3840,  240, 1215, 360, "", kWindowFont, kScroll, "使用率（百分比）"},
}};
// clang-format on

// The banner, frames and labels never take the focus.
const std::array<std::string_view, 28> kTabOrder = {
    "Option2",  "Option3",  "Option4",  "Option5",  "Option6",  "Option7",  "Option8",
    "texta",    "Command1", "Command2", "Text3",    "Text4",    "Text5",    "Text6",
    "Text7",    "Text8",    "Text1",    "Text2",    "produce1", "produce3", "produce4",
    "produce5", "produce6", "produce7", "produce8", "produce2", "Text9",    "Text10",
};

}  // namespace quotara
