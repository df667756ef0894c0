// Zubrik: the conversions between captions and numbers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/NumberText.h"

#include "platform/Rounding.h"
#include "platform/RuntimeError.h"

#include <QLocale>

#include <cmath>

namespace NumberText {

static RuntimeError typeMismatch()
{
    return RuntimeError(RuntimeErrorCode::TypeMismatch, QStringLiteral("Type mismatch"));
}

double toDouble(const QString &caption)
{
    bool ok = false;
    // The C locale: a caption is always written with '.' and without grouping.
    const double value = QLocale::c().toDouble(caption.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw typeMismatch();
    return value;
}

QString fromDouble(double value)
{
    return QString::number(value, 'g', 15);
}

std::int32_t toInt32(const QString &text)
{
    return Rounding::toInt32(toDouble(text));
}

} // namespace NumberText
