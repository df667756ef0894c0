// Zubrik: the run-time error that a failed conversion or an overflow raises.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include <stdexcept>
#include <string>

// Error numbers the player may see in the error box; they follow the classic
// numbering so that a report from a player can be matched to its cause.
enum class RuntimeErrorCode { Overflow = 6, SubscriptOutOfRange = 9, TypeMismatch = 13 };

class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(RuntimeErrorCode code, const std::string &description);

    RuntimeErrorCode code() const { return m_code; }
    const std::string &description() const { return m_description; }

private:
    RuntimeErrorCode m_code;
    std::string m_description;
};
