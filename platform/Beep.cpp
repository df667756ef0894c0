// Zubrik: the system's beep: the desktop's "bell" event sound, behind a seam that tests can replace.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include "platform/Beep.h"

#include <QApplication>
#include <canberra.h>
#include <memory>

namespace {

struct ContextDeleter
{
    void operator()(ca_context *context) const { ca_context_destroy(context); }
};
using Context = std::unique_ptr<ca_context, ContextDeleter>;

// One context for the program's life, made at the first beep: it keeps the
// connection to the sound server, so later beeps sound without delay.
Context makeContext()
{
    ca_context *raw = nullptr;
    if (ca_context_create(&raw) != CA_SUCCESS)
        return {};
    Context context(raw);
    ca_context_change_props(context.get(),
                            CA_PROP_APPLICATION_NAME, ZUBRIK_PRODUCT_NAME,
                            CA_PROP_APPLICATION_ID, ZUBRIK_APP_ID,
                            CA_PROP_APPLICATION_ICON_NAME, ZUBRIK_APP_ID,
                            nullptr);
    return context;
}

} // namespace

Beep::Handler &Beep::handler()
{
    static Handler handler;
    return handler;
}

bool Beep::playEventSound()
{
    static const Context context = makeContext();
    if (!context)
        return false;
    return ca_context_play(context.get(), 0,
                           CA_PROP_EVENT_ID, "bell",
                           CA_PROP_EVENT_DESCRIPTION, "Beep",
                           nullptr) == CA_SUCCESS;
}

void Beep::ring()
{
    if (handler())
        handler()();
    else if (!playEventSound())
        QApplication::beep();
}

void Beep::setHandler(Handler handler)
{
    Beep::handler() = std::move(handler);
}
