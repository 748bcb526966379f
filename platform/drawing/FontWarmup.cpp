#include "platform/drawing/FontWarmup.h"

#if ABACOR_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace abacor {

FontWarmup::FontWarmup()
{
#if ABACOR_HAVE_FONTCONFIG
    // fontconfig is safe to initialise from any thread; Qt finds it ready.
    reader_ = std::thread([] { static_cast<void>(FcInit()); });
#endif
}

FontWarmup::~FontWarmup() { Finish(); }

void FontWarmup::Finish()
{
    if (reader_.joinable())
        reader_.join();
}

}  // namespace abacor
