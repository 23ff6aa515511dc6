// discwright-cli image: the wizard's "Create CD Image..." without a window.
// The questions the wizard asks (leave out what the image cannot hold,
// replace an existing image) are answered No unless --yes is given.
#pragma once

class CliRun;
struct Invocation;

namespace image_command {

inline constexpr const char* kOutput = "--output";
inline constexpr const char* kLabel = "--label";
inline constexpr const char* kYes = "--yes";

int Run(const Invocation& invocation, CliRun& run);

}  // namespace image_command
