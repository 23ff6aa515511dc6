#include "wizard/win32/running_copy.h"

namespace {
// Names without a "\" live in the session's own namespace.
constexpr const char* kName = "ZoruzazAZ Discwright running";
}  // namespace

RunningCopy::~RunningCopy() {
  if (shared_ != nullptr) ::UnmapViewOfFile(shared_);
}

bool RunningCopy::Claim() {
  mapping_.reset(
      ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), kName));
  // Nothing to share: better two copies than none.
  if (!mapping_) return true;
  const bool first = ::GetLastError() != ERROR_ALREADY_EXISTS;
  shared_ =
      static_cast<LONG*>(::MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
  if (first) return true;
  // Window handles fit in 32 bits, in 64-bit processes too.
  HWND main = shared_ != nullptr
                  ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(static_cast<ULONG>(*shared_)))
                  : nullptr;
  if (main != nullptr && ::IsWindow(main)) {
    if (::IsIconic(main)) ::ShowWindow(main, SW_RESTORE);
    // The window the author is in: a wizard or a question over the main window.
    ::SetForegroundWindow(::GetLastActivePopup(main));
  }
  return false;
}

void RunningCopy::SetMainWindow(HWND main) {
  if (shared_ != nullptr) {
    ::InterlockedExchange(shared_, static_cast<LONG>(reinterpret_cast<ULONG_PTR>(main)));
  }
}
