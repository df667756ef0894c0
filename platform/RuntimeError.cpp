// Zubrik: the run-time error that a failed conversion or an overflow raises.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/RuntimeError.h"

RuntimeError::RuntimeError(RuntimeErrorCode code, const QString &description)
    : std::runtime_error(description.toStdString()), m_code(code), m_description(description)
{
}
