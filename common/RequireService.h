#pragma once

#include <stdexcept>
#include <string>

// Throws std::invalid_argument when Service (a pointer or a function) is
// missing: a window is made with every service it uses, or not at all.
template <typename TService>
void RequireService(const TService& Service, const char* Window, const char* What)
{
    if (!Service)
        throw std::invalid_argument(std::string(Window) + " needs " + What + ".");
}
