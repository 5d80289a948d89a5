#pragma once

#include <QtGlobal>
#include <random>

namespace linknode::sim {

// Decides, reply by reply, whether it is lost and how long it is held back. The same seed
// gives the same decisions in the same order on every run.
class FaultInjector {
public:
    // `dropRate` is clamped to 0..1, `jitterMs` to 0 and above.
    FaultInjector(double dropRate, int jitterMs, quint32 seed);

    bool drop();
    int delayMs(); // 0..jitterMs

private:
    double dropRate_;
    int jitterMs_;
    std::mt19937 random_;
};

} // namespace linknode::sim
