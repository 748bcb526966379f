#pragma once

#include <QIcon>

#include <span>

namespace abacor {

// One square image of the program's icon as 0xAARRGGBB pixels, row by row,
// built into the program.
struct AppIconImage {
    const unsigned int* pixels;
    int size;
};

// Every size of the icon the programs carry (generated from desktop/jp.korvel.Abacor.svg).
std::span<const AppIconImage> AppIconImages();

// The icon of both programs' windows, in all the sizes they carry.
QIcon AppIcon();

}  // namespace abacor
