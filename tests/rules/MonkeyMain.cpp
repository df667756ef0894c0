// Zubrik: the entry of tst_monkey: a run's seeds and length from its command line or environment, then doctest.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
//   tst_monkey                    five seeds of 100,000 actions (or ZUBRIK_MONKEY_SEEDS,
//                                 a comma list, and ZUBRIK_MONKEY_ACTIONS, actions per seed)
//   tst_monkey SEED ACTIONS       replays one run exactly, e.g. the one a failure names
//
// Any further arguments are doctest's.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "MonkeyRun.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The whole text as a number, or false.
bool wholeNumber(const char *text, unsigned long long &value)
{
    if (!text || !*text || *text == '-' || *text == '+')
        return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0';
}

} // namespace

int main(int argc, char **argv)
{
    MonkeyRun &run = MonkeyRun::settings();
    std::vector<char *> args(argv, argv + argc);
    unsigned long long seed = 0, actions = 0;
    if (argc >= 3 && wholeNumber(argv[1], seed) && wholeNumber(argv[2], actions)) {
        run.seeds = { seed };
        run.actions = long(actions);
        args.erase(args.begin() + 1, args.begin() + 3);
    } else {
        if (const char *list = std::getenv("ZUBRIK_MONKEY_SEEDS"); list && *list) {
            run.seeds.clear();
            std::string rest = list;
            for (std::size_t at = 0; at <= rest.size();) {
                const std::size_t end = std::min(rest.find(',', at), rest.size());
                std::string item = rest.substr(at, end - at);
                item.erase(0, item.find_first_not_of(' '));
                item.erase(item.find_last_not_of(' ') + 1);
                if (!wholeNumber(item.c_str(), seed)) {
                    std::fprintf(stderr, "ZUBRIK_MONKEY_SEEDS: '%s' is not a seed\n", item.c_str());
                    return 2;
                }
                run.seeds.push_back(seed);
                at = end + 1;
            }
        }
        if (const char *n = std::getenv("ZUBRIK_MONKEY_ACTIONS"); n && *n) {
            if (!wholeNumber(n, actions)) {
                std::fprintf(stderr, "ZUBRIK_MONKEY_ACTIONS: '%s' is not a number\n", n);
                return 2;
            }
            run.actions = long(actions);
        }
    }
    doctest::Context context;
    context.applyCommandLine(int(args.size()), args.data());
    return context.run();
}
