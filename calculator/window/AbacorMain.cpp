// Abacor, the calculator.
#include "calculator/window/RunCalculator.h"

int main(int argc, char* argv[]) { return abacor::RunCalculator(argc, argv); }
