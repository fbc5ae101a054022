#pragma once

#include <cstdint>

namespace Zent {

// Sleeps and a millisecond tick; protocol tests use a fake one that only
// advances when asked, so they never sleep.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual void Dort(int millisecondes) = 0;
    virtual std::int64_t Tic() const = 0;
};

class HorlogeSysteme : public Horloge {
public:
    void Dort(int millisecondes) override;
    std::int64_t Tic() const override;
};

} // namespace Zent
