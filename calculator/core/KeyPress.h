#pragma once

#include "calculator/keys/Keys.h"

namespace abacor {

class Calculator;

// What a key does to the calculator, whatever pressed it: a tap, a hardware
// or desktop key, an accessibility action or a token.
void PressKey(KeyId key, Calculator& calculator);

}  // namespace abacor
