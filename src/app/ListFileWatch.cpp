#include "app/ListFileWatch.h"

#include <algorithm>
#include <memory>

#include "platform/WindowClass.h"

namespace {

constexpr wchar_t kClassName[] = L"VelmaroListFileWatch";
constexpr UINT kFileNoticeMessage = WM_APP + 41;
constexpr UINT kLookDoneMessage = WM_APP + 42;  // lParam: the Look, which the window then owns
constexpr UINT_PTR kCheckTimer = 1;

std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : path.substr(0, separator);
}

std::wstring NameOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

}  // namespace

struct ListFileWatcher::Look {
    HWND target = nullptr;
    std::wstring path;
    std::wstring unit;
    ListFileStamp known;
    ListFileRead read;
};

bool ListFileWatcher::Start(HINSTANCE instance, const std::wstring& listPath, Callbacks callbacks) {
    Stop();
    RegisterProgramClass(instance, {kClassName, &ListFileWatcher::Procedure});  // once per process; later calls fail harmlessly
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    if (!window_) return false;
    path_ = listPath;
    callbacks_ = std::move(callbacks);
    if (watch_.Start(FolderOf(listPath), NameOf(listPath), window_, kFileNoticeMessage)) return true;
    Stop();
    return false;
}

void ListFileWatcher::Stop() {
    watch_.Stop();  // no notice is posted after this
    EndLook();
    if (window_) {
        // A look that finished after the last dispatch still owns its result.
        MSG m;
        while (PeekMessageW(&m, window_, kLookDoneMessage, kLookDoneMessage, PM_REMOVE)) {
            delete reinterpret_cast<Look*>(m.lParam);
        }
        DestroyWindow(window_);
    }
    window_ = nullptr;
    waiting_ = lookAgain_ = false;
    callbacks_ = Callbacks{};
}

void ListFileWatcher::EndLook() {
    if (!reader_) return;
    WaitForSingleObject(reader_.get(), INFINITE);
    reader_.reset();
}

void ListFileWatcher::CheckAfter(UINT delayMs) {
    if (!waiting_) {
        waiting_ = true;
        firstNotice_ = GetTickCount64();
    }
    SetTimer(window_, kCheckTimer, delayMs, nullptr);
}

// Each notice restarts the quiet period, but never beyond the longest wait
// counted from the first notice of the burst.
void ListFileWatcher::OnNotice() {
    if (reader_) {
        lookAgain_ = true;  // once the look under way is done
        return;
    }
    const ULONGLONG waited = waiting_ ? GetTickCount64() - firstNotice_ : 0;
    const ULONGLONG left = waited >= kLongestWaitMs ? 0 : kLongestWaitMs - waited;
    CheckAfter(static_cast<UINT>(std::min<ULONGLONG>(kQuietMs, left)));
}

void ListFileWatcher::OnTimer() {
    KillTimer(window_, kCheckTimer);
    waiting_ = false;
    if (reader_ || !callbacks_.prepare) return;
    auto look = std::make_unique<Look>();
    look->target = window_;
    look->path = path_;
    if (!callbacks_.prepare(look->unit, look->known)) return;
    reader_.reset(CreateThread(nullptr, 0, &ListFileWatcher::Read, look.get(), 0, nullptr));
    if (reader_) look.release();  // the worker posts it back to the window
}

DWORD WINAPI ListFileWatcher::Read(void* parameter) {
    auto* look = static_cast<Look*>(parameter);
    look->read = ReadListFileIfChanged(look->path, look->unit, look->known);
    if (!PostMessageW(look->target, kLookDoneMessage, 0, reinterpret_cast<LPARAM>(look))) delete look;
    return 0;
}

void ListFileWatcher::OnLookDone(Look* done) {
    std::unique_ptr<Look> look(done);
    EndLook();
    const bool retry = callbacks_.apply && callbacks_.apply(std::move(look->read));
    if (retry) {
        CheckAfter(kRetryMs);
    } else if (lookAgain_) {
        CheckAfter(kQuietMs);
    }
    lookAgain_ = false;
}

LRESULT CALLBACK ListFileWatcher::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ListFileWatcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->window_ == window) {
        switch (message) {
            case kFileNoticeMessage: self->OnNotice(); return 0;
            case kLookDoneMessage: self->OnLookDone(reinterpret_cast<Look*>(lParam)); return 0;
            case WM_TIMER:
                if (wParam == kCheckTimer) self->OnTimer();
                return 0;
            default: break;
        }
    }
    if (message == kLookDoneMessage) delete reinterpret_cast<Look*>(lParam);  // a window that is going away
    return DefWindowProcW(window, message, wParam, lParam);
}
