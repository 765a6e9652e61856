// Build-time tool that writes the shipped list files: every entry followed by CR LF and one empty line at
// the end, so that the program's list reader also returns the last entry.
//
//   wordlistgen letters <length> <output>      every name of <length> letters a-z, in order
//   wordlistgen dictionary <input> <output>    the lower-case a-z words of a dictionary, sorted, unique
//   wordlistgen lines <input> <output>         the non-empty lines of a text file, as given

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool isPlainWord(const std::string &word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::vector<std::string> readLines(const std::string &path, bool &ok)
{
    std::ifstream in(path, std::ios::binary);
    ok = bool(in);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string allNamesOfLength(int length)
{
    std::string text;
    std::string name(std::size_t(length), 'a');
    std::size_t count = 1;
    for (int i = 0; i < length; ++i)
        count *= 26;
    text.reserve(count * (std::size_t(length) + 2) + 2);
    for (std::size_t n = 0; n < count; ++n) {
        text += name;
        text += "\r\n";
        // Count up like an odometer whose digits run from a to z.
        for (int i = length - 1; i >= 0; --i) {
            if (name[std::size_t(i)] != 'z') {
                ++name[std::size_t(i)];
                break;
            }
            name[std::size_t(i)] = 'a';
        }
    }
    return text;
}

std::string joinEntries(const std::vector<std::string> &entries)
{
    std::string text;
    for (const std::string &entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

// Written beside the target and renamed, so an interrupted build never leaves a half list behind.
bool writeList(const std::string &path, const std::string &entries)
{
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << entries << "\r\n";
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

int fail(const std::string &message)
{
    std::cerr << "wordlistgen: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4)
        return fail("usage: wordlistgen letters|dictionary|lines <length|input> <output>");
    const std::string mode = argv[1];
    const std::string argument = argv[2];
    const std::string output = argv[3];

    std::string entries;
    if (mode == "letters") {
        const int length = std::atoi(argument.c_str());
        if (length < 1 || length > 5)
            return fail("length must be 1 to 5");
        entries = allNamesOfLength(length);
    } else if (mode == "dictionary" || mode == "lines") {
        bool ok = false;
        std::vector<std::string> lines = readLines(argument, ok);
        if (!ok)
            return fail("cannot read " + argument);
        if (mode == "dictionary") {
            lines.erase(std::remove_if(lines.begin(), lines.end(), [](const auto &w) { return !isPlainWord(w); }),
                        lines.end());
            std::sort(lines.begin(), lines.end());
            lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        } else {
            lines.erase(std::remove_if(lines.begin(), lines.end(),
                                       [](const auto &l) { return l.find_first_not_of(' ') == std::string::npos; }),
                        lines.end());
        }
        entries = joinEntries(lines);
    } else {
        return fail("unknown mode " + mode);
    }
    if (!writeList(output, entries))
        return fail("cannot write " + output);
    return 0;
}
