// Keys an adding machine's steps into a kept tape as fast as a person might,
// writing them as the calculator does (in batches behind the keys),
// and says after each key how many lines it has and when (ms since the epoch, as date +%s%N
// tells it), until it is killed. For tests/tape/KillSoak.sh.

#include <chrono>
#include <cstdio>
#include <thread>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeStore.h"
#include "text/Utf.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: abacor_tape_soak DATABASE\n");
        return 2;
    }
    abacor::TapeStore::Opened opened = abacor::TapeStore::Open(argv[1]);
    if (!opened.store) {
        std::fprintf(stderr, "%s\n", abacor::Utf8(abacor::Composed(opened.problem)).c_str());
        return 1;
    }
    abacor::CalculatorSession session(abacor::DefaultSettings());
    session.Keep(std::make_unique<abacor::TapeWriter>(std::move(opened.store)), {});
    for (long key = 0;; ++key) {
        static const char* const kKeys[] = {"1", "2", "+"};
        static_cast<void>(session.Apply(kKeys[key % 3]));
        const auto now =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch());
        std::printf("%zu %lld\n", session.tape().Lines().size(), static_cast<long long>(now.count()));
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
