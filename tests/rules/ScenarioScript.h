// Zubrik: the player's script as steps: a verb and its arguments a line, as every toolkit's driver reads it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ScenarioStep
{
    int line = 0;
    std::string verb;
    std::vector<std::string> args;

    // The value of a NAME=VALUE argument, if given (the verbs that take
    // them take no quoted text).
    std::optional<std::string> option(const std::string &name) const;
    // "line N: verb args" for a message.
    std::string where() const;
};

// Split at spaces; a double-quoted argument may hold spaces, and \r\n in it is
// CR LF; `#` outside quotes starts a comment. A fault in the text (an open
// quote, an unknown escape) throws std::runtime_error naming its line.
class ScenarioScript
{
public:
    static ScenarioScript parse(const std::string &text);
    static ScenarioScript load(const std::string &path);

    const std::vector<ScenarioStep> &steps() const { return m_steps; }

private:
    std::vector<ScenarioStep> m_steps;
};
