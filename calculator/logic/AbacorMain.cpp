// Abacor, the calculator.
#include "calculator/logic/CCalculatorApp.h"

int main(int argc, char* argv[])
{
    abacor::CCalculatorApp app;
    return app.InitInstance(argc, argv);
}
