#include "adapter/Win32NdisLibrary.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "adapter/GuardedCall.h"

namespace quoril {
namespace {

// W32N50.dll is a 32-bit library: the program that uses it is built for x86.
// A 64-bit build exists only for the tests of machines that cannot run 32-bit
// programs, over a 64-bit stand-in library.

// The six calls with the bytes of arguments each takes, which stdcall
// exports carry in their decorated names.
struct Export {
  const char* name;
  unsigned argumentBytes;
};
constexpr Export kExports[] = {
    {"W32N_GetFirstAdapterRegistryInfo", 4},
    {"W32N_GetNextAdapterRegistryInfo", 4},
    {"W32N_OpenAdapterA", 4},
    {"W32N_GetLastError", 0},
    {"W32N_MakeNdisRequest", 16},
    {"W32N_CloseAdapter", 4},
};

// Which decoration the library's compiler gave its exports is unknown: try
// the plain name, then stdcall (with and without the C underscore), then cdecl.
const void* FindExport(HMODULE module, const Export& e) {
  char decorated[96];
  const char* const forms[] = {"%s", "_%s@%u", "%s@%u", "_%s"};
  for (const char* form : forms) {
    std::snprintf(decorated, sizeof decorated, form, e.name, e.argumentBytes);
    if (FARPROC proc = ::GetProcAddress(module, decorated)) {
      return reinterpret_cast<const void*>(proc);
    }
  }
  return nullptr;
}

// The load errors a user can do something about, in words.
std::string LoadError(DWORD error) {
  switch (error) {
    case ERROR_MOD_NOT_FOUND:
      return "was not found.";
    case ERROR_BAD_EXE_FORMAT:
      return "is not a 32-bit Windows library.";
    default:
      return "cannot be loaded (error " + std::to_string(error) + ").";
  }
}

// The records carry 32-bit addresses. The 64-bit test build keeps its image
// and stacks below 4 GB; an address above would reach the wrong buffer.
std::uint32_t Address(const void* p) {
  const auto address = reinterpret_cast<std::uintptr_t>(p);
  if constexpr (sizeof address > 4) {
    if (address >> 32 != 0) {
      std::fprintf(stderr, "W32N50.dll: address %p is above 4 GB\n", p);
      std::abort();
    }
  }
  return static_cast<std::uint32_t>(address);
}

}  // namespace

Win32NdisLibrary::Win32NdisLibrary(const char* path) : overlapped_(std::make_unique<OVERLAPPED>()) {
  Resolve(path);
}

Win32NdisLibrary::~Win32NdisLibrary() {
  if (module_) ::FreeLibrary(static_cast<HMODULE>(module_));
}

void Win32NdisLibrary::Resolve(const char* path) {
  // No "insert the disk" box when the library lives on removable media.
  const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = ::LoadLibraryA(path);
  ::SetErrorMode(oldMode);
  if (!module) {
    problem_ = std::string(path) + " " + LoadError(::GetLastError());
    return;
  }
  module_ = module;
  for (std::size_t i = 0; i < kCallCount; ++i) {
    calls_[i] = FindExport(module, kExports[i]);
    if (!calls_[i]) {
      problem_ = std::string(path) + " has no " + kExports[i].name + ".";
      calls_.fill(nullptr);
      return;
    }
  }
}

int Win32NdisLibrary::GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) {
  if (!IsUsable()) return 1;
  return static_cast<int>(GuardedCall(calls_[kFirst], {Address(record.bytes.data())}));
}

int Win32NdisLibrary::GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) {
  if (!IsUsable()) return 1;
  return static_cast<int>(GuardedCall(calls_[kNext], {Address(record.bytes.data())}));
}

AdapterHandle Win32NdisLibrary::OpenAdapter(const char* name) {
  if (!IsUsable()) return kInvalidAdapter;
  const std::uint32_t handle = GuardedCall(calls_[kOpen], {Address(name)});
  return static_cast<AdapterHandle>(static_cast<std::int32_t>(handle));
}

std::uint32_t Win32NdisLibrary::GetLastError() {
  if (!IsUsable()) return ERROR_PROC_NOT_FOUND;
  return GuardedCall(calls_[kLastError], {});
}

std::uint32_t Win32NdisLibrary::MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                                CompletionRecord& completion, int wait) {
  if (!IsUsable()) return kNdisStatusFailure;
  // Fresh for every call; the reserved bytes stay zero.
  NdisRequest::Record record{};
  request.EncodeTo(record, Address(request.buffer));

  OVERLAPPED& overlapped = *overlapped_;
  overlapped = OVERLAPPED{};
  overlapped.Internal = completion.internal;
  overlapped.InternalHigh = completion.internalHigh;
  overlapped.Offset = completion.offset;
  overlapped.OffsetHigh = completion.offsetHigh;
  overlapped.hEvent = completion.hEvent;

  const std::uint32_t status =
      GuardedCall(calls_[kRequest], {static_cast<std::uint32_t>(adapter), Address(record.data()),
                                     Address(&overlapped), static_cast<std::uint32_t>(wait)});

  completion.internal = overlapped.Internal;
  completion.internalHigh = overlapped.InternalHigh;
  return status;
}

int Win32NdisLibrary::CloseAdapter(AdapterHandle adapter) {
  if (!IsUsable()) return 1;
  return static_cast<int>(GuardedCall(calls_[kClose], {static_cast<std::uint32_t>(adapter)}));
}

EventHandle Win32NdisLibrary::CreateCompletionEvent() {
  // Automatic reset, not signalled, unnamed.
  return ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
}

void Win32NdisLibrary::ResetCompletionEvent(EventHandle event) {
  ::ResetEvent(event);
}

void Win32NdisLibrary::CloseCompletionEvent(EventHandle event) {
  ::CloseHandle(event);
}

}  // namespace quoril
