#include "platform/beep.h"

#include <wx/utils.h>

#include <utility>

namespace glimtags::platform {
namespace {

std::function<void()>& observer()
{
    static std::function<void()> current;
    return current;
}

} // namespace

void beep()
{
    if (observer())
        observer()();
    else
        wxBell();
}

void setBeepObserver(std::function<void()> newObserver)
{
    observer() = std::move(newObserver);
}

} // namespace glimtags::platform
