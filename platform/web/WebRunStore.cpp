// Zubrik: the page keeps its tab's run in the tab's session storage, so that a reload plays on from it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/web/WebRunStore.h"

#include "core/RunRecord.h"

// In zubrik_run_library.js.
extern "C" {
int zubrik_run_read(char *buffer, int size);
void zubrik_run_write(const char *text);
void zubrik_run_erase();
}

namespace {

// Far more than any record's text: a longer one is not ours.
constexpr int readLimit = 256;

} // namespace

void WebRunStore::restore()
{
    char buffer[readLimit];
    if (zubrik_run_read(buffer, readLimit) < 0)
        return;
    if (const auto record = RunRecord::parse(buffer))
        record->restoreInto(m_window);
}

void WebRunStore::keep()
{
    const auto record = RunRecord::of(m_window);
    write(record ? record->text() : std::string());
}

void WebRunStore::forget()
{
    write(std::string());
}

void WebRunStore::write(const std::string &text)
{
    if (m_known && text == m_written)
        return;
    if (text.empty())
        zubrik_run_erase();
    else
        zubrik_run_write(text.c_str());
    m_written = text;
    m_known = true;
}
