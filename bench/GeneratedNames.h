#pragma once
// Generated names for the zone benchmarks: the same names every run, from a splitmix sequence turned
// into labels of 6 to 14 letters and digits.

#include <QtGlobal>

#include <string>

namespace bench {

struct NameMaker {
    quint64 state;
    explicit NameMaker(quint64 seed) : state(seed) {}
    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    std::string label()
    {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        quint64 bits = next();
        const int length = 6 + int(bits % 9);
        bits /= 9;
        std::string text;
        for (int i = 0; i < length; ++i) {
            if (bits < 36)
                bits = next();
            text.push_back(letters[bits % (i == 0 ? 26 : 36)]);
            bits /= 36;
        }
        return text;
    }
};

} // namespace bench
