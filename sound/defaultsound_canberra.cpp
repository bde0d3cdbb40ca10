// SPDX-License-Identifier: GPL-3.0-or-later
// Linux desktops: the freedesktop sound theme's "bell" through libcanberra.
#include "defaultsound.h"

#include <canberra.h>

#include <memory>

namespace {

struct ContextDeleter
{
    void operator()(ca_context *context) const { ca_context_destroy(context); }
};

ca_context *context()
{
    static const std::unique_ptr<ca_context, ContextDeleter> shared = [] {
        ca_context *created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS) {
            created = nullptr;
        }
        return std::unique_ptr<ca_context, ContextDeleter>(created);
    }();
    return shared.get();
}

} // namespace

bool playDefaultSound()
{
    // Without a sound server this fails at once, and the caller's fallback gets its turn.
    ca_context *bell = context();
    return bell
        && ca_context_play(bell, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Sound file missing", nullptr)
        == CA_SUCCESS;
}
