// The banner and the icon, compiled in from the very files the desktop program shows, so that
// the page needs no file of its own. The build generates their definitions.
#pragma once

#include <string_view>

extern const std::string_view kBannerGif;
extern const std::string_view kIconPng;
