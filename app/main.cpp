#include "comparison.hpp"

#include <iostream>

int main()
{
    return run_comparison(std::cin, std::cout, std::cerr);
}
