#pragma once

#include <QIcon>

#include <cstddef>
#include <span>

namespace abacor {

// One PNG of the program's icon, built into the program.
struct AppIconPng {
    const unsigned char* data;
    std::size_t size;
};

// Every size of the icon the programs carry (generated from desktop/abacor.svg).
std::span<const AppIconPng> AppIconPngs();

// The icon of both programs' windows, in all the sizes they carry.
QIcon AppIcon();

}  // namespace abacor
