// Zubrik: the player's script as steps: a verb and its arguments a line, as every toolkit's driver reads it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "ScenarioScript.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

[[noreturn]] void fault(int line, const std::string &what)
{
    throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

// A quoted argument from just after its opening quote; moves `at` past the closing one.
std::string quoted(const std::string &text, std::size_t &at, int line)
{
    std::string value;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            ++at;
            if (at < text.size() && text[at] != ' ')
                fault(line, "a quoted argument runs on past its quote");
            return value;
        }
        if (c != '\\') {
            value += c;
            continue;
        }
        // Only the line break is written as an escape: anything else is a slip.
        if (text.compare(at, 4, "\\r\\n") != 0)
            fault(line, "the only escape is \\r\\n");
        value += "\r\n";
        at += 3;
    }
    fault(line, "a quote is not closed");
}

ScenarioStep parseLine(const std::string &text, int line)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == ' ' || c == '\t') {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            ++at;
            words.push_back(quoted(text, at, line));
        } else {
            const std::size_t end = text.find_first_of(" \t\"#", at);
            words.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
            at = end == std::string::npos ? text.size() : end;
            if (at < text.size() && text[at] == '"')
                fault(line, "a quote opens inside a word");
        }
    }
    ScenarioStep step;
    step.line = line;
    if (!words.empty()) {
        step.verb = words.front();
        step.args.assign(words.begin() + 1, words.end());
    }
    return step;
}

} // namespace

std::optional<std::string> ScenarioStep::option(const std::string &name) const
{
    for (const std::string &arg : args)
        if (arg.compare(0, name.size() + 1, name + "=") == 0)
            return arg.substr(name.size() + 1);
    return std::nullopt;
}

std::string ScenarioStep::where() const
{
    std::string text = "line " + std::to_string(line) + ": " + verb;
    for (const std::string &arg : args)
        text += " " + arg;
    return text;
}

ScenarioScript ScenarioScript::parse(const std::string &text)
{
    ScenarioScript script;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ScenarioStep step = parseLine(line, number);
        if (!step.verb.empty())
            script.m_steps.push_back(std::move(step));
    }
    return script;
}

ScenarioScript ScenarioScript::load(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return parse(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}
