// abacor-calc: runs key tokens through the headless calculator.
#include <iostream>
#include <sstream>

#include "tools/abacor-calc/CalcDriver.h"

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    abacor::CalcDriver driver(std::cout, std::cerr);
    int status = 0;
    if (argc > 1) {
        std::string joined;
        for (int i = 1; i < argc; ++i)
            joined.append(argv[i]).append(1, ' ');
        std::istringstream arguments(joined);
        status = driver.Run(arguments);
    } else {
        std::cin.tie(&std::cout);
        status = driver.Run(std::cin);
    }
    return status;
}
