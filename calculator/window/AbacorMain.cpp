// Abacor, the calculator.
#include "calculator/window/RunCalculator.h"

int main(int argc, char* argv[])
{
    abacor::RunCalculator app;
    return app.InitInstance(argc, argv);
}
