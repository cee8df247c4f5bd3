#pragma once
// Result codes a web control reports; negative values are failures.
#include <cstdint>

namespace hresult {

constexpr std::int32_t Fail = static_cast<std::int32_t>(0x80004005u);
constexpr std::int32_t NotImplemented = static_cast<std::int32_t>(0x80004001u);
constexpr std::int32_t InvalidArgument = static_cast<std::int32_t>(0x80070057u);
constexpr std::int32_t Abort = static_cast<std::int32_t>(0x80004004u);
constexpr std::int32_t Unexpected = static_cast<std::int32_t>(0x8000FFFFu);
constexpr std::int32_t OutOfMemory = static_cast<std::int32_t>(0x8007000Eu);

}  // namespace hresult
