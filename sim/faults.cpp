#include "sim/faults.h"

#include <algorithm>

namespace linknode::sim {

FaultInjector::FaultInjector(double dropRate, int jitterMs, quint32 seed)
    : dropRate_(std::clamp(dropRate, 0.0, 1.0))
    , jitterMs_(std::max(jitterMs, 0))
    , random_(seed)
{
}

// Plain arithmetic on the generator's output rather than the standard distributions, whose
// results differ between library implementations.
bool FaultInjector::drop()
{
    if (dropRate_ <= 0.0)
        return false;
    return static_cast<double>(random_()) / 4294967296.0 < dropRate_;
}

int FaultInjector::delayMs()
{
    if (jitterMs_ == 0)
        return 0;
    return static_cast<int>(random_() % (static_cast<quint32>(jitterMs_) + 1));
}

} // namespace linknode::sim
