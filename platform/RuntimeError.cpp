// Zubrik: the run-time error that a failed conversion or an overflow raises.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/RuntimeError.h"

RuntimeError::RuntimeError(RuntimeErrorCode code, const std::string &description)
    : std::runtime_error(description), m_code(code), m_description(description)
{
}
