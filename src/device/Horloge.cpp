#include "device/Horloge.h"

#include <chrono>
#include <thread>

namespace Zent {

void HorlogeSysteme::Dort(int millisecondes)
{
    if (millisecondes > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(millisecondes));
}

std::int64_t HorlogeSysteme::Tic() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace Zent
