// node write_markup.js title|style|body: prints that part of the page's window markup, for
// inline_page.mjs to put into the page as it is built.
#include <cstdio>
#include <string_view>

#include "page_markup.h"

int main(int argc, char** argv) {
    const std::string_view part = argc == 2 ? argv[1] : "";
    const quotara::PageMarkup markup = quotara::pageMarkup();
    const std::string* text = part == "title"   ? &markup.title
                              : part == "style" ? &markup.style
                              : part == "body"  ? &markup.body
                                                : nullptr;
    if (text == nullptr) {
        std::fputs("usage: write_markup title|style|body\n", stderr);
        return 2;
    }
    std::fwrite(text->data(), 1, text->size(), stdout);
    return 0;
}
