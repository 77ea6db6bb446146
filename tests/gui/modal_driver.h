#pragma once

#include "gui/gui_harness.h"

#include <wx/dialog.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

#include <functional>
#include <utility>

namespace glimtags::test {

// Lets dialogs of the given type run their own modal loop and hands the open one
// to the test; any other dialog goes to the expectations.
template <typename Dialog>
class RunModal : public ModalHook {
public:
    using ModalHook::ModalHook;
    Dialog* dialog = nullptr;

protected:
    int Enter(wxDialog* shown) override
    {
        if (auto* ours = dynamic_cast<Dialog*>(shown)) {
            dialog = ours;
            return wxID_NONE;
        }
        return ModalHook::Enter(shown);
    }
    void Exit(wxDialog* shown) override
    {
        if (shown == dialog)
            dialog = nullptr;
    }
};

// From inside the modal loop: acts once on the open dialog when it is ready for
// it, and ends a dialog that stays open too long.
template <typename Dialog>
class ModalDriver : public wxTimer {
public:
    using Ready = std::function<bool(Dialog&)>;
    using Act = std::function<void(Dialog&)>;
    static constexpr long kLimitMs = 8000;

    ModalDriver(const RunModal<Dialog>& hook, Ready ready, Act act)
        : hook_(hook), ready_(std::move(ready)), act_(std::move(act))
    {
        Start(10);
    }

    void Notify() override
    {
        Dialog* dialog = hook_.dialog;
        if (!dialog)
            return;
        if (!acted_ && ready_(*dialog)) {
            acted_ = true;
            act_(*dialog);
        } else if (watch_.Time() > kLimitMs) {
            Stop();
            ADD_FAILURE() << "the dialog was still open";
            dialog->EndModal(wxID_ABORT);
        }
    }

private:
    const RunModal<Dialog>& hook_;
    Ready ready_;
    Act act_;
    bool acted_ = false;
    wxStopWatch watch_;
};

} // namespace glimtags::test
