// Builds the page from the window's description: the form with every control at its place in
// CSS pixels, its caption, font and colour, the tab order, the page's title and icon, and the
// message dialog. Each control's element id is its control name.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace quotara {

struct PageImages {
    std::string bannerUri;  // data: URIs
    std::string iconUri;
};

// Fills the document's body; call once, at start.
void buildPage(emscripten::val document, const PageImages& images);

// A data: URI holding the given bytes, base64-encoded.
[[nodiscard]] std::string dataUri(std::string_view mediaType, std::string_view bytes);

}  // namespace quotara
