#include "fleet/wave_planner.h"

#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/device_values.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <unordered_map>
#include <utility>

namespace linknode {

namespace {
    constexpr size_t noMove = std::numeric_limits<size_t>::max();

    // An address as a refusal quotes it: short and on one line, whatever the caller passed.
    QString quoted(const std::string& address)
    {
        constexpr qsizetype shownLength = 40;
        return u'"' + cutText(caretForm(toText(address)), shownLength) + u'"';
    }

    QString macOf(const Move& move)
    {
        return toText(macText(move.mac));
    }

    bool isPlain(const std::string& address)
    {
        return parseAddress(toText(address)) == address;
    }

    // Devices report addresses as they like ("010.0.0.5"); compare them in their plain form.
    std::string plainForm(const std::string& address)
    {
        return parseAddress(toText(address)).value_or(address);
    }

    struct Addresses {
        std::vector<std::string> from; // each move's address now, in plain form
        std::unordered_map<std::string, std::vector<size_t>> holders; // address -> moves there
        std::unordered_map<std::string, size_t> targetOf; // address -> the move going there
        std::unordered_map<std::string, std::string> held; // by devices outside the run: MAC
    };

    bool keeps(const std::vector<Move>& moves, const Addresses& at, size_t move)
    {
        return moves[move].to == at.from[move];
    }

    QString targetProblem(const std::vector<Move>& moves, Addresses& at)
    {
        for (size_t i = 0; i < moves.size(); ++i) {
            const std::string& to = moves[i].to;
            if (!isPlain(to))
                return QStringLiteral("%1: the new address %2 is not a plain dotted address")
                    .arg(macOf(moves[i]), quoted(to));
            if (const auto holder = at.held.find(to); holder != at.held.end())
                return QStringLiteral("%1: the new address %2 is held by %3, a device not in the "
                                      "run")
                    .arg(macOf(moves[i]), toText(to), toText(holder->second));
            const auto [first, added] = at.targetOf.try_emplace(to, i);
            if (!added)
                return QStringLiteral("%1 and %2 would both take %3")
                    .arg(macOf(moves[first->second]), macOf(moves[i]), toText(to));
        }
        return {};
    }

    QString spareProblem(
        const std::vector<Move>& moves, const Addresses& at, const std::vector<std::string>& spares)
    {
        for (const std::string& spare : spares) {
            const auto refused = [&](const QString& why) {
                return QStringLiteral("spare %1 %2").arg(quoted(spare), why);
            };
            if (!isPlain(spare))
                return refused(QStringLiteral("is not a plain dotted address"));
            if (const auto holder = at.held.find(spare); holder != at.held.end())
                return refused(QStringLiteral("is held by %1, a device not in the run")
                                   .arg(toText(holder->second)));
            if (const auto holder = at.holders.find(spare); holder != at.holders.end())
                return refused(
                    QStringLiteral("is held by %1").arg(macOf(moves[holder->second[0]])));
            if (const auto target = at.targetOf.find(spare); target != at.targetOf.end())
                return refused(
                    QStringLiteral("is the new address of %1").arg(macOf(moves[target->second])));
        }
        return {};
    }

    // Each move goes in the wave after every move holding its target has left; the move
    // parked on a spare leaves its address early, which is what breaks a cycle.
    class Schedule {
    public:
        Schedule(const std::vector<Move>& plannedMoves, const Addresses& addresses)
            : moves(plannedMoves)
            , at(addresses)
            , wave(plannedMoves.size(), 0)
            , earliest(plannedMoves.size(), 1)
            , pending(plannedMoves.size(), 0)
            , waiter(plannedMoves.size(), noMove)
            , propagated(plannedMoves.size(), false)
        {
            for (size_t i = 0; i < moves.size(); ++i) {
                if (keeps(moves, at, i))
                    continue;
                if (const auto holders = at.holders.find(moves[i].to);
                    holders != at.holders.end()) {
                    pending[i] = holders->second.size();
                    for (const size_t holder : holders->second)
                        waiter[holder] = i;
                }
            }
            for (size_t i = 0; i < moves.size(); ++i)
                if (pending[i] == 0)
                    ready.push_back(i);
            settle();
        }

        size_t waveOf(size_t move) const { return wave[move]; }

        // The first move of every cycle still waiting, in move order.
        std::vector<size_t> cycles() const
        {
            std::vector<size_t> firsts;
            std::vector<bool> seen(moves.size(), false);
            for (size_t i = 0; i < moves.size(); ++i) {
                if (wave[i] != 0 || seen[i])
                    continue;
                firsts.push_back(i);
                for (size_t member = i; !seen[member]; member = waiter[member])
                    seen[member] = true;
            }
            return firsts;
        }

        // `move` leaves its address for a spare in `parkWave`; the rest of its cycle follows.
        void park(size_t move, size_t parkWave)
        {
            leave(move, parkWave);
            settle();
        }

        std::vector<size_t> after(size_t move) const
        {
            if (keeps(moves, at, move))
                return {};
            const auto holders = at.holders.find(moves[move].to);
            return holders == at.holders.end() ? std::vector<size_t> {} : holders->second;
        }

    private:
        void leave(size_t move, size_t leaveWave)
        {
            propagated[move] = true;
            const size_t next = waiter[move];
            if (next == noMove)
                return;
            earliest[next] = std::max(earliest[next], leaveWave + 1);
            if (--pending[next] == 0)
                ready.push_back(next);
        }

        void settle()
        {
            while (!ready.empty()) {
                const size_t move = ready.front();
                ready.pop_front();
                wave[move] = earliest[move];
                if (!propagated[move])
                    leave(move, wave[move]);
            }
        }

        const std::vector<Move>& moves;
        const Addresses& at;
        std::vector<size_t> wave; // of its step onto its target; 0 while it waits
        std::vector<size_t> earliest; // the first wave its target may be free in
        std::vector<size_t> pending; // holders of its target not yet placed
        std::vector<size_t> waiter; // the move going to its address, if one waits for it
        std::vector<bool> propagated; // it has left its address in a known wave
        std::deque<size_t> ready;
    };

    struct Parking {
        std::string spare;
        size_t wave = 0;
        std::vector<size_t> after;
    };

    void addStep(WavePlan& plan, size_t wave, WaveStep step)
    {
        if (plan.waves.size() < wave)
            plan.waves.resize(wave);
        plan.waves[wave - 1].push_back(std::move(step));
    }
}

WavePlan planWaves(const std::vector<Move>& moves, const std::vector<HeldAddress>& held,
    const std::vector<std::string>& spares)
{
    WavePlan plan;
    Addresses at;
    for (const HeldAddress& device : held)
        at.held.emplace(plainForm(device.address), device.mac);
    for (size_t i = 0; i < moves.size(); ++i) {
        at.from.push_back(plainForm(moves[i].from));
        at.holders[at.from.back()].push_back(i);
    }
    QString problem = targetProblem(moves, at);
    if (problem.isEmpty())
        problem = spareProblem(moves, at, spares);
    if (!problem.isEmpty()) {
        plan.problem = { Refusal::Value::Address, toBytes(problem) };
        return plan;
    }

    Schedule schedule(moves, at);
    const std::vector<size_t> cycles = schedule.cycles();
    if (!cycles.empty() && spares.empty()) {
        plan.problem = { Refusal::Value::Address,
            toBytes(cycles.size() == 1
                    ? QStringLiteral("1 exchange or cycle of addresses (through %1) has no "
                                     "order; --spare ADDRESS, a free address, breaks it")
                          .arg(macOf(moves[cycles.front()]))
                    : QStringLiteral("%1 exchanges or cycles of addresses (the first through "
                                     "%2) have no order; --spare ADDRESS, a free address, breaks "
                                     "them")
                          .arg(cycles.size())
                          .arg(macOf(moves[cycles.front()]))) };
        return plan;
    }
    // Each cycle takes the spare that is free first; a spare is free again in the wave after
    // its last guest reached its own target.
    std::vector<size_t> spareFree(spares.size(), 1);
    std::vector<size_t> lastGuest(spares.size(), noMove);
    std::unordered_map<size_t, Parking> parked;
    for (const size_t move : cycles) {
        const size_t spare = static_cast<size_t>(
            std::min_element(spareFree.begin(), spareFree.end()) - spareFree.begin());
        Parking parking { spares[spare], spareFree[spare], {} };
        if (lastGuest[spare] != noMove)
            parking.after.push_back(lastGuest[spare]);
        schedule.park(move, parking.wave);
        spareFree[spare] = schedule.waveOf(move) + 1;
        lastGuest[spare] = move;
        parked.emplace(move, std::move(parking));
    }
    for (size_t i = 0; i < moves.size(); ++i) {
        if (const auto parking = parked.find(i); parking != parked.end())
            addStep(
                plan, parking->second.wave, { i, parking->second.spare, parking->second.after });
        addStep(plan, schedule.waveOf(i), { i, moves[i].to, schedule.after(i) });
    }
    return plan;
}

} // namespace linknode
