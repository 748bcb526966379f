# Writes OUT, a C++ file holding the PNG files PNGS as byte arrays.
set(arrays "")
set(entries "")
set(index 0)
foreach(png ${PNGS})
  file(READ ${png} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char kPng${index}[] = {${bytes}};\n")
  string(APPEND entries "    {kPng${index}, sizeof kPng${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUT} "// Generated from desktop/abacor.svg by desktop/EmbedIcons.cmake.
#include \"platform/shell/AppIcon.h\"

namespace abacor {
namespace {
${arrays}
const AppIconPng kPngs[] = {
${entries}};
}  // namespace

std::span<const AppIconPng> AppIconPngs()
{
    return kPngs;
}

}  // namespace abacor
")
